// The result windows, one per result kind. show() is the one way a result
// window opens: created on its first request, shown modeless and brought to
// the front; a closed window is built afresh on the next request.
#pragma once

#include <windows/form.h>

#include <questionnaire/resultkind.h>

#include <array>

namespace windows {

class ResultWindows
{
    Q_DISABLE_COPY_MOVE(ResultWindows)

public:
    ResultWindows();
    ~ResultWindows();

    QWidget *show(questionnaire::ResultKind kind);

    // The open window of a kind, or nullptr.
    QWidget *window(questionnaire::ResultKind kind) const;

private:
    std::array<Form, questionnaire::kResultKinds.size()> m_forms;
};

} // namespace windows
