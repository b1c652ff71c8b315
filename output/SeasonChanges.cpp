#include "output/SeasonChanges.h"

#include "model/Strings.h"
#include "model/Text.h"
#include "model/cCourt.h"
#include "model/cDatabase.h"
#include "model/cLeague.h"
#include "model/cPlayoffMatch.h"
#include "model/cReferee.h"
#include "output/Csv.h"
#include "output/OutputFile.h"

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

namespace {

// What makes a match the same match in two files. Playoff matches have no
// league and no round: their texts are their key.
struct cMatchKey
{
    bool playoff = false;
    std::string league; // a playoff match's number text
    std::string home;
    std::string guest;
    int round = 0;

    auto operator<=>(const cMatchKey&) const = default;
};

struct cKeyedMatch
{
    const cMatch* match;
    cMatchVersion version;
};

std::string LeagueName(const cDatabase& db, const cMatch& match)
{
    const cLeague* league = match.IsPlayoff() ? nullptr : db.GetLeague(match.m_nLeague);
    return league != nullptr ? league->m_strName : std::string();
}

cMatchVersion VersionOf(const cDatabase& db, const cMatch& match)
{
    cMatchVersion version;
    version.label = match.GetLabel();
    version.start = match.m_tStart;
    version.end = match.m_tEnd;
    if (const cCourt* court = db.GetCourt(match.m_nCourt)) {
        version.court = court->m_strName;
    }
    for (int position = 0; position < cMatch::kOfficialPositions; ++position) {
        if (const cReferee* official = db.GetOfficial(match.GetOfficial(position))) {
            version.officials[static_cast<std::size_t>(position)] = official->m_strName;
        }
    }
    return version;
}

cMatchKey KeyOf(const cDatabase& db, const cMatch& match)
{
    if (match.IsPlayoff()) {
        const auto& playoff = static_cast<const cPlayoffMatch&>(match);
        return {true, playoff.m_strNumber, playoff.m_strHomeTeam, playoff.m_strGuestTeam, 0};
    }
    return {false, LeagueName(db, match), match.GetHomeName(), match.GetGuestName(), match.m_nRound};
}

// Every scheduled match by its key; a key's matches in the order of their
// starts (then courts and numbers), the order in which two files' matches
// of one key are paired.
std::map<cMatchKey, std::vector<cKeyedMatch>> KeyedMatches(const cDatabase& db)
{
    std::map<cMatchKey, std::vector<cKeyedMatch>> keyed;
    for (const cMatch& match : db.Scheduled().AllItems<cMatch>()) {
        keyed[KeyOf(db, match)].push_back({&match, VersionOf(db, match)});
    }
    for (auto& [key, matches] : keyed) {
        std::ranges::stable_sort(matches, [](const cKeyedMatch& a, const cKeyedMatch& b) {
            return std::tie(a.version.start, a.version.court, a.match->m_nNumber) <
                   std::tie(b.version.start, b.version.court, b.match->m_nNumber);
        });
    }
    return keyed;
}

std::set<std::string> LeagueNames(const cDatabase& db)
{
    std::set<std::string> names;
    for (const cLeague& league : db.Leagues().AllItems<cLeague>()) {
        names.insert(league.m_strName);
    }
    return names;
}

std::string CreationText(TimePoint t)
{
    return FormatTime(t, "%Y-%m-%d %H:%M:%S");
}

// Why two databases are no versions of one season; 0 when they are.
int Refusal(const cDatabase& before, const cDatabase& after, std::string& text)
{
    if (before.m_tCreated != 0 && after.m_tCreated != 0 && before.m_tCreated != after.m_tCreated) {
        text = FormatString(IDS_CHANGES_OTHER_SEASON,
                            {CreationText(before.m_tCreated), CreationText(after.m_tCreated)});
        return IDS_CHANGES_OTHER_SEASON;
    }
    const std::set<std::string> leaguesBefore = LeagueNames(before);
    const std::set<std::string> leaguesAfter = LeagueNames(after);
    if (!leaguesBefore.empty() && !leaguesAfter.empty() &&
        std::ranges::none_of(leaguesBefore,
                             [&](const std::string& name) { return leaguesAfter.contains(name); })) {
        text = GetString(IDS_CHANGES_NO_COMMON_LEAGUE);
        return IDS_CHANGES_NO_COMMON_LEAGUE;
    }
    return 0;
}

// The kept match's changes; 0 when it is as it was.
unsigned Differences(const cKeyedMatch& before, const cKeyedMatch& after)
{
    unsigned what = 0;
    if (before.version.start != after.version.start || before.version.end != after.version.end ||
        before.version.court != after.version.court) {
        what |= cMatchChange::kMoved;
    }
    if (before.version.officials != after.version.officials) {
        what |= cMatchChange::kOfficials;
    }
    if (before.match->m_nNumber != after.match->m_nNumber) {
        what |= cMatchChange::kRenumbered;
    }
    return what;
}

// The officials a change concerns: everybody on the match in either version,
// but when only the officials changed, those whose positions changed.
std::set<std::string> OfficialsConcerned(const cMatchChange& change)
{
    std::set<std::string> names;
    const auto add = [&names](const std::optional<cMatchVersion>& version) {
        if (version) {
            for (const std::string& name : version->officials) {
                if (!name.empty()) {
                    names.insert(name);
                }
            }
        }
    };
    add(change.before);
    add(change.after);
    if (change.what != cMatchChange::kOfficials) {
        return names;
    }
    const auto positions = [](const cMatchVersion& version, const std::string& name) {
        std::vector<std::size_t> held;
        for (std::size_t k = 0; k < version.officials.size(); ++k) {
            if (version.officials[k] == name) {
                held.push_back(k);
            }
        }
        return held;
    };
    std::erase_if(names, [&](const std::string& name) {
        return positions(*change.before, name) == positions(*change.after, name);
    });
    return names;
}

bool RecipientBefore(const cChangeRecipient& a, const cChangeRecipient& b)
{
    // League teams first, playoff texts after them.
    if (a.league.empty() != b.league.empty()) {
        return !a.league.empty();
    }
    if (const int order = CompareText(a.league, b.league, true); order != 0) {
        return order < 0;
    }
    if (const int order = CompareText(a.name, b.name, true); order != 0) {
        return order < 0;
    }
    return std::tie(a.league, a.name) < std::tie(b.league, b.name);
}

std::vector<cChangeRecipient>
Recipients(std::map<std::pair<std::string, std::string>, cChangeRecipient>& byName)
{
    std::vector<cChangeRecipient> recipients;
    for (auto& [key, recipient] : byName) {
        recipients.push_back(std::move(recipient));
    }
    std::ranges::sort(recipients, RecipientBefore);
    return recipients;
}

std::string Officials(const cMatchVersion& version)
{
    std::string text;
    for (const std::string& name : version.officials) {
        if (!name.empty()) {
            text += (text.empty() ? "" : ", ") + name;
        }
    }
    return text;
}

std::string OfficialsOrNone(const cMatchVersion& version)
{
    const std::string text = Officials(version);
    return text.empty() ? std::string(GetString(IDS_NONE)) : text;
}

std::string Clock(TimePoint start, TimePoint end)
{
    return CsvClock(start) + "-" + CsvClock(end, true);
}

std::string When(const cDatabase& style, const cMatchVersion& version)
{
    return style.WeekdayOf(version.start) + " " + style.FormatDate(version.start) + " " +
           Clock(version.start, version.end) + ", " + version.court;
}

// "M1-7 Harbour A - Lions: Moved: ... -> ...; Other officials: ... -> ..."
std::string ChangeLine(const cDatabase& style, const cMatchChange& change)
{
    std::vector<std::string> parts;
    if (change.what & cMatchChange::kAdded) {
        parts.push_back(std::string(GetString(IDS_CHANGE_ADDED)) + ": " + When(style, *change.after));
    }
    if (change.what & cMatchChange::kRemoved) {
        parts.push_back(std::string(GetString(IDS_CHANGE_REMOVED)) + ": " + When(style, *change.before));
    }
    if (change.what & cMatchChange::kMoved) {
        parts.push_back(std::string(GetString(IDS_CHANGE_MOVED)) + ": " + When(style, *change.before) +
                        " -> " + When(style, *change.after));
    }
    if (change.what & cMatchChange::kOfficials) {
        parts.push_back(std::string(GetString(IDS_CHANGE_OFFICIALS)) + ": " +
                        OfficialsOrNone(*change.before) + " -> " + OfficialsOrNone(*change.after));
    }
    if (change.what & cMatchChange::kRenumbered) {
        parts.push_back(std::string(GetString(IDS_CHANGE_RENUMBERED)) + ": " + change.before->label + " -> " +
                        change.after->label);
    }
    std::string line = "  " + change.Latest().label + " " + change.home + " - " + change.guest + ": ";
    for (std::size_t k = 0; k < parts.size(); ++k) {
        line += (k > 0 ? "; " : "") + parts[k];
    }
    return line + "\n";
}

std::string ChangeKinds(unsigned what)
{
    static constexpr std::pair<unsigned, int> kKinds[] = {
        {cMatchChange::kAdded, IDS_CHANGE_ADDED},           {cMatchChange::kRemoved, IDS_CHANGE_REMOVED},
        {cMatchChange::kMoved, IDS_CHANGE_MOVED},           {cMatchChange::kOfficials, IDS_CHANGE_OFFICIALS},
        {cMatchChange::kRenumbered, IDS_CHANGE_RENUMBERED},
    };
    std::string text;
    for (const auto& [bit, id] : kKinds) {
        if (what & bit) {
            text += (text.empty() ? "" : ", ") + std::string(GetString(id));
        }
    }
    return text;
}

void AddVersionCells(std::vector<std::string>& cells, const std::optional<cMatchVersion>& version)
{
    if (!version) {
        cells.insert(cells.end(), 4, std::string());
        return;
    }
    cells.push_back(CsvDate(version->start));
    cells.push_back(Clock(version->start, version->end));
    cells.push_back(version->court);
    cells.push_back(Officials(*version));
}

} // namespace

