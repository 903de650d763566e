#include "installer/special_folders.h"

namespace {

// The XDG base directories are ignored when relative: they would depend on the working folder.
bool isAbsolute(const std::string& path)
{
    return !path.empty() && path.front() == '/';
}

std::string joined(const std::string& folder, const char* child)
{
    if (!folder.empty() && folder.back() == '/')
        return folder + child;
    return folder + "/" + child;
}

} // namespace

std::string freedesktopFolder(SpecialFolder folder, const std::string& home,
                              const EnvironmentLookup& environment)
{
    const bool startUp = folder == SpecialFolder::StartUp;
    std::string base = environment(startUp ? "XDG_CONFIG_HOME" : "XDG_DATA_HOME");
    if (!isAbsolute(base)) {
        if (!isAbsolute(home))
            return {};
        base = startUp ? joined(home, ".config") : joined(home, ".local/share");
    }
    return joined(base, startUp ? "autostart" : "applications");
}
