// The questionnaire window of a backend, whose form is also its view: the form
// loaded from the questionnaire's layout, its result windows, and what the
// questionnaire does, wired together. It is what every entry point shows.
#pragma once

#include <windows/questionnaire.h>
#include <windows/questionnairelayout.h>
#include <windows/resultwindows.h>

#include <memory>

namespace windows {

template<typename BackendForm> class QuestionnaireWindowOf
{
public:
    // Loads the window; show() shows it.
    QuestionnaireWindowOf()
        : m_questionnaire(loaded(m_form), m_results)
    {}
    QuestionnaireWindowOf(const QuestionnaireWindowOf &) = delete;
    QuestionnaireWindowOf &operator=(const QuestionnaireWindowOf &) = delete;

    void show() { showForm(m_form); }

    BackendForm &form() { return m_form; }
    const questionnaire::Board &board() const { return m_questionnaire.board(); }

    // The result window of a kind, whether loaded or not.
    BackendForm &resultWindow(questionnaire::ResultKind kind) const { return m_results.form(kind); }

private:
    static BackendForm &loaded(BackendForm &form)
    {
        form.load();
        return form;
    }

    BackendForm m_form{questionnaireForm()};
    ResultWindowsOf<BackendForm> m_results;
    Questionnaire m_questionnaire;
};

// A questionnaire window made and shown, as a toolkit's run() starts the
// program with; the toolkit keeps it while its windows are in use.
template<typename BackendForm> std::shared_ptr<void> showQuestionnaire()
{
    auto window = std::make_shared<QuestionnaireWindowOf<BackendForm>>();
    window->show();
    return window;
}

} // namespace windows
