// The contract suite over the page, in a browser. The windows are worked as a
// person works them: mouse clicks and keys come from the browser's driver as
// real input at the places the page shows (run_test_page.mjs serves these
// requests); the windows are read as a screen reader reads them, by role,
// name and description, and by how the page lays out and draws them.
#include <windows/questionnairewindowof.h>
#include <windows/tests/backend.h>
#include <windows/web/dom.h>
#include <windows/web/form.h>
#include <windows/web/markup.h>
#include <windows/web/toolkit.h>

#include <emscripten.h>
#include <emscripten/val.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <sstream>
#include <string>

namespace {

using namespace windows;
using web::document;
using emscripten::val;

// Asks the driver for real input and waits until the browser has dispatched it.
EM_ASYNC_JS(void, requestInput, (const char *request), {
    await globalThis.trimvaleTestInput(UTF8ToString(request));
});

// Waits for the page's next frame, or 50 ms where no frame comes.
EM_ASYNC_JS(void, nextFrame, (), {
    await new Promise((done) => { requestAnimationFrame(done); setTimeout(done, 50); });
});

// Notes every sentence the live region is given, in order, from now on.
EM_JS(void, watchAnnouncements, (), {
    if (!globalThis.trimvaleAnnounced) {
        globalThis.trimvaleAnnounced = [];
        new MutationObserver((records) => {
            for (const record of records) {
                for (const node of record.addedNodes) {
                    if (node.textContent)
                        globalThis.trimvaleAnnounced.push(node.textContent);
                }
            }
        }).observe(document.getElementById('announcements'), {childList : true});
    }
    globalThis.trimvaleAnnounced.length = 0;
});

val byId(const std::string &id)
{
    return document().call<val>("getElementById", val(id));
}

val computedStyle(const val &element)
{
    return val::global("getComputedStyle")(element);
}

// "rgb(128, 0, 0)" as 0x800000; nothing for a transparent colour.
std::optional<unsigned> rgbOf(const std::string &css)
{
    std::istringstream in(css.substr(css.find('(') + 1));
    double red = 0, green = 0, blue = 0, alpha = 1;
    char comma = 0;
    in >> red >> comma >> green >> comma >> blue;
    if (in >> comma >> alpha; alpha == 0)
        return std::nullopt;
    return (static_cast<unsigned>(red) << 16) | (static_cast<unsigned>(green) << 8) |
           static_cast<unsigned>(blue);
}

struct Box
{
    double x, y, width, height;
};

Box boxOf(const val &element)
{
    val rect = element.call<val>("getBoundingClientRect");
    return {rect["x"].as<double>(), rect["y"].as<double>(), rect["width"].as<double>(),
            rect["height"].as<double>()};
}

contract::Box rounded(const Box &box)
{
    return {static_cast<int>(std::lround(box.x)), static_cast<int>(std::lround(box.y)),
            static_cast<int>(std::lround(box.width)), static_cast<int>(std::lround(box.height))};
}

bool hasClass(const val &element, const char *name)
{
    return element["classList"].call<bool>("contains", val(name));
}

// Whether all of an element's content shows within its box.
bool contentFits(const val &element)
{
    return element["scrollWidth"].as<int>() <= element["clientWidth"].as<int>() + 1 &&
           element["scrollHeight"].as<int>() <= element["clientHeight"].as<int>() + 1;
}

// The text an element's id reference points to, as a screen reader reads it.
std::string referencedText(const val &element, const char *attribute)
{
    val ids = element.call<val>("getAttribute", val(attribute));
    if (ids.isNull())
        return {};
    val referenced = byId(ids.as<std::string>());
    return referenced.isNull() ? std::string() : referenced["textContent"].as<std::string>();
}

class WebBackend final : public contract::Backend
{
public:
    WebBackend() { reset(); }
    ~WebBackend() override { reset(); }

    std::unique_ptr<FormWindow> makeForm(const FormDescription &description) override
    {
        m_forms.push_back(std::make_unique<web::Form>(description));
        return std::make_unique<contract::FormHandle>(*m_forms.back());
    }

    void openQuestionnaire() override
    {
        m_questionnaire = std::make_unique<Session>();
        m_questionnaire->show();
    }

    FormView &questionnaireView() override { return m_questionnaire->form(); }

