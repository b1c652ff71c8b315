// Writes the example season: a town's indoor leagues from January to April,
// with courts and their free time, four leagues with their teams and
// constraints, and a panel of officials. Every value goes through the same
// checks as the property dialogs, so the example is a season a user could
// have typed in.

#include "document/CTournelDoc.h"
#include "model/Calendar.h"
#include "model/cCourt.h"
#include "model/cCourtTimeValues.h"
#include "model/cCourtValues.h"
#include "model/cHolidayValues.h"
#include "model/cHomeGroundValues.h"
#include "model/cLeague.h"
#include "model/cLeagueValues.h"
#include "model/cOfficialValues.h"
#include "model/cPreferredTimeValues.h"
#include "model/cReferee.h"
#include "model/cTeam.h"
#include "model/cTeamConflictValues.h"
#include "model/cTeamValues.h"

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace {

enum : Weekday
{
    kSunday,
    kMonday,
    kTuesday,
    kWednesday,
    kThursday,
    kFriday,
    kSaturday,
};

void Check(const cValidation& error, const std::string& what)
{
    if (error) {
        std::fprintf(stderr, "%s: %s\n", what.c_str(), error->text.c_str());
        std::exit(1);
    }
}

struct cCourtEntry
{
    const char* shortName;
    const char* fullName;
    bool reserved;
    int rating;
};

struct cWeeklyTime
{
    const char* court;
    Weekday weekday;
    ClockTime start;
    ClockTime end;
};

struct cLeagueEntry
{
    const char* shortName;
    const char* fullName;
    int rounds;
    int duration;
    int minCourtRating;
    int minOfficialRating;
    ClockTime latestStart;
    int restDays;
    int returnDays;
    std::vector<const char*> teams;
};

class cExampleSeason
{
public:
    explicit cExampleSeason(CTournelDoc& doc)
        : m_doc(doc)
    {
    }

    void Build()
    {
        m_doc.m_strAuthor = "Tournel example";
        m_doc.m_strScheduleTemplate = "Plain_Template.htm";
        m_doc.m_strTableTemplate = "Plain_Template.htm";
        m_doc.m_strComments = "Indoor leagues of a small town, January to April 2027.\n"
                              "Press F2 (Schedule > Automatically) to plan the season.";
        AddCourts();
        AddCourtTime();
        AddLeagues();
        AddConstraints();
        AddOfficials();
    }

private:
    void AddCourts()
    {
        const cCourtEntry courts[] = {
            {"NH", "Northgate Sports Hall", false, 7},
            {"RA", "Riverside Arena", false, 9},
            {"EG", "Eastfield School Gym", false, 4},
            {"HC", "Harbour Club Hall", true, 6},
        };
        for (const cCourtEntry& entry : courts) {
            cCourtValues values;
            values.shortName = entry.shortName;
            values.fullName = entry.fullName;
            values.reservedHomeGround = entry.reserved;
            values.rating = entry.rating;
            Check(Validate(values, m_doc, nullptr), entry.fullName);
            m_courts[entry.shortName] = InsertCourt(m_doc, values).m_nIndex;
        }
    }

    void AddCourtTime()
    {
        const cWeeklyTime weekly[] = {
            {"NH", kMonday, 1800, 2200},   {"NH", kWednesday, 1800, 2200}, {"NH", kSaturday, 900, 1700},
            {"RA", kTuesday, 1830, 2230},  {"RA", kThursday, 1830, 2230},  {"RA", kSunday, 1000, 1800},
            {"EG", kMonday, 1700, 2000},   {"EG", kTuesday, 1700, 2000},   {"EG", kWednesday, 1700, 2000},
            {"EG", kThursday, 1700, 2000}, {"HC", kFriday, 1800, 2400},    {"HC", kSaturday, 1000, 1600},
        };
        // Fifteen weeks from Monday 11 January 2027.
        for (int week = 0; week < 15; ++week) {
            for (const cWeeklyTime& time : weekly) {
                const int offset = week * 7 + (time.weekday + 6) % 7;
                const cLocalTime day = LocalTime(MakeTimePoint(2027, 1, 11 + offset, 12, 0));
                cCourtTimeValues values;
                values.court = m_courts.at(time.court);
                values.day = day.day;
                values.month = day.month;
                values.year = day.year;
                values.start = time.start;
                values.end = time.end;
                Check(Validate(values, m_doc), "court time");
                InsertCourtTime(m_doc, values);
            }
        }
    }

    void AddLeagues()
    {
        const cLeagueEntry leagues[] = {
            {"M1",
             "Men's Division 1",
             2,
             120,
             6,
             5,
             2030,
             6,
             21,
             {"Northgate A", "Riverside A", "Harbour A", "Eastfield A", "Millbrook A", "Oakwood A",
              "Kingsbridge A", "Westhill A"}},
            {"W1",
             "Women's Division 1",
             2,
             120,
             4,
             4,
             2030,
             6,
             21,
             {"Northgate W", "Riverside W", "Harbour W", "Millbrook W", "Oakwood W", "Westhill W"}},
            {"U16",
             "Under 16 Mixed",
             2,
             75,
             1,
             1,
             1930,
             5,
             28,
             {"Northgate Y", "Riverside Y", "Harbour Y", "Eastfield Y", "Kingsbridge Y", "Oakwood Y"}},
            {"VET",
             "Veterans",
             1,
             90,
             1,
             3,
             2100,
             7,
             30,
             {"Northgate V", "Riverside V", "Harbour V", "Millbrook V", "Kingsbridge V", "Westhill V"}},
        };
        for (const cLeagueEntry& entry : leagues) {
            cLeagueValues values;
            values.shortName = entry.shortName;
            values.fullName = entry.fullName;
            values.rounds = entry.rounds;
            values.setsPerGame = 5;
            values.gameDuration = entry.duration;
            values.minCourtRating = entry.minCourtRating;
            values.minOfficialRating = entry.minOfficialRating;
            values.latestStart = entry.latestStart;
            values.restTeamDays = entry.restDays;
            values.restPairDays = entry.returnDays;
            Check(Validate(values, m_doc, nullptr), entry.fullName);
            cLeague& league = InsertLeague(m_doc, values);
            m_leagues[entry.shortName] = league.m_nIndex;
            for (const char* name : entry.teams) {
                cTeamValues team;
                team.name = name;
                Check(Validate(team, league, nullptr), name);
                m_teams[name] = {league.m_nIndex, InsertTeam(m_doc, league, team).m_nIndex};
            }
        }
    }

    cTeam& Team(const char* name) { return *m_doc.GetTeam(m_teams.at(name).first, m_teams.at(name).second); }
    cLeague& League(const char* name) { return *m_doc.GetLeague(m_leagues.at(name)); }

    void AddHomeGround(const char* team, const char* court, Weekday weekday, ClockTime start, ClockTime end)
    {
        cHomeGroundValues values;
        values.court = m_courts.at(court);
        values.weekday = weekday;
        values.start = start;
        values.end = end;
        Check(Validate(values, m_doc), team);
        InsertHomeGround(m_doc, Team(team).HomeGrounds(), values);
    }

    void AddHoliday(cTournelDb& holidays, int startDay, int startMonth, int finalDay, int finalMonth)
    {
        cHolidayValues values;
        values.startDay = startDay;
        values.startMonth = startMonth;
        values.startYear = 2027;
        values.finalDay = finalDay;
        values.finalMonth = finalMonth;
        values.finalYear = 2027;
        Check(Validate(values), "holiday");
        InsertHoliday(m_doc, holidays, values);
    }

    void AddPreferredTime(cTournelDb& times, Weekday weekday, ClockTime start, ClockTime end)
    {
        cPreferredTimeValues values;
        values.weekday = weekday;
        values.start = start;
        values.end = end;
        Check(Validate(values), "preferred playing time");
        InsertPreferredTime(m_doc, times, values);
    }

    void AddConflict(const char* team, const char* other, bool twin)
    {
        cTeamConflictValues values;
        values.league = m_teams.at(other).first;
        values.team = m_teams.at(other).second;
        values.twinTeam = twin;
        cTeam& owner = Team(team);
        Check(Validate(values, m_doc, owner.TeamConflicts(), nullptr), team);
        InsertTeamConflict(m_doc, owner.TeamConflicts(), values);
    }

    void SetDayOff(const char* name, Weekday weekday)
    {
        cTeam& team = Team(name);
        cTeamValues values = cTeamValues::FromItem(team);
        values.dayOff = weekday;
        ApplyTeam(m_doc, team, values);
    }

    void AddConstraints()
    {
        // The Harbour club plays its home matches in its own hall, which is
        // reserved for it.
        AddHomeGround("Harbour A", "HC", -1, 0, 2400);
        AddHomeGround("Harbour W", "HC", kFriday, 1800, 2400);
        AddHomeGround("Harbour W", "HC", kSaturday, 1000, 1600);
        AddHomeGround("Harbour Y", "HC", kSaturday, 1000, 1400);
        AddHomeGround("Harbour V", "HC", kFriday, 1800, 2400);
        AddHomeGround("Riverside A", "RA", -1, 1830, 2100);
        AddHomeGround("Riverside W", "RA", -1, 1000, 2100);

        // Easter for everybody, a winter break for the juniors.
        for (const char* league : {"M1", "W1", "U16", "VET"}) {
            AddHoliday(League(league).Holidays(), 26, 3, 29, 3);
        }
        AddHoliday(League("U16").Holidays(), 15, 2, 19, 2);
        AddHoliday(Team("Oakwood A").Holidays(), 1, 2, 7, 2);
        AddHoliday(Team("Westhill W").Holidays(), 8, 3, 12, 3);

        // Juniors play after school or on Saturday mornings; veterans like Friday evenings and Sundays.
        for (const Weekday day : {kMonday, kTuesday, kWednesday, kThursday}) {
            AddPreferredTime(League("U16").PreferredTimes(), day, 1700, 1830);
        }
        AddPreferredTime(League("U16").PreferredTimes(), kSaturday, 900, 1300);
        AddPreferredTime(League("VET").PreferredTimes(), kFriday, 1800, 2000);
        AddPreferredTime(League("VET").PreferredTimes(), kSunday, 1000, 1700);

        SetDayOff("Eastfield A", kFriday);
        SetDayOff("Millbrook W", kSunday);

        // Several veterans still play in the first team; coaches look after two teams.
        AddConflict("Harbour A", "Harbour V", true);
        AddConflict("Northgate A", "Northgate V", false);
        AddConflict("Riverside W", "Riverside Y", false);
    }

    void AddOfficials()
    {
        struct cOfficialEntry
        {
            const char* name;
            const char* club;
            int rating;
            Weekday dayOff;
        };
        const cOfficialEntry officials[] = {
            {"Anna Lindqvist", "Northgate", 8, -1},
            {"Ben Carter", "Riverside", 6, kSunday},
            {"Chloé Martin", "Harbour", 7, -1},
            {"David Okafor", "Eastfield", 5, kFriday},
            {"Eva Sørensen", "Millbrook", 9, -1},
            {"Frank Müller", "Oakwood", 4, kSaturday},
            {"Grace Kim", "Kingsbridge", 6, -1},
            {"Henrik Åberg", "Westhill", 7, kMonday},
            {"Isabel Costa", "", 3, -1},
            {"Jonas Weber", "Riverside", 8, kWednesday},
        };
        for (const cOfficialEntry& entry : officials) {
            cOfficialValues values;
            values.name = entry.name;
            values.club = entry.club;
            values.rating = entry.rating;
            values.firstDayOff = entry.dayOff;
            Check(Validate(values, m_doc, nullptr), entry.name);
            InsertOfficial(m_doc, values);
        }
        cReferee* isabel = nullptr;
        for (cReferee& official : m_doc.Officials().Items<cReferee>()) {
            if (official.m_strName == "Isabel Costa") {
                isabel = &official;
            }
        }
        if (isabel != nullptr) {
            AddHoliday(isabel->Holidays(), 1, 3, 14, 3);
        }
    }

    CTournelDoc& m_doc;
    std::map<std::string, int> m_courts;
    std::map<std::string, int> m_leagues;
    std::map<std::string, std::pair<int, int>> m_teams;
};

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUT.tnd\n", argv[0]);
        return 2;
    }
    CTournelDoc doc;
    cExampleSeason(doc).Build();
    if (!doc.OnSaveDocument(argv[1])) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
