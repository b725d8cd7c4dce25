// The fixed texts of the result windows: the four diet-and-exercise programs
// and the good-weight notice.
#pragma once

#include <questionnaire/resultkind.h>

#include <string_view>

namespace content {

// The whole text for a result kind. A program text has CR LF after every line,
// the last one included; the notice of Form4 is one line without a break.
std::string_view programText(questionnaire::ResultKind kind);

} // namespace content
