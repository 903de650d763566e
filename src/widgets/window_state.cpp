#include "widgets/window_state.h"

#include <QGuiApplication>
#include <QWidget>

bool platformRestoresMinimized()
{
    // "wayland", "wayland-egl" and the like.
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void putAside(QWidget* window)
{
    if (platformRestoresMinimized())
        window->showMinimized();
    else
        window->hide();
}

void bringBack(QWidget* window)
{
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->showNormal();
    window->raise();
    // Else the window manager leaves the keyboard with no window once the other one is gone.
    window->activateWindow();
}
