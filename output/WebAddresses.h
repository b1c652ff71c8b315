#pragma once

// The file names of a published website. They come from the items' short
// names so that people can read and type them, and they must stay the same
// each time the season is published again: a phone's calendar subscription
// and a bookmark point at them.
//
// A name is made of lowercase ASCII letters, digits and single hyphens:
// Latin letters with accents lose them ("Ærø Ålborg" gives "aero-alborg"),
// anything else separates words and is dropped. A text that leaves nothing
// gives the kind and the index number ("team-7").
//
// Two items of one kind (teams: of one league) may end up with the same
// name. The one with the lowest index number keeps it and every other one
// gets "--" and its own index number ("lions--12"). A made name never holds
// "--", so the suffixed names cannot meet a made one; and since index numbers
// are unique, neither can two suffixed ones. Adding, renaming or removing an
// item therefore changes no other item's name unless it shares that item's
// name, and the same season published twice gives the same names.

#include <map>
#include <string>
#include <string_view>
#include <vector>

// Names are cut to this many characters (at a hyphen where one is near).
inline constexpr std::size_t kWebNameLimit = 40;

// `text` as a file name part: lowercase ASCII letters, digits and single
// hyphens, neither first nor last; empty when nothing of `text` is kept.
std::string WebName(std::string_view text);

// One item to be named: its index number and the text its name comes from.
struct cWebNameSource
{
    int index = 0;
    std::string text;
};

// The unique names of the items of one kind, by index number; `kind` names
// items whose text gives nothing ("team" gives "team-7").
std::map<int, std::string> UniqueWebNames(const std::vector<cWebNameSource>& items, std::string_view kind);
