// One window of the forms toolkit, as the shared window code sees it: loaded
// from its description on demand, shown modeless and in front, and unloaded
// (destroyed with its controls) when the user closes it. Each toolkit backend
// implements it.
#pragma once

namespace windows {

class FormWindow
{
public:
    virtual ~FormWindow() = default;

    // Whether the window exists now: loaded, and not closed by the user since.
    virtual bool isLoaded() const = 0;

    // Builds the window and its controls afresh from the description, centred
    // on the screen, not shown yet.
    virtual void load() = 0;

    // Shows the loaded window modeless, restores it if minimized, brings it to
    // the front and activates it.
    virtual void showInFront() = 0;

protected:
    FormWindow() = default;
    FormWindow(const FormWindow &) = default;
    FormWindow &operator=(const FormWindow &) = default;
};

} // namespace windows
