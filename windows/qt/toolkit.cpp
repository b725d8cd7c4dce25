#include <windows/qt/look.h>
#include <windows/qt/toolkit.h>

#include <QtCore/QLibraryInfo>
#include <QtGui/QFontDatabase>
#include <QtGui/QFontMetrics>
#include <QtGui/QIcon>
#include <QtGui/QPixmap>
#include <QtGui/QScreen>
#include <QtWidgets/QApplication>
#include <QtWidgets/QWidget>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fontconfig/fontconfig.h>
#include <optional>
#include <string>
#include <sys/mman.h>
#include <thread>
#include <unistd.h>

namespace windows::qt {

namespace {

std::unique_ptr<QApplication> gApplication;
std::jthread gFontDatabase;

// Under AddressSanitizer the start-up reads the fonts on the main thread, as
// Qt would: GCC 12's sanitizer allocator is not safe across a fork made while
// another thread allocates, and Qt's D-Bus thread forks to start a session bus
// where none runs. The child then hangs before it runs anything, and the
// program, waiting for it, never shows its window.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kFontsOnSecondThread = false;
#else
constexpr bool kFontsOnSecondThread = true;
#endif

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

bool isSet(const char *variable)
{
    const char *value = std::getenv(variable);
    return value && *value;
}

bool platformAskedFor(int argc, char *argv[])
{
    if (isSet("QT_QPA_PLATFORM"))
        return true;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return true;
    }
    return false;
}

bool hasWaylandPlatform()
{
    const QString plugin = QLibraryInfo::path(QLibraryInfo::PluginsPath) +
                           QStringLiteral("/platforms/libqwayland-generic.so");
    return access(plugin.toLocal8Bit().constData(), F_OK) == 0;
}

// Where no window can open, Qt aborts with a core dump and advice to reinstall
// the program. The person gets one line that says what is wrong instead: what
// the toolkit prints while it connects is held back, and passed on once it has
// connected.
class DisplayCheck
{
public:
    DisplayCheck()
        : m_held(memfd_create("trimvale-held-stderr", MFD_CLOEXEC))
    {
        std::fflush(stderr);
        if (m_held != -1) {
            s_stderr = dup(STDERR_FILENO);
            if (s_stderr != -1)
                dup2(m_held, STDERR_FILENO);
        }
        s_previous = qInstallMessageHandler(&DisplayCheck::message);
    }
    ~DisplayCheck()
    {
        qInstallMessageHandler(s_previous);
        restoreStderr();
        if (m_held != -1) {
            char buffer[4096];
            ssize_t n;
            lseek(m_held, 0, SEEK_SET);
            while ((n = read(m_held, buffer, sizeof buffer)) > 0)
                std::fwrite(buffer, 1, static_cast<std::size_t>(n), stderr);
            close(m_held);
        }
    }
    Q_DISABLE_COPY_MOVE(DisplayCheck)

private:
    static void restoreStderr()
    {
        std::fflush(stderr);
        if (s_stderr != -1) {
            dup2(s_stderr, STDERR_FILENO);
            close(s_stderr);
            s_stderr = -1;
        }
    }

    static void message(QtMsgType type, const QMessageLogContext &context, const QString &text)
    {
        if (type != QtFatalMsg) {
            s_previous(type, context, text);
            return;
        }
        // Fatal while connecting: no platform could open a window.
        restoreStderr();
        std::string why;
        for (const char *variable : {"WAYLAND_DISPLAY", "DISPLAY"}) {
            if (!isSet(variable))
                continue;
            const std::string display = std::string(variable) + "=" + std::getenv(variable);
            why += why.empty() ? ": " : "; ";
            why +=
                std::strcmp(variable, "WAYLAND_DISPLAY") == 0 && !hasWaylandPlatform()
                    ? "Qt's Wayland platform, for " + display + ", is not installed (qt6-wayland)"
                    : display + " cannot be reached";
        }
        std::fprintf(stderr, "trimvale: there is no display to open the window on%s.\n",
                     why.c_str());
        std::fflush(stderr);
        std::_Exit(1); // what the toolkit built so far is of no use; nothing needs tidying
    }

    int m_held; // in memory: the program writes no files
    static inline int s_stderr = -1;
    static inline QtMessageHandler s_previous = nullptr;
};

} // namespace

void initializeToolkit(int &argc, char **argv, const Identity &identity)
{
    reopenClosedStandardStreams();
    if (!platformAskedFor(argc, argv) && !isSet("DISPLAY") && !isSet("WAYLAND_DISPLAY")) {
        std::fputs("trimvale: there is no display to open the window on: neither DISPLAY nor "
                   "WAYLAND_DISPLAY is set.\n",
                   stderr);
        std::exit(1);
    }
    // Reading the system's font configuration is a third of the work before the
    // first frame, and needs nothing from the display: it is done on the other
    // core while the toolkit connects, and is there when the first text is laid out.
    std::thread fontConfiguration;
    if (kFontsOnSecondThread)
        fontConfiguration = std::thread([] { FcInit(); });
    std::optional<DisplayCheck> displayCheck(std::in_place);
    gApplication = std::make_unique<QApplication>(argc, argv);
    displayCheck.reset();
    if (fontConfiguration.joinable())
        fontConfiguration.join();
    if (const QScreen *screen = QGuiApplication::primaryScreen();
        screen && screen->depth() < kLeastDepth) {
        std::fprintf(stderr,
                     "trimvale: the display shows %d bits a pixel; Trimvale needs at least %d.\n",
                     screen->depth(), kLeastDepth);
        gApplication.reset();
        std::exit(1);
    }
    QApplication::setApplicationName(QString::fromUtf8(identity.name));
    QApplication::setApplicationVersion(QString::fromUtf8(identity.version));
    QApplication::setDesktopFileName(QString::fromUtf8(identity.desktopFileName));
    QApplication::setWindowIcon(QIcon(QPixmap(identity.icon)));
    // Qt's list of installed faces, read at the first text drawn, is read while
    // the window is built and the window manager maps it.
    if (kFontsOnSecondThread)
        gFontDatabase = std::jthread([] { QFontDatabase::families(); });
    applyLook();
}

namespace {

// The window manager maps a shown window in its own time, and its first frame
// is painted once it has. The faces the window's text is drawn in are loaded
// meanwhile, instead of when that frame is painted.
void loadFacesWhileMapping()
{
    for (const QWidget *window : QApplication::topLevelWidgets()) {
        if (!window->isVisible())
            continue;
        static_cast<void>(QFontMetrics(window->font()).height());
        for (const QWidget *widget : window->findChildren<QWidget *>())
            static_cast<void>(QFontMetrics(widget->font()).height());
    }
}

} // namespace

int run(const std::function<std::shared_ptr<void>()> &start)
{
    int status = 0;
    {
        const std::shared_ptr<void> shown = start();
        loadFacesWhileMapping();
        status = QApplication::exec();
    }
    // Qt 6.4's Wayland platform can deadlock while it takes itself down: its
    // event thread waits for a read that the main thread, waiting for that
    // thread, never makes, and the program would run on with no window left.
    // Nothing remains to be saved, so the program ends here.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    // Its windows are gone; the application goes before the program ends.
    gFontDatabase = {};
    gApplication.reset();
    return status;
}

} // namespace windows::qt
