#include "DialogCase.h"
#include "ModelFixture.h"
#include "model/cCourtValues.h"

#include <gtest/gtest.h>

namespace {

using V = cCourtValues;

TEST(CourtValues, ChecksInFieldOrderThenUniqueNames)
{
    cModelFixture f;
    f.Court("Arena", "A");
    const V valid{"B", "Hall", false, 1};
    const std::string long50(50, 'x');
    const std::vector<cDialogCase<V>> cases = {
        {"valid", [](V&) {}, 0},
        {"50 characters", [&](V& v) { v.fullName = long50; }, 0},
        {"short name too long", [&](V& v) { v.shortName = long50 + "y"; }, IDS_TEXT_TOO_LONG, V::kShortName,
         "Please enter no more than 50 characters."},
        {"short name blank", [](V& v) { v.shortName = "   "; }, IDS_COURT_NEEDS_FULL_NAME, V::kShortName,
         "A court must have a full name"},
        {"short name before full name", [](V& v) { v.shortName = "", v.fullName = ""; },
         IDS_COURT_NEEDS_FULL_NAME, V::kShortName},
        {"full name empty", [](V& v) { v.fullName = ""; }, IDS_COURT_NEEDS_LONG_NAME, V::kFullName,
         "A court must have a long name!"},
        {"full name too long", [&](V& v) { v.fullName = long50 + "y"; }, IDS_TEXT_TOO_LONG, V::kFullName},
        {"rating 0", [](V& v) { v.rating = 0; }, IDS_ENTER_INTEGER_BETWEEN, V::kRating,
         "Please enter an integer between 1 and 9."},
        {"rating 10", [](V& v) { v.rating = 10; }, IDS_ENTER_INTEGER_BETWEEN, V::kRating},
        {"names before rating", [](V& v) { v.fullName = "", v.rating = 10; }, IDS_COURT_NEEDS_LONG_NAME,
         V::kFullName},
        {"short name is another's short name", [](V& v) { v.shortName = "a"; }, IDS_SHORT_NAME_UNIQUE,
         V::kShortName, "The short name must be unique!"},
        {"short name is another's name", [](V& v) { v.shortName = "Arena"; }, IDS_SHORT_NAME_UNIQUE,
         V::kShortName},
        {"name is another's short name", [](V& v) { v.fullName = "A"; }, IDS_NAME_UNIQUE, V::kFullName,
         "The name must be unique!"},
        {"short name checked first", [](V& v) { v.shortName = "A", v.fullName = "Arena"; },
         IDS_SHORT_NAME_UNIQUE, V::kShortName},
        {"prefix is no clash", [](V& v) { v.fullName = "Aren"; }, 0},
        {"range before uniqueness", [](V& v) { v.shortName = "A", v.rating = 0; }, IDS_ENTER_INTEGER_BETWEEN,
         V::kRating},
    };
    RunDialogCases(valid, cases, [&](const V& v) { return Validate(v, f.m_db, nullptr); });
}

TEST(CourtValues, LengthLimitCountsCharacters)
{
    cModelFixture f;
    V values{"Å", "", false, 1};
    for (int i = 0; i < 50; ++i) {
        values.fullName += "Ø"; // two bytes each in UTF-8
    }
    EXPECT_FALSE(Validate(values, f.m_db, nullptr));
    values.fullName += "Ø";
    ASSERT_TRUE(Validate(values, f.m_db, nullptr));
    EXPECT_EQ(Validate(values, f.m_db, nullptr)->messageId, IDS_TEXT_TOO_LONG);
}

TEST(CourtValues, InsertGivesANewIndexAndEditKeepsIt)
{
    cModelFixture f;
    const V defaults;
    EXPECT_EQ(defaults.rating, 1);
    EXPECT_FALSE(defaults.reservedHomeGround);

    cCourt& b = InsertCourt(f.m_db, V{"B", "Beta", true, 4});
    cCourt& a = InsertCourt(f.m_db, V{"A", "Alpha", false, 2});
    EXPECT_EQ(b.m_nIndex, 0);
    EXPECT_EQ(a.m_nIndex, 1);
    EXPECT_EQ(f.m_db.Courts().GetFirst(), &a);
    EXPECT_EQ(b.m_bReservedHomeGround, 1);
    EXPECT_EQ(b.m_nRating, 4);

    // Editing may keep its own names; renaming moves the court to its sorted place.
    EXPECT_FALSE(Validate(V::FromItem(a), f.m_db, &a));
    f.m_db.SetModifiedFlag(false);
    V changed = V::FromItem(a);
    changed.fullName = "Zeta";
    changed.rating = 9;
    ApplyCourt(f.m_db, a, changed);
    EXPECT_EQ(a.m_nIndex, 1);
    EXPECT_EQ(f.m_db.GetCourt(1), &a);
    EXPECT_EQ(f.m_db.Courts().GetFirst(), &b);
    EXPECT_EQ(a.m_nRating, 9);
    EXPECT_TRUE(f.m_db.IsModified());
}

} // namespace
