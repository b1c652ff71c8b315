// Feeds arbitrary bytes to the text conversions: as a UTF-8 text typed or
// held in memory, as the code page 1252 bytes of a file's text, as the 16-bit
// units of a file's wide text, and as the length-prefixed texts of the
// database file itself.
//
// Whatever the bytes, the walk over UTF-8 must yield valid UTF-8 again, and
// every conversion must give back what it was given: a name survives a save in
// either of the file's text forms.

#include "document/cArchive.h"
#include "model/Calendar.h"
#include "model/Text.h"
#include "model/TextCodec.h"

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace {

void Check(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

// The text as the UTF-8 walk reads it, written out again: valid UTF-8 that
// holds the same characters.
std::string Normalised(std::string_view text, std::size_t* count = nullptr, bool* cp1252 = nullptr)
{
    std::string out;
    cUtf8Reader reader(text);
    std::size_t n = 0;
    bool fits = true;
    while (!reader.AtEnd()) {
        const char32_t c = reader.Next();
        Check(c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF));
        fits = fits && UnicodeToCp1252(c) >= 0;
        AppendUtf8(out, c);
        ++n;
    }
    if (count != nullptr) {
        *count = n;
    }
    if (cp1252 != nullptr) {
        *cp1252 = fits;
    }
    return out;
}

// What a file's 16-bit units read back as: a lone surrogate becomes U+FFFD.
std::u16string WithoutLoneSurrogates(std::u16string_view units)
{
    std::u16string out(units);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const bool high = out[i] >= 0xD800 && out[i] <= 0xDBFF;
        const bool low = out[i] >= 0xDC00 && out[i] <= 0xDFFF;
        if (high && i + 1 < out.size() && out[i + 1] >= 0xDC00 && out[i + 1] <= 0xDFFF) {
            ++i;
        } else if (high || low) {
            out[i] = 0xFFFD;
        }
    }
    return out;
}

void CheckUtf8(std::string_view text)
{
    std::size_t count = 0;
    bool cp1252 = false;
    const std::string normal = Normalised(text, &count, &cp1252);
    Check(Normalised(normal) == normal);
    Check(TextLength(text) == count && TextLength(normal) == count);

    const std::optional<std::string> bytes = Utf8ToCp1252(text);
    Check(bytes.has_value() == cp1252);
    if (bytes) {
        Check(bytes->size() == count);
        Check(Cp1252ToUtf8(*bytes) == normal);
    }

    const std::u16string units = Utf8ToUtf16(text);
    Check(units.size() >= count && units.size() <= 2 * count);
    Check(Utf16ToUtf8(units) == normal);
}

void CheckCp1252(std::string_view bytes)
{
    const std::string text = Cp1252ToUtf8(bytes);
    Check(Normalised(text) == text);
    Check(TextLength(text) == bytes.size());
    const std::optional<std::string> back = Utf8ToCp1252(text);
    Check(back.has_value() && *back == bytes);
}

void CheckUtf16(std::string_view bytes)
{
    std::u16string units(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < units.size(); ++i) {
        units[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                         (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
    }
    const std::string text = Utf16ToUtf8(units);
    Check(Normalised(text) == text);
    Check(Utf8ToUtf16(text) == WithoutLoneSurrogates(units));
}

// Writes the text in the file's form and reads it back.
void CheckArchiveRoundTrip(std::string_view text)
{
    cArchiveOut out;
    out.Text(text);
    out.Text(text);
    cArchiveIn in(out.Data());
    const std::string normal = Normalised(text);
    Check(in.Text() == normal);
    Check(in.Text() == normal);
    Check(!in.Failed() && in.Remaining() == 0);
}

// Reads the bytes as a run of file texts; each text read writes and reads back
// to itself.
void CheckArchiveTexts(std::string_view bytes)
{
    cArchiveIn in(bytes);
    for (int i = 0; i < 64 && !in.Failed() && in.Remaining() > 0; ++i) {
        const std::size_t before = in.Remaining();
        const std::string text = in.Text();
        if (in.Failed()) {
            Check(text.empty() && in.Remaining() == 0);
            break;
        }
        Check(in.Remaining() < before);
        Check(Normalised(text) == text);
        CheckArchiveRoundTrip(text);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CheckUtf8(bytes);
    CheckCp1252(bytes);
    CheckUtf16(bytes);
    CheckArchiveRoundTrip(bytes);
    CheckArchiveTexts(bytes);
    return 0;
}
