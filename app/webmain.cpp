#include <windows/questionnairewindowof.h>
#include <windows/web/form.h>
#include <windows/web/toolkit.h>

int main()
{
    windows::web::initializeToolkit();
    // The page keeps the program running after main() returns.
    return windows::web::run(windows::showQuestionnaire<windows::web::Form>);
}
