#include "model/Strings.h"

#include <gtest/gtest.h>
#include <string_view>

namespace {

// The program runs where the user is, so no text it shows sends the user to
// another operating system's settings.
TEST(Strings, NoTextNamesAnotherOperatingSystem)
{
    for (int id = 0; id < 10'000; ++id) {
        const std::string_view text = GetString(id);
        SCOPED_TRACE(id);
        EXPECT_EQ(text.find("Windows"), std::string_view::npos) << text;
    }
    EXPECT_TRUE(
        std::string_view(GetString(IDS_OUT_OF_MEMORY)).starts_with("Unable to allocate more memory!\n"));
}

} // namespace
