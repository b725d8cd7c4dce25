#include <windows/placement.h>
#include <windows/units.h>
#include <windows/win32/accessibility.h>
#include <windows/win32/form.h>
#include <windows/win32/system.h>

#include <algorithm>
#include <array>
#include <oleacc.h>
#include <optional>

namespace windows::win32 {

namespace {

constexpr int kFirstControlId = 100; // clear of IDOK and IDCANCEL, which Enter and Escape send

// The forms' windows, the one most recently activated or brought to the front
// last: the window manager may activate a window in its own time.
std::vector<HWND> gActivationOrder;

void putLastInActivationOrder(HWND window)
{
    std::erase(gActivationOrder, window);
    gActivationOrder.push_back(window);
}

DWORD windowStyle(Frame frame)
{
    // Fixed: a close box only. Sizable: close, minimize and maximize boxes.
    return (frame == Frame::Fixed ? WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU : WS_OVERLAPPEDWINDOW) |
           WS_CLIPCHILDREN;
}

struct ControlClass
{
    const wchar_t *name;
    DWORD style;
    DWORD exStyle;
};

// Every control is a group of its own, so that the arrow keys do not move the
// focus between the tick boxes as they would between option buttons.
ControlClass controlClass(const ControlDescription &control)
{
    constexpr DWORD child = WS_CHILD | WS_VISIBLE;
    switch (control.kind) {
    case ControlKind::Label:
        return {L"STATIC",
                child | SS_NOPREFIX |
                    (control.look.alignment == Alignment::Centre ? SS_CENTER : SS_LEFT),
                0};
    case ControlKind::TickBox:
        return {L"BUTTON", child | WS_TABSTOP | WS_GROUP | BS_AUTOCHECKBOX | BS_MULTILINE, 0};
    case ControlKind::PushButton:
        // Drawn by the form, so that the button's face shows its colour.
        return {L"BUTTON", child | WS_TABSTOP | WS_GROUP | BS_OWNERDRAW, 0};
    case ControlKind::TextBox:
        return {L"EDIT",
                child | WS_TABSTOP | WS_GROUP | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN,
                WS_EX_CLIENTEDGE};
    case ControlKind::Line:
        break;
    }
    return {nullptr, 0, 0};
}

// A label keeps its described size unless a word of its text is wider than
// the label, as where a face stands in for a narrower one: then the label
// grows to the right, so that no letter is cut off.
void widenToFit(std::wstring_view text, HDC measuring, HFONT font, RECT &rect)
{
    HGDIOBJ old = SelectObject(measuring, font);
    RECT needed = rect;
    DrawTextW(measuring, text.data(), static_cast<int>(text.size()), &needed,
              DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(measuring, old);
    rect.right = std::max(rect.right, needed.right);
}

RECT pixelRect(const Rect &twips, int dpi)
{
    const int left = twipsToPixels(twips.left, dpi);
    const int top = twipsToPixels(twips.top, dpi);
    return {left, top, left + twipsToPixels(twips.width, dpi),
            top + twipsToPixels(twips.height, dpi)};
}

// Where a frame of `size` stands centred in the monitor's work area; nothing
// for a monitor that cannot be asked.
std::optional<POINT> centredOn(HMONITOR monitor, SIZE size)
{
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(monitor, &info))
        return std::nullopt;
    const RECT work = info.rcWork;
    const Position place = centredIn(
        {work.left, work.top, work.right - work.left, work.bottom - work.top}, size.cx, size.cy);
    return POINT{place.x, place.y};
}

// The dialog keys move the focus in z-order, and each new control goes to the
// bottom of it: the controls outside the keyboard order are made first, then
// the others in keyboard order. Made in that order, no control is moved after.
std::vector<std::size_t> creationOrder(const FormDescription &form)
{
    std::vector<std::size_t> order;
    for (std::size_t index = 0; index < form.controls.size(); ++index) {
        if (std::ranges::find(form.tabOrder, form.controls[index].name) == form.tabOrder.end())
            order.push_back(index);
    }
    for (std::string_view name : form.tabOrder) {
        if (const std::size_t index = controlIndex(form, name); index < form.controls.size())
            order.push_back(index);
    }
    return order;
}

} // namespace

Form::Form(const FormDescription &description)
    : m_description(description)
{}

Form::~Form()
{
    if (m_window)
        DestroyWindow(m_window);
    for (const auto &[colour, handle] : m_brushes)
        DeleteObject(handle);
}

bool Form::isLoaded() const
{
    return m_window != nullptr;
}

void Form::load()
{
    if (m_window)
        return;
    // The window and each control are made where they stand, at their size
    // and in their font: every move or change after would be one more round
    // to the window system before the first frame.
    const std::wstring caption = toWide(m_description.caption);
    const DWORD style = windowStyle(m_description.frame);
    const int dpi = dpiOf(nullptr); // the screen's, which a new window takes
    const SIZE outer = frameSize(clientSize(dpi), style, 0, dpi);
    const POINT place = centredOn(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), outer)
                            .value_or(POINT{CW_USEDEFAULT, CW_USEDEFAULT});
    m_window = CreateWindowExW(0, kFormClass, caption.c_str(), style, place.x, place.y, outer.cx,
                               outer.cy, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!m_window)
        reportFailure(L"The window \"" + caption + L"\" could not be created.");
    SetWindowLongPtrW(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(m_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Form::procedure));
    formOpened();

