#include <windows/qt/form.h>
#include <windows/qt/questionnairewindow.h>
#include <windows/qt/text.h>
#include <windows/qt/tickbox.h>
#include <windows/questionnairelayout.h>

#include <questionnaire/option.h>

#include <QtWidgets/QPushButton>

namespace windows {

namespace {

// Builds the window from its layout first, so that the flags can hold its boxes.
std::array<TickBox *, 16> buildAndFindBoxes(QWidget *window)
{
    buildForm(window, questionnaireForm());
    std::array<TickBox *, 16> boxes{};
    for (const questionnaire::Option &option : questionnaire::options()) {
        auto *box = window->findChild<TickBox *>(toQString(option.name));
        Q_ASSERT(box);
        boxes.at(static_cast<std::size_t>(option.number - 1)) = box;
    }
    return boxes;
}

} // namespace

QuestionnaireWindow::QuestionnaireWindow(QWidget *parent)
    : QWidget(parent)
    , m_boxes(buildAndFindBoxes(this))
    , m_flags(m_boxes)
    , m_actions(m_flags, m_results)
{
    for (const questionnaire::Option &option : questionnaire::options()) {
        connect(tickBox(option), &TickBox::clickEvent, this,
                [this, &option] { m_actions.tickBoxClicked(option); });
    }
    connect(findChild<QPushButton *>(QStringLiteral("Command1")), &QPushButton::clicked, this,
            &QuestionnaireWindow::getIndividualProgram);
    connect(findChild<QPushButton *>(QStringLiteral("Command2")), &QPushButton::clicked, this,
            &QuestionnaireWindow::clearForms);
    centreOnScreen(this);
}

QuestionnaireWindow::~QuestionnaireWindow() = default;

TickBox *QuestionnaireWindow::tickBox(const questionnaire::Option &option) const
{
    return m_boxes.at(static_cast<std::size_t>(option.number - 1));
}

QWidget *QuestionnaireWindow::resultWindow(questionnaire::ResultKind kind) const
{
    return m_results.window(kind);
}

void QuestionnaireWindow::getIndividualProgram()
{
    emit programSelected(m_actions.getIndividualProgram());
}

void QuestionnaireWindow::clearForms()
{
    m_actions.clearForms();
}

} // namespace windows
