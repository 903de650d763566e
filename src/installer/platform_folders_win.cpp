#include "installer/platform_folders.h"

#include <QString>
#include <shlobj.h>

// Each folder asked of the shell by itself: a user or a policy may move one without the other.
// Made when missing, as the shell itself would, rather than failing on a deleted Startup.
std::string platformSpecialFolder(SpecialFolder folder)
{
    const KNOWNFOLDERID& id =
        folder == SpecialFolder::StartUp ? FOLDERID_Startup : FOLDERID_Programs;
    PWSTR path = nullptr;
    std::string result;
    if (SUCCEEDED(SHGetKnownFolderPath(id, KF_FLAG_CREATE, nullptr, &path)))
        result = QString::fromWCharArray(path).toStdString();
    CoTaskMemFree(path);
    return result;
}

bool platformReadsDesktopEntries()
{
    return false;
}

QString platformMainProgramFileName()
{
    return QStringLiteral("Tempestina10.exe");
}

QString platformPackageDesktopId()
{
    return {};
}
