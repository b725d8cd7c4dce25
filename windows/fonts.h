// The faces the windows were designed with, and the free faces that stand in
// for them where they are missing: Liberation Sans has Arial's metrics, and
// MS Sans Serif sets about 8 % narrower, so it is narrowed to match.
#pragma once

#include <string_view>

namespace windows {

struct FontSubstitute
{
    std::string_view face;    // as the layouts name it
    std::string_view standIn; // the free face drawn instead
    int stretch;              // percent of the stand-in's natural width
};

inline constexpr FontSubstitute kFontSubstitutes[] = {
    {"MS Sans Serif", "Liberation Sans", 92},
    {"One Stroke Script LET", "Z003", 100},
};

// The stand-in for a face, or nullptr where the face is drawn as it is.
constexpr const FontSubstitute *fontSubstitute(std::string_view face)
{
    for (const FontSubstitute &substitute : kFontSubstitutes) {
        if (substitute.face == face)
            return &substitute;
    }
    return nullptr;
}

} // namespace windows
