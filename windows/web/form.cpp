#include <windows/placement.h>
#include <windows/units.h>
#include <windows/web/form.h>
#include <windows/web/markup.h>

#include <algorithm>
#include <cmath>

namespace windows::web {

namespace {

// How much of a dragged window stays on the desk, so that it can be reached.
constexpr int kKeptOnDesk = 48;

int pixels(int twips)
{
    return twipsToPixels(twips);
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
    // The window comes as one piece of markup and its looks as one style
    // sheet: a few calls into the page, not hundreds.
    if (m_styles.isNull()) {
        m_styles = val::global("CSSStyleSheet").new_();
        m_styles.call<void>("replaceSync", text(formStyles(m_description)));
        document()["adoptedStyleSheets"].call<void>("push", m_styles);
    }
    // The page may hold this window already, drawn before the program ran and
    // inert until now.
    val area = desk();
    val drawn = document().call<val>("getElementById", text(m_description.name));
    if (!drawn.isNull() && drawn["classList"].call<bool>("contains", val("prerendered"))) {
        m_window = drawn;
        m_window["classList"].call<void>("remove", val("prerendered"));
        m_window.call<void>("removeAttribute", val("inert"));
        m_window.call<void>("removeAttribute", val("aria-busy"));
    } else {
        area.call<void>("insertAdjacentHTML", val("beforeend"), text(formMarkup(m_description)));
        m_window = area["lastElementChild"];
    }
    m_client = m_window.call<val>("querySelector", val(".client"));
    m_controls.assign(m_description.controls.size(), Control{});
    for (std::size_t index = 0; index < m_controls.size(); ++index) {
        Control &control = m_controls[index];
        control.element = document().call<val>("getElementById", val(idOf(index)));
        switch (m_description.controls[index].kind) {
        case ControlKind::TickBox:
            control.input = control.element["firstElementChild"];
            control.hint = document().call<val>("getElementById", val(idOf(index) + "-hint"));
            m_listeners.listen(control.input, "click", [this, index](val) { raiseClick(index); });
            break;
        case ControlKind::PushButton:
            control.input = control.element;
            m_listeners.listen(control.input, "click", [this, index](val) { raiseClick(index); });
            break;
        case ControlKind::TextBox:
            control.input = control.element;
            break;
        case ControlKind::Label:
        case ControlKind::Line:
            break;
        }
    }
    listenToFrame();
    centreOnDesk();
    formOpened(*this);
}

std::string Form::idOf(std::size_t control) const
{
    return controlId(m_description, control);
}

void Form::listenToFrame()
{
    val titleBar = m_window["firstElementChild"];
    m_closeBox = titleBar.call<val>("querySelector", val(".close"));
    // A click, or Enter or Space on the focused close box.
    m_listeners.listen(m_closeBox, "click", [this](val) { unload(); });
    // Mouse, finger and pen alike.
    m_listeners.listen(titleBar, "pointerdown", [this](val event) { startDrag(std::move(event)); });
    // A press anywhere on a window, or the focus inside it, brings it to the front.
    m_listeners.listen(m_window, "pointerdown", [this](val) { raiseForm(*this); });
    m_listeners.listen(m_window, "focusin", [this](val event) {
        m_lastFocus = event["target"];
        if (frontForm() != this)
            raiseForm(*this);
    });
    m_listeners.listen(m_window, "keydown", [this](val event) {
        if (event["key"].as<std::string>() == "Tab") {
            event.call<void>("preventDefault");
            moveFocus(event["shiftKey"].as<bool>());
        }
    });
}

void Form::centreOnDesk()
{
    val area = desk();
    const int deskWidth = area["clientWidth"].as<int>();
    const int deskHeight = area["clientHeight"].as<int>();
    const int width = pixels(m_description.clientWidth) + 2 * kBorder;
    const int height = pixels(m_description.clientHeight) + kTitleBarHeight + 2 * kBorder;
    const int scrolledTo = area["scrollTop"].as<int>();
    // A phone's desk, or one narrower than the window, shows it as a column at
    // the desk's width (the window's style places it across): it opens at the
    // top of what the person sees.
    if (deskWidth < columnBelow(m_description)) {
        setStyle(m_window, "top", px(scrolledTo + kNarrowMargin));
        return;
    }
    // Centred where the desk is scrolled to: what the person sees.
    const Position at =
        centredIn({area["scrollLeft"].as<int>(), scrolledTo, deskWidth, deskHeight}, width, height);
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
    // The window's controls in their keyboard order, then its close box: the
    // one way out of a window for a person who has only the keyboard.
    std::vector<val> stops;
    for (std::size_t index : m_keyboardOrder)
        stops.push_back(m_controls[index].input);
    stops.push_back(m_closeBox);
    const std::size_t count = stops.size();
    val active = document()["activeElement"];
    std::size_t at = count;
    for (std::size_t i = 0; i < count; ++i) {
        if (stops[i].strictlyEquals(active))
            at = i;
    }
    for (std::size_t step = 1; step <= count; ++step) {
        const std::size_t next =
            at == count ? (backwards ? count - step : step - 1)
                        : (backwards ? (at + count - step) % count : (at + step) % count);
        val stop = stops[next];
        if (!stop.isNull() && !stop["disabled"].as<bool>()) {
            stop.call<void>("focus");
            return;
        }
    }
}

void Form::startDrag(val event)
{
    if (event["button"].as<int>() != 0 ||
        event["target"].call<val>("closest", val(".close")).as<bool>())
        return;
    event.call<void>("preventDefault");
    // The title bar keeps the pointer until it is lifted, wherever it goes.
    val titleBar = event["currentTarget"];
    const int pointer = event["pointerId"].as<int>();
    titleBar.call<void>("setPointerCapture", pointer);
    const double startX = event["clientX"].as<double>();
    const double startY = event["clientY"].as<double>();
    const int left = m_window["offsetLeft"].as<int>();
    const int top = m_window["offsetTop"].as<int>();
    m_drag = std::make_unique<Listeners>();
    m_drag->listen(titleBar, "pointermove", [this, pointer, startX, startY, left, top](val move) {
        if (move["pointerId"].as<int>() != pointer)
            return;
        val area = desk();
        const int width = m_window["offsetWidth"].as<int>();
        const int x = left + static_cast<int>(std::lround(move["clientX"].as<double>() - startX));
        const int y = top + static_cast<int>(std::lround(move["clientY"].as<double>() - startY));
        // The title bar stays where the desk shows it or can be scrolled to,
        // so that it can be taken again.
        const int shownRight = area["scrollLeft"].as<int>() + area["clientWidth"].as<int>();
        const int shownBottom = area["scrollTop"].as<int>() + area["clientHeight"].as<int>();
        setStyle(m_window, "left",
                 px(std::clamp(x, kKeptOnDesk - width, std::max(0, shownRight - kKeptOnDesk))));
        setStyle(m_window, "top", px(std::clamp(y, 0, std::max(0, shownBottom - kTitleBarHeight))));
    });
    for (const char *end : {"pointerup", "pointercancel"})
        m_drag->listen(titleBar, end, [this](val) { m_drag->detach(); });
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
    m_closeBox = val::null();
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
    val hint = m_controls.at(control).hint;
    if (!hint.isNull())
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