    createControls(dpiOf(m_window));
    describeToAssistiveTechnology();
    RECT client{};
    GetClientRect(m_window, &client);
    const SIZE wanted = clientSize(m_dpi);
    if (client.right == wanted.cx && client.bottom == wanted.cy) {
        fitTextBoxes();
    } else { // on a monitor of other dots per inch than the screen's, say
        fitFrame();
        centreOnScreen();
    }
}

void Form::describeToAssistiveTechnology()
{
    for (std::size_t index = 0; index < m_controls.size(); ++index) {
        const std::string_view name = m_description.controls[index].accessibleName;
        if (m_controls[index] && !name.empty())
            setAccessibleText(m_controls[index], AccessibleText::Name, toWide(name));
    }
    if (m_description.role == WindowRole::Notice) {
        // A message whose whole text is read as it opens, not a window to work in.
        std::wstring text;
        for (const ControlDescription &control : m_description.controls) {
            if (control.kind == ControlKind::Label)
                text += (text.empty() ? L"" : L" ") + toWide(control.text);
        }
        setAccessibleRole(m_window, ROLE_SYSTEM_ALERT);
        setAccessibleText(m_window, AccessibleText::Description, text);
    }
}

void Form::showInFront()
{
    if (!m_window)
        return;
    if (IsIconic(m_window))
        ShowWindow(m_window, SW_RESTORE);
    ShowWindow(m_window, SW_SHOW);
    SetWindowPos(m_window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    putLastInActivationOrder(m_window);
    SetForegroundWindow(m_window);
    if (m_description.role == WindowRole::Notice)
        notifyAccessibleEvent(EVENT_SYSTEM_ALERT, m_window);
}

void Form::raiseClick(std::size_t control)
{
    if (m_onClick)
        m_onClick(control);
}

HWND Form::control(std::size_t index) const
{
    return index < m_controls.size() ? m_controls[index] : nullptr;
}

HWND Form::control(std::string_view name) const
{
    return control(controlIndex(m_description, name));
}

std::size_t Form::indexOf(HWND control) const
{
    if (!control || GetParent(control) != m_window)
        return m_controls.size();
    const auto id = static_cast<std::size_t>(GetDlgCtrlID(control));
    const std::size_t index = id - kFirstControlId;
    return id >= kFirstControlId && index < m_controls.size() && m_controls[index] == control
               ? index
               : m_controls.size();
}

bool Form::isEnabled(std::size_t control) const
{
    return IsWindowEnabled(this->control(control));
}

void Form::setEnabled(std::size_t control, bool enabled)
{
    EnableWindow(this->control(control), enabled);
}

void Form::setTicked(std::size_t control, bool ticked)
{
    HWND box = this->control(control);
    if (!box || (SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED) == ticked)
        return;
    SendMessageW(box, BM_SETCHECK, ticked ? BST_CHECKED : BST_UNCHECKED, 0);
    raiseClick(control);
}

void Form::describe(std::size_t control, std::string_view description)
{
    if (HWND window = this->control(control)) {
        setAccessibleText(window, AccessibleText::Description, toWide(description));
        notifyAccessibleEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, window);
    }
}

void Form::group(std::size_t heading, std::span<const std::size_t> members)
{
    // Active Accessibility has no relation from a control to its label; the
    // help text carries the heading, which screen readers read on request.
    const std::wstring text = toWide(m_description.controls[heading].text);
    for (std::size_t member : members) {
        if (HWND window = control(member))
            setAccessibleText(window, AccessibleText::Help, text);
    }
}

void Form::announce(std::string_view sentence)
{
    if (!m_window)
        return;
    // A label without size, never seen, whose name is the sentence: screen
    // readers speak an alert's name when it is raised.
    if (!m_announcer) {
        m_announcer = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_NOPREFIX, 0, 0,
                                      0, 0, m_window, nullptr, GetModuleHandleW(nullptr), nullptr);
        if (!m_announcer)
            reportFailure(L"The control for announcements could not be created.");
        setAccessibleRole(m_announcer, ROLE_SYSTEM_ALERT);
    }
    SetWindowTextW(m_announcer, toWide(sentence).c_str());
    notifyAccessibleEvent(EVENT_OBJECT_NAMECHANGE, m_announcer);
    notifyAccessibleEvent(EVENT_SYSTEM_ALERT, m_announcer);
}

