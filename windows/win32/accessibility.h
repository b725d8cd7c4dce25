// What Windows screen readers are told beyond what the standard controls say
// of themselves, through Microsoft Active Accessibility: a control's name,
// description or help text where its window text does not give them, a
// window's role, and the events that have a screen reader speak.
#pragma once

#include <string_view>
#include <windows.h>

namespace windows::win32 {

enum class AccessibleText
{
    Name,        // what the control is called
    Description, // read after its name and state
    Help,        // where it belongs: a tick box's row
};

// Sets a text of a window's accessible object (its client area). Screen
// readers then read it in place of, or beside, what the control gives.
void setAccessibleText(HWND window, AccessibleText what, std::wstring_view text);

// Sets the role of a window's accessible object (a ROLE_SYSTEM_ value).
void setAccessibleRole(HWND window, long role);

// Forgets what was set for a window; called before it is destroyed.
void clearAccessibleProperties(HWND window);

// Tells screen readers that something happened to a window's accessible object.
void notifyAccessibleEvent(DWORD event, HWND window);

} // namespace windows::win32
