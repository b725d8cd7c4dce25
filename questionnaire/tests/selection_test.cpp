// Program selection over every reachable board, and the named cases of the
// questionnaire. Expectations come from the scoring rules stated as rules
// (ten points a step, rising with weight, falling with height and age) and
// from the table of result windows by total, not from the code's band table.
#include <testsupport/memoryflags.h>

#include <questionnaire/board.h>
#include <questionnaire/option.h>
#include <questionnaire/selection.h>

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>
#include <vector>

namespace questionnaire {
namespace {

using testsupport::MemoryFlags;

using enum ResultKind;

// The result window for a total, as a person reads it off the table of totals.
ResultKind expectedKind(int total, bool male)
{
    if (male) {
        if (total <= 100)
            return Form4;
        if (total <= 120)
            return Form2;
        if (total <= 140)
            return Form3;
        return Form6;
    }
    static const std::map<int, ResultKind> female{
        {50, Form4},  {60, Form4},  {70, Form4},  {80, Form4},  {90, Form2},  {100, Form2},
        {110, Form3}, {120, Form3}, {130, Form5}, {140, Form5}, {150, Form6}, {160, Form6},
    };
    return female.at(total);
}

// Ten points a step: weight rises from 10, height and age fall to 10.
int expectedPoints(Group group, std::size_t position)
{
    const auto step = static_cast<int>(position);
    switch (group) {
    case Group::Weight:
        return 10 * (step + 1);
    case Group::Height:
        return 10 * (4 - step);
    case Group::Age:
        return 10 * (5 - step);
    case Group::Sex:
        return step == 0 ? 10 : 20;
    }
    return 0;
}

struct Scenario
{
    MemoryFlags flags;
    Board board{flags};

    Scenario()
    {
        flags.setClickHandler([this](const Option &option) { board.optionClicked(option); });
    }
};

constexpr std::array kGroups{Group::Weight, Group::Height, Group::Age, Group::Sex};

TEST(SelectProgram, EveryReachableBoardMatchesTheTableOfTotals)
{
    // Each group is either untouched or answered by one of its options.
    std::array<std::size_t, 4> choice{};
    std::map<ResultKind, int> seen;
    for (choice[0] = 0; choice[0] <= 5; ++choice[0]) {
        for (choice[1] = 0; choice[1] <= 4; ++choice[1]) {
            for (choice[2] = 0; choice[2] <= 5; ++choice[2]) {
                for (choice[3] = 0; choice[3] <= 2; ++choice[3]) {
                    Scenario s;
                    int total = 0;
                    std::string label;
                    for (std::size_t g = 0; g < kGroups.size(); ++g) {
                        const auto list = optionsOf(kGroups[g]);
                        std::size_t answer = 0;
                        if (choice[g] == 0) {
                            // Untouched: the last option counts, except for sex, where it is Male.
                            answer = kGroups[g] == Group::Sex ? 0 : list.size() - 1;
                            label += "- ";
                        } else {
                            answer = choice[g] - 1;
                            s.flags.click(list[answer]);
                            label += std::string(list[answer].name) + ' ';
                        }
                        total += expectedPoints(kGroups[g], answer);
                    }
                    const bool male = choice[3] != 2;
                    SCOPED_TRACE(label);
                    EXPECT_EQ(totalScore(s.board), total);
                    const ResultKind kind = selectProgram(s.board);
                    EXPECT_EQ(formName(kind), formName(expectedKind(total, male)))
                        << "total " << total;
                    // Reading the board does not change it.
                    EXPECT_EQ(selectProgram(s.board), kind);
                    ++seen[kind];
                }
            }
        }
    }
    // Every result window can be reached.
    EXPECT_EQ(seen.size(), 5U);
}

struct Case
{
    const char *name;
    std::vector<int> clicks; // control numbers, in click order
    int total;
    ResultKind kind;
};

void PrintTo(const Case &c, std::ostream *out)
{
    *out << c.name;
}

class SelectProgramCase : public testing::TestWithParam<Case>
{};

TEST_P(SelectProgramCase, GivesTheResultWindowOfItsTotal)
{
    Scenario s;
    for (int number : GetParam().clicks)
        s.flags.click(optionNumber(number));
    EXPECT_EQ(totalScore(s.board), GetParam().total);
    EXPECT_EQ(formName(selectProgram(s.board)), formName(GetParam().kind));
}

INSTANTIATE_TEST_SUITE_P(
    NamedBoards, SelectProgramCase,
    testing::Values(Case{"FreshBoard", {}, 80, Form4}, Case{"OnlyFemale", {12}, 90, Form2},
                    Case{"HeaviestShortestYoungestFemale", {5, 13, 6, 12}, 160, Form6},
                    Case{"HeaviestShortestYoungestMale", {5, 13, 6, 11}, 150, Form6},
                    Case{"Weight90ShortYoungMale", {4, 13, 6, 11}, 140, Form3},
                    Case{"Weight90ShortYoungFemale", {4, 13, 6, 12}, 150, Form6},
                    Case{"Weight80Height165Age30Female", {3, 14, 7, 12}, 120, Form3},
                    Case{"Weight80Height165Age30Male", {3, 14, 7, 11}, 110, Form2},
                    Case{"MaleExactly100", {3, 15, 7, 11}, 100, Form4},
                    Case{"FemaleExactly80", {2, 16, 8, 12}, 80, Form4},
                    Case{"FemaleExactly100", {3, 15, 8, 12}, 100, Form2},
                    Case{"Female130", {4, 14, 7, 12}, 130, Form5},
                    Case{"Female140", {4, 13, 7, 12}, 140, Form5},
                    Case{"Male130", {4, 13, 7, 11}, 130, Form3},
                    Case{"AnswerUntickedStillCounts", {12, 12, 5, 5, 13}, 120, Form3},
                    Case{"GreyedClicksIgnored", {1, 5, 16, 13, 10, 6, 11, 12}, 40, Form4}),
    [](const testing::TestParamInfo<Case> &info) { return std::string(info.param.name); });

} // namespace
} // namespace questionnaire
