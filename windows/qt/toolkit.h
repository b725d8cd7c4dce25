// The Qt side of the forms toolkit that every window shares: the look the
// windows are designed for, and the event loop, which ends with the last
// window.
#pragma once

namespace windows::qt {

// Sets up the application-wide look the windows are designed for: style,
// default font, the faces that stand in for the platform's, greyed text, and
// what assistive technology is told. Call once, after the QApplication exists.
void initializeToolkit();

// Runs the event loop until the last window has closed; returns the exit code.
int runEventLoop();

} // namespace windows::qt
