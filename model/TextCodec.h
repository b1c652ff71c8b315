#pragma once

// Conversions between the UTF-8 texts held in memory and the code page 1252
// bytes and UTF-16 units the database file stores.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Walks the code points of a UTF-8 text. A byte that starts no valid sequence
// is read as the code page 1252 character of that byte, so that any input
// yields characters and the walk always ends.
class cUtf8Reader
{
public:
    explicit cUtf8Reader(std::string_view text)
        : m_text(text)
    {
    }
    bool AtEnd() const { return m_pos >= m_text.size(); }
    char32_t Next();

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
};

void AppendUtf8(std::string& out, char32_t c);

// The code page 1252 byte of a character, or -1 when the code page has none.
int UnicodeToCp1252(char32_t c);
char32_t Cp1252ToUnicode(unsigned char byte);

// The code page 1252 bytes of a UTF-8 text, or nothing when a character has no byte.
std::optional<std::string> Utf8ToCp1252(std::string_view text);
std::string Cp1252ToUtf8(std::string_view bytes);

std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);
