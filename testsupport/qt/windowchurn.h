// One cycle of the result windows' life, as the memory test and benchmark
// repeat it: every result window opened, closed and deleted.
#pragma once

#include <windows/qt/form.h>
#include <windows/resultwindows.h>

namespace testsupport {

void openAndCloseEveryResultWindow(windows::ResultWindowsOf<windows::qt::Form> &results);

} // namespace testsupport
