#include <windows/colour.h>
#include <windows/fonts.h>
#include <windows/placement.h>
#include <windows/units.h>
#include <windows/web/form.h>
#include <windows/web/toolkit.h>

#include <algorithm>
#include <cmath>

namespace windows::web {

namespace {

// The title bar and frame the page draws around a client area, in CSS pixels.
constexpr int kTitleBarHeight = 22;
constexpr int kBorder = 1;
// How much of a dragged window stays on the desk, so that it can be reached.
constexpr int kKeptOnDesk = 48;

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

void applyFont(val &element, const Font &font)
{
    setStyle(element, "fontFamily", cssFamily(font.family));
    setStyle(element, "fontSize", px(pointsToPixels(font.points)));
    setStyle(element, "fontWeight", font.bold ? "bold" : "normal");
    setStyle(element, "fontStyle", font.italic ? "italic" : "normal");
}

void place(val &element, int left, int top, int width, int height)
{
    setStyle(element, "left", px(left));
    setStyle(element, "top", px(top));
    setStyle(element, "width", px(width));
    setStyle(element, "height", px(height));
}

// Qt and the page break lines at LF alone.
std::string displayText(std::string_view text)
{
    std::string result(text);
    for (std::size_t at; (at = result.find("\r\n")) != std::string::npos;)
        result.erase(at, 1);
    return result;
}

} // namespace

Form::Form(const FormDescription &description)
    : m_description(description)
{
    // Keyboard order: the described one, or the table's.
    for (std::string_view name : description.tabOrder)
        m_keyboardOrder.push_back(controlIndex(description, name));
    if (m_keyboardOrder.empty()) {
        for (std::size_t index = 0; index < description.controls.size(); ++index) {
            const ControlKind kind = description.controls[index].kind;
            if (kind != ControlKind::Label && kind != ControlKind::Line)
                m_keyboardOrder.push_back(index);
        }
    }
}

Form::~Form()
{
    if (isLoaded()) {
        m_window.call<void>("remove");
        formClosed(*this);
    }
}

bool Form::isLoaded() const
{
    return !m_window.isNull();
}

void Form::load()
{
    if (isLoaded())
        return;
    m_drag.reset();
    m_listeners.clear();
    buildFrame();
    m_controls.assign(m_description.controls.size(), Control{});
    for (std::size_t index = 0; index < m_controls.size(); ++index)
        buildControl(index);
    desk().call<void>("appendChild", m_window);
    centreOnDesk();
    formOpened(*this);
}

void Form::buildFrame()
{
    const std::string name(m_description.name);
    const bool notice = m_description.role == WindowRole::Notice;
    m_window = createElement("section", "window");
    m_window.set("id", val(name));
    m_window.call<void>("setAttribute", val("role"), val(notice ? "alertdialog" : "dialog"));
    m_window.call<void>("setAttribute", val("aria-labelledby"), val(name + "-caption"));
    // Hidden until shown, as a loaded window is.
    m_window.set("hidden", val(true));

    val titleBar = createElement("div", "title-bar");
    val icon = createElement("span", "icon");
    icon.call<void>("setAttribute", val("aria-hidden"), val("true"));
    val caption = createElement("span", "caption");
    caption.set("id", val(name + "-caption"));
    caption.set("textContent", text(m_description.caption));
    val close = createElement("button", "close");
    close.call<void>("setAttribute", val("aria-label"), val("Close"));
    close.set("tabIndex", val(-1));
    // A cross to see; screen readers read the button's name.
    val cross = createElement("span");
    cross.call<void>("setAttribute", val("aria-hidden"), val("true"));
    cross.set("textContent", val(std::string("\u00d7"))); // UTF-8, not Latin-1
    close.call<void>("append", cross);
    titleBar.call<void>("append", icon, caption, close);

    m_client = createElement("div", "client");
    const int width = pixels(m_description.clientWidth);
    const int height = pixels(m_description.clientHeight);
    setStyle(m_client, "width", px(width));
    setStyle(m_client, "height", px(height));
    if (m_description.background)
        setStyle(m_client, "background", cssColour(fixedRgb(*m_description.background)));
    applyFont(m_client, kDefaultFont);
    m_window.call<void>("append", titleBar, m_client);

    m_listeners.listen(close, "click", [this](val) { unload(); });
    m_listeners.listen(titleBar, "mousedown", [this](val event) { startDrag(std::move(event)); });
    // A click anywhere on a window, or the focus inside it, brings it to the front.
    m_listeners.listen(m_window, "mousedown", [this](val) { raiseForm(*this); });
    m_listeners.listen(m_window, "focusin", [this](val event) {
        m_lastFocus = event["target"];
        if (frontForm() != this)
            raiseForm(*this);
    });
    m_listeners.listen(m_window, "keydown", [this](val event) {
        const std::string key = event["key"].as<std::string>();
        if (key == "Tab") {
            event.call<void>("preventDefault");
            moveFocus(event["shiftKey"].as<bool>());
        }
    });
}

void Form::buildControl(std::size_t index)
{
    const ControlDescription &description = m_description.controls[index];
    Control &control = m_controls[index];
    const std::string id = idOf(index);
    const Look &look = description.look;

    switch (description.kind) {
    case ControlKind::Label:
        control.element = createElement("div", "label");
        control.element.set("textContent", text(displayText(description.text)));
        if (look.alignment == Alignment::Centre)
            setStyle(control.element, "textAlign", "center");
        break;
    case ControlKind::TickBox: {
        control.element = createElement("label", "tick-box");
        control.input = createElement("input");
        control.input.set("type", val("checkbox"));
        val caption = createElement("span");
        caption.set("textContent", text(description.text));
        control.element.call<void>("append", control.input, caption);
        m_listeners.listen(control.input, "click", [this, index](val) { raiseClick(index); });
        break;
    }
    case ControlKind::PushButton:
        control.element = createElement("button", "push-button");
        control.element.set("type", val("button"));
        control.element.set("textContent", text(description.text));
        control.input = control.element;
        m_listeners.listen(control.input, "click", [this, index](val) { raiseClick(index); });
        break;
    case ControlKind::TextBox:
        control.element = createElement("textarea", "text-box");
        control.element.set("value", text(displayText(description.text)));
        control.element.set("spellcheck", val(false));
        control.input = control.element;
        break;
    case ControlKind::Line: {
        // Decoration: drawn, not read.
        const auto &ends = std::get<Ends>(description.place);
        control.element = createElement("div", "line");
        control.element.call<void>("setAttribute", val("aria-hidden"), val("true"));
        const int x1 = pixels(ends.x1), y1 = pixels(ends.y1);
        const int x2 = pixels(ends.x2), y2 = pixels(ends.y2);
        place(control.element, std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1) + 1,
              std::abs(y2 - y1) + 1);
        setStyle(control.element, "background",
                 cssColour(look.text ? fixedRgb(*look.text) : 0x000000));
        break;
    }
    }

