// The questionnaire window as it is drawn: every control where the layout puts
// it, with its caption, colours and font, and every caption readable within
// its control in the faces that stand in for the Windows ones.
#include <windows/qt/form.h>
#include <windows/qt/line.h>
#include <windows/qt/questionnairewindow.h>
#include <windows/qt/tickbox.h>

#include <QtGui/QFontInfo>
#include <QtGui/QScreen>
#include <QtTest/QtTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>

using windows::qt::QuestionnaireWindow;
using windows::qt::TickBox;

namespace {

// Within the shading of anti-aliased text: glyphs' solid parts.
bool isNear(const QColor &painted, const QColor &colour)
{
    return std::abs(painted.red() - colour.red()) <= 40 &&
           std::abs(painted.green() - colour.green()) <= 40 &&
           std::abs(painted.blue() - colour.blue()) <= 40;
}

} // namespace

class QuestionnaireLayoutTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void window();
    void controlPlaces_data();
    void controlPlaces();
    void lines_data();
    void lines();
    void colours_data();
    void colours();
    void buttonFaces_data();
    void buttonFaces();
    void fonts();
    void captionsFit();
    void centredOnScreen();
};

void QuestionnaireLayoutTest::initTestCase()
{
    windows::qt::initializeToolkit();
}

void QuestionnaireLayoutTest::window()
{
    QuestionnaireWindow w;
    QCOMPARE(w.objectName(), QStringLiteral("Form1"));
    QCOMPARE(w.windowTitle(), QStringLiteral("Orvane"));
    // 10350 x 6240 twips at 15 twips a pixel, and the user cannot resize it.
    QCOMPARE(w.size(), QSize(690, 416));
    QCOMPARE(w.minimumSize(), w.maximumSize());
    const Qt::WindowFlags flags = w.windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));

    // Nothing but the described controls: 16 boxes, 2 buttons, 6 labels, 4 lines.
    QCOMPARE(w.findChildren<TickBox *>().size(), 16);
    QCOMPARE(w.findChildren<QPushButton *>().size(), 2);
    QCOMPARE(w.findChildren<QLabel *>().size(), 6);
    QCOMPARE(w.findChildren<windows::qt::Line *>().size(), 4);
}

void QuestionnaireLayoutTest::controlPlaces_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("twips"); // left, top, width, height

    auto row = [](const char *name, const char *text, int l, int t, int w, int h) {
        QTest::newRow(name) << QString::fromLatin1(text) << QRect(l, t, w, h);
    };
    row("Label6", "Trimvale!!!", 360, 360, 9615, 615);
    row("Label1", " ENTER CORRECT YOURE PERSONAL DATA", 1320, 1320, 6255, 255);
    row("Label2", "Weight", 360, 1920, 615, 255);
    row("Check1", "60-70KG(132-154p)", 1440, 1800, 1695, 495);
    row("Check2", "70-80KG(154-176p)", 3240, 1800, 1695, 495);
    row("Check3", "80-90KG(176-197p)", 5040, 1800, 1695, 495);
    row("Check4", "90-100KG(197-221p)", 6840, 1800, 1815, 495);
    row("Check5", "100KG(221p)-and more", 8760, 1800, 1575, 495);
    row("Label5", "Growth", 360, 2640, 735, 255);
    row("Check13", "1.45-1.65M(57-65in)", 1440, 2520, 1815, 495);
    row("Check14", "1.65-1.75M(65-69in)", 3360, 2520, 1815, 495);
    row("Check15", "1.75-1.85M(69-73in)", 5280, 2520, 1815, 495);
    row("Check16", "1.85M(73in)-and higher", 7200, 2520, 1695, 495);
    row("Label3", "Age", 360, 3360, 495, 375);
    row("Check6", "20-30Years", 1440, 3360, 1215, 495);
    row("Check7", "30-40Years", 2760, 3360, 1215, 495);
    row("Check8", "40-50Years", 4080, 3360, 1215, 495);
    row("Check9", "50-60Years", 5400, 3360, 1215, 495);
    row("Check10", "60-and more", 6720, 3360, 1215, 495);
    row("Label4", "Sex", 360, 4080, 375, 255);
    row("Check11", "Male", 1440, 4080, 1215, 495);
    row("Check12", "Female", 2760, 4080, 1215, 495);
    row("Command1", "get individual program", 2520, 4800, 3015, 495);
    row("Command2", "Clear Forms", 8760, 4680, 1215, 855);
}

