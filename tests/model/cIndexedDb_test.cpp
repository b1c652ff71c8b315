#include "model/cCourt.h"
#include "model/cDatabase.h"
#include "model/cIndexedDb.h"
#include "model/cLeague.h"

#include <gtest/gtest.h>

namespace {

cCourt& AddCourt(cIndexedDb& courts, const std::string& name, int index = -1)
{
    auto court = std::make_unique<cCourt>();
    court->m_strName = name;
    court->m_strShortName = name.substr(0, 2);
    return static_cast<cCourt&>(courts.AddIndexedItem(std::move(court), true, index));
}

std::vector<int> Indexes(const cIndexedDb& courts)
{
    std::vector<int> indexes;
    for (const cCourt& court : courts.Items<cCourt>()) {
        indexes.push_back(court.m_nIndex);
    }
    return indexes;
}

TEST(IndexedDb, NumbersFromZeroAndReusesFreedNumbers)
{
    cDatabase db;
    cIndexedDb& courts = db.Courts();
    EXPECT_EQ(AddCourt(courts, "A").m_nIndex, 0);
    cCourt& b = AddCourt(courts, "B");
    EXPECT_EQ(AddCourt(courts, "C").m_nIndex, 2);
    EXPECT_EQ(b.m_nIndex, 1);

    EXPECT_TRUE(courts.RemoveItem(b) != nullptr);
    EXPECT_EQ(courts.GetItem(1), nullptr);
    EXPECT_EQ(AddCourt(courts, "D").m_nIndex, 1);
    EXPECT_EQ(AddCourt(courts, "E").m_nIndex, 3);
    EXPECT_EQ(courts.GetMaxIndex(), 3);
}

TEST(IndexedDb, RemovingTheOnlyItemZeroKeepsMaxIndex)
{
    cDatabase db;
    cIndexedDb& courts = db.Courts();
    cCourt& a = AddCourt(courts, "A");
    EXPECT_TRUE(courts.RemoveItem(a) != nullptr);
    EXPECT_EQ(courts.GetMaxIndex(), 0);
    EXPECT_EQ(AddCourt(courts, "B").m_nIndex, 0);
}

TEST(IndexedDb, RemovingTheHighestLowersMaxIndex)
{
    cDatabase db;
    cIndexedDb& courts = db.Courts();
    AddCourt(courts, "A");
    AddCourt(courts, "B");
    cCourt& c = AddCourt(courts, "C");
    EXPECT_TRUE(courts.DeleteItem(*courts.GetItem(1), db));
    EXPECT_TRUE(courts.RemoveItem(c) != nullptr);
    EXPECT_EQ(courts.GetMaxIndex(), 0);
    EXPECT_EQ(AddCourt(courts, "D").m_nIndex, 1);
}

TEST(IndexedDb, LookupOutsideTheTableIsNone)
{
    cDatabase db;
    cIndexedDb& courts = db.Courts();
    AddCourt(courts, "A");
    AddCourt(courts, "B");
    EXPECT_EQ(courts.GetItem(-1), nullptr);
    EXPECT_EQ(courts.GetItem(courts.GetMaxIndex() + 1), nullptr);
    EXPECT_EQ(courts.GetItem(1000000), nullptr);
}

TEST(IndexedDb, StoredIndexesAreKept)
{
    cDatabase db;
    cIndexedDb& courts = db.Courts();
    AddCourt(courts, "A", 7);
    AddCourt(courts, "B", 2);
    EXPECT_EQ(courts.GetMaxIndex(), 7);
    EXPECT_FALSE(courts.IsIndexFree(2));
    EXPECT_TRUE(courts.IsIndexFree(3));
    EXPECT_EQ(AddCourt(courts, "C").m_nIndex, 0);
    EXPECT_EQ(AddCourt(courts, "D").m_nIndex, 1);
    EXPECT_EQ(AddCourt(courts, "E").m_nIndex, 3);
}

TEST(IndexedDb, SortsByFoldedNameAndKeepsInsertionOrderOfEqualNames)
{
    cDatabase db;
    cIndexedDb& leagues = db.Leagues();
    for (const char* name : {"Øst", "alpha", "Åby", "Alpha", "zulu", "Æble"}) {
        auto league = std::make_unique<cLeague>();
        league->m_strName = name;
        leagues.AddIndexedItem(std::move(league), true, -1);
    }
    std::vector<std::string> names;
    for (const cLeague& league : leagues.Items<cLeague>()) {
        names.push_back(league.m_strName);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"alpha", "Alpha", "zulu", "Æble", "Øst", "Åby"}));
    EXPECT_TRUE(db.IsModified());
}

TEST(IndexedDb, HiddenItemsAreSkippedByTraversal)
{
    cDatabase db;
    cIndexedDb& courts = db.Courts();
    AddCourt(courts, "A");
    AddCourt(courts, "B").m_bHidden = 1;
    AddCourt(courts, "C");
    EXPECT_EQ(Indexes(courts), (std::vector<int>{0, 2}));
    EXPECT_EQ(courts.GetCount(), 3);
}

TEST(IndexedDb, FindTextMatchesNamesAndPrefixes)
{
    cDatabase db;
    cIndexedDb& courts = db.Courts();
    AddCourt(courts, "Arena");
    AddCourt(courts, "Beach");
    EXPECT_EQ(courts.FindText("be", nullptr, true, false, false, 1), courts.GetItem(1));
    EXPECT_EQ(courts.FindText("bea", nullptr, true, false, true, 1), nullptr);
    EXPECT_EQ(courts.FindText("be", nullptr, true, false, true, 1), courts.GetItem(1)); // short name "Be"
    EXPECT_EQ(courts.FindText("Ar", nullptr, true, false, true, 1), courts.GetItem(0)); // short name
    EXPECT_EQ(courts.FindText("Arena", courts.GetItem(0), true, false, true, 1), nullptr);
    EXPECT_EQ(courts.FindText("Arena", courts.GetItem(1), false, false, true, 1), courts.GetItem(0));
}

} // namespace
