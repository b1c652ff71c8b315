// The check of the schedule as the season now stands: a freshly scheduled
// and assigned season breaks no rule; one change to the season afterwards
// makes exactly the matches it touches conflicts, under the changed rule's
// key; a rule the settings ignore is no conflict. The indexed check of the
// placement rules answers what the walk through the whole schedule answers.

#include "model/Calendar.h"
#include "model/cCourt.h"
#include "model/cDatabase.h"
#include "model/cIllDate.h"
#include "model/cIndexedDb.h"
#include "model/cLeague.h"
#include "model/cMatch.h"
#include "model/cReferee.h"
#include "model/cTeam.h"
#include "officials/AutoAssign.h"
#include "officials/CheckSchedule.h"
#include "officials/OfficialRules.h"
#include "scheduling/AutoScheduler.h"
#include "support/cScriptedPrompt.h"
#include "tools/seasongen/PlainSchedule.h"
#include "tools/seasongen/SeasonGenerator.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

struct cSeasonCase
{
    const char* name;
    cSeasonShape shape;
};

std::vector<cSeasonCase> Seasons()
{
    std::vector<cSeasonCase> seasons;
    for (const std::uint32_t seed : {1U, 2U, 5U}) {
        cSeasonShape shape = cSeasonShape::Small();
        shape.seed = seed;
        seasons.push_back({"small", shape});
    }
    cSeasonShape late = cSeasonShape::Small();
    late.seed = 7;
    late.lateSessions = true;
    seasons.push_back({"late sessions", late});
    seasons.push_back({"across the clock changes", cSeasonShape::AcrossClockChanges()});
    return seasons;
}

// Scheduled automatically and officials assigned automatically to the end.
std::unique_ptr<cDatabase> ScheduledSeason(const cSeasonShape& shape, cScriptedPrompt& prompt)
{
    auto db = std::make_unique<cDatabase>();
    db->SetPrompt(&prompt);
    db->m_random.Seed(shape.seed);
    GenerateSeason(*db, shape);
    ScheduleAutomatically(*db);
    AddOfficials(*db, db->Scheduled().GetCount());
    for (cLeague& league : db->Leagues().AllItems<cLeague>()) {
        league.ComputeRatingBands(db->m_nOfficialsPerGame);
    }
    const auto* last = static_cast<const cMatch*>(db->Scheduled().GetLast());
    if (last != nullptr) {
        AssignOfficialsAutomatically(*db, last->m_tStart + 1, db->m_nOfficialsPerGame);
    }
    return db;
}

std::string Describe(const cDatabase& db, const std::vector<cConflict>& conflicts)
{
    std::string text;
    for (const cConflict& conflict : conflicts) {
        const cConflictRow row = DescribeConflict(db, conflict);
        text += row.match + " " + row.date + " " + row.time + " " + row.court + " " + row.rule + " " +
                row.message + "\n";
    }
    return text;
}

void ExpectIndexedAsLiteral(const cDatabase& db)
{
    // The officials: each filled slot asked without an index, walking the whole schedule.
    std::vector<std::pair<const cMatch*, int>> walked;
    for (const cMatch& match : db.Scheduled().Items<cMatch>()) {
        for (int slot = 0; slot < OfficialsPerGame(db); ++slot) {
            if (const cReferee* official = db.GetOfficial(match.GetOfficial(slot))) {
                if (const int id = CheckOfficial(db, match, *official, slot, kBasicLevel); id != 0) {
                    walked.emplace_back(&match, id);
                }
            }
        }
    }
    std::vector<std::pair<const cMatch*, int>> found;
    for (const cConflict& conflict : CheckOfficialSlots(db)) {
        found.emplace_back(conflict.match, conflict.messageId);
    }
    EXPECT_EQ(found, walked);

    const std::vector<cConflict> literal = CheckPlacements(db, true);
    const std::vector<cConflict> indexed = CheckPlacements(db, false);
    ASSERT_EQ(indexed.size(), literal.size()) << Describe(db, literal);
    for (std::size_t i = 0; i < literal.size(); ++i) {
        EXPECT_EQ(indexed[i].match, literal[i].match);
        EXPECT_EQ(indexed[i].messageId, literal[i].messageId);
    }
}

// The middle match of the schedule holding an official in slot 0.
cMatch* PickMatch(cDatabase& db)
{
    std::vector<cMatch*> candidates;
    for (cMatch& match : db.Scheduled().Items<cMatch>()) {
        if (!match.IsPlayoff() && db.GetOfficial(match.GetOfficial(0)) != nullptr) {
            candidates.push_back(&match);
        }
    }
    return candidates.empty() ? nullptr : candidates[candidates.size() / 2];
}

