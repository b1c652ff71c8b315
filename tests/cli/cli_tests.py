#!/usr/bin/env python3
"""Runs tournel-cli against the golden files and the independent reader and
writer in tests/data/format/tnd.py.

    cli_tests.py TOURNEL_CLI DATA_FOLDER CASE
"""

import csv
import datetime
import io
import json
import re
import os
import subprocess
import sys
import tempfile
import time

CLI, DATA, CASE = os.path.abspath(sys.argv[1]), sys.argv[2], sys.argv[3]
FORMAT = os.path.join(DATA, "format")
sys.path.insert(0, FORMAT)
import tnd  # noqa: E402

OLD_QUESTION = ("This document is created by an old version of Tournel!\n"
                "Do you want to read and convert it to the current version?\n")
NEWER = ("Cannot read this document because it is created by a newer version of Tournel!\n"
         "You need a new software release!\n")
DAMAGED = "Unexpected file format.\n"


def run(*args, cwd=None):
    done = subprocess.run([CLI, *args], capture_output=True, timeout=60, cwd=cwd)
    return done.returncode, done.stdout.decode("utf-8"), done.stderr.decode("utf-8")


def check(condition, what):
    if not condition:
        raise SystemExit("FAILED: " + what)


def contains(expected, actual, where="$"):
    """Every field of `expected` is in `actual` with the same value."""
    if isinstance(expected, dict):
        check(isinstance(actual, dict), where + " is not an object")
        for key, value in expected.items():
            check(key in actual, "%s.%s missing" % (where, key))
            contains(value, actual[key], where + "." + key)
    elif isinstance(expected, list):
        check(isinstance(actual, list) and len(actual) == len(expected),
              "%s: %r != %r" % (where, actual, expected))
        for i, (e, a) in enumerate(zip(expected, actual)):
            contains(e, a, "%s[%d]" % (where, i))
    else:
        check(expected == actual, "%s: %r != %r" % (where, actual, expected))


def read(path):
    with open(path, "rb") as f:
        return f.read()


def case_folders():
    return sorted(d for d in os.listdir(FORMAT)
                  if os.path.isfile(os.path.join(FORMAT, d, "database.json")))


def test_dump_golden():
    for name in case_folders():
        path = os.path.join(FORMAT, name, "database.tnd")
        expected = tnd.parse(read(path))
        with open(os.path.join(FORMAT, name, "database.json"), encoding="utf-8") as f:
            committed = json.load(f)
        check(committed == json.loads(json.dumps(expected)), name + ": database.json is stale")
        status, out, err = run("--yes", "dump", path)
        check(status == 0, "%s: dump exit %d: %s" % (name, status, err))
        old = expected["version"] < tnd.CURRENT - 1e-6
        check(err == (OLD_QUESTION + "Answer: Yes\n" if old else ""), name + ": stderr " + repr(err))
        contains(expected, json.loads(out), name)


def test_new_is_read_by_the_independent_reader():
    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, "season.tnd")
        status, out, err = run("new", path)
        check(status == 0 and out == "" and err == "", "new: %d %r" % (status, err))
        data = read(path)
        parsed = tnd.parse(data)
        contains(tnd.default_document(), {**parsed["document"], "m_tCreated": 0, "m_tModified": 0})
        for name, _, _ in tnd.TOP:
            check(parsed[name] == [], name + " not empty")
        check(parsed["document"]["m_tCreated"] == parsed["document"]["m_tModified"], "times")
        # The independent writer gives the same bytes from what it read.
        stale = dict(parsed)
        check(tnd.write(stale) == data, "independent writer differs from tournel-cli new")
        # And tournel-cli dump says the same as the independent reader.
        status, out, err = run("dump", path)
        check(status == 0, "dump of new")
        contains(parsed, json.loads(out))


def test_convert_full_keeps_every_byte():
    with tempfile.TemporaryDirectory() as folder:
        source = os.path.join(FORMAT, "full", "database.tnd")
        target = os.path.join(folder, "out.tnd")
        status, out, err = run("convert", source, target)
        check(status == 0 and err == "", "convert full: %d %r" % (status, err))
        written = tnd.parse(read(target))
        original = tnd.parse(read(source))
        written["document"]["m_tModified"] = original["document"]["m_tModified"]
        check(written == original, "convert changed the database")
        # Byte for byte, apart from the modification time.
        db = tnd.full_database()
        db["document"]["m_tModified"] = tnd.parse(read(target))["document"]["m_tModified"]
        check(tnd.write(db) == read(target), "bytes differ from the independent writer")


def test_convert_old_versions():
    with tempfile.TemporaryDirectory() as folder:
        for version in tnd.OLD_VERSIONS:
            name = "v%.1f" % version
            source = os.path.join(FORMAT, name, "database.tnd")
            target = os.path.join(folder, name + ".tnd")
            status, out, err = run("--yes", "convert", source, target)
            check(status == 0, "%s: exit %d %r" % (name, status, err))
            check(err == OLD_QUESTION + "Answer: Yes\n", name + ": " + repr(err))
            converted = tnd.parse(read(target))
            check(converted["version"] == tnd.CURRENT, name + " not current")
            old = tnd.parse(read(source))
            for parsed in (old, converted):
                parsed.pop("version")
                parsed["document"].pop("m_tModified")
                parsed["document"].pop("m_strScheduleTemplate", None)
                parsed["document"].pop("m_strTableTemplate", None)
            check(converted == old, name + ": conversion changed data")


def test_refusals():
    with tempfile.TemporaryDirectory() as folder:
        target = os.path.join(folder, "out.tnd")
        status, out, err = run("convert", os.path.join(FORMAT, "v2.2", "database.tnd"), target)
        check(status == 1 and err == OLD_QUESTION + "Answer: No\n", "declined: %d %r" % (status, err))
        check(not os.path.exists(target), "declined file written")
        for options in ([], ["--yes"]):
            status, out, err = run(*options, "convert", os.path.join(FORMAT, "newer", "database.tnd"), target)
            check(status == 1 and err == NEWER, "newer: %d %r" % (status, err))
            check(not os.path.exists(target), "newer file written")
        damaged = os.path.join(folder, "damaged.tnd")
        with open(damaged, "wb") as f:
            f.write(read(os.path.join(FORMAT, "full", "database.tnd"))[:1000])
        status, out, err = run("dump", damaged)
        check(status == 1 and err == DAMAGED and out == "", "damaged: %d %r" % (status, err))
        # A missing file is named, whichever command reads it, and nothing is written.
        missing = os.path.join(folder, "missing.tnd")
        for args in (["dump", missing], ["convert", missing, target], ["table", missing],
                     ["schedule", missing, "-o", target], ["assign", missing, "--until", "2030-01-01", "-o", target],
                     ["export", missing, "--content", os.path.join(folder, "out.txt")],
                     ["write-dir", missing, "courts", os.path.join(folder, "out.txt")],
                     ["ical", missing, os.path.join(folder, "out.ics")], ["rollover", missing, "-o", target]):
            status, out, err = run(*args)
            check(status == 1 and err == 'File not found: "%s"\n' % missing and out == "",
                  "missing, %s: %d %r" % (args[0], status, err))
        check(os.listdir(folder) == ["damaged.tnd"], "written for a missing file: %r" % os.listdir(folder))


