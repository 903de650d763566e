#include "test_files.h"

#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>

namespace fs = std::filesystem;

TempFolder::TempFolder()
{
    std::random_device seed;
    root = fs::temp_directory_path() / ("pontilo-test-" + std::to_string(seed()));
    fs::create_directories(root);
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    fs::remove_all(root, ignored);
}

void writeBytes(const fs::path& file, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + file.string());
}

void writeText(const fs::path& file, const std::string& text)
{
    writeBytes(file, std::vector<std::uint8_t>(text.begin(), text.end()));
}

std::string readText(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

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
