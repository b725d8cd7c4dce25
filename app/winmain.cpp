#include <windows/win32/questionnairewindow.h>
#include <windows/win32/toolkit.h>

#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    windows::win32::initializeToolkit(instance);
    windows::win32::QuestionnaireWindow questionnaire;
    questionnaire.show();
    return windows::win32::runMessageLoop();
}