def test_usage():
    for args in ([], ["frobnicate"], ["dump"], ["new", "a", "b"], ["--seed"], ["--seed", "x", "new", "a"],
                 ["--bogus", "new", "a"]):
        status, out, err = run(*args)
        check(status == 2 and err, "%r: exit %d" % (args, status))
    status, out, err = run("--help")
    check(status == 0 and "convert IN.tnd OUT.tnd" in out and "--yes" in out and "--seed" in out, "help")
    # Each command's help names its options; the overview describes them all.
    overview = out
    for command in ("new", "dump", "convert", "schedule", "assign", "table", "export", "write-dir", "ical",
                    "import", "changes", "rollover", "check", "close",
                    "replan",
                    "improve", "report", "site"):
        status, out, err = run(command, "--help")
        check(status == 0 and out.startswith("Usage: tournel-cli " + command + " "), command + " --help")
        for option in re.findall(r"^  (--?[a-z-]+)", out.split("\nOptions:\n")[1], re.M):
            check(option in overview, "%s %s missing from --help" % (command, option))
    # An option is its command's own; the global ones may come after the
    # command; an operand spelt like a command is an operand.
    with tempfile.TemporaryDirectory() as folder:
        for args in (["table", "x.tnd", "--sorting", "2"], ["new", os.path.join(folder, "a.tnd"), "--seed", "x"],
                     ["new", "-o", os.path.join(folder, "a.tnd")]):
            status, out, err = run(*args)
            check(status == 2 and err.endswith("\nTry 'tournel-cli --help'.\n"), "%r: exit %d" % (args, status))
        status, out, err = run("new", "new", "--yes", cwd=folder)
        check(status == 0 and os.listdir(folder) == ["new"], "an operand named new: %d %r" % (status, err))


def test_failed_save_keeps_old_file():
    with tempfile.TemporaryDirectory() as folder:
        # A name so long that no temporary name can be made beside it.
        path = os.path.join(folder, "s" * 250 + ".tnd")
        with open(path, "wb") as f:
            f.write(b"old contents")
        status, out, err = run("new", path)
        check(status == 1 and "An unexpected error occurred while writing" in err, "save: %r" % err)
        check(read(path) == b"old contents", "old file harmed")
        check(os.listdir(folder) == [os.path.basename(path)], "temporary file left behind")


def test_schedule_example_season():
    example = os.path.join(DATA, "..", "..", "examples", "season.tnd")
    with tempfile.TemporaryDirectory() as folder:
        outputs = []
        for name in ("first.tnd", "second.tnd"):
            target = os.path.join(folder, name)
            code, out, err = run("--seed", "7", "schedule", example, "-o", target)
            check(code == 0, "schedule failed: " + err)
            check(re.fullmatch(r"\d+ out of 131 matches are scheduled!\n", out) is not None,
                  "final message: %r" % out)
            outputs.append(tnd.parse(read(target)))
        # The reference walk through the whole schedule decides the same.
        target = os.path.join(folder, "literal.tnd")
        code, out, err = run("--seed", "7", "schedule", example, "-o", target, "--literal")
        check(code == 0, "schedule --literal failed: " + err)
        outputs.append(tnd.parse(read(target)))
        for parsed in outputs:
            parsed["document"].pop("m_tModified", None)
        check(outputs[0] == outputs[1], "the same seed gave different schedules")
        check(outputs[0] == outputs[2], "--literal gave a different schedule")
        scheduled = outputs[0]["scheduled"]
        check(len(scheduled) > 100 and len(outputs[0]["results"]) == len(scheduled), "every match has its result")
        code, out, err = run("schedule", os.path.join(folder, "first.tnd"), "-o", os.path.join(folder, "x.tnd"))
        check(code == 0 and out.endswith(" out of 131 matches are scheduled!\n"), "second run: %r" % out)
        code, out, err = run("schedule", example)
        check(code == 2, "schedule without -o is a usage error")


def test_assign_example_season():
    example = os.path.join(DATA, "..", "..", "examples", "season.tnd")
    with tempfile.TemporaryDirectory() as folder:
        scheduled = os.path.join(folder, "scheduled.tnd")
        code, out, err = run("--seed", "7", "schedule", example, "-o", scheduled)
        check(code == 0, "schedule failed: " + err)
        before = tnd.parse(read(scheduled))
        matches = len(before["scheduled"])
        outputs = []
        for name in ("first.tnd", "second.tnd"):
            target = os.path.join(folder, name)
            code, out, err = run("--seed", "5", "assign", scheduled, "--until", "2038-12-31", "-o", target)
            check(code == 0, "assign failed: " + err)
            found = re.fullmatch(r"Assigned (\d+) out of (\d+) requested officials!\n", out)
            check(found is not None, "final message: %r" % out)
            check(int(found.group(2)) == 2 * matches and int(found.group(1)) > 0, "counts: %r" % out)
            outputs.append(tnd.parse(read(target)))
        # The reference walk through the whole schedule assigns the same.
        target = os.path.join(folder, "literal.tnd")
        code, out, err = run("--seed", "5", "assign", scheduled, "--until", "2038-12-31", "-o", target, "--literal")
        check(code == 0, "assign --literal failed: " + err)
        outputs.append(tnd.parse(read(target)))
        for parsed in outputs:
            parsed["document"].pop("m_tModified", None)
        check(outputs[0] == outputs[1], "the same seed gave different assignments")
        check(outputs[0] == outputs[2], "--literal gave a different assignment")
        assigned = outputs[0]
        held = {}
        for match in assigned["scheduled"]:
            for official in match["m_nOfficial"]:
                held[official] = held.get(official, 0) + 1
        for official in assigned["officials"]:
            check(official["m_nGames"] == held.get(official["m_nIndex"], 0),
                  "game count of %s" % official["m_strName"])
        check(sum(held.get(o["m_nIndex"], 0) for o in assigned["officials"]) == int(found.group(1)),
              "the final message counts the slots held")
        # One official per game fills first slots only.
        target = os.path.join(folder, "one.tnd")
        code, out, err = run("--seed", "5", "assign", scheduled, "--until", "2038-12-31", "-o", target,
                             "--officials", "1")
        check(code == 0 and out.endswith(" out of %d requested officials!\n" % matches), "k=1: %r" % out)
        one = tnd.parse(read(target))
        check(all(m["m_nOfficial"][1:] == [-1, -1, -1, -1] for m in one["scheduled"]), "only 1st officials")
        # Nothing before the first match.
        code, out, err = run("assign", scheduled, "--until", "1997-01-01", "-o", target)
        check(code == 0 and out == "No officials are required in the selected time period!\n",
              "before the first match: %r" % out)
        # More officials per game than the document's number, or none, is refused.
        for bad in ("3", "0", "-1"):
            code, out, err = run("assign", scheduled, "--until", "2038-12-31", "-o", target, "--officials", bad)
            check(code == 1 and out == "" and "Please enter an integer between 1 and 2." in err,
                  "--officials %s: %r %r" % (bad, code, err))
        code, out, err = run("assign", scheduled, "--until", "2038-12-31", "-o", target, "--officials", "x")
        check(code == 2, "--officials x is a usage error")
        code, out, err = run("assign", scheduled, "--until", "2027-02-30", "-o", target)
        check(code == 1 and "This date is not a legal date!" in err, "an illegal date is refused")
        for usage in (("assign", scheduled, "-o", target), ("assign", scheduled, "--until", "2038-12-31"),
                      ("assign", scheduled, "--until", "31.12.2038", "-o", target)):
            code, out, err = run(*usage)
            check(code == 2, "usage error: %r" % (usage,))


