#include <questionnaire/option.h>

#include <algorithm>
#include <cassert>

namespace questionnaire {

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
