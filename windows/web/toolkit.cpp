#include <windows/web/dom.h>
#include <windows/web/form.h>
#include <windows/web/toolkit.h>

#include <algorithm>
#include <vector>

namespace windows::web {

namespace {

std::vector<Form *> gOpen; // back to front
int gTopLayer = 0;
std::function<void()> gStart;
Listeners gListeners;

val byId(const char *id)
{
    return document().call<val>("getElementById", val(id));
}

void showEnded(bool ended)
{
    val notice = byId("ended");
    notice.set("hidden", val(!ended));
    if (ended)
        byId("start-again").call<void>("focus");
}

} // namespace

void initializeToolkit()
{
    gListeners.listen(byId("start-again"), "click", [](val) {
        showEnded(false);
        if (gStart)
            gStart();
    });
}

val desk()
{
    return byId("desk");
}

void setStartHandler(std::function<void()> start)
{
    gStart = std::move(start);
    showEnded(false);
    gStart();
}

void formOpened(Form &form)
{
    gOpen.push_back(&form);
}

void formClosed(Form &form)
{
    std::erase(gOpen, &form);
    if (gOpen.empty()) {
        showEnded(true);
        return;
    }
    // The window behind comes to the front and takes the focus back, as on a desktop.
    raiseForm(*gOpen.back());
    gOpen.back()->focusInside();
}

void raiseForm(Form &form)
{
    const auto found = std::find(gOpen.begin(), gOpen.end(), &form);
    if (found != gOpen.end() && found + 1 != gOpen.end())
        std::rotate(found, found + 1, gOpen.end());
    form.setLayer(++gTopLayer);
    for (Form *open : gOpen)
        open->setFront(open == &form);
}

Form *frontForm()
{
    return gOpen.empty() ? nullptr : gOpen.back();
}

void announce(std::string_view sentence)
{
    val region = byId("announcements");
    // Emptied first, so that the same sentence twice is spoken twice.
    region.set("textContent", val(""));
    region.set("textContent", text(sentence));
}

} // namespace windows::web
