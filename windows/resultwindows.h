// The result windows, one per result kind. show() is the one way a result
// window opens: created on its first request, shown modeless and brought to
// the front; a window the user closed is built afresh on the next request.
#pragma once

#include <windows/formwindow.h>
#include <windows/resultlayouts.h>

#include <questionnaire/resultkind.h>

#include <array>
#include <memory>

namespace windows {

class ResultWindows
{
public:
    virtual ~ResultWindows() = default;
    ResultWindows(const ResultWindows &) = delete;
    ResultWindows &operator=(const ResultWindows &) = delete;

    void show(questionnaire::ResultKind kind) { showForm(form(kind)); }

    virtual FormWindow &form(questionnaire::ResultKind kind) const = 0;

protected:
    ResultWindows() = default;
};

// The result windows over a backend's form, which is made from its
// description; form() gives the backend's own type.
template<typename BackendForm> class ResultWindowsOf : public ResultWindows
{
public:
    ResultWindowsOf()
    {
        for (questionnaire::ResultKind kind : questionnaire::kResultKinds)
            m_forms.at(index(kind)) = std::make_unique<BackendForm>(resultForm(kind));
    }

    BackendForm &form(questionnaire::ResultKind kind) const override
    {
        return *m_forms.at(index(kind));
    }

private:
    static std::size_t index(questionnaire::ResultKind kind)
    {
        return static_cast<std::size_t>(kind);
    }

    std::array<std::unique_ptr<BackendForm>, questionnaire::kResultKinds.size()> m_forms;
};

} // namespace windows
