#include "document/cArchive.h"

#include "model/Text.h"
#include "model/TextCodec.h"

#include <cstring>

namespace {

constexpr std::uint16_t kNullTag = 0x0000;
constexpr std::uint16_t kBigObjectTag = 0x7FFF;
constexpr std::uint16_t kClassTag = 0x8000;
constexpr std::uint16_t kNewClassTag = 0xFFFF;
constexpr std::uint32_t kBigClassTag = 0x80000000u;
constexpr std::size_t kMaxClassName = 63;
constexpr std::uint16_t kWideTextMark = 0xFFFE;

} // namespace

bool cArchiveIn::Take(void* out, std::size_t size)
{
    if (m_bFailed || m_data.size() - m_pos < size) {
        m_bFailed = true;
        std::memset(out, 0, size);
        return false;
    }
    std::memcpy(out, m_data.data() + m_pos, size);
    m_pos += size;
    return true;
}

std::uint8_t cArchiveIn::Byte()
{
    std::uint8_t b[1];
    Take(b, 1);
    return b[0];
}

std::uint16_t cArchiveIn::Word()
{
    std::uint8_t b[2];
    Take(b, 2);
    return static_cast<std::uint16_t>(b[0] | (b[1] << 8));
}

std::uint32_t cArchiveIn::Dword()
{
    std::uint8_t b[4];
    Take(b, 4);
    return static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
           (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
}

std::int32_t cArchiveIn::Int()
{
    return static_cast<std::int32_t>(Dword());
}

double cArchiveIn::Double()
{
    std::uint8_t b[8];
    Take(b, 8);
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i) {
        bits = (bits << 8) | b[i];
    }
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

bool cArchiveIn::CheckCount(std::int32_t count, std::size_t minBytes)
{
    if (count < 0 || static_cast<std::size_t>(count) > Remaining() / (minBytes == 0 ? 1 : minBytes)) {
        m_bFailed = true;
        return false;
    }
    return true;
}

std::size_t cArchiveIn::TextLength(bool allowWide, bool* wide)
{
    const std::uint8_t b = Byte();
    if (b < 0xFF) {
        return b;
    }
    const std::uint16_t w = Word();
    if (w == kWideTextMark) {
        if (!allowWide) {
            Fail();
            return 0;
        }
        *wide = true;
        return TextLength(false, wide);
    }
    if (w < 0xFFFF) {
        return w;
    }
    return Dword();
}

std::string cArchiveIn::Text()
{
    bool wide = false;
    const std::size_t n = TextLength(true, &wide);
    const std::size_t bytes = wide ? 2 * n : n;
    if (m_bFailed || n > Remaining() || bytes > Remaining()) {
        Fail();
        return {};
    }
    const std::string_view raw = m_data.substr(m_pos, bytes);
    m_pos += bytes;
    if (!wide) {
        return Cp1252ToUtf8(raw);
    }
    std::u16string units(n, u'\0');
    for (std::size_t i = 0; i < n; ++i) {
        units[i] = static_cast<char16_t>(static_cast<unsigned char>(raw[2 * i]) |
                                         (static_cast<unsigned char>(raw[2 * i + 1]) << 8));
    }
    return Utf16ToUtf8(units);
}

std::string_view cArchiveIn::ReadObjectHeader()
{
    const std::uint16_t tag = Word();
    if (m_bFailed || tag == kNullTag) {
        Fail();
        return {};
    }
    std::string_view name;
    if (tag == kNewClassTag) {
        const std::uint16_t schema = Word();
        const std::uint16_t length = Word();
        if (m_bFailed || schema != 1 || length > kMaxClassName || length > Remaining()) {
            Fail();
            return {};
        }
        name = m_data.substr(m_pos, length);
        m_pos += length;
        m_entries.push_back(name);
        m_isClass.push_back(true);
    } else {
        std::uint32_t number = 0;
        bool isClassRef = false;
        if (tag == kBigObjectTag) {
            const std::uint32_t big = Dword();
            isClassRef = (big & kBigClassTag) != 0;
            number = big & ~kBigClassTag;
        } else {
            isClassRef = (tag & kClassTag) != 0;
            number = tag & ~kClassTag;
        }
        // A reference to an object already read, or to a number never given.
        if (m_bFailed || !isClassRef || number == 0 || number >= m_entries.size() || !m_isClass[number]) {
            Fail();
            return {};
        }
        name = m_entries[number];
    }
    m_entries.emplace_back();
    m_isClass.push_back(false);
    return name;
}

void cArchiveOut::Word(std::uint16_t value)
{
    Byte(static_cast<std::uint8_t>(value & 0xFF));
    Byte(static_cast<std::uint8_t>(value >> 8));
}

void cArchiveOut::Dword(std::uint32_t value)
{
    for (int i = 0; i < 4; ++i) {
        Byte(static_cast<std::uint8_t>((value >> (8 * i)) & 0xFF));
    }
}

void cArchiveOut::Double(double value)
{
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    for (int i = 0; i < 8; ++i) {
        Byte(static_cast<std::uint8_t>((bits >> (8 * i)) & 0xFF));
    }
}

void cArchiveOut::Length(std::size_t n)
{
    if (n < 0xFF) {
        Byte(static_cast<std::uint8_t>(n));
    } else if (n < 0xFFFE) {
        Byte(0xFF);
        Word(static_cast<std::uint16_t>(n));
    } else {
        Byte(0xFF);
        Word(0xFFFF);
        Dword(static_cast<std::uint32_t>(n));
    }
}

void cArchiveOut::Text(std::string_view utf8)
{
    if (const std::optional<std::string> bytes = Utf8ToCp1252(utf8)) {
        Length(bytes->size());
        m_data += *bytes;
        return;
    }
    const std::u16string units = Utf8ToUtf16(utf8);
    Byte(0xFF);
    Word(kWideTextMark);
    Length(units.size());
    for (const char16_t unit : units) {
        Word(static_cast<std::uint16_t>(unit));
    }
}

void cArchiveOut::WriteObjectHeader(std::string_view className)
{
    const auto found = m_classes.find(std::string(className));
    if (found == m_classes.end()) {
        Word(kNewClassTag);
        Word(1);
        Word(static_cast<std::uint16_t>(className.size()));
        m_data.append(className);
        m_classes.emplace(std::string(className), ++m_nCount);
    } else if (found->second < kBigObjectTag) {
        Word(static_cast<std::uint16_t>(kClassTag + found->second));
    } else {
        Word(kBigObjectTag);
        Dword(kBigClassTag + found->second);
    }
    ++m_nCount;
}
