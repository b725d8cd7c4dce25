// The answer board: what a click on an option does, how a group's answer is
// read, and clearing. A group's answer is carried by the enabled flag, not by
// the tick: the first option clicked in a group greys out the others, and only
// clearAnswers() enables them again.
#pragma once

#include <questionnaire/option.h>

namespace questionnaire {

class Flags;

class Board
{
public:
    explicit Board(Flags &flags);
    Board(const Board &) = delete;
    Board &operator=(const Board &) = delete;

    // Reacts to a click event of an option's box, raised after its tick changed.
    void optionClicked(const Option &option);

    // Unticks every option, then enables every option.
    void clearAnswers();

    // The enabled option that comes last in the group's order; for the sex
    // group, "Male" whenever it is enabled.
    const Option &groupAnswer(Group group) const;

private:
    Flags &m_flags;
};

} // namespace questionnaire
