#include "output/WebAddresses.h"

#include <algorithm>
#include <cstdint>

namespace {

// Latin letters with marks (Latin-1 and Latin Extended-A) as plain letters;
// code points not listed separate words.
struct cLetters
{
    char32_t from;
    char32_t to;
    std::string_view plain;
};

constexpr cLetters kLetters[] = {
    {0xC0, 0xC5, "a"},   {0xC6, 0xC6, "ae"},  {0xC7, 0xC7, "c"},   {0xC8, 0xCB, "e"},    {0xCC, 0xCF, "i"},
    {0xD0, 0xD0, "d"},   {0xD1, 0xD1, "n"},   {0xD2, 0xD6, "o"},   {0xD8, 0xD8, "o"},    {0xD9, 0xDC, "u"},
    {0xDD, 0xDD, "y"},   {0xDE, 0xDE, "th"},  {0xDF, 0xDF, "ss"},  {0xE0, 0xE5, "a"},    {0xE6, 0xE6, "ae"},
    {0xE7, 0xE7, "c"},   {0xE8, 0xEB, "e"},   {0xEC, 0xEF, "i"},   {0xF0, 0xF0, "d"},    {0xF1, 0xF1, "n"},
    {0xF2, 0xF6, "o"},   {0xF8, 0xF8, "o"},   {0xF9, 0xFC, "u"},   {0xFD, 0xFD, "y"},    {0xFE, 0xFE, "th"},
    {0xFF, 0xFF, "y"},   {0x100, 0x105, "a"}, {0x106, 0x10D, "c"}, {0x10E, 0x111, "d"},  {0x112, 0x11B, "e"},
    {0x11C, 0x123, "g"}, {0x124, 0x127, "h"}, {0x128, 0x131, "i"}, {0x132, 0x133, "ij"}, {0x134, 0x135, "j"},
    {0x136, 0x138, "k"}, {0x139, 0x142, "l"}, {0x143, 0x14B, "n"}, {0x14C, 0x151, "o"},  {0x152, 0x153, "oe"},
    {0x154, 0x159, "r"}, {0x15A, 0x161, "s"}, {0x162, 0x167, "t"}, {0x168, 0x173, "u"},  {0x174, 0x175, "w"},
    {0x176, 0x178, "y"}, {0x179, 0x17E, "z"}, {0x17F, 0x17F, "s"},
};

// The next code point of UTF-8 `text` from `at`, moving `at` past it; a
// byte that starts no valid sequence gives U+FFFD and moves one byte.
char32_t NextCodePoint(std::string_view text, std::size_t& at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t length = lead < 0x80           ? 1
                         : (lead >> 5) == 0x6  ? 2
                         : (lead >> 4) == 0xE  ? 3
                         : (lead >> 3) == 0x1E ? 4
                                               : 0;
    if (length == 0 || at + length > text.size()) {
        ++at;
        return 0xFFFD;
    }
    char32_t code = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[at + k]);
        if ((next & 0xC0) != 0x80) {
            ++at;
            return 0xFFFD;
        }
        code = (code << 6) | (next & 0x3F);
    }
    at += length;
    return code;
}

std::string_view PlainLetters(char32_t code)
{
    if ((code >= 'a' && code <= 'z') || (code >= '0' && code <= '9')) {
        static constexpr std::string_view kAscii = "0123456789abcdefghijklmnopqrstuvwxyz";
        return kAscii.substr(kAscii.find(static_cast<char>(code)), 1);
    }
    if (code >= 'A' && code <= 'Z') {
        return PlainLetters(code - 'A' + 'a');
    }
    for (const cLetters& letters : kLetters) {
        if (code >= letters.from && code <= letters.to) {
            return letters.plain;
        }
    }
    return {};
}

} // namespace

std::string WebName(std::string_view text)
{
    std::string name;
    bool pendingHyphen = false;
    for (std::size_t at = 0; at < text.size();) {
        const std::string_view plain = PlainLetters(NextCodePoint(text, at));
        if (plain.empty()) {
            pendingHyphen = !name.empty();
            continue;
        }
        if (pendingHyphen) {
            name += '-';
            pendingHyphen = false;
        }
        name += plain;
    }
    if (name.size() > kWebNameLimit) {
        // Cut at the last hyphen in the last quarter, else within the word.
        const std::size_t hyphen = name.rfind('-', kWebNameLimit);
        name.resize(hyphen != std::string::npos && hyphen >= kWebNameLimit * 3 / 4 ? hyphen : kWebNameLimit);
        while (!name.empty() && name.back() == '-') {
            name.pop_back();
        }
    }
    return name;
}

std::map<int, std::string> UniqueWebNames(const std::vector<cWebNameSource>& items, std::string_view kind)
{
    std::map<int, std::string> names;
    std::map<std::string, int> lowestIndex; // of each name made
    for (const cWebNameSource& item : items) {
        std::string name = WebName(item.text);
        if (name.empty()) {
            name = WebName(kind) + "-" + std::to_string(item.index);
        }
        const auto [at, added] = lowestIndex.emplace(name, item.index);
        if (!added) {
            at->second = std::min(at->second, item.index);
        }
        names[item.index] = std::move(name);
    }
    for (auto& [index, name] : names) {
        if (lowestIndex[name] != index) {
            name += "--" + std::to_string(index);
        }
    }
    return names;
}