def test_table():
    full = os.path.join(FORMAT, "full", "database.tnd")
    # Lions A won 3-1 in sets 25-20, 22-25, 25-18, 25-10 (five sets counted, three points a victory).
    lions = "1\tLions A\t1\t1\t0\t0\t0\t   3-1\t  97-73\t1.000\t3\n"
    code, out, err = run("table", full)
    check(code == 0, "table failed: " + err)
    check(out == "Herrar Divisi\u00f3n 1\n" + lions + "Damer\n", "table: %r" % out)
    code, out, err = run("table", full, "--league", "H1")
    check(code == 0 and out == "Herrar Divisi\u00f3n 1\n" + lions, "table --league H1: %r" % out)
    code, out, err = run("table", full, "--league", "XX")
    check(code == 1 and out == "" and "XX" in err, "an unknown league is refused: %r %r" % (out, err))
    code, out, err = run("table", os.path.join(FORMAT, "missing.tnd"))
    check(code == 1, "a missing file is refused")


NO_TEMPLATE = ("Cannot open the template file!\n"
               "Use the Web Template command in the Settings menu to select template.\n")
NO_TAG = ("Cannot find the <TNLX_Content> tag in the template file!\n"
          "The template file is simply copied without modifications.\n")
UNABLE = "Unable to open the file!\n"
NOTHING = "There is nothing to print in this directory!\n"


def scheduled_example(folder):
    """The example season scheduled with seed 7, written to the folder."""
    target = os.path.join(folder, "season.tnd")
    code, out, err = run("--seed", "7", "schedule", os.path.join(DATA, "..", "..", "examples", "season.tnd"),
                         "-o", target)
    check(code == 0, "schedule failed: " + err)
    return target


def test_export_schedule():
    with tempfile.TemporaryDirectory() as folder:
        season = scheduled_example(folder)
        before = read(season)
        out_txt = os.path.join(folder, "schedule.txt")
        code, out, err = run("export", season, "--schedule", out_txt)
        check(code == 0 and out == "" and err == "", "text: %d %r" % (code, err))
        text = read(out_txt).decode("utf-8")
        check(text.startswith("Schedule for \r\n\r\n") and "\t- " in text, "text schedule: %r" % text[:80])
        check("\n" not in text.replace("\r\n", ""), "every line ends with CR LF")
        # The example names its template by a bare file name: not in the
        # working folder, it is found beside the program.
        out_htm = os.path.join(folder, "schedule.htm")
        code, out, err = run("export", season, "--schedule", out_htm, cwd=folder)
        check(code == 0 and err == "", "bare template name: %d %r" % (code, err))
        check(read(out_htm).startswith(b"<!DOCTYPE html>"), "the default template around the schedule")
        # A template that exists nowhere: message 329 and an empty output file.
        code, out, err = run("export", season, "--schedule", out_htm, "--template",
                             os.path.join(folder, "none.htm"), cwd=folder)
        check(code == 1 and err == NO_TEMPLATE, "missing template: %d %r" % (code, err))
        check(read(out_htm) == b"", "the output of a missing template stays empty")
        template = os.path.join(folder, "template.htm")
        with open(template, "wb") as f:
            f.write(b"<body>\n<TNLX_Content>\n</body>\n")
        code, out, err = run("export", season, "--schedule", out_htm, "--template", template, "--court", "0",
                             "--number", "after")
        page = read(out_htm).decode("utf-8")
        check(code == 0 and err == "", "web: %d %r" % (code, err))
        check(page.startswith("<body>\r\n\r\n<TABLE>\r\n") and page.endswith("</TABLE>\r\n\r\n</body>\r\n"),
              "merged page: %r" % page[:60])
        check(page.count("<CAPTION>") == 1 and "Schedule for Northgate Sports Hall</B>" in page, "one court only")
        with open(template, "wb") as f:
            f.write(b"<body>\n<TNLX-Content>\n")
        code, out, err = run("export", season, "--schedule", out_htm, "--template", template)
        check(code == 1 and err == NO_TAG, "no tag: %d %r" % (code, err))
        check(read(out_htm) == b"<body>\r\n<TNLX-Content>\r\n", "the template is copied")
        # A name without extension becomes a web page.
        code, out, err = run("export", season, "--schedule", os.path.join(folder, "plain"), "--template", template)
        check(code == 1 and os.path.exists(os.path.join(folder, "plain.htm")), "default extension")
        code, out, err = run("export", season, "--schedule", os.path.join(folder, "x", "s.txt"))
        check(code == 1 and err == UNABLE, "uncreatable: %d %r" % (code, err))
        code, out, err = run("export", season, "--schedule", out_txt, "--team", "0:2")
        check(code == 0 and read(out_txt).decode("utf-8").startswith("Schedule for Men's Division 1, Harbour A\r\n"),
              "--team: %r" % err)
        for args, status, message in (
                (["--court", "99"], 1, "tournel-cli: no court with the index number 99\n"),
                (["--from", "2027-02-30"], 1,
                 "The start date is not a legal date!\nAn example of an illegal date is 30. of February.\n"),
                (["--to", "2039-01-01"], 1, "Please enter an integer between 1997 and 2038.\n"),
                (["--from", "2027-03-01", "--to", "2027-02-01"], 1,
                 "The start date cannot be later than the final date!\n"),
                (["--sorting", "5"], 2, None), (["--layout", "x"], 2, None), (["--number", "sideways"], 2, None),
                (["--from", "1.3.2027"], 2, None), (["--court", "0", "--sorting", "2"], 2, None),
                (["--court", "0", "--official", "1"], 2, None), (["--team", "3"], 2, None)):
            code, out, err = run("export", season, "--schedule", out_txt, *args)
            check(code == status and (message is None or err == message), "%r: %d %r" % (args, code, err))
        check(read(season) == before, "export changed the season file")
    # A new document names the template beside the program, which the build puts there.
    with tempfile.TemporaryDirectory() as folder:
        fresh = os.path.join(folder, "new.tnd")
        check(run("new", fresh)[0] == 0, "new")
        page = os.path.join(folder, "page.htm")
        code, out, err = run("export", fresh, "--schedule", page, cwd=folder)
        check(code == 0 and err == "", "the shipped template: %d %r" % (code, err))
        html = read(page).decode("utf-8")
        check(html.startswith("<!DOCTYPE html>\r\n") and "<TNLX_Content>" not in html and
              "<CAPTION>&nbsp;<BR><B>Schedule for </B></CAPTION>" in html and html.endswith("</html>\r\n"),
              "a complete page: %r" % html[-80:])


# The print dialogs' choices as export options, each written as the files the
# core writes for the same dialog values (tests/output/PrintSelectionGolden_test.cpp).
SELECTIONS = {
    "schedule-by-date.txt": [],
    "schedule-by-date-grouped-number-before.txt": ["--layout", "1", "--number", "before"],
    "schedule-by-date-and-court-number-after-german.txt": ["--layout", "2", "--number", "after", "--language", "5"],
    "schedule-courts.txt": ["--sorting", "1"],
    "schedule-court-1-number-both.txt": ["--court", "1", "--number", "both"],
    "schedule-leagues.txt": ["--sorting", "2", "--number", "none"],
    "schedule-league-1.txt": ["--league", "1"],
    "schedule-teams.txt": ["--sorting", "3"],
    "schedule-teams-of-league-1.txt": ["--sorting", "3", "--league", "1"],
    "schedule-team-0-2-heading.txt": ["--team", "0:2", "--sorting", "3", "--heading", "Week 2 of #"],
    "schedule-official-0.txt": ["--official", "0"],
    "tables.txt": ["--no-results"],
    "tables-league-0-results.txt": ["--league", "0", "--results-from", "2027-01-11"],
    "tables-columns-heading.txt": ["--columns", "rank,won,lost,disq,ratio", "--heading", "Table of #"],
}


