#include <questionnaire/option.h>

#include <algorithm>
#include <array>
#include <cassert>

namespace questionnaire {

namespace {

using enum Group;

// Points rise with weight and fall with height and age. The control numbers do
// not follow the screen order: the height options come after the sex options.
constexpr std::array<Option, 16> kOptions{{
    {1, "Check1", "60-70KG(132-154p)", Weight, 10},
    {2, "Check2", "70-80KG(154-176p)", Weight, 20},
    {3, "Check3", "80-90KG(176-197p)", Weight, 30},
    {4, "Check4", "90-100KG(197-221p)", Weight, 40},
    {5, "Check5", "100KG(221p)-and more", Weight, 50},
    {13, "Check13", "1.45-1.65M(57-65in)", Height, 40},
    {14, "Check14", "1.65-1.75M(65-69in)", Height, 30},
    {15, "Check15", "1.75-1.85M(69-73in)", Height, 20},
    {16, "Check16", "1.85M(73in)-and higher", Height, 10},
    {6, "Check6", "20-30Years", Age, 50},
    {7, "Check7", "30-40Years", Age, 40},
    {8, "Check8", "40-50Years", Age, 30},
    {9, "Check9", "50-60Years", Age, 20},
    {10, "Check10", "60-and more", Age, 10},
    {11, "Check11", "Male", Sex, 10},
    {12, "Check12", "Female", Sex, 20},
}};

} // namespace

std::span<const Option> options()
{
    return kOptions;
}

std::span<const Option> optionsOf(Group group)
{
    const auto first = std::ranges::find(kOptions, group, &Option::group);
    const auto last = std::find_if(first, kOptions.end(),
                                   [group](const Option &option) { return option.group != group; });
    return {first, last};
}

const Option &optionNumber(int number)
{
    const auto found = std::ranges::find(kOptions, number, &Option::number);
    assert(found != kOptions.end());
    return *found;
}

const Option *findOption(std::string_view name)
{
    const auto found = std::ranges::find(kOptions, name, &Option::name);
    return found == kOptions.end() ? nullptr : &*found;
}

} // namespace questionnaire
