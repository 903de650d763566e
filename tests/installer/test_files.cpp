#include "test_files.h"

#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

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
