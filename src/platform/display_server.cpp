#include "platform/display_server.h"

#include <QByteArray>
#include <QtGlobal>

void chooseDisplayServer()
{
#ifdef Q_OS_LINUX
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
    // Idle, the program redraws a small picture twenty times a second. Through the X server's
    // shared memory each redraw first waits for the server to have read the one before; sent
    // over the connection it costs the program and the server less.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
#endif
}
