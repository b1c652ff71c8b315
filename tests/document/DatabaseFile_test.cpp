#include "DocTestSupport.h"
#include "document/CTournelDoc.h"
#include "document/DatabaseFile.h"
#include "model/StoredClasses.h"
#include "model/cCourt.h"
#include "model/cHomeGround.h"
#include "model/cIllDate.h"
#include "model/cIllTeam.h"
#include "model/cLeague.h"
#include "model/cMatch.h"
#include "model/cPlayoffMatch.h"
#include "model/cReferee.h"
#include "model/cResult.h"
#include "model/cTeam.h"
#include "model/cUnusedTime.h"
#include "support/TestBuilders.h"
#include "support/cScriptedPrompt.h"

#include <algorithm>
#include <array>
#include <functional>
#include <memory>
#include <set>
#include <utility>

namespace {

// Opens documents with a clock the test sets.
struct cDocFixture : ::testing::Test
{
    cDocFixture()
    {
        doc.m_fnClock = [this] { return now; };
        doc.SetPrompt(&prompt);
        doc.SetFixedSeed(7);
        doc.OnNewDocument();
    }

    TimePoint now = kT0;
    cScriptedPrompt prompt;
    CTournelDoc doc;
    cTempFolder folder;
};

using DatabaseFile = cDocFixture;

// The bytes of the document with the modification time the golden file holds.
std::string SaveBytes(CTournelDoc& doc, TimePoint& now, TimePoint modified, const std::string& path)
{
    now = modified;
    EXPECT_TRUE(doc.OnSaveDocument(path));
    return ReadBytes(path);
}

TEST_F(DatabaseFile, GoldenFilesReadAndWriteBackByteForByte)
{
    for (const char* name : {"empty", "full"}) {
        SCOPED_TRACE(name);
        const std::string golden = ReadBytes(GoldenPath(name));
        ASSERT_FALSE(golden.empty());
        ASSERT_TRUE(doc.OnOpenDocument(GoldenPath(name)));
        EXPECT_TRUE(prompt.m_shown.empty());
        EXPECT_EQ(SaveBytes(doc, now, doc.m_tModified, folder / "out.tnd"), golden);
    }
}

TEST_F(DatabaseFile, WriteReadWriteGivesTheSameBytes)
{
    auto court = std::make_unique<cCourt>();
    court->m_strName = "Hall";
    doc.Courts().AddIndexedItem(std::move(court), true, -1);
    doc.m_strAuthor = "Åsa";
    const std::string first = SaveBytes(doc, now, kT0, folder / "a.tnd");
    ASSERT_TRUE(doc.OnOpenDocument(folder / "a.tnd"));
    const std::string second = SaveBytes(doc, now, kT0, folder / "b.tnd");
    ASSERT_TRUE(doc.OnOpenDocument(folder / "b.tnd"));
    const std::string third = SaveBytes(doc, now, kT0 + 60, folder / "c.tnd");
    // Only the up-to-date flags of the rebuilt lists differ after the first read ...
    EXPECT_EQ(first.size(), second.size());
    // ... and from then on only the modification time.
    ASSERT_EQ(second.size(), third.size());
    std::size_t differing = 0;
    for (std::size_t i = 0; i < second.size(); ++i) {
        differing += second[i] != third[i] ? 1 : 0;
    }
    EXPECT_EQ(differing, 1u);
}

TEST_F(DatabaseFile, EveryItemClassIsRead)
{
    ASSERT_TRUE(doc.OnOpenDocument(GoldenPath("full")));
    EXPECT_EQ(doc.Courts().GetCount(), 2);
    EXPECT_NE(doc.GetCourt(2), nullptr);
    EXPECT_EQ(doc.GetCourt(1), nullptr);
    const cLeague* league = doc.GetLeague(0);
    ASSERT_NE(league, nullptr);
    EXPECT_EQ(league->m_strName, "Herrar División 1");
    EXPECT_EQ(league->m_tsRestSameTeam, 3 * 86400);
    EXPECT_EQ(league->Teams().GetCount(), 3);
    ASSERT_NE(doc.GetTeam(0, 1), nullptr);
    EXPECT_EQ(doc.GetTeam(0, 1)->m_strName.size(), std::string("Örnar Ål").size() + 250);
    EXPECT_EQ(doc.GetTeam(0, 0)->HomeGrounds().GetCount(), 1);
    EXPECT_EQ(league->Table().GetCount(), 1);
    EXPECT_EQ(league->Table().m_bUpToDate, 0);
    EXPECT_EQ(league->UnscheduledList().GetCount(), 1);
    const cReferee* official = doc.GetOfficial(0);
    ASSERT_NE(official, nullptr);
    EXPECT_EQ(official->m_strName, "Zoë Ψ Pálsdóttir 🏐");
    EXPECT_EQ(doc.GetOfficial(1)->m_bHidden, 1);
    EXPECT_EQ(doc.m_strAuthor, "Åsa Öberg");
    EXPECT_EQ(doc.m_tableSettings.m_nCriteriaCount, 3);
    EXPECT_EQ(doc.m_tableSettings.m_nCriterionByPriority[2], 0);
    EXPECT_EQ(doc.m_lfPrintFont.lfFaceName, "Times New Roman");
    // The lists rebuilt on display are out of date after reading.
    EXPECT_EQ(doc.CourtTime().m_bUpToDate, 0);
    EXPECT_EQ(doc.Scheduled().m_bUpToDate, 0);
    EXPECT_EQ(doc.Results().m_bUpToDate, 0);
}

TEST_F(DatabaseFile, EveryResultIsLinkedToItsOwnMatch)
{
    ASSERT_TRUE(doc.OnOpenDocument(GoldenPath("full")));
    ASSERT_EQ(doc.Results().GetCount(), 5);
    std::vector<const cMatch*> linked;
    for (const cResult& result : doc.Results().AllItems<cResult>()) {
        const cMatch* match = result.GetMatch();
        ASSERT_NE(match, nullptr);
        EXPECT_EQ(match->GetResult(), &result);
        EXPECT_EQ(match->m_nLeague, result.m_nLeague);
        EXPECT_EQ(match->m_nHomeTeam, result.m_nHomeTeam);
        EXPECT_EQ(match->m_nRound, result.m_nRound);
        linked.push_back(match);
    }
    // The two playoff results share a pairing but not a match.
    EXPECT_EQ(static_cast<const cPlayoffMatch*>(linked[2])->m_strNumber, "F1");
    EXPECT_EQ(static_cast<const cPlayoffMatch*>(linked[3])->m_strNumber, "F2");
}

TEST_F(DatabaseFile, AResultOfNoMatchIsDropped)
{
    auto result = std::make_unique<cResult>();
    result->m_nLeague = 4;
    doc.Results().AddItem(std::move(result), false);
    SaveBytes(doc, now, kT0, folder / "orphan.tnd");
    ASSERT_TRUE(doc.OnOpenDocument(folder / "orphan.tnd"));
    EXPECT_EQ(doc.Results().GetCount(), 0);
}

TEST_F(DatabaseFile, ItemsNamingMissingCourtsLeaguesTeamsAndOfficialsAreKept)
{
    auto match = std::make_unique<cMatch>();
    match->m_nLeague = 42;
    match->m_nHomeTeam = 3;
    match->m_nGuestTeam = -7;
    match->m_nCourt = 99;
    match->m_nOfficial = {5, -1, 1000, -1, -1};
    match->m_tStart = kT0;
    match->m_tEnd = kT0 + 3600;
    doc.Scheduled().AddItem(std::move(match), false);
    doc.CourtTime().AddItem(std::make_unique<cUnusedTime>(77, kT0, kT0 + 3600), false);
    SaveBytes(doc, now, kT0, folder / "dangling.tnd");
    ASSERT_TRUE(doc.OnOpenDocument(folder / "dangling.tnd"));
    ASSERT_EQ(doc.Scheduled().GetCount(), 1);
    // Free time of a missing court is dropped on reading (RepairCourtTime_test);
    // one put in afterwards must still list.
    EXPECT_EQ(doc.CourtTime().GetCount(), 0);
    doc.CourtTime().AddItem(std::make_unique<cUnusedTime>(77, kT0, kT0 + 3600), false);
    doc.Scheduled().Refresh();
    doc.CourtTime().Refresh();
    for (const cDbItem& item : doc.Scheduled().AllItems<cDbItem>()) {
        for (int column = 0; column < 12; ++column) {
            (void)item.GetColumnText(column);
        }
    }
    for (const cDbItem& item : doc.CourtTime().AllItems<cDbItem>()) {
        for (int column = 0; column < 6; ++column) {
            (void)item.GetColumnText(column);
        }
    }
}

TEST_F(DatabaseFile, OlderVersionsConvertWithTheirDefaults)
{
    struct cCase
    {
        const char* name;
        int hidden; // m_bHidden of the second official
        int byHand; // m_bByHand of the first match
        int reduction;
        int holidays; // league holidays
        int numberAfterTime;
        int leagueFilter;
        int autoBackup;
    };
    const cCase cases[] = {
        {"v2.5", 1, 0, 2, 1, 0, 0, 0}, {"v2.4", 1, 0, 0, 1, 0, 0, 0}, {"v2.3", 1, 0, 0, 1, 0, 0, 0},
        {"v2.2", 1, 0, 0, 1, 0, 0, 0}, {"v2.1", 1, 0, 0, 1, 0, 0, 0}, {"v2.0", 1, 0, 0, 1, 0, 0, 0},
        {"v1.7", 1, 0, 0, 1, 0, 0, 0}, {"v1.6", 1, 0, 0, 0, 0, 0, 0}, {"v1.5", 1, 0, 0, 0, 0, 0, 1},
        {"v1.4", 0, 0, 0, 0, 0, 0, 1}, {"v1.3", 0, 1, 0, 0, 0, 0, 1}, {"v1.1", 0, 1, 0, 0, 0, -1, 1},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        prompt.Answer(true);
        ASSERT_TRUE(doc.OnOpenDocument(GoldenPath(c.name)));
        EXPECT_EQ(prompt.Ids().back(), IDS_CONVERT_OLD_VERSION);
        const cLeague* second = doc.GetLeague(3);
        ASSERT_NE(second, nullptr);
        EXPECT_EQ(second->m_nMatchesPerDay, 1);
        EXPECT_EQ(second->m_nMatchReduction, c.reduction);
        // Rest spans: 7 and 30 days, in days before 2.4.
        EXPECT_EQ(second->m_tsRestSameTeam, 604800);
        EXPECT_EQ(second->m_tsRestSamePair, 30 * 86400);
        EXPECT_EQ(doc.GetLeague(0)->Holidays().GetCount(), c.holidays);
        EXPECT_EQ(doc.GetOfficial(1)->m_bHidden, c.hidden);
        EXPECT_EQ(static_cast<const cMatch*>(doc.Scheduled().GetHead())->m_bByHand, c.byHand);
        EXPECT_EQ(doc.m_bNumberAfterTime, c.numberAfterTime);
        EXPECT_EQ(doc.m_nLeagueFilter, c.leagueFilter);
        EXPECT_EQ(doc.m_bAutoBackup, c.autoBackup);
        EXPECT_EQ(doc.Results().GetCount(), 5);
        // Saved as the current version.
        ASSERT_TRUE(doc.OnSaveDocument(folder / "converted.tnd"));
        EXPECT_DOUBLE_EQ(ReadVersion(ReadBytes(folder / "converted.tnd")), 2.6);
    }
    EXPECT_TRUE(prompt.AllAnswered());
}

TEST_F(DatabaseFile, EveryRefusedFileLeavesTheOpenSeasonAsItWas)
{
    struct cCase
    {
        const char* name;
        std::string bytes; // written as the file; none for a missing file
        bool exists;
        bool answer; // to the conversion question, if one is asked
        int messageId;
        std::string text;
    };
    const std::string full = ReadBytes(GoldenPath("full"));
    const cCase cases[] = {
        {"newer", ReadBytes(GoldenPath("newer")), true, false, IDS_NEWER_VERSION,
         "Cannot read this document because it is created by a newer version of Tournel!\nYou need a new "
         "software release!"},
        {"v2.2", ReadBytes(GoldenPath("v2.2")), true, false, IDS_CONVERT_OLD_VERSION,
         "This document is created by an old version of Tournel!\nDo you want to read and convert it to the "
         "current version?"},
        {"damaged", full.substr(0, full.size() / 2), true, false, IDS_UNEXPECTED_FILE_FORMAT,
         "Unexpected file format."},
        {"empty", "", true, false, IDS_UNEXPECTED_FILE_FORMAT, "Unexpected file format."},
        {"missing", "", false, false, IDS_FILE_NOT_FOUND, ""},
    };
    for (const bool modified : {false, true}) {
        for (const cCase& c : cases) {
            SCOPED_TRACE(std::string(c.name) + (modified ? ", modified" : ", clean"));
            const std::string openPath = folder / "season.tnd";
            WriteBytes(openPath, full);
            ASSERT_TRUE(doc.OnOpenDocument(openPath));
            if (modified) {
                doc.m_strAuthor = "entered since";
                doc.Courts().AddIndexedItem(std::make_unique<cCourt>(), true, -1);
                doc.SetModifiedFlag();
            }
            const std::string before = doc.Snapshot();
            const int courts = doc.Courts().GetCount();
            prompt.m_shown.clear();
            if (c.messageId == IDS_CONVERT_OLD_VERSION) {
                prompt.Answer(c.answer);
            }
            const std::string refusedPath = folder / (std::string(c.name) + ".tnd");
            if (c.exists) {
                WriteBytes(refusedPath, c.bytes);
            }
            EXPECT_FALSE(doc.OnOpenDocument(refusedPath));
            ASSERT_EQ(prompt.Ids(), std::vector<int>{c.messageId});
            EXPECT_EQ(prompt.m_shown[0].text, c.exists ? c.text : "File not found: \"" + refusedPath + "\"");
            EXPECT_EQ(doc.Snapshot(), before);
            EXPECT_EQ(doc.Courts().GetCount(), courts);
            EXPECT_EQ(doc.GetPathName(), openPath);
            EXPECT_EQ(doc.IsModified(), modified);
            EXPECT_DOUBLE_EQ(doc.GetFileVersion(), 2.6);
            // The refused file is never touched, and the season saves to its own file.
            if (c.exists) {
                EXPECT_EQ(ReadBytes(refusedPath), c.bytes);
            }
            EXPECT_TRUE(doc.OnSaveDocument(doc.GetPathName()));
            EXPECT_EQ(ReadBytes(openPath), doc.Snapshot());
            EXPECT_EQ(doc.Courts().GetCount(), courts);
        }
    }
    EXPECT_TRUE(prompt.AllAnswered());
}

// Answers No and records, for files whose version may be anything.
class cLenientPrompt : public cSilentPrompt
{
public:
    using cUserPrompt::ShowMessage;
    void ShowMessage(int messageId, std::string_view) override { ids.push_back(messageId); }
    std::vector<int> ids;
};

TEST(DatabaseFileDamage, EveryCutOfAGoodFileIsRefusedCleanly)
{
    const std::string good = ReadBytes(GoldenPath("full"));
    ASSERT_GT(good.size(), 1000u);
    cTempFolder folder;
    cLenientPrompt prompt;
    CTournelDoc doc;
    doc.SetPrompt(&prompt);
    for (std::size_t length = 0; length < good.size(); ++length) {
        cDatabase loaded;
        ASSERT_NE(ReadDatabase(std::string_view(good).substr(0, length), loaded, prompt), eReadStatus::kOk)
            << length;
    }
    // Through the document: the message, and the season that was open stays.
    ASSERT_TRUE(doc.OnOpenDocument(GoldenPath("full")));
    const std::string before = doc.Snapshot();
    for (const std::size_t length : {std::size_t{0}, std::size_t{30}, good.size() / 2, good.size() - 1}) {
        WriteBytes(folder / "cut.tnd", good.substr(0, length));
        prompt.ids.clear();
        EXPECT_FALSE(doc.OnOpenDocument(folder / "cut.tnd"));
        EXPECT_EQ(prompt.ids, std::vector<int>{IDS_UNEXPECTED_FILE_FORMAT});
        EXPECT_EQ(doc.Snapshot(), before);
        EXPECT_EQ(doc.GetPathName(), GoldenPath("full"));
    }
}

TEST(DatabaseFileDamage, FlippedBitsNeverCrash)
{
    const std::string good = ReadBytes(GoldenPath("full"));
    cLenientPrompt prompt;
    int read = 0;
    for (std::size_t i = 0; i < good.size(); ++i) {
        for (const unsigned char mask : {0x01, 0x80, 0xFF}) {
            std::string bad = good;
            bad[i] = static_cast<char>(bad[i] ^ mask);
            cDatabase loaded;
            if (ReadDatabase(bad, loaded, prompt) == eReadStatus::kOk) {
                ++read;
                // Whatever was read can be written and read again.
                cDatabase again;
                EXPECT_EQ(ReadDatabase(WriteDatabase(loaded), again, prompt), eReadStatus::kOk);
            }
        }
    }
    EXPECT_GT(read, 0);
}

// The bytes of a database with two courts, and the offset of the second court's index.
std::string TwoCourts(std::size_t& secondIndex)
{
    cDatabase db;
    for (const char* name : {"A", "B"}) {
        auto court = std::make_unique<cCourt>();
        court->m_strName = name;
        db.Courts().AddIndexedItem(std::move(court), false, -1);
    }
    std::string bytes = WriteDatabase(db);
    secondIndex = bytes.find(std::string("\x01\x80", 2)) + 2 + 12;
    return bytes;
}

TEST(DatabaseFileDamage, NegativeOrRepeatedIndexNumbersAreDamage)
{
    std::size_t at = 0;
    const std::string good = TwoCourts(at);
    cLenientPrompt prompt;
    {
        cDatabase db;
        ASSERT_EQ(ReadDatabase(good, db, prompt), eReadStatus::kOk);
        ASSERT_NE(db.GetCourt(1), nullptr);
    }
    for (const std::string& index : {std::string("\0\0\0\0", 4), std::string("\xFF\xFF\xFF\xFF", 4),
                                     std::string("\x00\x00\x00\x40", 4)}) {
        std::string bad = good;
        bad.replace(at, 4, index);
        cDatabase db;
        EXPECT_EQ(ReadDatabase(bad, db, prompt), eReadStatus::kDamaged);
    }
}

TEST(DatabaseFileDamage, AContainerHoldsOnlyItsOwnClasses)
{
    std::size_t at = 0;
    std::string bad = TwoCourts(at);
    // Same length: a match where courts belong.
    bad.replace(bad.find("cCourt"), 6, "cMatch");
    cLenientPrompt prompt;
    cDatabase db;
    EXPECT_EQ(ReadDatabase(bad, db, prompt), eReadStatus::kDamaged);
}

// Writes a database as the file writer does and notes where each list
// container's item count stands: the place of every count of the file.
class cCountLocator
{
public:
    struct cCount
    {
        std::string list; // e.g. "leagues/teams/homeGrounds"
        std::size_t offset = 0;
        std::int32_t count = 0;
    };

