// The result windows over Qt widgets: the shared opening rule, with access to
// the windows themselves for the program's tests and benchmarks.
#pragma once

#include <windows/resultwindows.h>

#include <QtWidgets/QWidget>

namespace windows {

class QtResultWindows final : public ResultWindows
{
public:
    QtResultWindows();

    // Shows the window of a kind, as show() does, and returns it.
    QWidget *showWindow(questionnaire::ResultKind kind);

    // The open window of a kind, or nullptr.
    QWidget *window(questionnaire::ResultKind kind) const;
};

} // namespace windows
