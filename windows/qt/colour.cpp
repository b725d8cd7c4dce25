#include <windows/qt/colour.h>

namespace windows {

namespace {

// System colours have no meaning on Linux, so each one the layouts name gets
// a fixed value: that of the Windows colour scheme the windows were made with.
QColor systemColour(SystemColour colour)
{
    switch (colour) {
    case SystemColour::ThreeDLight:
        return QColor(0xE3, 0xE3, 0xE3);
    case SystemColour::InfoBackground:
        return QColor(0xFF, 0xFF, 0xE1);
    case SystemColour::InactiveCaptionText:
        // The classic scheme's light grey; on Windows 10 this colour is black,
        // which would hide the tick boxes' black captions.
        return QColor(0xD4, 0xD0, 0xC8);
    case SystemColour::WindowText:
        return QColor(0x00, 0x00, 0x00);
    case SystemColour::Window:
        return QColor(0xFF, 0xFF, 0xFF);
    case SystemColour::GrayText:
        return QColor(0x80, 0x80, 0x80);
    }
    return {};
}

} // namespace

QColor toQColor(const Colour &colour)
{
    if (colour.kind == Colour::Kind::System)
        return systemColour(colour.system);
    return QColor::fromRgb(static_cast<QRgb>(colour.rgb));
}

} // namespace windows