    void Int(int field, const cField&) { m_ar.Int(field); }
    void Time(TimePoint field, const cField&) { m_ar.Int(static_cast<std::int32_t>(field)); }
    void Text(const std::string& field, const cField&) { m_ar.Text(field); }
    void Byte(std::uint8_t field, const cField&) { m_ar.Byte(field); }
    void Dword(std::uint32_t field, const cField&) { m_ar.Dword(field); }
    template <std::size_t N> void Ints(const std::array<int, N>& fields, const cField&)
    {
        for (const int field : fields) {
            m_ar.Int(field);
        }
    }
    template <std::size_t N>
    void IntPairs(const std::array<int, N>& first, const cField&, const std::array<int, N>& second,
                  const cField&)
    {
        for (std::size_t i = 0; i < N; ++i) {
            m_ar.Int(first[i]);
            m_ar.Int(second[i]);
        }
    }
    void Reserved(const cField&) { m_ar.Int(0); }
    void ReservedText(const cField&) { m_ar.Text(""); }
    template <class T> void Group(const T& part, const cField&)
    {
        if constexpr (requires(T copy) { copy.Normalise(); }) {
            T normalised = part;
            normalised.Normalise();
            T::Fields(std::as_const(normalised), *this);
        } else {
            T::Fields(part, *this);
        }
    }
    void Version() { m_ar.Double(cDatabase::kVersion); }
    void CheckVersion() {}
    void Items(const cIndexedDb& container, const cField& f, unsigned)
    {
        Note(container, f);
        WriteItems(container, f);
    }
    void Items(const cTournelDb& container, const cField& f, unsigned)
    {
        Note(container, f);
        m_ar.Int(container.m_bUpToDate);
        m_ar.Int(container.m_bRelistOnEdit);
        WriteItems(container, f);
    }

