#!/usr/bin/env python3
"""An independent reader and writer of Tournel database files (.tnd).

Written from the byte layout alone, with the standard library only, so that
the program's own reader and writer can be checked against it.

    tnd.py parse FILE.tnd            print the database as JSON (the shape of `tournel-cli dump`)
    tnd.py write FILE.json OUT.tnd   write a database from such JSON (optional "version" selects
                                     the layout of an older version)
    tnd.py golden [FOLDER]           rebuild the golden files of this folder

The JSON has "version", "document" and one array per top-level container;
items carry "class" and their fields by member name. A container may carry
its two stored flags as {"m_bUpToDate": n, "m_bRelistOnEdit": n} under
"<name>Flags" beside the array; without them the writer uses those of a new
database (1 and 1; the results list 1 and 0).
"""

import json
import math
import os
import struct
import sys

CURRENT = 2.6

# Code page 1252 bytes 0x80-0x9F; None marks the five unassigned bytes, which
# pass through as the C1 control of the same value.
HIGH = [0x20AC, None, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, None, 0x017D, None, None, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, None, 0x017E, 0x0178]
TO_UNICODE = [b if not 0x80 <= b <= 0x9F else (HIGH[b - 0x80] or b) for b in range(256)]
FROM_UNICODE = {c: b for b, c in enumerate(TO_UNICODE)}


def decode_1252(raw):
    return "".join(chr(TO_UNICODE[b]) for b in raw)


def encode_1252(text):
    out = bytearray()
    for ch in text:
        b = FROM_UNICODE.get(ord(ch))
        if b is None:
            return None
        out.append(b)
    return bytes(out)


def at_least(version, wanted):
    return version >= wanted - 1e-6


class Damaged(Exception):
    pass


# ---------------------------------------------------------------- reading

class Reader:
    def __init__(self, data):
        self.data = data
        self.pos = 0
        self.version = CURRENT
        self.entries = [None]  # class name, or "" for an object

    def take(self, n):
        if n < 0 or self.pos + n > len(self.data):
            raise Damaged("file ends early at %d" % self.pos)
        raw = self.data[self.pos:self.pos + n]
        self.pos += n
        return raw

    def byte(self):
        return self.take(1)[0]

    def word(self):
        return struct.unpack("<H", self.take(2))[0]

    def int(self):
        return struct.unpack("<i", self.take(4))[0]

    def dword(self):
        return struct.unpack("<I", self.take(4))[0]

    def double(self):
        return struct.unpack("<d", self.take(8))[0]

    def length(self, allow_wide):
        n = self.byte()
        if n < 0xFF:
            return n, False
        w = self.word()
        if w == 0xFFFE:
            if not allow_wide:
                raise Damaged("wide mark twice")
            return self.length(False)[0], True
        if w < 0xFFFF:
            return w, False
        return self.dword(), False

    def text(self):
        n, wide = self.length(True)
        if wide:
            return self.take(2 * n).decode("utf-16-le", errors="replace")
        return decode_1252(self.take(n))

    def object_header(self):
        tag = self.word()
        if tag == 0xFFFF:
            schema = self.word()
            n = self.word()
            if schema != 1 or n > 63:
                raise Damaged("bad class record")
            name = self.take(n).decode("latin-1")
            self.entries.append(name)
        else:
            if tag == 0x7FFF:
                big = self.dword()
                is_class, number = bool(big & 0x80000000), big & 0x7FFFFFFF
            else:
                is_class, number = bool(tag & 0x8000), tag & 0x7FFF
            if not is_class or number == 0 or number >= len(self.entries) or not self.entries[number]:
                raise Damaged("object reference or bad class number %d" % number)
            name = self.entries[number]
        self.entries.append("")
        return name


def read_item_part(r, item):
    item["m_bFiltered"] = r.int()
    item["m_bMarked"] = r.int()
    item["m_bHidden"] = r.int() if at_least(r.version, 1.5) else 0


def read_indexed_part(r, item):
    read_item_part(r, item)
    item["m_nIndex"] = r.int()
    item["m_strName"] = r.text()
    item["m_strShortName"] = r.text()


def read_ints(r, item, names):
    for name in names:
        item[name] = r.int()


MATCH_FIELDS = ["m_nLeague", "m_nHomeTeam", "m_nGuestTeam", "m_nRound", "m_tStart", "m_tEnd",
                "m_nCourt", "m_nNumber"]
TABLE_ROW_FIELDS = ["m_nHomeWins", "m_nHomeDraws", "m_nHomeLosses", "m_nHomeDisq", "m_nHomeScored",
                    "m_nHomeConceded", "m_nHomeSetScored", "m_nHomeSetConceded", "m_nAwayWins",
                    "m_nAwayDraws", "m_nAwayLosses", "m_nAwayDisq", "m_nAwayScored", "m_nAwayConceded",
                    "m_nAwaySetScored", "m_nAwaySetConceded"]
LEAGUE_FIELDS_1 = ["m_nMinOfficialRating", "m_nMaxOfficialRating", "m_nMinCourtRating",
                   "m_nMaxCourtRating", "m_nGameDuration"]


