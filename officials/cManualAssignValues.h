#pragma once

// The values of the "Assign officials manually" dialog for one scheduled
// match: five rows "1.official" ... "5.official", each a list of officials
// with "<None>" and the check box "Show only legal choices". Rows at and
// beyond the document's number of officials per game are disabled and empty.

#include "model/cMatch.h"
#include "model/cValidation.h"

#include <array>
#include <string>
#include <vector>

class cDatabase;
class cReferee;

// One entry of a row's list: "name, club" and the official's index (-1 for "<None>").
struct cOfficialChoice
{
    std::string text;
    int official = -1;
};

struct cManualAssignRow
{
    bool enabled = false;
    bool onlyLegal = true;                // "Show only legal choices"
    std::vector<cOfficialChoice> choices; // sorted by text, as the list shows them
    int selected = -1;                    // index into choices; -1 only for a disabled row

    // The selected official's index, -1 for "<None>" or nothing.
    int SelectedOfficial() const;
    // Selects the entry of `official` (-1: "<None>"); false when the list does not hold him.
    bool Select(int official);
};

struct cManualAssignValues
{
    // The field of a refused entry is the row's slot, 0-4.
    std::array<cManualAssignRow, cMatch::kOfficialPositions> rows;
    // The match the dialog is for, as its heading shows it (MatchHeading).
    std::string heading;

    // Every enabled row ticked and filled, its slot's official selected.
    static cManualAssignValues FromMatch(const cDatabase& db, const cMatch& match);

    // Fills row `slot` again with the check box set to `onlyLegal` (when the
    // box is clicked); the slot's present official becomes the selection
    // when the list holds him, else "<None>".
    void Refill(const cDatabase& db, const cMatch& match, int slot, bool onlyLegal);
};

// The list of a row: "<None>" and every official ("name, club"), with
// `onlyLegal` only those the rules accept for the slot at the basic level;
// sorted by text.
std::vector<cOfficialChoice> OfficialChoices(const cDatabase& db, const cMatch& match, int slot,
                                             bool onlyLegal);

// The question asked for a broken rule: the official's name, ":\n" and the
// rule's message.
std::string BrokenRuleQuestion(const cReferee& official, int messageId);

// The check of OK: one official chosen for two rows, or for a row while he
// stands on a slot the dialog does not offer (beyond the officials per game),
// is refused with IDS_OFFICIAL_TWO_SLOTS on the later row. This is a refusal,
// not a question: one person cannot take two slots of one match.
cValidation Validate(const cManualAssignValues& values, const cMatch& match);

// OK of the dialog, after Validate (refused values are told through
// db.Prompt() and change nothing: false). The slots whose official changes
// are emptied first, so that officials may swap slots; then slot by slot from
// the first, "<None>" leaves the slot empty, an official the rules accept
// takes it, and for one who breaks a rule the user is asked
// BrokenRuleQuestion through db.Prompt(). Each check already sees the
// officials placed in earlier slots. No keeps the slot's previous official,
// unless he has taken another slot of the match meanwhile (then the slot
// stays empty).
bool ApplyManualAssignment(cDatabase& db, cMatch& match, const cManualAssignValues& values);