    control.element.set("id", val(id));
    if (const auto *rect = std::get_if<Rect>(&description.place))
        place(control.element, pixels(rect->left), pixels(rect->top), pixels(rect->width),
              pixels(rect->height));
    if (description.kind != ControlKind::Line) {
        applyFont(control.element, look.font);
        if (look.background)
            setStyle(control.element, "background", cssColour(fixedRgb(*look.background)));
        if (look.text)
            setStyle(control.element, "color", cssColour(fixedRgb(*look.text)));
    }
    if (!description.accessibleName.empty())
        control.input.call<void>("setAttribute", val("aria-label"),
                                 text(description.accessibleName));
    if (m_description.role == WindowRole::Notice && description.kind == ControlKind::Label)
        m_window.call<void>("setAttribute", val("aria-describedby"), val(id));
    m_client.call<void>("appendChild", control.element);
}

std::string Form::idOf(std::size_t control) const
{
    return std::string(m_description.name) + "-" +
           std::string(m_description.controls[control].name);
}

void Form::centreOnDesk()
{
    val area = desk();
    const int deskWidth = area["clientWidth"].as<int>();
    const int deskHeight = area["clientHeight"].as<int>();
    const int width = pixels(m_description.clientWidth) + 2 * kBorder;
    const int height = pixels(m_description.clientHeight) + kTitleBarHeight + 2 * kBorder;
    const Position at = centredIn({0, 0, deskWidth, deskHeight}, width, height);
    setStyle(m_window, "left", px(std::max(0, at.x)));
    setStyle(m_window, "top", px(std::max(0, at.y)));
}

void Form::showInFront()
{
    if (!isLoaded())
        return;
    const bool opening = m_window["hidden"].as<bool>();
    m_window.set("hidden", val(false));
    raiseForm(*this);
    // Focus goes into a window as it opens or comes to the front, unless it already is.
    if (opening || !m_window.call<bool>("contains", document()["activeElement"]))
        focusInside();
}

void Form::focusInside()
{
    if (!isLoaded())
        return;
    if (!m_lastFocus.isNull() && m_window.call<bool>("contains", m_lastFocus) &&
        !m_lastFocus["disabled"].as<bool>()) {
        m_lastFocus.call<void>("focus");
        return;
    }
    for (std::size_t index : m_keyboardOrder) {
        val input = m_controls[index].input;
        if (!input.isNull() && !input["disabled"].as<bool>()) {
            input.call<void>("focus");
            return;
        }
    }
    // A window with nothing to focus, as the notice, takes the focus itself.
    m_window.set("tabIndex", val(-1));
    m_window.call<void>("focus");
}

