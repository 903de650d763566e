#pragma once
// What a screen reader is told: the controls' names from the table beside the slot table,
// windows as windows, and a slot's state in words where the start shows it as a colour.

#include "core/startup_notices.h"

class QLineEdit;
class QWidget;

// Gives Qt this program's accessible interfaces; before the first window, as a reader that
// is already listening has Qt make a control's interface while the layout builds it.
void installScreenReaderSupport();

// Names the window's controls; called once by each layout, after its controls exist.
void nameControls(QWidget* window);

// The date box's description says what the colour the notices gave its slot means.
void describeSlotState(QLineEdit* dateBox, Rgb colour);
// The slot has no colour of a finding (any more).
void clearSlotState(QLineEdit* dateBox);
