#pragma once

// Whether a golden test writes its expected files afresh instead of comparing
// with them: only when TOURNEL_UPDATE_GOLDEN (or UPDATE_GOLDEN) is exactly "1",
// so that "0", an empty value or a typo never overwrites what is pinned.

#include <cstdlib>
#include <string_view>

inline bool UpdateGolden()
{
    for (const char* name : {"TOURNEL_UPDATE_GOLDEN", "UPDATE_GOLDEN"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && std::string_view(value) == "1") {
            return true;
        }
    }
    return false;
}
