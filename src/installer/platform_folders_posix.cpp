#include "installer/platform_folders.h"

#include <QDir>
#include <QtGlobal>

std::string platformSpecialFolder(SpecialFolder folder)
{
    const auto environment = [](const char* name) {
        return qEnvironmentVariable(name).toStdString();
    };
    return freedesktopFolder(folder, QDir::homePath().toStdString(), environment);
}

bool platformReadsDesktopEntries()
{
#ifdef Q_OS_MACOS
    return false;
#else
    return true;
#endif
}

QString platformMainProgramFileName()
{
    return QStringLiteral("Tempestina10");
}