def read_item(r, allowed):
    name = r.object_header()
    if name not in allowed:
        raise Damaged("class %r where %r belong" % (name, allowed))
    item = {"class": name}
    if name == "cCourt":
        read_indexed_part(r, item)
        read_ints(r, item, ["m_nReserved1", "m_nReserved2", "m_bReservedHomeGround", "m_nRating"])
    elif name == "cUnusedTime":
        read_item_part(r, item)
        read_ints(r, item, ["m_nCourt", "m_tStart", "m_tEnd"])
    elif name == "cLeague":
        read_indexed_part(r, item)
        item["m_nRounds"] = r.int()
        item["m_nMatchReduction"] = r.int() if at_least(r.version, 2.5) else 0
        item["m_nMatchesPerDay"] = r.int() if at_least(r.version, 2.6) else 1
        read_ints(r, item, LEAGUE_FIELDS_1)
        rest_team, rest_pair = r.int(), r.int()
        if not at_least(r.version, 2.4):
            rest_team, rest_pair = rest_team * 86400, rest_pair * 86400
        item["m_tsRestSameTeam"] = rest_team
        item["m_tsRestSamePair"] = rest_pair
        read_ints(r, item, ["m_nLatestStart", "m_nLastMatchNumber", "m_nSetsPerGame"])
        item["m_nMinRatingOfficial"] = [r.int() for _ in range(5)]
        item["m_nMaxRatingOfficial"] = [r.int() for _ in range(5)]
        item["teams"] = read_indexed_container(r, {"cTeam"})
        item["table"] = read_container(r, {"cTableItem"})
        item["preferredTimes"] = read_container(r, {"cPreferredTime"})
        item["holidays"] = read_container(r, {"cIllDate"}) if at_least(r.version, 1.7) else []
        item["unscheduledList"] = read_container(r, {"cUnscheduledMatch"})
    elif name == "cTeam":
        read_indexed_part(r, item)
        item["m_strClub"] = r.text()
        read_ints(r, item, ["m_nDayOff", "m_nBonusPoints"])
        item["homeGrounds"] = read_container(r, {"cHomeGround"})
        item["holidays"] = read_container(r, {"cIllDate"})
        item["teamConflicts"] = read_container(r, {"cIllTeam"})
        item["preferredTimes"] = read_container(r, {"cPreferredTime"})
    elif name == "cHomeGround":
        read_item_part(r, item)
        read_ints(r, item, ["m_nCourt", "m_nWeekday", "m_nStart", "m_nEnd"])
    elif name == "cIllDate":
        read_item_part(r, item)
        read_ints(r, item, ["m_tStart", "m_tEnd"])
    elif name == "cIllTeam":
        read_item_part(r, item)
        read_ints(r, item, ["m_nLeague", "m_nTeam", "m_bTwinTeam"])
    elif name == "cPreferredTime":
        read_item_part(r, item)
        read_ints(r, item, ["m_nWeekday", "m_nStart", "m_nEnd"])
    elif name == "cReferee":
        read_indexed_part(r, item)
        item["m_strClubOfficial"] = r.text()
        read_ints(r, item, ["m_nRating", "m_nMaxGames", "m_nMaxSubsequent", "m_nGames", "m_nDayOff1",
                            "m_nDayOff2"])
        item["holidays"] = read_container(r, {"cIllDate"})
        item["teamConflicts"] = read_container(r, {"cIllTeam"})
        item["preferredTimes"] = read_container(r, {"cPreferredTime"})
    elif name == "cUnscheduledMatch":
        read_item_part(r, item)
        read_ints(r, item, ["m_nLeague", "m_nHomeTeam", "m_nGuestTeam", "m_nRound", "m_nNumber"])
    elif name in ("cMatch", "cPlayoffMatch"):
        read_item_part(r, item)
        read_ints(r, item, MATCH_FIELDS)
        item["m_bByHand"] = r.int() if at_least(r.version, 1.4) else 1
        item["m_nOfficial"] = [r.int() for _ in range(5)]
        if name == "cPlayoffMatch":
            item["m_strHomeTeam"] = r.text()
            item["m_strGuestTeam"] = r.text()
            item["m_strNumber"] = r.text()
    elif name == "cResult":
        read_item_part(r, item)
        read_ints(r, item, ["m_nLeague", "m_nHomeTeam", "m_nGuestTeam", "m_nRound"])
        home, guest = [], []
        for _ in range(10):
            home.append(r.int())
            guest.append(r.int())
        item["m_nHomeScore"] = home
        item["m_nGuestScore"] = guest
        read_ints(r, item, ["m_bPlayed", "m_bHomeDisqualified", "m_bGuestDisqualified"])
    elif name == "cTableItem":
        read_item_part(r, item)
        read_ints(r, item, ["m_nPosition", "m_nTeam"] + TABLE_ROW_FIELDS)
    else:
        raise Damaged("unknown class %r" % name)
    return item


def read_container(r, allowed):
    count = r.int()
    r.int()  # m_bUpToDate
    r.int()  # m_bRelistOnEdit
    if count < 0 or count * 10 > len(r.data) - r.pos:
        raise Damaged("bad count %d" % count)
    return [read_item(r, allowed) for _ in range(count)]


