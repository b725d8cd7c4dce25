// The result windows as "get individual program" opens them: the right window
// with its whole text for each kind, one instance per kind brought to the
// front, edits that last as long as the window, and the program ending with
// its last window.
#include <windows/qt/form.h>
#include <windows/qt/questionnairewindow.h>
#include <windows/qt/tickbox.h>

#include <content/programtext.h>
#include <questionnaire/option.h>

#include <QtGui/QScreen>
#include <QtTest/QtTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPlainTextEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QScrollBar>

using questionnaire::ResultKind;
using windows::qt::QuestionnaireWindow;

Q_DECLARE_METATYPE(questionnaire::ResultKind)

namespace {

void press(QuestionnaireWindow &w, const char *name)
{
    QTest::mouseClick(w.findChild<QPushButton *>(QString::fromLatin1(name)), Qt::LeftButton);
}

void answer(QuestionnaireWindow &w, const QList<int> &numbers)
{
    for (int number : numbers)
        QTest::mouseClick(w.tickBox(questionnaire::optionNumber(number)), Qt::LeftButton);
}

QString stored(ResultKind kind)
{
    const std::string_view text = content::programText(kind);
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()))
        .replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

QPlainTextEdit *textBox(QWidget *window)
{
    return window->findChild<QPlainTextEdit *>(QStringLiteral("Text1"));
}

// The visible top-level windows with this object name.
int openWindowsNamed(const QString &name)
{
    int count = 0;
    for (QWidget *widget : QApplication::topLevelWidgets())
        count += widget->isVisible() && widget->objectName() == name ? 1 : 0;
    return count;
}

void closeAllResultWindows(const QuestionnaireWindow &w)
{
    for (ResultKind kind : questionnaire::kResultKinds) {
        if (QWidget *window = w.resultWindow(kind))
            window->close();
    }
}

} // namespace

class ResultWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void opensTheWindowOfTheTotal_data();
    void opensTheWindowOfTheTotal();
    void programWindows_data();
    void programWindows();
    void goodWeightNotice();
    void repeatedRequestBringsTheSameWindowToTheFront();
    void editsLastUntilTheWindowCloses();
    void kindsOpenSideBySide();
    void questionnaireStaysUsable();
    void lastWindowClosedEndsTheProgram();
};

void ResultWindowsTest::initTestCase()
{
    windows::qt::initializeToolkit();
}

