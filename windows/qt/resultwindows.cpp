#include <windows/qt/form.h>
#include <windows/qt/resultwindows.h>

namespace windows {

QtResultWindows::QtResultWindows()
    : ResultWindows(makeForm<Form>)
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
