#include "model/cTableItem.h"

#include "model/Strings.h"
#include "model/cDatabase.h"
#include "model/cLeague.h"
#include "model/cTeam.h"

namespace {

const cTeam* RowTeam(const cTableItem& row)
{
    const cTournelDb* table = row.GetOwner();
    const auto* league = table != nullptr ? dynamic_cast<const cLeague*>(table->GetOwnerItem()) : nullptr;
    return league != nullptr ? league->GetTeam(row.m_nTeam) : nullptr;
}

} // namespace

int cTableItem::Points() const
{
    const cDatabase* db = GetDatabase();
    static const cTableSettings defaults;
    const cTableSettings& settings = db != nullptr ? db->m_tableSettings : defaults;
    int points = Wins() * settings.m_nPointsVictory + Draws() * settings.m_nPointsDraw +
                 Losses() * settings.m_nPointsLost + Disqualifications() * settings.m_nPointsDisqualified;
    if (settings.m_bIgnoreBonusPoints == 0) {
        if (const cTeam* team = RowTeam(*this)) {
            points += team->m_nBonusPoints;
        }
    }
    return points;
}

std::string cTableItem::GetColumnText(int column, bool lossesIncludeDisq) const
{
    switch (column) {
    case 0:
        return StringPrintf("%d", m_nPosition);
    case 1: {
        const cTeam* team = RowTeam(*this);
        return team != nullptr ? team->m_strName : std::string();
    }
    case 2:
        return std::to_string(Played());
    case 3:
        return std::to_string(Wins());
    case 4:
        return std::to_string(Draws());
    case 5:
        return std::to_string(lossesIncludeDisq ? Losses() + Disqualifications() : Losses());
    case 6:
        return std::to_string(Disqualifications());
    case 7:
        return StringPrintf("%4d-%d", Scored(), Conceded());
    case 8:
        return StringPrintf("%4d-%d", SetPointsScored(), SetPointsConceded());
    case 9: {
        const int played = Played();
        return StringPrintf("%5.3f", played > 0 ? static_cast<double>(Wins()) / played : 0.0);
    }
    case 10:
        return std::to_string(Points());
    default:
        return {};
    }
}
