// The questionnaire as a person uses it: mouse clicks and the space bar on the
// tick boxes, the keyboard order, "Clear Forms" and "get individual program".
#include <windows/qt/form.h>
#include <windows/qt/questionnairewindow.h>
#include <windows/qt/tickbox.h>

#include <questionnaire/option.h>

#include <QtTest/QtTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QPushButton>

#include <random>

using questionnaire::Group;
using questionnaire::ResultKind;
using windows::qt::QuestionnaireWindow;
using windows::qt::TickBox;

Q_DECLARE_METATYPE(questionnaire::ResultKind)

namespace {

TickBox *box(const QuestionnaireWindow &w, int number)
{
    return w.tickBox(questionnaire::optionNumber(number));
}

QPushButton *button(const QuestionnaireWindow &w, const char *name)
{
    return w.findChild<QPushButton *>(QString::fromLatin1(name));
}

// A click at the right end of the box, beside its caption: the whole control takes clicks.
void clickBox(TickBox *box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() - 3, box->height() / 2));
}

// Numbers of the boxes for which `has` holds, in numeric order.
template<typename Predicate> QString boxesThat(const QuestionnaireWindow &w, Predicate has)
{
    QStringList numbers;
    for (int number = 1; number <= 16; ++number) {
        if (has(*box(w, number)))
            numbers << QString::number(number);
    }
    return numbers.join(QLatin1Char(' '));
}

QString enabledBoxes(const QuestionnaireWindow &w)
{
    return boxesThat(w, [](const TickBox &b) { return b.isEnabled(); });
}

QString tickedBoxes(const QuestionnaireWindow &w)
{
    return boxesThat(w, [](const TickBox &b) { return b.isChecked(); });
}

const QString kAllBoxes = QStringLiteral("1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16");

} // namespace

class QuestionnaireWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void startsUntickedWithFocusOnFirstBox();
    void mouseClickGreysTheGroup_data();
    void mouseClickGreysTheGroup();
    void greyedBoxesIgnoreMouseAndKeyboard();
    void spaceBarOnFocusedBoxActsAsAClick();
    void programmaticTickRaisesClickEvent();
    void tabOrder();
    void tabOrderSkipsGreyedBoxes();
    void clearFormsAfterAnyClicks();
    void returnKeyPressesNoButton();
    void pressDraggedOffAButtonDoesNothing();
    void getIndividualProgram_data();
    void getIndividualProgram();
};

void QuestionnaireWindowTest::initTestCase()
{
    windows::qt::initializeToolkit();
}

void QuestionnaireWindowTest::startsUntickedWithFocusOnFirstBox()
{
    QuestionnaireWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(enabledBoxes(w), kAllBoxes);
    QCOMPARE(tickedBoxes(w), QString());
    QTRY_COMPARE(QApplication::focusWidget(), box(w, 1));
}

void QuestionnaireWindowTest::mouseClickGreysTheGroup_data()
{
    QTest::addColumn<int>("clicked");
    QTest::addColumn<QString>("enabled");
    QTest::newRow("Check1 weight") << 1 << "1 6 7 8 9 10 11 12 13 14 15 16";
    QTest::newRow("Check5 weight") << 5 << "5 6 7 8 9 10 11 12 13 14 15 16";
    QTest::newRow("Check13 height") << 13 << "1 2 3 4 5 6 7 8 9 10 11 12 13";
    QTest::newRow("Check16 height") << 16 << "1 2 3 4 5 6 7 8 9 10 11 12 16";
    QTest::newRow("Check8 age") << 8 << "1 2 3 4 5 8 11 12 13 14 15 16";
    QTest::newRow("Check11 male") << 11 << "1 2 3 4 5 6 7 8 9 10 11 13 14 15 16";
    QTest::newRow("Check12 female") << 12 << "1 2 3 4 5 6 7 8 9 10 12 13 14 15 16";
}

void QuestionnaireWindowTest::mouseClickGreysTheGroup()
{
    QFETCH(int, clicked);
    QFETCH(QString, enabled);
    QuestionnaireWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));

    clickBox(box(w, clicked));
    QCOMPARE(tickedBoxes(w), QString::number(clicked));
    QCOMPARE(enabledBoxes(w), enabled);

    // A second click unticks the answer; the group stays greyed and keeps its answer.
    QTest::mouseClick(box(w, clicked), Qt::LeftButton);
    QCOMPARE(tickedBoxes(w), QString());
    QCOMPARE(enabledBoxes(w), enabled);
    const auto &option = questionnaire::optionNumber(clicked);
    QCOMPARE(w.board().groupAnswer(option.group).number, clicked);
}

void QuestionnaireWindowTest::greyedBoxesIgnoreMouseAndKeyboard()
{
    QuestionnaireWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    clickBox(box(w, 3));
    for (int number : {1, 2, 4, 5}) {
        clickBox(box(w, number));
        QTest::mouseClick(box(w, number), Qt::LeftButton);
        QTest::keyClick(box(w, number), Qt::Key_Space);
    }
    QCOMPARE(tickedBoxes(w), QStringLiteral("3"));
    QCOMPARE(w.board().groupAnswer(Group::Weight).number, 3);
    QVERIFY(!box(w, 4)->hasFocus());
}

void QuestionnaireWindowTest::spaceBarOnFocusedBoxActsAsAClick()
{
    QuestionnaireWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    box(w, 11)->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), box(w, 11));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(tickedBoxes(w), QStringLiteral("11"));
    QVERIFY(!box(w, 12)->isEnabled());
    QCOMPARE(w.board().groupAnswer(Group::Sex).number, 11);
}

