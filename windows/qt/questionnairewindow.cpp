#include <windows/qt/form.h>
#include <windows/qt/questionnairewindow.h>
#include <windows/qt/text.h>
#include <windows/qt/tickbox.h>
#include <windows/questionnairelayout.h>

#include <questionnaire/option.h>

#include <QtWidgets/QLabel>

namespace windows::qt {

QuestionnaireWindow::QuestionnaireWindow(QWidget *parent)
    : QWidget(parent)
    , m_controls(buildForm(this, questionnaireForm()))
    , m_questionnaire(*this, m_results)
{
    connectClicks(m_controls, this, [this](std::size_t control) {
        if (m_onClick)
            m_onClick(control);
    });
    m_questionnaire.setProgramSelectedHandler(
        [this](questionnaire::ResultKind kind) { emit programSelected(kind); });
    centreOnScreen(this);
}

QuestionnaireWindow::~QuestionnaireWindow() = default;

TickBox *QuestionnaireWindow::tickBox(const questionnaire::Option &option) const
{
    return qobject_cast<TickBox *>(m_controls.at(controlIndex(questionnaireForm(), option.name)));
}

QWidget *QuestionnaireWindow::resultWindow(questionnaire::ResultKind kind) const
{
    return m_results.window(kind);
}

void QuestionnaireWindow::setClickHandler(ClickHandler handler)
{
    m_onClick = std::move(handler);
}

bool QuestionnaireWindow::isEnabled(std::size_t control) const
{
    return m_controls.at(control)->isEnabled();
}

void QuestionnaireWindow::setEnabled(std::size_t control, bool enabled)
{
    m_controls.at(control)->setEnabled(enabled);
}

void QuestionnaireWindow::setTicked(std::size_t control, bool ticked)
{
    if (auto *box = qobject_cast<TickBox *>(m_controls.at(control)))
        box->setChecked(ticked);
}

void QuestionnaireWindow::describe(std::size_t control, std::string_view description)
{
    m_controls.at(control)->setAccessibleDescription(toQString(description));
}

void QuestionnaireWindow::group(std::size_t heading, std::span<const std::size_t> members)
{
    QList<QWidget *> widgets;
    for (std::size_t member : members)
        widgets.append(m_controls.at(member));
    groupUnderHeading(qobject_cast<QLabel *>(m_controls.at(heading)), widgets);
}

void QuestionnaireWindow::announce(std::string_view sentence)
{
    m_announcer.announce(toQString(sentence));
}

} // namespace windows::qt
