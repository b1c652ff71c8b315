#pragma once

// The values of the "Assign officials manually" dialog for one scheduled
// match: five rows "1.official" ... "5.official", each a list of officials
// with "<None>" and the check box "Show only legal choices". Rows at and
// beyond the document's number of officials per game are disabled and empty.

#include "model/cMatch.h"

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
    std::array<cManualAssignRow, cMatch::kOfficialPositions> rows;

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

// OK of the dialog: slot by slot from the first, "<None>" clears the slot,
// an official the rules accept takes it, and for one who breaks a rule the
// user is asked BrokenRuleQuestion through db.Prompt(); No keeps the slot's
// official. Each check already sees the officials placed in earlier slots.
void ApplyManualAssignment(cDatabase& db, cMatch& match, const cManualAssignValues& values);