TEST(CheckSchedule, AFreshlyScheduledSeasonHasNoConflicts)
{
    for (const cSeasonCase& season : Seasons()) {
        SCOPED_TRACE(std::string(season.name) + " seed " + std::to_string(season.shape.seed));
        cScriptedPrompt prompt;
        std::unique_ptr<cDatabase> db = ScheduledSeason(season.shape, prompt);
        ASSERT_GT(db->Scheduled().GetCount(), 20);
        ASSERT_NE(PickMatch(*db), nullptr) << "no official was assigned";
        const std::vector<cConflict> conflicts = CheckSchedule(*db);
        EXPECT_TRUE(conflicts.empty()) << Describe(*db, conflicts);
        ExpectIndexedAsLiteral(*db);
    }
}

struct cPlantCase
{
    const char* name;
    std::function<void(cDatabase&, cMatch&)> plant;
    const char* rule;
    // The switch of the schedule settings that makes the rule ignored; null when it always applies.
    int cDatabase::*ignore;
    // Whether a conflict of `conflict.match` is one the plant may cause beside the picked match.
    std::function<bool(const cDatabase&, const cMatch& picked, const cConflict&)> touched;
};

bool SameTeamsDay(const cMatch& picked, const cConflict& conflict)
{
    const cMatch& match = *conflict.match;
    return match.m_nLeague == picked.m_nLeague && match.LocalDay() == picked.LocalDay() &&
           (match.m_nHomeTeam == picked.m_nHomeTeam || match.m_nGuestTeam == picked.m_nHomeTeam);
}

TEST(CheckSchedule, APlantedChangeIsFoundUnderItsRule)
{
    const std::vector<cPlantCase> cases = {
        {"a holiday of the home team over the match's day",
         [](cDatabase& db, cMatch& match) {
             cTeam* home = db.GetTeam(match.m_nLeague, match.m_nHomeTeam);
             auto holiday = std::make_unique<cIllDate>();
             const cLocalTime day = LocalTime(match.m_tStart);
             holiday->m_tStart = MakeTimePoint(day.year, day.month, day.day);
             holiday->m_tEnd = MakeTimePoint(day.year, day.month, day.day, 23, 59);
             home->Holidays().AddItem(std::move(holiday), true);
         },
         "holiday", &cDatabase::m_bSchedIgnoreHolidays,
         [](const cDatabase&, const cMatch& picked, const cConflict& c) { return SameTeamsDay(picked, c); }},
        {"the court's rating lowered below the league's range",
         [](cDatabase& db, cMatch& match) {
             db.GetCourt(match.m_nCourt)->m_nRating = db.GetLeague(match.m_nLeague)->m_nMinCourtRating - 1;
         },
         "court-rating", &cDatabase::m_bSchedIgnoreCourtRatings,
         [](const cDatabase&, const cMatch& picked, const cConflict& c) {
             return c.match->m_nCourt == picked.m_nCourt;
         }},
        {"the league's rest between a team's matches raised to a season",
         [](cDatabase& db, cMatch& match) { db.GetLeague(match.m_nLeague)->m_tsRestSameTeam = 400 * 86400; },
         "rest-days", nullptr,
         [](const cDatabase&, const cMatch& picked, const cConflict& c) {
             return c.match->m_nLeague == picked.m_nLeague;
         }},
        {"a day off of the first official on the match's weekday",
         [](cDatabase& db, cMatch& match) {
             db.GetOfficial(match.GetOfficial(0))->m_nDayOff2 = LocalTime(match.m_tStart).weekday;
         },
         "official-day-off", &cDatabase::m_bIgnoreDaysOff,
         [](const cDatabase&, const cMatch& picked, const cConflict& c) {
             return c.official == picked.GetOfficial(0) &&
                    LocalTime(c.match->m_tStart).weekday == LocalTime(picked.m_tStart).weekday;
         }},
    };
    for (const cSeasonCase& season : Seasons()) {
        for (const cPlantCase& c : cases) {
            for (const bool ignored : {false, true}) {
                if (ignored && c.ignore == nullptr) {
                    continue;
                }
                SCOPED_TRACE(std::string(season.name) + " seed " + std::to_string(season.shape.seed) + ": " +
                             c.name + (ignored ? ", the rule ignored" : ""));
                cScriptedPrompt prompt;
                std::unique_ptr<cDatabase> db = ScheduledSeason(season.shape, prompt);
                cMatch* picked = PickMatch(*db);
                ASSERT_NE(picked, nullptr);
                c.plant(*db, *picked);
                if (ignored) {
                    (*db).*c.ignore = 1;
                }
                const std::vector<cConflict> conflicts = CheckSchedule(*db);
                if (ignored) {
                    EXPECT_TRUE(conflicts.empty()) << Describe(*db, conflicts);
                    continue;
                }
                bool found = false;
                for (const cConflict& conflict : conflicts) {
                    found = found || conflict.match == picked;
                    EXPECT_EQ(conflict.rule, c.rule) << Describe(*db, conflicts);
                    EXPECT_TRUE(c.touched(*db, *picked, conflict)) << Describe(*db, {conflict});
                }
                EXPECT_TRUE(found) << "the changed match is not reported\n" << Describe(*db, conflicts);
                ExpectIndexedAsLiteral(*db);
            }
        }
    }
}

} // namespace
