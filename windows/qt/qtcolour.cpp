#include <windows/qt/qtcolour.h>

namespace windows::qt {

// System colours have no meaning on Linux: each one has its fixed value.
QColor toQColor(const Colour &colour)
{
    return QColor::fromRgb(static_cast<QRgb>(fixedRgb(colour)));
}

} // namespace windows::qt
