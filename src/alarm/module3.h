#pragma once
// The shared operation of the alarm panel: the first half of the minutes list.

class QComboBox;

// Appends the minute counts 1 to 240, as decimal texts, to the box's list.
void CaricaMinuti(QComboBox* cboMin);