cSeasonChanges CompareSeasons(const cDatabase& before, const cDatabase& after)
{
    cSeasonChanges result;
    result.refusal = Refusal(before, after, result.refusalText);
    if (result.refusal != 0) {
        return result;
    }
    const auto keyedBefore = KeyedMatches(before);
    const auto keyedAfter = KeyedMatches(after);
    const auto change = [](const cMatchKey& key, unsigned what, const cKeyedMatch* was,
                           const cKeyedMatch* is) {
        cMatchChange made;
        made.what = what;
        made.league = key.playoff ? std::string() : key.league;
        made.home = key.home;
        made.guest = key.guest;
        if (was != nullptr) {
            made.before = was->version;
        }
        if (is != nullptr) {
            made.after = is->version;
        }
        return made;
    };
    static const std::vector<cKeyedMatch> kNone;
    std::set<cMatchKey> keys;
    for (const auto& [key, matches] : keyedBefore) {
        keys.insert(key);
    }
    for (const auto& [key, matches] : keyedAfter) {
        keys.insert(key);
    }
    for (const cMatchKey& key : keys) {
        const auto foundBefore = keyedBefore.find(key);
        const auto foundAfter = keyedAfter.find(key);
        const std::vector<cKeyedMatch>& was = foundBefore != keyedBefore.end() ? foundBefore->second : kNone;
        const std::vector<cKeyedMatch>& is = foundAfter != keyedAfter.end() ? foundAfter->second : kNone;
        for (std::size_t k = 0; k < std::max(was.size(), is.size()); ++k) {
            if (k >= is.size()) {
                result.changes.push_back(change(key, cMatchChange::kRemoved, &was[k], nullptr));
            } else if (k >= was.size()) {
                result.changes.push_back(change(key, cMatchChange::kAdded, nullptr, &is[k]));
            } else if (const unsigned what = Differences(was[k], is[k]); what != 0) {
                result.changes.push_back(change(key, what, &was[k], &is[k]));
            }
        }
    }
    // Everybody hears of their changes in the order the matches are (were) played.
    std::ranges::stable_sort(result.changes, [](const cMatchChange& a, const cMatchChange& b) {
        return std::tie(a.Latest().start, a.Latest().court, a.Latest().label) <
               std::tie(b.Latest().start, b.Latest().court, b.Latest().label);
    });

    std::map<std::pair<std::string, std::string>, cChangeRecipient> teams;
    std::map<std::pair<std::string, std::string>, cChangeRecipient> officials;
    const auto tell = [](auto& recipients, const std::string& league, const std::string& name,
                         std::size_t k) {
        cChangeRecipient& recipient = recipients[{league, name}];
        recipient.league = league;
        recipient.name = name;
        if (recipient.changes.empty() || recipient.changes.back() != k) {
            recipient.changes.push_back(k);
        }
    };
    for (std::size_t k = 0; k < result.changes.size(); ++k) {
        const cMatchChange& made = result.changes[k];
        tell(teams, made.league, made.home, k);
        tell(teams, made.league, made.guest, k);
        for (const std::string& name : OfficialsConcerned(made)) {
            tell(officials, std::string(), name, k);
        }
    }
    result.teams = Recipients(teams);
    result.officials = Recipients(officials);
    return result;
}

