#pragma once
// The text of a freedesktop application entry (Desktop Entry Specification), for the
// applications menu and, with the autostart key, for the session's autostart folder.

#include <string>
#include <string_view>

// All texts UTF-8.
struct DesktopEntry {
    std::string name;
    std::string comment;
    std::string program; // absolute path of the executable
    std::string workingDirectory;
    bool autostart = false;
    std::string icon; // absolute path of a picture file, or an icon theme's name; none when empty
    // The entry starts nothing once the program is gone (a package removed).
    bool tryExec = false;
};

// A string value as stored after "Key=": backslash, newline, tab and carriage return escaped.
std::string escapeStringValue(std::string_view value);

// One Exec argument: in double quotes with `"`, backtick, `$` and `\` escaped, and `%` doubled.
// The result still needs escapeStringValue, which the reader undoes first.
std::string quoteExecArgument(std::string_view argument);

std::string desktopEntryText(const DesktopEntry& entry);
