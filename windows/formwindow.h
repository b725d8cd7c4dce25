// One window of the forms toolkit, as the shared window code sees it: loaded
// from its description on demand, shown modeless and in front, and unloaded
// (destroyed with its controls) when the user closes it. Each toolkit backend
// implements it, with the same meaning on every backend:
//
// - A form is loaded from the moment load() builds its window until the user
//   closes that window (or the form is destroyed). A loaded window need not
//   be shown; a minimized or hidden-behind one is still loaded.
// - There is never more than one window per form: load() on a loaded form
//   does nothing, and showInFront() never builds one.
// - Closing by the user unloads at once: isLoaded() is false as soon as the
//   close has been handled, and what was typed into the window is gone. The
//   next load() builds the window afresh from the description.
// - The process ends when the last loaded window of all forms is closed.
#pragma once

namespace windows {

class FormWindow
{
public:
    virtual ~FormWindow() = default;

    // Whether the window exists now: loaded, and not closed by the user since.
    virtual bool isLoaded() const = 0;

    // Builds the window and its controls afresh from the description, centred
    // on the screen, not shown yet. Does nothing on a loaded form.
    virtual void load() = 0;

    // Shows the loaded window modeless, restores it if minimized, brings it to
    // the front and activates it; the same again when called twice. Does
    // nothing on a form that is not loaded.
    virtual void showInFront() = 0;

protected:
    FormWindow() = default;
    FormWindow(const FormWindow &) = default;
    FormWindow &operator=(const FormWindow &) = default;
};

// How every window of the program opens: loaded if it is not, then shown in front.
inline void showForm(FormWindow &form)
{
    if (!form.isLoaded())
        form.load();
    form.showInFront();
}

} // namespace windows
