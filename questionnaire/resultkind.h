// Which result window a selection opens: the good-weight notice (Form4) or
// one of the four program windows.
#pragma once

#include <array>
#include <string_view>

namespace questionnaire {

enum class ResultKind
{
    Form2,
    Form3,
    Form4,
    Form5,
    Form6
};

inline constexpr std::array kResultKinds{ResultKind::Form2, ResultKind::Form3, ResultKind::Form4,
                                         ResultKind::Form5, ResultKind::Form6};

// The window's control name, "Form2" ... "Form6".
constexpr std::string_view formName(ResultKind kind)
{
    switch (kind) {
    case ResultKind::Form2:
        return "Form2";
    case ResultKind::Form3:
        return "Form3";
    case ResultKind::Form4:
        return "Form4";
    case ResultKind::Form5:
        return "Form5";
    case ResultKind::Form6:
        return "Form6";
    }
    return {};
}

} // namespace questionnaire
