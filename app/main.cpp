#include <windows/qt/form.h>
#include <windows/qt/questionnairewindow.h>

#include <QtGui/QIcon>
#include <QtGui/QPixmap>
#include <QtWidgets/QApplication>

#include "icons/trimvale.xpm"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trimvale"));
    QApplication::setApplicationVersion(QStringLiteral(TRIMVALE_VERSION_TEXT));
    QApplication::setDesktopFileName(QStringLiteral(TRIMVALE_APP_ID));
    // Read from the compiled-in picture: no image plugin is loaded at start-up.
    QApplication::setWindowIcon(QIcon(QPixmap(trimvale_xpm)));
    windows::initializeToolkit();

    windows::QuestionnaireWindow questionnaire;
    questionnaire.show();
    return app.exec();
}
