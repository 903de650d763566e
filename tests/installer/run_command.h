#pragma once
// Running a reader program of the desktop (lnkinfo, desktop-file-validate) on one file.

#include <filesystem>
#include <string>

struct CommandResult {
    int status = -1;
    std::string output; // standard output and standard error
};
CommandResult runCommand(const std::string& program, const std::filesystem::path& file);