void ResultWindowsTest::cleanup()
{
    // Windows a failed test left open are closed and deleted before the next one.
    for (QWidget *widget : QApplication::topLevelWidgets())
        widget->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void ResultWindowsTest::opensTheWindowOfTheTotal_data()
{
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<QString>("window");
    QTest::newRow("fresh board, male 80") << QList<int>{} << "Form4";
    QTest::newRow("male 100") << QList<int>{3, 15, 7} << "Form4";
    QTest::newRow("male 110") << QList<int>{3, 14, 7, 11} << "Form2";
    QTest::newRow("male 130") << QList<int>{4, 13, 7, 11} << "Form3";
    QTest::newRow("male 140") << QList<int>{4, 13, 6, 11} << "Form3";
    QTest::newRow("male 150") << QList<int>{5, 13, 6, 11} << "Form6";
    QTest::newRow("female 80") << QList<int>{2, 16, 8, 12} << "Form4";
    QTest::newRow("female 90") << QList<int>{12} << "Form2";
    QTest::newRow("female 100") << QList<int>{3, 15, 8, 12} << "Form2";
    QTest::newRow("female 120") << QList<int>{3, 14, 7, 12} << "Form3";
    QTest::newRow("female 130") << QList<int>{4, 14, 7, 12} << "Form5";
    QTest::newRow("female 140") << QList<int>{4, 13, 7, 12} << "Form5";
    QTest::newRow("female 160") << QList<int>{5, 13, 6, 12} << "Form6";
}

void ResultWindowsTest::opensTheWindowOfTheTotal()
{
    QFETCH(QList<int>, clicks);
    QFETCH(QString, window);
    QuestionnaireWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    answer(w, clicks);
    press(w, "Command1");

    QCOMPARE(QApplication::topLevelWidgets().size(), 2);
    QCOMPARE(openWindowsNamed(window), 1);
    QTRY_COMPARE(QApplication::activeWindow()->objectName(), window);
    closeAllResultWindows(w);
}

void ResultWindowsTest::programWindows_data()
{
    QTest::addColumn<ResultKind>("kind");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("client"); // twips
    QTest::addColumn<QRect>("text");   // twips
    QTest::addColumn<QString>("norm");

    const QString twoSpaces = QStringLiteral("Youre personal  program");
    const QString oneSpace = QStringLiteral("Youre personal program");
    const QRect box(600, 360, 3855, 5775);
    QTest::newRow("Form2") << ResultKind::Form2 << twoSpaces << QSize(5115, 6600) << box
                           << "Norm of loss of weight 500-1000g in a month.";
    QTest::newRow("Form3") << ResultKind::Form3 << twoSpaces << QSize(5115, 6600) << box
                           << "Norm of loss of weight 1000 - 1500g in month.";
    QTest::newRow("Form5") << ResultKind::Form5 << oneSpace << QSize(5115, 6720)
                           << QRect(600, 360, 3855, 5895)
                           << "Norm of loss of weight 1500 - 2000g in a month.";
    QTest::newRow("Form6") << ResultKind::Form6 << oneSpace << QSize(5115, 6600) << box
                           << "Norm of loss of weight 2000-2200g in a month.";
}

void ResultWindowsTest::programWindows()
{
    QFETCH(ResultKind, kind);
    QFETCH(QString, caption);
    QFETCH(QSize, client);
    QFETCH(QRect, text);
    QFETCH(QString, norm);

    windows::qt::ResultWindows results;
    QWidget *window = results.showWindow(kind);
    QVERIFY(QTest::qWaitForWindowActive(window));
    QCOMPARE(window->objectName(), QString::fromLatin1(QTest::currentDataTag()));
    QCOMPARE(window->windowTitle(), caption);
    QCOMPARE(window->size(), client / 15);
    QVERIFY(window->parent() == nullptr);
    QCOMPARE(window->windowModality(), Qt::NonModal);
    const Qt::WindowFlags flags = window->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(window->maximumSize().width() > window->width()); // sizable

    QPlainTextEdit *box = textBox(window);
    QVERIFY(box);
    QCOMPARE(window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly).size(), 1);
    QCOMPARE(box->geometry(), QRect(text.topLeft() / 15, text.size() / 15));
    QCOMPARE(box->toPlainText(), stored(kind));
    QVERIFY(!box->isReadOnly());
    QCOMPARE(box->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QTRY_COMPARE(QApplication::focusWidget(), box);

    // Pink around the box, the system's window colours inside it.
    const QImage image = window->grab().toImage();
    QCOMPARE(QColor(image.pixel(5, 5)), QColor(0xFF, 0xC0, 0xC0));
    QCOMPARE(box->palette().color(QPalette::Base), QColor(Qt::white));
    QCOMPARE(box->palette().color(QPalette::Text), QColor(Qt::black));

    // The whole text is readable without scrolling, the norm line included.
    QVERIFY(!box->verticalScrollBar()->isVisible());
    QCOMPARE(box->verticalScrollBar()->maximum(), 0);
    QTextCursor end(box->document());
    end.movePosition(QTextCursor::End);
    QVERIFY(box->cursorRect(end).bottom() < box->viewport()->height());
    QVERIFY(box->toPlainText().endsWith(norm + QLatin1Char('\n')));

    // Resizing the window leaves the box where it is.
    window->resize(window->size() + QSize(120, 80));
    QCOMPARE(box->geometry(), QRect(text.topLeft() / 15, text.size() / 15));
    window->close();
}

void ResultWindowsTest::goodWeightNotice()
{
    windows::qt::ResultWindows results;
    QWidget *window = results.showWindow(ResultKind::Form4);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCOMPARE(window->objectName(), QStringLiteral("Form4"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Youre personal program"));
    QCOMPARE(window->size(), QSize(6600, 2610) / 15);
    QVERIFY(window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));

    auto *label = window->findChild<QLabel *>(QStringLiteral("Label1"));
    QVERIFY(label);
    QCOMPARE(label->text(), QStringLiteral("Youre weight is very good!!!"));
    QCOMPARE(label->geometry(), QRect(360 / 15, 840 / 15, 5535 / 15, 855 / 15));
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0x80, 0x00, 0x80));
    QCOMPARE(label->font().pixelSize(), 24); // 18 pt
    QVERIFY(label->font().bold() && label->font().italic());
    QVERIFY(label->alignment().testFlag(Qt::AlignLeft));
    const QRect needed = label->fontMetrics().boundingRect(label->text());
    QVERIFY(needed.width() <= label->width());
    window->close();
}

