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
#ifdef T10_SYSTEM_LAYOUT
    return QStringLiteral(T10_PROGRAM_NAME);
#else
    return QStringLiteral("Tempestina10");
#endif
}

QString platformPackageDesktopId()
{
#ifdef T10_SYSTEM_LAYOUT
    return QStringLiteral(T10_APP_ID);
#else
    return {};
#endif
}
