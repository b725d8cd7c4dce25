#include <windows/answerhints.h>

#include <questionnaire/flags.h>
#include <questionnaire/option.h>

#include <algorithm>

namespace windows {

RowPlace rowPlace(const questionnaire::Flags &tickBoxes, const questionnaire::Option &option)
{
    if (!tickBoxes.isEnabled(option))
        return RowPlace::Greyed;
    const auto row = questionnaire::optionsOf(option.group);
    const bool answered = std::any_of(row.begin(), row.end(), [&](const questionnaire::Option &o) {
        return !tickBoxes.isEnabled(o);
    });
    return answered ? RowPlace::Answer : RowPlace::Open;
}

std::string tickBoxHint(RowPlace place, std::string_view heading)
{
    const std::string row(heading);
    switch (place) {
    case RowPlace::Open:
        return "Only one answer: the first box ticked greys the others.";
    case RowPlace::Answer:
        return "The answer for " + row +
               ", even unticked; the row's other boxes are greyed "
               "until Clear Forms.";
    case RowPlace::Greyed:
        return row + " is already answered; Clear Forms frees the row.";
    }
    return {};
}

std::string answeredMessage(std::string_view heading)
{
    return std::string(heading) + " answered; its other boxes are greyed until Clear Forms.";
}

} // namespace windows
