#include <windows/units.h>
#include <windows/win32/system.h>

namespace windows::win32 {

namespace {

int gOpenForms = 0;

// Each system colour the layouts name, as Windows numbers it.
int systemColourIndex(SystemColour colour)
{
    switch (colour) {
    case SystemColour::ThreeDLight:
        return COLOR_3DLIGHT;
    case SystemColour::InfoBackground:
        return COLOR_INFOBK;
    case SystemColour::InactiveCaptionText:
        return COLOR_INACTIVECAPTIONTEXT;
    case SystemColour::WindowText:
        return COLOR_WINDOWTEXT;
    case SystemColour::Window:
        return COLOR_WINDOW;
    case SystemColour::GrayText:
        return COLOR_GRAYTEXT;
    }
    return COLOR_WINDOW;
}

int brightness(COLORREF colour)
{
    return (GetRValue(colour) * 299 + GetGValue(colour) * 587 + GetBValue(colour) * 114) / 1000;
}

// Functions that only newer Windows versions have, looked up once.
template<typename Function> Function user32Function(const char *name)
{
    static const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return user32 ? reinterpret_cast<Function>(
                        reinterpret_cast<void (*)()>(GetProcAddress(user32, name)))
                  : nullptr;
}

} // namespace

void reportFailure(std::wstring_view what)
{
    std::wstring message(what);
    message += L"\n\nTrimvale cannot go on and will close.";
    MessageBoxW(nullptr, message.c_str(), L"Trimvale", MB_OK | MB_ICONERROR | MB_TASKMODAL);
    ExitProcess(1);
}

COLORREF toColorRef(const Colour &colour)
{
    if (colour.kind == Colour::Kind::Rgb)
        return RGB((colour.rgb >> 16) & 0xFF, (colour.rgb >> 8) & 0xFF, colour.rgb & 0xFF);
    const COLORREF system = GetSysColor(systemColourIndex(colour.system));
    // The tick boxes' background is the inactive caption text colour: light
    // grey in the classic schemes, black in newer ones, where the boxes' black
    // captions would vanish. There the classic grey keeps them readable.
    if (colour.system == SystemColour::InactiveCaptionText &&
        std::abs(brightness(system) - brightness(GetSysColor(COLOR_BTNTEXT))) < 96)
        return toColorRef(kClassicInactiveCaptionText);
    return system;
}

std::wstring toWide(std::string_view text)
{
    std::wstring wide;
    wide.reserve(text.size());
    for (const char c : text)
        wide.push_back(static_cast<wchar_t>(static_cast<unsigned char>(c)));
    return wide;
}

HFONT createFont(const Font &font, int dpi)
{
    const std::wstring face = toWide(font.family);
    HFONT handle = CreateFontW(
        -pointsToPixels(font.points, dpi), 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, font.italic,
        FALSE, FALSE, static_cast<DWORD>(font.charset), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
        DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.c_str());
    if (!handle)
        reportFailure(L"The font \"" + face + L"\" could not be created.");
    return handle;
}

int dpiOf(HWND window)
{
    using GetDpiForWindow = UINT(WINAPI *)(HWND);
    static const auto getDpiForWindow = user32Function<GetDpiForWindow>("GetDpiForWindow");
    if (getDpiForWindow && window) {
        if (const UINT dpi = getDpiForWindow(window))
            return static_cast<int>(dpi);
    }
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : kDesignDpi;
    if (screen)
        ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kDesignDpi;
}

SIZE frameSize(SIZE client, DWORD style, DWORD exStyle, int dpi)
{
    using AdjustForDpi = BOOL(WINAPI *)(RECT *, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi = user32Function<AdjustForDpi>("AdjustWindowRectExForDpi");
    RECT rect{0, 0, client.cx, client.cy};
    if (!adjustForDpi || !adjustForDpi(&rect, style, FALSE, exStyle, static_cast<UINT>(dpi)))
        AdjustWindowRectEx(&rect, style, FALSE, exStyle);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

void formOpened()
{
    ++gOpenForms;
}

void formClosed()
{
    if (--gOpenForms == 0)
        PostQuitMessage(0);
}

void dispatchMessage(MSG &message)
{
    // No window has a cancel button, so Escape does nothing. It never reaches
    // the dialog keys: there a program's text box would take it to close its
    // window, losing what was typed.
    if ((message.message == WM_KEYDOWN || message.message == WM_KEYUP) &&
        message.wParam == VK_ESCAPE)
        return;
    // Tab, space and Enter move the focus and press as in a dialog.
    HWND top = GetAncestor(message.hwnd, GA_ROOT);
    if (top && IsDialogMessageW(top, &message))
        return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

} // namespace windows::win32
