#include "core/slot_table.h"

int slotOfField(int field)
{
    for (const SlotBinding& binding : kSlots) {
        if (binding.dateField == field || binding.textField == field || binding.daysField == field)
            return binding.slot;
    }
    return 0;
}
