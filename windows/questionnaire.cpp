#include <windows/answerhints.h>
#include <windows/questionnaire.h>
#include <windows/questionnairelayout.h>
#include <windows/resultwindows.h>

#include <questionnaire/option.h>
#include <questionnaire/selection.h>

#include <vector>

namespace windows {

Questionnaire::BoxFlags::BoxFlags(FormView &view)
    : m_view(view)
{
    for (const questionnaire::Option &option : questionnaire::options())
        m_controls.at(static_cast<std::size_t>(option.number - 1)) =
            controlIndex(questionnaireForm(), option.name);
}

std::size_t Questionnaire::BoxFlags::control(const questionnaire::Option &option) const
{
    return m_controls.at(static_cast<std::size_t>(option.number - 1));
}

bool Questionnaire::BoxFlags::isEnabled(const questionnaire::Option &option) const
{
    return m_view.isEnabled(control(option));
}

void Questionnaire::BoxFlags::setEnabled(const questionnaire::Option &option, bool enabled)
{
    m_view.setEnabled(control(option), enabled);
}

void Questionnaire::BoxFlags::setTicked(const questionnaire::Option &option, bool ticked)
{
    m_view.setTicked(control(option), ticked);
}

Questionnaire::Questionnaire(FormView &view, ResultWindows &results)
    : m_view(view)
    , m_results(results)
    , m_flags(view)
    , m_board(m_flags)
{
    for (questionnaire::Group group : questionnaire::kGroups) {
        std::vector<std::size_t> row;
        for (const questionnaire::Option &option : questionnaire::optionsOf(group))
            row.push_back(m_flags.control(option));
        m_view.group(controlIndex(questionnaireForm(), rowHeadingName(group)), row);
        describeRow(group);
    }
    m_view.setClickHandler([this](std::size_t control) { controlClicked(control); });
}

Questionnaire::~Questionnaire()
{
    m_view.setClickHandler({});
}

void Questionnaire::controlClicked(std::size_t control)
{
    const auto controls = questionnaireForm().controls;
    if (control >= controls.size())
        return;
    const std::string_view name = controls[control].name;
    if (const questionnaire::Option *option = questionnaire::findOption(name)) {
        tickBoxClicked(*option);
    } else if (name == kGetProgramButton) {
        m_results.show(questionnaire::selectProgram(m_board));
    } else if (name == kClearFormsButton) {
        clearForms();
    }
}

void Questionnaire::tickBoxClicked(const questionnaire::Option &option)
{
    const bool wasOpen = rowPlace(m_flags, option) == RowPlace::Open;
    m_board.optionClicked(option);
    describeRow(option.group);
    // Only a click that answers a row greys boxes; the tick itself is the box's own state.
    if (wasOpen && rowPlace(m_flags, option) == RowPlace::Answer)
        m_view.announce(answeredMessage(rowHeading(option.group)));
}

void Questionnaire::clearForms()
{
    m_board.clearAnswers();
    for (questionnaire::Group group : questionnaire::kGroups)
        describeRow(group);
    m_view.announce(kClearedMessage);
}

void Questionnaire::describeRow(questionnaire::Group group)
{
    const std::string_view heading = rowHeading(group);
    for (const questionnaire::Option &option : questionnaire::optionsOf(group))
        m_view.describe(m_flags.control(option), tickBoxHint(rowPlace(m_flags, option), heading));
}

} // namespace windows