void ResultWindowsTest::repeatedRequestBringsTheSameWindowToTheFront()
{
    QuestionnaireWindow w;
    w.show();
    answer(w, {12});
    press(w, "Command1");
    QWidget *first = w.resultWindow(ResultKind::Form2);
    QVERIFY(first);
    QTRY_COMPARE(QApplication::activeWindow(), first);

    // The questionnaire comes to the front; asking again fetches the same window.
    w.activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), &w);
    first->showMinimized();
    press(w, "Command1");
    QCOMPARE(w.resultWindow(ResultKind::Form2), first);
    QCOMPARE(openWindowsNamed(QStringLiteral("Form2")), 1);
    QVERIFY(!first->isMinimized());
    QTRY_COMPARE(QApplication::activeWindow(), first);
    closeAllResultWindows(w);
}

void ResultWindowsTest::editsLastUntilTheWindowCloses()
{
    QuestionnaireWindow w;
    w.show();
    answer(w, {12});
    press(w, "Command1");
    QWidget *window = w.resultWindow(ResultKind::Form2);
    QVERIFY(window);
    QTest::keyClicks(textBox(window), QStringLiteral("my notes "));
    const QString edited = textBox(window)->toPlainText();
    QVERIFY(edited.startsWith(QStringLiteral("my notes Eat period")));

    press(w, "Command1");
    QCOMPARE(textBox(w.resultWindow(ResultKind::Form2))->toPlainText(), edited);

    // Closed and asked for again at once, before the old window is deleted.
    window->close();
    QCOMPARE(w.resultWindow(ResultKind::Form2), nullptr);
    press(w, "Command1");
    QWidget *fresh = w.resultWindow(ResultKind::Form2);
    QVERIFY(fresh);
    QCOMPARE(textBox(fresh)->toPlainText(), stored(ResultKind::Form2));
    QCOMPARE(openWindowsNamed(QStringLiteral("Form2")), 1);
    QTRY_VERIFY(QApplication::topLevelWidgets().size() == 2); // the old one is gone
    closeAllResultWindows(w);
}

void ResultWindowsTest::kindsOpenSideBySide()
{
    QuestionnaireWindow w;
    w.show();
    answer(w, {3, 14, 7, 11}); // male 110
    press(w, "Command1");
    press(w, "Command2");
    answer(w, {5, 13, 6, 12}); // female 160
    press(w, "Command1");
    press(w, "Command2");
    press(w, "Command1"); // fresh board: the notice
    QVERIFY(w.resultWindow(ResultKind::Form2));
    QVERIFY(w.resultWindow(ResultKind::Form6));
    QVERIFY(w.resultWindow(ResultKind::Form4));
    QCOMPARE(QApplication::topLevelWidgets().size(), 4);
    QTRY_COMPARE(QApplication::activeWindow(), w.resultWindow(ResultKind::Form4));
    closeAllResultWindows(w);
}

void ResultWindowsTest::questionnaireStaysUsable()
{
    QuestionnaireWindow w;
    w.show();
    press(w, "Command1");
    QWidget *notice = w.resultWindow(ResultKind::Form4);
    QVERIFY(notice);
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(w.isEnabled());
    answer(w, {1});
    QVERIFY(w.tickBox(questionnaire::optionNumber(1))->isChecked());

    // Result windows open centred on the screen.
    const QRect screen = notice->screen()->availableGeometry();
    const QPoint offset = notice->frameGeometry().center() - screen.center();
    const QSize frame = notice->frameGeometry().size() - notice->size();
    QVERIFY(std::abs(offset.x()) <= frame.width() / 2 + 1);
    QVERIFY(std::abs(offset.y()) <= frame.height() / 2 + 1);
    closeAllResultWindows(w);
}

// Runs the real event loop: closing the questionnaire while a program window
// is open keeps the program running; closing that window too ends it.
void ResultWindowsTest::lastWindowClosedEndsTheProgram()
{
    QVERIFY(QGuiApplication::quitOnLastWindowClosed());
    QuestionnaireWindow w;
    w.show();
    answer(w, {12});
    press(w, "Command1");
    QPointer<QWidget> program = w.resultWindow(ResultKind::Form2);
    QVERIFY(program);

    QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
    bool stillRunningAfterQuestionnaire = false;
    QTimer::singleShot(0, &w, [&w] { w.close(); });
    QTimer::singleShot(0, program, [&] {
        stillRunningAfterQuestionnaire = lastClosed.isEmpty() && program->isVisible();
        program->close();
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, qApp, [] { QCoreApplication::exit(2); });
    watchdog.start(10000);

    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(stillRunningAfterQuestionnaire);
    QCOMPARE(lastClosed.count(), 1);
    QVERIFY(!w.isVisible());
}

QTEST_MAIN(ResultWindowsTest)
#include "resultwindows_test.moc"
