// What a backend's test gives the contract suite: its forms and questionnaire,
// and a way to see and work its windows as a user and a screen reader would.
// Each backend's test implements it once; the suite (contract_test.cpp) is the
// same for every backend.
#pragma once

#include <windows/formdescription.h>
#include <windows/formview.h>
#include <windows/formwindow.h>

#include <questionnaire/resultkind.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace contract {

enum class Key
{
    Space,
    Enter,
    Escape,
    Tab
};

// A rectangle on the screen, in pixels.
struct Box
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// A window on screen, as a user sees it.
struct WindowState
{
    std::string caption;
    int clientWidth = 0; // pixels
    int clientHeight = 0;
    std::optional<unsigned> backgroundRgb; // the colour its client area is filled with
    Box frame;                             // the whole window, its frame included
    Box screen;           // the area windows open in: the screen's work area, the page's desk
    bool sizable = false; // the user can change its size
    bool modal = false;   // it holds the program's other windows back while open
};

// A control of a window on screen, as a user and a screen reader see it.
struct ControlState
{
    std::string text; // line breaks as "\n"
    int left = 0;     // pixels of the window's client area
    int top = 0;
    int width = 0;
    int height = 0;
    std::optional<unsigned> textRgb;       // the colour its text is drawn in, as 0xRRGGBB
    std::optional<unsigned> backgroundRgb; // the colour its face is filled with
    bool textFits = false;                 // all of its text shows, within its box
    std::string accessibleName;            // where set beyond the control's text
    std::string description;               // what assistive technology reads after the state
    bool enabled = true;
    bool ticked = false;
};

// A form a backend keeps for itself, as the suite holds it: the backend can
// still find the windows of a test's forms by their names.
class FormHandle final : public windows::FormWindow
{
public:
    explicit FormHandle(windows::FormWindow &form)
        : m_form(form)
    {}
    bool isLoaded() const override { return m_form.isLoaded(); }
    void load() override { m_form.load(); }
    void showInFront() override { m_form.showInFront(); }

private:
    windows::FormWindow &m_form;
};

class Backend
{
public:
    virtual ~Backend() = default;

    virtual std::unique_ptr<windows::FormWindow> makeForm(const windows::FormDescription &) = 0;

    // A fresh questionnaire window, loaded and shown, with its own result windows.
    virtual void openQuestionnaire() = 0;
    virtual windows::FormView &questionnaireView() = 0;
    virtual windows::FormWindow &resultWindow(questionnaire::ResultKind kind) = 0;

    // Handles events until `condition` holds; false if it did not within a
    // bound far beyond any normal wait.
    virtual bool waitUntil(const std::function<bool()> &condition) = 0;

    // The program's windows on screen now.
    virtual int windowCount() = 0;
    // The form name of the program's window in front of its others, or "".
    virtual std::string frontForm() = 0;

    // These find the shown window of a form by the form's name.
    virtual WindowState window(std::string_view form) = 0;
    virtual ControlState control(std::string_view form, std::string_view control) = 0;
    virtual void click(std::string_view form, std::string_view control) = 0;
    virtual void focus(std::string_view form, std::string_view control) = 0;
    virtual void setText(std::string_view form, std::string_view control,
                         std::string_view text) = 0;
    virtual void closeByUser(std::string_view form) = 0;
    // Sizes the window as the user would by its border, to a whole window of
    // `width` by `height`; false where this backend's windows have no border
    // to size them by.
    virtual bool resizeByUser(std::string_view form, int width, int height) = 0;

    // A key pressed and released on the control with the keyboard focus.
    virtual void press(Key key) = 0;

    // The control with the keyboard focus as "Form1/Check3", or "" where the
    // focus is on none of the described controls.
    virtual std::string focused() = 0;

    // Every sentence announced to assistive technology so far, in order.
    virtual std::vector<std::string> announcements() = 0;

    // Whether the program was told to end because its last window closed.
    virtual bool quitRequested() = 0;

    // Closes whatever the test left open and forgets what was seen.
    virtual void reset() = 0;
};

// Made once per test by the backend's test.
std::unique_ptr<Backend> makeBackend();

} // namespace contract
