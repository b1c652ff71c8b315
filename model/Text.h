#pragma once

// Texts as the dialogs and lists treat them: blanks, the program's name order
// and lengths in characters. Texts are UTF-8.

#include <cstddef>
#include <string>
#include <string_view>

bool IsBlank(std::string_view text);
std::string Trim(std::string_view text);

// Name comparison: -1, 0 or 1. Letters are compared as the code page 1252 bytes
// they stand for, with Æ/æ, Ø/ø, Å/å folded after 'z' and A-Z folded to lower
// case; other bytes of 128 or more sort before ASCII. Without `exact`, `a`
// matches every name that begins with it.
int CompareText(std::string_view a, std::string_view b, bool exact);

// Number of characters (code points) of a UTF-8 text: the unit of the
// dialogs' length limits.
std::size_t TextLength(std::string_view text);
