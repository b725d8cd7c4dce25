// The application-wide look the Qt windows are designed for: style, default
// font, the faces that stand in for the platform's, greyed text, and what
// assistive technology is told. The program gets it from initializeToolkit();
// tests, which make their own QApplication, apply it themselves.
#pragma once

namespace windows::qt {

// Call once, after the QApplication exists.
void applyLook();

} // namespace windows::qt
