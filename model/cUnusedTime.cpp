#include "model/cUnusedTime.h"

#include "model/cCourt.h"
#include "model/cDatabase.h"

bool cUnusedTime::IsBefore(const cDbItem* other) const
{
    if (other == nullptr) {
        return true;
    }
    const auto& period = static_cast<const cUnusedTime&>(*other);
    if (m_tStart != period.m_tStart) {
        return m_tStart < period.m_tStart;
    }
    return m_nCourt < period.m_nCourt;
}

std::string cUnusedTime::GetColumnText(int column) const
{
    const cDatabase* db = GetDatabase();
    switch (column) {
    case 0:
        return db != nullptr ? db->WeekdayOf(m_tStart)
                             : WeekdayName(LocalTime(m_tStart).weekday, kDefaultLanguage);
    case 1:
        return db != nullptr ? db->FormatDate(m_tStart) : FormatTime(m_tStart, DateFormat(0));
    case 2: {
        const cCourt* court = db != nullptr ? db->GetCourt(m_nCourt) : nullptr;
        return court != nullptr ? court->m_strShortName : std::string();
    }
    case 3:
        return FormatTime(m_tStart, "%H%M");
    case 4: {
        const cLocalTime end = LocalTime(m_tEnd);
        if (end.hour == 0 && end.minute == 0) {
            return "2400";
        }
        return FormatTime(m_tEnd, "%H%M");
    }
    default:
        return {};
    }
}
