// What Windows screen readers are told beyond what the standard controls say
// of themselves, through Microsoft Active Accessibility: a control's name,
// description or help text where its window text does not give them, a
// window's role, and the events that have a screen reader speak.
#pragma once

#include <string_view>
#include <windows.h>

namespace windows::win32 {

// The annotation service and its properties, stated here rather than taken
// from MinGW-w64's import libraries, some of whose accessibility GUIDs are wrong.
inline constexpr GUID kAccPropServices{
    0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
inline constexpr GUID kIAccPropServices{
    0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
inline constexpr GUID kName{
    0x608d3df8, 0x8128, 0x4aa7, {0xa4, 0x28, 0xf5, 0x5e, 0x49, 0x26, 0x72, 0x91}};
inline constexpr GUID kDescription{
    0x4d48dfe4, 0xbd3f, 0x491f, {0xa6, 0x48, 0x49, 0x2d, 0x6f, 0x20, 0xc5, 0x88}};
inline constexpr GUID kHelp{
    0xc831e11f, 0x44db, 0x4a99, {0x97, 0x68, 0xcb, 0x8f, 0x97, 0x8b, 0x72, 0x31}};
inline constexpr GUID kRole{
    0xcb905ff2, 0x7bd1, 0x4c05, {0xb3, 0xc8, 0xe6, 0xc2, 0x41, 0x36, 0x4d, 0x70}};

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
