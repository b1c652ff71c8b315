#include "officials/cManualAssignValues.h"

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

void ApplyManualAssignment(cDatabase& db, cMatch& match, const cManualAssignValues& values)
{
    const int slots = OfficialsPerGame(db);
    for (int slot = 0; slot < slots; ++slot) {
        const cReferee* official =
            db.GetOfficial(values.rows[static_cast<std::size_t>(slot)].SelectedOfficial());
        if (official == nullptr) {
            AssignOfficial(db, match, slot, nullptr);
            continue;
        }
        const int broken = CheckOfficial(db, match, *official, slot, kBasicLevel);
        if (broken == 0 || db.Prompt().AskYesNo(broken, BrokenRuleQuestion(*official, broken))) {
            AssignOfficial(db, match, slot, official);
        }
    }
}
