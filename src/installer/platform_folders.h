#pragma once
// What differs between platforms for the installer: the special folders as UTF-8 paths, whether
// the desktop reads .desktop entries, and the main program's file name.

#include "installer/special_folders.h"

#include <QString>
#include <string>

std::string platformSpecialFolder(SpecialFolder folder);
bool platformReadsDesktopEntries();
QString platformMainProgramFileName();
// The package's menu entry id when Pontilo came with a system-wide package, which has its own
// menu entry and icon: then only the login entry is written. Empty otherwise.
QString platformPackageDesktopId();
