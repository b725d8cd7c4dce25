// The page's windows front to back: which one is in front, the order they
// come to it, and what follows when one closes. The page has no window
// manager; this is its stand-in, shared by the forms and the toolkit.
#pragma once

#include <functional>

namespace windows::web {

// What the order asks of a window on the desk.
class StackedWindow
{
public:
    virtual void setLayer(int layer) = 0;
    // Whether the window is the one in front, whose title bar shows it.
    virtual void setFront(bool front) = 0;
    // Gives the focus to the control that last had it, or the first in keyboard order.
    virtual void focusInside() = 0;

protected:
    ~StackedWindow() = default;
};

// The windows that exist, back to front.
void formOpened(StackedWindow &window);
// The window behind comes to the front and takes the focus; after the last
// window, the handler given below runs.
void formClosed(StackedWindow &window);
// Puts the window in front of the others.
void raiseForm(StackedWindow &window);
// The window in front, or nullptr.
StackedWindow *frontForm();

void setLastWindowClosedHandler(std::function<void()> handler);

} // namespace windows::web