    FormWindow &resultWindow(questionnaire::ResultKind kind) override
    {
        return m_questionnaire->resultWindow(kind);
    }

    // Every input the suite asks for has been dispatched before the request
    // returns, so once the page has drawn three frames and a quarter of a
    // second has passed, nothing is left that could bring the condition about.
    bool waitUntil(const std::function<bool()> &condition) override
    {
        const double start = emscripten_get_now();
        for (int frames = 0; !condition(); ++frames) {
            const double waited = emscripten_get_now() - start;
            if ((frames >= 3 && waited > 250) || waited > 60'000)
                return condition();
            nextFrame(); // the page handles its events meanwhile
        }
        return true;
    }

    int windowCount() override
    {
        return document()
            .call<val>("querySelectorAll", val("#desk > .window:not([hidden])"))["length"]
            .as<int>();
    }

    std::string frontForm() override
    {
        val front = document().call<val>("querySelector", val("#desk > .window.front"));
        return front.isNull() ? std::string() : front["id"].as<std::string>();
    }

    contract::WindowState window(std::string_view form) override
    {
        val shown = windowOf(form);
        if (shown.isNull())
            return {};
        val client = shown.call<val>("querySelector", val(".client"));
        const contract::Box box = rounded(boxOf(client));
        contract::WindowState state;
        state.caption =
            shown.call<val>("querySelector", val(".caption"))["textContent"].as<std::string>();
        state.clientWidth = box.width;
        state.clientHeight = box.height;
        state.backgroundRgb = rgbOf(computedStyle(client)["backgroundColor"].as<std::string>());
        state.frame = rounded(boxOf(shown));
        // The desk's view, without its scroll bars.
        val area = web::desk();
        state.screen = rounded(boxOf(area));
        state.screen.width = area["clientWidth"].as<int>();
        state.screen.height = area["clientHeight"].as<int>();
        state.modal =
            shown.call<val>("getAttribute", val("aria-modal")).strictlyEquals(val("true"));
        return state;
    }

    contract::ControlState control(std::string_view form, std::string_view name) override
    {
        val element = controlOf(form, name);
        if (element.isNull())
            return {};
        contract::ControlState state;
        val input = inputOf(element);
        // The element whose text shows: a tick box's caption beside its box.
        val caption = hasClass(element, "tick-box")
                          ? element.call<val>("querySelector", val("span"))
                          : element;
        state.text = hasClass(element, "text-box") ? element["value"].as<std::string>()
                                                   : caption["textContent"].as<std::string>();
        const Box box = boxOf(element);
        const Box client = boxOf(windowOf(form).call<val>("querySelector", val(".client")));
        state.left = static_cast<int>(std::lround(box.x - client.x));
        state.top = static_cast<int>(std::lround(box.y - client.y));
        state.width = static_cast<int>(std::lround(box.width));
        state.height = static_cast<int>(std::lround(box.height));
        state.textRgb = rgbOf(computedStyle(caption)["color"].as<std::string>());
        state.backgroundRgb = rgbOf(computedStyle(element)["backgroundColor"].as<std::string>());
        state.textFits = contentFits(caption);
        if (!input.isNull()) {
            val label = input.call<val>("getAttribute", val("aria-label"));
            state.accessibleName = label.isNull() ? std::string() : label.as<std::string>();
            state.description = referencedText(input, "aria-describedby");
            state.enabled = !input["disabled"].as<bool>();
            state.ticked = hasClass(element, "tick-box") && input["checked"].as<bool>();
        }
        return state;
    }

    void click(std::string_view form, std::string_view control) override
    {
        val element = controlOf(form, control);
        if (element.isNull())
            return;
        raise(form);
        const Box box = boxOf(element);
        clickAt(box.x + box.width / 2, box.y + box.height / 2);
    }

    void focus(std::string_view form, std::string_view control) override
    {
        val input = inputOf(controlOf(form, control));
        if (!input.isNull())
            input.call<void>("focus");
    }

    void setText(std::string_view form, std::string_view control, std::string_view text) override
    {
        val element = controlOf(form, control);
        if (!element.isNull())
            element.set("value", val(std::string(text)));
    }

    void closeByUser(std::string_view form) override
    {
        val shown = windowOf(form);
        if (shown.isNull())
            return;
        raise(form);
        const Box box = boxOf(shown.call<val>("querySelector", val(".close")));
        clickAt(box.x + box.width / 2, box.y + box.height / 2);
    }

    // The page's windows keep their described size: they have no sizing border.
    bool resizeByUser(std::string_view, int, int) override { return false; }

    void press(contract::Key key) override
    {
        const char *name = key == contract::Key::Space   ? "Space"
                           : key == contract::Key::Enter ? "Enter"
                           : key == contract::Key::Tab   ? "Tab"
                                                         : "Escape";
        requestInput(("{\"key\":\"" + std::string(name) + "\"}").c_str());
    }

    std::string focused() override
    {
        val active = document()["activeElement"];
        if (active.isNull())
            return {};
        // A tick box's input stands inside the control's element.
        val control = active["parentElement"];
        if (control.isNull() || !hasClass(control, "tick-box"))
            control = active;
        const std::string id = control["id"].as<std::string>();
        const std::size_t dash = id.find('-');
        if (id.rfind("Form", 0) != 0 || dash == std::string::npos)
            return {};
        return id.substr(0, dash) + "/" + id.substr(dash + 1);
    }

    std::vector<std::string> announcements() override
    {
        std::vector<std::string> said;
        val all = val::global("trimvaleAnnounced");
        for (int i = 0; i < all["length"].as<int>(); ++i)
            said.push_back(all[i].as<std::string>());
        return said;
    }

    bool quitRequested() override { return !byId("ended")["hidden"].as<bool>(); }

    void reset() override
    {
        m_questionnaire.reset();
        m_forms.clear();
        byId("ended").set("hidden", val(true));
        watchAnnouncements();
    }

private:
    using Session = QuestionnaireWindowOf<web::Form>;

    static val windowOf(std::string_view form)
    {
        val shown = byId(std::string(form));
        return shown.isNull() || shown["hidden"].as<bool>() ? val::null() : shown;
    }

    static val controlOf(std::string_view form, std::string_view control)
    {
        if (windowOf(form).isNull())
            return val::null();
        return byId(std::string(form) + "-" + std::string(control));
    }

    // What takes the clicks, the ticks and the focus.
    static val inputOf(const val &element)
    {
        if (element.isNull())
            return val::null();
        if (hasClass(element, "tick-box"))
            return element.call<val>("querySelector", val("input"));
        return hasClass(element, "push-button") || hasClass(element, "text-box") ? element
                                                                                  : val::null();
    }

    void clickAt(double x, double y)
    {
        requestInput(("{\"click\":[" + std::to_string(x) + "," + std::to_string(y) + "]}").c_str());
    }

    // A person brings a window to the front before working it: a click on
    // a part of its title bar that no other window covers.
    void raise(std::string_view form)
    {
        if (frontForm() == form)
            return;
        val shown = windowOf(form);
        val caption = shown.call<val>("querySelector", val(".caption"));
        const Box bar = boxOf(caption);
        for (double x = bar.x + 2; x < bar.x + bar.width; x += 8) {
            val hit = document().call<val>("elementFromPoint", x, bar.y + bar.height / 2);
            if (!hit.isNull() && caption.call<bool>("contains", hit)) {
                clickAt(x, bar.y + bar.height / 2);
                return;
            }
        }
        ADD_FAILURE() << form << "'s title bar is covered";
    }

    std::vector<std::unique_ptr<web::Form>> m_forms;
    std::unique_ptr<Session> m_questionnaire;
};

} // namespace

std::unique_ptr<contract::Backend> contract::makeBackend()
{
    return std::make_unique<WebBackend>();
}

int main(int argc, char **argv)
{
    testing::InitGoogleTest(&argc, argv);
    // run_test_page.mjs PAGE FILTER passes a filter as the page's fragment.
    const std::string fragment = val::global("location")["hash"].as<std::string>();
    if (fragment.size() > 1)
        testing::GTEST_FLAG(filter) = fragment.substr(1);
    windows::web::initializeToolkit();
    // The suite builds every window itself, the questionnaire too.
    val drawn = windows::web::document().call<val>("querySelector", val(".prerendered"));
    if (!drawn.isNull())
        drawn.call<void>("remove");
    // Captions are measured in the page's own faces, once they have loaded.
    windows::web::document()["fonts"]["ready"].await();
    const int failed = RUN_ALL_TESTS();
    std::printf("trimvale-test-exit %d\n", failed);
    std::fflush(stdout);
    return failed;
}
