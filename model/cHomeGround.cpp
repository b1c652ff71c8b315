#include "model/cHomeGround.h"

#include "model/Text.h"
#include "model/cCourt.h"
#include "model/cDatabase.h"

namespace {

std::string CourtName(const cDatabase* db, int index, bool shortName)
{
    const cCourt* court = db != nullptr ? db->GetCourt(index) : nullptr;
    if (court == nullptr) {
        return {};
    }
    return shortName ? court->m_strShortName : court->m_strName;
}

} // namespace

bool cHomeGround::IsBefore(const cDbItem* other) const
{
    if (other == nullptr) {
        return true;
    }
    const auto& ground = static_cast<const cHomeGround&>(*other);
    const cDatabase* db = GetDatabase();
    const int byName =
        CompareText(CourtName(db, m_nCourt, false), CourtName(db, ground.m_nCourt, false), true);
    if (byName != 0) {
        return byName < 0;
    }
    if (m_nWeekday != ground.m_nWeekday) {
        return m_nWeekday < ground.m_nWeekday;
    }
    return m_nStart < ground.m_nStart;
}

std::string cHomeGround::GetColumnText(int column) const
{
    switch (column) {
    case 0:
        return CourtName(GetDatabase(), m_nCourt, true);
    case 1:
        return WeekdayName(m_nWeekday, kDefaultLanguage);
    case 2:
        return std::to_string(m_nStart);
    case 3:
        return std::to_string(m_nEnd);
    default:
        return {};
    }
}
