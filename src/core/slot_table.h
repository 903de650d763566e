#pragma once
// The ten slots of the card: their controls in the main window and their card fields.

#include <array>

struct SlotBinding {
    int slot;                 // 1..10, top row first
    const char* dateBox;      // e.g. "txtTelefono"
    const char* typeCombo;    // "Combo1".."Combo10"
    const char* textBox;      // "R1".."R10"
    const char* daysBox;      // "seg1".."seg10"
    const char* clearButton;  // "C1".."C10"
    const char* cascadeTimer; // "Timer2".."Timer11"
    int dateField;            // card field numbers, 1..30
    int textField;
    int daysField;
};

inline constexpr std::array<SlotBinding, 10> kSlots{{
    {1, "txtTelefono", "Combo1", "R1", "seg1", "C1", "Timer2", 2, 11, 21},
    {2, "txtNome", "Combo2", "R2", "seg2", "C2", "Timer3", 1, 12, 22},
    {3, "txtCommenti", "Combo3", "R3", "seg3", "C3", "Timer4", 3, 13, 23},
    {4, "txtData2", "Combo4", "R4", "seg4", "C4", "Timer5", 5, 14, 24},
    {5, "txtData1", "Combo5", "R5", "seg5", "C5", "Timer6", 4, 15, 25},
    {6, "D5", "Combo6", "R6", "seg6", "C6", "Timer7", 10, 16, 26},
    {7, "D4", "Combo7", "R7", "seg7", "C7", "Timer8", 9, 17, 27},
    {8, "D3", "Combo8", "R8", "seg8", "C8", "Timer9", 8, 18, 28},
    {9, "D2", "Combo9", "R9", "seg9", "C9", "Timer10", 7, 19, 29},
    {10, "D1", "Combo10", "R10", "seg10", "C10", "Timer11", 6, 20, 30},
}};

// The lengths of a slot's date, text and days boxes, in characters.
inline constexpr int kDateBoxLength = 8;
inline constexpr int kTextBoxLength = 95;
inline constexpr int kDaysBoxLength = 2;

// Slot (1..10) of a given card field (1..30); 0 for any other number.
int slotOfField(int field);
