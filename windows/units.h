// The windows are laid out in twips (1/1440 inch) and their fonts in points.
// This is the one place where both become pixels: at 96 dots per inch a pixel
// is 15 twips, and on a denser screen 1440 / dpi twips.
#pragma once

namespace windows {

inline constexpr int kDesignDpi = 96;
inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kTwipsPerPixel = kTwipsPerInch / kDesignDpi;

constexpr int twipsToPixels(int twips, int dpi = kDesignDpi)
{
    return twips * dpi / kTwipsPerInch;
}

// The pixel height of a font of `points`; on the 96 dpi design screen
// 8.25 pt is 11 pixels, 9.75 pt 13, 18 pt 24, 24 pt 32.
constexpr int pointsToPixels(double points, int dpi = kDesignDpi)
{
    return static_cast<int>(points * dpi / 72.0 + 0.5);
}

} // namespace windows
