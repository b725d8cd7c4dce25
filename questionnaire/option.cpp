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
    const auto first =
        std::find_if(kOptions.begin(), kOptions.end(),
                     [group](const Option &option) { return option.group == group; });
    const auto last = std::find_if(first, kOptions.end(),
                                   [group](const Option &option) { return option.group != group; });
    return {first, last};
}

const Option &optionNumber(int number)
{
    const auto found =
        std::find_if(kOptions.begin(), kOptions.end(),
                     [number](const Option &option) { return option.number == number; });
    assert(found != kOptions.end());
    return *found;
}

const Option *findOption(std::string_view name)
{
    const auto found = std::find_if(kOptions.begin(), kOptions.end(),
                                    [name](const Option &option) { return option.name == name; });
    return found == kOptions.end() ? nullptr : &*found;
}

} // namespace questionnaire
