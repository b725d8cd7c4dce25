#include <windows/web/questionnairewindow.h>
#include <windows/web/toolkit.h>

#include <memory>

namespace {

// The program as the page runs it: started at once, and again when the user
// asks after its last window closed.
std::unique_ptr<windows::web::QuestionnaireWindow> gQuestionnaire;

} // namespace

int main()
{
    windows::web::initializeToolkit();
    windows::web::setStartHandler([] {
        gQuestionnaire.reset();
        gQuestionnaire = std::make_unique<windows::web::QuestionnaireWindow>();
        gQuestionnaire->show();
    });
    // The page keeps the program running after main() returns.
    return 0;
}
