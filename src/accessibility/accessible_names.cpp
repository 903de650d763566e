#include "accessibility/accessible_names.h"

std::string slotControlName(SlotColumn column, int slot)
{
    // In the order of SlotColumn.
    static constexpr const char* kWords[] = {"Data scadenza ", "Tipo scadenza ", "Testo scadenza ",
                                             "Giorni di preavviso scadenza ", "Cancella scadenza "};
    return kWords[static_cast<int>(column)] + std::to_string(slot);
}

const char* slotStateWords(Rgb colour)
{
    if (colour == DueSoonColour)
        return "SCADENZA TRA' BREVE";
    if (colour == ExpiredColour)
        return "SCADENZA SCADUTA";
    if (colour == DueTodayColour)
        return "SCADENZA OGGI";
    return nullptr;
}
