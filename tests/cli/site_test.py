#!/usr/bin/env python3
"""tournel-cli site checked from the outside.

    site_test.py TOURNEL_CLI MAKE_SEASON EXAMPLE_SEASON example|marked|large

example: the example season, scheduled and given officials; marked: a small
generated season with markup, quotes and non-Latin letters in its names;
large: the large generated season with officials and results. For each site:
every page is valid HTML5 (tidy reports nothing), every relative link and
anchor resolves, every team page lists exactly the team's scheduled matches
(as tournel-cli dump has them), every calendar parses with python3-icalendar
and holds the same matches as its page with the UIDs tournel-cli ical gives,
and publishing again writes no file.
"""

import html.parser
import json
import os
import re
import subprocess
import sys
import tempfile
import time
import urllib.parse

try:
    import icalendar
except ImportError:
    raise SystemExit("FAILED: the Python module icalendar (Debian python3-icalendar) is not installed "
                     "for " + sys.executable + "; tools/test.sh installs it")

CLI, MAKE_SEASON, EXAMPLE, CASE = sys.argv[1:5]
NOW = "2027-02-01 12:00"


def check(condition, what):
    if not condition:
        raise SystemExit("FAILED: " + what)


def run(*args):
    done = subprocess.run(list(args), capture_output=True, timeout=600)
    check(done.returncode == 0, "%s: exit %d: %s" % (" ".join(args), done.returncode,
                                                      done.stderr.decode("utf-8", "replace")))
    return done.stdout.decode("utf-8")


class Page(html.parser.HTMLParser):
    """The links, ids, heading, first paragraph link and the first cells of table rows of a page."""

    def __init__(self, text):
        super().__init__(convert_charrefs=True)
        self.links, self.ids, self.labels = [], set(), []
        self.h1, self.league = "", None
        self._in, self._cell, self._row_cells, self._p_link = None, "", None, False
        self._tbody = False
        self.feed(text)

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        for name in ("href", "src"):
            if name in attrs:
                self.links.append(attrs[name])
        if "id" in attrs:
            self.ids.add(attrs["id"])
        if tag == "h1":
            self._in = "h1"
        elif tag == "tbody":
            self._tbody = True
        elif tag == "tr" and self._tbody:
            self._row_cells = []
        elif tag == "td" and self._row_cells is not None:
            self._in, self._cell = "td", ""
        elif tag == "a" and self._p_link is True and self.league is None:
            self._in, self._cell = "league", ""

    def handle_endtag(self, tag):
        if tag == "h1":
            self._in = None
            self._p_link = True  # the team page's league link follows the heading
        elif tag == "td" and self._in == "td":
            self._row_cells.append(self._cell)
            self._in = None
        elif tag == "tr" and self._row_cells is not None:
            if self._row_cells:
                self.labels.append(self._row_cells[0])
            self._row_cells = None
        elif tag == "tbody":
            self._tbody = False
        elif tag == "a" and self._in == "league":
            self.league, self._in = self._cell, None
        elif tag == "p":
            self._p_link = False

    def handle_data(self, data):
        if self._in == "h1":
            self.h1 += data
        elif self._in in ("td", "league"):
            self._cell += data


def files_of(folder):
    found = {}
    for root, _, names in os.walk(folder):
        for name in names:
            path = os.path.join(root, name)
            found[os.path.relpath(path, folder)] = os.stat(path).st_mtime_ns
    return found


def tidy(paths):
    """tidy -q -e on the pages, a batch at a time: no error and no warning."""
    for start in range(0, len(paths), 200):
        batch = paths[start:start + 200]
        done = subprocess.run(["tidy", "-q", "-e", *batch], capture_output=True, timeout=600)
        report = (done.stdout + done.stderr).decode("utf-8", "replace")
        check(done.returncode == 0 and report.strip() == "", "tidy: " + report[:2000])


def calendar_labels(path):
    """The match numbers of a calendar's events, read from their descriptions, and their UIDs."""
    with open(path, "rb") as f:
        calendar = icalendar.Calendar.from_ical(f.read())
    labels, uids = [], set()
    for event in calendar.walk("VEVENT"):
        description = str(event.get("DESCRIPTION", ""))
        found = re.search(r"^(?:Match|Playoff match) (.+)$", description, re.M)
        check(found is not None, path + ": no match number in " + repr(description))
        labels.append(found.group(1))
        uid = str(event["UID"])
        check(uid not in uids, path + ": UID twice: " + uid)
        uids.add(uid)
    return labels, uids


