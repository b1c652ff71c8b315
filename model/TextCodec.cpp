#include "model/TextCodec.h"

#include <array>

namespace {

// Code page 1252 bytes 0x80-0x9F; 0 marks the five unassigned bytes.
constexpr std::array<char16_t, 32> kHighTable = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

} // namespace

char32_t Cp1252ToUnicode(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F) {
        const char16_t c = kHighTable[byte - 0x80];
        // Unassigned bytes pass through as the C1 control of the same value.
        return c != 0 ? c : byte;
    }
    return byte;
}

int UnicodeToCp1252(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<int>(c);
    }
    for (std::size_t i = 0; i < kHighTable.size(); ++i) {
        if (kHighTable[i] != 0 && kHighTable[i] == c) {
            return static_cast<int>(0x80 + i);
        }
    }
    if (c >= 0x80 && c <= 0x9F && kHighTable[c - 0x80] == 0) {
        return static_cast<int>(c);
    }
    return -1;
}

char32_t cUtf8Reader::Next()
{
    const auto byte = [this](std::size_t i) { return static_cast<unsigned char>(m_text[i]); };
    const unsigned char lead = byte(m_pos);
    std::size_t length = 0;
    char32_t c = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        ++m_pos;
        return lead;
    }
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        c = lead & 0x1F;
        minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        c = lead & 0x0F;
        minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        c = lead & 0x07;
        minimum = 0x10000;
    }
    if (length != 0 && m_pos + length <= m_text.size()) {
        bool ok = true;
        for (std::size_t i = 1; i < length; ++i) {
            const unsigned char next = byte(m_pos + i);
            if ((next & 0xC0) != 0x80) {
                ok = false;
                break;
            }
            c = (c << 6) | (next & 0x3F);
        }
        if (ok && c >= minimum && c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF)) {
            m_pos += length;
            return c;
        }
    }
    ++m_pos;
    return Cp1252ToUnicode(lead);
}

void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::optional<std::string> Utf8ToCp1252(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    cUtf8Reader reader(text);
    while (!reader.AtEnd()) {
        const int byte = UnicodeToCp1252(reader.Next());
        if (byte < 0) {
            return std::nullopt;
        }
        out += static_cast<char>(byte);
    }
    return out;
}

std::string Cp1252ToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (const char b : bytes) {
        AppendUtf8(out, Cp1252ToUnicode(static_cast<unsigned char>(b)));
    }
    return out;
}

std::u16string Utf8ToUtf16(std::string_view text)
{
    std::u16string out;
    cUtf8Reader reader(text);
    while (!reader.AtEnd()) {
        const char32_t c = reader.Next();
        if (c >= 0x10000) {
            const char32_t v = c - 0x10000;
            out += static_cast<char16_t>(0xD800 + (v >> 10));
            out += static_cast<char16_t>(0xDC00 + (v & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
    }
    return out;
}

std::string Utf16ToUtf8(std::u16string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD; // a lone surrogate cannot be held in UTF-8
        }
        AppendUtf8(out, c);
    }
    return out;
}
