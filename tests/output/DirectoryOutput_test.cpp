// A directory written to a file or printed holds what its list shows, every
// column of it: written, each column starts at the same place on every line;
// printed, the layout turns the page, shrinks the font or splits the columns
// into bands rather than drop or cut one.

#include "AllDirectories.h"
#include "OutputTestSupport.h"
#include "document/CTournelDoc.h"
#include "model/Strings.h"
#include "model/Text.h"
#include "model/cMatch.h"
#include "model/cResult.h"
#include "model/cUnusedTime.h"
#include "output/Csv.h"
#include "output/Export.h"
#include "output/PrintLayout.h"
#include "scheduling/AutoScheduler.h"
#include "scheduling/MatchGeneration.h"
#include "support/TestBuilders.h"
#include "support/cScriptedPrompt.h"
#include "tools/seasongen/PlainSchedule.h"
#include "tools/seasongen/SeasonGenerator.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <set>

namespace {

// The example season scheduled, and a large generated one laid out with
// officials; both with their unscheduled matches listed.
std::unique_ptr<CTournelDoc> ExampleSeason(cScriptedPrompt& prompt)
{
    auto doc = std::make_unique<CTournelDoc>();
    doc->SetPrompt(&prompt);
    doc->SetFixedSeed(7);
    EXPECT_TRUE(doc->OnOpenDocument(TOURNEL_EXAMPLE_SEASON));
    ScheduleAutomatically(*doc);
    RebuildUnscheduled(*doc);
    return doc;
}

std::unique_ptr<CTournelDoc> GeneratedSeason(cScriptedPrompt& prompt)
{
    auto doc = std::make_unique<CTournelDoc>();
    doc->SetPrompt(&prompt);
    doc->SetFixedSeed(1);
    doc->OnNewDocument();
    GenerateSeason(*doc, cSeasonShape::Large());
    AddOfficials(*doc, LayOutPlainly(*doc));
    doc->m_nOfficialsPerGame = 5;
    RebuildUnscheduled(*doc);
    return doc;
}

// A line's characters (UTF-8 code points), so that positions count characters.
std::vector<std::string> Characters(std::string_view line)
{
    std::vector<std::string> characters;
    for (std::size_t i = 0; i < line.size();) {
        std::size_t next = i + 1;
        while (next < line.size() && (static_cast<unsigned char>(line[next]) & 0xC0) == 0x80) {
            ++next;
        }
        characters.emplace_back(line.substr(i, next - i));
        i = next;
    }
    return characters;
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (std::size_t end = text.find('\n'); end != std::string::npos; end = text.find('\n', from)) {
        lines.push_back(text.substr(from, end - from));
        from = end + 1;
    }
    return lines;
}

// The line is the texts, each starting at its column's start and followed by
// blanks up to the next column's start (at least one blank between columns).
void ExpectAtColumns(const std::string& line, const std::vector<std::string>& texts,
                     const std::vector<std::size_t>& starts)
{
    const std::vector<std::string> characters = Characters(line);
    for (std::size_t k = 0; k < texts.size(); ++k) {
        const std::vector<std::string> text = Characters(texts[k]);
        const std::size_t end = k + 1 < starts.size() ? starts[k + 1] : characters.size();
        ASSERT_LE(starts[k] + text.size(), characters.size()) << line;
        EXPECT_TRUE(std::equal(text.begin(), text.end(), characters.begin() + static_cast<long>(starts[k])))
            << "column " << k << " of \"" << line << "\" does not start with \"" << texts[k] << "\" at "
            << starts[k];
        if (k + 1 < starts.size()) {
            EXPECT_LT(starts[k] + text.size(), end) << "column " << k << " runs into the next: " << line;
        }
        for (std::size_t i = starts[k] + text.size(); i < end && i < characters.size(); ++i) {
            EXPECT_EQ(characters[i], " ") << "column " << k << " of \"" << line << "\"";
        }
    }
}

// The written directory: heading, blank line, column headings, then one line
// per listed item, every column at the start its heading has.
void ExpectColumnsLineUp(const cTournelDb& directory)
{
    const std::vector<std::string> lines = Lines(DirectoryText(directory));
    const std::vector<cDbItem*> listed = directory.GetListed();
    ASSERT_EQ(lines.size(), listed.size() + 3);
    EXPECT_EQ(lines[0], DirectoryHeading(directory));
    EXPECT_EQ(lines[1], "");
    std::vector<std::string> headings;
    std::vector<std::size_t> starts;
    const std::vector<std::string> headingLine = Characters(lines[2]);
    std::size_t from = 0;
    for (const cColumn& column : directory.GetColumns()) {
        headings.emplace_back(GetString(column.titleId));
        const std::vector<std::string> heading = Characters(headings.back());
        const auto found = std::search(headingLine.begin() + static_cast<long>(from), headingLine.end(),
                                       heading.begin(), heading.end());
        ASSERT_NE(found, headingLine.end()) << headings.back() << " in " << lines[2];
        starts.push_back(static_cast<std::size_t>(found - headingLine.begin()));
        from = starts.back() + heading.size();
    }
    ExpectAtColumns(lines[2], headings, starts);
    for (std::size_t row = 0; row < listed.size(); ++row) {
        std::vector<std::string> texts;
        for (std::size_t k = 0; k < headings.size(); ++k) {
            texts.push_back(listed[row]->GetColumnText(static_cast<int>(k)));
        }
        ExpectAtColumns(lines[row + 3], texts, starts);
    }
}

TEST(WrittenDirectory, ColumnsStartAtTheSamePlaceOnEveryLine)
{
    cScriptedPrompt prompt;
    for (const bool generated : {false, true}) {
        SCOPED_TRACE(generated ? "generated season" : "example season");
        const std::unique_ptr<CTournelDoc> doc = generated ? GeneratedSeason(prompt) : ExampleSeason(prompt);
        // A name longer than its column and a heading that fills its column both occur.
        BuildOfficial(*doc, "Maximilian Alexander von Humboldt-Wiesenthal");
        for (cTournelDb* directory : AllDirectories(*doc)) {
            if (!directory->GetListed().empty()) {
                SCOPED_TRACE(DirectoryHeading(*directory));
                ExpectColumnsLineUp(*directory);
            }
        }
    }
}

TEST(WrittenDirectory, CourtTimeOfTheContentSummaryLinesUpAcrossCourts)
{
    cScriptedPrompt prompt;
    const std::unique_ptr<CTournelDoc> doc = ExampleSeason(prompt);
    // A court time row of a court whose name is longer than the court column.
    cCourt& court = BuildCourt(*doc, "Long Court", "LONGCOURTNAME");
    doc->CourtTime().AddItem(std::make_unique<cUnusedTime>(court.m_nIndex, MakeTimePoint(2027, 5, 1, 18),
                                                           MakeTimePoint(2027, 5, 1, 20)),
                             true);
    const std::vector<std::string> lines = Lines(ContentSummary(*doc, "season", true, false) + "\n");
    std::set<std::vector<std::size_t>> layouts;
    std::size_t rows = 0;
    for (const cUnusedTime& period : doc->CourtTime().AllItems<cUnusedTime>()) {
        std::vector<std::string> texts;
        for (std::size_t k = 0; k < doc->CourtTime().GetColumns().size(); ++k) {
            texts.push_back(period.GetColumnText(static_cast<int>(k)));
        }
        // The row that starts with the period's weekday and date and holds its court and times.
        for (const std::string& line : lines) {
            std::vector<std::size_t> starts;
            std::size_t from = 0;
            const std::vector<std::string> characters = Characters(line);
            for (const std::string& text : texts) {
                const std::vector<std::string> wanted = Characters(text);
                const auto found = std::search(characters.begin() + static_cast<long>(from), characters.end(),
                                               wanted.begin(), wanted.end());
                if (found == characters.end()) {
                    break;
                }
                starts.push_back(static_cast<std::size_t>(found - characters.begin()));
                from = starts.back() + wanted.size();
            }
            if (starts.size() == texts.size() && starts.front() == 0) {
                ExpectAtColumns(line, texts, starts);
                layouts.insert(starts);
                ++rows;
                break;
            }
        }
    }
    EXPECT_EQ(rows, static_cast<std::size_t>(doc->CourtTime().GetCount()));
    EXPECT_EQ(layouts.size(), 1u);
}

// Monospaced metrics: at p points a line is 12p units high and every
// character 5p units wide (rounded down).
class cMonoMetrics : public cTextMetrics
{
public:
    int LineHeight(double points) const override { return static_cast<int>(points * 12); }
    int CharWidth(double points) const override { return static_cast<int>(points * 5); }
    int TextWidth(std::string_view text, double points) const override
    {
        return static_cast<int>(TextLength(text)) * CharWidth(points);
    }
};

// Where each text of a printout reaches, in its own character widths.
struct cPrinted
{
    std::multiset<std::string> texts;
    std::set<std::string> headings;
    int extent = 0;
};

cPrinted Printed(const cPrintout& printout, const cTextMetrics& metrics)
{
    cPrinted printed;
    const auto reach = [&](const cPrintText& item) {
        const int width =
            (metrics.TextWidth(item.text, printout.points) + printout.charWidth - 1) / printout.charWidth;
        const int end = item.alignment == kAlignRight    ? item.x
                        : item.alignment == kAlignCenter ? item.x + (width + 1) / 2
                                                         : item.x + width;
        const int start = item.alignment == kAlignRight    ? item.x - width
                          : item.alignment == kAlignCenter ? item.x - (width + 1) / 2
                                                           : item.x;
        EXPECT_GE(start, 0) << item.text;
        printed.extent = std::max(printed.extent, end);
    };
    for (const cPrintPage& page : printout.pages) {
        for (const cPrintText& item : page.columnHeadings) {
            printed.headings.insert(item.text);
            reach(item);
        }
        for (const cPrintLine& line : page.lines) {
            for (const cPrintText& item : line) {
                printed.texts.insert(item.text);
                reach(item);
            }
        }
    }
    return printed;
}

TEST(PrintedDirectory, NoColumnIsDroppedOrCut)
{
    cScriptedPrompt prompt;
    const std::unique_ptr<CTournelDoc> doc = ExampleSeason(prompt);
    doc->m_nOfficialsPerGame = 5;
    const cMonoMetrics metrics;
    struct cCase
    {
        const char* name;
        int uprightChars; // page widths in characters of the 10-point font
        int turnedChars;
        bool turned;
        bool smaller;
        bool bands;
    };
    const std::vector<cCase> cases = {
        {"wide enough upright", 400, 300, false, false, false},
        {"wide enough turned", 120, 200, true, false, false},
        {"shrunk on the turned page", 100, 140, true, true, false},
        {"bands at the smallest font", 40, 60, true, true, true},
        {"bands upright when that is roomier", 60, 40, false, true, true},
    };
    const cTournelDb& scheduled = doc->Scheduled();
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        const cPrintArea area{c.uprightChars * 50, 7000, c.turnedChars * 50, 5000, 10};
        const cPrintout printout = FitPrint(
            metrics, area, [&](const cPrintSizing& sizing) { return DirectoryPages(scheduled, sizing); });
        EXPECT_EQ(printout.turned, c.turned);
        EXPECT_EQ(printout.points < 10, c.smaller);
        EXPECT_GE(printout.points, kMinPrintPoints);
        EXPECT_EQ(printout.pageWidth, c.turned ? area.turnedWidth : area.width);
        EXPECT_EQ(printout.frame.linesPerPage,
                  cPageFrame::For(metrics.LineHeight(printout.points), c.turned ? 5000 : 7000).linesPerPage);
        const cPrinted printed = Printed(printout, metrics);
        // Nothing reaches past the page, every heading and every text is printed.
        EXPECT_LE(printed.extent * printout.charWidth, printout.pageWidth);
        for (const cColumn& column : scheduled.GetColumns()) {
            EXPECT_TRUE(printed.headings.contains(GetString(column.titleId))) << GetString(column.titleId);
        }
        std::size_t rows = 0;
        for (const cDbItem* item : scheduled.GetListed()) {
            for (std::size_t k = 0; k < scheduled.GetColumns().size(); ++k) {
                const std::string text = item->GetColumnText(static_cast<int>(k));
                if (!text.empty()) {
                    EXPECT_TRUE(printed.texts.contains(text)) << text;
                }
            }
            ++rows;
        }
        // Every band repeats the match's number: it stands once per band.
        const std::size_t bands = c.bands ? 2 : 1;
        std::size_t lines = 0;
        for (const cPrintPage& page : printout.pages) {
            lines += page.lines.size();
            if (!page.lines.empty()) {
                EXPECT_EQ(page.columnHeadings.front().text, GetString(scheduled.GetColumns()[0].titleId));
            }
        }
        EXPECT_GE(lines, rows * bands);
        EXPECT_EQ(lines % rows, 0u);
        EXPECT_EQ(lines / rows > 1, c.bands);
        const cDbItem& first = *scheduled.GetListed().front();
        EXPECT_EQ(printed.texts.count(first.GetColumnText(0)), lines / rows);
    }
}

