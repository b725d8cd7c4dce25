// A seeded random session of what a person can do with the real windows -
// clicks and space presses on the tick boxes, "Clear Forms", "get individual
// program", closing result windows - played at the same time on SessionModel.
// After every step the windows must show what the model says. The same seed
// plays the same session.
#pragma once

#include <testsupport/sessionmodel.h>

#include <windows/qt/form.h>
#include <windows/questionnairewindowof.h>

#include <QtCore/QString>

#include <random>
#include <set>
#include <string_view>

namespace testsupport {

class FlowSession
{
    Q_DISABLE_COPY_MOVE(FlowSession)

public:
    explicit FlowSession(unsigned seed);
    ~FlowSession();

    // Shows the questionnaire; false if it never appeared.
    bool start();

    // Takes one step; returns how the windows differ from the model after it,
    // or an empty string.
    QString step();

private:
    QString act();
    QString compare();

    unsigned m_seed;
    int m_step = 0;
    std::mt19937 m_random;
    // The box of option `number`, and the open result window of a kind, or nullptr.
    QWidget *box(int number);
    QWidget *resultWindow(questionnaire::ResultKind kind);

    windows::QuestionnaireWindowOf<windows::qt::Form> m_window;
    SessionModel m_model;
    std::set<std::string_view> m_open; // the form names of the open result windows
    std::string_view m_front;          // the window that must now be in front
};

} // namespace testsupport
