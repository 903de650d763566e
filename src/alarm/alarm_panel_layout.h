#pragma once
// The alarm panel's controls on the main window, made in two layers: what lies beneath the
// window's boxes, and the boxes and buttons among them.

#include "mainwindow/main_window_layout.h"

class QWidget;

namespace Ui {

// Frame, captions, the active alarm's display: hidden until the panel opens.
void setupAlarmPanelBackdrop(MainWindow& ui, QWidget* window);
// Type and minutes boxes, optional text, wave files and the panel's buttons: hidden too.
void setupAlarmPanelControls(MainWindow& ui, QWidget* window);

} // namespace Ui
