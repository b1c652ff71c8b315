#pragma once

// Draws laid-out pages (output/PrintLayout.h) on a printer: the document's
// print font at the printer's resolution, its print colour, and the frame of
// every page (heading, rules, page number) at the positions cPageFrame gives
// in line heights. The layout is fitted to the printer it goes to: the
// printer measures the font, and the print may turn the page or shrink the
// font so that every column is printed (FitPrint).

#include "output/PrintLayout.h"

#include <QFont>
#include <QPageLayout>

#include <functional>

class QPainter;
class QPaintDevice;
class QPrinter;
class cDatabase;

// Lays the pages out for the sizing FitPrint chooses.
using PageLayout = cPrintBuilder;

// The document's print font for `device` at `points` (the stored size when
// not given), at the device's vertical resolution.
QFont PrintFontFor(const cDatabase& db, const QPaintDevice& device, double points = 0);

// The print font measured on `device`, at any size.
class cDeviceTextMetrics : public cTextMetrics
{
public:
    cDeviceTextMetrics(const cDatabase& db, const QPaintDevice& device);
    ~cDeviceTextMetrics() override;
    int LineHeight(double points) const override;
    int CharWidth(double points) const override;
    int TextWidth(std::string_view text, double points) const override;

private:
    struct cCache;
    std::unique_ptr<cCache> m_pCache;
};

// The printer's printable area as set up and turned, and the stored font size.
cPrintArea PrintAreaOf(const QPrinter& printer, const cDatabase& db);

// One page: the frame with page number `number` and the page's texts, in the
// font `painter` holds.
void DrawPage(QPainter& painter, const cPrintPage& page, int number, const cPrintout& printout);

// Lays out for the printer's page and prints every page, turning the
// printer's page when the print needs it (the caller keeps the set-up with
// cKeepOrientation). False when the printer could not be started (a file that
// cannot be written, say).
bool PrintPages(QPrinter& printer, const cDatabase& db, const PageLayout& layout);

// Gives the printer back the orientation it had when this was made.
class cKeepOrientation
{
public:
    explicit cKeepOrientation(QPrinter& printer);
    ~cKeepOrientation();
    cKeepOrientation(const cKeepOrientation&) = delete;
    cKeepOrientation& operator=(const cKeepOrientation&) = delete;

private:
    QPrinter& m_printer;
    QPageLayout::Orientation m_orientation;
};
