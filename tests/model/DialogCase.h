#pragma once

// Table-driven dialog checks: each case changes a valid value set and names
// the message and field of the first failing check (0: accepted).

#include "model/Strings.h"
#include "model/cValidation.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

template <class V> struct cDialogCase
{
    const char* name;
    std::function<void(V&)> change;
    int messageId; // 0: accepted
    int field = -1;
    std::string text = {}; // checked when not empty
};

template <class V, class F>
void RunDialogCases(const V& valid, const std::vector<cDialogCase<V>>& cases, F validate)
{
    for (const cDialogCase<V>& c : cases) {
        SCOPED_TRACE(c.name);
        V values = valid;
        c.change(values);
        const cValidation error = validate(values);
        if (c.messageId == 0) {
            EXPECT_FALSE(error) << (error ? error->text : std::string());
            continue;
        }
        ASSERT_TRUE(error);
        EXPECT_EQ(error->messageId, c.messageId) << error->text;
        EXPECT_EQ(error->field, c.field);
        if (!c.text.empty()) {
            EXPECT_EQ(error->text, c.text);
        } else if (c.messageId != IDS_ENTER_INTEGER_BETWEEN && c.messageId != IDS_TEXT_TOO_LONG) {
            EXPECT_EQ(error->text, GetString(c.messageId));
        }
    }
}
