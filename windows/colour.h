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

} // namespace windows
