// The page's elements as the web backend builds them: the page's own (the
// desk, the live region), creating and styling elements, and event listeners
// that call back into C++.
#pragma once

#include <emscripten/val.h>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace windows::web {

using emscripten::val;

val document();

// The page's element of `id`, or null.
val byId(const char *id);

// The element the windows stand on.
val desk();

// Speaks a sentence through the page's polite live region.
void announce(std::string_view sentence);

// A new element of `tag`, with `className` when given.
val createElement(std::string_view tag, std::string_view className = {});

// The program's texts are single-byte ANSI, plain ASCII in practice.
val text(std::string_view text);

void setStyle(val &element, const char *property, const std::string &value);

// A C++ function the page calls with the event, as a DOM event listener. The
// listeners live as long as their owner keeps them.
class Listener
{
public:
    explicit Listener(std::function<void(val)> handler)
        : m_handler(std::move(handler))
    {}
    Listener(const Listener &) = delete;
    Listener &operator=(const Listener &) = delete;

    void handleEvent(val event) { m_handler(std::move(event)); }

private:
    std::function<void(val)> m_handler;
};

// Listeners attached to elements. A listener may detach them all while it
// runs; they are freed later, by clear(), outside of any of them.
class Listeners
{
public:
    Listeners() = default;
    Listeners(const Listeners &) = delete;
    Listeners &operator=(const Listeners &) = delete;
    ~Listeners() { clear(); }

    void listen(val target, const char *type, std::function<void(val)> handler);
    // Removes them from their elements; they stay in memory.
    void detach();
    // Removes and frees them.
    void clear();

private:
    struct Attached
    {
        val target;
        std::string type;
        std::shared_ptr<Listener> listener;
        val handle; // the one JavaScript object the page knows the listener by
    };
    std::vector<Attached> m_attached;
};

} // namespace windows::web
