#include <windows/questionnairewindowof.h>
#include <windows/win32/form.h>
#include <windows/win32/toolkit.h>

#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    windows::win32::initializeToolkit(instance);
    return windows::win32::run(windows::showQuestionnaire<windows::win32::Form>);
}