def test_export_selections():
    expected = os.path.join(DATA, "output", "selections")
    check(sorted(os.listdir(expected)) == sorted(SELECTIONS), "the cases differ from the expected files")
    with tempfile.TemporaryDirectory() as folder:
        season = scheduled_example(folder)
        for name, args in SELECTIONS.items():
            target = os.path.join(folder, name)
            if name.startswith("schedule"):
                args = ["--schedule", target, "--from", "2027-01-11", "--to", "2027-01-17", *args]
            else:
                args = ["--tables", target, *args]
            code, out, err = run("export", season, *args)
            check(code == 0 and err == "", "%s: %d %r" % (name, code, err))
            check(read(target) == read(os.path.join(expected, name)), name + " differs from the core's")
        # What the dialogs refuse is refused with their message, nothing written.
        out_txt = os.path.join(folder, "refused.txt")
        between = "Please enter an integer between %d and %d.\n"
        for args, message in (
                (["--schedule", out_txt, "--from", "1996-12-31"], between % (1997, 2038)),
                (["--schedule", out_txt, "--to", "2039-01-01"], between % (1997, 2038)),
                (["--schedule", out_txt, "--from", "2027-13-01"], between % (1, 12)),
                (["--schedule", out_txt, "--to", "2027-02-29"],
                 "The final date is not a legal date!\nAn example of an illegal date is 30. of February.\n"),
                (["--schedule", out_txt, "--heading", "#" * 161], "Please enter no more than 160 characters.\n"),
                (["--schedule", out_txt, "--heading", "#" * 160, "--sorting", "3", "--league", "9"],
                 "tournel-cli: no league with the index number 9\n"),
                (["--tables", out_txt, "--results-from", "1996-01-01"], between % (1997, 2038)),
                (["--tables", out_txt, "--heading", "x" * 161], "Please enter no more than 160 characters.\n")):
            code, out, err = run("export", season, *args)
            check(code == 1 and err == message and not os.path.exists(out_txt), "%r: %d %r" % (args, code, err))
        # A selection that no sorting of its own offers is a usage error.
        for args in (["--team", "0:1", "--sorting", "2"], ["--league", "0", "--sorting", "1"],
                     ["--court", "0", "--sorting", "0"], ["--number", "twice"]):
            code, out, err = run("export", season, "--schedule", out_txt, *args)
            check(code == 2 and err.startswith("tournel-cli: "), "%r: %d %r" % (args, code, err))
        code, out, err = run("export", season, "--tables", out_txt, "--results-from", "2027-01-11", "--no-results")
        check(code == 2, "results from a date and none")


def test_export_tables_and_content():
    with tempfile.TemporaryDirectory() as folder:
        season = scheduled_example(folder)
        tables = os.path.join(folder, "tables.txt")
        code, out, err = run("export", season, "--tables", tables)
        lines = read(tables).decode("utf-8").split("\r\n")
        check(code == 0 and err == "", "tables: %d %r" % (code, err))
        check(lines[0] == "Tables and results for Men's Division 1" and lines[1] == "", "heading: %r" % lines[:2])
        row = lines[2].split("\t")
        check(row[:1] + row[2:] == ["1", "0", "0", "0", "0", "   0-0", "0"] and row[1].endswith(" A"), "row: %r" % row)
        code, out, err = run("export", season, "--tables", tables, "--columns", "rank,points", "--league", "1",
                             "--results-from", "2027-01-01")
        text = read(tables).decode("utf-8")
        check(code == 0 and re.match(r"Tables and results for Women's Division 1\r\n\r\n\r\n1\t[A-Za-z ]+ W\t0\r\n",
                                     text) is not None, "columns, league and results: %r" % text[:90])
        check(text.count("Tables and results") == 1, "one league")
        for args, status, message in ((["--columns", "rank,wins"], 2, None), (["--league", "9"], 1, None),
                                      (["--results-from", "2027-04-31"], 1,
                                       "This date is not a legal date!\n(Examples of illegal dates are 30. "
                                       "February and 31. April).\n")):
            code, out, err = run("export", season, "--tables", tables, *args)
            check(code == status and (message is None or err == message), "%r: %d %r" % (args, code, err))
        content = os.path.join(folder, "content.txt")
        code, out, err = run("export", season, "--content", content, "--courts", "--leagues")
        text = read(content).decode("utf-8")
        check(code == 0 and err == "", "content: %r" % err)
        check(text.startswith("The content of season.tnd:\r\n\r\n- 4 courts with a total of ") and
              "- 4 unscheduled matches, requiring 8 hours and 0 minutes court time." in text and
              "following courts" in text and text.endswith("  - Court rating required: 4-9"), "content: %r" % text)
        code, out, err = run("export", season, "--content", content)
        check(code == 0 and "following" not in read(content).decode("utf-8"), "no overviews")
        for args in ([], ["--tables", tables, "--content", content], ["--schedule"]):
            code, out, err = run("export", season, *args)
            check(code == 2 and err, "usage %r: %d" % (args, code))


def test_write_dir():
    with tempfile.TemporaryDirectory() as folder:
        season = scheduled_example(folder)
        before = read(season)
        names = {"courts": "Courts", "court-time": "Unused Time", "leagues": "Leagues", "officials": "Officials",
                 "unscheduled": "Unscheduled matches", "scheduled": "Scheduled matches", "results": "Results"}
        for directory, title in names.items():
            target = os.path.join(folder, directory + ".txt")
            code, out, err = run("write-dir", season, directory, target)
            check(code == 0 and out == "" and err == "", "%s: %d %r" % (directory, code, err))
            lines = read(target).decode("utf-8").split("\r\n")
            check(lines[0] == title and lines[1] == "" and lines[-1] == "", "%s: %r" % (directory, lines[:3]))
        unscheduled = read(os.path.join(folder, "unscheduled.txt")).decode("utf-8").split("\r\n")
        check(len(unscheduled) == 3 + 4 + 1, "four unscheduled matches: %r" % unscheduled)
        check(read(season) == before, "write-dir changed the season file")
        empty = os.path.join(folder, "empty.tnd")
        check(run("new", empty)[0] == 0, "new")
        target = os.path.join(folder, "none.txt")
        code, out, err = run("write-dir", empty, "courts", target)
        check(code == 1 and err == NOTHING and not os.path.exists(target), "empty: %d %r" % (code, err))
        code, out, err = run("write-dir", season, "courts", os.path.join(folder, "x", "c.txt"))
        check(code == 1 and err == UNABLE, "uncreatable: %d %r" % (code, err))
        code, out, err = run("write-dir", season, "teams", target)
        check(code == 2, "unknown directory")
        code, out, err = run("write-dir", season, "courts")
        check(code == 2, "missing operand")


def read_csv(path):
    """The rows of a CSV file as Python's own reader takes them; every line ends in CR LF."""
    data = read(path).decode("utf-8")
    check(data.endswith("\r\n") and "\n" not in data.replace("\r\n", ""), path + ": not CR LF throughout")
    return list(csv.reader(io.StringIO(data, newline="")))


def write_csv(path, rows):
    with open(path, "w", encoding="utf-8", newline="") as f:
        csv.writer(f).writerows(rows)


