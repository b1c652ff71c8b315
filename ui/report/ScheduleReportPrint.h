#pragma once

// The schedule report on paper: the charts of all courts, the rest and the
// start hours, two to a page, then its text in a fixed-pitch font as large
// as the widest line allows, as many pages as it takes.

#include "output/ScheduleReport.h"

class QPrinter;
class cDatabase;

// False when the printer (or the PDF file) cannot be opened.
bool PrintScheduleReport(QPrinter& printer, const cScheduleReport& report, const cDatabase& style);