void KeepOnlyTeam(cSeasonChanges& changes, std::string_view league, std::string_view team)
{
    std::erase_if(changes.teams, [&](const cChangeRecipient& recipient) {
        return recipient.league != league || recipient.name != team;
    });
    changes.officials.clear();
}

std::string ChangesText(const cSeasonChanges& changes, const cDatabase& style)
{
    if (changes.Empty()) {
        return std::string(GetString(IDS_CHANGES_NONE)) + "\n";
    }
    std::string text;
    const auto group = [&](int headingId, const std::vector<cChangeRecipient>& recipients) {
        if (recipients.empty()) {
            return;
        }
        text += (text.empty() ? "" : "\n") + std::string(GetString(headingId)) + "\n";
        for (const cChangeRecipient& recipient : recipients) {
            text += "\n" +
                    (recipient.league.empty() ? recipient.name : recipient.league + ", " + recipient.name) +
                    "\n";
            for (const std::size_t k : recipient.changes) {
                text += ChangeLine(style, changes.changes[k]);
            }
        }
    };
    group(IDS_TEAMS, changes.teams);
    group(IDS_OFFICIALS, changes.officials);
    return text;
}

std::string ChangesCsv(const cSeasonChanges& changes)
{
    std::vector<std::string> cells = {
        GetString(IDS_COL_LEAGUE_NAME), GetString(IDS_COL_TEAM_NAME),  GetString(IDS_COL_OFFICIAL_NAME),
        GetString(IDS_COL_CHANGE),      GetString(IDS_COL_MATCH_NO),   GetString(IDS_COL_OLD_MATCH_NO),
        GetString(IDS_COL_HOME_TEAM),   GetString(IDS_COL_GUEST_TEAM),
    };
    for (int k = 0; k < 4; ++k) {
        cells.emplace_back(GetString(IDS_COL_OLD_DATE + k));
    }
    for (int k = 0; k < 4; ++k) {
        cells.emplace_back(GetString(IDS_COL_NEW_DATE + k));
    }
    std::string text = CsvLine(cells);
    const auto rows = [&](const std::vector<cChangeRecipient>& recipients, bool official) {
        for (const cChangeRecipient& recipient : recipients) {
            for (const std::size_t k : recipient.changes) {
                const cMatchChange& change = changes.changes[k];
                cells = {change.league,
                         official ? std::string() : recipient.name,
                         official ? recipient.name : std::string(),
                         ChangeKinds(change.what),
                         change.Latest().label,
                         change.before ? change.before->label : std::string(),
                         change.home,
                         change.guest};
                AddVersionCells(cells, change.before);
                AddVersionCells(cells, change.after);
                text += CsvLine(cells);
            }
        }
    };
    rows(changes.teams, false);
    rows(changes.officials, true);
    return text;
}

int WriteChangesFile(const cSeasonChanges& changes, const cDatabase& style, const std::string& path)
{
    cOutputFile file(path);
    if (file.IsOpen()) {
        file.Write(IsCsvPath(path) ? ChangesCsv(changes) : ChangesText(changes, style));
        if (file.Close()) {
            return 0;
        }
    }
    style.Prompt().ShowMessage(IDS_UNABLE_TO_OPEN_FILE);
    return IDS_UNABLE_TO_OPEN_FILE;
}