def read_indexed_container(r, allowed):
    count = r.int()
    if count < 0 or count * 10 > len(r.data) - r.pos:
        raise Damaged("bad count %d" % count)
    items = [read_item(r, allowed) for _ in range(count)]
    seen = set()
    for item in items:
        if item["m_nIndex"] < 0 or item["m_nIndex"] in seen:
            raise Damaged("bad index %d" % item["m_nIndex"])
        seen.add(item["m_nIndex"])
    return items


FONT_INTS = ["lfHeight", "lfWidth", "lfEscapement", "lfOrientation", "lfWeight"]
FONT_BYTES = ["lfItalic", "lfUnderline", "lfStrikeOut", "lfCharSet", "lfOutPrecision",
              "lfClipPrecision", "lfQuality", "lfPitchAndFamily"]
SETTINGS_19_37 = ["m_nSchedConflictMargin", "m_nOfficialsPerGame", "m_nMinDaysBetweenGames",
                  "m_nMaxSubsequentGames", "m_nConflictMargin", "m_bSchedIgnoreCourtRatings",
                  "m_bSchedIgnoreHomeGrounds", "m_bSchedIgnoreTeamConflicts", "m_bSchedIgnoreHolidays",
                  "m_bSchedIgnoreWeekdays", "m_bSchedIgnoreMinDays", "m_bSchedIgnoreLatestStart",
                  "m_bIgnoreClub", "m_bIgnoreRatings", "m_bIgnoreTeamConflicts", "m_bIgnoreHolidays",
                  "m_bIgnoreDaysOff", "m_bSchedIgnorePreferredTime", "m_bIgnorePreferredTime"]
TABLE_COLUMNS = ["m_bTableBallDiff", "m_bTableDisqualified", "m_bTableDrawn", "m_bTablePlayed",
                 "m_bTableLost", "m_bTablePoints", "m_bTableRank", "m_bTableResults", "m_bTableScoreDiff",
                 "m_bTableRatio", "m_bTableWon"]
TABLE_SETTING_FIELDS = ["m_nPointsVictory", "m_nPointsDraw", "m_nPointsLost", "m_nPointsDisqualified",
                        "m_bIgnoreBonusPoints", "m_bAllowDraws", "m_nMaxSets", "m_nCriteriaCount"]
TOP = [("courts", True, {"cCourt"}), ("courtTime", False, {"cUnusedTime"}),
       ("leagues", True, {"cLeague"}), ("officials", True, {"cReferee"}),
       ("unscheduled", False, {"cUnscheduledMatch"}), ("scheduled", False, {"cMatch", "cPlayoffMatch"}),
       ("results", False, {"cResult"})]


def recompute_order(settings):
    by_priority = [-1] * 15
    count = 0
    for criterion, priority in enumerate(settings["m_nPriority"]):
        if 1 <= priority <= 15:
            by_priority[priority - 1] = criterion
            count += 1
    settings["m_nCriterionByPriority"] = by_priority
    settings["m_nCriteriaCount"] = count


def default_document():
    """The settings of a new database; the template paths depend on the
    program's folder and are left out."""
    settings = {"m_nPriority": [0, 1, 0, 2] + [0] * 11, "m_nPointsVictory": 2, "m_nPointsDraw": 1,
                "m_nPointsLost": 0, "m_nPointsDisqualified": 0, "m_bIgnoreBonusPoints": 0,
                "m_bAllowDraws": 1, "m_nMaxSets": 1}
    recompute_order(settings)
    doc = {"m_lfPrintFont": dict(zip(FONT_INTS, [-10, 0, 0, 0, 0]), **dict(zip(FONT_BYTES, [0, 0, 0, 0, 4, 0, 2, 0x22])),
                                 lfFaceName="Arial"),
           "m_crPrintColor": 9, "m_strScheduleHeading": "Schedule for #",
           "m_strTableHeading": "Tables and results for #", "m_tCreated": 0, "m_tModified": 0,
           "m_strComments": "", "m_strAuthor": "", "m_nLanguage": 2, "m_nDateFormat": 0, "m_bAutoBackup": 1,
           "m_nBackupMinutes": 15}
    doc.update(dict(zip(SETTINGS_19_37, [90, 2, 7, 2, 90] + [0] * 14)))
    doc["m_tableSettings"] = {"m_nPriority": settings["m_nPriority"],
                              "m_nCriterionByPriority": settings["m_nCriterionByPriority"],
                              **{k: settings[k] for k in TABLE_SETTING_FIELDS}}
    doc.update({"m_nScheduleLayout": 0, "m_nScheduleSorting": 0, "m_bNumberBeforeTime": 0,
                "m_bNumberAfterTime": 0})
    doc.update(dict(zip(TABLE_COLUMNS, [0, 0, 1, 1, 1, 1, 1, 0, 1, 0, 1])))
    doc.update({"m_nLeagueFilter": -1, "m_nCourtFilter": -1, "m_nPlayoffCounter": 0})
    return doc


