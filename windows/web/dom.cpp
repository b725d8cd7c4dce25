#include <windows/web/dom.h>

#include <emscripten/bind.h>

namespace windows::web {

val document()
{
    return val::global("document");
}

val byId(const char *id)
{
    return document().call<val>("getElementById", val(id));
}

val desk()
{
    return byId("desk");
}

void announce(std::string_view sentence)
{
    val region = byId("announcements");
    // Emptied first, so that the same sentence twice is spoken twice.
    region.set("textContent", val(""));
    region.set("textContent", text(sentence));
}

val createElement(std::string_view tag, std::string_view className)
{
    val element = document().call<val>("createElement", text(tag));
    if (!className.empty())
        element.set("className", text(className));
    return element;
}

val text(std::string_view text)
{
    // val(std::string) is read as UTF-8; the texts are ASCII either way.
    return val(std::string(text));
}

void setStyle(val &element, const char *property, const std::string &value)
{
    element["style"].set(property, val(value));
}

void Listeners::listen(val target, const char *type, std::function<void(val)> handler)
{
    auto listener = std::make_shared<Listener>(std::move(handler));
    val handle(listener);
    target.call<void>("addEventListener", val(type), handle);
    m_attached.push_back({std::move(target), type, std::move(listener), std::move(handle)});
}

void Listeners::detach()
{
    for (Attached &attached : m_attached) {
        if (!attached.target.isNull())
            attached.target.call<void>("removeEventListener", val(attached.type), attached.handle);
        attached.target = val::null();
    }
}

void Listeners::clear()
{
    detach();
    // The page's objects share the listeners; they let go of them here.
    for (Attached &attached : m_attached)
        attached.handle.call<void>("delete");
    m_attached.clear();
}

} // namespace windows::web

EMSCRIPTEN_BINDINGS(trimvale_dom)
{
    emscripten::class_<windows::web::Listener>("Listener")
        .smart_ptr<std::shared_ptr<windows::web::Listener>>("SharedListener")
        .function("handleEvent", &windows::web::Listener::handleEvent);
}
