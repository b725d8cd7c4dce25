#include <windows/qt/form.h>
#include <windows/qt/resultwindows.h>

namespace windows {

namespace {

std::unique_ptr<FormWindow> makeForm(const FormDescription &description)
{
    return std::make_unique<Form>(description);
}

} // namespace

QtResultWindows::QtResultWindows()
    : ResultWindows(makeForm)
{}

QWidget *QtResultWindows::showWindow(questionnaire::ResultKind kind)
{
    show(kind);
    return window(kind);
}

QWidget *QtResultWindows::window(questionnaire::ResultKind kind) const
{
    return static_cast<const Form &>(form(kind)).window();
}

} // namespace windows
