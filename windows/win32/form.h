// A window of the forms toolkit over plain Win32: loaded on demand from its
// description (standard controls, laid out in twips at the monitor's dots per
// inch), shown modeless and in front, and destroyed when the user closes it.
// Tick boxes and push buttons report their click events by control name.
#pragma once

#include <windows/formdescription.h>
#include <windows/formwindow.h>

#include <functional>
#include <string_view>
#include <utility>
#include <vector>
#include <windows.h>

namespace windows {

class Form final : public FormWindow
{
public:
    // Called with a control's name after its click event.
    using ClickHandler = std::function<void(std::string_view control)>;

    explicit Form(const FormDescription &description);
    Form(const Form &) = delete;
    Form &operator=(const Form &) = delete;
    ~Form() override;

    bool isLoaded() const override;
    void load() override;
    void showInFront() override;

    void setClickHandler(ClickHandler handler) { m_onClick = std::move(handler); }

    // Raises a control's click event, as the toolkit does when the program
    // changes a tick box's value.
    void raiseClick(std::string_view control);

    const FormDescription &description() const { return m_description; }

    // The window, or nullptr while it is not loaded.
    HWND window() const { return m_window; }

    // A control of the loaded window by its name, or nullptr.
    HWND control(std::string_view name) const;

    int dpi() const { return m_dpi; }

private:
    struct Control
    {
        const ControlDescription *description;
        HWND window; // nullptr for lines, which the form paints
    };

    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

    void createControls();
    void layOut(int dpi);
    void centreOnScreen();
    void releaseFonts();
    HBRUSH brush(COLORREF colour);
    COLORREF backgroundOf(const Control &control) const;
    const Control *find(HWND window) const;
    void paint(HDC dc) const;
    void drawButton(const DRAWITEMSTRUCT &item);
    void fitTextBoxes();

    const FormDescription &m_description;
    HWND m_window = nullptr;
    std::vector<Control> m_controls;
    std::vector<std::pair<Font, HFONT>> m_fonts;
    std::vector<std::pair<COLORREF, HBRUSH>> m_brushes;
    HWND m_focus = nullptr; // the control to give the focus back to on activation
    int m_dpi = 96;
    ClickHandler m_onClick;
};

} // namespace windows
