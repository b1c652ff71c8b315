#pragma once

// The tips of "Tip of the Day": a text file of one tip per line. Lines that
// begin with a tab, a space or ";" and empty lines are skipped; reading wraps
// at the end of the file. The position is a byte offset into the file, kept
// between runs together with the file's modification time.

#include <optional>
#include <string>

class cTipFile
{
public:
    enum class eLoad
    {
        Loaded,
        Missing,
        ReadError,
    };

    static constexpr std::size_t kMaxTipLength = 1000;
    static constexpr std::size_t kMaxFileSize = 4 * 1024 * 1024;

    // Reads the file; `timeStamp` is its modification time as a ctime text.
    eLoad Load(const std::string& path);
    void LoadText(std::string text, std::string timeStamp);

    const std::string& TimeStamp() const { return m_strTimeStamp; }
    // Where reading starts: the stored position when the stored time stamp is
    // the file's (a position inside a line: the next line), else the
    // beginning. True when the time stamp changed.
    bool Start(const std::string& storedStamp, long storedPosition);
    // The next tip, or none when no line of the file is a tip.
    std::optional<std::string> NextTip();
    long Position() const { return static_cast<long>(m_nPosition); }

private:
    std::string m_strText;
    std::string m_strTimeStamp;
    std::size_t m_nPosition = 0;
};
