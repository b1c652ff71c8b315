// Writes a generated season for the command-line tests that need one larger
// or odder than the example season:
//
//     tournel_test_make_season large OUT.tnd    the large season, laid out,
//         officials on every match and the first third of the results in
//     tournel_test_make_season marked OUT.tnd   the small season, likewise,
//         with markup, quotes and non-Latin letters in its names
//
// The same kind always gives the same file contents (the seed is fixed).

#include "document/CTournelDoc.h"
#include "model/cCourt.h"
#include "model/cLeague.h"
#include "model/cMatch.h"
#include "model/cReferee.h"
#include "model/cResult.h"
#include "model/cTableItem.h"
#include "model/cTeam.h"
#include "tools/seasongen/PlainSchedule.h"
#include "tools/seasongen/SeasonGenerator.h"

#include <iostream>
#include <string>

namespace {

// Every team gets its row in its league's table, as the team dialog gives it.
void AddTableRows(CTournelDoc& doc)
{
    for (cLeague& league : doc.Leagues().AllItems<cLeague>()) {
        if (league.Table().GetFirst() == nullptr) {
            for (const cTeam& team : league.Teams().AllItems<cTeam>()) {
                league.Table().AddItem(std::make_unique<cTableItem>(team.m_nIndex), true);
            }
        }
    }
}

void GiveOfficialsAndResults(CTournelDoc& doc)
{
    int officials = 0;
    for (const cReferee& official : doc.Officials().AllItems<cReferee>()) {
        officials = std::max(officials, official.m_nIndex + 1);
    }
    int k = 0;
    for (cMatch& match : doc.Scheduled().AllItems<cMatch>()) {
        match.SetOfficial(doc, k % officials, 0);
        match.SetOfficial(doc, (k * 7 + 3) % officials, 1);
        ++k;
    }
    const int played = k / 3;
    k = 0;
    for (cResult& result : doc.Results().AllItems<cResult>()) {
        if (k++ < played) {
            result.m_bPlayed = 1;
            result.m_nHomeScore[0] = k % 4;
            result.m_nGuestScore[0] = (k * 3) % 5;
        }
    }
    doc.InvalidateTables();
}

void MarkUpNames(CTournelDoc& doc)
{
    cLeague& league = *doc.Leagues().AllItems<cLeague>().begin();
    league.m_strName = "\"Quoted\" League <i>1</i>";
    cTeam& team = *league.Teams().AllItems<cTeam>().begin();
    team.m_strName = "<b>A & B</b>";
    team.m_strShortName = "<b>A & B</b>";
    cCourt& court = *doc.Courts().AllItems<cCourt>().begin();
    court.m_strName = "Зал «Север» & Co";
    court.m_strShortName = "Зал";
    cReferee& official = *doc.Officials().AllItems<cReferee>().begin();
    official.m_strName = "O'Brien <Ref>";
    doc.m_strComments = "Welcome to <our> season & \"enjoy\"\nSecond line";
}

} // namespace

int main(int argc, char** argv)
{
    const std::string kind = argc == 3 ? argv[1] : "";
    if (kind != "large" && kind != "marked") {
        std::cerr << "usage: tournel_test_make_season large|marked OUT.tnd\n";
        return 2;
    }
    cSilentPrompt prompt;
    CTournelDoc doc;
    doc.SetPrompt(&prompt);
    doc.SetFixedSeed(1);
    doc.OnNewDocument();
    GenerateSeason(doc, kind == "large" ? cSeasonShape::Large() : cSeasonShape::Small());
    AddOfficials(doc, LayOutPlainly(doc));
    AddTableRows(doc);
    GiveOfficialsAndResults(doc);
    if (kind == "marked") {
        MarkUpNames(doc);
    }
    return doc.OnSaveDocument(argv[2]) ? 0 : 1;
}
