// What a person sees of the questionnaire, worked out from the rules as a
// person would state them: the first box clicked in a row is the row's answer
// and greys the rest of the row until "Clear Forms"; a row left alone answers
// with its last box (for sex, "Male"); the answers' points add up to a total,
// and the table of totals names the window. It shares no code with the
// program's questionnaire logic, so that the two can disagree.
#pragma once

#include <array>
#include <string_view>

namespace testsupport {

class SessionModel
{
public:
    // A click or a space-bar press on box CheckN, N from 1 to 16.
    void click(int number);
    void clearForms();

    bool isTicked(int number) const { return m_ticked.at(static_cast<std::size_t>(number)); }
    bool isGreyed(int number) const;

    // The window "get individual program" opens: "Form2" ... "Form6".
    std::string_view program() const;

private:
    std::array<bool, 17> m_ticked{};
    std::array<int, 4> m_answer{}; // per row, the number of the answering box; 0 while open
};

} // namespace testsupport
