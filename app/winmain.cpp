#include <windows/win32/questionnairewindow.h>
#include <windows/win32/toolkit.h>

#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    windows::initializeToolkit(instance);
    windows::QuestionnaireWindow questionnaire;
    questionnaire.show();
    return windows::runMessageLoop();
}
