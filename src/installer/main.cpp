#include "installer/installer_window.h"
#include "installer/pontilo_icon.h"

#include <QApplication>
#include <QFont>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pontilo"));
    // The window was laid out for MS Sans Serif; Liberation Sans has the same metrics.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QApplication::setWindowIcon(pontiloIcon());

    InstallerWindow window;
    window.show();
    return QApplication::exec();
}
