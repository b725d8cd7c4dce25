// What the Win32 backend's own files share of the system: the window class,
// colours, fonts and dots per inch, the count of open forms whose last one
// ends the message loop, the dialog keys, and the report of a fatal failure.
#pragma once

#include <windows/colour.h>
#include <windows/formdescription.h>

#include <string>
#include <string_view>
#include <windows.h>

namespace windows::win32 {

// The window class every form uses, which initializeToolkit() registers.
inline constexpr wchar_t kFormClass[] = L"TrimvaleForm";

// Shows the failure in a message box and ends the process with exit code 1.
[[noreturn]] void reportFailure(std::wstring_view what);

// The colour on this system: a fixed RGB value, or the system colour.
COLORREF toColorRef(const Colour &colour);

// The program's texts are single-byte ANSI, plain ASCII in practice.
std::wstring toWide(std::string_view text);

// A font of the layouts at `dpi` dots per inch; the caller deletes it.
HFONT createFont(const Font &font, int dpi);

// The dots per inch of the monitor a window is on (96 on systems that do not say).
int dpiOf(HWND window);

// The outer size of a window whose client area is `client` pixels.
SIZE frameSize(SIZE client, DWORD style, DWORD exStyle, int dpi);

// Every form counts itself open while its window exists; when the last one
// closes, the message loop ends.
void formOpened();
void formClosed();

// Handles one message of the event loop: the dialog keys in every window,
// Escape nowhere.
void dispatchMessage(MSG &message);

} // namespace windows::win32
