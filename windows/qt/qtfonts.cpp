#include <windows/fonts.h>
#include <windows/qt/qtfonts.h>
#include <windows/qt/text.h>
#include <windows/units.h>

namespace windows::qt {

void registerFontSubstitutes()
{
    // For anything that still asks for a face by its Windows name.
    for (const FontSubstitute &substitute : kFontSubstitutes)
        QFont::insertSubstitution(toQString(substitute.face), toQString(substitute.standIn));
}

QFont toQFont(const Font &font)
{
    // The stand-ins are asked for by name: asking for a missing face and letting
    // Qt find its substitute costs about 6 ms of a 30 ms start-up.
    const FontSubstitute *substitute = fontSubstitute(font.family);
    QFont qfont(toQString(substitute ? substitute->standIn : font.family));
    qfont.setPixelSize(pointsToPixels(font.points));
    qfont.setBold(font.bold);
    qfont.setItalic(font.italic);
    if (substitute)
        qfont.setStretch(substitute->stretch);
    return qfont;
}

} // namespace windows::qt
