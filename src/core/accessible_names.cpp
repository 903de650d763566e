#include "core/accessible_names.h"

std::string slotControlName(SlotColumn column, int slot)
{
    const char* words = "";
    switch (column) {
    case SlotColumn::Date:
        words = "Data scadenza ";
        break;
    case SlotColumn::Type:
        words = "Tipo scadenza ";
        break;
    case SlotColumn::Text:
        words = "Testo scadenza ";
        break;
    case SlotColumn::Days:
        words = "Giorni di preavviso scadenza ";
        break;
    case SlotColumn::Clear:
        words = "Cancella scadenza ";
        break;
    }
    return words + std::to_string(slot);
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
