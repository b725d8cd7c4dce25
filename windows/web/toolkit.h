// The page side of the forms toolkit that every window shares: the desk the
// windows stand on, their order front to back, the polite live region that
// speaks announcements, and the rule that the program ends with its last
// window, after which the page offers to start it again.
#pragma once

#include <emscripten/val.h>
#include <functional>
#include <string_view>

namespace windows::web {

class Form;

// Finds the page's desk, live region and end notice. Call once, first.
void initializeToolkit();

// The element the windows stand on.
emscripten::val desk();

// Called when the program should start (again): at once, and each time the
// user asks after the last window closed.
void setStartHandler(std::function<void()> start);

// The forms whose windows exist, back to front.
void formOpened(Form &form);
void formClosed(Form &form);
// Puts the form's window in front of the others.
void raiseForm(Form &form);
// The form in front, or nullptr.
Form *frontForm();

// Speaks a sentence through the live region.
void announce(std::string_view sentence);

} // namespace windows::web