void Form::setLayer(int layer)
{
    if (isLoaded())
        setStyle(m_window, "zIndex", std::to_string(layer));
}

void Form::setFront(bool front)
{
    if (isLoaded())
        m_window["classList"].call<void>("toggle", val("front"), val(front));
}

void Form::moveFocus(bool backwards)
{
    const std::size_t count = m_keyboardOrder.size();
    if (count == 0)
        return;
    val active = document()["activeElement"];
    std::size_t at = count;
    for (std::size_t i = 0; i < count; ++i) {
        if (m_controls[m_keyboardOrder[i]].input.strictlyEquals(active))
            at = i;
    }
    for (std::size_t step = 1; step <= count; ++step) {
        const std::size_t next =
            at == count ? (backwards ? count - step : step - 1)
                        : (backwards ? (at + count - step) % count : (at + step) % count);
        val input = m_controls[m_keyboardOrder[next]].input;
        if (!input.isNull() && !input["disabled"].as<bool>()) {
            input.call<void>("focus");
            return;
        }
    }
}

void Form::startDrag(val event)
{
    if (event["button"].as<int>() != 0 || event["target"]["className"].as<std::string>() == "close")
        return;
    event.call<void>("preventDefault");
    const int startX = event["clientX"].as<int>();
    const int startY = event["clientY"].as<int>();
    const int left = m_window["offsetLeft"].as<int>();
    const int top = m_window["offsetTop"].as<int>();
    m_drag = std::make_unique<Listeners>();
    m_drag->listen(document(), "mousemove", [this, startX, startY, left, top](val move) {
        val area = desk();
        const int width = m_window["offsetWidth"].as<int>();
        const int x = left + move["clientX"].as<int>() - startX;
        const int y = top + move["clientY"].as<int>() - startY;
        // The title bar stays on the desk, where it can be taken again.
        const int maxX = area["clientWidth"].as<int>() - kKeptOnDesk;
        const int maxY = area["clientHeight"].as<int>() - kTitleBarHeight;
        setStyle(m_window, "left", px(std::clamp(x, kKeptOnDesk - width, std::max(0, maxX))));
        setStyle(m_window, "top", px(std::clamp(y, 0, std::max(0, maxY))));
    });
    m_drag->listen(document(), "mouseup", [this](val) { m_drag->detach(); });
}

void Form::unload()
{
    if (!isLoaded())
        return;
    // Called from the close box's own listener: the listeners are only
    // detached now, and freed when the window loads again.
    if (m_drag)
        m_drag->detach();
    m_listeners.detach();
    m_window.call<void>("remove");
    m_window = val::null();
    m_client = val::null();
    m_controls.clear();
    m_lastFocus = val::null();
    formClosed(*this);
}

void Form::raiseClick(std::size_t control)
{
    if (m_onClick)
        m_onClick(control);
}

bool Form::isEnabled(std::size_t control) const
{
    const val &input = m_controls.at(control).input;
    return !input.isNull() && !input["disabled"].as<bool>();
}

void Form::setEnabled(std::size_t control, bool enabled)
{
    Control &target = m_controls.at(control);
    if (target.input.isNull())
        return;
    target.input.set("disabled", val(!enabled));
    target.element["classList"].call<void>("toggle", val("greyed"), val(!enabled));
}

void Form::setTicked(std::size_t control, bool ticked)
{
    val input = m_controls.at(control).input;
    if (input.isNull() || input["checked"].as<bool>() == ticked)
        return;
    // A tick written by the program raises no event in the page: raise it here.
    input.set("checked", val(ticked));
    raiseClick(control);
}

void Form::describe(std::size_t control, std::string_view description)
{
    Control &target = m_controls.at(control);
    const std::string id = idOf(control) + "-hint";
    val hint = document().call<val>("getElementById", val(id));
    if (hint.isNull()) {
        hint = createElement("span", "hint");
        hint.set("id", val(id));
        hint.set("hidden", val(true));
        m_client.call<void>("appendChild", hint);
        target.input.call<void>("setAttribute", val("aria-describedby"), val(id));
    }
    hint.set("textContent", text(description));
}

void Form::group(std::size_t heading, std::span<const std::size_t> members)
{
    val row = createElement("div", "row");
    row.call<void>("setAttribute", val("role"), val("group"));
    row.call<void>("setAttribute", val("aria-labelledby"), val(idOf(heading)));
    m_client.call<void>("insertBefore", row, m_controls.at(members.front()).element);
    for (std::size_t member : members)
        row.call<void>("appendChild", m_controls.at(member).element);
}

void Form::announce(std::string_view sentence)
{
    web::announce(sentence);
}

} // namespace windows::web
