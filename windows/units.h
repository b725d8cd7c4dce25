// The windows are laid out in twips (1/1440 inch) and their fonts in points,
// as designed for a 96 dpi screen. This is the one place where both become
// Qt's device-independent pixels; Qt scales those for high-DPI screens.
#pragma once

#include <QtCore/QRect>
#include <QtCore/QSize>

namespace windows {

inline constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips)
{
    return twips / kTwipsPerPixel;
}

constexpr QRect twipsToPixels(int left, int top, int width, int height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

constexpr QSize twipsToPixels(QSize twips)
{
    return {twipsToPixels(twips.width()), twipsToPixels(twips.height())};
}

// The pixel height of a font of `points` on the 96 dpi design screen:
// 8.25 pt is 11 pixels, 9.75 pt 13, 18 pt 24, 24 pt 32.
constexpr int pointsToPixels(double points)
{
    return static_cast<int>(points * 96.0 / 72.0 + 0.5);
}

} // namespace windows
