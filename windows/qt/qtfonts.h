// Fonts of the window layouts as Qt fonts. The layouts name Windows faces;
// here a face from Debian's font packages stands in, set narrower
// where the original is narrower, so that captions fit their controls as they
// were designed to.
#pragma once

#include <windows/formdescription.h>

#include <QtGui/QFont>

namespace windows::qt {

// Registers the stand-ins as Qt font substitutes. Call once, after the
// application object exists and before the first window is built.
void registerFontSubstitutes();

QFont toQFont(const Font &font);

} // namespace windows::qt