    std::vector<cCount> counts;
    const std::string& Bytes() const { return m_ar.Data(); }

private:
    void Note(const cTournelDb& container, const cField& f)
    {
        counts.push_back({m_path + std::string(f.name), m_ar.Data().size(), container.GetCount()});
        m_ar.Int(container.GetCount());
    }
    void WriteItems(const cTournelDb& container, const cField& f)
    {
        const std::string outer = m_path;
        m_path += std::string(f.name) + "/";
        for (const cDbItem& item : container.AllItems<cDbItem>()) {
            WithStoredClass(item, [&]<class T>(const T& stored, std::string_view name) {
                m_ar.WriteObjectHeader(name);
                T::Fields(stored, *this);
            });
        }
        m_path = outer;
    }

    cArchiveOut m_ar;
    std::string m_path;
};

// Every list container's count of the full golden file set to -1, past the
// end of the file and to one more than the records that follow: each file is
// refused as damaged, and the document that opens it is left with nothing of
// it, an empty database that cannot be saved.
TEST(DatabaseFileDamage, EveryDamagedListCountIsRefused)
{
    cLenientPrompt prompt;
    cDatabase full;
    ASSERT_EQ(ReadDatabase(ReadBytes(GoldenPath("full")), full, prompt), eReadStatus::kOk);
    cCountLocator locator;
    cDocumentSettings::Fields(full.Settings(), locator);
    cDatabase::ContainerFields(full, locator);
    const std::string good = WriteDatabase(full);
    ASSERT_EQ(locator.Bytes(), good) << "the locator writes what the writer writes";
    // Every kind of list, both empty and holding items.
    std::set<std::string> empty;
    std::set<std::string> holding;
    for (const cCountLocator::cCount& count : locator.counts) {
        (count.count == 0 ? empty : holding).insert(count.list);
    }
    for (const char* list : {"courts", "courtTime", "leagues", "officials", "unscheduled", "scheduled",
                             "results", "leagues/teams", "leagues/table", "leagues/preferredTimes",
                             "leagues/holidays", "leagues/teams/homeGrounds", "leagues/teams/holidays",
                             "leagues/teams/teamConflicts", "leagues/teams/preferredTimes",
                             "officials/holidays", "officials/teamConflicts", "officials/preferredTimes"}) {
        EXPECT_TRUE(holding.contains(list)) << list << " holds items nowhere in the file";
    }
    EXPECT_TRUE(empty.contains("leagues/unscheduledList"));

    cTempFolder folder;
    CTournelDoc doc;
    doc.SetPrompt(&prompt);
    const auto withCount = [&good](std::size_t offset, std::uint32_t count) {
        std::string bad = good;
        for (std::size_t i = 0; i < 4; ++i) {
            bad[offset + i] = static_cast<char>((count >> (8 * i)) & 0xFF);
        }
        return bad;
    };
    std::set<std::string> throughDocument;
    for (const cCountLocator::cCount& count : locator.counts) {
        const std::uint32_t pastTheEnd = static_cast<std::uint32_t>(good.size() - count.offset);
        for (const auto& [what, value] : {std::pair<const char*, std::uint32_t>{"-1", 0xFFFFFFFFu},
                                          {"past the end", pastTheEnd},
                                          {"one more", static_cast<std::uint32_t>(count.count) + 1}}) {
            SCOPED_TRACE(count.list + " at " + std::to_string(count.offset) + ", " +
                         std::to_string(count.count) + " items: " + what);
            const std::string bad = withCount(count.offset, value);
            cDatabase db;
            EXPECT_EQ(ReadDatabase(bad, db, prompt), eReadStatus::kDamaged);
            // Through the document, for the first list of each kind.
            if (!throughDocument.insert(count.list + what).second) {
                continue;
            }
            WriteBytes(folder / "bad.tnd", bad);
            ASSERT_TRUE(doc.OnOpenDocument(GoldenPath("full")));
            const std::vector<const cTournelDb*> lists = {&doc.Courts(),    &doc.CourtTime(), &doc.Leagues(),
                                                          &doc.Officials(), &doc.Scheduled(), &doc.Results()};
            std::vector<int> counts;
            for (const cTournelDb* list : lists) {
                counts.push_back(list->GetCount());
            }
            const std::string path = doc.GetPathName();
            prompt.ids.clear();
            EXPECT_FALSE(doc.OnOpenDocument(folder / "bad.tnd"));
            EXPECT_EQ(prompt.ids, std::vector<int>{IDS_UNEXPECTED_FILE_FORMAT});
            // Nothing half-read: the season that was open stays whole.
            for (std::size_t i = 0; i < lists.size(); ++i) {
                EXPECT_EQ(lists[i]->GetCount(), counts[i]);
            }
            EXPECT_EQ(doc.GetPathName(), path);
        }
    }
    std::set<std::string> lists = empty;
    lists.insert(holding.begin(), holding.end());
    EXPECT_EQ(throughDocument.size(), 3 * lists.size());
}

// A list that holds a well-formed record of a class it may not hold: the
// record alone gives nothing away, the class check must refuse it.
TEST(DatabaseFileDamage, AWellFormedItemOfAnotherClassInAListIsRefused)
{
    struct cCase
    {
        const char* name;
        std::function<void(cDatabase&, cTeam&)> arrange;
    };
    const std::vector<cCase> cases = {
        {"a team conflict among a team's holidays",
         [](cDatabase&, cTeam& team) { team.Holidays().AddItem(std::make_unique<cIllTeam>(), false); }},
        {"a holiday among a team's preferred times",
         [](cDatabase&, cTeam& team) { team.PreferredTimes().AddItem(std::make_unique<cIllDate>(), false); }},
        {"a home ground among the court time",
         [](cDatabase& db, cTeam&) { db.CourtTime().AddItem(std::make_unique<cHomeGround>(), false); }},
        {"a playoff match among the results",
         [](cDatabase& db, cTeam&) { db.Results().AddItem(std::make_unique<cPlayoffMatch>(), false); }},
    };
    cLenientPrompt prompt;
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        cDatabase db;
        cTeam& team = BuildTeam(BuildLeague(db, "League", "L"), "Team");
        c.arrange(db, team);
        cDatabase read;
        EXPECT_EQ(ReadDatabase(WriteDatabase(db), read, prompt), eReadStatus::kDamaged);
    }
}

