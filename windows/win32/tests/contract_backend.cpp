// The contract suite over the Win32 backend, under Wine. What the program
// tells Active Accessibility through the annotation service is read from a
// stand-in for that service, registered before the first window loads: Wine's
// own service accepts the calls but its accessible objects do not show them.
// Announcements are caught as the accessibility events a screen reader hooks.
#include <windows/questionnaire.h>
#include <windows/questionnairelayout.h>
#include <windows/questionnairewindowof.h>
#include <windows/resultlayouts.h>
#include <windows/resultwindows.h>
#include <windows/tests/backend.h>
#include <windows/win32/accessibility.h>
#include <windows/win32/form.h>
#include <windows/win32/system.h>
#include <windows/win32/toolkit.h>

#include <gtest/gtest.h>

#include <map>
#include <oleacc.h>
#include <string>
#include <utility>
#include <windows.h>

namespace {

using namespace windows;

constexpr GUID kIUnknown{
    0x00000000, 0x0000, 0x0000, {0xc0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr GUID kIClassFactory{
    0x00000001, 0x0000, 0x0000, {0xc0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

contract::Box box(const RECT &rect)
{
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

std::string narrow(std::wstring_view text)
{
    std::string result;
    for (wchar_t c : text)
        result.push_back(static_cast<char>(c));
    return result;
}

std::string textOf(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    std::string result = narrow(text);
    for (std::size_t at; (at = result.find("\r\n")) != std::string::npos;)
        result.erase(at, 1);
    return result;
}

// The texts the program set, by window and property.
std::map<std::pair<HWND, std::string>, std::string> gAnnotations;

std::string key(const GUID &property)
{
    return property == win32::kName          ? "name"
           : property == win32::kDescription ? "description"
           : property == win32::kHelp        ? "help"
           : property == win32::kRole        ? "role"
                                             : "other";
}

// Records what the program sets; the static lifetime makes reference counting moot.
class RecordingPropServices final : public IAccPropServices
{
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void **object) override
    {
        if (iid == kIUnknown || iid == win32::kIAccPropServices) {
            *object = this;
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    HRESULT STDMETHODCALLTYPE SetPropValue(const BYTE *, DWORD, MSAAPROPID, VARIANT) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetPropServer(const BYTE *, DWORD, const MSAAPROPID *, int,
                                            IAccPropServer *, AnnoScope) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE ClearProps(const BYTE *, DWORD, const MSAAPROPID *, int) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetHwndProp(HWND window, DWORD object, DWORD child,
                                          MSAAPROPID property, VARIANT value) override
    {
        if (object != static_cast<DWORD>(OBJID_CLIENT) || child != CHILDID_SELF ||
            value.vt != VT_I4)
            return E_INVALIDARG;
        gAnnotations[{window, key(property)}] = std::to_string(value.lVal);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE SetHwndPropStr(HWND window, DWORD object, DWORD child,
                                             MSAAPROPID property, LPCWSTR text) override
    {
        if (object != static_cast<DWORD>(OBJID_CLIENT) || child != CHILDID_SELF)
            return E_INVALIDARG;
        gAnnotations[{window, key(property)}] = narrow(text);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE SetHwndPropServer(HWND, DWORD, DWORD, const MSAAPROPID *, int,
                                                IAccPropServer *, AnnoScope) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE ClearHwndProps(HWND window, DWORD, DWORD, const MSAAPROPID *,
                                             int) override
    {
        std::erase_if(gAnnotations,
                      [window](const auto &entry) { return entry.first.first == window; });
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ComposeHwndIdentityString(HWND, DWORD, DWORD, BYTE **,
                                                        DWORD *) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE DecomposeHwndIdentityString(const BYTE *, DWORD, HWND *, DWORD *,
                                                          DWORD *) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetHmenuProp(HMENU, DWORD, MSAAPROPID, VARIANT) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetHmenuPropStr(HMENU, DWORD, MSAAPROPID, LPCWSTR) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetHmenuPropServer(HMENU, DWORD, const MSAAPROPID *, int,
                                                 IAccPropServer *, AnnoScope) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE ClearHmenuProps(HMENU, DWORD, const MSAAPROPID *, int) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE ComposeHmenuIdentityString(HMENU, DWORD, BYTE **, DWORD *) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE DecomposeHmenuIdentityString(const BYTE *, DWORD, HMENU *,
                                                           DWORD *) override
    {
        return E_NOTIMPL;
    }
};

class RecordingFactory final : public IClassFactory
{
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void **object) override
    {
        if (iid == kIUnknown || iid == kIClassFactory) {
            *object = this;
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown *outer, REFIID iid, void **object) override
    {
        if (outer)
            return CLASS_E_NOAGGREGATION;
        return m_services.QueryInterface(iid, object);
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

private:
    RecordingPropServices m_services;
};

std::vector<std::string> gAnnouncements;

void CALLBACK accessibilityEvent(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD,
                                 DWORD)
{
    // The notices raise alerts too; the announcements come from a control.
    if (!window || !(GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD))
        return;
    IAccessible *accessible = nullptr;
    VARIANT item;
    VariantInit(&item);
    if (FAILED(AccessibleObjectFromEvent(window, static_cast<DWORD>(object),
                                         static_cast<DWORD>(child), &accessible, &item)))
        return;
    BSTR name = nullptr;
    if (SUCCEEDED(accessible->get_accName(item, &name)) && name) {
        gAnnouncements.push_back(narrow(name));
        SysFreeString(name);
    }
    accessible->Release();
}

class Win32Backend final : public contract::Backend
{
public:
    Win32Backend()
        : m_hook(SetWinEventHook(EVENT_SYSTEM_ALERT, EVENT_SYSTEM_ALERT, nullptr,
                                 accessibilityEvent, GetCurrentProcessId(), 0,
                                 WINEVENT_OUTOFCONTEXT))
    {
        reset(); // an earlier test's last window may have asked the program to end
    }
    ~Win32Backend() override
    {
        reset();
        if (m_hook)
            UnhookWinEvent(m_hook);
    }

    std::unique_ptr<FormWindow> makeForm(const FormDescription &description) override
    {
        m_forms.push_back(std::make_unique<win32::Form>(description));
        return std::make_unique<contract::FormHandle>(*m_forms.back());
    }

    void openQuestionnaire() override
    {
        m_questionnaire = std::make_unique<Session>();
        showForm(m_questionnaire->form());
        pump();
    }

    FormView &questionnaireView() override { return m_questionnaire->form(); }

    FormWindow &resultWindow(questionnaire::ResultKind kind) override
    {
        return m_questionnaire->resultWindow(kind);
    }

    // Gives up once no message has come for two seconds: nothing is left then
    // that could bring the condition about (the window manager, under Wine,
    // answers well within that even on a busy machine).
    bool waitUntil(const std::function<bool()> &condition) override
    {
        const ULONGLONG bound = GetTickCount64() + 60'000;
        ULONGLONG quietSince = GetTickCount64();
        pump();
        while (!condition()) {
            const ULONGLONG now = GetTickCount64();
            if (now > bound || now - quietSince > 2'000)
                return condition();
            const bool woken = MsgWaitForMultipleObjects(0, nullptr, FALSE, 20,
                                                         QS_ALLINPUT & ~QS_TIMER) != WAIT_TIMEOUT;
            if (pump() || woken)
                quietSince = GetTickCount64();
        }
        return true;
    }

    int windowCount() override
    {
        pump();
        int count = 0;
        EnumThreadWindows(GetCurrentThreadId(), &countForm, reinterpret_cast<LPARAM>(&count));
        return count;
    }

    static BOOL CALLBACK countForm(HWND window, LPARAM counted)
    {
        std::array<wchar_t, 64> name{};
        GetClassNameW(window, name.data(), static_cast<int>(name.size()));
        if (IsWindowVisible(window) && std::wstring_view(name.data()) == win32::kFormClass)
            ++*reinterpret_cast<int *>(counted);
        return TRUE;
    }

    // Top of the program's windows in z-order. Wine 8 raises a window that the
    // program brings to the front, but whether the window manager then also
    // activates it is the window manager's choice.
    std::string frontForm() override
    {
        pump();
        HWND top = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), &findTopForm, reinterpret_cast<LPARAM>(&top));
        const win32::Form *form = formWith(top);
        return form ? std::string(form->description().name) : std::string();
    }

    static BOOL CALLBACK findTopForm(HWND window, LPARAM found)
    {
        std::array<wchar_t, 64> name{};
        GetClassNameW(window, name.data(), static_cast<int>(name.size()));
        if (!IsWindowVisible(window) || std::wstring_view(name.data()) != win32::kFormClass)
            return TRUE;
        *reinterpret_cast<HWND *>(found) = window;
        return FALSE;
    }

    contract::WindowState window(std::string_view name) override
    {
        const win32::Form *form = formNamed(name);
        if (!form)
            return {};
        HWND window = form->window();
        RECT client{}, frame{}, work{};
        GetClientRect(window, &client);
        GetWindowRect(window, &frame);
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        contract::WindowState state;
        state.caption = textOf(window);
        state.clientWidth = client.right;
        state.clientHeight = client.bottom;
        state.backgroundRgb = pixel(window, 5, 5);
        state.frame = box(frame);
        state.screen = box(work);
        constexpr LONG_PTR kSizing = WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
        state.sizable = (GetWindowLongPtrW(window, GWL_STYLE) & kSizing) == kSizing;
        // A modal window is owned by the window it holds back.
        state.modal = GetWindow(window, GW_OWNER) != nullptr;
        return state;
    }

    contract::ControlState control(std::string_view name, std::string_view control) override
    {
        const win32::Form *form = formNamed(name);
        HWND window = form ? form->control(control) : nullptr;
        if (!window)
            return {};
        contract::ControlState state;
        state.text = textOf(window);
        RECT place;
        GetWindowRect(window, &place);
        MapWindowPoints(nullptr, form->window(), reinterpret_cast<POINT *>(&place), 2);
        state.left = place.left;
        state.top = place.top;
        state.width = place.right - place.left;
        state.height = place.bottom - place.top;
        // Near the bottom right corner: clear of the text and of a button's edge.
        state.backgroundRgb = pixel(form->window(), place.right - 4, place.bottom - 4);
        state.textRgb = IsWindowEnabled(window) ? textColour(*form, window)
                                                : darkestPixel(form->window(), place);
        state.textFits = textFits(window);
        state.accessibleName = annotation(window, "name");
        state.description = annotation(window, "description");
        state.enabled = IsWindowEnabled(window);
        state.ticked = SendMessageW(window, BM_GETCHECK, 0, 0) == BST_CHECKED;
        return state;
    }

    void click(std::string_view form, std::string_view control) override
    {
        // As the mouse does: Windows gives a disabled control no mouse input,
        // while BM_CLICK would press it all the same.
        HWND window = controlWindow(form, control);
        if (window && IsWindowEnabled(window))
            SendMessageW(window, BM_CLICK, 0, 0);
        pump();
    }

    void focus(std::string_view name, std::string_view control) override
    {
        const win32::Form *form = formNamed(name);
        HWND window = form ? form->control(control) : nullptr;
        if (!window)
            return;
        // The window manager activates the window in its own time, and the
        // activation gives the focus back to the control that last had it. A
        // busy window manager may pass a request over, or still be giving the
        // focus to the window shown before: it is asked again until the focus
        // stays once the window manager has gone quiet.
        ULONGLONG asked = 0;
        const auto focused = [&] {
            if (GetForegroundWindow() != form->window()) {
                if (GetTickCount64() - asked > 500) {
                    SetForegroundWindow(form->window());
                    asked = GetTickCount64();
                }
                return false;
            }
            if (GetFocus() != window)
                SetFocus(window);
            return GetFocus() == window;
        };
        for (int round = 0; round < 5 && waitUntil(focused); ++round) {
            settle();
            if (GetForegroundWindow() == form->window() && GetFocus() == window)
                return;
            asked = 0;
        }
    }

    void setText(std::string_view form, std::string_view control, std::string_view text) override
    {
        const std::wstring wide(text.begin(), text.end());
        if (HWND window = controlWindow(form, control))
            SetWindowTextW(window, wide.c_str());
    }

    void closeByUser(std::string_view name) override
    {
        if (const win32::Form *form = formNamed(name))
            SendMessageW(form->window(), WM_SYSCOMMAND, SC_CLOSE, 0);
        pump();
    }

    bool resizeByUser(std::string_view name, int width, int height) override
    {
        if (const win32::Form *form = formNamed(name))
            SetWindowPos(form->window(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
        pump();
        return true;
    }

    void press(contract::Key key) override
    {
        HWND focused = GetFocus();
        const WPARAM code = key == contract::Key::Space   ? VK_SPACE
                            : key == contract::Key::Enter ? VK_RETURN
                            : key == contract::Key::Tab   ? VK_TAB
                                                          : VK_ESCAPE;
        const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(static_cast<UINT>(code), 0)) << 16;
        // Posted, as keys come: the program's own message handling takes them.
        PostMessageW(focused, WM_KEYDOWN, code, scan | 1);
        PostMessageW(focused, WM_KEYUP, code, scan | 1 | (3L << 30));
    }

    std::string focused() override
    {
        pump();
        HWND focus = GetFocus();
        for (const win32::Form *form : forms()) {
            if (!form->isLoaded())
                continue;
            const FormDescription &description = form->description();
            for (std::size_t index = 0; index < description.controls.size(); ++index) {
                if (focus && form->control(index) == focus)
                    return std::string(description.name) + "/" +
                           std::string(description.controls[index].name);
            }
        }
        return {};
    }

    std::vector<std::string> announcements() override
    {
        pump();
        return gAnnouncements;
    }

    bool quitRequested() override { return m_quit; }

    void reset() override
    {
        m_questionnaire.reset();
        m_forms.clear();
        pump();
        m_quit = false;
        gAnnouncements.clear();
    }

private:
    using Session = QuestionnaireWindowOf<win32::Form>;

    // Handles messages until none but a timer's has come for half a second.
    void settle()
    {
        ULONGLONG quietSince = GetTickCount64();
        while (GetTickCount64() - quietSince < 500) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT & ~QS_TIMER);
            if (pump())
                quietSince = GetTickCount64();
        }
    }

    // Handles the messages waiting; whether there were any but a caret's or
    // another timer's ticks, which come for as long as a text box has the focus.
    bool pump()
    {
        constexpr UINT kSystemTimer = 0x0118;
        MSG message;
        bool any = false;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            any = any || (message.message != WM_TIMER && message.message != kSystemTimer);
            if (message.message == WM_QUIT)
                m_quit = true;
            else
                win32::dispatchMessage(message);
        }
        return any;
    }

    std::vector<win32::Form *> forms() const
    {
        std::vector<win32::Form *> all;
        for (const auto &form : m_forms)
            all.push_back(form.get());
        if (m_questionnaire) {
            all.push_back(&m_questionnaire->form());
            for (questionnaire::ResultKind kind : questionnaire::kResultKinds)
                all.push_back(&m_questionnaire->resultWindow(kind));
        }
        return all;
    }

    const win32::Form *formNamed(std::string_view name) const
    {
        for (const win32::Form *form : forms()) {
            if (form->isLoaded() && form->description().name == name)
                return form;
        }
        return nullptr;
    }

    const win32::Form *formWith(HWND window) const
    {
        for (const win32::Form *form : forms()) {
            if (window && form->window() == window)
                return form;
        }
        return nullptr;
    }

    HWND controlWindow(std::string_view name, std::string_view control) const
    {
        const win32::Form *form = formNamed(name);
        return form ? form->control(control) : nullptr;
    }

    // The colour the form has the control draw its text in.
    static unsigned textColour(const win32::Form &form, HWND control)
    {
        std::array<wchar_t, 16> name{};
        GetClassNameW(control, name.data(), static_cast<int>(name.size()));
        const bool pushButton =
            _wcsicmp(name.data(), L"Button") == 0 &&
            (GetWindowLongPtrW(control, GWL_STYLE) & BS_TYPEMASK) == BS_OWNERDRAW;
        const UINT message = _wcsicmp(name.data(), L"Edit") == 0 ? WM_CTLCOLOREDIT
                             : pushButton                        ? WM_CTLCOLORBTN
                                                                 : WM_CTLCOLORSTATIC;
        HDC dc = CreateCompatibleDC(nullptr);
        SetTextColor(dc, RGB(1, 2, 3));
        SendMessageW(form.window(), message, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(control));
        const COLORREF colour = GetTextColor(dc);
        DeleteDC(dc);
        return (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
    }

    static unsigned rgbOf(COLORREF colour)
    {
        return (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
    }

    // A pixel of the window's client area as drawn now.
    static unsigned pixel(HWND window, int x, int y)
    {
        RedrawWindow(window, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        HDC dc = GetDC(window);
        const COLORREF colour = GetPixel(dc, x, y);
        ReleaseDC(window, dc);
        return rgbOf(colour);
    }

    // The darkest colour drawn within a control: that of its text. The system
    // draws a greyed control's text itself, whatever colour the form asks for.
    static unsigned darkestPixel(HWND window, const RECT &place)
    {
        RedrawWindow(window, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        HDC dc = GetDC(window);
        COLORREF darkest = RGB(255, 255, 255);
        const auto brightness = [](COLORREF c) {
            return GetRValue(c) + GetGValue(c) + GetBValue(c);
        };
        for (int y = place.top + 2; y < place.bottom - 2; ++y) {
            for (int x = place.left + 2; x < place.right - 2; ++x) {
                const COLORREF colour = GetPixel(dc, x, y);
                if (brightness(colour) < brightness(darkest))
                    darkest = colour;
            }
        }
        ReleaseDC(window, dc);
        return rgbOf(darkest);
    }

    // Whether the control's whole text shows within it, in its own font.
    static bool textFits(HWND control)
    {
        std::array<wchar_t, 16> kind{};
        GetClassNameW(control, kind.data(), static_cast<int>(kind.size()));
        RECT box;
        GetClientRect(control, &box);
        if (_wcsicmp(kind.data(), L"Edit") == 0) {
            // Every line, wrapped ones included, within the box and none scrolled away.
            RECT format;
            SendMessageW(control, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
            const LRESULT last =
                SendMessageW(control, EM_POSFROMCHAR, GetWindowTextLengthW(control) - 3, 0);
            const int lineHeight = textSize(control, L"Xg", 0, 0).cy;
            return SendMessageW(control, EM_GETFIRSTVISIBLELINE, 0, 0) == 0 &&
                   static_cast<short>(HIWORD(last)) + lineHeight <= format.bottom;
        }
        std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
        text.resize(static_cast<std::size_t>(
            GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
        const LONG_PTR style = GetWindowLongPtrW(control, GWL_STYLE);
        const bool button = _wcsicmp(kind.data(), L"Button") == 0;
        if (button && (style & BS_TYPEMASK) == BS_OWNERDRAW) {
            const SIZE needed = textSize(control, text, 0, 0);
            return needed.cx + 8 <= box.right && needed.cy <= box.bottom;
        }
        if (button) { // a tick box: its caption beside the box, wrapped at words
            const int caption = box.right - MulDiv(13 + 4, win32::dpiOf(control), 96);
            const SIZE needed = textSize(control, text, caption, DT_WORDBREAK);
            return needed.cx <= caption && needed.cy <= box.bottom;
        }
        // A label, wrapped at words as the form draws it.
        const SIZE needed = textSize(control, text, box.right, DT_WORDBREAK);
        return needed.cx <= box.right && needed.cy <= box.bottom;
    }

    // The size `text` takes in the control's font, within `width` where not 0.
    static SIZE textSize(HWND control, std::wstring_view text, int width, UINT format)
    {
        HDC dc = GetDC(control);
        const HGDIOBJ old =
            SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
        RECT needed{0, 0, width > 0 ? width : 10000, 0};
        DrawTextW(dc, text.data(), static_cast<int>(text.size()), &needed,
                  format | DT_CALCRECT | DT_NOPREFIX);
        SelectObject(dc, old);
        ReleaseDC(control, dc);
        return {needed.right - needed.left, needed.bottom - needed.top};
    }

    static std::string annotation(HWND window, const std::string &property)
    {
        const auto found = gAnnotations.find({window, property});
        return found == gAnnotations.end() ? std::string() : found->second;
    }

    HWINEVENTHOOK m_hook;
    std::vector<std::unique_ptr<win32::Form>> m_forms;
    std::unique_ptr<Session> m_questionnaire;
    bool m_quit = false;
};

// Beyond the contract: what only Active Accessibility is told this way.
TEST(Win32AccessibilityTest, RowsAndTheNoticeReachTheAnnotationService)
{
    const auto annotation = [](HWND window, const std::string &property) {
        const auto found = gAnnotations.find({window, property});
        return found == gAnnotations.end() ? std::string() : found->second;
    };
    {
        win32::Form form(questionnaireForm());
        form.load();
        ResultWindowsOf<win32::Form> results;
        Questionnaire questionnaire(form, results);
        EXPECT_EQ(annotation(form.control("Check13"), "help"), "Growth");
        EXPECT_EQ(annotation(form.control("Check12"), "help"), "Sex");
        EXPECT_EQ(annotation(form.control("Command1"), "help"), "");
    }
    win32::Form notice(resultForm(questionnaire::ResultKind::Form4));
    notice.load();
    EXPECT_EQ(annotation(notice.window(), "role"), std::to_string(ROLE_SYSTEM_ALERT));
    EXPECT_EQ(annotation(notice.window(), "description"), "Youre weight is very good!!!");
    HWND window = notice.window();
    DestroyWindow(window);
    EXPECT_EQ(annotation(window, "role"), ""); // forgotten with the window
}

} // namespace

std::unique_ptr<contract::Backend> contract::makeBackend()
{
    return std::make_unique<Win32Backend>();
}

int main(int argc, char **argv)
{
    testing::InitGoogleTest(&argc, argv);
    windows::win32::initializeToolkit(GetModuleHandleW(nullptr));
    static RecordingFactory factory;
    DWORD cookie = 0;
    if (FAILED(CoRegisterClassObject(win32::kAccPropServices, &factory, CLSCTX_INPROC_SERVER,
                                     REGCLS_MULTIPLEUSE, &cookie))) {
        std::fputs("The stand-in annotation service could not be registered.\n", stderr);
        return 1;
    }
    return RUN_ALL_TESTS();
}
