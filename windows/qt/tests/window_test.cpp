// What only the Qt windows have, beyond the contract every backend keeps: the
// window flags of a fixed and a sizable frame, the lines as painted, the
// stand-in faces Qt finds, text boxes that wrap, and a press dragged off a
// button.
#include <windows/qt/form.h>
#include <windows/qt/line.h>
#include <windows/qt/look.h>
#include <windows/qt/tickbox.h>
#include <windows/questionnairelayout.h>
#include <windows/questionnairewindowof.h>
#include <windows/resultlayouts.h>

#include <QtGui/QFontInfo>
#include <QtTest/QtTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPlainTextEdit>
#include <QtWidgets/QPushButton>

using questionnaire::ResultKind;
using Questionnaire = windows::QuestionnaireWindowOf<windows::qt::Form>;

namespace {

QWidget *shown(windows::qt::Form &form)
{
    windows::showForm(form);
    return form.window();
}

} // namespace

class QtWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { windows::qt::applyLook(); }
    void cleanup();
    void questionnaireHasAFixedFrameAndOnlyItsControls();
    void linesArePaintedOnePixelWide_data();
    void linesArePaintedOnePixelWide();
    void standInFacesAreFound();
    void resultWindowsHaveBoxesToSizeThemAndWrapTheirText();
    void aPressDraggedOffAButtonDoesNothing();
};

void QtWindowTest::cleanup()
{
    // Windows a failed test left open are closed and deleted before the next one.
    for (QWidget *widget : QApplication::topLevelWidgets())
        widget->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void QtWindowTest::questionnaireHasAFixedFrameAndOnlyItsControls()
{
    windows::qt::Form form(windows::questionnaireForm());
    QWidget *w = shown(form);
    QVERIFY(QTest::qWaitForWindowExposed(w));
    const Qt::WindowFlags flags = w->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    // Nothing but the described controls: 16 boxes, 2 buttons, 6 labels, 4 lines.
    QCOMPARE(w->findChildren<windows::qt::TickBox *>().size(), 16);
    QCOMPARE(w->findChildren<QPushButton *>().size(), 2);
    QCOMPARE(w->findChildren<QLabel *>().size(), 6);
    QCOMPARE(w->findChildren<windows::qt::Line *>().size(), 4);
    for (QPushButton *button : w->findChildren<QPushButton *>())
        QVERIFY(!button->isDefault() && !button->autoDefault());
}

void QtWindowTest::linesArePaintedOnePixelWide_data()
{
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::newRow("Line1") << QPoint(240, 4680) << QPoint(7920, 4680);
    QTest::newRow("Line2") << QPoint(600, 5760) << QPoint(8160, 5760);
    QTest::newRow("Line3") << QPoint(10200, 3360) << QPoint(10200, 5760);
    QTest::newRow("Line4") << QPoint(5280, 5520) << QPoint(2880, 5520);
}

void QtWindowTest::linesArePaintedOnePixelWide()
{
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    windows::qt::Form form(windows::questionnaireForm());
    form.load();
    QWidget *w = form.window();
    auto *line = w->findChild<windows::qt::Line *>(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(line);
    QCOMPARE(line->from(), from / 15);
    QCOMPARE(line->to(), to / 15);

    // Drawn in the window-text colour, end to end, and nothing beside it.
    const QImage image = w->grab().toImage();
    const QPoint a = from / 15;
    const QPoint b = to / 15;
    const int steps = std::max(std::abs(b.x() - a.x()), std::abs(b.y() - a.y()));
    for (int i = 0; i <= steps; i += 8) {
        const QPoint p = a + (b - a) * i / steps;
        QCOMPARE(QColor(image.pixel(p)), QColor(Qt::black));
    }
    const QPoint side = a.y() == b.y() ? QPoint(0, 1) : QPoint(1, 0);
    const QPoint middle = (a + b) / 2;
    QVERIFY(QColor(image.pixel(middle + side)) != QColor(Qt::black));
    QVERIFY(QColor(image.pixel(middle - side)) != QColor(Qt::black));
}

void QtWindowTest::standInFacesAreFound()
{
    windows::qt::Form form(windows::questionnaireForm());
    form.load();
    auto font = [&form](const char *name) {
        return form.window()->findChild<QWidget *>(QString::fromLatin1(name))->font();
    };
    // The stand-ins are really used, not some fallback face.
    QCOMPARE(QFontInfo(font("Check1")).family(), QStringLiteral("Liberation Sans"));
    // Fontconfig may add the foundry: "Z003 [urw]".
    QVERIFY(QFontInfo(font("Label6")).family().startsWith(QStringLiteral("Z003")));
    QCOMPARE(font("Check1").pixelSize(), 11); // 8.25 pt
    QCOMPARE(font("Label1").pixelSize(), 13); // 9.75 pt
    QVERIFY(font("Label1").bold() && font("Label1").italic());
    QCOMPARE(font("Label6").pixelSize(), 32); // 24 pt
    QVERIFY(font("Label6").bold());
}

void QtWindowTest::resultWindowsHaveBoxesToSizeThemAndWrapTheirText()
{
    for (ResultKind kind : questionnaire::kResultKinds) {
        windows::qt::Form form(windows::resultForm(kind));
        form.load();
        const Qt::WindowFlags flags = form.window()->windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(flags.testFlag(Qt::WindowMaximizeButtonHint));
        if (auto *box = form.window()->findChild<QPlainTextEdit *>(QStringLiteral("Text1"))) {
            QVERIFY(!box->isReadOnly());
            QCOMPARE(box->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        }
    }
}

void QtWindowTest::aPressDraggedOffAButtonDoesNothing()
{
    Questionnaire questionnaire;
    questionnaire.show();
    QWidget *w = questionnaire.form().window();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QTest::mouseClick(w->findChild<QWidget *>(QStringLiteral("Check1")), Qt::LeftButton);
    for (const char *name : {"Command1", "Command2"}) {
        auto *pressed = w->findChild<QPushButton *>(QString::fromLatin1(name));
        QTest::mousePress(pressed, Qt::LeftButton);
        QVERIFY(pressed->isDown());
        const QPoint off(pressed->width() + 20, pressed->height() / 2);
        QTest::mouseMove(pressed, off);
        QTest::mouseRelease(pressed, Qt::LeftButton, {}, off);
        QVERIFY(!pressed->isDown());
    }
    for (ResultKind kind : questionnaire::kResultKinds)
        QVERIFY(!questionnaire.resultWindow(kind).isLoaded());
    QVERIFY(w->findChild<windows::qt::TickBox *>(QStringLiteral("Check1"))->isChecked());
}

QTEST_MAIN(QtWindowTest)
#include "window_test.moc"
