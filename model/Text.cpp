#include "model/Text.h"

#include "model/TextCodec.h"

namespace {

// The sort key of one character: its code page 1252 byte, folded, as a signed
// 8-bit value. Characters the code page cannot hold sort before every byte and
// stay distinct from one another.
int FoldedKey(char32_t c)
{
    const int byte = UnicodeToCp1252(c);
    if (byte < 0) {
        return -0x200000 + static_cast<int>(c);
    }
    int folded = byte;
    switch (byte) {
    case 0xC6: // Æ
    case 0xE6: // æ
        folded = '{';
        break;
    case 0xD8: // Ø
    case 0xF8: // ø
        folded = '|';
        break;
    case 0xC5: // Å
    case 0xE5: // å
        folded = '}';
        break;
    default:
        if (byte >= 'A' && byte <= 'Z') {
            folded = byte - 'A' + 'a';
        }
        break;
    }
    return static_cast<int>(static_cast<signed char>(static_cast<unsigned char>(folded)));
}

} // namespace

bool IsBlank(std::string_view text)
{
    return text.find_first_not_of(' ') == std::string_view::npos;
}

std::string Trim(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

int CompareText(std::string_view a, std::string_view b, bool exact)
{
    cUtf8Reader ra(a);
    cUtf8Reader rb(b);
    while (true) {
        const bool endA = ra.AtEnd();
        const bool endB = rb.AtEnd();
        if (endA || endB) {
            if (endA && endB) {
                return 0;
            }
            if (endB) {
                return 1; // a is longer
            }
            // a is shorter (or empty)
            if (a.empty()) {
                return -1;
            }
            return exact ? -1 : 0;
        }
        const int ka = FoldedKey(ra.Next());
        const int kb = FoldedKey(rb.Next());
        if (ka != kb) {
            return ka < kb ? -1 : 1;
        }
    }
}

std::size_t TextLength(std::string_view text)
{
    std::size_t n = 0;
    cUtf8Reader reader(text);
    while (!reader.AtEnd()) {
        reader.Next();
        ++n;
    }
    return n;
}
