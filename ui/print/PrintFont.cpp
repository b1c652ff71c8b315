#include "ui/print/PrintFont.h"

#include <algorithm>
#include <cstdlib>

namespace {

int MulDiv(int number, int numerator, int denominator)
{
    if (denominator == 0) {
        return -1;
    }
    const long long product = static_cast<long long>(number) * numerator;
    const long long half = std::llabs(static_cast<long long>(denominator)) / 2;
    const long long rounded = (product >= 0) == (denominator > 0)
                                  ? (std::llabs(product) + half) / std::llabs(denominator)
                                  : -((std::llabs(product) + half) / std::llabs(denominator));
    return static_cast<int>(rounded);
}

} // namespace

int PointsToPixels(int points, int dpi)
{
    return MulDiv(points, dpi, 72);
}

int PixelsToPoints(int pixels, int dpi)
{
    return MulDiv(pixels, 72, dpi);
}

QFont PrintFontToQFont(const cLogFont& font, int dpi)
{
    QFont result(QString::fromStdString(font.lfFaceName));
    const int points = font.lfHeight < 0 ? -font.lfHeight : font.lfHeight;
    const int pixels = PointsToPixels(points != 0 ? points : 10, dpi);
    result.setPixelSize(pixels > 0 ? pixels : 1);
    result.setWeight(font.lfWeight > 0 ? static_cast<QFont::Weight>(std::clamp(font.lfWeight, 1, 1000))
                                       : QFont::Normal);
    result.setItalic(font.lfItalic != 0);
    result.setUnderline(font.lfUnderline != 0);
    result.setStrikeOut(font.lfStrikeOut != 0);
    return result;
}

cLogFont QFontToPrintFont(const QFont& font, int dpi, const cLogFont& base)
{
    cLogFont result = base;
    int pixels = font.pixelSize();
    if (pixels <= 0) {
        pixels = static_cast<int>(font.pointSizeF() * dpi / 72.0 + 0.5);
    }
    result.lfHeight = -PixelsToPoints(pixels, dpi);
    result.lfWidth = 0;
    result.lfWeight = static_cast<std::int32_t>(font.weight());
    result.lfItalic = font.italic() ? 1 : 0;
    result.lfUnderline = font.underline() ? 1 : 0;
    result.lfStrikeOut = font.strikeOut() ? 1 : 0;
    std::string face = font.family().toStdString();
    if (face.size() > 31) {
        face.resize(31);
    }
    result.lfFaceName = face;
    return result;
}
