// Opens and closes every result window many times and reports the heap in
// use after a warm-up and at the end: a window that leaves anything behind
// when it is closed shows as growth.
//
//     window_churn [CYCLES]
#include <testsupport/qt/offscreen.h>
#include <testsupport/qt/windowchurn.h>

#include <windows/qt/form.h>
#include <windows/qt/look.h>
#include <windows/resultwindows.h>

#include <QtWidgets/QApplication>

#include <cstdio>
#include <cstdlib>
#include <malloc.h>

namespace {

std::size_t heapInUse()
{
    return mallinfo2().uordblks;
}

} // namespace

int main(int argc, char *argv[])
{
    testsupport::quietenOffscreenRaise();
    const int cycles = argc > 1 ? std::atoi(argv[1]) : 1000;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    windows::qt::applyLook();
    windows::ResultWindowsOf<windows::qt::Form> results;

    for (int i = 0; i < 20; ++i) // fonts, styles and caches settle
        testsupport::openAndCloseEveryResultWindow(results);
    const std::size_t before = heapInUse();
    for (int i = 1; i <= cycles; ++i) {
        testsupport::openAndCloseEveryResultWindow(results);
        if (i % 100 == 0 && i < cycles)
            std::printf("after %4d cycles: %+lld bytes\n", i,
                        static_cast<long long>(heapInUse()) - static_cast<long long>(before));
    }
    const std::size_t after = heapInUse();

    const long long growth = static_cast<long long>(after) - static_cast<long long>(before);
    std::printf("%d cycles of 5 windows: heap in use %zu -> %zu bytes (%+lld)\n", cycles, before,
                after, growth);
    return 0;
}
