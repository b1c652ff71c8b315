#include "DialogCase.h"
#include "ModelFixture.h"
#include "model/cOfficialValues.h"

#include <gtest/gtest.h>

namespace {

using V = cOfficialValues;

TEST(OfficialValues, ChecksInOrder)
{
    cModelFixture f;
    f.Official("Olsen");
    const V valid{"Berg", "Lions", -1, -1, 1, 20, 3};
    const std::vector<cDialogCase<V>> cases = {
        {"valid", [](V&) {}, 0},
        {"both days off none", [](V& v) { v.firstDayOff = v.secondDayOff = -1; }, 0},
        {"two different days off", [](V& v) { v.firstDayOff = 0, v.secondDayOff = 6; }, 0},
        {"empty club", [](V& v) { v.club = ""; }, 0},
        {"name blank", [](V& v) { v.name = ""; }, IDS_OFFICIAL_NEEDS_NAME, V::kName,
         "The official must have a name!"},
        {"club too long", [](V& v) { v.club = std::string(51, 'c'); }, IDS_TEXT_TOO_LONG, V::kClub},
        {"rating 10", [](V& v) { v.rating = 10; }, IDS_ENTER_INTEGER_BETWEEN, V::kRating},
        {"max games 100", [](V& v) { v.maxGames = 100; }, IDS_ENTER_INTEGER_BETWEEN, V::kMaxGames,
         "Please enter an integer between 1 and 99."},
        {"max subsequent 0", [](V& v) { v.maxSubsequent = 0; }, IDS_ENTER_INTEGER_BETWEEN, V::kMaxSubsequent},
        {"rating before max games", [](V& v) { v.rating = 0, v.maxGames = 0; }, IDS_ENTER_INTEGER_BETWEEN,
         V::kRating},
        {"name taken", [](V& v) { v.name = " OLSEN"; }, IDS_NAME_UNIQUE, V::kName},
        {"both Sunday", [](V& v) { v.firstDayOff = v.secondDayOff = 0; }, IDS_SAME_WEEKDAY_TWICE,
         V::kSecondDayOff, "There is no reason to enter the same weekday twice!"},
        {"name before weekdays", [](V& v) { v.name = "Olsen", v.firstDayOff = v.secondDayOff = 0; },
         IDS_NAME_UNIQUE, V::kName},
    };
    RunDialogCases(valid, cases, [&](const V& v) { return Validate(v, f.m_db, nullptr); });
}

TEST(OfficialValues, NewAndEditedOfficials)
{
    cModelFixture f;
    const V defaults;
    EXPECT_EQ(defaults.maxGames, 20);
    EXPECT_EQ(defaults.maxSubsequent, 3);
    EXPECT_EQ(defaults.rating, 1);

    cReferee& berg = InsertOfficial(f.m_db, V{" Berg ", " Lions ", 1, 2, 4, 12, 2});
    EXPECT_EQ(berg.m_strName, "Berg");
    EXPECT_EQ(berg.m_strClubOfficial, "Lions");
    EXPECT_EQ(berg.m_nIndex, 0);
    EXPECT_EQ(berg.m_nGames, 0);
    EXPECT_EQ(berg.m_nDayOff2, 2);

    berg.AddGames(3);
    V values = V::FromItem(berg);
    EXPECT_FALSE(Validate(values, f.m_db, &berg));
    values.rating = 7;
    ApplyOfficial(f.m_db, berg, values);
    EXPECT_EQ(berg.m_nGames, 3);
    EXPECT_EQ(berg.m_nRating, 7);
    EXPECT_EQ(f.m_db.GetOfficial(0), &berg);
}

} // namespace
