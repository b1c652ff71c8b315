// Fitting a print to the page: the page frame, the measured widths of texts,
// turning the page, a smaller font and bands of columns.

#include "output/PrintLayout.h"

#include <algorithm>
#include <utility>

cPageFrame cPageFrame::For(int lineHeight, int pageHeight)
{
    const int h = std::max(1, lineHeight);
    cPageFrame frame;
    frame.lineHeight = h;
    frame.headingY = 0;
    frame.columnHeadingY = h * 6 / 5;
    frame.ruleY = h * 6 / 5 + h * 5 / 4;
    frame.bodyY = frame.ruleY + (2 * h) / 5;
    frame.pageNumberY = pageHeight - h;
    frame.bottomRuleY = pageHeight - h - h * 2 / 5;
    frame.linesPerPage = std::max(1, (frame.bottomRuleY - frame.bodyY) / h);
    return frame;
}

cPrintSizing::cPrintSizing(int linesPerPage, cMeasure chars)
    : m_nLinesPerPage(std::max(1, linesPerPage))
    , m_fnChars(std::move(chars))
{
}

int cPrintSizing::Chars(std::string_view text) const
{
    return m_fnChars ? m_fnChars(text) : static_cast<int>(TextLength(text));
}

namespace {

struct cExtent
{
    int start = 0;
    int end = 0;
};

// Where a text reaches from and to, in average character widths.
cExtent ExtentOf(const cPrintText& item, const cPrintSizing& sizing)
{
    const int width = sizing.Chars(item.text);
    switch (item.alignment) {
    case kAlignRight:
        return {item.x - width, item.x};
    case kAlignCenter:
        return {item.x - (width + 1) / 2, item.x + (width + 1) / 2};
    default:
        return {item.x, item.x + width};
    }
}

// Calls `visit` (text, page) for every text of the pages, column headings included.
template <class F> void ForEachText(const cPrintPages& pages, F&& visit)
{
    for (const cPrintPage& page : pages) {
        for (const cPrintText& item : page.columnHeadings) {
            visit(item, page);
        }
        for (const cPrintLine& line : page.lines) {
            for (const cPrintText& item : line) {
                visit(item, page);
            }
        }
    }
}

// The texts of `line` for band [from, to): the key texts where they stand,
// the band's texts moved left to follow the key (the first band keeps its place).
cPrintLine BandLine(const cPrintLine& line, const cPrintSizing& sizing, int key, int from, int to, bool first)
{
    cPrintLine band;
    for (const cPrintText& item : line) {
        const int start = ExtentOf(item, sizing).start;
        if (start < key || first) {
            if (start < to) {
                band.push_back(item);
            }
        } else if (start >= from && start < to) {
            cPrintText moved = item;
            moved.x -= from - key;
            band.push_back(std::move(moved));
        }
    }
    return band;
}

// The size a point size rounds down to: quarter points.
double QuarterPointsBelow(double points)
{
    return static_cast<double>(static_cast<int>(points * 4)) / 4;
}

} // namespace

int PrintExtent(const cPrintPages& pages, const cPrintSizing& sizing)
{
    int extent = 0;
    ForEachText(pages, [&](const cPrintText& item, const cPrintPage&) {
        if (!item.text.empty()) {
            extent = std::max(extent, ExtentOf(item, sizing).end);
        }
    });
    return extent;
}

