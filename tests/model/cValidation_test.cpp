#include "DialogCase.h"

#include <gtest/gtest.h>

namespace {

TEST(DialogFields, IntegersThatCannotBeRead)
{
    struct cCase
    {
        const char* text;
        bool ok;
        int value;
    };
    const cCase cases[] = {{"12", true, 12}, {" -7 ", true, -7}, {"+3", true, 3},          {"", false, 0},
                           {"1a", false, 0}, {"x", false, 0},    {"99999999999", false, 0}};
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.text);
        int value = 0;
        const cValidation error = ReadInteger(c.text, 4, value);
        EXPECT_EQ(!error, c.ok);
        if (c.ok) {
            EXPECT_EQ(value, c.value);
        } else {
            EXPECT_EQ(error->text, "Please enter an integer.");
            EXPECT_EQ(error->field, 4);
        }
    }
}

} // namespace
