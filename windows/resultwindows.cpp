#include <windows/resultlayouts.h>
#include <windows/resultwindows.h>

namespace windows {

ResultWindows::ResultWindows(const MakeForm &makeForm)
{
    for (questionnaire::ResultKind kind : questionnaire::kResultKinds)
        m_forms.at(static_cast<std::size_t>(kind)) = makeForm(resultForm(kind));
}

ResultWindows::~ResultWindows() = default;

void ResultWindows::show(questionnaire::ResultKind kind)
{
    FormWindow &window = form(kind);
    if (!window.isLoaded())
        window.load();
    window.showInFront();
}

FormWindow &ResultWindows::form(questionnaire::ResultKind kind) const
{
    return *m_forms.at(static_cast<std::size_t>(kind));
}

} // namespace windows