def test_csv_export_and_import():
    with tempfile.TemporaryDirectory() as folder:
        season = scheduled_example(folder)
        before = read(season)
        # Spreadsheets of a directory, a league's teams, the schedule and the tables.
        for directory in ("officials", "court-time", "teams:0", "results"):
            target = os.path.join(folder, directory.replace(":", "") + ".csv")
            code, out, err = run("write-dir", season, directory, target)
            check(code == 0 and err == "", "write-dir %s: %d %r" % (directory, code, err))
        officials = read_csv(os.path.join(folder, "officials.csv"))
        check(officials[0][:2] == ["Official name", "Club"] and len(officials) == 11, repr(officials[:2]))
        check(read_csv(os.path.join(folder, "court-time.csv"))[1][1] == "2027-01-11", "ISO dates")
        code, out, err = run("export", season, "--schedule", os.path.join(folder, "schedule.csv"))
        schedule = read_csv(os.path.join(folder, "schedule.csv"))
        check(code == 0 and schedule[0][:4] == ["League name", "Match no.", "Date", "Time"], repr(schedule[0]))
        check(re.fullmatch(r"\d\d:\d\d", schedule[1][3]), "HH:MM times: %r" % schedule[1])
        check(len(schedule) == 1 + 127, "every scheduled match once: %d" % len(schedule))
        code, out, err = run("export", season, "--tables", os.path.join(folder, "tables.csv"))
        check(code == 0 and read_csv(os.path.join(folder, "tables.csv"))[0][0] == "League name", "tables")
        check(read(season) == before, "exporting changed the season file")

        # Officials into an empty season give the same spreadsheet back.
        empty = os.path.join(folder, "empty.tnd")
        check(run("new", empty)[0] == 0, "new")
        filled = os.path.join(folder, "filled.tnd")
        code, out, err = run("--yes", "import", empty, "--officials", os.path.join(folder, "officials.csv"),
                             "-o", filled)
        check(code == 0 and out.startswith("10 rows to import, 0 refused"), "officials: %d %r %r" % (code, out, err))
        again = os.path.join(folder, "again.csv")
        check(run("write-dir", filled, "officials", again)[0] == 0, "write-dir again")
        check(read(again) == read(os.path.join(folder, "officials.csv")), "officials differ after the round trip")
        # Court time needs its courts: every row refused, nothing written.
        code, out, err = run("--yes", "import", empty, "--court-time", os.path.join(folder, "court-time.csv"),
                             "-o", os.path.join(folder, "none.tnd"))
        check(code == 1 and 'Line 2, Court: There is no court "EG".' in err and not os.path.exists(
            os.path.join(folder, "none.tnd")), "court time without courts: %d %r" % (code, err[:200]))

        # Results filled in the spreadsheet; one row is wrong.
        results = read_csv(os.path.join(folder, "results.csv"))
        results[1][6] = "3 - 1"
        results[2][6] = "0:3"
        results[3][6] = "three"
        results[4][6] = ""
        filled_in = os.path.join(folder, "filled-in.csv")
        write_csv(filled_in, results[:5])
        played = os.path.join(folder, "played.tnd")
        code, out, err = run("import", season, "--results", filled_in, "-o", played)
        check(code == 1 and "Line 4, Final result: Please enter a result as 3 - 1" in err, "dry run: %d %r" % (code, err))
        check("2 rows to import, 1 refused, 1 without a result." in out and "--yes" in out, "dry run: " + out)
        check(not os.path.exists(played), "the dry run wrote the season")
        code, out, err = run("--yes", "import", season, "--results", filled_in, "-o", played)
        check(code == 0 and os.path.exists(played), "import: %d %r" % (code, err))
        code, out, err = run("table", played)
        check(sum(int(line.split("\t")[2]) for line in out.splitlines() if "\t" in line) == 4,
              "two results, four teams with a played match: " + out)
        check(read(season) == before, "import changed its input file")
        # The results written and imported again: both rows unchanged, nothing to import.
        written = os.path.join(folder, "played-results.csv")
        check(run("write-dir", played, "results", written)[0] == 0, "write-dir results")
        code, out, err = run("--yes", "import", played, "--results", written,
                             "-o", os.path.join(folder, "replayed.tnd"))
        check(code == 1 and ", 2 unchanged." in out and "There is nothing to import." in err
              and not os.path.exists(os.path.join(folder, "replayed.tnd")),
              "results imported again: %d %r %r" % (code, out, err))

        # Usage.
        for args in (["import", season, filled_in, "-o", played],
                     ["import", season, "--teams", "x", filled_in, "-o", played],
                     ["import", season, "--officials", "--results", filled_in, "-o", played],
                     ["import", season, "--results", filled_in],
                     ["write-dir", season, "teams:x", again]):
            check(run(*args)[0] == 2, "usage: %r" % args)
        check(run("write-dir", season, "teams:99", again)[0] == 1, "no league 99")


def test_changes():
    with tempfile.TemporaryDirectory() as folder:
        season = scheduled_example(folder)
        before = read(season)
        code, out, err = run("changes", season, season)
        check(code == 0 and out == "No changes.\n" and err == "", "itself: %d %r %r" % (code, out, err))
        # Two matches of one league swap their places (so that no court time
        # needs repair), a third is taken out of the schedule with its result.
        db = tnd.parse(before)
        matches = [m for m in db["scheduled"] if m["m_nLeague"] == 0]
        first, second, removed = matches[0], matches[1], matches[2]
        for field in ("m_tStart", "m_tEnd", "m_nCourt"):
            first[field], second[field] = second[field], first[field]
        db["scheduled"].remove(removed)
        key = [removed[f] for f in ("m_nLeague", "m_nHomeTeam", "m_nGuestTeam", "m_nRound")]
        db["results"] = [r for r in db["results"]
                         if [r[f] for f in ("m_nLeague", "m_nHomeTeam", "m_nGuestTeam", "m_nRound")] != key]
        changed = os.path.join(folder, "changed.tnd")
        with open(changed, "wb") as f:
            f.write(tnd.write(db))
        league = db["leagues"][0]
        teams = {t["m_nIndex"]: t["m_strName"] for t in league["teams"]}
        expected = {}
        for match, kind in ((first, "Moved"), (second, "Moved"), (removed, "Removed")):
            for team in (match["m_nHomeTeam"], match["m_nGuestTeam"]):
                expected.setdefault(league["m_strName"] + ", " + teams[team], []).append(kind)
        code, out, err = run("changes", season, changed)
        check(code == 0 and err == "" and out.startswith("Teams\n\n"), "changes: %d %r" % (code, err))
        told = {}
        for block in out.split("\n\n")[1:]:
            heading, *lines = block.splitlines()
            told[heading] = sorted(line.split(": ")[1] for line in lines)
        check(told == {k: sorted(v) for k, v in expected.items()}, "told: %r" % told)
        # The spreadsheet: a header row, then one row per change per team.
        code, out, err = run("changes", season, changed, "--csv")
        check(code == 0 and err == "" and out.endswith("\r\n"), "csv: %d %r" % (code, err))
        rows = list(csv.DictReader(io.StringIO(out, newline="")))
        check(len(rows) == sum(len(v) for v in expected.values()), "csv rows: %r" % rows)
        moved = [r for r in rows if r["Change"] == "Moved"]
        check(all(r["Old date"] and r["New date"] and r["Old court"] and r["New court"] for r in moved),
              "moved rows hold old and new values: %r" % moved)
        check(all(r["Change"] == "Removed" and not r["New date"] for r in rows if r not in moved), "removed rows")
        # One team: the home team of the removed match.
        home = removed["m_nHomeTeam"]
        code, out, err = run("changes", season, changed, "--team", "0:%d" % home)
        heading = league["m_strName"] + ", " + teams[home]
        check(code == 0 and out.startswith("Teams\n\n" + heading + "\n") and out.count("\n\n") == 1
              and "Officials" not in out, "--team: %r" % out)
        code, out, err = run("changes", season, season, "--team", "0:%d" % home, "--csv")
        check(code == 0 and out.count("\r\n") == 1 and err == "No changes.\n", "--csv unchanged: %r" % err)
        # Another season: created at another time.
        db["document"]["m_tCreated"] += 1
        other = os.path.join(folder, "other.tnd")
        with open(other, "wb") as f:
            f.write(tnd.write(db))
        code, out, err = run("changes", season, other)
        check(code == 1 and out == "" and err.startswith("The two files hold different seasons")
              and err.endswith("Only two versions of one season can be compared.\n"), "other: %d %r" % (code, err))
        missing = os.path.join(folder, "missing.tnd")
        for args in ([missing, season], [season, missing]):
            code, out, err = run("changes", *args)
            check(code == 1 and err == 'File not found: "%s"\n' % missing and out == "", "missing: %r" % err)
        check(run("changes", season, changed, "--team", "99:0")[0] == 1, "no league 99")
        for args in (["changes", season], ["changes", season, changed, "--team", "x"],
                     ["changes", season, changed, "--csv", "x"], ["changes", season, changed, "--court", "0"]):
            check(run(*args)[0] == 2, "usage: %r" % args)
        check(read(season) == before, "changes wrote its input file")
