// The Win32 side of the forms toolkit: the window class every form uses, and
// the message loop, which ends with the program's last window.
#pragma once

#include <functional>
#include <memory>
#include <windows.h>

namespace windows::win32 {

// Registers the window class every form uses, with the program's icon, and
// starts what the accessibility services need. Call once, first.
void initializeToolkit(HINSTANCE instance);

// Shows the start window `start` makes and handles the messages until the
// last window has closed; returns the exit code.
int run(const std::function<std::shared_ptr<void>()> &start);

} // namespace windows::win32
