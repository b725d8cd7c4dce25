// A colour as the window layouts give it: a fixed RGB value, or one of the
// named system colours of the platform the windows were designed for.
#pragma once

namespace windows {

enum class SystemColour
{
    ThreeDLight,         // COLOR_3DLIGHT
    InfoBackground,      // COLOR_INFOBK
    InactiveCaptionText, // COLOR_INACTIVECAPTIONTEXT
    WindowText,          // COLOR_WINDOWTEXT
    Window,              // COLOR_WINDOW
    GrayText,            // COLOR_GRAYTEXT
};

struct Colour
{
    enum class Kind
    {
        Rgb,
        System
    };

    Kind kind;
    unsigned rgb;
    SystemColour system;

    // Implicit on purpose, so that the layout tables read 0xFFC0C0 or
    // SystemColour::ThreeDLight as the layouts give them.
    constexpr Colour(unsigned rgbValue)
        : kind(Kind::Rgb)
        , rgb(rgbValue)
        , system(SystemColour::WindowText)
    {}
    constexpr Colour(SystemColour systemColour)
        : kind(Kind::System)
        , rgb(0)
        , system(systemColour)
    {}
};

// The classic scheme's light grey of the tick boxes' background. Newer
// schemes make that colour black, which hides the boxes' black captions;
// there this grey stands in for it.
inline constexpr unsigned kClassicInactiveCaptionText = 0xD4D0C8;

// The fixed RGB value of each system colour, for toolkits that have no
// system colours of their own: that of the Windows colour scheme the windows
// were made with.
constexpr unsigned fixedSystemColour(SystemColour colour)
{
    switch (colour) {
    case SystemColour::ThreeDLight:
        return 0xE3E3E3;
    case SystemColour::InfoBackground:
        return 0xFFFFE1;
    case SystemColour::InactiveCaptionText:
        return kClassicInactiveCaptionText;
    case SystemColour::WindowText:
        return 0x000000;
    case SystemColour::Window:
        return 0xFFFFFF;
    case SystemColour::GrayText:
        return 0x808080;
    }
    return 0x000000;
}

// A colour's RGB value where system colours are the fixed ones above.
constexpr unsigned fixedRgb(const Colour &colour)
{
    return colour.kind == Colour::Kind::System ? fixedSystemColour(colour.system) : colour.rgb;
}

} // namespace windows
