#include <questionnaire/board.h>
#include <questionnaire/flags.h>

#include <cassert>

namespace questionnaire {

Board::Board(Flags &flags)
    : m_flags(flags)
{}

void Board::optionClicked(const Option &option)
{
    // A greyed option cannot be clicked by the user; a click event for one
    // can only come from the program unticking it, and changes nothing.
    if (!m_flags.isEnabled(option))
        return;
    for (const Option &other : optionsOf(option.group)) {
        if (other.number != option.number)
            m_flags.setEnabled(other, false);
    }
}

void Board::clearAnswers()
{
    // Unticking raises click events that grey out siblings again, so every
    // option is unticked before the first one is enabled.
    for (int number = 1; number <= 16; ++number)
        m_flags.setTicked(optionNumber(number), false);
    for (int number = 1; number <= 16; ++number)
        m_flags.setEnabled(optionNumber(number), true);
}

const Option &Board::groupAnswer(Group group) const
{
    const auto candidates = optionsOf(group);
    if (group == Group::Sex) {
        const Option &male = candidates.front();
        return m_flags.isEnabled(male) ? male : candidates.back();
    }
    for (auto option = candidates.rbegin(); option != candidates.rend(); ++option) {
        if (m_flags.isEnabled(*option))
            return *option;
    }
    // A click never greys the clicked option itself, so this is unreachable;
    // the last option is what an untouched group answers.
    assert(false && "every group keeps an enabled option");
    return candidates.back();
}

} // namespace questionnaire
