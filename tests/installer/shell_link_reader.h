#pragma once
// A shortcut file as the Windows shell itself reads it, through IShellLinkW and IPersistFile.

#include <optional>
#include <string>

struct ShellLinkFields {
    std::string targetPath; // UTF-8, all of them
    std::string workingDirectory;
    std::string description;
    std::string arguments;
    int showCommand = 0;
};

// Nothing when the shell cannot load the file.
std::optional<ShellLinkFields> readShellLink(const std::wstring& file);

std::string utf8(const std::wstring& text);