TEST(PrintedDirectory, BandsCutOnlyBetweenTexts)
{
    // Three pages of texts: the key "K" and columns that a 12-character band cannot hold together.
    cPrintPage page{
        "Heading",
        {{0, "Key", kAlignLeft},
         {4, "Alpha", kAlignLeft},
         {10, "Beta", kAlignLeft},
         {20, "Gamma", kAlignCenter}},
        {{{0, "K1", kAlignLeft}, {4, "a", kAlignLeft}, {10, "bbbbbbb", kAlignLeft}, {20, "g", kAlignCenter}},
         {},
         {{0, "a group line longer than any band", kAlignLeft}}},
        4};
    const cPrintSizing sizing(50);
    const cPrintPages bands = SplitIntoBands({page, page, page}, 12, sizing);
    ASSERT_EQ(bands.size(), 9u); // three bands of each page
    const auto texts = [](const cPrintLine& line) {
        std::vector<std::string> all;
        for (const cPrintText& item : line) {
            all.push_back(item.text + "@" + std::to_string(item.x));
        }
        return all;
    };
    EXPECT_EQ(texts(bands[0].columnHeadings), (std::vector<std::string>{"Key@0", "Alpha@4"}));
    EXPECT_EQ(texts(bands[1].columnHeadings), (std::vector<std::string>{"Key@0", "Beta@4"}));
    EXPECT_EQ(texts(bands[2].columnHeadings), (std::vector<std::string>{"Key@0", "Gamma@7"}));
    EXPECT_EQ(texts(bands[1].lines[0]), (std::vector<std::string>{"K1@0", "bbbbbbb@4"}));
    EXPECT_TRUE(bands[1].lines[1].empty());
    EXPECT_EQ(texts(bands[2].lines[2]), (std::vector<std::string>{"a group line longer than any band@0"}));
    EXPECT_EQ(bands[3].heading, "Heading");
    // Room for everything: the pages stay as they are.
    EXPECT_EQ(SplitIntoBands({page}, 40, sizing).size(), 1u);
}

