#include <windows/web/dom.h>
#include <windows/web/toolkit.h>
#include <windows/web/windoworder.h>

namespace windows::web {

namespace {

std::function<std::shared_ptr<void>()> gStart;
std::shared_ptr<void> gShown;
Listeners gListeners;

void showEnded(bool ended)
{
    val notice = byId("ended");
    notice.set("hidden", val(!ended));
    if (ended)
        byId("start-again").call<void>("focus");
}

void start()
{
    showEnded(false);
    // The windows of the run before are gone before the new ones open.
    gShown.reset();
    if (gStart)
        gShown = gStart();
}

} // namespace

void initializeToolkit()
{
    gListeners.listen(byId("start-again"), "click", [](val) { start(); });
    setLastWindowClosedHandler([] { showEnded(true); });
}

int run(const std::function<std::shared_ptr<void>()> &startWindow)
{
    gStart = startWindow;
    start();
    return 0;
}

} // namespace windows::web