void QuestionnaireLayoutTest::controlPlaces()
{
    QFETCH(QString, text);
    QFETCH(QRect, twips);
    QuestionnaireWindow w;
    auto *control = w.findChild<QWidget *>(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(control);
    QCOMPARE(control->parentWidget(), &w);
    const QRect pixels(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15);
    QCOMPARE(control->geometry(), pixels);

    QString shown;
    if (auto *label = qobject_cast<QLabel *>(control))
        shown = label->text();
    else if (auto *button = qobject_cast<QAbstractButton *>(control))
        shown = button->text();
    QCOMPARE(shown, text);
    // No access keys: nothing in a caption is underlined or takes Alt.
    QVERIFY(!shown.contains(QLatin1Char('&')));
}

void QuestionnaireLayoutTest::lines_data()
{
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::newRow("Line1") << QPoint(240, 4680) << QPoint(7920, 4680);
    QTest::newRow("Line2") << QPoint(600, 5760) << QPoint(8160, 5760);
    QTest::newRow("Line3") << QPoint(10200, 3360) << QPoint(10200, 5760);
    QTest::newRow("Line4") << QPoint(5280, 5520) << QPoint(2880, 5520);
}

void QuestionnaireLayoutTest::lines()
{
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    QuestionnaireWindow w;
    auto *line = w.findChild<windows::qt::Line *>(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(line);
    QCOMPARE(line->from(), from / 15);
    QCOMPARE(line->to(), to / 15);

    // Drawn one pixel wide in the window-text colour, end to end.
    const QImage image = w.grab().toImage();
    const QPoint a = from / 15;
    const QPoint b = to / 15;
    const int steps = std::max(std::abs(b.x() - a.x()), std::abs(b.y() - a.y()));
    for (int i = 0; i <= steps; i += 8) {
        const QPoint p = a + (b - a) * i / steps;
        QCOMPARE(QColor(image.pixel(p)), QColor(Qt::black));
    }
    // and nothing beside it.
    const QPoint side = a.y() == b.y() ? QPoint(0, 1) : QPoint(1, 0);
    const QPoint middle = (a + b) / 2;
    QVERIFY(QColor(image.pixel(middle + side)) != QColor(Qt::black));
    QVERIFY(QColor(image.pixel(middle - side)) != QColor(Qt::black));
}

void QuestionnaireLayoutTest::colours_data()
{
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QColor>("text");
    const QColor threeDLight(0xE3, 0xE3, 0xE3);
    const QColor tickBox(0xD4, 0xD0, 0xC8);
    const QColor green(0x00, 0x80, 0x00);
    QTest::newRow("Label6") << QColor(0xFF, 0xC0, 0xC0) << QColor(0x80, 0x00, 0x00);
    QTest::newRow("Label1") << QColor(0xFF, 0xFF, 0x80) << QColor(0x00, 0x00, 0xFF);
    QTest::newRow("Label2") << threeDLight << green;
    QTest::newRow("Label3") << threeDLight << green;
    QTest::newRow("Label4") << threeDLight << green;
    QTest::newRow("Label5") << threeDLight << green;
    QTest::newRow("Check1") << tickBox << QColor(Qt::black);
    QTest::newRow("Check13") << tickBox << QColor(Qt::black);
    QTest::newRow("Check12") << tickBox << QColor(Qt::black);
}

// The colours actually painted: the background at the bottom right of each
// control, away from its text, and the text itself, both while the window is
// active and while another window is.
void QuestionnaireLayoutTest::colours()
{
    QFETCH(QColor, background);
    QFETCH(QColor, text);
    QuestionnaireWindow w;
    QWidget other;
    auto *control = w.findChild<QWidget *>(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(control);
    w.show();
    other.show();
    for (QWidget *active : {static_cast<QWidget *>(&w), &other}) {
        QApplication::setActiveWindow(active);
        QTRY_VERIFY(w.isActiveWindow() == (active == &w));
        const QImage image = w.grab().toImage();
        const QRect area = control->geometry();
        QCOMPARE(QColor(image.pixel(area.bottomRight() - QPoint(2, 2))), background);
        // The window around the controls.
        QCOMPARE(QColor(image.pixel(5, 5)), QColor(0xE3, 0xE3, 0xE3));
        int inTextColour = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x)
                inTextColour += isNear(QColor(image.pixel(x, y)), text) ? 1 : 0;
        }
        QVERIFY2(inTextColour >= 5, active == &w ? "active" : "inactive");
    }
}

// The buttons' faces are drawn in shades of their colour: the same hue.
void QuestionnaireLayoutTest::buttonFaces_data()
{
    QTest::addColumn<QColor>("face");
    QTest::newRow("Command1") << QColor(0xFF, 0x80, 0xFF);
    QTest::newRow("Command2") << QColor(0xFF, 0xFF, 0xE1); // the info background
}

void QuestionnaireLayoutTest::buttonFaces()
{
    QFETCH(QColor, face);
    QuestionnaireWindow w;
    auto *button = w.findChild<QPushButton *>(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(button);
    const QImage image = w.grab().toImage();
    const QRect area = button->geometry();
    const QColor painted(image.pixel(area.left() + 4, area.center().y()));
    QVERIFY2(std::abs(painted.hue() - face.hue()) <= 2 && painted.saturation() > 0,
             qPrintable(painted.name()));
}

void QuestionnaireLayoutTest::fonts()
{
    QuestionnaireWindow w;
    auto font = [&w](const char *name) {
        return w.findChild<QWidget *>(QString::fromLatin1(name))->font();
    };
    // The stand-ins are really used, not some fallback face.
    QCOMPARE(QFontInfo(font("Check1")).family(), QStringLiteral("Liberation Sans"));
    // Fontconfig may add the foundry: "Z003 [urw]".
    QVERIFY(QFontInfo(font("Label6")).family().startsWith(QStringLiteral("Z003")));

    QCOMPARE(font("Check1").pixelSize(), 11); // 8.25 pt
    QCOMPARE(font("Command2").pixelSize(), 11);
    QCOMPARE(font("Label1").pixelSize(), 13); // 9.75 pt
    QVERIFY(font("Label1").bold() && font("Label1").italic());
    QCOMPARE(font("Label2").pixelSize(), 13);
    QVERIFY(font("Label2").bold() && !font("Label2").italic());
    QCOMPARE(font("Command1").pixelSize(), 13);
    QVERIFY(font("Command1").bold());
    QCOMPARE(font("Label6").pixelSize(), 32); // 24 pt
    QVERIFY(font("Label6").bold());
}

void QuestionnaireLayoutTest::captionsFit()
{
    QuestionnaireWindow w;
    for (TickBox *box : w.findChildren<TickBox *>()) {
        const QRect caption = box->captionRect();
        const QRect needed = box->fontMetrics().boundingRect(
            caption, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, box->text());
        QVERIFY2(caption.contains(needed), qPrintable(box->objectName()));
    }
    for (QLabel *label : w.findChildren<QLabel *>()) {
        const QRect needed = label->fontMetrics().boundingRect(
            label->contentsRect(), int(label->alignment()) | Qt::TextWordWrap, label->text());
        QVERIFY2(label->contentsRect().contains(needed), qPrintable(label->objectName()));
        // and on one line: no heading or banner wraps.
        QVERIFY2(needed.height() <= label->fontMetrics().height(), qPrintable(label->objectName()));
    }
    for (QPushButton *button : w.findChildren<QPushButton *>()) {
        const int needed = button->fontMetrics().horizontalAdvance(button->text()) + 8;
        QVERIFY2(needed <= button->width(), qPrintable(button->objectName()));
    }
}

void QuestionnaireLayoutTest::centredOnScreen()
{
    QuestionnaireWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QRect screen = w.screen()->availableGeometry();
    const QPoint offset = w.frameGeometry().center() - screen.center();
    // The frame's size is known only once the window is shown; up to half of
    // it may be off centre.
    const QSize frame = w.frameGeometry().size() - w.size();
    QVERIFY2(std::abs(offset.x()) <= frame.width() / 2 + 1 &&
                 std::abs(offset.y()) <= frame.height() / 2 + 1,
             qPrintable(QStringLiteral("off by %1, %2").arg(offset.x()).arg(offset.y())));
}

QTEST_MAIN(QuestionnaireLayoutTest)
#include "questionnairelayout_test.moc"
