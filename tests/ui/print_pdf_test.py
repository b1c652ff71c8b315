#!/usr/bin/env python3
"""Runs `tournel --print-pdf` as a user would, without a window.

    print_pdf_test.py TOURNEL TOURNEL_CLI EXAMPLE_SEASON CASE

The example season has no scheduled match; the schedule and tables cases
schedule it first with tournel-cli. When pdftotext (poppler-utils) is
installed, the text of the PDF must name a team or league of the season.
"""

import json
import os
import shutil
import subprocess
import sys
import tempfile

TOURNEL, CLI, SEASON, CASE = sys.argv[1:5]
NOTHING = "There is nothing to print in this directory!"


def run(*args):
    done = subprocess.run(list(args), capture_output=True, timeout=60)
    return done.returncode, done.stderr.decode("utf-8", "replace")


def check(condition, what):
    if not condition:
        raise SystemExit("FAILED: " + what)


def names(season, key):
    dump = subprocess.run([CLI, "dump", season], capture_output=True, timeout=60, check=True)
    data = json.loads(dump.stdout)
    if key == "teams":
        return [team["m_strName"] for league in data["leagues"] for team in league["teams"]]
    return [item["m_strName"] for item in data[key]]


def scheduled_copy(folder):
    season = os.path.join(folder, "scheduled.tnd")
    status, err = run(CLI, "schedule", SEASON, "-o", season, "--seed", "1")
    check(status == 0, "tournel-cli schedule: " + err)
    return season


def print_pdf(folder, kind, season, expected_names):
    pdf = os.path.join(folder, kind + ".pdf")
    status, err = run(TOURNEL, "--print-pdf", pdf, "--print", kind, season)
    check(status == 0, "%s: exit status %d: %s" % (kind, status, err))
    with open(pdf, "rb") as f:
        check(f.read(5) == b"%PDF-", kind + ": not a PDF file")
    if shutil.which("pdftotext"):
        text = subprocess.run(["pdftotext", pdf, "-"], capture_output=True, timeout=60, check=True)
        words = text.stdout.decode("utf-8", "replace")
        check(any(name in words for name in expected_names),
              "%s: none of %r in the printed text" % (kind, expected_names))


def main():
    with tempfile.TemporaryDirectory() as folder:
        if CASE == "schedule":
            season = scheduled_copy(folder)
            print_pdf(folder, "schedule", season, names(season, "teams"))
        elif CASE == "tables":
            season = scheduled_copy(folder)
            print_pdf(folder, "tables", season, names(season, "teams"))
        elif CASE == "content":
            print_pdf(folder, "content", SEASON, names(SEASON, "leagues"))
        elif CASE == "refusals":
            pdf = os.path.join(folder, "none.pdf")
            # No scheduled match in the example season: nothing to print, no file.
            status, err = run(TOURNEL, "--print-pdf", pdf, "--print", "schedule", SEASON)
            check(status == 1 and NOTHING in err, "empty schedule: %d %r" % (status, err))
            check(not os.path.exists(pdf), "a PDF of nothing was written")
            status, err = run(TOURNEL, "--print-pdf", pdf, "--print", "tables", SEASON)
            check(status == 1 and NOTHING in err, "no results: %d %r" % (status, err))
            status, err = run(TOURNEL, "--print-pdf", pdf, "--print", "content",
                              os.path.join(folder, "missing.tnd"))
            check(status == 1, "a missing database printed: %d" % status)
            status, err = run(TOURNEL, "--print-pdf", pdf, "--print", "everything", SEASON)
            check(status == 2, "an unknown print: %d" % status)
            status, err = run(TOURNEL, "--print-pdf", pdf, SEASON)
            check(status == 2, "--print-pdf without --print: %d" % status)
            status, err = run(TOURNEL, "--print-pdf", os.path.join(folder, "no", "such", "dir.pdf"),
                              "--print", "content", SEASON)
            check(status == 1 and "Unable to open the file!" in err,
                  "an unwritable PDF: %d %r" % (status, err))
        else:
            raise SystemExit("unknown case " + CASE)


main()
