#pragma once
// Files for the tests, free of Qt: a fresh temporary folder removed with all it holds, and
// whole files read and written as bytes.

#include <atomic>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

class TempFolder {
public:
    TempFolder()
    {
        // Unique across the test programs that run side by side, and within one.
        static const unsigned run = std::random_device()();
        static std::atomic<int> counter{0};
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        m_path = std::filesystem::temp_directory_path() /
                 ("t10test-" + std::to_string(run) + "-" + std::to_string(stamp) + "-" +
                  std::to_string(counter++));
        std::filesystem::create_directories(m_path);
    }
    ~TempFolder()
    {
        // A test may have taken the owner's rights away to make a write fail.
        std::error_code ignored;
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(m_path, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }
    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

// The whole file; empty when it cannot be read.
inline std::string readBytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The file made to hold exactly these bytes; throws when it cannot be written.
inline void writeBytes(const std::filesystem::path& file, std::string_view bytes)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out)
        throw std::runtime_error("cannot write " + file.string());
}

inline void writeBytes(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes)
{
    writeBytes(file, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}
