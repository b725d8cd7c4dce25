// Form1, the questionnaire, over Win32: its tick boxes' and buttons' click
// events go to what the questionnaire does (QuestionnaireActions).
#pragma once

#include <windows/questionnaireactions.h>
#include <windows/resultwindows.h>
#include <windows/win32/form.h>
#include <windows/win32/tickboxflags.h>

#include <functional>

namespace windows {

class QuestionnaireWindow
{
public:
    QuestionnaireWindow();
    QuestionnaireWindow(const QuestionnaireWindow &) = delete;
    QuestionnaireWindow &operator=(const QuestionnaireWindow &) = delete;

    // Loads the window if it is not loaded and shows it in front.
    void show();

    Form &form() { return m_form; }
    const questionnaire::Board &board() const { return m_actions.board(); }

    // The result window of a kind, whether loaded or not.
    Form &resultForm(questionnaire::ResultKind kind) const;

private:
    void clicked(std::string_view control);

    Form m_form;
    TickBoxFlags m_flags;
    ResultWindows m_results;
    QuestionnaireActions m_actions;
};

} // namespace windows
