// The click reaction, group answers and clearing, over in-memory flags that
// either report every tick change as a click (as the platform's tick boxes do)
// or only the user's clicks.
#include <testsupport/memoryflags.h>

#include <questionnaire/board.h>
#include <questionnaire/option.h>

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace questionnaire {
namespace {

using testsupport::MemoryFlags;

const Option &opt(int number)
{
    return optionNumber(number);
}

class BoardTest : public testing::TestWithParam<MemoryFlags::Reports>
{
protected:
    BoardTest()
        : flags(GetParam())
        , board(flags)
    {
        flags.setClickHandler([this](const Option &option) { board.optionClicked(option); });
    }

    void click(int number) { flags.click(opt(number)); }

    // Names of the enabled options, in control-number order.
    std::string enabledNames() const
    {
        std::string names;
        for (int number = 1; number <= 16; ++number) {
            if (flags.isEnabled(opt(number)))
                names += std::to_string(number) + ' ';
        }
        return names;
    }

    void expectAllClear() const
    {
        for (int number = 1; number <= 16; ++number) {
            EXPECT_FALSE(flags.isTicked(opt(number))) << "Check" << number;
            EXPECT_TRUE(flags.isEnabled(opt(number))) << "Check" << number;
        }
    }

    MemoryFlags flags;
    Board board;
};

TEST_P(BoardTest, FreshBoardAnswersTheLastOptionOfEachGroupAndMale)
{
    expectAllClear();
    EXPECT_EQ(board.groupAnswer(Group::Weight).caption, "100KG(221p)-and more");
    EXPECT_EQ(board.groupAnswer(Group::Height).caption, "1.85M(73in)-and higher");
    EXPECT_EQ(board.groupAnswer(Group::Age).caption, "60-and more");
    EXPECT_EQ(board.groupAnswer(Group::Sex).caption, "Male");
}

TEST_P(BoardTest, FirstClickInAGroupGreysOutOnlyItsSiblings)
{
    click(2); // "70-80KG(154-176p)"
    EXPECT_TRUE(flags.isTicked(opt(2)));
    EXPECT_EQ(enabledNames(), "2 6 7 8 9 10 11 12 13 14 15 16 ");
    EXPECT_EQ(board.groupAnswer(Group::Weight).name, "Check2");

    click(14); // "1.65-1.75M(65-69in)"
    EXPECT_EQ(enabledNames(), "2 6 7 8 9 10 11 12 14 ");
    click(7); // "30-40Years"
    EXPECT_EQ(enabledNames(), "2 7 11 12 14 ");
    EXPECT_EQ(board.groupAnswer(Group::Height).name, "Check14");
    EXPECT_EQ(board.groupAnswer(Group::Age).name, "Check7");
}

TEST_P(BoardTest, ClickingTheAnswerAgainOnlyUnticksIt)
{
    click(2);
    click(2);
    EXPECT_FALSE(flags.isTicked(opt(2)));
    EXPECT_EQ(enabledNames(), "2 6 7 8 9 10 11 12 13 14 15 16 ");
    EXPECT_EQ(board.groupAnswer(Group::Weight).caption, "70-80KG(154-176p)");
    click(2);
    EXPECT_TRUE(flags.isTicked(opt(2)));
}

TEST_P(BoardTest, GreyedOptionsIgnoreClicksUntilCleared)
{
    click(3);
    click(1);
    click(5);
    EXPECT_FALSE(flags.isTicked(opt(1)));
    EXPECT_FALSE(flags.isTicked(opt(5)));
    EXPECT_EQ(board.groupAnswer(Group::Weight).name, "Check3");

    board.clearAnswers();
    click(4); // "90-100KG(197-221p)"
    EXPECT_EQ(board.groupAnswer(Group::Weight).caption, "90-100KG(197-221p)");
}

TEST_P(BoardTest, SexOptionsGreyEachOther)
{
    click(12);
    EXPECT_FALSE(flags.isEnabled(opt(11)));
    EXPECT_EQ(board.groupAnswer(Group::Sex).caption, "Female");

    board.clearAnswers();
    click(11);
    EXPECT_FALSE(flags.isEnabled(opt(12)));
    EXPECT_EQ(board.groupAnswer(Group::Sex).caption, "Male");
}

TEST_P(BoardTest, ClearOnAFreshBoardChangesNothing)
{
    board.clearAnswers();
    expectAllClear();
}

TEST_P(BoardTest, ClearAfterRandomClicksLeavesEverythingUntickedAndEnabled)
{
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> number(1, 16);
    std::uniform_int_distribution<int> clicks(1, 24);
    for (int round = 0; round < 500; ++round) {
        const int count = clicks(random);
        for (int i = 0; i < count; ++i)
            click(number(random));
        board.clearAnswers();
        SCOPED_TRACE("round " + std::to_string(round));
        expectAllClear();
    }
}

TEST_P(BoardTest, EveryGroupKeepsExactlyOneAnswerAfterAnyClicks)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> number(1, 16);
    for (int i = 0; i < 2000; ++i) {
        if (i % 37 == 0)
            board.clearAnswers();
        click(number(random));
        for (Group group : {Group::Weight, Group::Height, Group::Age}) {
            int enabled = 0;
            for (const Option &option : optionsOf(group))
                enabled += flags.isEnabled(option) ? 1 : 0;
            const auto size = static_cast<int>(optionsOf(group).size());
            ASSERT_TRUE(enabled == 1 || enabled == size) << "step " << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Reports, BoardTest,
                         testing::Values(MemoryFlags::Reports::EveryChange,
                                         MemoryFlags::Reports::UserClicksOnly),
                         [](const testing::TestParamInfo<MemoryFlags::Reports> &info) {
                             return info.param == MemoryFlags::Reports::EveryChange
                                        ? std::string("EveryChangeReported")
                                        : std::string("OnlyUserClicksReported");
                         });

TEST(MemoryFlagsDouble, ReportsProgramMadeTickChangesOnlyInItsEveryChangeMode)
{
    for (const auto reports :
         {MemoryFlags::Reports::EveryChange, MemoryFlags::Reports::UserClicksOnly}) {
        MemoryFlags flags(reports);
        std::string reported;
        flags.setClickHandler(
            [&reported](const Option &option) { reported += std::to_string(option.number) + ' '; });
        flags.click(opt(3));
        flags.setTicked(opt(3), false);
        flags.setTicked(opt(3), false); // no change, nothing to report
        flags.setEnabled(opt(4), false);
        flags.click(opt(4)); // greyed
        EXPECT_FALSE(flags.isTicked(opt(3)));
        EXPECT_FALSE(flags.isTicked(opt(4)));
        EXPECT_EQ(reported, reports == MemoryFlags::Reports::EveryChange ? "3 3 " : "3 ");
    }
}

TEST(Options, NamesAndGroupsFormTheQuestionnaire)
{
    // Every control name Check1 to Check16 exactly once, found by its name.
    for (int number = 1; number <= 16; ++number) {
        const std::string name = "Check" + std::to_string(number);
        const Option *option = findOption(name);
        ASSERT_NE(option, nullptr) << name;
        EXPECT_EQ(option->number, number);
    }
    EXPECT_EQ(findOption("Check17"), nullptr);
    EXPECT_EQ(findOption("Check0"), nullptr);

    EXPECT_EQ(optionsOf(Group::Weight).size(), 5U);
    EXPECT_EQ(optionsOf(Group::Height).size(), 4U);
    EXPECT_EQ(optionsOf(Group::Age).size(), 5U);
    EXPECT_EQ(optionsOf(Group::Sex).size(), 2U);

    // Heavier scores more; taller and older score less; women score twice men.
    auto ordered = [](Group group, bool rising) {
        const auto list = optionsOf(group);
        for (std::size_t i = 1; i < list.size(); ++i) {
            if (rising ? list[i].points <= list[i - 1].points
                       : list[i].points >= list[i - 1].points)
                return false;
        }
        return true;
    };
    EXPECT_TRUE(ordered(Group::Weight, true));
    EXPECT_TRUE(ordered(Group::Height, false));
    EXPECT_TRUE(ordered(Group::Age, false));
    EXPECT_EQ(optionsOf(Group::Sex)[1].points, 2 * optionsOf(Group::Sex)[0].points);
}

} // namespace
} // namespace questionnaire
