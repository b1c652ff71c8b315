#include "model/cIllDate.h"

#include "model/cDatabase.h"

bool cIllDate::IsBefore(const cDbItem* other) const
{
    if (other == nullptr) {
        return true;
    }
    const auto& holiday = static_cast<const cIllDate&>(*other);
    if (m_tStart != holiday.m_tStart) {
        return m_tStart < holiday.m_tStart;
    }
    return m_tEnd < holiday.m_tEnd;
}

std::string cIllDate::GetColumnText(int column) const
{
    if (column != 0 && column != 1) {
        return {};
    }
    const TimePoint t = column == 0 ? m_tStart : m_tEnd;
    const cDatabase* db = GetDatabase();
    return db != nullptr ? db->FormatDate(t) : FormatTime(t, DateFormat(0));
}
