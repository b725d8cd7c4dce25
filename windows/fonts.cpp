#include <windows/fonts.h>
#include <windows/text.h>
#include <windows/units.h>

#include <algorithm>

namespace windows {

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

// The faces are Windows fonts: there they are used as they are; elsewhere the
// stand-ins are asked for by name. Asking for a missing face and letting Qt
// find its substitute costs about 6 ms of a 30 ms start-up.
#ifdef Q_OS_WIN
constexpr bool kFacesInstalled = true;
#else
constexpr bool kFacesInstalled = false;
#endif

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
    const Substitute *substitute = kFacesInstalled ? nullptr : substituteFor(font.family);
    QFont qfont(substitute ? QString::fromLatin1(substitute->standIn) : toQString(font.family));
    qfont.setPixelSize(pointsToPixels(font.points));
    qfont.setBold(font.bold);
    qfont.setItalic(font.italic);
    if (substitute)
        qfont.setStretch(substitute->stretch);
    return qfont;
}

} // namespace windows
