#include "model/Directories.h"

#include "model/Strings.h"

namespace {

void Describe(cTournelDb& container, int titleId, int directoryId, int kind, std::vector<cColumn> columns)
{
    container.m_nTitleId = titleId;
    container.m_nDirectoryId = directoryId;
    container.m_nKind = kind;
    container.m_nImage = kind;
    container.m_nSelectedImage = kind;
    container.SetColumns(std::move(columns));
}

} // namespace

void DescribeHolidays(cTournelDb& container)
{
    Describe(container, IDS_HOLIDAYS, kDirHolidays, 9,
             {{IDS_COL_START_DATE, 15, kAlignCenter}, {IDS_COL_FINAL_DATE, 15, kAlignCenter}});
}

void DescribePreferredTimes(cTournelDb& container)
{
    Describe(container, IDS_PREFERRED_TIMES, kDirPreferredTimes, 11,
             {{IDS_COL_WEEKDAY, 15, kAlignLeft},
              {IDS_COL_OPENING_TIME, 15, kAlignLeft},
              {IDS_COL_CLOSING_TIME, 15, kAlignLeft}});
}

void DescribeTable(cTournelDb& container)
{
    Describe(container, IDS_TABLE, kDirTable, 13,
             {{IDS_COL_POSITION, 4, kAlignLeft},
              {IDS_COL_TEAM_NAME, 25, kAlignLeft},
              {IDS_COL_PLAYED, 8, kAlignCenter},
              {IDS_COL_WINS, 8, kAlignCenter},
              {IDS_COL_DRAWS, 8, kAlignCenter},
              {IDS_COL_LOSSES, 8, kAlignCenter},
              {IDS_COL_DISQUALIFIED, 8, kAlignCenter},
              {IDS_COL_SCORE, 10, kAlignCenter},
              {IDS_COL_BALL_DIFF, 10, kAlignCenter},
              {IDS_COL_RATIO, 8, kAlignCenter},
              {IDS_COL_POINTS, 8, kAlignCenter}});
    container.m_bReadOnly = 1;
    container.m_bUpToDate = 0;
}

void DescribeTeams(cTournelDb& container)
{
    Describe(container, IDS_TEAMS, kDirTeams, 4,
             {{IDS_COL_TEAM_NAME, 25, kAlignLeft},
              {IDS_COL_DAY_OFF, 12, kAlignLeft},
              {IDS_COL_BONUS_POINTS, 12, kAlignCenter}});
}

void DescribeHomeGrounds(cTournelDb& container)
{
    Describe(container, IDS_HOME_GROUNDS, kDirHomeGrounds, 10,
             {{IDS_COL_COURT_NAME, 12, kAlignLeft},
              {IDS_COL_WEEKDAY, 15, kAlignLeft},
              {IDS_COL_OPENING_TIME, 15, kAlignLeft},
              {IDS_COL_CLOSING_TIME, 15, kAlignLeft}});
}

void DescribeTeamConflicts(cTournelDb& container)
{
    Describe(container, IDS_TEAM_CONFLICTS, kDirTeamConflicts, 12,
             {{IDS_COL_LEAGUE_NAME, 12, kAlignLeft},
              {IDS_COL_TEAM_NAME, 18, kAlignLeft},
              {IDS_COL_TWIN_TEAM, 12, kAlignCenter}});
}
