// The program texts, character for character: a digest of each whole text
// (worked out from the texts as written down, not from the program's table),
// lengths with CR LF counted as two, the space-only and separator lines, the
// closing norm.
#include <content/programtext.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace content {
namespace {

using questionnaire::ResultKind;

std::vector<std::string_view> splitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto end = text.find("\r\n");
        if (end == std::string_view::npos) {
            lines.push_back(text); // an unterminated last line
            break;
        }
        lines.push_back(text.substr(0, end));
        text.remove_prefix(end + 2);
    }
    return lines;
}

// FNV-1a, 64 bits: any changed character changes it.
std::uint64_t digest(std::string_view text)
{
    std::uint64_t hash = 0xcbf29ce484222325U;
    for (const char ch : text) {
        hash ^= static_cast<unsigned char>(ch);
        hash *= 0x100000001b3U;
    }
    return hash;
}

struct ProgramCase
{
    const char *name;
    ResultKind kind;
    std::uint64_t digest;
    std::size_t length;
    std::size_t lineCount;
    std::string_view lastLine;
    std::size_t separatorLine; // 1-based
    std::string_view separator;
    std::vector<std::pair<std::size_t, std::size_t>> spaceLines; // line, number of spaces
};

void PrintTo(const ProgramCase &c, std::ostream *out)
{
    *out << c.name;
}

class ProgramTextTest : public testing::TestWithParam<ProgramCase>
{};

TEST_P(ProgramTextTest, HasItsExactShape)
{
    const ProgramCase &c = GetParam();
    const std::string_view text = programText(c.kind);

    EXPECT_EQ(digest(text), c.digest);
    EXPECT_EQ(text.size(), c.length);
    ASSERT_TRUE(text.ends_with("\r\n"));
    // Plain ASCII, and no CR or LF outside a CR LF pair.
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto ch = static_cast<unsigned char>(text[i]);
        ASSERT_LT(ch, 0x80U) << "at " << i;
        if (ch == '\r') {
            ASSERT_EQ(text.at(i + 1), '\n') << "at " << i;
        }
        if (ch == '\n') {
            ASSERT_EQ(text.at(i - 1), '\r') << "at " << i;
        }
    }

    const auto lines = splitLines(text);
    ASSERT_EQ(lines.size(), c.lineCount);
    EXPECT_EQ(lines.back(), c.lastLine);
    EXPECT_EQ(lines.at(c.separatorLine - 1), c.separator);
    for (const auto &[line, spaces] : c.spaceLines)
        EXPECT_EQ(lines.at(line - 1), std::string(spaces, ' ')) << "line " << line;

    // One separator line of underscores; every other line has text or only spaces.
    const auto separators = std::count_if(lines.begin(), lines.end(), [](std::string_view line) {
        return line.find("____") != std::string_view::npos;
    });
    EXPECT_EQ(separators, 1);
    const auto blank = std::count_if(lines.begin(), lines.end(), [](std::string_view line) {
        return line.find_first_not_of(' ') == std::string_view::npos;
    });
    EXPECT_EQ(static_cast<std::size_t>(blank), c.spaceLines.size());
}

INSTANTIATE_TEST_SUITE_P(
    Programs, ProgramTextTest,
    testing::Values(ProgramCase{"Form2",
                                ResultKind::Form2,
                                0xa487cc74c28003b6U,
                                732,
                                22,
                                "Norm of loss of weight 500-1000g in a month.",
                                15,
                                "_________________________________________",
                                {{13, 2}, {14, 2}, {16, 2}, {21, 2}}},
                    ProgramCase{"Form3",
                                ResultKind::Form3,
                                0x51fe6e46e026e02cU,
                                962,
                                28,
                                "Norm of loss of weight 1000 - 1500g in month.",
                                18,
                                "_______________________________________",
                                {{17, 2}, {19, 2}, {27, 2}}},
                    ProgramCase{"Form5",
                                ResultKind::Form5,
                                0xd225b9da92754a68U,
                                970,
                                26,
                                "Norm of loss of weight 1500 - 2000g in a month.",
                                19,
                                "  ________________________________________",
                                {{20, 2}, {25, 3}}},
                    ProgramCase{"Form6",
                                ResultKind::Form6,
                                0x849b98c728281f97U,
                                922,
                                26,
                                "Norm of loss of weight 2000-2200g in a month.",
                                20,
                                "_________________________________________",
                                {{19, 6}, {21, 4}}}),
    [](const testing::TestParamInfo<ProgramCase> &info) { return std::string(info.param.name); });

TEST(ProgramText, LinesThatEndInASpaceKeepIt)
{
    const auto form2 = splitLines(programText(ResultKind::Form2));
    EXPECT_EQ(form2.at(0), "Eat period no more than 3 times per day. Dream - no ");
    EXPECT_EQ(form2.at(17), "attend sports.In exercises not less than 2 times per ");
    const auto form6 = splitLines(programText(ResultKind::Form6));
    EXPECT_EQ(form6.at(16), "Unloading day -Saturday. ");
    EXPECT_EQ(form6.at(13), "To not use chicken meat. It is not recommended");
}

TEST(ProgramText, GoodWeightNoticeIsOneLineWithoutBreak)
{
    EXPECT_EQ(programText(ResultKind::Form4), "Youre weight is very good!!!");
}

TEST(ProgramText, EveryProgramEndsWithItsOwnMonthlyNorm)
{
    const std::vector<std::pair<ResultKind, std::string_view>> norms{
        {ResultKind::Form2, "500-1000g"},
        {ResultKind::Form3, "1000 - 1500g"},
        {ResultKind::Form5, "1500 - 2000g"},
        {ResultKind::Form6, "2000-2200g"}};
    for (const auto &[kind, norm] : norms) {
        const auto text = programText(kind);
        EXPECT_EQ(text.find("Norm of loss of weight"), text.rfind("Norm of loss of weight"));
        EXPECT_NE(splitLines(text).back().find(norm), std::string_view::npos)
            << questionnaire::formName(kind);
    }
}

} // namespace
} // namespace content