def check_site(season, folder, dump):
    files = files_of(folder)
    pages = sorted(p for p in files if p.endswith(".html"))
    check("index.html" in files and "style.css" in files, "no index.html or style.css")
    tidy([os.path.join(folder, p) for p in pages])

    parsed = {}
    for path in pages:
        with open(os.path.join(folder, path), encoding="utf-8") as f:
            parsed[path] = Page(f.read())
    for path, page in parsed.items():
        for link in page.links:
            target = urllib.parse.urlsplit(link)
            check(not target.scheme and not target.netloc, path + ": a link leaves the site: " + link)
            resolved = os.path.normpath(os.path.join(os.path.dirname(path), urllib.parse.unquote(target.path))) \
                if target.path else path
            check(resolved in files, "%s: %s leads nowhere" % (path, link))
            if target.fragment:
                check(resolved in parsed and target.fragment in parsed[resolved].ids,
                      "%s: no anchor for %s" % (path, link))

    # Each team's page lists exactly its scheduled matches, as the database has them.
    expected = {}
    for league in dump["leagues"]:
        names = [team["m_strName"] for team in league["teams"]]
        check(len(names) == len(set(names)), "team names repeat in " + league["m_strName"])
        for team in league["teams"]:
            expected[(league["m_strName"], team["m_strName"])] = sorted(
                "%s-%d" % (league["m_strShortName"], match["m_nNumber"]) for match in dump["scheduled"]
                if match["class"] == "cMatch" and match["m_nLeague"] == league["m_nIndex"]
                and team["m_nIndex"] in (match["m_nHomeTeam"], match["m_nGuestTeam"]))
    team_pages = [p for p in pages if p.startswith("teams/")]
    check(len(team_pages) == len(expected), "%d team pages for %d teams" % (len(team_pages), len(expected)))
    for path in team_pages:
        page = parsed[path]
        key = (page.league, page.h1)
        check(key in expected, path + ": no such team " + repr(key))
        check(sorted(page.labels) == expected.pop(key), path + ": not the team's matches")

    # Every calendar holds the matches of its page.
    uids = set()
    for path in sorted(p for p in files if p.endswith(".ics")):
        labels, found = calendar_labels(os.path.join(folder, path))
        page = parsed[path[:-4] + ".html"]
        check(sorted(labels) == sorted(page.labels), path + ": not the matches of its page")
        if path.startswith("courts/"):
            uids |= found
    # The courts together hold every match, with the UIDs of tournel-cli ical.
    everything = os.path.join(os.path.dirname(folder), "all.ics")
    run(CLI, "ical", season, everything)
    check(calendar_labels(everything)[1] == uids, "the UIDs differ from tournel-cli ical's")
    return files


def publish(season, folder, expect_written=None):
    out = run(CLI, "site", season, folder, "--now", NOW)
    found = re.fullmatch(r"(\d+) files written, (\d+) unchanged\.\n", out)
    check(found is not None, "site printed " + repr(out))
    return int(found.group(1)), int(found.group(2))


def main():
    with tempfile.TemporaryDirectory() as work:
        season = os.path.join(work, "season.tnd")
        if CASE == "example":
            scheduled = os.path.join(work, "scheduled.tnd")
            run(CLI, "--seed", "3", "schedule", EXAMPLE, "-o", scheduled)
            run(CLI, "--seed", "3", "assign", scheduled, "--until", "2027-02-28", "-o", season)
        else:
            run(MAKE_SEASON, CASE, season)
        dump = json.loads(run(CLI, "dump", season))
        folder = os.path.join(work, "site")
        started = time.monotonic()
        written, unchanged = publish(season, folder)
        took = time.monotonic() - started
        check(unchanged == 0 and written > 0, "the first run wrote %d, left %d" % (written, unchanged))
        files = check_site(season, folder, dump)
        check(len(files) == written, "%d files, %d written" % (len(files), written))

        # Published again, nothing is written.
        time.sleep(0.01)
        again = publish(season, folder)
        check(again == (0, written), "the second run: %d written, %d unchanged" % again)
        check(files_of(folder) == files, "a file changed on the second run")

        if CASE == "marked":
            raw = ["<b>", "<i>", "<Ref>", "<our>", "A & B", '"Quoted"', '"enjoy"']
            for path in files:
                if path.endswith(".html"):
                    with open(os.path.join(folder, path), encoding="utf-8") as f:
                        text = f.read()
                    for word in raw:
                        check(word not in text, "%s holds %s unescaped" % (path, word))
            with open(os.path.join(folder, "index.html"), encoding="utf-8") as f:
                index = f.read()
            for shown in ["&lt;b&gt;A &amp; B&lt;/b&gt;", "&quot;Quoted&quot; League &lt;i&gt;1&lt;/i&gt;",
                          "Зал «Север» &amp; Co", "O'Brien &lt;Ref&gt;", "Welcome to &lt;our&gt; season"]:
                check(shown in index, "index.html does not show " + shown)
        print("%s: %d files in %.1f s" % (CASE, written, took))


main()
