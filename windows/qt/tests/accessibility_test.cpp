// What Qt's accessibility bridge gives assistive technology: every tick box and
// button with its caption and its enabled and ticked state, every text with
// its text.
#include <windows/qt/form.h>
#include <windows/qt/look.h>
#include <windows/qt/tickbox.h>
#include <windows/questionnairewindowof.h>
#include <windows/resultlayouts.h>

#include <content/programtext.h>
#include <questionnaire/option.h>

#include <QtGui/QAccessible>
#include <QtTest/QtTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPlainTextEdit>
#include <QtWidgets/QPushButton>

using questionnaire::ResultKind;
using Questionnaire = windows::QuestionnaireWindowOf<windows::qt::Form>;

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
};

namespace {

QAccessibleInterface *accessible(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

windows::qt::TickBox *tickBox(Questionnaire &w, const questionnaire::Option &option)
{
    return w.form().window()->findChild<windows::qt::TickBox *>(
        QString::fromLatin1(option.name.data(), static_cast<qsizetype>(option.name.size())));
}

} // namespace

void AccessibilityTest::initTestCase()
{
    windows::qt::applyLook();
}

void AccessibilityTest::cleanup()
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        widget->close();
}

void AccessibilityTest::tickBoxesExposeCaptionAndState()
{
    Questionnaire w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(w.form().window()));
    QCOMPARE(accessible(w.form().window())->text(QAccessible::Name), QStringLiteral("Orvane"));

    QTest::mouseClick(tickBox(w, questionnaire::optionNumber(12)), Qt::LeftButton);
    for (const questionnaire::Option &option : questionnaire::options()) {
        QAccessibleInterface *box = accessible(tickBox(w, option));
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
    Questionnaire q;
    QWidget &w = *q.form().window();
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
    windows::qt::Form form(windows::resultForm(kind));
    windows::showForm(form);
    QWidget *window = form.window();
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

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
