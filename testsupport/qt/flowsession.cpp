#include <testsupport/qt/flowsession.h>

#include <windows/qt/tickbox.h>

#include <questionnaire/option.h>
#include <questionnaire/resultkind.h>

#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QPushButton>

#include <cstdlib>

namespace testsupport {

namespace {

QString formNameText(std::string_view name)
{
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

questionnaire::ResultKind kindNamed(std::string_view name)
{
    for (questionnaire::ResultKind kind : questionnaire::kResultKinds) {
        if (questionnaire::formName(kind) == name)
            return kind;
    }
    std::abort();
}

} // namespace

FlowSession::FlowSession(unsigned seed)
    : m_seed(seed)
    , m_random(seed)
{}

FlowSession::~FlowSession()
{
    for (questionnaire::ResultKind kind : questionnaire::kResultKinds) {
        if (QWidget *window = resultWindow(kind))
            window->close();
    }
}

QWidget *FlowSession::box(int number)
{
    const std::string_view name = questionnaire::optionNumber(number).name;
    return m_window.form().window()->findChild<QWidget *>(
        QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
}

QWidget *FlowSession::resultWindow(questionnaire::ResultKind kind)
{
    return m_window.resultWindow(kind).window();
}

bool FlowSession::start()
{
    m_window.show();
    return QTest::qWaitForWindowExposed(m_window.form().window());
}

QString FlowSession::step()
{
    const QString what = act();
    const QString difference = compare();
    ++m_step;
    if (difference.isEmpty())
        return {};
    return QStringLiteral("seed %1, step %2 (%3): %4")
        .arg(m_seed)
        .arg(m_step)
        .arg(what, difference);
}

QString FlowSession::act()
{
    const int roll = std::uniform_int_distribution<int>(0, 99)(m_random);
    const int number = std::uniform_int_distribution<int>(1, 16)(m_random);
    QWidget *tickBox = box(number);
    if (roll < 45) {
        QTest::mouseClick(tickBox, Qt::LeftButton);
        m_model.click(number);
        return QStringLiteral("click Check%1").arg(number);
    }
    if (roll < 60) {
        QTest::keyClick(tickBox, Qt::Key_Space);
        m_model.click(number);
        return QStringLiteral("space on Check%1").arg(number);
    }
    if (roll < 70) {
        QTest::mouseClick(
            m_window.form().window()->findChild<QPushButton *>(QStringLiteral("Command2")),
            Qt::LeftButton);
        m_model.clearForms();
        return QStringLiteral("Clear Forms");
    }
    if (roll < 85) {
        QTest::mouseClick(
            m_window.form().window()->findChild<QPushButton *>(QStringLiteral("Command1")),
            Qt::LeftButton);
        m_open.insert(m_model.program());
        m_front = m_model.program();
        return QStringLiteral("get individual program, expecting %1")
            .arg(formNameText(m_model.program()));
    }
    if (m_open.empty())
        return QStringLiteral("nothing to close");
    auto which = m_open.begin();
    std::advance(which, std::uniform_int_distribution<std::size_t>(0, m_open.size() - 1)(m_random));
    const QString name = formNameText(*which);
    resultWindow(kindNamed(*which))->close();
    m_open.erase(which);
    return QStringLiteral("close %1").arg(name);
}

QString FlowSession::compare()
{
    if (!m_front.empty()) {
        // The window just asked for comes to the front, new or not.
        QWidget *window = resultWindow(kindNamed(m_front));
        m_front = {};
        if (!window)
            return QStringLiteral("the window did not open");
        if (!QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }))
            return QStringLiteral("the window is not in front");
    }
    for (const questionnaire::Option &option : questionnaire::options()) {
        const auto *tickBox = static_cast<windows::qt::TickBox *>(box(option.number));
        if (tickBox->isChecked() != m_model.isTicked(option.number))
            return QStringLiteral("Check%1 ticked %2").arg(option.number).arg(tickBox->isChecked());
        if (tickBox->isEnabled() == m_model.isGreyed(option.number))
            return QStringLiteral("Check%1 enabled %2")
                .arg(option.number)
                .arg(tickBox->isEnabled());
    }
    for (questionnaire::ResultKind kind : questionnaire::kResultKinds) {
        const bool isOpen = resultWindow(kind) != nullptr;
        if (isOpen != m_open.contains(questionnaire::formName(kind)))
            return QStringLiteral("%1 open %2")
                .arg(formNameText(questionnaire::formName(kind)))
                .arg(isOpen);
    }
    // No stray windows: the questionnaire and one window per open result.
    int visible = 0;
    for (QWidget *widget : QApplication::topLevelWidgets())
        visible += widget->isVisible() ? 1 : 0;
    if (visible != 1 + static_cast<int>(m_open.size()))
        return QStringLiteral("%1 windows visible").arg(visible);
    return {};
}

} // namespace testsupport
