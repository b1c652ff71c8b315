#pragma once

// The directory descriptions of the child containers of leagues, teams and officials.

#include "model/cIndexedDb.h"
#include "model/cTournelDb.h"

#include <memory>

void DescribeHolidays(cTournelDb& container);
void DescribePreferredTimes(cTournelDb& container);
void DescribeTable(cTournelDb& container);
void DescribeTeams(cTournelDb& container);
void DescribeHomeGrounds(cTournelDb& container);
void DescribeTeamConflicts(cTournelDb& container);
