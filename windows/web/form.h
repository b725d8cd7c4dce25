// A window of the forms toolkit in the page: loaded on demand from its
// description as an element on the desk (a title bar with the icon, caption
// and close box over a client area laid out in twips at 15 to a CSS pixel),
// shown in front, dragged by its title bar, and removed when the user closes
// it. Its controls are real page controls, kept by their index in the
// description, and report their click events by that index.
#pragma once

#include <windows/formdescription.h>
#include <windows/formview.h>
#include <windows/formwindow.h>
#include <windows/web/dom.h>
#include <windows/web/windoworder.h>

#include <memory>
#include <string>
#include <vector>

namespace windows::web {

class Form final : public FormWindow, public FormView, public StackedWindow
{
public:
    explicit Form(const FormDescription &description);
    Form(const Form &) = delete;
    Form &operator=(const Form &) = delete;
    ~Form() override;

    bool isLoaded() const override;
    void load() override;
    void showInFront() override;

    void setClickHandler(ClickHandler handler) override { m_onClick = std::move(handler); }
    bool isEnabled(std::size_t control) const override;
    void setEnabled(std::size_t control, bool enabled) override;
    void setTicked(std::size_t control, bool ticked) override;
    void describe(std::size_t control, std::string_view description) override;
    void group(std::size_t heading, std::span<const std::size_t> members) override;
    void announce(std::string_view sentence) override;

    const FormDescription &description() const { return m_description; }

    void focusInside() override;
    void setLayer(int layer) override;
    void setFront(bool front) override;

private:
    struct Control
    {
        val element = val::null(); // what stands on the window
        val input = val::null();   // what takes clicks, ticks and the focus
        val hint = val::null();    // a tick box's description
    };

    void unload();
    void listenToFrame();
    void centreOnDesk();
    void raiseClick(std::size_t control);
    void moveFocus(bool backwards);
    void startDrag(val event);
    std::string idOf(std::size_t control) const;

    const FormDescription &m_description;
    val m_window = val::null();
    val m_client = val::null();
    val m_closeBox = val::null();
    val m_styles = val::null(); // the style sheet of this form's windows
    std::vector<Control> m_controls;
    std::vector<std::size_t> m_keyboardOrder;
    val m_lastFocus = val::null();
    Listeners m_listeners;
    std::unique_ptr<Listeners> m_drag;
    ClickHandler m_onClick;
};

} // namespace windows::web
