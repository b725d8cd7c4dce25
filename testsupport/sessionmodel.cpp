#include <testsupport/sessionmodel.h>

namespace testsupport {

namespace {

// The rows on screen and their boxes, left to right.
enum Row
{
    Weight,
    Height,
    Age,
    Sex
};

Row rowOf(int number)
{
    if (number <= 5)
        return Weight;
    if (number <= 10)
        return Age;
    if (number <= 12)
        return Sex;
    return Height;
}

// Ten points a step along the row: weight rises from 10, height falls from
// 40, age falls from 50; "Male" 10, "Female" 20.
int points(int number)
{
    switch (rowOf(number)) {
    case Weight:
        return 10 * number;
    case Height:
        return 40 - 10 * (number - 13);
    case Age:
        return 50 - 10 * (number - 6);
    case Sex:
        return 10 * (number - 10);
    }
    return 0;
}

} // namespace

void SessionModel::click(int number)
{
    if (isGreyed(number))
        return;
    m_ticked.at(static_cast<std::size_t>(number)) = !isTicked(number);
    int &answer = m_answer.at(rowOf(number));
    if (answer == 0)
        answer = number;
}

void SessionModel::clearForms()
{
    m_ticked = {};
    m_answer = {};
}

bool SessionModel::isGreyed(int number) const
{
    const int answer = m_answer.at(rowOf(number));
    return answer != 0 && answer != number;
}

std::string_view SessionModel::program() const
{
    // Untouched rows: "100KG(221p)-and more", "1.85M(73in)-and higher",
    // "60-and more", "Male".
    constexpr std::array<int, 4> unanswered{5, 16, 10, 11};
    int total = 0;
    for (std::size_t row = 0; row < m_answer.size(); ++row)
        total += points(m_answer[row] != 0 ? m_answer[row] : unanswered[row]);

    // Women's first three bands lie 20 points below men's; only women have Form5.
    const bool female = m_answer[Sex] == 12;
    const int shift = female ? 20 : 0;
    if (total <= 100 - shift)
        return "Form4";
    if (total <= 120 - shift)
        return "Form2";
    if (total <= 140 - shift)
        return "Form3";
    if (female && total <= 140)
        return "Form5";
    return "Form6";
}

} // namespace testsupport
