#include "ui/print/PrintPages.h"

#include "model/cDatabase.h"
#include "ui/dialogs/DialogFields.h"
#include "ui/print/PrintFont.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <cmath>
#include <map>

namespace {

// The stored colour holds red, green and blue in its low three bytes.
QColor PrintColor(const cDatabase& db)
{
    const std::uint32_t color = db.m_crPrintColor;
    return QColor(static_cast<int>(color & 0xff), static_cast<int>((color >> 8) & 0xff),
                  static_cast<int>((color >> 16) & 0xff));
}

// The stored size in points (the stored height is minus the size).
double StoredPoints(const cDatabase& db)
{
    const int height = std::abs(db.m_lfPrintFont.lfHeight);
    return height != 0 ? height : 10;
}

void DrawText(QPainter& painter, const cPrintText& item, int y, const cPrintout& printout)
{
    const QString text = ToQString(item.text);
    const int anchor = item.x * printout.charWidth;
    const int width = painter.fontMetrics().horizontalAdvance(text);
    int left = anchor;
    if (item.alignment == kAlignRight) {
        left = anchor - width;
    } else if (item.alignment == kAlignCenter) {
        left = anchor - width / 2;
    }
    painter.drawText(QRect(left, y, width + 1, printout.frame.lineHeight), Qt::AlignLeft | Qt::AlignTop,
                     text);
}

void DrawLine(QPainter& painter, const cPrintLine& line, int y, const cPrintout& printout)
{
    for (const cPrintText& item : line) {
        DrawText(painter, item, y, printout);
    }
}

QPageLayout::Orientation Turned(QPageLayout::Orientation orientation)
{
    return orientation == QPageLayout::Portrait ? QPageLayout::Landscape : QPageLayout::Portrait;
}

} // namespace

QFont PrintFontFor(const cDatabase& db, const QPaintDevice& device, double points)
{
    QFont font = PrintFontToQFont(db.m_lfPrintFont, std::max(1, device.logicalDpiY()));
    if (points > 0) {
        const double pixels = points * std::max(1, device.logicalDpiY()) / 72.0;
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
    }
    return font;
}

struct cDeviceTextMetrics::cCache
{
    const cDatabase& db;
    const QPaintDevice& device;
    std::map<int, QFontMetrics> sizes; // by pixel size

    const QFontMetrics& At(double points)
    {
        const QFont font = PrintFontFor(db, device, points);
        auto found = sizes.find(font.pixelSize());
        if (found == sizes.end()) {
            found = sizes.emplace(font.pixelSize(), QFontMetrics(font, &device)).first;
        }
        return found->second;
    }
};

cDeviceTextMetrics::cDeviceTextMetrics(const cDatabase& db, const QPaintDevice& device)
    : m_pCache(std::make_unique<cCache>(cCache{db, device, {}}))
{
}

cDeviceTextMetrics::~cDeviceTextMetrics() = default;

int cDeviceTextMetrics::LineHeight(double points) const
{
    return m_pCache->At(points).height();
}

int cDeviceTextMetrics::CharWidth(double points) const
{
    return std::max(1, m_pCache->At(points).averageCharWidth());
}

int cDeviceTextMetrics::TextWidth(std::string_view text, double points) const
{
    return m_pCache->At(points).horizontalAdvance(ToQString(std::string(text)));
}

cPrintArea PrintAreaOf(const QPrinter& printer, const cDatabase& db)
{
    cPrintArea area;
    const int resolution = printer.resolution();
    const QRect upright = printer.pageLayout().paintRectPixels(resolution);
    QPageLayout turned = printer.pageLayout();
    turned.setOrientation(Turned(turned.orientation()));
    const QRect sideways = turned.paintRectPixels(resolution);
    area.width = upright.width();
    area.height = upright.height();
    area.turnedWidth = sideways.width();
    area.turnedHeight = sideways.height();
    area.points = StoredPoints(db);
    return area;
}

void DrawPage(QPainter& painter, const cPrintPage& page, int number, const cPrintout& printout)
{
    const cPageFrame& frame = printout.frame;
    const int h = frame.lineHeight;
    const int r = printout.pageWidth;
    painter.drawText(QRect(0, frame.headingY, r, h), Qt::AlignHCenter | Qt::AlignTop,
                     ToQString(page.heading));
    if (!page.columnHeadings.empty()) {
        DrawLine(painter, page.columnHeadings, frame.columnHeadingY, printout);
    }
    painter.drawLine(0, frame.ruleY, r, frame.ruleY);
    for (std::size_t i = 0; i < page.lines.size(); ++i) {
        DrawLine(painter, page.lines[i], frame.LineY(static_cast<int>(i)), printout);
    }
    painter.drawLine(0, frame.bottomRuleY, r, frame.bottomRuleY);
    painter.drawText(QRect(0, frame.pageNumberY, r, h), Qt::AlignRight | Qt::AlignTop,
                     QString::number(number));
}

bool PrintPages(QPrinter& printer, const cDatabase& db, const PageLayout& layout)
{
    cPrintout printout;
    {
        const cDeviceTextMetrics metrics(db, printer);
        printout = FitPrint(metrics, PrintAreaOf(printer, db), layout);
    }
    if (printout.turned) {
        printer.setPageOrientation(Turned(printer.pageLayout().orientation()));
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    painter.setFont(PrintFontFor(db, printer, printout.points));
    painter.setPen(PrintColor(db));
    for (std::size_t i = 0; i < printout.pages.size(); ++i) {
        if (i > 0 && !printer.newPage()) {
            painter.end();
            return false;
        }
        painter.setClipRect(QRect(0, 0, printout.pageWidth, printer.height()));
        DrawPage(painter, printout.pages[i], static_cast<int>(i) + 1, printout);
    }
    return painter.end();
}

cKeepOrientation::cKeepOrientation(QPrinter& printer)
    : m_printer(printer)
    , m_orientation(printer.pageLayout().orientation())
{
}

cKeepOrientation::~cKeepOrientation()
{
    m_printer.setPageOrientation(m_orientation);
}
