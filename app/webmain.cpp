#include <windows/questionnairewindowof.h>
#include <windows/web/form.h>
#include <windows/web/toolkit.h>

#include <memory>

namespace {

using Questionnaire = windows::QuestionnaireWindowOf<windows::web::Form>;

// The program as the page runs it: started at once, and again when the user
// asks after its last window closed.
std::unique_ptr<Questionnaire> gQuestionnaire;

} // namespace

int main()
{
    windows::web::initializeToolkit();
    windows::web::setStartHandler([] {
        gQuestionnaire.reset();
        gQuestionnaire = std::make_unique<Questionnaire>();
        gQuestionnaire->show();
    });
    // The page keeps the program running after main() returns.
    return 0;
}
