// The layout of the questionnaire window, Form1.
#pragma once

#include <windows/formdescription.h>

namespace windows {

const FormDescription &questionnaireForm();

} // namespace windows
