#pragma once

// Files for the output tests: a fresh folder per test and whole-file reads.

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <sstream>
#include <string>
#include <unistd.h>

// A folder of its own for the running test, removed with the object.
class cTempFolder
{
public:
    cTempFolder()
    {
        const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name =
            std::string("tournel-output-") + std::to_string(::getpid()) + "-" +
            (test != nullptr ? std::string(test->test_suite_name()) + "-" + test->name() : "suite");
        for (char& c : name) {
            if (c == '/') {
                c = '_';
            }
        }
        m_path = std::filesystem::temp_directory_path() / name;
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~cTempFolder() { std::filesystem::remove_all(m_path); }
    cTempFolder(const cTempFolder&) = delete;
    cTempFolder& operator=(const cTempFolder&) = delete;

    std::string operator/(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

// The bytes of a file; none when it cannot be read.
inline std::optional<std::string> ReadWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in.is_open()) {
        return std::nullopt;
    }
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline void WriteWholeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

// "\n" as the output files write it.
inline std::string Crlf(const std::string& text)
{
    std::string out;
    for (const char c : text) {
        if (c == '\n') {
            out += '\r';
        }
        out += c;
    }
    return out;
}
