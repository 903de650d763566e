#pragma once
// Where the two shortcuts go: the folder whose programs start at login ("StartUp") and the
// user's applications menu ("Programs"), on a freedesktop system.

#include <functional>
#include <string>

enum class SpecialFolder { StartUp, Programs };

// Value of an environment variable, empty when unset.
using EnvironmentLookup = std::function<std::string(const char* name)>;

// $XDG_CONFIG_HOME/autostart and $XDG_DATA_HOME/applications, with the defaults under home when
// a variable is unset, empty or relative. Empty when neither the variable nor home is usable.
std::string freedesktopFolder(SpecialFolder folder, const std::string& home,
                              const EnvironmentLookup& environment);
