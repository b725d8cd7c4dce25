#include <windows/form.h>
#include <windows/questionnairewindow.h>

#include <QtGui/QIcon>
#include <QtWidgets/QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trimvale"));
    QApplication::setApplicationVersion(QStringLiteral(TRIMVALE_VERSION_TEXT));
    QApplication::setDesktopFileName(QStringLiteral(TRIMVALE_APP_ID));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/trimvale.png")));
    windows::initializeToolkit();

    windows::QuestionnaireWindow questionnaire;
    questionnaire.show();
    return app.exec();
}
