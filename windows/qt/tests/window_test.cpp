// What only the Qt windows have, beyond the contract every backend keeps: the
// window flags of a fixed and a sizable frame, the lines as painted, the
// stand-in faces Qt finds, windows centred on the screen, a text box that
// stays put when its window is resized, and a press dragged off a button.
#include <windows/qt/form.h>
#include <windows/qt/line.h>
#include <windows/qt/tickbox.h>
#include <windows/qt/toolkit.h>
#include <windows/questionnairelayout.h>
#include <windows/questionnairewindowof.h>
#include <windows/resultlayouts.h>

#include <QtGui/QFontInfo>
#include <QtGui/QScreen>
#include <QtTest/QtTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPlainTextEdit>
#include <QtWidgets/QPushButton>

using questionnaire::ResultKind;
using Questionnaire = windows::QuestionnaireWindowOf<windows::qt::Form>;

Q_DECLARE_METATYPE(questionnaire::ResultKind)

namespace {

QWidget *shown(windows::qt::Form &form)
{
    windows::showForm(form);
    return form.window();
}

// Centred on the screen's available area; the frame's size is known only
// once the window is shown, and up to half of it may be off centre.
bool isCentred(const QWidget *window)
{
    const QRect screen = window->screen()->availableGeometry();
    const QPoint offset = window->frameGeometry().center() - screen.center();
    const QSize frame = window->frameGeometry().size() - window->size();
    return std::abs(offset.x()) <= frame.width() / 2 + 1 &&
           std::abs(offset.y()) <= frame.height() / 2 + 1;
}

} // namespace

class QtWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { windows::qt::initializeToolkit(); }
    void cleanup();
    void questionnaireHasAFixedFrameAndOnlyItsControls();
    void linesArePaintedOnePixelWide_data();
    void linesArePaintedOnePixelWide();
    void standInFacesAreFound();
    void resultWindowsAreSizableModelessAndKeepTheirTextBoxInPlace_data();
    void resultWindowsAreSizableModelessAndKeepTheirTextBoxInPlace();
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
    QCOMPARE(w->minimumSize(), w->maximumSize());
    const Qt::WindowFlags flags = w->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(isCentred(w));
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

void QtWindowTest::resultWindowsAreSizableModelessAndKeepTheirTextBoxInPlace_data()
{
    QTest::addColumn<ResultKind>("kind");
    for (ResultKind kind : questionnaire::kResultKinds)
        QTest::newRow(questionnaire::formName(kind).data()) << kind;
}

void QtWindowTest::resultWindowsAreSizableModelessAndKeepTheirTextBoxInPlace()
{
    QFETCH(ResultKind, kind);
    windows::qt::Form form(windows::resultForm(kind));
    QWidget *window = shown(form);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QVERIFY(window->parent() == nullptr);
    QCOMPARE(window->windowModality(), Qt::NonModal);
    const Qt::WindowFlags flags = window->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(window->maximumSize().width() > window->width());
    QVERIFY(isCentred(window));

    QWidget *control = window->findChild<QWidget *>(
        kind == ResultKind::Form4 ? QStringLiteral("Label1") : QStringLiteral("Text1"));
    QVERIFY(control);
    if (auto *box = qobject_cast<QPlainTextEdit *>(control)) {
        QVERIFY(!box->isReadOnly());
        QCOMPARE(box->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    }
    const QRect before = control->geometry();
    window->resize(window->size() + QSize(120, 80));
    QCOMPARE(control->geometry(), before);
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
        QVERIFY(!questionnaire.resultForm(kind).isLoaded());
    QVERIFY(w->findChild<windows::qt::TickBox *>(QStringLiteral("Check1"))->isChecked());
}

QTEST_MAIN(QtWindowTest)
#include "window_test.moc"
