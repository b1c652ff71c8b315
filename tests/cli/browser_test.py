#!/usr/bin/env python3
"""The web pages of the default template opened in a real headless browser.

    browser_test.py TOURNEL_CLI EXAMPLE_SEASON

Schedules a copy of the example season with tournel-cli, writes its schedule
and its tables as web pages into the default template, and opens each in
Chromium: the parsed page must be a complete HTML5 document whose tables name
every team, and a screenshot of its first screen must show text on a white
page. Without a Chromium browser the test is skipped (exit 77). With
TOURNEL_DOCS_DIR set, a screenshot of each page is kept there as
web-schedule.png and web-tables.png.
"""

import html
import json
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import zlib

CLI, SEASON = sys.argv[1:3]
SKIPPED = 77
BROWSERS = ("chromium", "chromium-browser", "google-chrome", "google-chrome-stable")


def check(condition, what):
    if not condition:
        raise SystemExit("FAILED: " + what)


def cli(*args):
    done = subprocess.run([CLI, *args], capture_output=True, timeout=120)
    check(done.returncode == 0, "tournel-cli %s: %s" % (" ".join(args), done.stderr.decode("utf-8", "replace")))
    return done.stdout


def browse(browser, profile, *args):
    command = [browser, "--headless", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
               "--no-first-run", "--user-data-dir=" + profile, *args]
    done = subprocess.run(command, capture_output=True, timeout=120)
    check(done.returncode == 0, "%s: exit status %d: %s" % (" ".join(command), done.returncode,
                                                           done.stderr.decode("utf-8", "replace")[-2000:]))
    return done.stdout.decode("utf-8", "replace")


def png_pixels(path):
    """The width, height and grey values of an 8-bit RGB or RGBA PNG as Chromium writes it."""
    with open(path, "rb") as f:
        data = f.read()
    check(data[:8] == b"\x89PNG\r\n\x1a\n", path + ": not a PNG")
    at, idat = 8, b""
    while at < len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        body = data[at + 8:at + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour = struct.unpack(">IIBB", body[:10])
            check(depth == 8 and colour in (2, 6), path + ": not 8-bit RGB or RGBA")
            channels = 3 if colour == 2 else 4
        elif kind == b"IDAT":
            idat += body
        at += 12 + length
    raw = zlib.decompress(idat)
    stride = width * channels
    previous = bytearray(stride)
    grey = bytearray()
    for y in range(height):
        kind = raw[y * (stride + 1)]
        row = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for x in range(stride):
            a = row[x - channels] if x >= channels else 0
            b = previous[x]
            c = previous[x - channels] if x >= channels else 0
            if kind == 1:
                row[x] = (row[x] + a) & 255
            elif kind == 2:
                row[x] = (row[x] + b) & 255
            elif kind == 3:
                row[x] = (row[x] + (a + b) // 2) & 255
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                row[x] = (row[x] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        grey.extend(min(row[x:x + 3]) for x in range(0, stride, channels))
        previous = row
    return width, height, grey


def open_page(browser, folder, name, page, teams):
    profile = os.path.join(folder, "profile-" + name)
    url = "file://" + page
    dom = browse(browser, profile, "--dump-dom", url)
    check(re.match(r"\s*<!doctype html>\s*<html", dom, re.IGNORECASE) is not None,
          name + ": the browser parsed no HTML5 document: %r" % dom[:100])
    check("<title>" in dom and "<table" in dom.lower(), name + ": no title or table in %r" % dom[:300])
    text = html.unescape(re.sub(r"<[^>]*>", " ", dom))
    missing = [team for team in teams if team not in text]
    check(not missing, "%s: teams not on the page: %r" % (name, missing))

    docs = os.environ.get("TOURNEL_DOCS_DIR")
    shot = os.path.join(docs or folder, "web-" + name + ".png")
    browse(browser, profile, "--window-size=1000,760", "--hide-scrollbars", "--screenshot=" + shot, url)
    width, height, grey = png_pixels(shot)
    ink = sum(1 for value in grey if value < 128)
    check(width == 1000 and height == 760, "%s: a screenshot of %dx%d" % (name, width, height))
    check(1000 < ink < width * height // 4, "%s: %d dark pixels of %d on the screen" % (name, ink, width * height))


def main():
    browser = next((shutil.which(b) for b in BROWSERS if shutil.which(b)), None)
    if browser is None:
        print("SKIPPED: no Chromium browser is installed (Debian package chromium)")
        raise SystemExit(SKIPPED)
    with tempfile.TemporaryDirectory() as folder:
        season = os.path.join(folder, "scheduled.tnd")
        cli("schedule", SEASON, "-o", season, "--seed", "1")
        data = json.loads(cli("dump", season))
        teams = [team["m_strName"] for league in data["leagues"] for team in league["teams"]]
        check(teams, "the example season has no team")
        schedule = os.path.join(folder, "schedule.htm")
        tables = os.path.join(folder, "tables.htm")
        cli("export", season, "--schedule", schedule)
        cli("export", season, "--tables", tables)
        for page in (schedule, tables):
            with open(page, encoding="utf-8") as f:
                check(f.read(15).lower() == "<!doctype html>", page + ": not the default template")
        open_page(browser, folder, "schedule", schedule, teams)
        open_page(browser, folder, "tables", tables, teams)


main()
