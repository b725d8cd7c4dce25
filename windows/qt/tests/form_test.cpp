// The Qt toolkit layer on its own: a window built from a description, a text
// box that scrolls only when its text cannot fit, a tick box's click events,
// left-to-right layouts, and a fixed window that stays unmaximized.
#include <windows/qt/form.h>
#include <windows/qt/look.h>
#include <windows/qt/tickbox.h>

#include <QtGui/QTextBlock>
#include <QtTest/QtTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QPlainTextEdit>
#include <QtWidgets/QScrollBar>

using namespace windows;
using namespace windows::qt;

namespace {

const std::string kLongText = [] {
    std::string text;
    for (int line = 1; line <= 80; ++line)
        text += "Line " + std::to_string(line) + "\r\n";
    return text;
}();

// Digits and hyphens are neutral to the bidirectional algorithm: laid out
// right-to-left, "60-and more" would read "and more-60".
const ControlDescription kShortControls[] = {
    {"Text1",
     ControlKind::TextBox,
     "One line, 2-3 times\r\nand another\r\n",
     Rect{150, 150, 3000, 1500},
     {}},
    {"Check1", ControlKind::TickBox, "60-and more", Rect{150, 1800, 1500, 300}, {}},
    {"Label1", ControlKind::Label, "1.45-1.65M", Rect{1800, 1800, 1500, 300}, {}},
};
const ControlDescription kLongControls[] = {
    {"Text1", ControlKind::TextBox, kLongText, Rect{150, 150, 3000, 1500}, {}},
};
const FormDescription kShortForm{"FormA",  "Short",        4500,          3000,
                                 0xFFFFFF, Frame::Sizable, kShortControls};
const FormDescription kLongForm{"FormB", "Long", 4500, 3000, {}, Frame::Fixed, kLongControls};

} // namespace

class FormTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { applyLook(); }
    void textBoxScrollsOnlyWhenItsTextCannotFit();
    void tickBoxRaisesClickEventOnEveryChange();
    void staysLeftToRightWhenAskedForRightToLeft();
    void fixedWindowRefusesToBeMaximized();
};

void FormTest::textBoxScrollsOnlyWhenItsTextCannotFit()
{
    QWidget shortWindow;
    buildForm(&shortWindow, kShortForm);
    auto *shortBox = shortWindow.findChild<QPlainTextEdit *>(QStringLiteral("Text1"));
    QVERIFY(shortBox);
    QCOMPARE(shortBox->toPlainText(), QStringLiteral("One line, 2-3 times\nand another\n"));
    QCOMPARE(shortBox->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);

    QWidget longWindow;
    buildForm(&longWindow, kLongForm);
    longWindow.show();
    QVERIFY(QTest::qWaitForWindowExposed(&longWindow));
    auto *longBox = longWindow.findChild<QPlainTextEdit *>(QStringLiteral("Text1"));
    QCOMPARE(longBox->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    QTRY_VERIFY(longBox->verticalScrollBar()->isVisible());
    // The last line can be scrolled into view.
    longBox->moveCursor(QTextCursor::End);
    longBox->ensureCursorVisible();
    QTextCursor last(longBox->document()->findBlockByNumber(79));
    QVERIFY(longBox->cursorRect(last).bottom() < longBox->viewport()->height());
    QVERIFY(longBox->cursorRect(last).top() >= 0);
}

void FormTest::tickBoxRaisesClickEventOnEveryChange()
{
    TickBox box(QStringLiteral("Tick"));
    box.resize(100, 30);
    QSignalSpy clicks(&box, &TickBox::clickEvent);
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(95, 15)); // far right of the caption
    QCOMPARE(clicks.count(), 1);
    QVERIFY(box.isChecked());
    QTest::keyClick(&box, Qt::Key_Space);
    QCOMPARE(clicks.count(), 2);
    QVERIFY(!box.isChecked());
    box.setChecked(true);
    QCOMPARE(clicks.count(), 3);
    box.setChecked(true);
    QCOMPARE(clicks.count(), 3);
    box.setEnabled(false);
    QTest::mouseClick(&box, Qt::LeftButton);
    QTest::keyClick(&box, Qt::Key_Space);
    QCOMPARE(clicks.count(), 3);
}

// "-reverse" on the command line, or a right-to-left language, asks every
// widget to lay itself out from the right. The windows are fixed left-to-right
// layouts and must look the same.
void FormTest::staysLeftToRightWhenAskedForRightToLeft()
{
    QWidget leftToRight;
    buildForm(&leftToRight, kShortForm);
    const QImage expected = leftToRight.grab().toImage();

    QApplication::setLayoutDirection(Qt::RightToLeft);
    QWidget rightToLeft;
    buildForm(&rightToLeft, kShortForm);
    const QImage built = rightToLeft.grab().toImage();
    const QImage turned = leftToRight.grab().toImage(); // built before the change
    QApplication::setLayoutDirection(Qt::LeftToRight);
    QVERIFY(built == expected);
    QVERIFY(turned == expected);
}

void FormTest::fixedWindowRefusesToBeMaximized()
{
    QWidget fixed;
    buildForm(&fixed, kLongForm);
    fixed.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fixed));
    const QSize size = fixed.size();
    fixed.setWindowState(Qt::WindowMaximized);
    QTRY_COMPARE(fixed.windowState(), Qt::WindowNoState);
    QCOMPARE(fixed.size(), size);

    QWidget sizable;
    buildForm(&sizable, kShortForm);
    sizable.show();
    sizable.setWindowState(Qt::WindowMaximized);
    QCoreApplication::processEvents(); // where the fixed window's return to normal runs
    QCOMPARE(sizable.windowState(), Qt::WindowMaximized);
}

QTEST_MAIN(FormTest)
#include "form_test.moc"