void Form::createControls(int dpi)
{
    m_dpi = dpi;
    m_controls.assign(m_description.controls.size(), nullptr);
    HINSTANCE instance = GetModuleHandleW(nullptr);
    HDC measuring = GetDC(m_window);
    for (const std::size_t index : creationOrder(m_description)) {
        const ControlDescription &description = m_description.controls[index];
        const ControlClass type = controlClass(description);
        if (!type.name)
            continue;
        const std::wstring text = toWide(description.text);
        const HFONT font = fontFor(description.look.font);
        const RECT rect = place(index, font, measuring, text);
        const int id = kFirstControlId + static_cast<int>(index);
        HWND window =
            CreateWindowExW(type.exStyle, type.name, text.c_str(), type.style, rect.left, rect.top,
                            rect.right - rect.left, rect.bottom - rect.top, m_window,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
        if (!window)
            reportFailure(L"The control " + toWide(description.name) + L" could not be created.");
        SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        m_controls[index] = window;
        if (!m_focus && std::ranges::find(m_description.tabOrder, description.name) !=
                            m_description.tabOrder.end())
            m_focus = window;
    }
    ReleaseDC(m_window, measuring);
}

HFONT Form::fontFor(const Font &font)
{
    auto cached = std::ranges::find(m_fonts, font, &std::pair<Font, HFONT>::first);
    if (cached == m_fonts.end())
        cached = m_fonts.insert(m_fonts.end(), {font, createFont(font, m_dpi)});
    return cached->second;
}

RECT Form::place(std::size_t control, HFONT font, HDC measuring, std::wstring_view text) const
{
    const ControlDescription &description = m_description.controls[control];
    RECT rect = pixelRect(std::get<Rect>(description.place), m_dpi);
    if (description.kind == ControlKind::Label)
        widenToFit(text, measuring, font, rect);
    return rect;
}

void Form::layOut(int dpi)
{
    m_dpi = dpi;
    std::vector<std::pair<Font, HFONT>> previous;
    previous.swap(m_fonts);
    HDC measuring = GetDC(m_window);
    for (std::size_t index = 0; index < m_controls.size(); ++index) {
        HWND window = m_controls[index];
        if (!window)
            continue;
        const HFONT font = fontFor(m_description.controls[index].look.font);
        SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        std::array<wchar_t, 256> text{};
        const int length = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
        const RECT rect =
            place(index, font, measuring, {text.data(), static_cast<std::size_t>(length)});
        SetWindowPos(window, nullptr, rect.left, rect.top, rect.right - rect.left,
                     rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    ReleaseDC(m_window, measuring);
    for (const auto &[font, handle] : previous)
        DeleteObject(handle);
    fitFrame();
    InvalidateRect(m_window, nullptr, TRUE);
}

SIZE Form::clientSize(int dpi) const
{
    return {twipsToPixels(m_description.clientWidth, dpi),
            twipsToPixels(m_description.clientHeight, dpi)};
}

void Form::fitFrame()
{
    const LONG_PTR style = GetWindowLongPtrW(m_window, GWL_STYLE);
    const LONG_PTR exStyle = GetWindowLongPtrW(m_window, GWL_EXSTYLE);
    const SIZE outer =
        frameSize(clientSize(m_dpi), static_cast<DWORD>(style), static_cast<DWORD>(exStyle), m_dpi);
    SetWindowPos(m_window, nullptr, 0, 0, outer.cx, outer.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    fitTextBoxes();
}

void Form::fitTextBoxes()
{
    // The texts are written to fit their boxes. Should a font make one taller
    // than its box, a scroll bar keeps its end readable.
    for (std::size_t index = 0; index < m_controls.size(); ++index) {
        if (m_description.controls[index].kind != ControlKind::TextBox)
            continue;
        HWND edit = m_controls[index];
        HDC dc = GetDC(edit);
        HGDIOBJ old =
            SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(edit, WM_GETFONT, 0, 0)));
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        SelectObject(dc, old);
        ReleaseDC(edit, dc);

        RECT format{};
        SendMessageW(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
        const LRESULT lines = SendMessageW(edit, EM_GETLINECOUNT, 0, 0);
        const bool fits = lines * metrics.tmHeight <= format.bottom - format.top;
        const LONG_PTR style = GetWindowLongPtrW(edit, GWL_STYLE);
        const LONG_PTR wanted = fits ? style & ~WS_VSCROLL : style | WS_VSCROLL;
        if (wanted != style) {
            SetWindowLongPtrW(edit, GWL_STYLE, wanted);
            SetWindowPos(edit, nullptr, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE |
                             SWP_FRAMECHANGED);
        }
    }
}

void Form::centreOnScreen()
{
    RECT frame{};
    GetWindowRect(m_window, &frame);
    if (const auto place = centredOn(MonitorFromWindow(m_window, MONITOR_DEFAULTTOPRIMARY),
                                     {frame.right - frame.left, frame.bottom - frame.top}))
        SetWindowPos(m_window, nullptr, place->x, place->y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::releaseFonts()
{
    for (const auto &[font, handle] : m_fonts)
        DeleteObject(handle);
    m_fonts.clear();
}

LRESULT CALLBACK Form::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto *form = reinterpret_cast<Form *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!form)
        return DefWindowProcW(window, message, wParam, lParam);
    return form->handle(message, wParam, lParam);
}

LRESULT Form::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND window = m_window; // forgotten on WM_NCDESTROY, still needed then
    switch (message) {
    case WM_ERASEBKGND:
        eraseBackground(reinterpret_cast<HDC>(wParam));
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT paintStruct;
        HDC dc = BeginPaint(window, &paintStruct);
        paint(dc);
        EndPaint(window, &paintStruct);
        return 0;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
        if (HBRUSH face = colourControl(reinterpret_cast<HWND>(lParam),
                                        reinterpret_cast<HDC>(wParam), message == WM_CTLCOLOREDIT))
            return reinterpret_cast<LRESULT>(face);
        break;
    case WM_DRAWITEM:
        drawButton(*reinterpret_cast<const DRAWITEMSTRUCT *>(lParam));
        return TRUE;
    case WM_COMMAND:
        if (command(wParam, reinterpret_cast<HWND>(lParam)))
            return 0;
        break;
    case WM_ACTIVATE:
        activate(LOWORD(wParam) != WA_INACTIVE);
        return 0;
    case WM_CLOSE:
        handActivationBack();
        break;
    case WM_DPICHANGED:
        changeDpi(HIWORD(wParam), *reinterpret_cast<const RECT *>(lParam));
        return 0;
    case WM_DESTROY:
        forgetAccessibleProperties();
        break;
    case WM_NCDESTROY:
        forgetWindow();
        break;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

bool Form::command(WPARAM wParam, HWND from)
{
    if (const std::size_t control = indexOf(from); control < m_controls.size()) {
        if (HIWORD(wParam) == BN_CLICKED)
            raiseClick(control);
        return true;
    }
    // Enter presses the focused push button, as in a dialog; elsewhere
    // Enter and Escape do nothing: no button is the default or the cancel one.
    if (!from && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        const std::size_t focused = indexOf(GetFocus());
        if (LOWORD(wParam) == IDOK && focused < m_controls.size() &&
            m_description.controls[focused].kind == ControlKind::PushButton)
            SendMessageW(m_controls[focused], BM_CLICK, 0, 0);
        return true;
    }
    return false;
}

void Form::activate(bool active)
{
    if (!active) {
        if (HWND focus = GetFocus(); focus && IsChild(m_window, focus))
            m_focus = focus;
        return;
    }
    putLastInActivationOrder(m_window);
    HWND focus =
        m_focus && IsWindowEnabled(m_focus) ? m_focus : GetNextDlgTabItem(m_window, nullptr, FALSE);
    if (focus)
        SetFocus(focus);
}

// Closing, the window last used gives the front and the focus back to the
// window used before it, before the system picks one by its own order (under Wine,
// the order windows were made in, whatever the window manager raised since).
void Form::handActivationBack()
{
    const bool lastUsed = !gActivationOrder.empty() && gActivationOrder.back() == m_window;
    std::erase(gActivationOrder, m_window);
    if (!lastUsed || gActivationOrder.empty())
        return;
    HWND next = gActivationOrder.back();
    SetWindowPos(next, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(next);
}

void Form::changeDpi(int dpi, const RECT &suggested)
{
    layOut(dpi);
    SetWindowPos(m_window, nullptr, suggested.left, suggested.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::forgetAccessibleProperties()
{
    for (HWND control : m_controls) {
        if (control)
            clearAccessibleProperties(control);
    }
    if (m_announcer)
        clearAccessibleProperties(m_announcer);
    clearAccessibleProperties(m_window);
}

void Form::forgetWindow()
{
    std::erase(gActivationOrder, m_window);
    SetWindowLongPtrW(m_window, GWLP_USERDATA, 0);
    m_window = nullptr;
    m_controls.clear();
    m_announcer = nullptr;
    m_focus = nullptr;
    releaseFonts();
    formClosed();
}

} // namespace windows::win32
