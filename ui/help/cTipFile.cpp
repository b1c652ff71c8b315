#include "ui/help/cTipFile.h"

#include <ctime>
#include <fstream>
#include <iterator>
#include <sys/stat.h>

cTipFile::eLoad cTipFile::Load(const std::string& path)
{
    struct stat info
    {
    };
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return eLoad::Missing;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in || static_cast<std::size_t>(info.st_size) > kMaxFileSize) {
        return eLoad::ReadError;
    }
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        return eLoad::ReadError;
    }
    char stamp[64] = {};
    const std::time_t modified = info.st_mtime;
    std::string timeStamp = ::ctime_r(&modified, stamp) != nullptr ? stamp : "";
    while (!timeStamp.empty() && (timeStamp.back() == '\n' || timeStamp.back() == '\r')) {
        timeStamp.pop_back();
    }
    LoadText(std::move(text), std::move(timeStamp));
    return eLoad::Loaded;
}

void cTipFile::LoadText(std::string text, std::string timeStamp)
{
    m_strText = std::move(text);
    m_strTimeStamp = std::move(timeStamp);
    m_nPosition = 0;
}

bool cTipFile::Start(const std::string& storedStamp, long storedPosition)
{
    if (storedStamp != m_strTimeStamp) {
        m_nPosition = 0;
        return true;
    }
    const bool valid = storedPosition >= 0 && static_cast<std::size_t>(storedPosition) <= m_strText.size();
    m_nPosition = valid ? static_cast<std::size_t>(storedPosition) : 0;
    // Reading stops only at line starts; a position inside a line (an edited
    // profile) goes on from the next line, so that no part of a comment
    // becomes a tip.
    if (m_nPosition > 0 && m_nPosition < m_strText.size() && m_strText[m_nPosition - 1] != '\n') {
        const std::size_t end = m_strText.find('\n', m_nPosition);
        m_nPosition = end == std::string::npos ? 0 : end + 1;
    }
    return false;
}

std::optional<std::string> cTipFile::NextTip()
{
    if (m_nPosition >= m_strText.size()) {
        m_nPosition = 0;
    }
    // At most one whole pass: a file without a usable line must not loop for ever.
    std::size_t scanned = 0;
    while (scanned < m_strText.size()) {
        if (m_nPosition >= m_strText.size()) {
            m_nPosition = 0;
        }
        const std::size_t begin = m_nPosition;
        std::size_t end = m_strText.find('\n', begin);
        const std::size_t next = end == std::string::npos ? m_strText.size() : end + 1;
        if (end == std::string::npos) {
            end = m_strText.size();
        }
        scanned += next - begin;
        m_nPosition = next;
        std::string line = m_strText.substr(begin, end - begin);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty() || line[0] == '\t' || line[0] == ' ' || line[0] == ';' || line[0] == '\r') {
            continue;
        }
        if (line.size() > kMaxTipLength) {
            const auto continues = [&line](std::size_t i) {
                return (static_cast<unsigned char>(line[i]) & 0xC0) == 0x80;
            };
            // Do not split a UTF-8 sequence: at most three bytes follow its
            // lead. Bytes that are no UTF-8 are cut at the limit, so that a
            // long line never becomes an empty tip.
            std::size_t cut = kMaxTipLength;
            while (cut > kMaxTipLength - 3 && continues(cut)) {
                --cut;
            }
            if (continues(cut)) {
                cut = kMaxTipLength;
            }
            line.resize(cut);
        }
        return line;
    }
    return std::nullopt;
}
