#pragma once

// The print font is stored as a logical font whose height is minus the size
// in points; the font dialog works in screen pixels. These convert between
// the two with the screen's dots per inch.

#include "model/cDatabase.h"

#include <QFont>

// -MulDiv(points, dpi, 72): rounded half away from zero.
int PointsToPixels(int points, int dpi);
int PixelsToPoints(int pixels, int dpi);

// The font as the dialog shows it (pixel size from the stored height).
QFont PrintFontToQFont(const cLogFont& font, int dpi);
// The dialog's choice stored over `base` (precisions, quality and family kept).
cLogFont QFontToPrintFont(const QFont& font, int dpi, const cLogFont& base);
