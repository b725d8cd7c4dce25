#include <windows/colour.h>
#include <windows/fonts.h>
#include <windows/linebreaks.h>
#include <windows/units.h>
#include <windows/web/markup.h>

#include <algorithm>
#include <cmath>

namespace windows::web {

namespace {

int pixels(int twips)
{
    return twipsToPixels(twips);
}

// The faces the page carries: the stand-ins under names of their own, since
// the page's copies are cut down (and Liberation Sans narrowed).
std::string cssFamily(std::string_view face)
{
    const FontSubstitute *substitute = fontSubstitute(face);
    const std::string_view standIn = substitute ? substitute->standIn : face;
    if (standIn == "Liberation Sans")
        return "\"Trimvale Sans\", \"Liberation Sans\", Arial, sans-serif";
    if (standIn == "Z003")
        return "\"Trimvale Script\", cursive";
    return "\"" + std::string(standIn) + "\"";
}

std::string fontRule(const Font &font)
{
    return std::string("font: ") + (font.italic ? "italic " : "") + (font.bold ? "bold " : "") +
           px(pointsToPixels(font.points)) + " " + cssFamily(font.family) + ";";
}

std::string boxRule(int left, int top, int width, int height)
{
    return "left: " + px(left) + "; top: " + px(top) + "; width: " + px(width) +
           "; height: " + px(height) + ";";
}

std::string escaped(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

// WCAG's relative luminance of a 0xRRGGBB colour, and the contrast of two.
double luminance(unsigned rgb)
{
    double sum = 0;
    for (const auto &[shift, weight] : {std::pair{16, 0.2126}, {8, 0.7152}, {0, 0.0722}}) {
        const double value = ((rgb >> shift) & 0xFF) / 255.0;
        sum += weight * (value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4));
    }
    return sum;
}

double contrast(unsigned a, unsigned b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The colour darkened step by step until it reads at 7 : 1 on `background`.
unsigned darkenedFor(unsigned rgb, unsigned background)
{
    while (contrast(rgb, background) < 7.0 && rgb != 0) {
        unsigned darker = 0;
        for (int shift : {16, 8, 0})
            darker |= (((rgb >> shift) & 0xFF) * 7 / 8) << shift;
        rgb = darker;
    }
    return rgb;
}

// What a control's text is drawn on: its face, or its window's.
unsigned backgroundOf(const FormDescription &form, const ControlDescription &control)
{
    if (control.look.background)
        return fixedRgb(*control.look.background);
    if (control.kind == ControlKind::TextBox)
        return 0xFFFFFF;
    return form.background ? fixedRgb(*form.background) : 0xD4D0C8;
}

// On a phone, or a desk narrower than the window, the window is one column at
// the desk's width, in the order of the description (top to bottom as
// designed, each row's heading before its boxes), with text of 16 px or more
// and targets of 44 px.
std::string reflowRules(const FormDescription &form)
{
    const std::string w = "#" + std::string(form.name);
    const std::string margin = px(kNarrowMargin);
    std::string css =
        "@container desk (width < " + px(columnBelow(form)) + ") {\n" + w + " { left: " + margin +
        " !important; width: calc(100% - 2 * " + margin + "); }\n#desk > " + w +
        ".prerendered { top: " + margin + "; }\n" + w + "::after { left: 0; }\n" + w +
        " > .title-bar { height: auto; min-height: 44px; font-size: 16px; }\n" + w +
        " .close { width: 44px; height: 44px; font-size: 20px; line-height: 20px; }\n" + w +
        " > .client { width: auto; height: auto; display: flex; "
        "flex-direction: column; gap: 8px; padding: 8px; }\n" +
        w + " > .client > *, " + w +
        " .row > * { position: static; width: auto; "
        "min-width: 44px; height: auto; }\n" +
        w + " .row { display: flex; flex-wrap: wrap; gap: 8px; }\n" + w +
        " .tick-box { flex: 1 1 auto; min-height: 44px; padding: 0 4px; }\n" + w +
        " .tick-box input { width: 24px; height: 24px; }\n" + w +
        " .push-button { min-height: 44px; }\n" + w + " .line { display: none; }\n";
    for (std::size_t index = 0; index < form.controls.size(); ++index) {
        const ControlDescription &control = form.controls[index];
        const auto *rect = std::get_if<Rect>(&control.place);
        if (!rect)
            continue;
        const std::string id = w + " #" + controlId(form, index);
        if (pointsToPixels(control.look.font.points) < 16)
            css += id + " { font-size: 16px; }\n";
        // The text scrolls inside its box, which keeps to the screen's height.
        if (control.kind == ControlKind::TextBox)
            css += id + " { height: min(" + px(pixels(rect->height)) + ", 70vh); }\n";
    }
    return css + "}\n";
}

// Where the system asks for more contrast, text under 7 : 1 on its ground is
// drawn darker; the designed colours stay as they are otherwise.
std::string moreContrastRules(const FormDescription &form)
{
    std::string css;
    for (std::size_t index = 0; index < form.controls.size(); ++index) {
        const ControlDescription &control = form.controls[index];
        if (control.kind == ControlKind::Line || !control.look.text)
            continue;
        const unsigned text = fixedRgb(*control.look.text);
        const unsigned ground = backgroundOf(form, control);
        if (const unsigned darker = darkenedFor(text, ground); darker != text)
            css += "#" + controlId(form, index) + " { color: " + cssColour(darker) + "; }\n";
    }
    return css.empty() ? css : "@media (prefers-contrast: more) {\n" + css + "}\n";
}

} // namespace

int columnBelow(const FormDescription &form)
{
    return std::max(pixels(form.clientWidth) + 2 * kBorder, kPhoneWidth);
}

std::string controlId(const FormDescription &form, std::size_t control)
{
    return std::string(form.name) + "-" + std::string(form.controls[control].name);
}

std::string px(int pixels)
{
    return std::to_string(pixels) + "px";
}

std::string cssColour(unsigned rgb)
{
    constexpr char kDigits[] = "0123456789abcdef";
    std::string colour = "#";
    for (int shift = 20; shift >= 0; shift -= 4)
        colour += kDigits[(rgb >> shift) & 0xF];
    return colour;
}

std::string formMarkup(const FormDescription &form)
{
    const std::string name(form.name);
    const bool notice = form.role == WindowRole::Notice;
    // Hidden until shown, as a loaded window is.
    std::string html = "<section class=\"window\" id=\"" + name + "\" hidden role=\"" +
                       (notice ? "alertdialog" : "dialog") + "\" aria-labelledby=\"" + name +
                       "-caption\"";
    for (std::size_t index = 0; index < form.controls.size(); ++index) {
        if (notice && form.controls[index].kind == ControlKind::Label)
            html += " aria-describedby=\"" + controlId(form, index) + "\"";
    }
    // The close box shows a cross; screen readers read its name, which says
    // which window it closes. The window puts it last in its keyboard order.
    html += "><div class=\"title-bar\"><span class=\"icon\" aria-hidden=\"true\"></span>"
            "<span class=\"caption\" id=\"" +
            name + "-caption\">" + escaped(form.caption) +
            "</span><button class=\"close\" type=\"button\" aria-label=\"Close " +
            escaped(form.caption) +
            "\"><span aria-hidden=\"true\">&times;</span></button></div>"
            "<div class=\"client\">";
    for (std::size_t index = 0; index < form.controls.size(); ++index) {
        const ControlDescription &control = form.controls[index];
        const std::string id = "id=\"" + controlId(form, index) + "\"";
        const std::string label = control.accessibleName.empty()
                                      ? std::string()
                                      : " aria-label=\"" + escaped(control.accessibleName) + "\"";
        switch (control.kind) {
        case ControlKind::Label:
            html += "<div class=\"label\" " + id + ">" + escaped(withLfLineBreaks(control.text)) +
                    "</div>";
            break;
        case ControlKind::TickBox:
            html += "<label class=\"tick-box\" " + id + "><input type=\"checkbox\"" + label +
                    " aria-describedby=\"" + controlId(form, index) + "-hint\"><span>" +
                    escaped(control.text) + "</span></label><span hidden id=\"" +
                    controlId(form, index) + "-hint\"></span>";
            break;
        case ControlKind::PushButton:
            html += "<button class=\"push-button\" type=\"button\" " + id + label + ">" +
                    escaped(control.text) + "</button>";
            break;
        case ControlKind::TextBox:
            html += "<textarea class=\"text-box\" spellcheck=\"false\" " + id + label + ">" +
                    escaped(withLfLineBreaks(control.text)) + "</textarea>";
            break;
        case ControlKind::Line:
            // Decoration: drawn, not read.
            html += "<div class=\"line\" aria-hidden=\"true\" " + id + "></div>";
            break;
        }
    }
    return html + "</div></section>";
}

std::string formStyles(const FormDescription &form)
{
    const std::string name(form.name);
    std::string css = "#" + name + " > .client { width: " + px(pixels(form.clientWidth)) +
                      "; height: " + px(pixels(form.clientHeight)) + "; " + fontRule(kDefaultFont);
    if (form.background)
        css += " background: " + cssColour(fixedRgb(*form.background)) + ";";
    css += " }\n";
    for (std::size_t index = 0; index < form.controls.size(); ++index) {
        const ControlDescription &control = form.controls[index];
        const Look &look = control.look;
        css += "#" + controlId(form, index) + " { ";
        if (const auto *rect = std::get_if<Rect>(&control.place)) {
            css += boxRule(pixels(rect->left), pixels(rect->top), pixels(rect->width),
                           pixels(rect->height));
            // A label grows to the right where an engine sets the face wider
            // (WebKit rounds each glyph's advance to whole pixels), as on Windows.
            if (control.kind == ControlKind::Label)
                css += " min-width: " + px(pixels(rect->width)) + "; width: max-content;";
        } else {
            const auto &ends = std::get<Ends>(control.place);
            const int x1 = pixels(ends.x1), y1 = pixels(ends.y1);
            const int x2 = pixels(ends.x2), y2 = pixels(ends.y2);
            css += boxRule(std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1) + 1,
                           std::abs(y2 - y1) + 1);
            css += " background: " + cssColour(look.text ? fixedRgb(*look.text) : 0x000000) + ";";
        }
        if (control.kind != ControlKind::Line) {
            css += " " + fontRule(look.font);
            if (look.background)
                css += " background: " + cssColour(fixedRgb(*look.background)) + ";";
            if (look.text)
                css += " color: " + cssColour(fixedRgb(*look.text)) + ";";
            if (look.alignment == Alignment::Centre)
                css += " text-align: center;";
        }
        css += " }\n";
    }
    return css + reflowRules(form) + moreContrastRules(form);
}

} // namespace windows::web
