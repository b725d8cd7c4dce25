// How long the questionnaire takes to answer a person, on the offscreen
// platform: each figure runs from the input event until the window has
// processed it and repainted what changed. Set-up between repetitions, such
// as clearing the board, is not timed.
#include <testsupport/qt/offscreen.h>

#include <windows/qt/form.h>
#include <windows/qt/look.h>
#include <windows/qt/tickbox.h>
#include <windows/questionnairewindowof.h>

#include <questionnaire/option.h>

#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QPushButton>

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

using Questionnaire = windows::QuestionnaireWindowOf<windows::qt::Form>;

std::unique_ptr<Questionnaire> gWindow;

Questionnaire &questionnaire()
{
    if (!gWindow) {
        gWindow = std::make_unique<Questionnaire>();
        gWindow->show();
        if (!QTest::qWaitForWindowExposed(gWindow->form().window()))
            std::abort();
    }
    return *gWindow;
}

QWidget *control(const char *name)
{
    return questionnaire().form().window()->findChild<QWidget *>(QString::fromLatin1(name));
}

QPushButton *button(const char *name)
{
    return qobject_cast<QPushButton *>(control(name));
}

windows::qt::TickBox *tickBox(int number)
{
    return qobject_cast<windows::qt::TickBox *>(
        control(("Check" + std::to_string(number)).c_str()));
}

void clickBox(int number)
{
    QTest::mouseClick(tickBox(number), Qt::LeftButton);
}

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

void closeResultWindows()
{
    for (auto kind : questionnaire::kResultKinds) {
        if (QWidget *window = questionnaire().resultWindow(kind).window())
            window->close();
    }
    settle();
}

void TickBoxClick(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        QTest::mouseClick(button("Command2"), Qt::LeftButton);
        settle();
        state.ResumeTiming();
        clickBox(3); // greys the four other weight boxes
        QApplication::processEvents();
    }
    if (tickBox(1)->isEnabled())
        state.SkipWithError("the click did not grey its siblings");
}

void ClearFullBoard(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        for (int number : {4, 14, 7, 12})
            clickBox(number);
        settle();
        state.ResumeTiming();
        QTest::mouseClick(button("Command2"), Qt::LeftButton);
        QApplication::processEvents();
    }
}

void GetProgramFirstTime(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        closeResultWindows();
        state.ResumeTiming();
        QTest::mouseClick(button("Command1"), Qt::LeftButton); // creates and shows a window
        QApplication::processEvents();
    }
    closeResultWindows();
}

void GetProgramAgain(benchmark::State &state)
{
    QTest::mouseClick(button("Command1"), Qt::LeftButton);
    settle();
    for (auto _ : state) {
        QTest::mouseClick(button("Command1"), Qt::LeftButton); // brings it to the front
        QApplication::processEvents();
    }
    closeResultWindows();
}

} // namespace

BENCHMARK(TickBoxClick)->Unit(benchmark::kMicrosecond);
BENCHMARK(ClearFullBoard)->Unit(benchmark::kMicrosecond);
BENCHMARK(GetProgramFirstTime)->Unit(benchmark::kMicrosecond);
BENCHMARK(GetProgramAgain)->Unit(benchmark::kMicrosecond);

int main(int argc, char *argv[])
{
    testsupport::quietenOffscreenRaise();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    windows::qt::applyLook();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    gWindow.reset();
    return 0;
}
