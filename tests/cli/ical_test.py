#!/usr/bin/env python3
"""tournel-cli ical read back by an independent parser (Debian python3-icalendar).

    ical_test.py TOURNEL_CLI EXAMPLE_SEASON

Schedules copies of the example season and exports their calendars in the
zone Europe/Berlin, across the change to summer time. Every scheduled match
must be one event whose start and end, read through the file's own
VTIMEZONE, are the match's, with "Home - Guest" as summary and the court as
location; exporting again gives the same file; a season scheduled anew keeps
the UIDs of its matches and carries a higher sequence; the selections and the
period limit the events. The test command installs the icalendar module;
without it the test fails, so that the read-back is never silently left out.
"""

import json
import os
import subprocess
import sys
import tempfile
import time
from datetime import timezone

try:
    import icalendar
except ImportError:
    raise SystemExit("FAILED: the Python module icalendar (Debian python3-icalendar) is not installed "
                     "for " + sys.executable + "; tools/test.sh installs it")

CLI, SEASON = sys.argv[1:3]
ENV = dict(os.environ, TZ="Europe/Berlin")


def check(condition, what):
    if not condition:
        raise SystemExit("FAILED: " + what)


def cli(*args, status=0):
    done = subprocess.run([CLI, *args], capture_output=True, timeout=120, env=ENV)
    check(done.returncode == status, "tournel-cli %s: exit %d: %s" % (
        " ".join(args), done.returncode, done.stderr.decode("utf-8", "replace")))
    return done


def read_calendar(path):
    with open(path, "rb") as f:
        data = f.read()
    check(data.startswith(b"BEGIN:VCALENDAR\r\n"), path + ": not an iCalendar file with CR LF line ends")
    calendar = icalendar.Calendar.from_ical(data)
    zones = {str(zone["TZID"]): zone.to_tz() for zone in calendar.walk("VTIMEZONE")}
    return data, calendar, zones


def utc_seconds(value, zones):
    """A DTSTART or DTEND as seconds since 1970, its TZID read through the file's own VTIMEZONE."""
    moment = value.dt
    tzid = value.params.get("TZID")
    if tzid is not None:
        check(tzid in zones, "no VTIMEZONE for " + tzid)
        moment = zones[tzid].localize(moment.replace(tzinfo=None))
    check(moment.tzinfo is not None, "a floating time: %r" % value.to_ical())
    return int(moment.astimezone(timezone.utc).timestamp())


def events(path):
    data, calendar, zones = read_calendar(path)
    found = {}
    for event in calendar.walk("VEVENT"):
        uid = str(event["UID"])
        check(uid not in found, "UID twice: " + uid)
        found[uid] = {
            "start": utc_seconds(event["DTSTART"], zones),
            "end": utc_seconds(event["DTEND"], zones),
            "summary": str(event["SUMMARY"]),
            "location": str(event.get("LOCATION", "")),
            "sequence": int(event["SEQUENCE"]),
        }
    return data, found


def main():
    with tempfile.TemporaryDirectory() as folder:
        first = os.path.join(folder, "first.tnd")
        cli("schedule", SEASON, "-o", first, "--seed", "1")
        season = json.loads(cli("dump", first).stdout)
        teams = {(league["m_nIndex"], team["m_nIndex"]): team["m_strName"]
                 for league in season["leagues"] for team in league["teams"]}
        courts = {court["m_nIndex"]: court["m_strName"] for court in season["courts"]}
        matches = season["scheduled"]
        check(len(matches) > 100, "the example season scheduled only %d matches" % len(matches))

        ics = os.path.join(folder, "all.ics")
        cli("ical", first, ics)
        data, found = events(ics)
        check(len(found) == len(matches), "%d events for %d matches" % (len(found), len(matches)))
        by_time = {}
        for event in found.values():
            by_time.setdefault((event["start"], event["location"]), []).append(event)
        for match in matches:
            home = teams[(match["m_nLeague"], match["m_nHomeTeam"])]
            guest = teams[(match["m_nLeague"], match["m_nGuestTeam"])]
            candidates = by_time.get((match["m_tStart"], courts[match["m_nCourt"]]), [])
            check(any(e["summary"] == home + " - " + guest and e["end"] == match["m_tEnd"] for e in candidates),
                  "no event for %s - %s at %d" % (home, guest, match["m_tStart"]))
        months = {time.gmtime(e["start"]).tm_mon for e in found.values()}
        check(1 in months and 4 in months, "the season does not cross the change to summer time: %r" % months)

        cli("ical", first, os.path.join(folder, "again.ics"))
        with open(os.path.join(folder, "again.ics"), "rb") as f:
            check(f.read() == data, "exporting again gave another file")

        # Scheduled anew: the same matches (UIDs), moved, with a higher sequence.
        time.sleep(1.1)
        second = os.path.join(folder, "second.tnd")
        cli("schedule", SEASON, "-o", second, "--seed", "7")
        cli("ical", second, os.path.join(folder, "second.ics"))
        _, moved = events(os.path.join(folder, "second.ics"))
        check(set(moved) == set(found), "a season scheduled anew changed the UIDs")
        check(any(moved[uid]["start"] != found[uid]["start"] for uid in found), "no match moved")
        check(all(moved[uid]["sequence"] > found[uid]["sequence"] for uid in found),
              "a moved match does not carry a higher sequence")

        # Selections and the period.
        league, team = next(iter(sorted(teams)))
        name = teams[(league, team)]
        cli("ical", first, os.path.join(folder, "team.ics"), "--team", "%d:%d" % (league, team))
        _, own = events(os.path.join(folder, "team.ics"))
        plays = [m for m in matches if m["m_nLeague"] == league and team in (m["m_nHomeTeam"], m["m_nGuestTeam"])]
        check(len(own) == len(plays) and all(name in e["summary"] for e in own.values()),
              "the team's calendar holds %d events for %d matches" % (len(own), len(plays)))
        court = matches[0]["m_nCourt"]
        cli("ical", first, os.path.join(folder, "court.ics"), "--court", str(court))
        _, here = events(os.path.join(folder, "court.ics"))
        check(len(here) == sum(1 for m in matches if m["m_nCourt"] == court)
              and all(e["location"] == courts[court] for e in here.values()), "the court's calendar")
        cli("ical", first, os.path.join(folder, "january.ics"), "--from", "2027-01-01", "--to", "2027-01-31")
        _, january = events(os.path.join(folder, "january.ics"))
        check(january and all(time.localtime(e["start"]).tm_mon == 1 for e in january.values())
              and len(january) < len(found), "the January calendar")

        # Refusals: nothing is written.
        refused = os.path.join(folder, "refused.ics")
        cli("ical", first, refused, "--team", "99:0", status=1)
        cli("ical", first, refused, "--court", "x", status=2)
        cli("ical", first, refused, "--from", "2027-02-01", "--to", "2027-01-01", status=1)
        check(not os.path.exists(refused), "a refused export wrote a file")


main()
