#pragma once
// What a screen reader says for the main program's controls: the slot columns, the other
// controls by window and name, and a slot's state in the words of the colour legend.

#include "core/startup_notices.h"

#include <string>

enum class SlotColumn { Date, Type, Text, Days, Clear };

// "Data scadenza 3" and the like.
std::string slotControlName(SlotColumn column, int slot);

struct ControlName {
    const char* window;  // objectName of the window
    const char* control; // objectName of the control, or of the window itself
    const char* name;    // UTF-8
};

// Controls whose caption says nothing or nothing alone (a picture, "X", "?"); boxes with a
// label beside them take its caption instead. Windows whose caption is never shown (their
// object's name) are named by their message.
inline constexpr ControlName kControlNames[] = {
    {"Form1", "Form1", "Non ci sono scadenze immediate!"},
    {"Form3", "Form3", "Attenzione!"},
    {"frmTelefono", "cmdEsci", "Esci"},
    {"frmTelefono", "Command3", "Stampa"},
    {"frmTelefono", "Command2", "Copia le scadenze"},
    {"frmTelefono", "cmdList", "Tipi di scadenza"},
    {"frmTelefono", "cmdCal", "Apri il calendario"},
    {"frmTelefono", "Command5", "Allarme momentaneo"},
    {"frmTelefono", "Label1", "Info"},
    {"frmTelefono", "Calendar1", "Pannello del calendario"},
    {"frmTelefono", "qt_calendar_calendarview", "Calendario"},
    {"frmTelefono", "qt_calendar_yearedit", "Anno"},
    {"frmTelefono", "cmdchiud", "Chiudi il calendario"},
    {"frmTelefono", "cmdAdesso", "Data odierna"},
    {"frmTelefono", "cmdInfoC", "Spiegazione del calendario"},
    {"frmTelefono", "cmdInfo", "Spiegazione dell'allarme"},
    {"frmTelefono", "cmdChud", "Chiudi l'allarme"},
    {"frmTelefono", "cmdMinimiz", "Avvia l'allarme"},
    {"frmTelefono", "File1", "File wav personalizzati"},
    {"frmTelefono", "prova", "File wav scelto"},
    {"frmTelefono", "ann", "Annulla il file personalizzato"},
    {"Form2", "Command1", "Esci"},
    {"Form2", "Text1", "Informazioni"},
    {"Form2", "Image4", "Stampa"},
    {"frmLista", "Label1", "Annulla"},
    {"frmLista", "List1", "Tipi di scadenza"},
    {"frmLista", "txtElim", "Voce scelta"},
};

// The legend's words for the colour the start gave a slot; nullptr for any other colour.
const char* slotStateWords(Rgb colour);
