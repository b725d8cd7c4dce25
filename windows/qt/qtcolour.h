// The layouts' colours as Qt colours.
#pragma once

#include <windows/colour.h>

#include <QtGui/QColor>

namespace windows::qt {

QColor toQColor(const Colour &colour);

} // namespace windows::qt