def local_day(t):
    return datetime.date(*time.localtime(t)[:3])


def clock(t):
    moment = time.localtime(t)
    return moment.tm_wday, moment.tm_hour, moment.tm_min, moment.tm_sec


def entered_court_time(db):
    """Per court, the free periods and the matches' time joined where they touch."""
    spans = {}
    for item in db["courtTime"] + db["scheduled"]:
        spans.setdefault(item["m_nCourt"], []).append((item["m_tStart"], item["m_tEnd"]))
    joined = {}
    for court, parts in spans.items():
        out = []
        for start, end in sorted(parts):
            if out and start <= out[-1][1]:
                out[-1] = (out[-1][0], max(out[-1][1], end))
            else:
                out.append((start, end))
        joined[court] = out
    return joined


def test_rollover():
    with tempfile.TemporaryDirectory() as folder:
        season = scheduled_example(folder)
        before = read(season)
        old = tnd.parse(before)
        check(old["scheduled"] and old["results"], "the example is scheduled")
        for weeks in (1, 52):
            target = os.path.join(folder, "next%d.tnd" % weeks)
            args = ["rollover", season, "-o", target] + (["--weeks", str(weeks)] if weeks != 52 else [])
            code, out, err = run(*args)
            check(code == 0 and out == "" and err == "", "rollover %d: %d %r" % (weeks, code, err))
            new = tnd.parse(read(target))
            for name in ("scheduled", "results", "unscheduled"):
                check(new[name] == [], "%d weeks: %s left" % (weeks, name))
            check(new["courts"] == old["courts"] and len(new["leagues"]) == len(old["leagues"]), "kept")
            # The court time as entered is all free now, every stretch exactly
            # `weeks` weeks on in local time.
            entered = entered_court_time(old)
            free = entered_court_time(new)
            check(sorted(free) == sorted(entered), "courts with court time")
            for court, spans in entered.items():
                check(len(free[court]) == len(spans), "court %d: %d stretches" % (court, len(spans)))
                for (start, end), (new_start, new_end) in zip(spans, free[court]):
                    for a, b in ((start, new_start), (end, new_end)):
                        check((local_day(b) - local_day(a)).days == 7 * weeks and clock(a) == clock(b),
                              "court %d: %s moved to %s" % (court, time.ctime(a), time.ctime(b)))
            code, out, err = run("table", target)
            check(code == 0 and "\t0\t0\t0\t0\t0\t" in out, "tables read: %r" % out)
        code, out, err = run("rollover", season, "-o", os.path.join(folder, "bare.tnd"), "--no-court-time")
        check(code == 0 and tnd.parse(read(os.path.join(folder, "bare.tnd")))["courtTime"] == [],
              "--no-court-time: %d %r" % (code, err))
        # Ten years on twice would leave what the file holds: refused whole, nothing written.
        far = os.path.join(folder, "far.tnd")
        code, out, err = run("rollover", season, "-o", far, "--weeks", "520")
        check(code == 0, "520 weeks: %r" % err)
        refused = os.path.join(folder, "refused.tnd")
        code, out, err = run("rollover", far, "-o", refused, "--weeks", "520")
        check(code == 1 and out == "" and err.startswith("tournel-cli: The new season cannot be made: ")
              and err.endswith("\nNothing was made.\n"), "beyond 2038: %d %r" % (code, err))
        for bad in ("0", "521", "-3"):
            code, out, err = run("rollover", season, "-o", refused, "--weeks", bad)
            check(code == 1 and "Please enter an integer between 1 and 520." in err, "--weeks %s: %r" % (bad, err))
        for usage in (["rollover", season, "-o", refused, "--weeks", "x"], ["rollover", season]):
            code, out, err = run(*usage)
            check(code == 2, "usage error: %r" % usage)
        check(not os.path.exists(refused), "a refused season was written")
        check(read(season) == before, "the season read was changed")


def test_check():
    with tempfile.TemporaryDirectory() as folder:
        season = scheduled_example(folder)
        code, out, err = run("check", season)
        check(code == 0 and out == "", "a fresh schedule: %d %r %r" % (code, out, err))
        code, out, err = run("check", season, "--json")
        check(code == 0 and json.loads(out) == [], "a fresh schedule as JSON: %d %r" % (code, out))
        # A raised rest rule makes the league's matches conflicts; the court rating
        # lowered below every league's range is ignored as the settings say.
        db = tnd.parse(read(season))
        first = db["scheduled"][0]
        league = next(l for l in db["leagues"] if l["m_nIndex"] == first["m_nLeague"])
        league["m_tsRestSameTeam"] = 400 * 86400
        for court in db["courts"]:
            court["m_nRating"] = 0
        db["document"]["m_bSchedIgnoreCourtRatings"] = 1
        changed = os.path.join(folder, "changed.tnd")
        with open(changed, "wb") as f:
            f.write(tnd.write(db))
        code, out, err = run("check", changed)
        check(code == 1 and err == "", "conflicts: %d %r" % (code, err))
        lines = [line.split("\t") for line in out.splitlines()]
        label = "%s-%d" % (league["m_strShortName"], first["m_nNumber"])
        check(lines and all(len(fields) == 6 and fields[4] == "rest-days" for fields in lines), "lines: %r" % out)
        check(lines[0][0] == label and re.fullmatch(r"\d{4}-\d\d-\d\d", lines[0][1]) and
              re.fullmatch(r"\d\d:\d\d", lines[0][2]), "the first line: %r" % lines[0])
        check(lines[0][5] in ("There are not enough days between matches involving the home team.",
                              "There are not enough days between matches involving the guest team."),
              "the message: %r" % lines[0][5])
        code, out, err = run("check", changed, "--json")
        check(code == 1, "--json exit %d" % code)
        keys = ["match", "date", "time", "court", "rule", "message"]
        check(json.loads(out) == [dict(zip(keys, fields)) for fields in lines], "the JSON differs: %r" % out)
        # A refused file is 2, never taken for a schedule in conflict.
        damaged = os.path.join(folder, "damaged.tnd")
        with open(damaged, "wb") as f:
            f.write(read(season)[:1000])
        for path in (damaged, os.path.join(folder, "missing.tnd")):
            code, out, err = run("check", path)
            check(code == 2 and out == "" and err != "", "refused %s: %d %r" % (path, code, err))
        check(run("check")[0] == 2, "check without a file is a usage error")


def local(text):
    """Seconds of a local "YYYY-MM-DD HH:MM" in the test's time zone."""
    return int(time.mktime(time.strptime(text, "%Y-%m-%d %H:%M")))


def pairing(match):
    return (match["m_nLeague"], match["m_nHomeTeam"], match["m_nGuestTeam"], match["m_nRound"])


