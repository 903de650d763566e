#include "core/slot_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

TEST(SlotTable, dateFieldsFollowTheArchiveNotTheSlotOrder)
{
    // Field k of the record holds the date of this slot.
    const int slotOfDateField[] = {2, 1, 3, 5, 4, 10, 9, 8, 7, 6};
    for (int field = 1; field <= 10; ++field)
        EXPECT_EQ(slotOfField(field), slotOfDateField[field - 1]) << field;
    for (int field = 11; field <= 20; ++field)
        EXPECT_EQ(slotOfField(field), field - 10) << field;
    for (int field = 21; field <= 30; ++field)
        EXPECT_EQ(slotOfField(field), field - 20) << field;
    EXPECT_EQ(slotOfField(0), 0);
    EXPECT_EQ(slotOfField(31), 0);
}

TEST(SlotTable, dateBoxesFromTopToBottom)
{
    const char* expected[] = {"txtTelefono", "txtNome", "txtCommenti", "txtData2", "txtData1",
                              "D5",          "D4",      "D3",          "D2",       "D1"};
    std::set<int> fields;
    for (const SlotBinding& binding : kSlots) {
        EXPECT_STREQ(binding.dateBox, expected[binding.slot - 1]);
        fields.insert({binding.dateField, binding.textField, binding.daysField});
    }
    EXPECT_EQ(fields.size(), 30u); // every card field belongs to exactly one slot
}
