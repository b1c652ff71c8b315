#pragma once

// Helpers of the document tests: golden files, temporary folders, a clock.

#include "model/Calendar.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <unistd.h>

inline std::string GoldenPath(const std::string& name)
{
    return std::string(TOURNEL_TEST_DATA) + "/format/" + name + "/database.tnd";
}

inline std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

inline void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

// A fresh folder removed with the fixture.
class cTempFolder
{
public:
    cTempFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "tournel-doc-XXXXXX").string();
        m_path = ::mkdtemp(pattern.data()) != nullptr ? pattern : std::string();
    }
    ~cTempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    std::string operator/(const std::string& name) const { return m_path + "/" + name; }
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

// Saturday 2025-03-29 10:00 in central European time: the times of the golden files.
inline constexpr TimePoint kT0 = 1743238800;
