#include <windows/form.h>
#include <windows/questionnairelayout.h>
#include <windows/questionnairewindow.h>
#include <windows/text.h>
#include <windows/tickbox.h>

#include <questionnaire/option.h>
#include <questionnaire/selection.h>

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
    , m_board(m_flags)
{
    for (const questionnaire::Option &option : questionnaire::options()) {
        connect(tickBox(option), &TickBox::clickEvent, this,
                [this, &option] { optionClicked(option); });
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

void QuestionnaireWindow::optionClicked(const questionnaire::Option &option)
{
    m_board.optionClicked(option);
}

void QuestionnaireWindow::getIndividualProgram()
{
    const questionnaire::ResultKind kind = questionnaire::selectProgram(m_board);
    m_results.show(kind);
    emit programSelected(kind);
}

void QuestionnaireWindow::clearForms()
{
    m_board.clearAnswers();
}

} // namespace windows
