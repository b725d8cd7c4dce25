// The controls of a loaded window, as the shared window code drives them by
// their index in the window's description: their click events, the tick
// boxes' ticked and enabled state, and what assistive technology is told.
// Each toolkit backend implements it over its window's real controls.
#pragma once

#include <cstddef>
#include <functional>
#include <span>
#include <string_view>

namespace windows {

class FormView
{
public:
    // Called with a control's index after its click event: a tick box's or
    // push button's click by mouse, Space, or (buttons) Enter while focused,
    // or a change of a tick box's value written by the program.
    using ClickHandler = std::function<void(std::size_t control)>;

    virtual ~FormView() = default;

    virtual void setClickHandler(ClickHandler handler) = 0;

    virtual bool isEnabled(std::size_t control) const = 0;
    virtual void setEnabled(std::size_t control, bool enabled) = 0;
    // Raises the box's click event when the value changes, as the user's click does.
    virtual void setTicked(std::size_t control, bool ticked) = 0;

    // The text assistive technology reads after the control's name and state.
    virtual void describe(std::size_t control, std::string_view description) = 0;

    // Presents `members` to assistive technology as one group that the label
    // `heading` names, as a row of tick boxes under its heading; on screen
    // nothing changes.
    virtual void group(std::size_t heading, std::span<const std::size_t> members) = 0;

    // Has assistive technology speak a sentence that is no control's own state.
    virtual void announce(std::string_view sentence) = 0;

protected:
    FormView() = default;
    FormView(const FormView &) = default;
    FormView &operator=(const FormView &) = default;
};

} // namespace windows
