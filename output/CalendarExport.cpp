#include "output/CalendarExport.h"

#include "TournelVersion.h"
#include "model/Strings.h"
#include "model/cCourt.h"
#include "model/cDatabase.h"
#include "model/cLeague.h"
#include "model/cMatch.h"
#include "model/cPlayoffMatch.h"
#include "model/cReferee.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <libical/ical.h>
#include <map>
#include <memory>
#include <tuple>
#include <vector>

namespace {

// libical's objects, freed when they go out of scope.
struct cComponentFree
{
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};
using cComponent = std::unique_ptr<icalcomponent, cComponentFree>;

struct cStringFree
{
    void operator()(char* text) const { std::free(text); }
};

icaltimetype LocalIcalTime(const cLocalTime& local)
{
    icaltimetype time = icaltime_null_time();
    time.year = local.year;
    time.month = local.month;
    time.day = local.day;
    time.hour = local.hour;
    time.minute = local.minute;
    time.second = local.second;
    time.is_date = 0;
    return time;
}

icaltimetype UtcIcalTime(TimePoint t)
{
    return icaltime_from_timet_with_zone(static_cast<time_t>(t), 0, icaltimezone_get_utc_timezone());
}

// A start or end in the local zone (with its TZID) when the zone table
// covers it, else in UTC.
icalproperty* TimeProperty(icalproperty* (*make)(icaltimetype), const cLocalZone& zone, TimePoint t,
                           const std::string& zoneName)
{
    if (!zone.Covers(t)) {
        return make(UtcIcalTime(t));
    }
    icalproperty* property = make(LocalIcalTime(zone.At(t)));
    icalproperty_add_parameter(property, icalparameter_new_tzid(zoneName.c_str()));
    return property;
}

// The zone's offsets over the exported span as observances: each change
// starts at the local time it happens, counted in the offset before it.
icalcomponent* TimeZoneComponent(const cLocalZone& zone, const std::string& name)
{
    const auto offsets = zone.Offsets();
    icalcomponent* timeZone = icalcomponent_new_vtimezone();
    icalcomponent_add_property(timeZone, icalproperty_new_tzid(name.c_str()));
    std::int64_t lowest = offsets.front().second;
    for (const auto& [at, offset] : offsets) {
        lowest = std::min(lowest, offset);
    }
    std::int64_t before = offsets.front().second;
    for (const auto& [at, offset] : offsets) {
        icalcomponent* observance =
            offset > lowest ? icalcomponent_new_xdaylight() : icalcomponent_new_xstandard();
        const cLocalTime onset = CivilTime(at + before);
        icalcomponent_add_property(observance, icalproperty_new_dtstart(LocalIcalTime(onset)));
        icalcomponent_add_property(observance, icalproperty_new_tzoffsetfrom(static_cast<int>(before)));
        icalcomponent_add_property(observance, icalproperty_new_tzoffsetto(static_cast<int>(offset)));
        icalcomponent_add_component(timeZone, observance);
        before = offset;
    }
    return timeZone;
}

std::uint64_t Fnv1a(const std::string& text)
{
    std::uint64_t hash = 14695981039346656037ULL;
    for (const unsigned char c : text) {
        hash = (hash ^ c) * 1099511628211ULL;
    }
    return hash;
}

std::string Description(const cDatabase& db, const cMatch& match)
{
    std::string text;
    if (match.IsPlayoff()) {
        text = "Playoff match " + static_cast<const cPlayoffMatch&>(match).m_strNumber;
    } else {
        const cLeague* league = db.GetLeague(match.m_nLeague);
        text = (league != nullptr ? league->m_strName : std::string()) +
               StringPrintf("\nRound %d\nMatch %s", match.m_nRound, match.GetLabel().c_str());
    }
    std::string officials;
    for (int slot = 0; slot < cMatch::kOfficialPositions; ++slot) {
        if (const cReferee* official = db.GetOfficial(match.GetOfficial(slot))) {
            officials += (officials.empty() ? "" : ", ") + official->m_strName;
        }
    }
    if (!officials.empty()) {
        text += "\nOfficials: " + officials;
    }
    return text;
}

} // namespace

bool CalendarHolds(const cMatch& match, const cCalendarExport& what)
{
    if (what.to >= what.from && (match.m_tStart < what.from || match.m_tStart > what.to)) {
        return false;
    }
    if (what.court >= 0 && match.m_nCourt != what.court) {
        return false;
    }
    if ((what.league >= 0 || what.team >= 0) && (match.IsPlayoff() || match.m_nLeague != what.league)) {
        return false;
    }
    if (what.team >= 0 && match.m_nHomeTeam != what.team && match.m_nGuestTeam != what.team) {
        return false;
    }
    if (what.official >= 0) {
        for (int slot = 0; slot < cMatch::kOfficialPositions; ++slot) {
            if (match.GetOfficial(slot) == what.official) {
                return true;
            }
        }
        return false;
    }
    return true;
}

