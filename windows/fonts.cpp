#include <windows/fonts.h>
#include <windows/units.h>

#include <QtGui/QFontDatabase>

#include <algorithm>
#include <array>

namespace windows {

namespace {

struct Substitute
{
    const char *face;
    const char *standIn;
    int stretch; // percent of the stand-in's natural width
};

struct RegisteredSubstitute
{
    Substitute substitute;
    bool active = false;
};

// Liberation Sans has Arial's metrics; MS Sans Serif sets about 8 % narrower.
std::array<RegisteredSubstitute, 2> gSubstitutes{{
    {{"MS Sans Serif", "Liberation Sans", 92}},
    {{"One Stroke Script LET", "Z003", 100}},
}};

QString toQString(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

void registerFontSubstitutes()
{
    const QStringList installed = QFontDatabase::families();
    for (RegisteredSubstitute &entry : gSubstitutes) {
        const QString face = QString::fromLatin1(entry.substitute.face);
        entry.active = !installed.contains(face, Qt::CaseInsensitive);
        if (entry.active)
            QFont::insertSubstitution(face, QString::fromLatin1(entry.substitute.standIn));
    }
}

QFont toQFont(const Font &font)
{
    QFont qfont(toQString(font.family));
    qfont.setPixelSize(pointsToPixels(font.points));
    qfont.setBold(font.bold);
    qfont.setItalic(font.italic);
    const auto entry = std::ranges::find_if(gSubstitutes, [&font](const RegisteredSubstitute &e) {
        return e.active && font.family == e.substitute.face;
    });
    if (entry != gSubstitutes.end())
        qfont.setStretch(entry->substitute.stretch);
    return qfont;
}

} // namespace windows
