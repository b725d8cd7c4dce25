// A long soak of random sessions on the real windows (offscreen platform),
// each step checked against the independent model of what they should show.
// Prints the divergences found (the target is none) and the steps a second.
// Usage: flow_soak [steps] [sessions]
#include <testsupport/qt/flowsession.h>
#include <testsupport/qt/offscreen.h>

#include <windows/qt/form.h>
#include <windows/qt/look.h>

#include <QtCore/QElapsedTimer>
#include <QtWidgets/QApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    const long steps = argc > 1 ? std::atol(argv[1]) : 100000;
    const long sessions = argc > 2 ? std::atol(argv[2]) : 20;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    windows::qt::applyLook();
    testsupport::quietenOffscreenRaise();

    long divergences = 0;
    long taken = 0;
    QElapsedTimer timer;
    timer.start();
    for (long seed = 1; seed <= sessions; ++seed) {
        testsupport::FlowSession session(static_cast<unsigned>(seed));
        if (!session.start()) {
            std::fprintf(stderr, "session %ld: the questionnaire never appeared\n", seed);
            return 1;
        }
        for (long step = 0; step < steps / sessions; ++step, ++taken) {
            const QString difference = session.step();
            if (!difference.isEmpty()) {
                // The rest of a diverged session says nothing new.
                std::printf("divergence: %s\n", qPrintable(difference));
                ++divergences;
                break;
            }
        }
    }
    const double seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
    std::printf("%ld steps in %ld sessions: %ld divergences, %.0f steps a second\n", taken,
                sessions, divergences, static_cast<double>(taken) / seconds);
    return divergences == 0 ? 0 : 1;
}
