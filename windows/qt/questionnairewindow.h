// Form1, the questionnaire: sixteen tick boxes in four rows and two buttons.
// It forwards every tick-box click and "Clear Forms" to the answer board and
// opens the result window that "get individual program" selects; what each
// does is shared with every toolkit (QuestionnaireActions).
#pragma once

#include <windows/qt/accessibility.h>
#include <windows/qt/resultwindows.h>
#include <windows/qt/tickboxflags.h>
#include <windows/questionnaireactions.h>

#include <questionnaire/board.h>
#include <questionnaire/resultkind.h>

#include <QtWidgets/QWidget>

#include <array>
#include <string>

QT_BEGIN_NAMESPACE
class QPushButton;
QT_END_NAMESPACE

namespace windows {

class TickBox;

class QuestionnaireWindow : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QuestionnaireWindow)

public:
    explicit QuestionnaireWindow(QWidget *parent = nullptr);
    ~QuestionnaireWindow() override;

    TickBox *tickBox(const questionnaire::Option &option) const;
    const questionnaire::Board &board() const { return m_actions.board(); }

    // The open result window of a kind, or nullptr.
    QWidget *resultWindow(questionnaire::ResultKind kind) const;

signals:
    // "get individual program" chose this kind of result window.
    void programSelected(questionnaire::ResultKind kind);

private slots:
    void getIndividualProgram();
    void clearForms();

private:
    void tickBoxClicked(const questionnaire::Option &option);
    // Tells assistive technology each box's place under the one-answer rule.
    void describeRow(questionnaire::Group group);
    std::string headingText(questionnaire::Group group) const;

    std::array<TickBox *, 16> m_boxes{};
    Announcer m_announcer{this};
    TickBoxFlags m_flags;
    QtResultWindows m_results;
    QuestionnaireActions m_actions;
};

} // namespace windows
