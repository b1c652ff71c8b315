#pragma once

// Whether the list shows a standings table as the results count it: the
// tests that drive the window compare the list's rows with a table counted
// afresh in a copy of the season.

#include "document/DatabaseFile.h"
#include "model/cDatabase.h"
#include "model/cLeague.h"
#include "model/cTableItem.h"
#include "model/cUserPrompt.h"
#include "standings/Standings.h"
#include "ui/window/CItemListModel.h"

#include <map>
#include <string>
#include <vector>

// Empty when the list does not show a table, or shows every team's row with
// the texts of a fresh count of the results (position, games, score, points,
// ...); else the first difference. Teams are compared by row, not by order:
// teams level on every criterion may stand in either order.
inline std::string ShownTableDifference(const CItemListModel& model, const cDatabase& db)
{
    const cTournelDb* table = model.Container();
    if (table == nullptr || table->m_nDirectoryId != kDirTable) {
        return {};
    }
    const auto* league = dynamic_cast<const cLeague*>(table->GetOwnerItem());
    if (league == nullptr) {
        return "a table without its league";
    }
    cSilentPrompt silent;
    cDatabase copy;
    if (ReadSnapshot(WriteDatabase(db), copy, silent) != eReadStatus::kOk) {
        return "the season cannot be copied";
    }
    cLeague* counted = copy.GetLeague(league->m_nIndex);
    if (counted == nullptr) {
        return "the league is missing from the copy";
    }
    counted->Table().m_bUpToDate = 0;
    BringTableUpToDate(copy, *counted);
    std::map<int, std::vector<std::string>> fresh;
    for (const cDbItem& item : counted->Table().AllItems<cDbItem>()) {
        const auto& row = static_cast<const cTableItem&>(item);
        std::vector<std::string>& texts = fresh[row.m_nTeam];
        for (int column = 0; column < model.columnCount(); ++column) {
            texts.push_back(row.GetColumnText(column));
        }
    }
    if (static_cast<std::size_t>(model.rowCount()) != fresh.size()) {
        return "the list shows " + std::to_string(model.rowCount()) + " rows of a table of " +
               std::to_string(fresh.size());
    }
    for (int r = 0; r < model.rowCount(); ++r) {
        const auto* row = dynamic_cast<const cTableItem*>(model.ItemAt(r));
        if (row == nullptr || !fresh.contains(row->m_nTeam)) {
            return "row " + std::to_string(r) + " is no row of the table";
        }
        const std::vector<std::string>& texts = fresh.at(row->m_nTeam);
        for (int column = 0; column < model.columnCount(); ++column) {
            const std::string shown =
                model.data(model.index(r, column), Qt::DisplayRole).toString().toStdString();
            if (shown != texts[static_cast<std::size_t>(column)]) {
                return "row " + std::to_string(r) + ", column " + std::to_string(column) + " shows '" +
                       shown + "' where the results count '" + texts[static_cast<std::size_t>(column)] + "'";
            }
        }
    }
    return {};
}
