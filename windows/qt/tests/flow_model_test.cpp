// Long random sequences of what a person can do - clicks and space presses on
// the tick boxes, "Clear Forms", "get individual program", closing result
// windows - applied to the real windows and, step by step, to the plain logic
// over in-memory flags. After every step the visible state must agree.
// Replay a failure with TRIMVALE_SEED=<seed> set in the environment.
#include <windows/qt/form.h>
#include <windows/qt/questionnairewindow.h>
#include <windows/qt/tickbox.h>

#include <questionnaire/board.h>
#include <questionnaire/memoryflags.h>
#include <questionnaire/option.h>
#include <questionnaire/selection.h>

#include <QtTest/QtTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QPushButton>

#include <random>
#include <set>

using questionnaire::ResultKind;
using windows::QuestionnaireWindow;

class FlowModelTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void randomSessions_data();
    void randomSessions();
};

void FlowModelTest::initTestCase()
{
    windows::initializeToolkit();
}

void FlowModelTest::randomSessions_data()
{
    QTest::addColumn<unsigned>("seed");
    const QByteArray fromEnvironment = qgetenv("TRIMVALE_SEED");
    if (!fromEnvironment.isEmpty()) {
        QTest::newRow("replay") << fromEnvironment.toUInt();
        return;
    }
    for (unsigned seed : {1U, 2U, 3U, 20261207U, 4242U})
        QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed;
}

void FlowModelTest::randomSessions()
{
    QFETCH(unsigned, seed);
    std::mt19937 random(seed);

    QuestionnaireWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto *getProgram = w.findChild<QPushButton *>(QStringLiteral("Command1"));
    auto *clearForms = w.findChild<QPushButton *>(QStringLiteral("Command2"));

    questionnaire::MemoryFlags flags;
    questionnaire::Board board(flags);
    flags.setClickHandler([&board](const questionnaire::Option &o) { board.optionClicked(o); });
    std::set<ResultKind> open;

    std::uniform_int_distribution<int> action(0, 99);
    std::uniform_int_distribution<int> boxNumber(1, 16);
    for (int step = 0; step < 300; ++step) {
        const int roll = action(random);
        QString what;
        if (roll < 45) {
            const auto &option = questionnaire::optionNumber(boxNumber(random));
            what = QStringLiteral("click %1").arg(option.number);
            QTest::mouseClick(w.tickBox(option), Qt::LeftButton);
            flags.click(option);
        } else if (roll < 60) {
            const auto &option = questionnaire::optionNumber(boxNumber(random));
            what = QStringLiteral("space %1").arg(option.number);
            QTest::keyClick(w.tickBox(option), Qt::Key_Space);
            flags.click(option);
        } else if (roll < 70) {
            what = QStringLiteral("clear");
            QTest::mouseClick(clearForms, Qt::LeftButton);
            board.clearAnswers();
        } else if (roll < 85) {
            const ResultKind expected = questionnaire::selectProgram(board);
            what = QStringLiteral("get program: %1").arg(questionnaire::formName(expected).data());
            QTest::mouseClick(getProgram, Qt::LeftButton);
            open.insert(expected);
            QWidget *shown = w.resultWindow(expected);
            QVERIFY2(shown, qPrintable(what));
            QTRY_COMPARE(QApplication::activeWindow(), shown);
        } else if (!open.empty()) {
            auto which = open.begin();
            std::advance(which,
                         std::uniform_int_distribution<std::size_t>(0, open.size() - 1)(random));
            what = QStringLiteral("close %1").arg(questionnaire::formName(*which).data());
            w.resultWindow(*which)->close();
            open.erase(which);
        }

        const QString where = QStringLiteral("seed %1, step %2 (%3)").arg(seed).arg(step).arg(what);
        for (const questionnaire::Option &option : questionnaire::options()) {
            const windows::TickBox *box = w.tickBox(option);
            QVERIFY2(box->isChecked() == flags.isTicked(option), qPrintable(where));
            QVERIFY2(box->isEnabled() == flags.isEnabled(option), qPrintable(where));
        }
        for (ResultKind kind : questionnaire::kResultKinds) {
            const bool isOpen = w.resultWindow(kind) != nullptr;
            QVERIFY2(isOpen == open.contains(kind), qPrintable(where));
        }
        // No stray windows: the questionnaire and one window per open kind.
        int visible = 0;
        for (QWidget *widget : QApplication::topLevelWidgets())
            visible += widget->isVisible() ? 1 : 0;
        QVERIFY2(visible == 1 + static_cast<int>(open.size()), qPrintable(where));
    }
    for (ResultKind kind : open)
        w.resultWindow(kind)->close();
}

QTEST_MAIN(FlowModelTest)
#include "flow_model_test.moc"
