#include "model/cPreferredTime.h"

bool cPreferredTime::IsBefore(const cDbItem* other) const
{
    if (other == nullptr) {
        return true;
    }
    const auto& time = static_cast<const cPreferredTime&>(*other);
    if (m_nWeekday != time.m_nWeekday) {
        return m_nWeekday < time.m_nWeekday;
    }
    return m_nStart < time.m_nStart;
}

std::string cPreferredTime::GetColumnText(int column) const
{
    switch (column) {
    case 0:
        return WeekdayName(m_nWeekday, kDefaultLanguage);
    case 1:
        return std::to_string(m_nStart);
    case 2:
        return std::to_string(m_nEnd);
    default:
        return {};
    }
}
