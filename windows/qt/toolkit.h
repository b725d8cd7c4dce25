// The Qt side of the forms toolkit: starts Qt where a window can open, with
// the program's name, icon and look, and runs the event loop, which ends
// with the last window.
#pragma once

#include <functional>
#include <memory>

namespace windows::qt {

// What the desktop knows the program by.
struct Identity
{
    const char *name;
    const char *version;
    const char *desktopFileName;
    const char *const *icon; // XPM: no image plugin is loaded at start-up
};

// Starts Qt. Where no window can open (no display, one that cannot be
// reached, or one of too few colours), says why in one line and ends the
// process with exit code 1. Call once, first.
void initializeToolkit(int &argc, char **argv, const Identity &identity);

// Shows the start window `start` makes and runs the event loop until the last
// window has closed; returns the exit code.
int run(const std::function<std::shared_ptr<void>()> &start);

} // namespace windows::qt
