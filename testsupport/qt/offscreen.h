// The offscreen platform cannot raise windows and warns on every show; tests
// and benchmarks that open result windows drop that one warning.
#pragma once

namespace testsupport {

void quietenOffscreenRaise();

} // namespace testsupport
