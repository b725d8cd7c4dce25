// How a form paints what the standard controls do not: its background, the
// controls' colours, its lines and its push buttons' faces.
#include <windows/units.h>
#include <windows/win32/form.h>
#include <windows/win32/system.h>

#include <algorithm>
#include <array>

namespace windows::win32 {

void Form::eraseBackground(HDC dc)
{
    RECT client;
    GetClientRect(m_window, &client);
    FillRect(dc, &client,
             brush(m_description.background ? toColorRef(*m_description.background)
                                            : GetSysColor(COLOR_BTNFACE)));
}

HBRUSH Form::colourControl(HWND window, HDC dc, bool textBox)
{
    const std::size_t control = indexOf(window);
    if (control >= m_controls.size())
        return nullptr;
    const Look &look = m_description.controls[control].look;
    const COLORREF background = backgroundOf(control);
    SetBkColor(dc, background);
    SetTextColor(dc, look.text ? toColorRef(*look.text)
                               : GetSysColor(textBox ? COLOR_WINDOWTEXT : COLOR_BTNTEXT));
    return brush(background);
}

HBRUSH Form::brush(COLORREF colour)
{
    const auto found = std::ranges::find(m_brushes, colour, &std::pair<COLORREF, HBRUSH>::first);
    if (found != m_brushes.end())
        return found->second;
    HBRUSH handle = CreateSolidBrush(colour);
    if (!handle)
        reportFailure(L"A brush could not be created.");
    m_brushes.emplace_back(colour, handle);
    return handle;
}

COLORREF Form::backgroundOf(std::size_t control) const
{
    const ControlDescription &description = m_description.controls[control];
    if (description.look.background)
        return toColorRef(*description.look.background);
    if (description.kind == ControlKind::TextBox)
        return GetSysColor(COLOR_WINDOW);
    return m_description.background ? toColorRef(*m_description.background)
                                    : GetSysColor(COLOR_BTNFACE);
}

void Form::paint(HDC dc) const
{
    const int width = std::max(1, m_dpi / kDesignDpi);
    for (const ControlDescription &control : m_description.controls) {
        const auto *ends = std::get_if<Ends>(&control.place);
        if (!ends)
            continue;
        const Look &look = control.look;
        HPEN pen = CreatePen(PS_SOLID, width,
                             look.text ? toColorRef(*look.text) : GetSysColor(COLOR_WINDOWTEXT));
        if (!pen)
            reportFailure(L"A pen could not be created.");
        HGDIOBJ old = SelectObject(dc, pen);
        const POINT from{twipsToPixels(ends->x1, m_dpi), twipsToPixels(ends->y1, m_dpi)};
        const POINT to{twipsToPixels(ends->x2, m_dpi), twipsToPixels(ends->y2, m_dpi)};
        MoveToEx(dc, from.x, from.y, nullptr);
        LineTo(dc, to.x, to.y);
        LineTo(dc, to.x + (to.x > from.x) - (to.x < from.x),
               to.y + (to.y > from.y) - (to.y < from.y));
        SelectObject(dc, old);
        DeleteObject(pen);
    }
}

void Form::drawButton(const DRAWITEMSTRUCT &item)
{
    const std::size_t control = indexOf(item.hwndItem);
    if (control == m_controls.size())
        return;
    HDC dc = item.hDC;
    RECT face = item.rcItem;
    const bool pressed = item.itemState & ODS_SELECTED;
    FillRect(dc, &face, brush(backgroundOf(control)));
    DrawEdge(dc, &face, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);

    std::array<wchar_t, 256> text{};
    GetWindowTextW(item.hwndItem, text.data(), static_cast<int>(text.size()));
    HGDIOBJ oldFont =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0)));
    SetBkMode(dc, TRANSPARENT);
    const Look &look = m_description.controls[control].look;
    SetTextColor(dc, item.itemState & ODS_DISABLED ? GetSysColor(COLOR_GRAYTEXT)
                     : look.text                   ? toColorRef(*look.text)
                                                   : GetSysColor(COLOR_BTNTEXT));
    constexpr UINT format = DT_CENTER | DT_WORDBREAK | DT_NOPREFIX;
    RECT area = face;
    InflateRect(&area, -4, -4);
    if (pressed)
        OffsetRect(&area, 1, 1);
    RECT needed = area;
    DrawTextW(dc, text.data(), -1, &needed, format | DT_CALCRECT);
    area.top += std::max(0L, ((area.bottom - area.top) - (needed.bottom - needed.top)) / 2);
    DrawTextW(dc, text.data(), -1, &area, format);
    SelectObject(dc, oldFont);

    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
        RECT focus = face;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(dc, &focus);
    }
}

} // namespace windows::win32
