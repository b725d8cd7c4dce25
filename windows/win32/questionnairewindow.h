// Form1, the questionnaire, over Win32: the form loaded from its layout, whose
// controls' clicks go to what the questionnaire does, and its result windows.
#pragma once

#include <windows/questionnairewindowof.h>
#include <windows/win32/form.h>

namespace windows::win32 {

using QuestionnaireWindow = QuestionnaireWindowOf<Form>;

} // namespace windows::win32
