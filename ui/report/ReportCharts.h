#pragma once

// The charts of the schedule report, made from the core's numbers
// (output/ScheduleReport.h): the court use per week, the rest between
// matches per team and the start hours per team. The window shows them and
// the print draws them; both make them here, so that they show the same.

#include "output/ScheduleReport.h"

#include <QImage>
#include <QSize>
#include <QStringList>

class QChart;
class QPainter;
class QRectF;

// Stacked bars of the hours used and free in each week: of the court with
// the index number `court`, or of every court together when it is negative.
QChart* MakeCourtUseChart(const cScheduleReport& report, int court);
// Horizontal bars of each team's shortest and mean rest, in hours; a team
// with fewer than two matches has no bars.
QChart* MakeRestChart(const cScheduleReport& report);
// A horizontal stacked bar per team: its matches by start hour.
QChart* MakeStartHourChart(const cScheduleReport& report);

// The teams as the charts name them, "Eastfield A (M1)", unique, in report order.
QStringList TeamLabels(const cScheduleReport& report);

// The size a chart of the report wants to be laid out at, in pixels: the
// court chart wide, the team charts tall enough for a readable bar per team.
QSize CourtUseChartSize(const cScheduleReport& report);
QSize TeamChartSize(const cScheduleReport& report);

// Lays the chart out at `size` and draws it into `target` of the painter,
// scaled; the chart is deleted afterwards.
void RenderChart(QChart* chart, QSize size, QPainter& painter, const QRectF& target);

// The three charts one under the other on white, `width` pixels wide: the
// picture of the report for documents.
QImage ReportChartsImage(const cScheduleReport& report, int width);
