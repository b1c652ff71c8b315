#include "output/OutputFile.h"

std::string HtmlEscape(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string_view FileExtension(std::string_view path)
{
    const std::size_t slash = path.find_last_of('/');
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.find_last_of('.');
    return dot == std::string_view::npos ? std::string_view() : name.substr(dot + 1);
}

cOutputFile::cOutputFile(const std::string& path)
    : m_file(path, std::ios::binary | std::ios::trunc)
{
}

void cOutputFile::Write(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (const char c : text) {
        if (c == '\n') {
            out += '\r';
        }
        out += c;
    }
    m_file.write(out.data(), static_cast<std::streamsize>(out.size()));
}

bool cOutputFile::Close()
{
    m_file.close();
    return !m_file.fail();
}
