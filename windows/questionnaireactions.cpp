#include <windows/questionnaireactions.h>
#include <windows/resultwindows.h>

#include <questionnaire/selection.h>

namespace windows {

QuestionnaireActions::QuestionnaireActions(questionnaire::Flags &tickBoxes, ResultWindows &results)
    : m_board(tickBoxes)
    , m_results(results)
{}

void QuestionnaireActions::tickBoxClicked(const questionnaire::Option &option)
{
    m_board.optionClicked(option);
}

questionnaire::ResultKind QuestionnaireActions::getIndividualProgram()
{
    const questionnaire::ResultKind kind = questionnaire::selectProgram(m_board);
    m_results.show(kind);
    return kind;
}

void QuestionnaireActions::clearForms()
{
    m_board.clearAnswers();
}

} // namespace windows
