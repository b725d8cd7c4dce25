#include <windows/questionnairelayout.h>
#include <windows/win32/questionnairewindow.h>

#include <questionnaire/option.h>

namespace windows {

QuestionnaireWindow::QuestionnaireWindow()
    : m_form(questionnaireForm())
    , m_flags(m_form)
    , m_results(ResultWindows::makeForm<Form>)
    , m_actions(m_flags, m_results)
{
    m_form.setClickHandler([this](std::string_view control) { clicked(control); });
}

void QuestionnaireWindow::show()
{
    if (!m_form.isLoaded())
        m_form.load();
    m_form.showInFront();
}

Form &QuestionnaireWindow::resultForm(questionnaire::ResultKind kind) const
{
    return static_cast<Form &>(m_results.form(kind));
}

void QuestionnaireWindow::clicked(std::string_view control)
{
    if (const questionnaire::Option *option = questionnaire::findOption(control))
        m_actions.tickBoxClicked(*option);
    else if (control == "Command1")
        m_actions.getIndividualProgram();
    else if (control == "Command2")
        m_actions.clearForms();
}

} // namespace windows
