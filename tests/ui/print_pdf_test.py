#!/usr/bin/env python3
"""Runs `tournel --print-pdf` as a user would, without a window.

    print_pdf_test.py TOURNEL TOURNEL_CLI EXAMPLE_SEASON CASE

The example season has no scheduled match; the schedule, tables and directory
cases schedule it first with tournel-cli. The text of each PDF must name a team
or league of the season, and every page, rendered by pdftoppm, must show ink
without being a black sheet. Both tools come with poppler-utils; without them
the test is skipped (exit 77). With TOURNEL_DOCS_DIR set, the first page of
each PDF is also kept there as print-KIND.png (of the scheduled matches its
top half).
"""

import json
import os
import shutil
import subprocess
import sys
import tempfile

TOURNEL, CLI, SEASON, CASE = sys.argv[1:5]
NOTHING = "There is nothing to print in this directory!"
SKIPPED = 77


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


def read_pgm(path):
    """The width, height and grey bytes of a binary PGM file as pdftoppm writes it."""
    with open(path, "rb") as f:
        data = f.read()
    fields = []
    at = 0
    while len(fields) < 4:
        while data[at:at + 1].isspace():
            at += 1
        end = at
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[at:end])
        at = end
    check(fields[0] == b"P5", path + ": not a binary PGM")
    width, height = int(fields[1]), int(fields[2])
    pixels = data[at + 1:]
    check(len(pixels) == width * height, path + ": short image")
    return width, height, pixels


def render(folder, kind, pdf):
    """Every page rendered: some ink, a white sheet around it."""
    stem = os.path.join(folder, kind + "-page")
    subprocess.run(["pdftoppm", "-r", "30", "-gray", pdf, stem], check=True, timeout=120)
    pages = sorted(name for name in os.listdir(folder)
                   if name.startswith(kind + "-page") and name.endswith(".pgm"))
    check(pages, kind + ": pdftoppm rendered no page")
    for page in pages:
        width, height, pixels = read_pgm(os.path.join(folder, page))
        ink = sum(1 for value in pixels if value < 128)
        # A print too wide for an upright page is turned: a whole sheet either way.
        check(1.3 < max(width, height) / min(width, height) < 1.5, "%s: %s is not a whole sheet" % (kind, page))
        check(ink > 50, "%s: %s is blank" % (kind, page))
        check(ink < width * height // 4, "%s: %s is mostly black" % (kind, page))
    docs = os.environ.get("TOURNEL_DOCS_DIR")
    if docs:
        # A directory print is kept as the top half of its page, which shows its columns.
        crop = ["-H", "250"] if kind == "scheduled" else []
        subprocess.run(["pdftoppm", "-r", "60", "-png", "-f", "1", "-l", "1", "-singlefile"] + crop +
                       [pdf, os.path.join(docs, "print-" + kind)], check=True, timeout=120)
    return len(pages)


def print_pdf(folder, kind, season, expected_names):
    pdf = os.path.join(folder, kind + ".pdf")
    status, err = run(TOURNEL, "--print-pdf", pdf, "--print", kind, season)
    check(status == 0, "%s: exit status %d: %s" % (kind, status, err))
    with open(pdf, "rb") as f:
        check(f.read(5) == b"%PDF-", kind + ": not a PDF file")
    text = subprocess.run(["pdftotext", "-layout", pdf, "-"], capture_output=True, timeout=60, check=True)
    words = text.stdout.decode("utf-8", "replace")
    check(any(name in words for name in expected_names),
          "%s: none of %r in the printed text" % (kind, expected_names))
    pages = render(folder, kind, pdf)
    check(words.count("\f") == pages, "%s: %d pages of text, %d rendered" % (kind, words.count("\f"), pages))
    return words


def main():
    if CASE != "refusals" and not (shutil.which("pdftotext") and shutil.which("pdftoppm")):
        print("SKIPPED: pdftotext and pdftoppm (Debian poppler-utils) are not installed")
        raise SystemExit(SKIPPED)
    with tempfile.TemporaryDirectory() as folder:
        if CASE == "schedule":
            season = scheduled_copy(folder)
            print_pdf(folder, "schedule", season, names(season, "teams"))
        elif CASE == "tables":
            season = scheduled_copy(folder)
            print_pdf(folder, "tables", season, names(season, "teams"))
        elif CASE == "content":
            print_pdf(folder, "content", SEASON, names(SEASON, "leagues"))
        elif CASE == "directory":
            # The directory print of the scheduled matches, as File > Print shows it.
            season = scheduled_copy(folder)
            text = print_pdf(folder, "scheduled", season, names(season, "teams"))
            check("Scheduled matches" in text, "the scheduled print has no heading: %r" % text[:200])
            print_pdf(folder, "courts", SEASON, names(SEASON, "courts"))
        elif CASE == "refusals":
            pdf = os.path.join(folder, "none.pdf")
            # No scheduled match in the example season: nothing to print, no file.
            status, err = run(TOURNEL, "--print-pdf", pdf, "--print", "schedule", SEASON)
            check(status == 1 and NOTHING in err, "empty schedule: %d %r" % (status, err))
            check(not os.path.exists(pdf), "a PDF of nothing was written")
            status, err = run(TOURNEL, "--print-pdf", pdf, "--print", "tables", SEASON)
            check(status == 1 and NOTHING in err, "no results: %d %r" % (status, err))
            status, err = run(TOURNEL, "--print-pdf", pdf, "--print", "results", SEASON)
            check(status == 1 and NOTHING in err, "no results to list: %d %r" % (status, err))
            check(not os.path.exists(pdf), "a PDF of an empty directory was written")
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
