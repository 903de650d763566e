#pragma once
// A drop-down list as wide as its longest entry, so no entry shows cut; the box keeps its
// own size and place.

class QComboBox;

// Follows the entries as they are added, removed or changed.
void fitListWidthToEntries(QComboBox* box);
