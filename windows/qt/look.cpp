#include <windows/qt/accessibility.h>
#include <windows/qt/look.h>
#include <windows/qt/qtcolour.h>
#include <windows/qt/qtfonts.h>

#include <QtWidgets/QApplication>
#include <QtWidgets/QStyle>
#include <QtWidgets/QStyleFactory>

namespace windows::qt {

void applyLook()
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

} // namespace windows::qt
