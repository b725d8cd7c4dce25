// The declarative description of a window: its caption, size, frame and
// colours, and a table of its controls that reads like the layout tables the
// windows were designed from. Positions and sizes are in twips.
#pragma once

#include <windows/colour.h>

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>
#include <variant>

namespace windows {

enum class ControlKind
{
    Label,
    TickBox,
    PushButton,
    Line,
    TextBox
};

// Left, top, width and height, in twips of the window's client area.
struct Rect
{
    int left;
    int top;
    int width;
    int height;
};

// The two ends of a line, in twips of the window's client area.
struct Ends
{
    int x1;
    int y1;
    int x2;
    int y2;
};

// Character sets of the faces, as Windows numbers them.
inline constexpr int kAnsiCharset = 0;
inline constexpr int kCyrillicCharset = 204;

struct Font
{
    std::string_view family;
    double points;
    bool bold = false;
    bool italic = false;
    int charset = kAnsiCharset;

    friend constexpr bool operator==(const Font &, const Font &) = default;
};

// The platform's default face, in which every control without a font of its own is drawn.
inline constexpr Font kDefaultFont{"MS Sans Serif", 8.25};

enum class Alignment
{
    Left,
    Centre
};

struct Look
{
    std::optional<Colour> background; // unset: the toolkit's own
    std::optional<Colour> text;       // unset: the toolkit's own
    Font font = kDefaultFont;
    Alignment alignment = Alignment::Left;
};

struct ControlDescription
{
    std::string_view name;
    ControlKind kind;
    std::string_view text;
    std::variant<Rect, Ends> place;
    Look look;
    // What assistive technology calls a control whose text does not name it.
    std::string_view accessibleName = {};
};

// What a window is to assistive technology.
enum class WindowRole
{
    Workspace, // a window to work in; the control with the focus is read
    Notice,    // a message: its whole text is read when it opens
};

enum class Frame
{
    Fixed,   // not resizable; a close box only
    Sizable, // close, minimize and maximize boxes
};

struct FormDescription
{
    std::string_view name;
    std::string_view caption;
    int clientWidth; // twips
    int clientHeight;
    std::optional<Colour> background;
    Frame frame;
    std::span<const ControlDescription> controls;
    // Names of the controls that take the focus, in keyboard order; the first
    // has the focus when the window opens. Empty: creation order.
    std::span<const std::string_view> tabOrder = {};
    WindowRole role = WindowRole::Workspace;
};

// The index of the control named `name` in the description's table, or the
// table's size when there is none.
constexpr std::size_t controlIndex(const FormDescription &form, std::string_view name)
{
    std::size_t index = 0;
    while (index < form.controls.size() && form.controls[index].name != name)
        ++index;
    return index;
}

} // namespace windows