def test_close():
    with tempfile.TemporaryDirectory() as folder:
        season = scheduled_example(folder)
        before = tnd.parse(read(season))
        # A played match in the closed time stays and is named.
        start, end = local("2027-02-06 00:00"), local("2027-02-08 00:00")
        inside = [m for m in before["scheduled"] if m["m_tStart"] < end and m["m_tEnd"] > start]
        check(len(inside) >= 3, "matches in the closed time: %d" % len(inside))
        played = inside[0]
        result = next(r for r in before["results"] if pairing(r) == pairing(played))
        result["m_bPlayed"], result["m_nHomeScore"][0] = 1, 3
        inside[1]["m_nOfficial"][0] = before["officials"][0]["m_nIndex"]
        changed = os.path.join(folder, "changed.tnd")
        with open(changed, "wb") as f:
            f.write(tnd.write(before))
        before = tnd.parse(read(changed))

        outputs = []
        for name in ("first.tnd", "second.tnd"):
            target = os.path.join(folder, name)
            code, out, err = run("--seed", "3", "close", changed, "--all", "--from", "2027-02-06 00:00",
                                 "--to", "2027-02-08 00:00", "--replan", "-o", target)
            check(code == 0, "close failed: %d %r" % (code, err))
            outputs.append(tnd.parse(read(target)))
        check(outputs[0]["scheduled"] == outputs[1]["scheduled"], "the same seed placed differently")
        label = next(l["m_strShortName"] for l in before["leagues"] if l["m_nIndex"] == played["m_nLeague"])
        match = re.fullmatch(r"The court time of every court from \S+ 0000 to \S+ 0000 is closed\.\n"
                             r"(\d+) matches went back to the unscheduled matches: (\d+) were re-planned, "
                             r"(\d+) could not be placed and wait among the unscheduled matches\.\n\n"
                             r"These played matches stay in the closed time:\n     %s-%d  .*\n"
                             % (label, played["m_nNumber"]), out)
        check(match is not None, "the final message: %r" % out)
        returned, placed, waiting = (int(g) for g in match.groups())
        check(returned == len(inside) - 1 and placed + waiting == returned and placed > 0, out)

        after = outputs[0]
        now = {pairing(m): m for m in after["scheduled"]}
        moved = {pairing(m) for m in inside[1:]}
        for old in before["scheduled"]:
            new = now.get(pairing(old))
            if pairing(old) not in moved:
                check(new == old, "a match outside the closed time changed: %r" % old)
            elif new is not None:
                check(not (new["m_tStart"] < end and new["m_tEnd"] > start), "placed in the closed time")
                check(new["m_nNumber"] == old["m_nNumber"] and new["m_nOfficial"] == [-1] * 5 and
                      new["m_bByHand"] == 0, "placed again: %r" % new)
        check([r for r in after["results"] if r["m_bPlayed"]] == [r for r in before["results"] if r["m_bPlayed"]],
              "the results changed")
        check(not [p for p in after["courtTime"] if p["m_tStart"] < end and p["m_tEnd"] > start],
              "free court time is left in the closed time")

        # Without --replan the matches wait among the unscheduled matches, numbers kept.
        court = next(c for c in before["courts"] if c["m_nIndex"] == inside[1]["m_nCourt"])
        target = os.path.join(folder, "waiting.tnd")
        code, out, err = run("close", changed, "--court", court["m_strShortName"], "--from", "2027-02-06 00:00",
                             "--to", "2027-02-08 00:00", "-o", target)
        check(code == 0 and out.startswith("The court time of %s from " % court["m_strShortName"]), out + err)
        waiting = {pairing(m): m["m_nNumber"] for m in tnd.parse(read(target))["unscheduled"]}
        check(waiting.get(pairing(inside[1])) == inside[1]["m_nNumber"], "the number was not kept")

        # Refused values write nothing; a wrong form is a usage error.
        refused = os.path.join(folder, "refused.tnd")
        whole = ["--from", "2027-02-06 00:00", "--to", "2027-02-08 00:00"]
        for args, message in (
                (["--court", "XX", *whole], "There is no such court!"),
                (["--all", "--from", "2027-02-08 00:00", "--to", "2027-02-06 00:00"],
                 "The closed time must end after it starts!"),
                (["--all", "--from", "2027-02-08 10:00", "--to", "2027-02-08 10:00"],
                 "The closed time must end after it starts!"),
                (["--all", "--from", "2027-04-31 00:00", "--to", "2027-05-02 00:00"],
                 "The first date is not a legal date between 1997 and 2038!"),
                (["--all", "--from", "2038-01-01 00:00", "--to", "2039-01-02 00:00"],
                 "The final date is not a legal date between 1997 and 2038!"),
                (["--all", "--from", "2027-02-06 10:60", "--to", "2027-02-08 00:00"],
                 "The first time is an invalid time!")):
            code, out, err = run("close", changed, *args, "-o", refused)
            check(code == 1 and err.startswith("tournel-cli: " + message) and not os.path.exists(refused),
                  "%r: %d %r" % (args, code, err))
        for args in (whole, ["--all", "--court", "NH", *whole], ["--all", "--from", "2027-02-06", "--to",
                     "2027-02-08 00:00"], ["--all", "--from", "2027-02-06 00:00"]):
            code, out, err = run("close", changed, *args, "-o", refused)
            check(code == 2 and not os.path.exists(refused), "usage %r: %d %r" % (args, code, err))
        check(run("close", changed, "--all", *whole)[0] == 2, "close without -o is a usage error")


def test_replan():
    with tempfile.TemporaryDirectory() as folder:
        season = scheduled_example(folder)
        target = os.path.join(folder, "same.tnd")
        code, out, err = run("replan", season, "-o", target)
        check(code == 0 and out == "There are no conflicting matches to re-plan.\n", out + err)
        # A holiday of every league over a weekend puts its matches in conflict.
        db = tnd.parse(read(season))
        start, end = local("2027-02-06 00:00"), local("2027-02-07 23:59")
        for league in db["leagues"]:
            league["holidays"].append({"class": "cIllDate", "m_bFiltered": 0, "m_bMarked": 0, "m_bHidden": 0,
                                       "m_tStart": start, "m_tEnd": end})
        hand = next(m for m in db["scheduled"] if start <= m["m_tStart"] < end)
        hand["m_bByHand"] = 1
        changed = os.path.join(folder, "holiday.tnd")
        with open(changed, "wb") as f:
            f.write(tnd.write(db))
        conflicts = len(run("check", changed)[1].splitlines())
        check(conflicts >= 3, "conflicts: %d" % conflicts)
        for args, stayed in (([], 1), (["--all-conflicts"], 0)):
            code, out, err = run("--seed", "4", "replan", changed, "-o", target, *args)
            check(code == 0, "replan %r: %r" % (args, err))
            match = re.fullmatch(r"(\d+) conflicting matches were re-planned, (\d+) could not be placed and "
                                 r"wait among the unscheduled matches\.\n(.*)", out, re.S)
            check(match is not None and int(match.group(1)) + int(match.group(2)) == conflicts - stayed,
                  "%r: %r" % (args, out))
            left = run("check", target)[1].splitlines()
            check(len(left) == stayed, "%r: conflicts left %r" % (args, left))
            after = {pairing(m): m for m in tnd.parse(read(target))["scheduled"]}
            for old in db["scheduled"]:
                if not start <= old["m_tStart"] < end:
                    check(after.get(pairing(old)) == old, "a match without conflict moved: %r" % old)
        check(run("replan", changed)[0] == 2, "replan without -o is a usage error")