cPrintPages SplitIntoBands(const cPrintPages& pages, int room, const cPrintSizing& sizing)
{
    // Positions that some text (not a key text) spans cannot take a cut; a
    // band may begin where a text begins.
    int key = 0;
    for (const cPrintPage& page : pages) {
        key = std::max(key, page.keyWidth);
    }
    const int extent = PrintExtent(pages, sizing);
    std::vector<int> spanned(static_cast<std::size_t>(extent) + 2, 0);
    std::vector<int> reach(static_cast<std::size_t>(extent) + 2, -1); // farthest end of texts starting here
    ForEachText(pages, [&](const cPrintText& item, const cPrintPage& page) {
        const cExtent e = ExtentOf(item, sizing);
        if (item.text.empty() || e.start < page.keyWidth || e.start < 0) {
            return;
        }
        if (e.end > e.start + 1) {
            ++spanned[static_cast<std::size_t>(e.start + 1)];
            --spanned[static_cast<std::size_t>(e.end)];
        }
        reach[static_cast<std::size_t>(e.start)] = std::max(reach[static_cast<std::size_t>(e.start)], e.end);
    });
    std::vector<int> starts; // where texts begin, each once, and whether a band may begin there
    std::vector<bool> open;
    int depth = 0;
    for (int at = 0; at <= extent; ++at) {
        depth += spanned[static_cast<std::size_t>(at)];
        if (reach[static_cast<std::size_t>(at)] >= 0) {
            starts.push_back(at);
            open.push_back(depth == 0);
        }
    }
    std::vector<int> cuts; // where each band after the first begins
    int from = 0;
    for (;;) {
        // The band from `from` takes the texts up to the last place a band may
        // begin before its texts would pass the room; its texts move left by `shift`.
        const int shift = cuts.empty() ? 0 : from - key;
        int cut = -1;
        int firstOpen = -1;
        int farthest = 0;
        for (std::size_t i = 0; i < starts.size(); ++i) {
            if (starts[i] < from) {
                continue;
            }
            if (starts[i] > from && open[i]) {
                if (farthest - shift <= room) {
                    cut = starts[i];
                }
                if (firstOpen < 0) {
                    firstOpen = starts[i];
                }
            }
            farthest = std::max(farthest, reach[static_cast<std::size_t>(starts[i])]);
        }
        if (farthest - shift <= room) {
            break;
        }
        // Nothing fits: a column wider than the room makes a band of its own.
        cut = cut >= 0 ? cut : firstOpen;
        if (cut < 0) {
            break;
        }
        cuts.push_back(cut);
        from = cut;
    }
    if (cuts.empty()) {
        return pages;
    }
    cPrintPages banded;
    for (const cPrintPage& page : pages) {
        for (std::size_t band = 0; band <= cuts.size(); ++band) {
            const int bandFrom = band == 0 ? 0 : cuts[band - 1];
            const int bandTo = band < cuts.size() ? cuts[band] : extent + 1;
            cPrintPage part{page.heading, {}, {}, page.keyWidth};
            part.columnHeadings =
                BandLine(page.columnHeadings, sizing, page.keyWidth, bandFrom, bandTo, band == 0);
            for (const cPrintLine& line : page.lines) {
                part.lines.push_back(BandLine(line, sizing, page.keyWidth, bandFrom, bandTo, band == 0));
            }
            banded.push_back(std::move(part));
        }
    }
    return banded;
}

cPrintout FitPrint(const cTextMetrics& metrics, const cPrintArea& area, const cPrintBuilder& build)
{
    const double base = area.points > 0 ? area.points : 10;
    const double smallest = std::min(kMinPrintPoints, base);
    struct cTry
    {
        cPrintout out;
        int room = 0; // characters a line holds
        int extent = 0;
    };
    const auto lay = [&](double points, bool turned) {
        cTry t;
        t.out.turned = turned;
        t.out.points = points;
        t.out.charWidth = std::max(1, metrics.CharWidth(points));
        t.out.pageWidth = turned ? area.turnedWidth : area.width;
        t.out.frame = cPageFrame::For(metrics.LineHeight(points), turned ? area.turnedHeight : area.height);
        const int charWidth = t.out.charWidth;
        const cPrintSizing sizing(
            t.out.frame.linesPerPage, [&metrics, points, charWidth](std::string_view text) {
                return (std::max(0, metrics.TextWidth(text, points)) + charWidth - 1) / charWidth;
            });
        t.out.pages = build(sizing);
        t.room = t.out.pageWidth / charWidth;
        t.extent = PrintExtent(t.out.pages, sizing);
        if (t.extent > t.room && points <= smallest) {
            t.out.pages = SplitIntoBands(t.out.pages, t.room, sizing);
        }
        return t;
    };
    cTry upright = lay(base, false);
    if (upright.extent <= upright.room) {
        return std::move(upright.out);
    }
    cTry turned = lay(base, true);
    if (turned.extent <= turned.room) {
        return std::move(turned.out);
    }
    // Smaller, on the roomier page: first as much as the widths say, then a
    // quarter point at a time, as measured texts do not shrink quite evenly.
    const bool turn = turned.room > upright.room;
    const cTry& roomier = turn ? turned : upright;
    double points = QuarterPointsBelow(base * roomier.room / std::max(1, roomier.extent));
    for (int attempt = 0; attempt < 8 && points > smallest; ++attempt) {
        cTry smaller = lay(points, turn);
        if (smaller.extent <= smaller.room) {
            return std::move(smaller.out);
        }
        points =
            std::min(points - 0.25, QuarterPointsBelow(points * smaller.room / std::max(1, smaller.extent)));
    }
    return std::move(lay(smallest, turn).out);
}
