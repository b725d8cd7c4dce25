// What a screen reader says about the one-answer rule, beside each tick box's
// caption and tick: whether the box's row is still open, answered by this
// box, or answered by another box; and what a click or "Clear Forms" changed. Sighted
// users see the same through the greyed boxes.
#pragma once

#include <string>
#include <string_view>

namespace questionnaire {
class Flags;
struct Option;
} // namespace questionnaire

namespace windows {

enum class RowPlace
{
    Open,   // no box of the row has been clicked
    Answer, // the row's answer: clicked first, the others greyed
    Greyed, // another box of the row is the answer
};

RowPlace rowPlace(const questionnaire::Flags &tickBoxes, const questionnaire::Option &option);

// The description of a tick box in a row headed `heading`.
std::string tickBoxHint(RowPlace place, std::string_view heading);

// Said when a click answers the row headed `heading`.
std::string answeredMessage(std::string_view heading);

// Said when "Clear Forms" has cleared the answers.
inline constexpr std::string_view kClearedMessage = "All answers cleared; every box is free again.";

} // namespace windows
