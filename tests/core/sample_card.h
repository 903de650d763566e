#pragma once
// A card with a date, an accented text, advance days and a reserved word, for the archive tests.

#include "core/deadline_card.h"

inline DeadlineCard sampleCard()
{
    DeadlineCard card;
    card.fields[1] = "15/03/05"; // date of slot 1
    card.fields[10] = "Tasse > pagare l'IVA entro le 12 già";
    card.fields[20] = "5";
    card.reserved = 0x2A;
    return card;
}
