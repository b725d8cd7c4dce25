#include <windows/qt/resultwindows.h>

namespace windows::qt {

QWidget *ResultWindows::showWindow(questionnaire::ResultKind kind)
{
    show(kind);
    return window(kind);
}

QWidget *ResultWindows::window(questionnaire::ResultKind kind) const
{
    return form(kind).window();
}

} // namespace windows::qt
