// The program's texts break their lines with CR LF, as the platform they were
// written for does. Toolkits that break lines at LF alone show them this way.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace windows {

inline std::string withLfLineBreaks(std::string_view text)
{
    std::string result;
    result.reserve(text.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (!(text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n'))
            result += text[at];
    }
    return result;
}

} // namespace windows
