#pragma once

// Draws laid-out pages (output/PrintLayout.h) on a printer: the document's
// print font at the printer's resolution, its print colour, and the frame of
// every page (heading, rules, page number) at the positions cPageFrame gives
// in line heights. Lines per page follow from the page height and the font,
// so a print is laid out for the printer it goes to.

#include "output/PrintLayout.h"

#include <QFont>

#include <functional>

class QPainter;
class QPaintDevice;
class QPrinter;
class cDatabase;

// Lays the pages out for a number of body lines per page.
using PageLayout = std::function<cPrintPages(int linesPerPage)>;

// The document's print font for `device`: the stored size in points at the
// device's vertical resolution.
QFont PrintFontFor(const cDatabase& db, const QPaintDevice& device);

// Line height, average character width and frame of a page of `device` in
// the print font.
struct cPrintMetrics
{
    cPageFrame frame;
    int charWidth = 1;
    int pageWidth = 0;
};
cPrintMetrics MeasurePage(const cDatabase& db, const QPaintDevice& device);

// One page: the frame with page number `number` and the page's texts.
void DrawPage(QPainter& painter, const cPrintPage& page, int number, const cPrintMetrics& metrics);

// Lays out for the printer's page and prints every page. False when the
// printer could not be started (a file that cannot be written, say).
bool PrintPages(QPrinter& printer, const cDatabase& db, const PageLayout& layout);
