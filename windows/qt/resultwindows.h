// The result windows over Qt widgets: the shared opening rule, with access to
// the windows themselves for the program's tests and benchmarks.
#pragma once

#include <windows/qt/form.h>
#include <windows/resultwindows.h>

#include <QtWidgets/QWidget>

namespace windows::qt {

class ResultWindows final : public ResultWindowsOf<Form>
{
public:
    // Shows the window of a kind, as show() does, and returns it.
    QWidget *showWindow(questionnaire::ResultKind kind);

    // The open window of a kind, or nullptr.
    QWidget *window(questionnaire::ResultKind kind) const;
};

} // namespace windows::qt
