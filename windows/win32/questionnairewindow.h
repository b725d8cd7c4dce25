// Form1, the questionnaire, over Win32: the form loaded from its layout, whose
// controls' clicks go to what the questionnaire does (Questionnaire), and the
// result windows it opens.
#pragma once

#include <windows/questionnaire.h>
#include <windows/resultwindows.h>
#include <windows/win32/form.h>

namespace windows::win32 {

class QuestionnaireWindow
{
public:
    // Loads the window; show() shows it.
    QuestionnaireWindow();
    QuestionnaireWindow(const QuestionnaireWindow &) = delete;
    QuestionnaireWindow &operator=(const QuestionnaireWindow &) = delete;

    void show() { showForm(m_form); }

    Form &form() { return m_form; }
    const questionnaire::Board &board() const { return m_questionnaire.board(); }

    // The result window of a kind, whether loaded or not.
    Form &resultForm(questionnaire::ResultKind kind) const { return m_results.form(kind); }

private:
    static Form &loaded(Form &form);

    Form m_form;
    ResultWindowsOf<Form> m_results;
    Questionnaire m_questionnaire;
};

} // namespace windows::win32