def test_report():
    with tempfile.TemporaryDirectory() as folder:
        season = scheduled_example(folder)
        before = read(season)
        db = tnd.parse(before)
        code, text, err = run("report", season)
        check(code == 0 and err == "" and text.startswith("Schedule report\n"), "text: %d %r" % (code, err))
        code, out, err = run("report", season, "--json")
        check(code == 0 and err == "", "--json: %d %r" % (code, err))
        report = json.loads(out)
        check(list(report) == ["playoff_matches", "leagues", "teams", "officials", "courts"], "keys %r" % list(report))
        code, out, err = run("report", season, "--csv")
        check(code == 0 and err == "", "--csv: %d %r" % (code, err))
        check(out.endswith("\r\n") and "\n" not in out.replace("\r\n", ""), "CSV lines end in CR LF")
        rows = list(csv.reader(io.StringIO(out, newline="")))
        check(rows[0] == ["section", "league", "name", "measure", "period", "value"], "header %r" % rows[0])
        check(all(len(row) == 6 for row in rows), "every row has six cells")
        check(read(season) == before, "the season read was changed")

        # The numbers are the file's: each league's matches and dates, each
        # team's matches, and the courts' hours add up to the matches' time.
        for league in db["leagues"]:
            matches = [m for m in db["scheduled"] if m["class"] == "cMatch" and m["m_nLeague"] == league["m_nIndex"]]
            got = next(l for l in report["leagues"] if l["league"] == league["m_strShortName"])
            check(got["scheduled"] == len(matches), "%s scheduled %r" % (league["m_strShortName"], got))
            check(got["first_date"] == local_day(min(m["m_tStart"] for m in matches)).isoformat() and
                  got["last_date"] == local_day(max(m["m_tStart"] for m in matches)).isoformat(), "dates %r" % got)
            for team in league["teams"]:
                played = [m for m in matches if team["m_nIndex"] in (m["m_nHomeTeam"], m["m_nGuestTeam"])]
                got = next(t for t in report["teams"]
                           if t["league"] == league["m_strShortName"] and t["team"] == team["m_strName"])
                check(got["scheduled"] == len(played) and got["home"] + got["away"] == len(played) and
                      sum(got["weekdays"].values()) == len(played), "%s %r" % (team["m_strName"], got))
                check(team["m_strName"] in text, team["m_strName"] + " missing from the text")
                value = next(r[5] for r in rows if r[0] == "team" and r[1] == got["league"] and r[2] == got["team"]
                             and r[3] == "scheduled")
                check(int(value) == len(played), "the CSV's %s: %s" % (team["m_strName"], value))
        used = sum(w["used_hours"] for c in report["courts"] for w in c["weeks"])
        hours = sum(m["m_tEnd"] - m["m_tStart"] for m in db["scheduled"]) / 3600
        check(abs(used - hours) < 0.05 * len(report["courts"]) * len(report["courts"][0]["weeks"]),
              "used hours %s, matches %s" % (used, hours))

        code, out, err = run("report", season, "--json", "--csv")
        check(code == 2 and out == "" and "not both" in err, "--json --csv: %d %r" % (code, err))
        code, out, err = run("report", os.path.join(folder, "missing.tnd"))
        check(code == 1 and out == "" and err != "", "a missing file: %d %r" % (code, err))


def test_site():
    with tempfile.TemporaryDirectory() as folder:
        season = scheduled_example(folder)
        # The folder is made, the title defaults to the file's name.
        site = os.path.join(folder, "new", "site")
        code, out, err = run("site", season, site, "--now", "2027-02-01 12:00")
        written = len([n for _, _, names in os.walk(site) for n in names])
        check(code == 0 and err == "" and out == "%d files written, 0 unchanged.\n" % written, out + err)
        title = os.path.splitext(os.path.basename(season))[0]
        check("<title>%s</title>" % title in read(os.path.join(site, "index.html")).decode(), "default title")
        # Another title rewrites every page but leaves the stylesheet and the calendars.
        calendars = len([n for _, _, names in os.walk(site) for n in names if n.endswith(".ics")])
        code, out, err = run("site", season, site, "--title", "Cup & <2027>", "--now", "2027-02-01 12:00")
        check(code == 0 and out == "%d files written, %d unchanged.\n" % (written - calendars - 1, calendars + 1),
              out + err)
        check("<h1>Cup &amp; &lt;2027&gt;</h1>" in read(os.path.join(site, "index.html")).decode(), "title")
        # Later, the next matches move on: the front page alone changes.
        code, out, err = run("site", season, site, "--title", "Cup & <2027>", "--now", "2027-03-01 12:00")
        check(code == 0 and out == "1 files written, %d unchanged.\n" % (written - 1), out + err)
        # Refusals: a file where the folder belongs, an unreadable season, bad usage.
        blocker = os.path.join(folder, "file")
        with open(blocker, "wb") as f:
            f.write(b"x")
        code, out, err = run("site", season, blocker)
        check(code == 1 and "names a file, not a folder" in err and read(blocker) == b"x", err)
        code, out, err = run("site", blocker, os.path.join(folder, "other"))
        check(code == 1 and not os.path.exists(os.path.join(folder, "other")), "unreadable season: " + err)
        code, out, err = run("site", season, site, "--title", "  ")
        check(code == 1 and "Please enter the title of the website!" in err, err)
        for args in (["site", season], ["site", season, site, "--now", "2027-02-30 12:00"],
                     ["site", season, site, "--now", "tomorrow"]):
            code, out, err = run(*args)
            check(code == 2 and err.endswith("\nTry 'tournel-cli --help'.\n"), "%r: %d %r" % (args, code, err))

def test_improve():
    with tempfile.TemporaryDirectory() as folder:
        # The example season with a third of its court time leaves matches behind.
        db = tnd.parse(read(os.path.join(DATA, "..", "..", "examples", "season.tnd")))
        db["courtTime"] = db["courtTime"][::3]
        short = os.path.join(folder, "short.tnd")
        with open(short, "wb") as f:
            f.write(tnd.write(db))
        scheduled = os.path.join(folder, "scheduled.tnd")
        code, out, err = run("--seed", "7", "schedule", short, "-o", scheduled)
        before = int(out.split()[0])
        check(code == 0 and before < 131, "schedule: %r" % out)
        outputs = []
        for name in ("first.tnd", "second.tnd"):
            target = os.path.join(folder, name)
            code, out, err = run("--seed", "4", "improve", scheduled, "-o", target, "--effort", "2")
            check(code == 0, "improve failed: " + err)
            match = re.fullmatch(r"(\d+) more matches are scheduled and (\d+) matches were moved\.\n"
                                 r"(\d+) out of 131 matches are scheduled!\n", out)
            check(match is not None and int(match.group(1)) > 0 and
                  int(match.group(3)) == before + int(match.group(1)), "final message: %r" % out)
            check(run("check", target)[0] == 0, "a rule broken after improve")
            outputs.append(tnd.parse(read(target)))
        # The files differ only in the time they were written.
        for parsed in outputs:
            parsed["document"].pop("m_tModified", None)
        check(outputs[0] == outputs[1], "the same seed gave different schedules")
        numbers = {pairing(m): m["m_nNumber"] for m in outputs[0]["scheduled"]}
        for old in tnd.parse(read(scheduled))["scheduled"]:
            check(numbers.get(pairing(old)) == old["m_nNumber"], "a scheduled match lost its place or number")
        for args in ([], ["-o", os.path.join(folder, "x.tnd"), "--effort", "0"],
                     ["-o", os.path.join(folder, "x.tnd"), "--effort", "21"],
                     ["-o", os.path.join(folder, "x.tnd"), "--effort", "two"]):
            code, out, err = run("improve", scheduled, *args)
            check(code == 2 and err.endswith("\nTry 'tournel-cli --help'.\n"), "usage %r: %d %r" % (args, code, err))
        check(not os.path.exists(os.path.join(folder, "x.tnd")), "written after a usage error")


CASES = {name[5:]: fn for name, fn in globals().items() if name.startswith("test_")}

if __name__ == "__main__":
    CASES[CASE]()
    print("ok " + CASE)
