// The layout of the questionnaire window, Form1.
#pragma once

#include <windows/formdescription.h>

#include <questionnaire/option.h>

namespace windows {

const FormDescription &questionnaireForm();

// The name of the label that heads a group's row of tick boxes.
std::string_view rowHeading(questionnaire::Group group);

} // namespace windows
