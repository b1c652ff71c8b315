#include "ui/PrintPages.h"

#include "model/cDatabase.h"
#include "ui/DialogFields.h"
#include "ui/PrintFont.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace {

// The stored colour holds red, green and blue in its low three bytes.
QColor PrintColor(const cDatabase& db)
{
    const std::uint32_t color = db.m_crPrintColor;
    return QColor(static_cast<int>(color & 0xff), static_cast<int>((color >> 8) & 0xff),
                  static_cast<int>((color >> 16) & 0xff));
}

void DrawText(QPainter& painter, const cPrintText& item, int y, const cPrintMetrics& metrics)
{
    const QString text = ToQString(item.text);
    const int anchor = item.x * metrics.charWidth;
    const int width = painter.fontMetrics().horizontalAdvance(text);
    int left = anchor;
    if (item.alignment == kAlignRight) {
        left = anchor - width;
    } else if (item.alignment == kAlignCenter) {
        left = anchor - width / 2;
    }
    painter.drawText(QRect(left, y, width + 1, metrics.frame.lineHeight), Qt::AlignLeft | Qt::AlignTop, text);
}

void DrawLine(QPainter& painter, const cPrintLine& line, int y, const cPrintMetrics& metrics)
{
    for (const cPrintText& item : line) {
        DrawText(painter, item, y, metrics);
    }
}

} // namespace

QFont PrintFontFor(const cDatabase& db, const QPaintDevice& device)
{
    return PrintFontToQFont(db.m_lfPrintFont, std::max(1, device.logicalDpiY()));
}

cPrintMetrics MeasurePage(const cDatabase& db, const QPaintDevice& device)
{
    // Metrics of the font on the device itself: a printer measures at its own resolution.
    const QFontMetrics metrics(PrintFontFor(db, device), &device);
    cPrintMetrics result;
    result.frame = cPageFrame::For(metrics.height(), device.height());
    result.charWidth = std::max(1, metrics.averageCharWidth());
    result.pageWidth = device.width();
    return result;
}

void DrawPage(QPainter& painter, const cPrintPage& page, int number, const cPrintMetrics& metrics)
{
    const cPageFrame& frame = metrics.frame;
    const int h = frame.lineHeight;
    const int r = metrics.pageWidth;
    painter.drawText(QRect(0, frame.headingY, r, h), Qt::AlignHCenter | Qt::AlignTop,
                     ToQString(page.heading));
    if (!page.columnHeadings.empty()) {
        DrawLine(painter, page.columnHeadings, frame.columnHeadingY, metrics);
    }
    painter.drawLine(0, frame.ruleY, r, frame.ruleY);
    for (std::size_t i = 0; i < page.lines.size(); ++i) {
        DrawLine(painter, page.lines[i], frame.LineY(static_cast<int>(i)), metrics);
    }
    painter.drawLine(0, frame.bottomRuleY, r, frame.bottomRuleY);
    painter.drawText(QRect(0, frame.pageNumberY, r, h), Qt::AlignRight | Qt::AlignTop,
                     QString::number(number));
}

bool PrintPages(QPrinter& printer, const cDatabase& db, const PageLayout& layout)
{
    const cPrintMetrics metrics = MeasurePage(db, printer);
    const cPrintPages pages = layout(metrics.frame.linesPerPage);
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    painter.setFont(PrintFontFor(db, printer));
    painter.setPen(PrintColor(db));
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0 && !printer.newPage()) {
            painter.end();
            return false;
        }
        // Columns beyond the page's width are cut at its edge, as paper would cut them.
        painter.setClipRect(QRect(0, 0, metrics.pageWidth, printer.height()));
        DrawPage(painter, pages[i], static_cast<int>(i) + 1, metrics);
    }
    return painter.end();
}