TEST_F(DatabaseFile, TextsOutsideTheCodePageSurviveARoundTrip)
{
    doc.m_strAuthor = "Zoë Ψ 🏐 Łódź";
    auto court = std::make_unique<cCourt>();
    court->m_strName = "Спортзал";
    doc.Courts().AddIndexedItem(std::move(court), true, -1);
    SaveBytes(doc, now, kT0, folder / "wide.tnd");
    doc.OnNewDocument();
    ASSERT_TRUE(doc.OnOpenDocument(folder / "wide.tnd"));
    EXPECT_EQ(doc.m_strAuthor, "Zoë Ψ 🏐 Łódź");
    ASSERT_NE(doc.GetCourt(0), nullptr);
    EXPECT_EQ(doc.GetCourt(0)->m_strName, "Спортзал");
}

TEST(DatabaseFileSpeed, ASeasonOfFiveThousandMatchesLinksInOnePass)
{
    // Correctness of the linking at size; the time is measured elsewhere.
    cDatabase db;
    for (int i = 0; i < 5000; ++i) {
        auto match = std::make_unique<cMatch>();
        match->m_nLeague = i % 10;
        match->m_nHomeTeam = i / 10 % 20;
        match->m_nGuestTeam = i / 200;
        match->m_nRound = 1;
        db.Scheduled().AddItem(std::move(match), false);
        auto result = std::make_unique<cResult>();
        result->m_nLeague = i % 10;
        result->m_nHomeTeam = i / 10 % 20;
        result->m_nGuestTeam = i / 200;
        result->m_nRound = 1;
        result->m_bPlayed = i % 2;
        db.Results().AddItem(std::move(result), false);
    }
    cDatabase loaded;
    cLenientPrompt prompt;
    ASSERT_EQ(ReadDatabase(WriteDatabase(db), loaded, prompt), eReadStatus::kOk);
    EXPECT_EQ(loaded.Results().GetCount(), 5000);
    for (const cResult& result : loaded.Results().AllItems<cResult>()) {
        ASSERT_NE(result.GetMatch(), nullptr);
    }
}

} // namespace

