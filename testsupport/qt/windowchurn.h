// One cycle of the result windows' life, as the memory test and benchmark
// repeat it: every result window opened, closed and deleted.
#pragma once

namespace windows::qt {
class ResultWindows;
}

namespace testsupport {

void openAndCloseEveryResultWindow(windows::qt::ResultWindows &results);

} // namespace testsupport
