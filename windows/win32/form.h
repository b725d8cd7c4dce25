// A window of the forms toolkit over plain Win32: loaded on demand from its
// description (standard controls, laid out in twips at the monitor's dots per
// inch), shown modeless and in front, and destroyed when the user closes it.
// Its controls are kept by their index in the description; tick boxes and
// push buttons report their click events by that index.
#pragma once

#include <windows/formdescription.h>
#include <windows/formview.h>
#include <windows/formwindow.h>

#include <string_view>
#include <utility>
#include <vector>
#include <windows.h>

namespace windows::win32 {

class Form final : public FormWindow, public FormView
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

    // The window, or nullptr while it is not loaded.
    HWND window() const { return m_window; }

    // A control of the loaded window by its index, or nullptr (lines, which
    // the form paints, and any control while the form is not loaded).
    HWND control(std::size_t index) const;

    // A control of the loaded window by its name, or nullptr.
    HWND control(std::string_view name) const;

    // The control that speaks the form's announcements, once one was made.
    HWND announcer() const { return m_announcer; }

    int dpi() const { return m_dpi; }

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

    void createControls(int dpi);
    void describeToAssistiveTechnology();
    // The font of the form's dots per inch, made once for all controls that use it.
    HFONT fontFor(const Font &font);
    // Where a control stands in pixels, a label widened to fit `text`.
    RECT place(std::size_t control, HFONT font, HDC measuring, std::wstring_view text) const;
    void layOut(int dpi);
    SIZE clientSize(int dpi) const;
    // The window's size for its client area; text boxes scroll if their text overflows.
    void fitFrame();
    void centreOnScreen();
    void releaseFonts();
    HBRUSH brush(COLORREF colour);
    COLORREF backgroundOf(std::size_t control) const;
    // The index of a control window of this form, or the table's size.
    std::size_t indexOf(HWND control) const;
    void raiseClick(std::size_t control);
    // One handler for each message the form answers itself.
    bool command(WPARAM wParam, HWND from);
    void activate(bool active);
    void handActivationBack();
    void changeDpi(int dpi, const RECT &suggested);
    void forgetAccessibleProperties();
    void forgetWindow();

    // Painting, in formpainting.cpp.
    void eraseBackground(HDC dc);
    // The brush of a control's face, its colours set on `dc`; nullptr for no control of the form.
    HBRUSH colourControl(HWND window, HDC dc, bool textBox);
    void paint(HDC dc) const;
    void drawButton(const DRAWITEMSTRUCT &item);
    void fitTextBoxes();

    const FormDescription &m_description;
    HWND m_window = nullptr;
    std::vector<HWND> m_controls; // by index; nullptr for lines
    HWND m_announcer = nullptr;
    std::vector<std::pair<Font, HFONT>> m_fonts;
    std::vector<std::pair<COLORREF, HBRUSH>> m_brushes;
    HWND m_focus = nullptr; // the control to give the focus back to on activation
    int m_dpi = 96;
    ClickHandler m_onClick;
};

} // namespace windows::win32
