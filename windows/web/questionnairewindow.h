// Form1, the questionnaire, in the page: the form loaded from its layout, whose
// controls' clicks go to what the questionnaire does (Questionnaire), and the
// result windows it opens.
#pragma once

#include <windows/questionnaire.h>
#include <windows/resultwindows.h>
#include <windows/web/form.h>

namespace windows::web {

class QuestionnaireWindow
{
public:
    // Loads the window; show() shows it.
    QuestionnaireWindow();
    QuestionnaireWindow(const QuestionnaireWindow &) = delete;
    QuestionnaireWindow &operator=(const QuestionnaireWindow &) = delete;

    void show() { showForm(m_form); }

private:
    static Form &loaded(Form &form);

    Form m_form;
    ResultWindowsOf<Form> m_results;
    Questionnaire m_questionnaire;
};

} // namespace windows::web
