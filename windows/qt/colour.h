// The layouts' colours as Qt colours.
#pragma once

#include <windows/colour.h>

#include <QtGui/QColor>

namespace windows {

QColor toQColor(const Colour &colour);

} // namespace windows
