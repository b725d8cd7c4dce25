// The sixteen tick-box options of the questionnaire: their names, captions,
// answer groups and points. Fixed data; the ticked and enabled state lives
// elsewhere (see flags.h).
#pragma once

#include <span>
#include <string_view>

namespace questionnaire {

enum class Group
{
    Weight,
    Height,
    Age,
    Sex
};

// The groups, in the order of their rows on screen.
inline constexpr Group kGroups[] = {Group::Weight, Group::Height, Group::Age, Group::Sex};

struct Option
{
    int number;               // the N of the control name CheckN
    std::string_view name;    // "Check1" ... "Check16"
    std::string_view caption; // the text beside the box
    Group group;
    int points; // what the option adds to the total when it is its group's answer
};

// All sixteen options, group by group (weight, height, age, sex), each group
// in its on-screen order, left to right.
std::span<const Option> options();

// The options of one group, in its on-screen order.
std::span<const Option> optionsOf(Group group);

// The option with control name CheckN; `number` must be 1 to 16.
const Option &optionNumber(int number);

// The option with this control name, or nullptr.
const Option *findOption(std::string_view name);

} // namespace questionnaire