def parse(data):
    """The database in `data` as a dict; raises Damaged. Fields an older
    version lacks get their defaults (template paths are left out)."""
    r = Reader(data)
    doc = default_document()
    font = doc["m_lfPrintFont"]
    for name in FONT_INTS:
        font[name] = r.int()
    for name in FONT_BYTES:
        font[name] = r.byte()
    font["lfFaceName"] = r.text()
    doc["m_crPrintColor"] = r.dword()
    version = r.double()
    if not math.isfinite(version) or version < 1.0 - 1e-6 or version > CURRENT + 1e-6:
        raise Damaged("version %r" % version)
    r.version = version
    if at_least(version, 1.1):
        r.int()
    if at_least(version, 2.2):
        doc["m_strScheduleHeading"] = r.text()
        doc["m_strTableHeading"] = r.text()
    if at_least(version, 2.1):
        r.text()
        r.text()
    doc["m_tCreated"] = r.int()
    doc["m_tModified"] = r.int()
    doc["m_strComments"] = r.text()
    doc["m_strAuthor"] = r.text()
    doc["m_nLanguage"] = r.int()
    doc["m_nDateFormat"] = r.int()
    if at_least(version, 1.6):
        doc["m_bAutoBackup"] = r.int()
        doc["m_nBackupMinutes"] = r.int()
    r.text()
    for name in SETTINGS_19_37:
        doc[name] = r.int()
    settings = {"m_nPriority": []}
    for _ in range(15):
        settings["m_nPriority"].append(r.int())
        r.int()
    for name in TABLE_SETTING_FIELDS:
        settings[name] = r.int()
    recompute_order(settings)
    doc["m_tableSettings"] = {"m_nPriority": settings["m_nPriority"],
                              "m_nCriterionByPriority": settings["m_nCriterionByPriority"],
                              **{k: settings[k] for k in TABLE_SETTING_FIELDS}}
    for name in ["m_nScheduleLayout", "m_nScheduleSorting", "m_bNumberBeforeTime"]:
        doc[name] = r.int()
    if at_least(version, 2.6):
        doc["m_bNumberAfterTime"] = r.int()
    for name in TABLE_COLUMNS:
        doc[name] = r.int()
    r.int()
    if at_least(version, 1.3):
        r.int()
        doc["m_nLeagueFilter"] = r.int()
    if at_least(version, 1.4):
        r.int()
        doc["m_nCourtFilter"] = r.int()
    if at_least(version, 2.0):
        doc["m_nPlayoffCounter"] = r.int()
    if at_least(version, 2.3):
        doc["m_strScheduleTemplate"] = r.text()
        doc["m_strTableTemplate"] = r.text()
    out = {"version": version, "document": doc}
    for name, indexed, allowed in TOP:
        out[name] = read_indexed_container(r, allowed) if indexed else read_container(r, allowed)
    if r.pos != len(data):
        # Trailing bytes are ignored by the program too; say so for the record.
        out["trailingBytes"] = len(data) - r.pos
    return out


# ---------------------------------------------------------------- writing

