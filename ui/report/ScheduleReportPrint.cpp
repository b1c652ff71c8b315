#include "ui/report/ScheduleReportPrint.h"

#include "ui/report/ReportCharts.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace {

// The largest rectangle of `size`'s proportions inside `box`, at its top.
QRectF Fit(QSize size, const QRectF& box)
{
    const double scale = std::min(box.width() / size.width(), box.height() / size.height());
    return {box.left(), box.top(), size.width() * scale, size.height() * scale};
}

} // namespace

bool PrintScheduleReport(QPrinter& printer, const cScheduleReport& report, const cDatabase& style)
{
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF page =
        printer.pageLayout()
            .paintRectPixels(printer.resolution())
            .translated(-printer.pageLayout().paintRectPixels(printer.resolution()).topLeft());
    const double gap = page.height() / 40;
    const QRectF top(page.left(), page.top(), page.width(), page.height() / 2 - gap);
    const QRectF bottom(page.left(), page.top() + page.height() / 2 + gap, page.width(),
                        page.height() / 2 - gap);

    const QSize court = CourtUseChartSize(report);
    const QSize team = TeamChartSize(report);
    RenderChart(MakeCourtUseChart(report, -1), court, painter, Fit(court, top));
    RenderChart(MakeRestChart(report), team, painter, Fit(team, bottom));
    printer.newPage();
    RenderChart(MakeStartHourChart(report), team, painter, Fit(team, top));

    // The text from the lower half of the second page on.
    const QStringList lines =
        QString::fromStdString(ScheduleReportText(report, style)).split(QLatin1Char('\n'));
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSizeF(9);
    painter.setFont(font);
    double widest = 1;
    for (const QString& line : lines) {
        widest = std::max(widest, QFontMetricsF(font, &printer).horizontalAdvance(line));
    }
    if (widest > page.width()) {
        font.setPointSizeF(std::max(4.0, 9 * page.width() / widest));
        painter.setFont(font);
    }
    const QFontMetricsF metrics(font, &printer);
    double y = bottom.top();
    for (const QString& line : lines) {
        if (y + metrics.height() > page.bottom()) {
            printer.newPage();
            y = page.top();
        }
        painter.drawText(QPointF(page.left(), y + metrics.ascent()), line);
        y += metrics.height();
    }
    return painter.end();
}
