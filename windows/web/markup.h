// A window of the page as markup and style rules, made from its description
// alone: what the web backend inserts as a window loads, and what the build
// puts into the page so that the questionnaire shows before the program runs.
// Plain C++, no page needed.
#pragma once

#include <windows/formdescription.h>

#include <cstddef>
#include <string>
#include <string_view>

namespace windows::web {

// The title bar and frame the page draws around a client area, in CSS pixels.
inline constexpr int kTitleBarHeight = 22;
inline constexpr int kBorder = 1;
// A desk narrower than this, or than the window, is a phone's: there the window
// is one column at the desk's width, kNarrowMargin from its edges.
inline constexpr int kPhoneWidth = 480;
inline constexpr int kNarrowMargin = 8;

// The width of desk below which the form's window is shown as one column.
int columnBelow(const FormDescription &form);

// The window as an element: title bar, client area, every control with the id
// controlId() gives it.
std::string formMarkup(const FormDescription &form);

// Where each control stands and how it looks, as rules for those ids.
std::string formStyles(const FormDescription &form);

// "Form1-Check1"
std::string controlId(const FormDescription &form, std::size_t control);

// "#rrggbb" for a 0xRRGGBB value.
std::string cssColour(unsigned rgb);

// "12px"
std::string px(int pixels);

} // namespace windows::web
