#include <windows/web/windoworder.h>

#include <algorithm>
#include <vector>

namespace windows::web {

namespace {

std::vector<StackedWindow *> gOpen; // back to front
int gTopLayer = 0;
std::function<void()> gLastClosed;

} // namespace

void formOpened(StackedWindow &window)
{
    gOpen.push_back(&window);
}

void formClosed(StackedWindow &window)
{
    std::erase(gOpen, &window);
    if (gOpen.empty()) {
        if (gLastClosed)
            gLastClosed();
        return;
    }
    // The window behind comes to the front and takes the focus back, as on a desktop.
    raiseForm(*gOpen.back());
    gOpen.back()->focusInside();
}

void raiseForm(StackedWindow &window)
{
    const auto found = std::find(gOpen.begin(), gOpen.end(), &window);
    if (found != gOpen.end() && found + 1 != gOpen.end())
        std::rotate(found, found + 1, gOpen.end());
    window.setLayer(++gTopLayer);
    for (StackedWindow *open : gOpen)
        open->setFront(open == &window);
}

StackedWindow *frontForm()
{
    return gOpen.empty() ? nullptr : gOpen.back();
}

void setLastWindowClosedHandler(std::function<void()> handler)
{
    gLastClosed = std::move(handler);
}

} // namespace windows::web
