// The layout of the questionnaire window, Form1.
#pragma once

#include <windows/formdescription.h>

#include <questionnaire/option.h>

namespace windows {

const FormDescription &questionnaireForm();

// The push buttons, by the one thing that tells them apart: their names.
inline constexpr std::string_view kGetProgramButton = "Command1";
inline constexpr std::string_view kClearFormsButton = "Command2";

// The name of the label that heads a group's row of tick boxes.
std::string_view rowHeadingName(questionnaire::Group group);

// That label's text ("Weight"), as the layout gives it.
std::string_view rowHeading(questionnaire::Group group);

} // namespace windows
