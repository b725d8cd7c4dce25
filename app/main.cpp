#include <windows/qt/form.h>
#include <windows/qt/questionnairewindow.h>

#include <QtGui/QIcon>
#include <QtGui/QPixmap>
#include <QtGui/QScreen>
#include <QtWidgets/QApplication>

#include "icons/trimvale.xpm"
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

// A launcher may start the program with a standard stream closed. The X
// connection would then take that number, and the first warning the toolkit
// prints would go into it and stall the program; /dev/null takes it instead.
void reopenClosedStandardStreams()
{
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (fcntl(fd, F_GETFD) == -1 && errno == EBADF)
            open("/dev/null", fd == STDIN_FILENO ? O_RDONLY : O_WRONLY);
    }
}

// Qt paints nothing but black on displays of fewer than 16 bits a pixel and
// then crashes in its text boxes.
constexpr int kLeastDepth = 16;

} // namespace

int main(int argc, char *argv[])
{
    reopenClosedStandardStreams();
    QApplication app(argc, argv);
    if (const QScreen *screen = QGuiApplication::primaryScreen();
        screen && screen->depth() < kLeastDepth) {
        std::fprintf(stderr,
                     "trimvale: the display shows %d bits a pixel; Trimvale needs at least %d.\n",
                     screen->depth(), kLeastDepth);
        return 1;
    }
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
