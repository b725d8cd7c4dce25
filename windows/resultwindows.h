// The result windows, one per result kind. show() is the one way a result
// window opens: created on its first request, shown modeless and brought to
// the front; a window the user closed is built afresh on the next request.
#pragma once

#include <windows/formdescription.h>
#include <windows/formwindow.h>

#include <questionnaire/resultkind.h>

#include <array>
#include <functional>
#include <memory>

namespace windows {

class ResultWindows
{
public:
    // Makes the toolkit's window for a description; called once per kind.
    using MakeForm = std::function<std::unique_ptr<FormWindow>(const FormDescription &)>;

    explicit ResultWindows(const MakeForm &makeForm);

    // The MakeForm of a backend whose form is made from its description.
    template<typename BackendForm>
    static std::unique_ptr<FormWindow> makeForm(const FormDescription &description)
    {
        return std::make_unique<BackendForm>(description);
    }

    ResultWindows(const ResultWindows &) = delete;
    ResultWindows &operator=(const ResultWindows &) = delete;
    ~ResultWindows();

    void show(questionnaire::ResultKind kind);

    FormWindow &form(questionnaire::ResultKind kind) const;

private:
    std::array<std::unique_ptr<FormWindow>, questionnaire::kResultKinds.size()> m_forms;
};

} // namespace windows
