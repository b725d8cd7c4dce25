// Form1, the questionnaire, over Qt widgets: the window built from its layout,
// whose controls' clicks go to what the questionnaire does (Questionnaire),
// and which carries out what that decides.
#pragma once

#include <windows/formview.h>
#include <windows/qt/accessibility.h>
#include <windows/qt/resultwindows.h>
#include <windows/questionnaire.h>

#include <questionnaire/board.h>
#include <questionnaire/resultkind.h>

#include <QtWidgets/QWidget>

#include <vector>

namespace windows::qt {

class TickBox;

class QuestionnaireWindow final : public QWidget, public FormView
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QuestionnaireWindow)

public:
    explicit QuestionnaireWindow(QWidget *parent = nullptr);
    ~QuestionnaireWindow() override;

    TickBox *tickBox(const questionnaire::Option &option) const;
    const questionnaire::Board &board() const { return m_questionnaire.board(); }

    // The open result window of a kind, or nullptr.
    QWidget *resultWindow(questionnaire::ResultKind kind) const;
    ResultWindows &resultWindows() { return m_results; }

    // The window's own enabled state, beside its controls' below.
    using QWidget::isEnabled;
    using QWidget::setEnabled;

    void setClickHandler(ClickHandler handler) override;
    bool isEnabled(std::size_t control) const override;
    void setEnabled(std::size_t control, bool enabled) override;
    void setTicked(std::size_t control, bool ticked) override;
    void describe(std::size_t control, std::string_view description) override;
    void group(std::size_t heading, std::span<const std::size_t> members) override;
    void announce(std::string_view sentence) override;

signals:
    // "get individual program" chose this kind of result window.
    void programSelected(questionnaire::ResultKind kind);

private:
    std::vector<QWidget *> m_controls;
    Announcer m_announcer{this};
    ClickHandler m_onClick;
    ResultWindows m_results;
    Questionnaire m_questionnaire;
};

} // namespace windows::qt
