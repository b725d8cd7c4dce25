// The layouts of the five result windows: the program windows Form2, Form3,
// Form5 and Form6, and the good-weight notice Form4.
#pragma once

#include <windows/formdescription.h>

#include <questionnaire/resultkind.h>

namespace windows {

const FormDescription &resultForm(questionnaire::ResultKind kind);

} // namespace windows