std::string LocalZoneName()
{
    if (const char* tz = std::getenv("TZ"); tz != nullptr) {
        std::string name = tz[0] == ':' ? tz + 1 : tz;
        if (name.find('/') != std::string::npos && name.front() != '/' &&
            name.find("..") == std::string::npos) {
            return name;
        }
        if (!name.empty()) {
            return "Local";
        }
    }
    std::error_code error;
    const std::filesystem::path target = std::filesystem::read_symlink("/etc/localtime", error);
    const std::string text = target.string();
    if (const auto at = text.find("zoneinfo/"); !error && at != std::string::npos) {
        return text.substr(at + 9);
    }
    return "Local";
}

std::string CalendarText(const cDatabase& db, const cCalendarExport& what)
{
    std::vector<const cMatch*> matches;
    TimePoint first = 0;
    TimePoint last = -1;
    for (const cMatch& match : db.Scheduled().Items<cMatch>()) {
        if (CalendarHolds(match, what)) {
            matches.push_back(&match);
            first = last < first ? match.m_tStart : std::min(first, match.m_tStart);
            last = std::max(last, match.m_tEnd);
        }
    }
    const cLocalZone zone(first, last);
    const std::string zoneName = LocalZoneName();

    cComponent calendar(icalcomponent_new_vcalendar());
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    const std::string productId = std::string("-//Tournel//Tournel ") + kTournelVersion + "//EN";
    icalcomponent_add_property(calendar.get(), icalproperty_new_prodid(productId.c_str()));
    icalcomponent_add_property(calendar.get(), icalproperty_new_calscale("GREGORIAN"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_method(ICAL_METHOD_PUBLISH));
    if (!matches.empty() && !zone.Offsets().empty()) {
        icalcomponent_add_component(calendar.get(), TimeZoneComponent(zone, zoneName));
    }

    // The last change of the database stamps every event: exported again
    // after a change, an event carries a higher sequence.
    const TimePoint changed = std::max(db.m_tModified, db.m_tCreated);
    constexpr TimePoint kSequenceEpoch = 1577836800; // 2020-01-01 00:00 UTC
    const int sequence = static_cast<int>(std::clamp<TimePoint>(changed - kSequenceEpoch, 0, INT32_MAX));
    std::map<std::uint64_t, int> playoffsSeen;
    for (const cMatch* match : matches) {
        std::string uid;
        if (match->IsPlayoff()) {
            const auto& playoff = static_cast<const cPlayoffMatch&>(*match);
            const std::uint64_t key =
                Fnv1a(playoff.m_strNumber + '\x1f' + playoff.m_strHomeTeam + '\x1f' + playoff.m_strGuestTeam);
            uid = StringPrintf("playoff-%016llx-%d-%lld@tournel", static_cast<unsigned long long>(key),
                               playoffsSeen[key]++, static_cast<long long>(db.m_tCreated));
        } else {
            uid = StringPrintf("match-%d-%d-%lld@tournel", match->m_nLeague, match->m_nNumber,
                               static_cast<long long>(db.m_tCreated));
        }
        icalcomponent* event = icalcomponent_new_vevent();
        icalcomponent_add_property(event, icalproperty_new_uid(uid.c_str()));
        icalcomponent_add_property(event, icalproperty_new_dtstamp(UtcIcalTime(changed)));
        icalcomponent_add_property(event, icalproperty_new_lastmodified(UtcIcalTime(changed)));
        icalcomponent_add_property(event, icalproperty_new_sequence(sequence));
        icalcomponent_add_property(event,
                                   TimeProperty(icalproperty_new_dtstart, zone, match->m_tStart, zoneName));
        icalcomponent_add_property(event,
                                   TimeProperty(icalproperty_new_dtend, zone, match->m_tEnd, zoneName));
        const std::string summary = match->GetHomeName() + " - " + match->GetGuestName();
        icalcomponent_add_property(event, icalproperty_new_summary(summary.c_str()));
        if (const cCourt* court = db.GetCourt(match->m_nCourt)) {
            icalcomponent_add_property(event, icalproperty_new_location(court->m_strName.c_str()));
        }
        icalcomponent_add_property(event, icalproperty_new_description(Description(db, *match).c_str()));
        icalcomponent_add_component(calendar.get(), event);
    }
    const std::unique_ptr<char, cStringFree> text(icalcomponent_as_ical_string_r(calendar.get()));
    return text ? std::string(text.get()) : std::string();
}

int WriteCalendarFile(const cDatabase& db, const cCalendarExport& what, const std::string& path)
{
    const std::string text = CalendarText(db, what);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (file.is_open()) {
        file << text;
        file.close();
        if (file) {
            return 0;
        }
    }
    db.Prompt().ShowMessage(IDS_UNABLE_TO_OPEN_FILE);
    return IDS_UNABLE_TO_OPEN_FILE;
}
