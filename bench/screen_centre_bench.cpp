// Start-up time of programs whose drawing cannot be watched from inside, such
// as Windows programs under Wine: from the moment a program is started until
// the pixel at the centre of the screen shows the colour its centred window
// paints there. That colour is learnt from one unmeasured run of each program.
// The programs are run in turn, alternating; prints the median of each and
// the ratio of the first to the second.
//
//     screen_centre_bench RUNS COMMAND...   (each COMMAND one word, run by sh)
#include "median.h"
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <signal.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

unsigned long centrePixel(Display *display)
{
    const int x = DisplayWidth(display, 0) / 2;
    const int y = DisplayHeight(display, 0) / 2;
    XImage *image = XGetImage(display, DefaultRootWindow(display), x, y, 1, 1, AllPlanes, ZPixmap);
    const unsigned long value = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return value;
}

pid_t start(const std::string &command)
{
    const pid_t child = fork();
    if (child == 0) {
        setpgid(0, 0);
        execl("/bin/sh", "sh", "-c", ("exec " + command).c_str(), static_cast<char *>(nullptr));
        _exit(127);
    }
    return child;
}

void stop(pid_t child)
{
    kill(-child, SIGKILL);
    waitpid(child, nullptr, 0);
}

// Waits until the centre shows `wanted` (or, with none, until it settles on a
// colour other than `empty`); returns the milliseconds since `since`.
double waitForCentre(Display *display, unsigned long empty, const unsigned long *wanted,
                     unsigned long *seen, Clock::time_point since)
{
    const auto deadline = Clock::now() + std::chrono::seconds(30);
    while (Clock::now() < deadline) {
        const unsigned long pixel = centrePixel(display);
        if (wanted ? pixel == *wanted : pixel != empty) {
            if (!wanted) { // learning: let the window finish painting
                std::this_thread::sleep_for(std::chrono::seconds(2));
                *seen = centrePixel(display);
            }
            return std::chrono::duration<double, std::milli>(Clock::now() - since).count();
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    std::fprintf(stderr, "the screen's centre did not change within 30 s\n");
    std::exit(1);
}

void waitUntilEmpty(Display *display, unsigned long empty)
{
    while (centrePixel(display) != empty)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s RUNS COMMAND...\n", argv[0]);
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    const int runs = std::atoi(argv[1]);
    const std::vector<std::string> commands(argv + 2, argv + argc);
    const unsigned long empty = centrePixel(display);

    std::vector<unsigned long> colours(commands.size());
    for (std::size_t i = 0; i < commands.size(); ++i) {
        const pid_t child = start(commands[i]);
        waitForCentre(display, empty, nullptr, &colours[i], Clock::now());
        stop(child);
        waitUntilEmpty(display, empty);
    }

    std::vector<std::vector<double>> times(commands.size());
    for (int run = 0; run < runs; ++run) {
        for (std::size_t i = 0; i < commands.size(); ++i) {
            const auto since = Clock::now();
            const pid_t child = start(commands[i]);
            times[i].push_back(waitForCentre(display, empty, &colours[i], nullptr, since));
            stop(child);
            waitUntilEmpty(display, empty);
        }
    }
    for (std::size_t i = 0; i < commands.size(); ++i) {
        const auto [fastest, slowest] = std::minmax_element(times[i].begin(), times[i].end());
        std::printf("%-40s first frame %7.1f ms (min %.1f, max %.1f)\n",
                    commands[i].substr(commands[i].rfind('/') + 1).c_str(), median(times[i]),
                    *fastest, *slowest);
    }
    if (commands.size() >= 2)
        std::printf("start-up ratio %.2f (medians of %d runs)\n",
                    median(times[0]) / median(times[1]), runs);
    XCloseDisplay(display);
    return 0;
}
