#pragma once
// A main window put out of the way while another window is used, and brought back after.

class QWidget;

// Wayland gives a program no request to restore a window it minimised: there it is hidden.
bool platformRestoresMinimized();
// Minimised, or hidden where it could not be restored.
void putAside(QWidget* window);
// In its normal state again, shown, on top, with the keyboard.
void bringBack(QWidget* window);