class Writer:
    def __init__(self, version):
        self.out = bytearray()
        self.version = version
        self.count = 0
        self.classes = {}

    def byte(self, v):
        self.out += struct.pack("<B", v)

    def word(self, v):
        self.out += struct.pack("<H", v)

    def int(self, v):
        self.out += struct.pack("<i", v)

    def dword(self, v):
        self.out += struct.pack("<I", v)

    def double(self, v):
        self.out += struct.pack("<d", v)

    def length(self, n):
        if n < 0xFF:
            self.byte(n)
        elif n < 0xFFFE:
            self.byte(0xFF)
            self.word(n)
        else:
            self.byte(0xFF)
            self.word(0xFFFF)
            self.dword(n)

    def text(self, text):
        raw = encode_1252(text)
        if raw is not None:
            self.length(len(raw))
            self.out += raw
            return
        units = text.encode("utf-16-le", errors="surrogatepass")
        self.byte(0xFF)
        self.word(0xFFFE)
        self.length(len(units) // 2)
        self.out += units

    def object_header(self, name):
        if name not in self.classes:
            self.word(0xFFFF)
            self.word(1)
            self.word(len(name))
            self.out += name.encode("latin-1")
            self.count += 1
            self.classes[name] = self.count
        elif self.classes[name] < 0x7FFF:
            self.word(0x8000 + self.classes[name])
        else:
            self.word(0x7FFF)
            self.dword(0x80000000 + self.classes[name])
        self.count += 1


def write_item_part(w, item):
    w.int(item.get("m_bFiltered", 0))
    w.int(item.get("m_bMarked", 0))
    if at_least(w.version, 1.5):
        w.int(item.get("m_bHidden", 0))


def write_indexed_part(w, item):
    write_item_part(w, item)
    w.int(item["m_nIndex"])
    w.text(item["m_strName"])
    w.text(item["m_strShortName"])


def write_ints(w, item, names):
    for name in names:
        w.int(item[name])


def write_item(w, item):
    name = item["class"]
    w.object_header(name)
    if name == "cCourt":
        write_indexed_part(w, item)
        write_ints(w, item, ["m_nReserved1", "m_nReserved2", "m_bReservedHomeGround", "m_nRating"])
    elif name == "cUnusedTime":
        write_item_part(w, item)
        write_ints(w, item, ["m_nCourt", "m_tStart", "m_tEnd"])
    elif name == "cLeague":
        write_indexed_part(w, item)
        w.int(item["m_nRounds"])
        if at_least(w.version, 2.5):
            w.int(item["m_nMatchReduction"])
        if at_least(w.version, 2.6):
            w.int(item["m_nMatchesPerDay"])
        write_ints(w, item, LEAGUE_FIELDS_1)
        if at_least(w.version, 2.4):
            write_ints(w, item, ["m_tsRestSameTeam", "m_tsRestSamePair"])
        else:
            w.int(item["m_tsRestSameTeam"] // 86400)
            w.int(item["m_tsRestSamePair"] // 86400)
        write_ints(w, item, ["m_nLatestStart", "m_nLastMatchNumber", "m_nSetsPerGame"])
        for v in item["m_nMinRatingOfficial"] + item["m_nMaxRatingOfficial"]:
            w.int(v)
        write_container(w, item["teams"], True, item.get("teamsFlags"))
        write_container(w, item["table"], False, item.get("tableFlags"))
        write_container(w, item["preferredTimes"], False, item.get("preferredTimesFlags"))
        if at_least(w.version, 1.7):
            write_container(w, item["holidays"], False, item.get("holidaysFlags"))
        write_container(w, item["unscheduledList"], False, item.get("unscheduledListFlags"))
    elif name == "cTeam":
        write_indexed_part(w, item)
        w.text(item["m_strClub"])
        write_ints(w, item, ["m_nDayOff", "m_nBonusPoints"])
        for child in ["homeGrounds", "holidays", "teamConflicts", "preferredTimes"]:
            write_container(w, item[child], False, item.get(child + "Flags"))
    elif name == "cHomeGround":
        write_item_part(w, item)
        write_ints(w, item, ["m_nCourt", "m_nWeekday", "m_nStart", "m_nEnd"])
    elif name == "cIllDate":
        write_item_part(w, item)
        write_ints(w, item, ["m_tStart", "m_tEnd"])
    elif name == "cIllTeam":
        write_item_part(w, item)
        write_ints(w, item, ["m_nLeague", "m_nTeam", "m_bTwinTeam"])
    elif name == "cPreferredTime":
        write_item_part(w, item)
        write_ints(w, item, ["m_nWeekday", "m_nStart", "m_nEnd"])
    elif name == "cReferee":
        write_indexed_part(w, item)
        w.text(item["m_strClubOfficial"])
        write_ints(w, item, ["m_nRating", "m_nMaxGames", "m_nMaxSubsequent", "m_nGames", "m_nDayOff1",
                             "m_nDayOff2"])
        for child in ["holidays", "teamConflicts", "preferredTimes"]:
            write_container(w, item[child], False, item.get(child + "Flags"))
    elif name == "cUnscheduledMatch":
        write_item_part(w, item)
        write_ints(w, item, ["m_nLeague", "m_nHomeTeam", "m_nGuestTeam", "m_nRound", "m_nNumber"])
    elif name in ("cMatch", "cPlayoffMatch"):
        write_item_part(w, item)
        write_ints(w, item, MATCH_FIELDS)
        if at_least(w.version, 1.4):
            w.int(item["m_bByHand"])
        for v in item["m_nOfficial"]:
            w.int(v)
        if name == "cPlayoffMatch":
            w.text(item["m_strHomeTeam"])
            w.text(item["m_strGuestTeam"])
            w.text(item["m_strNumber"])
    elif name == "cResult":
        write_item_part(w, item)
        write_ints(w, item, ["m_nLeague", "m_nHomeTeam", "m_nGuestTeam", "m_nRound"])
        for home, guest in zip(item["m_nHomeScore"], item["m_nGuestScore"]):
            w.int(home)
            w.int(guest)
        write_ints(w, item, ["m_bPlayed", "m_bHomeDisqualified", "m_bGuestDisqualified"])
    elif name == "cTableItem":
        write_item_part(w, item)
        write_ints(w, item, ["m_nPosition", "m_nTeam"] + TABLE_ROW_FIELDS)
    else:
        raise ValueError("unknown class %r" % name)


def write_container(w, items, indexed, flags=None):
    w.int(len(items))
    if not indexed:
        flags = flags or {}
        w.int(flags.get("m_bUpToDate", 1))
        w.int(flags.get("m_bRelistOnEdit", 1))
    for item in items:
        write_item(w, item)


def write(db):
    """The bytes of `db` in the layout of db["version"] (default: current)."""
    version = db.get("version", CURRENT)
    doc = default_document()
    doc["m_strScheduleTemplate"] = doc["m_strTableTemplate"] = "Plain_Template.htm"
    doc.update(db.get("document", {}))
    w = Writer(version)
    font = doc["m_lfPrintFont"]
    for name in FONT_INTS:
        w.int(font[name])
    for name in FONT_BYTES:
        w.byte(font[name])
    w.text(font["lfFaceName"])
    w.dword(doc["m_crPrintColor"])
    w.double(version)
    if at_least(version, 1.1):
        w.int(0)
    if at_least(version, 2.2):
        w.text(doc["m_strScheduleHeading"])
        w.text(doc["m_strTableHeading"])
    if at_least(version, 2.1):
        w.text("")
        w.text("")
    for name in ["m_tCreated", "m_tModified"]:
        w.int(doc[name])
    w.text(doc["m_strComments"])
    w.text(doc["m_strAuthor"])
    w.int(doc["m_nLanguage"])
    w.int(doc["m_nDateFormat"])
    if at_least(version, 1.6):
        w.int(doc["m_bAutoBackup"])
        w.int(doc["m_nBackupMinutes"])
    w.text("")
    for name in SETTINGS_19_37:
        w.int(doc[name])
    settings = dict(doc["m_tableSettings"])
    recompute_order(settings)
    for priority, criterion in zip(settings["m_nPriority"], settings["m_nCriterionByPriority"]):
        w.int(priority)
        w.int(criterion)
    for name in TABLE_SETTING_FIELDS:
        w.int(settings[name])
    for name in ["m_nScheduleLayout", "m_nScheduleSorting", "m_bNumberBeforeTime"]:
        w.int(doc[name])
    if at_least(version, 2.6):
        w.int(doc["m_bNumberAfterTime"])
    for name in TABLE_COLUMNS:
        w.int(doc[name])
    w.int(0)
    if at_least(version, 1.3):
        w.int(0)
        w.int(doc["m_nLeagueFilter"])
    if at_least(version, 1.4):
        w.int(0)
        w.int(doc["m_nCourtFilter"])
    if at_least(version, 2.0):
        w.int(doc["m_nPlayoffCounter"])
    if at_least(version, 2.3):
        w.text(doc["m_strScheduleTemplate"])
        w.text(doc["m_strTableTemplate"])
    for name, indexed, _ in TOP:
        # The results list is the one top-level list not rebuilt after an edit.
        flags = db.get(name + "Flags", {"m_bRelistOnEdit": 0} if name == "results" else None)
        write_container(w, db.get(name, []), indexed, flags)
    return bytes(w.out)


# ---------------------------------------------------------------- golden files

def item(cls, **fields):
    base = {"class": cls, "m_bFiltered": 0, "m_bMarked": 0, "m_bHidden": 0}
    base.update(fields)
    return base


def holiday(start, end):
    return item("cIllDate", m_tStart=start, m_tEnd=end)


def preferred(weekday, start, end):
    return item("cPreferredTime", m_nWeekday=weekday, m_nStart=start, m_nEnd=end)


def conflict(league, team, twin):
    return item("cIllTeam", m_nLeague=league, m_nTeam=team, m_bTwinTeam=twin)


def team(index, name, short, club, day_off, bonus, grounds=(), holidays=(), conflicts=(), times=()):
    return item("cTeam", m_nIndex=index, m_strName=name, m_strShortName=short, m_strClub=club,
                m_nDayOff=day_off, m_nBonusPoints=bonus, homeGrounds=list(grounds), holidays=list(holidays),
                teamConflicts=list(conflicts), preferredTimes=list(times))


def match(cls, league, home, guest, rnd, start, minutes, court, number, by_hand, officials, **extra):
    return item(cls, m_nLeague=league, m_nHomeTeam=home, m_nGuestTeam=guest, m_nRound=rnd, m_tStart=start,
                m_tEnd=start + 60 * minutes, m_nCourt=court, m_nNumber=number, m_bByHand=by_hand,
                m_nOfficial=list(officials), **extra)


def result(league, home, guest, rnd, scores, played, home_disq=0, guest_disq=0):
    home_scores = [s[0] for s in scores] + [0] * (10 - len(scores))
    guest_scores = [s[1] for s in scores] + [0] * (10 - len(scores))
    return item("cResult", m_nLeague=league, m_nHomeTeam=home, m_nGuestTeam=guest, m_nRound=rnd,
                m_nHomeScore=home_scores, m_nGuestScore=guest_scores, m_bPlayed=played,
                m_bHomeDisqualified=home_disq, m_bGuestDisqualified=guest_disq)


# Saturday 2025-03-29 10:00 and the following days, in central European time.
T0 = 1743238800
DAY = 86400


def full_database():
    """A small database with every item class, and texts that need the
    one-byte, three-byte and 16-bit text forms."""
    table_row = item("cTableItem", m_nPosition=1, m_nTeam=0, **{k: i + 1 for i, k in enumerate(TABLE_ROW_FIELDS)})
    league = item(
        "cLeague", m_nIndex=0, m_strName="Herrar División 1", m_strShortName="H1", m_nRounds=2,
        m_nMatchReduction=0, m_nMatchesPerDay=2, m_nMinOfficialRating=2, m_nMaxOfficialRating=8,
        m_nMinCourtRating=1, m_nMaxCourtRating=9, m_nGameDuration=90, m_tsRestSameTeam=3 * DAY,
        m_tsRestSamePair=14 * DAY, m_nLatestStart=2030, m_nLastMatchNumber=3, m_nSetsPerGame=3,
        m_nMinRatingOfficial=[2, 2, 1, 1, 1], m_nMaxRatingOfficial=[8, 8, 9, 9, 9],
        teams=[team(0, "Lions A", "LiA", "Lions", 1, 2,
                    grounds=[item("cHomeGround", m_nCourt=0, m_nWeekday=6, m_nStart=900, m_nEnd=1800)],
                    holidays=[holiday(T0 + 20 * DAY, T0 + 22 * DAY)],
                    conflicts=[conflict(0, 2, 1)], times=[preferred(6, 1000, 1600)]),
               team(2, "Tigers", "Tig", "Tigers", -1, 0),
               team(1, "Örnar Ål" + "x" * 250, "Örn", "Örnar", 0, -3)],
        table=[table_row], preferredTimes=[preferred(-1, 800, 2200)],
        holidays=[holiday(T0 + 40 * DAY, T0 + 41 * DAY)],
        unscheduledList=[item("cUnscheduledMatch", m_nLeague=0, m_nHomeTeam=1, m_nGuestTeam=2, m_nRound=2,
                              m_nNumber=0)])
    league["tableFlags"] = {"m_bUpToDate": 0, "m_bRelistOnEdit": 1}
    second = item(
        "cLeague", m_nIndex=3, m_strName="Damer", m_strShortName="D", m_nRounds=1, m_nMatchReduction=2,
        m_nMatchesPerDay=1, m_nMinOfficialRating=1, m_nMaxOfficialRating=9, m_nMinCourtRating=1,
        m_nMaxCourtRating=9, m_nGameDuration=60, m_tsRestSameTeam=7 * DAY, m_tsRestSamePair=30 * DAY,
        m_nLatestStart=2200, m_nLastMatchNumber=0, m_nSetsPerGame=1, m_nMinRatingOfficial=[1] * 5,
        m_nMaxRatingOfficial=[9] * 5, teams=[], table=[], preferredTimes=[], holidays=[], unscheduledList=[])
    official = item(
        "cReferee", m_nIndex=0, m_strName="Zoë Ψ Pálsdóttir 🏐", m_strShortName="ZP",
        m_strClubOfficial="Lions", m_nRating=5, m_nMaxGames=12, m_nMaxSubsequent=2, m_nGames=2, m_nDayOff1=0,
        m_nDayOff2=-1, holidays=[holiday(T0 + 5 * DAY, T0 + 6 * DAY)], teamConflicts=[conflict(0, 1, 0)],
        preferredTimes=[preferred(6, 900, 1500)])
    official2 = item(
        "cReferee", m_nIndex=1, m_strName="Jon Smith", m_strShortName="JS", m_strClubOfficial="",
        m_nRating=3, m_nMaxGames=10, m_nMaxSubsequent=1, m_nGames=1, m_nDayOff1=-1, m_nDayOff2=-1,
        m_bHidden=1, holidays=[], teamConflicts=[], preferredTimes=[])
    courts = [
        item("cCourt", m_nIndex=0, m_strName="Sporthallen", m_strShortName="SH", m_nReserved1=1440,
             m_nReserved2=0, m_bReservedHomeGround=1, m_nRating=7),
        item("cCourt", m_nIndex=2, m_strName="Skolans gymnastiksal", m_strShortName="SG", m_nReserved1=1440,
             m_nReserved2=0, m_bReservedHomeGround=0, m_nRating=3, m_bMarked=1),
    ]
    scheduled = [
        match("cMatch", 0, 0, 2, 1, T0, 90, 0, 1, 0, [0, 1, -1, -1, -1]),
        match("cMatch", 0, 2, 1, 1, T0 + 7 * DAY, 90, 2, 2, 1, [1, -1, -1, -1, -1], m_bFiltered=1),
        match("cPlayoffMatch", -2, -2, -2, 0, T0 + 30 * DAY, 60, 0, -2, 1, [0, -1, -1, -1, -1],
              m_strHomeTeam="Winner H1", m_strGuestTeam="Winner D", m_strNumber="F1"),
        match("cPlayoffMatch", -2, -2, -2, 0, T0 + 31 * DAY, 60, 0, -2, 1, [-1] * 5,
              m_strHomeTeam="Loser H1", m_strGuestTeam="Loser D", m_strNumber="F2"),
        match("cMatch", 0, 1, 0, 1, T0 + 14 * DAY, 90, 0, 3, 0, [-1] * 5),
    ]
    results = [
        result(0, 0, 2, 1, [(3, 1), (25, 20), (22, 25), (25, 18), (25, 10)], 1),
        result(0, 2, 1, 1, [(0, 3)], 1, home_disq=1),
        result(-2, -2, -2, 0, [(2, 2)], 1),
        result(-2, -2, -2, 0, [], 0),
        result(0, 1, 0, 1, [], 0),
    ]
    document = {
        "m_strComments": "Season 2025\r\nwith a comment of two lines", "m_strAuthor": "Åsa Öberg",
        "m_tCreated": T0 - 30 * DAY, "m_tModified": T0 - DAY, "m_nLanguage": 5, "m_nDateFormat": 3,
        "m_bAutoBackup": 0, "m_nBackupMinutes": 30, "m_nSchedConflictMargin": 60, "m_nOfficialsPerGame": 3,
        "m_bSchedIgnoreHolidays": 1, "m_bIgnoreDaysOff": 1, "m_bIgnorePreferredTime": 1,
        "m_nScheduleLayout": 1, "m_nScheduleSorting": 2, "m_bNumberAfterTime": 1, "m_bTableRatio": 1,
        "m_nLeagueFilter": 0, "m_nCourtFilter": -1, "m_nPlayoffCounter": 2,
        "m_strScheduleTemplate": "C:\\Tournel\\Schedule.htm", "m_strTableTemplate": "C:\\Tournel\\Tables.htm",
        "m_strScheduleHeading": "Spelschema för #", "m_crPrintColor": 0x00102030,
        "m_tableSettings": {"m_nPriority": [3, 1, 0, 2] + [0] * 11, "m_nPointsVictory": 3, "m_nPointsDraw": 1,
                            "m_nPointsLost": 0, "m_nPointsDisqualified": -1, "m_bIgnoreBonusPoints": 1,
                            "m_bAllowDraws": 0, "m_nMaxSets": 5, "m_nCriterionByPriority": [], "m_nCriteriaCount": 0},
    }
    font = default_document()["m_lfPrintFont"]
    font.update(lfHeight=-12, lfWeight=700, lfItalic=1, lfFaceName="Times New Roman")
    document["m_lfPrintFont"] = font
    recompute_order(document["m_tableSettings"])
    # As saved after opening: the lists rebuilt on display are out of date.
    stale = {"m_bUpToDate": 0, "m_bRelistOnEdit": 1}
    return {
        "version": CURRENT, "document": document, "courts": courts,
        "courtTime": [item("cUnusedTime", m_nCourt=0, m_tStart=T0 + 90 * 60, m_tEnd=T0 + 8 * 3600),
                      item("cUnusedTime", m_nCourt=2, m_tStart=T0 + DAY, m_tEnd=T0 + DAY + 4 * 3600)],
        "courtTimeFlags": stale,
        "leagues": [league, second], "officials": [official, official2],
        "unscheduled": [item("cUnscheduledMatch", m_nLeague=0, m_nHomeTeam=1, m_nGuestTeam=2, m_nRound=2,
                             m_nNumber=0)],
        "unscheduledFlags": stale,
        "scheduled": scheduled, "scheduledFlags": stale,
        "results": results, "resultsFlags": {"m_bUpToDate": 0, "m_bRelistOnEdit": 0},
    }


def empty_database():
    document = {"m_tCreated": T0, "m_tModified": T0}
    stale = {"m_bUpToDate": 0, "m_bRelistOnEdit": 1}
    return {"version": CURRENT, "document": document, "courtTimeFlags": stale, "unscheduledFlags": stale,
            "scheduledFlags": stale, "resultsFlags": {"m_bUpToDate": 0, "m_bRelistOnEdit": 0}}


def older(db, version):
    """The full database as a file of an older version would hold it: the
    fields that version lacks take their defaults once read."""
    old = json.loads(json.dumps(db))
    old["version"] = version
    for league in old["leagues"]:
        if not at_least(version, 2.6):
            league["m_nMatchesPerDay"] = 1
        if not at_least(version, 2.5):
            league["m_nMatchReduction"] = 0
        if not at_least(version, 1.7):
            league["holidays"] = []
        if not at_least(version, 2.4):
            # Whole days only.
            league["m_tsRestSameTeam"] -= league["m_tsRestSameTeam"] % DAY
            league["m_tsRestSamePair"] -= league["m_tsRestSamePair"] % DAY
    return old


OLD_VERSIONS = [2.5, 2.4, 2.3, 2.2, 2.1, 2.0, 1.7, 1.6, 1.5, 1.4, 1.3, 1.1]


def public(db):
    """The JSON form without the writer-only flag entries."""
    if isinstance(db, dict):
        return {k: public(v) for k, v in db.items() if not k.endswith("Flags")}
    if isinstance(db, list):
        return [public(v) for v in db]
    return db


def golden(folder):
    cases = {"empty": empty_database(), "full": full_database()}
    for version in OLD_VERSIONS:
        cases["v%.1f" % version] = older(full_database(), version)
    newer = empty_database()
    newer["version"] = 2.7
    for name, db in sorted(cases.items()) + [("newer", newer)]:
        case = os.path.join(folder, name)
        os.makedirs(case, exist_ok=True)
        data = write(db)
        with open(os.path.join(case, "database.tnd"), "wb") as f:
            f.write(data)
        if name == "newer":
            continue
        parsed = parse(data)
        with open(os.path.join(case, "database.json"), "w", encoding="utf-8") as f:
            json.dump(parsed, f, indent=1, ensure_ascii=False)
            f.write("\n")


def main(argv):
    if len(argv) >= 3 and argv[1] == "parse":
        with open(argv[2], "rb") as f:
            data = f.read()
        try:
            db = parse(data)
        except Damaged as error:
            print("damaged: %s" % error, file=sys.stderr)
            return 1
        json.dump(db, sys.stdout, indent=1, ensure_ascii=False)
        print()
        return 0
    if len(argv) == 4 and argv[1] == "write":
        with open(argv[2], encoding="utf-8") as f:
            db = json.load(f)
        with open(argv[3], "wb") as f:
            f.write(write(db))
        return 0
    if len(argv) in (2, 3) and argv[1] == "golden":
        golden(argv[2] if len(argv) == 3 else os.path.dirname(os.path.abspath(__file__)))
        return 0
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
