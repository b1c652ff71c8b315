#include "officials/cManualAssignValues.h"

#include "model/MatchHeading.h"
#include "model/Strings.h"
#include "model/Text.h"
#include "model/cDatabase.h"
#include "model/cReferee.h"
#include "model/cUserPrompt.h"
#include "officials/AutoAssign.h"
#include "officials/OfficialRules.h"

#include <algorithm>

int cManualAssignRow::SelectedOfficial() const
{
    if (selected < 0 || selected >= static_cast<int>(choices.size())) {
        return -1;
    }
    return choices[static_cast<std::size_t>(selected)].official;
}

bool cManualAssignRow::Select(int official)
{
    for (std::size_t i = 0; i < choices.size(); ++i) {
        if (choices[i].official == official) {
            selected = static_cast<int>(i);
            return true;
        }
    }
    return false;
}

cManualAssignValues cManualAssignValues::FromMatch(const cDatabase& db, const cMatch& match)
{
    cManualAssignValues values;
    values.heading = MatchHeading(db, match);
    const int slots = OfficialsPerGame(db);
    for (int slot = 0; slot < slots; ++slot) {
        values.rows[static_cast<std::size_t>(slot)].enabled = true;
        values.Refill(db, match, slot, true);
    }
    return values;
}

void cManualAssignValues::Refill(const cDatabase& db, const cMatch& match, int slot, bool onlyLegal)
{
    if (slot < 0 || slot >= cMatch::kOfficialPositions) {
        return;
    }
    cManualAssignRow& row = rows[static_cast<std::size_t>(slot)];
    if (!row.enabled) {
        return;
    }
    row.onlyLegal = onlyLegal;
    row.choices = OfficialChoices(db, match, slot, onlyLegal);
    if (!row.Select(match.GetOfficial(slot))) {
        row.Select(-1);
    }
}

std::vector<cOfficialChoice> OfficialChoices(const cDatabase& db, const cMatch& match, int slot,
                                             bool onlyLegal)
{
    std::vector<cOfficialChoice> choices;
    choices.push_back({GetString(IDS_NONE), -1});
    for (const cReferee& official : db.Officials().Items<cReferee>()) {
        if (onlyLegal && CheckOfficial(db, match, official, slot, kBasicLevel) != 0) {
            continue;
        }
        choices.push_back({official.m_strName + ", " + official.m_strClubOfficial, official.m_nIndex});
    }
    std::stable_sort(choices.begin(), choices.end(), [](const cOfficialChoice& a, const cOfficialChoice& b) {
        return CompareText(a.text, b.text, true) < 0;
    });
    return choices;
}

std::string BrokenRuleQuestion(const cReferee& official, int messageId)
{
    return official.m_strName + ":\n" + GetString(messageId);
}

cValidation Validate(const cManualAssignValues& values, const cMatch& match)
{
    // Who stands on each slot once OK is done: the row's choice, or for a
    // row the dialog does not offer the present official.
    std::array<int, cMatch::kOfficialPositions> chosen{};
    for (int slot = 0; slot < cMatch::kOfficialPositions; ++slot) {
        const cManualAssignRow& row = values.rows[static_cast<std::size_t>(slot)];
        chosen[static_cast<std::size_t>(slot)] =
            row.enabled ? row.SelectedOfficial() : match.GetOfficial(slot);
    }
    for (int slot = 0; slot < cMatch::kOfficialPositions; ++slot) {
        const int official = chosen[static_cast<std::size_t>(slot)];
        if (official < 0 || !values.rows[static_cast<std::size_t>(slot)].enabled) {
            continue;
        }
        for (int other = 0; other < cMatch::kOfficialPositions; ++other) {
            const bool otherFirst = other < slot || !values.rows[static_cast<std::size_t>(other)].enabled;
            if (other != slot && otherFirst && chosen[static_cast<std::size_t>(other)] == official) {
                return MakeValidationError(IDS_OFFICIAL_TWO_SLOTS, slot);
            }
        }
    }
    return std::nullopt;
}

bool ApplyManualAssignment(cDatabase& db, cMatch& match, const cManualAssignValues& values)
{
    if (const cValidation error = Validate(values, match)) {
        db.Prompt().ShowMessage(error->messageId, error->text);
        return false;
    }
    const int slots = OfficialsPerGame(db);
    std::array<int, cMatch::kOfficialPositions> previous{};
    std::array<bool, cMatch::kOfficialPositions> refused{};
    for (int slot = 0; slot < slots; ++slot) {
        const auto i = static_cast<std::size_t>(slot);
        previous[i] = match.GetOfficial(slot);
        if (values.rows[i].SelectedOfficial() != previous[i]) {
            AssignOfficial(db, match, slot, nullptr);
        }
    }
    for (int slot = 0; slot < slots; ++slot) {
        const auto i = static_cast<std::size_t>(slot);
        const cReferee* official = db.GetOfficial(values.rows[i].SelectedOfficial());
        if (official == nullptr || official->m_nIndex == previous[i]) {
            continue; // emptied above, or kept
        }
        const int broken = CheckOfficial(db, match, *official, slot, kBasicLevel);
        if (broken == 0 || db.Prompt().AskYesNo(broken, BrokenRuleQuestion(*official, broken))) {
            AssignOfficial(db, match, slot, official);
        } else {
            refused[i] = true;
        }
    }
    // A No keeps the slot's official, once every slot has its new one.
    for (int slot = 0; slot < slots; ++slot) {
        const auto i = static_cast<std::size_t>(slot);
        if (refused[i]) {
            AssignOfficial(db, match, slot, db.GetOfficial(previous[i]));
        }
    }
    return true;
}