namespace {

TEST(DatabaseFileDamage, CriterionPrioritiesAreMadeAnUnbrokenOrder)
{
    cDatabase db;
    db.m_tableSettings.m_nPriority.fill(0);
    db.m_tableSettings.m_nPriority[0] = 3;  // gap before it
    db.m_tableSettings.m_nPriority[4] = 99; // out of range
    db.m_tableSettings.m_nPriority[5] = 1;
    db.m_tableSettings.m_nPriority[6] = 1; // repeated
    cDatabase loaded;
    cSilentPrompt prompt;
    ASSERT_EQ(ReadDatabase(WriteDatabase(db), loaded, prompt), eReadStatus::kOk);
    const cTableSettings& settings = loaded.m_tableSettings;
    EXPECT_EQ(settings.m_nCriteriaCount, 2);
    EXPECT_EQ(settings.m_nCriterionByPriority[0], 5);
    EXPECT_EQ(settings.m_nCriterionByPriority[1], 0);
    EXPECT_EQ(settings.m_nCriterionByPriority[2], -1);
    EXPECT_EQ(settings.m_nPriority[0], 2);
    EXPECT_EQ(settings.m_nPriority[4], 0);
    EXPECT_EQ(settings.m_nPriority[6], 0);
}

} // namespace

namespace {

// The list of stored classes names each class as its records do; a name out
// of step would write records no reader takes.
TEST(StoredClasses, EachNameIsTheClassesOwnAndEachBitIsItsOwn)
{
    unsigned seen = 0;
    ForEachStoredClass([&]<class T>(std::type_identity<T>, std::string_view name, unsigned bit) {
        const T item;
        EXPECT_EQ(item.GetRuntimeClass(), name);
        EXPECT_EQ(seen & bit, 0u) << name;
        seen |= bit;
        bool found = false;
        const cDbItem& base = item;
        EXPECT_TRUE(
            WithStoredClass(base, [&](const auto&, std::string_view named) { found = named == name; }));
        EXPECT_TRUE(found) << name;
        return false;
    });
    EXPECT_EQ(seen, (1u << 14) - 1);
}

} // namespace