TEST(PrintedDirectory, ListsOfALeagueTeamOrOfficialNameIt)
{
    cDatabase db;
    cLeague& league = BuildLeague(db, "Men's Division 1", "M1");
    cTeam& team = BuildTeam(league, "Westhill A");
    cReferee& official = BuildOfficial(db, "Anna Lindqvist");
    const struct
    {
        const cTournelDb* directory;
        std::string heading;
    } cases[] = {
        {&db.Leagues(), "Leagues"},
        {&league.Table(), "Table - Men's Division 1"},
        {&league.Teams(), "Teams - Men's Division 1"},
        {team.GetChild(0), "Holidays - Men's Division 1, Westhill A"},
        {official.GetChild(0), "Holidays - Anna Lindqvist"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.heading);
        EXPECT_EQ(DirectoryHeading(*c.directory), c.heading);
        const std::string text = DirectoryText(*c.directory);
        EXPECT_EQ(text.substr(0, text.find('\n')), c.heading);
    }
    const cPrintPages pages = DirectoryPages(league.Table(), cPrintSizing(50));
    EXPECT_EQ(pages.front().heading, "Table - Men's Division 1");
    // The table's key is the rank and the team's name.
    EXPECT_EQ(pages.front().keyWidth, 4 + 25);
}

// What the list shows with the view filter on is what is written and printed.
TEST(FilteredDirectory, WrittenAndPrintedAsListed)
{
    cScriptedPrompt prompt;
    const std::unique_ptr<CTournelDoc> doc = ExampleSeason(prompt);
    const cLeague& kept = *doc->Leagues().Items<cLeague>().begin();
    doc->m_nLeagueFilter = kept.m_nIndex;
    doc->m_nCourtFilter = doc->Courts().Items<cCourt>().begin()->m_nIndex;
    for (cTournelDb* directory : {&doc->Scheduled(), &doc->Results(), &doc->CourtTime()}) {
        directory->m_bUpToDate = 0;
        directory->Refresh();
        const std::size_t listed = directory->GetListed().size();
        SCOPED_TRACE(DirectoryHeading(*directory));
        ASSERT_GT(listed, 0u);
        ASSERT_LT(listed, static_cast<std::size_t>(directory->GetCount()));
        EXPECT_EQ(Lines(DirectoryText(*directory)).size(), listed + 3);
        EXPECT_EQ(Lines(DirectoryCsv(*directory)).size(), listed + 1);
        std::size_t printed = 0;
        for (const cPrintPage& page : DirectoryPages(*directory, cPrintSizing(50))) {
            printed += page.lines.size();
        }
        EXPECT_EQ(printed, listed);
        for (const cDbItem* item : directory->GetListed()) {
            EXPECT_EQ(item->m_bFiltered, 0);
        }
    }
    // A list the filter empties has nothing to print or write.
    doc->m_nLeagueFilter = 999;
    doc->Scheduled().m_bUpToDate = 0;
    doc->Scheduled().Refresh();
    EXPECT_EQ(DirectoryPrintRefusal(&doc->Scheduled()), IDS_NOTHING_TO_PRINT);
    const cTempFolder folder;
    prompt.m_shown.clear();
    EXPECT_EQ(WriteDirectoryFile(*doc, doc->Scheduled(), folder / "scheduled.txt"), IDS_NOTHING_TO_PRINT);
    EXPECT_EQ(prompt.Ids(), std::vector<int>{IDS_NOTHING_TO_PRINT});
}

} // namespace
