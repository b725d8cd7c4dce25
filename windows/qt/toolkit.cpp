#include <windows/qt/accessibility.h>
#include <windows/qt/qtcolour.h>
#include <windows/qt/qtfonts.h>
#include <windows/qt/toolkit.h>

#include <QtWidgets/QApplication>
#include <QtWidgets/QStyle>
#include <QtWidgets/QStyleFactory>

#include <cstdio>
#include <cstdlib>

namespace windows::qt {

void initializeToolkit()
{
    // Fusion draws buttons in their palette colour on every platform, as the
    // windows' coloured buttons need.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    registerFontSubstitutes();
    QApplication::setFont(toQFont(kDefaultFont));

    QPalette palette = QApplication::style()->standardPalette();
    const QColor grey = toQColor(SystemColour::GrayText);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, grey);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, grey);
    palette.setColor(QPalette::Disabled, QPalette::Text, grey);
    QApplication::setPalette(palette);

    installAccessibility();
}

int runEventLoop()
{
    const int status = QApplication::exec();
    // Qt 6.4's Wayland platform can deadlock while it takes itself down: its
    // event thread waits for a read that the main thread, waiting for that
    // thread, never makes, and the program would run on with no window left.
    // Nothing remains to be saved, so the program ends here.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}

} // namespace windows::qt
