#include <windows/qt/form.h>
#include <windows/qt/toolkit.h>
#include <windows/questionnairewindowof.h>

#include "icons/trimvale.xpm"

int main(int argc, char *argv[])
{
    windows::qt::initializeToolkit(
        argc, argv, {"Trimvale", TRIMVALE_VERSION_TEXT, TRIMVALE_APP_ID, trimvale_xpm});
    return windows::qt::run(windows::showQuestionnaire<windows::qt::Form>);
}
