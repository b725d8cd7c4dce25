#include <questionnaire/board.h>
#include <questionnaire/selection.h>

#include <algorithm>
#include <span>

namespace questionnaire {

namespace {

struct Band
{
    int upTo; // the band holds totals above the previous band's upTo, up to this
    ResultKind kind;
};

using enum ResultKind;

// Men never get Form5; the women's first three bands lie 20 points lower.
constexpr Band kMaleBands[] = {{100, Form4}, {120, Form2}, {140, Form3}, {160, Form6}};
constexpr Band kFemaleBands[] = {
    {80, Form4}, {100, Form2}, {120, Form3}, {140, Form5}, {160, Form6}};

ResultKind bandOf(int total, std::span<const Band> bands)
{
    const auto band = std::find_if(bands.begin(), bands.end(),
                                   [total](const Band &b) { return total <= b.upTo; });
    // Totals run up to 160, so the last band always holds; past it is the same band.
    return band == bands.end() ? bands.back().kind : band->kind;
}

} // namespace

int totalScore(const Board &board)
{
    int total = 0;
    for (Group group : kGroups)
        total += board.groupAnswer(group).points;
    return total;
}

ResultKind selectProgram(const Board &board)
{
    // "Male" comes first in the sex group.
    const bool male = board.groupAnswer(Group::Sex).number == optionsOf(Group::Sex).front().number;
    return male ? bandOf(totalScore(board), kMaleBands) : bandOf(totalScore(board), kFemaleBands);
}

} // namespace questionnaire
