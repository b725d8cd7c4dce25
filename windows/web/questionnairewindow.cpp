#include <windows/questionnairelayout.h>
#include <windows/web/questionnairewindow.h>

namespace windows::web {

QuestionnaireWindow::QuestionnaireWindow()
    : m_form(questionnaireForm())
    , m_questionnaire(loaded(m_form), m_results)
{}

Form &QuestionnaireWindow::loaded(Form &form)
{
    form.load();
    return form;
}

} // namespace windows::web
