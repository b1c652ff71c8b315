// Only an explicit "1" lets a golden test overwrite what it pins: a value
// meant to switch the rewriting off must leave the files alone.

#include "support/UpdateGolden.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace {

// Sets a variable for the scope and puts back what it was.
class cScopedEnv
{
public:
    cScopedEnv(const char* name, const char* value)
        : m_name(name)
    {
        if (const char* old = std::getenv(name)) {
            m_old = old;
        }
        if (value != nullptr) {
            setenv(name, value, 1);
        } else {
            unsetenv(name);
        }
    }
    ~cScopedEnv()
    {
        if (m_old) {
            setenv(m_name, m_old->c_str(), 1);
        } else {
            unsetenv(m_name);
        }
    }
    cScopedEnv(const cScopedEnv&) = delete;
    cScopedEnv& operator=(const cScopedEnv&) = delete;

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

TEST(UpdateGolden, OnlyOneRewrites)
{
    struct cCase
    {
        const char* value; // null: not set
        bool update;
    };
    const cCase cases[] = {{nullptr, false}, {"", false},   {"0", false}, {"false", false},
                           {"yes", false},   {"10", false}, {"1", true}};
    for (const char* name : {"TOURNEL_UPDATE_GOLDEN", "UPDATE_GOLDEN"}) {
        const char* other =
            std::string_view(name) == "UPDATE_GOLDEN" ? "TOURNEL_UPDATE_GOLDEN" : "UPDATE_GOLDEN";
        const cScopedEnv unsetOther(other, nullptr);
        for (const cCase& c : cases) {
            SCOPED_TRACE(std::string(name) + "=" + (c.value != nullptr ? c.value : "(unset)"));
            const cScopedEnv set(name, c.value);
            EXPECT_EQ(UpdateGolden(), c.update);
        }
    }
}

} // namespace
