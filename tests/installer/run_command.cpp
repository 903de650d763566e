#include "run_command.h"

#include <cstdio>
#include <sys/wait.h>

namespace fs = std::filesystem;

CommandResult runCommand(const std::string& program, const fs::path& file)
{
    // Single quotes keep blanks, quotes and dollars of the file name away from the shell.
    std::string quoted = "'";
    for (char c : file.string())
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    quoted += "'";
    CommandResult result;
    FILE* pipe = popen((program + " " + quoted + " 2>&1").c_str(), "r");
    if (pipe == nullptr)
        return result;
    char buffer[4096];
    std::size_t n = 0;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        result.output.append(buffer, n);
    const int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}
