#pragma once
// The special folders of this platform, as UTF-8 paths, and whether it reads .desktop entries.

#include "special_folders.h"

#include <string>

std::string platformSpecialFolder(SpecialFolder folder);
bool platformReadsDesktopEntries();
