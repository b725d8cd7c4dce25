// The page side of the forms toolkit: finds the page's desk, live region and
// end notice, and runs the program, which ends with its last window; the page
// then offers to start it again. The event loop is the browser's.
#pragma once

#include <functional>
#include <memory>

namespace windows::web {

// Finds the page's elements the toolkit uses. Call once, first.
void initializeToolkit();

// Shows the start window `start` makes, at once and again each time the user
// asks after the last window closed, keeping the latest until then; returns
// at once, as the page keeps the program running.
int run(const std::function<std::shared_ptr<void>()> &start);

} // namespace windows::web
