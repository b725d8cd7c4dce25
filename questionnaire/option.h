// The sixteen tick-box options of the questionnaire: their names, captions,
// answer groups and points. Fixed data; the ticked and enabled state lives
// elsewhere (see flags.h).
#pragma once

#include <array>
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

// Points rise with weight and fall with height and age. The control numbers do
// not follow the screen order: the height options come after the sex options.
inline constexpr std::array<Option, 16> kOptions{{
    {1, "Check1", "60-70KG(132-154p)", Group::Weight, 10},
    {2, "Check2", "70-80KG(154-176p)", Group::Weight, 20},
    {3, "Check3", "80-90KG(176-197p)", Group::Weight, 30},
    {4, "Check4", "90-100KG(197-221p)", Group::Weight, 40},
    {5, "Check5", "100KG(221p)-and more", Group::Weight, 50},
    {13, "Check13", "1.45-1.65M(57-65in)", Group::Height, 40},
    {14, "Check14", "1.65-1.75M(65-69in)", Group::Height, 30},
    {15, "Check15", "1.75-1.85M(69-73in)", Group::Height, 20},
    {16, "Check16", "1.85M(73in)-and higher", Group::Height, 10},
    {6, "Check6", "20-30Years", Group::Age, 50},
    {7, "Check7", "30-40Years", Group::Age, 40},
    {8, "Check8", "40-50Years", Group::Age, 30},
    {9, "Check9", "50-60Years", Group::Age, 20},
    {10, "Check10", "60-and more", Group::Age, 10},
    {11, "Check11", "Male", Group::Sex, 10},
    {12, "Check12", "Female", Group::Sex, 20},
}};

// The caption of the option with control name CheckN, for the window layouts.
constexpr std::string_view optionCaption(int number)
{
    for (const Option &option : kOptions) {
        if (option.number == number)
            return option.caption;
    }
    return {};
}

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
