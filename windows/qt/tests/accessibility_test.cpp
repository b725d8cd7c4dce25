// What assistive technology sees: every tick box and button with its caption
// and its enabled and ticked state, every text with its text; and the whole
// questionnaire used with the keyboard alone.
#include <windows/qt/form.h>
#include <windows/qt/questionnairewindow.h>
#include <windows/qt/tickbox.h>

#include <content/programtext.h>
#include <questionnaire/option.h>

#include <QtGui/QAccessible>
#include <QtTest/QtTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPlainTextEdit>
#include <QtWidgets/QPushButton>

using questionnaire::ResultKind;
using windows::qt::QuestionnaireWindow;

class AccessibilityTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void tickBoxesExposeCaptionAndState();
    void buttonsAndLabelsExposeTheirText();
    void resultWindowsExposeTheirText_data();
    void resultWindowsExposeTheirText();
    void keyboardAlone();
};

namespace {

QAccessibleInterface *accessible(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

} // namespace

void AccessibilityTest::initTestCase()
{
    windows::qt::initializeToolkit();
}

void AccessibilityTest::cleanup()
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        widget->close();
}

void AccessibilityTest::tickBoxesExposeCaptionAndState()
{
    QuestionnaireWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(accessible(&w)->text(QAccessible::Name), QStringLiteral("Orvane"));

    QTest::mouseClick(w.tickBox(questionnaire::optionNumber(12)), Qt::LeftButton);
    for (const questionnaire::Option &option : questionnaire::options()) {
        QAccessibleInterface *box = accessible(w.tickBox(option));
        QVERIFY(box);
        const QByteArray name(option.name.data(), static_cast<qsizetype>(option.name.size()));
        QCOMPARE(box->role(), QAccessible::CheckBox);
        QCOMPARE(box->text(QAccessible::Name),
                 QString::fromLatin1(option.caption.data(),
                                     static_cast<qsizetype>(option.caption.size())));
        const bool female = option.number == 12;
        const bool male = option.number == 11;
        QVERIFY2(box->state().checked == female, name);
        QVERIFY2(box->state().disabled == male, name);
        QVERIFY2(box->state().focusable, name);
    }
}

void AccessibilityTest::buttonsAndLabelsExposeTheirText()
{
    QuestionnaireWindow w;
    QAccessibleInterface *get = accessible(w.findChild<QPushButton *>(QStringLiteral("Command1")));
    QCOMPARE(get->role(), QAccessible::Button);
    QCOMPARE(get->text(QAccessible::Name), QStringLiteral("get individual program"));
    QAccessibleInterface *clear =
        accessible(w.findChild<QPushButton *>(QStringLiteral("Command2")));
    QCOMPARE(clear->text(QAccessible::Name), QStringLiteral("Clear Forms"));
    QVERIFY(!clear->state().disabled);

    QAccessibleInterface *heading = accessible(w.findChild<QLabel *>(QStringLiteral("Label5")));
    QCOMPARE(heading->role(), QAccessible::StaticText);
    QCOMPARE(heading->text(QAccessible::Name), QStringLiteral("Growth"));
}

void AccessibilityTest::resultWindowsExposeTheirText_data()
{
    QTest::addColumn<ResultKind>("kind");
    for (ResultKind kind : questionnaire::kResultKinds)
        QTest::newRow(questionnaire::formName(kind).data()) << kind;
}

void AccessibilityTest::resultWindowsExposeTheirText()
{
    QFETCH(ResultKind, kind);
    windows::qt::ResultWindows results;
    QWidget *window = results.showWindow(kind);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const std::string_view stored = content::programText(kind);
    const QString text = QString::fromLatin1(stored.data(), static_cast<qsizetype>(stored.size()))
                             .replace(QLatin1String("\r\n"), QLatin1String("\n"));

    if (kind == ResultKind::Form4) {
        QAccessibleInterface *label = accessible(window->findChild<QLabel *>());
        QCOMPARE(label->text(QAccessible::Name), text);
        return;
    }
    QAccessibleInterface *box = accessible(window->findChild<QPlainTextEdit *>());
    QVERIFY(box);
    QCOMPARE(box->role(), QAccessible::EditableText);
    QAccessibleTextInterface *textInterface = box->textInterface();
    QVERIFY(textInterface);
    QCOMPARE(textInterface->text(0, textInterface->characterCount()), text);
}

// Tab to each answer, space to tick it, tab to the button and space to press it.
void AccessibilityTest::keyboardAlone()
{
    QuestionnaireWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTRY_COMPARE(QApplication::focusWidget(), w.tickBox(questionnaire::optionNumber(1)));

    auto key = [](Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); };
    key(Qt::Key_Tab); // Check2: 70-80KG
    key(Qt::Key_Space);
    for (int i = 0; i < 4; ++i) // Check6 ... Check9: 50-60Years
        key(Qt::Key_Tab);
    key(Qt::Key_Space);
    key(Qt::Key_Tab); // Check11: Male
    key(Qt::Key_Space);
    key(Qt::Key_Tab); // Check13: 1.45-1.65M
    key(Qt::Key_Space);
    key(Qt::Key_Tab); // Command1
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command1"));
    key(Qt::Key_Space);

    // 20 + 40 + 20 + 10 = 90 for a man: the notice.
    QWidget *notice = w.resultWindow(ResultKind::Form4);
    QVERIFY(notice);
    QTRY_COMPARE(QApplication::activeWindow(), notice);

    // Back in the questionnaire, the keyboard clears the answers.
    w.activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), &w);
    QTRY_COMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command1"));
    key(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command2"));
    key(Qt::Key_Space);
    for (const questionnaire::Option &option : questionnaire::options()) {
        QVERIFY(w.tickBox(option)->isEnabled());
        QVERIFY(!w.tickBox(option)->isChecked());
    }
}

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
