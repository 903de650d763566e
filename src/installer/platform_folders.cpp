#include "platform_folders.h"

#include <QDir>
#include <QStandardPaths>
#include <QtGlobal>

std::string platformSpecialFolder(SpecialFolder folder)
{
#ifdef Q_OS_WIN
    // The Start Menu's Programs folder; Startup is the folder of that name inside it.
    QString programs = QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation);
    if (programs.isEmpty())
        return {};
    if (folder == SpecialFolder::StartUp)
        programs += QStringLiteral("/Startup");
    return programs.toStdString();
#else
    const auto environment = [](const char* name) {
        return qEnvironmentVariable(name).toStdString();
    };
    return freedesktopFolder(folder, QDir::homePath().toStdString(), environment);
#endif
}

bool platformReadsDesktopEntries()
{
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    return false;
#else
    return true;
#endif
}
