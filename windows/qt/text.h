// The program's texts are single-byte ANSI strings (plain ASCII in practice)
// with CR LF line breaks; these turn them into Qt strings.
#pragma once

#include <windows/linebreaks.h>

#include <QtCore/QString>

#include <string_view>

namespace windows::qt {

inline QString toQString(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// Qt breaks lines at LF alone.
inline QString toDisplayText(std::string_view text)
{
    return toQString(withLfLineBreaks(text));
}

} // namespace windows::qt
