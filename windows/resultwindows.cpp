#include <windows/resultlayouts.h>
#include <windows/resultwindows.h>

namespace windows {

using questionnaire::ResultKind;

ResultWindows::ResultWindows()
    : m_forms{Form(resultForm(ResultKind::Form2)), Form(resultForm(ResultKind::Form3)),
              Form(resultForm(ResultKind::Form4)), Form(resultForm(ResultKind::Form5)),
              Form(resultForm(ResultKind::Form6))}
{}

ResultWindows::~ResultWindows() = default;

QWidget *ResultWindows::show(ResultKind kind)
{
    return m_forms.at(static_cast<std::size_t>(kind)).show();
}

QWidget *ResultWindows::window(ResultKind kind) const
{
    return m_forms.at(static_cast<std::size_t>(kind)).window();
}

} // namespace windows
