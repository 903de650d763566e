#pragma once
// How the program reaches the screen on Linux, chosen before the application object exists.

// Qt's X11 platform first, native Wayland second: on a Wayland desktop the program runs through
// XWayland, where it places, rounds, minimises and brings back its windows, which Wayland lets
// no program do. Repaints go over the X connection, not through shared memory. What the user
// set in QT_QPA_PLATFORM or QT_XCB_NO_MITSHM holds. Nothing on other systems.
void chooseDisplayServer();