void QuestionnaireWindowTest::programmaticTickRaisesClickEvent()
{
    QuestionnaireWindow w;
    QSignalSpy clicks(box(w, 7), &TickBox::clickEvent);
    box(w, 7)->setChecked(true);
    QCOMPARE(clicks.count(), 1);
    box(w, 7)->setChecked(true); // no change, no event
    QCOMPARE(clicks.count(), 1);
    // The board reacted as to a click.
    QCOMPARE(enabledBoxes(w), QStringLiteral("1 2 3 4 5 7 11 12 13 14 15 16"));
    box(w, 7)->setChecked(false);
    QCOMPARE(clicks.count(), 2);
}

void QuestionnaireWindowTest::tabOrder()
{
    QuestionnaireWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTRY_VERIFY(QApplication::focusWidget());

    QStringList visited;
    for (int i = 0; i < 19; ++i) {
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QStringList expected;
    for (int number = 1; number <= 16; ++number)
        expected << QStringLiteral("Check%1").arg(number);
    expected << QStringLiteral("Command1") << QStringLiteral("Command2")
             << QStringLiteral("Check1");
    QCOMPARE(visited, expected);
}

void QuestionnaireWindowTest::tabOrderSkipsGreyedBoxes()
{
    QuestionnaireWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    clickBox(box(w, 2));
    clickBox(box(w, 9));
    clickBox(box(w, 12));
    box(w, 2)->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), box(w, 2));

    QStringList visited;
    for (int i = 0; i < 8; ++i) {
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(visited, QStringList({"Check2", "Check9", "Check12", "Check13", "Check14", "Check15",
                                   "Check16", "Command1"}));
}

void QuestionnaireWindowTest::clearFormsAfterAnyClicks()
{
    QuestionnaireWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    std::mt19937 random(4711);
    std::uniform_int_distribution<int> number(1, 16);
    std::uniform_int_distribution<int> count(0, 20);
    for (int round = 0; round < 60; ++round) {
        const int clicks = count(random);
        for (int i = 0; i < clicks; ++i) {
            TickBox *target = box(w, number(random));
            if (i % 3 == 0 && target->isEnabled()) {
                target->setFocus();
                QTest::keyClick(target, Qt::Key_Space);
            } else {
                clickBox(target);
            }
        }
        QTest::mouseClick(button(w, "Command2"), Qt::LeftButton);
        QVERIFY2(tickedBoxes(w).isEmpty(), qPrintable(QString::number(round)));
        QCOMPARE(enabledBoxes(w), kAllBoxes);
    }
}

void QuestionnaireWindowTest::returnKeyPressesNoButton()
{
    QuestionnaireWindow w;
    QSignalSpy selected(&w, &QuestionnaireWindow::programSelected);
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    clickBox(box(w, 1));
    QTRY_VERIFY(QApplication::focusWidget());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QCOMPARE(selected.count(), 0);
    QVERIFY(!button(w, "Command1")->isDefault());
    QVERIFY(!button(w, "Command2")->isDefault());
}

void QuestionnaireWindowTest::pressDraggedOffAButtonDoesNothing()
{
    QuestionnaireWindow w;
    QSignalSpy selected(&w, &QuestionnaireWindow::programSelected);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    clickBox(box(w, 1));
    for (const char *name : {"Command1", "Command2"}) {
        QPushButton *pressed = button(w, name);
        QTest::mousePress(pressed, Qt::LeftButton);
        QVERIFY(pressed->isDown());
        const QPoint off(pressed->width() + 20, pressed->height() / 2);
        QTest::mouseMove(pressed, off);
        QTest::mouseRelease(pressed, Qt::LeftButton, {}, off);
        QVERIFY(!pressed->isDown());
    }
    QCOMPARE(selected.count(), 0);
    QCOMPARE(tickedBoxes(w), QStringLiteral("1"));
}

void QuestionnaireWindowTest::getIndividualProgram_data()
{
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<ResultKind>("kind");
    // Totals: 80 (fresh), 90, 160, 150, 130 and 140 for women, 130 for men.
    QTest::newRow("fresh board") << QList<int>{} << ResultKind::Form4;
    QTest::newRow("only female") << QList<int>{12} << ResultKind::Form2;
    QTest::newRow("heaviest shortest youngest female")
        << QList<int>{5, 13, 6, 12} << ResultKind::Form6;
    QTest::newRow("heaviest shortest youngest male")
        << QList<int>{5, 13, 6, 11} << ResultKind::Form6;
    QTest::newRow("female 130") << QList<int>{4, 14, 7, 12} << ResultKind::Form5;
    QTest::newRow("female 140") << QList<int>{4, 13, 7, 12} << ResultKind::Form5;
    QTest::newRow("male 130") << QList<int>{4, 13, 7, 11} << ResultKind::Form3;
}

void QuestionnaireWindowTest::getIndividualProgram()
{
    QFETCH(QList<int>, clicks);
    QFETCH(ResultKind, kind);
    QuestionnaireWindow w;
    QSignalSpy selected(&w, &QuestionnaireWindow::programSelected);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    for (int number : clicks)
        clickBox(box(w, number));
    QTest::mouseClick(button(w, "Command1"), Qt::LeftButton);
    QCOMPARE(selected.count(), 1);
    QCOMPARE(selected.at(0).at(0).value<ResultKind>(), kind);
    // The answers stay as they were.
    QCOMPARE(tickedBoxes(w).split(QLatin1Char(' '), Qt::SkipEmptyParts).size(), clicks.size());
}

QTEST_MAIN(QuestionnaireWindowTest)
#include "questionnairewindow_test.moc"
