#pragma once
// Writing one shortcut into one folder: the .lnk file and, on freedesktop systems, the
// .desktop entry beside it that the desktop really reads.

#include "installer/lnk_writer.h"

#include <optional>
#include <string>
#include <system_error>

struct ShortcutRequest {
    ShellLink link;
    std::string name;          // file name without extension
    bool desktopEntry = false; // also write name + ".desktop"
    bool autostart = false;    // the entry is for the autostart folder
    std::string icon;          // the entry's picture file, absolute, or a theme's icon name
    bool shellLink = true;     // write name + ".lnk"
    std::string entryFileName; // the .desktop file's name without extension; name when empty
    bool tryExec = false;      // the entry names the program as its TryExec too
};

struct ShortcutFailure {
    std::string file;    // the folder or file that could not be made, UTF-8
    bool folder = false; // the folder, not a file, could not be made
    std::string reason;  // Italian
};

// Creates the folder when missing and replaces files of the same names. Stops at the first
// failure, leaving any file it had not yet replaced as it was.
std::optional<ShortcutFailure> writeShortcut(const std::string& folder,
                                             const ShortcutRequest& request);

// Italian words for why a file operation failed.
std::string italianReason(std::error_code error);
