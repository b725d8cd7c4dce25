// What the questionnaire window does, the same over every toolkit: a tick
// box's click event goes to the answer board, "get individual program" opens
// the result window the board selects, and "Clear Forms" clears the board.
// The backend's window binds its controls' events to these.
#pragma once

#include <questionnaire/board.h>
#include <questionnaire/resultkind.h>

namespace questionnaire {
class Flags;
}

namespace windows {

class ResultWindows;

class QuestionnaireActions
{
public:
    // `tickBoxes` are the window's tick boxes behind the three flag operations.
    QuestionnaireActions(questionnaire::Flags &tickBoxes, ResultWindows &results);
    QuestionnaireActions(const QuestionnaireActions &) = delete;
    QuestionnaireActions &operator=(const QuestionnaireActions &) = delete;

    void tickBoxClicked(const questionnaire::Option &option);

    // Selects the program for the board as it stands and shows its window.
    questionnaire::ResultKind getIndividualProgram();

    void clearForms();

    const questionnaire::Board &board() const { return m_board; }

private:
    questionnaire::Board m_board;
    ResultWindows &m_results;
};

} // namespace windows
