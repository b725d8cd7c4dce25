#include <windows/qt/fonts.h>
#include <windows/qt/text.h>
#include <windows/units.h>

#include <algorithm>

namespace windows::qt {

namespace {

struct Substitute
{
    std::string_view face;
    const char *standIn;
    int stretch; // percent of the stand-in's natural width
};

// Liberation Sans has Arial's metrics; MS Sans Serif sets about 8 % narrower.
constexpr Substitute kSubstitutes[] = {
    {"MS Sans Serif", "Liberation Sans", 92},
    {"One Stroke Script LET", "Z003", 100},
};

const Substitute *substituteFor(std::string_view face)
{
    const auto found = std::ranges::find(kSubstitutes, face, &Substitute::face);
    return found == std::end(kSubstitutes) ? nullptr : &*found;
}

} // namespace

void registerFontSubstitutes()
{
    // For anything that still asks for a face by its Windows name.
    for (const Substitute &substitute : kSubstitutes)
        QFont::insertSubstitution(toQString(substitute.face),
                                  QString::fromLatin1(substitute.standIn));
}

QFont toQFont(const Font &font)
{
    // The stand-ins are asked for by name: asking for a missing face and letting
    // Qt find its substitute costs about 6 ms of a 30 ms start-up.
    const Substitute *substitute = substituteFor(font.family);
    QFont qfont(substitute ? QString::fromLatin1(substitute->standIn) : toQString(font.family));
    qfont.setPixelSize(pointsToPixels(font.points));
    qfont.setBold(font.bold);
    qfont.setItalic(font.italic);
    if (substitute)
        qfont.setStretch(substitute->stretch);
    return qfont;
}

} // namespace windows::qt
