// Form1, the questionnaire, over the page: the form loaded from its layout, whose
// controls' clicks go to what the questionnaire does, and its result windows.
#pragma once

#include <windows/questionnairewindowof.h>
#include <windows/web/form.h>

namespace windows::web {

using QuestionnaireWindow = QuestionnaireWindowOf<Form>;

} // namespace windows::web
