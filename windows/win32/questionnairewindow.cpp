#include <windows/questionnairelayout.h>
#include <windows/win32/questionnairewindow.h>

namespace windows::win32 {

QuestionnaireWindow::QuestionnaireWindow()
    : m_form(questionnaireForm())
    , m_questionnaire(loaded(m_form), m_results)
{}

Form &QuestionnaireWindow::loaded(Form &form)
{
    form.load();
    return form;
}

} // namespace windows::win32
