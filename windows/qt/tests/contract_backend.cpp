// The contract suite over the Qt backend, on the offscreen platform.
#include <windows/qt/form.h>
#include <windows/qt/look.h>
#include <windows/qt/text.h>
#include <windows/qt/tickbox.h>
#include <windows/questionnairewindowof.h>
#include <windows/tests/backend.h>

#include <QtCore/QDeadlineTimer>
#include <QtCore/QElapsedTimer>
#include <QtCore/QThread>
#include <QtCore/QTimer>
#include <QtGui/QScreen>
#include <QtTest/QTest>
#include <QtWidgets/QAbstractButton>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPlainTextEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QScrollBar>

#include <gtest/gtest.h>

#include <map>

namespace {

using namespace windows;

contract::Box box(const QRect &rect)
{
    return {rect.left(), rect.top(), rect.width(), rect.height()};
}

bool isFormName(const QString &name)
{
    return name.size() == 5 && name.startsWith(QLatin1String("Form"));
}

class QtBackend final : public contract::Backend, public QObject
{
public:
    QtBackend()
    {
        QObject::connect(qApp, &QGuiApplication::lastWindowClosed, this, [this] { m_quit = true; });
        qApp->installEventFilter(this);
    }
    ~QtBackend() override { reset(); }

    std::unique_ptr<FormWindow> makeForm(const FormDescription &description) override
    {
        return std::make_unique<qt::Form>(description);
    }

    void openQuestionnaire() override
    {
        m_questionnaire = std::make_unique<Session>();
        m_questionnaire->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(m_questionnaire->form().window()));
    }

    FormView &questionnaireView() override { return m_questionnaire->form(); }

    FormWindow &resultWindow(questionnaire::ResultKind kind) override
    {
        return m_questionnaire->resultWindow(kind);
    }

    // Gives up once the application has had nothing to handle for a quarter
    // of a second: nothing is left then that could bring the condition about.
    bool waitUntil(const std::function<bool()> &condition) override
    {
        QElapsedTimer quiet;
        quiet.start();
        const QDeadlineTimer bound(60'000);
        for (std::size_t seen = m_events; !condition();) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            if (m_events != seen) {
                seen = m_events;
                quiet.restart();
            } else if (quiet.hasExpired(250) || bound.hasExpired()) {
                return condition();
            } else {
                QThread::msleep(5);
            }
        }
        return true;
    }

    int windowCount() override
    {
        int count = 0;
        for (QWidget *widget : QApplication::topLevelWidgets())
            count += widget->isVisible() && isFormName(widget->objectName());
        return count;
    }

    std::string frontForm() override
    {
        const QWidget *active = QApplication::activeWindow();
        return active ? active->objectName().toStdString() : std::string();
    }

    contract::WindowState window(std::string_view form) override
    {
        QWidget *shown = windowOf(form);
        if (!shown)
            return {};
        contract::WindowState state;
        state.caption = shown->windowTitle().toStdString();
        state.clientWidth = shown->width();
        state.clientHeight = shown->height();
        state.backgroundRgb = rgbOf(drawn(shown).pixel(5, 5));
        state.frame = box(shown->frameGeometry());
        state.screen = box(shown->screen()->availableGeometry());
        state.sizable = shown->minimumSize() != shown->maximumSize();
        state.modal = shown->windowModality() != Qt::NonModal;
        return state;
    }

    contract::ControlState control(std::string_view form, std::string_view name) override
    {
        QWidget *widget = controlOf(form, name);
        if (!widget)
            return {};
        contract::ControlState state;
        QRect textArea = widget->rect().adjusted(3, 3, -3, -3);
        if (const auto *label = qobject_cast<QLabel *>(widget)) {
            state.text = label->text().toStdString();
            const QRect needed = label->fontMetrics().boundingRect(
                label->contentsRect(), int(label->alignment()) | Qt::TextWordWrap, label->text());
            // Within its box, and on one line: no heading or banner wraps.
            state.textFits = label->contentsRect().contains(needed) &&
                             needed.height() <= label->fontMetrics().height();
            textArea = needed;
        } else if (const auto *box = qobject_cast<qt::TickBox *>(widget)) {
            state.text = box->text().toStdString();
            state.ticked = box->isChecked();
            const QRect caption = box->captionRect();
            state.textFits = caption.contains(box->fontMetrics().boundingRect(
                caption, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, box->text()));
            textArea = caption;
        } else if (const auto *button = qobject_cast<QPushButton *>(widget)) {
            state.text = button->text().toStdString();
            state.textFits =
                button->fontMetrics().horizontalAdvance(button->text()) + 8 <= button->width();
        } else if (const auto *text = qobject_cast<QPlainTextEdit *>(widget)) {
            state.text = text->toPlainText().toStdString();
            textArea = text->viewport()->geometry();
            // Laid out once shown: every line, wrapped ones too, without scrolling.
            state.textFits = text->isVisible() && text->verticalScrollBar()->maximum() == 0;
        }
        const QRect place = widget->geometry();
        state.left = place.left();
        state.top = place.top();
        state.width = place.width();
        state.height = place.height();
        // As drawn in its window, whether that window is in front or not.
        const QImage image = drawn(widget->window());
        const QRgb face = image.pixel(place.right() - 3, place.bottom() - 3);
        state.backgroundRgb = rgbOf(face);
        state.textRgb = rgbOf(textColour(image, textArea.translated(place.topLeft()), face));
        state.accessibleName = widget->accessibleName().toStdString();
        state.description = widget->accessibleDescription().toStdString();
        state.enabled = widget->isEnabled();
        return state;
    }

    std::string focused() override
    {
        const QWidget *widget = QApplication::focusWidget();
        if (!widget || !widget->parentWidget() || widget->objectName().isEmpty())
            return {};
        return (widget->window()->objectName() + QLatin1Char('/') + widget->objectName())
            .toStdString();
    }

    void click(std::string_view form, std::string_view control) override
    {
        if (QWidget *widget = controlOf(form, control))
            QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
    }

    void focus(std::string_view form, std::string_view control) override
    {
        QWidget *widget = controlOf(form, control);
        if (!widget)
            return;
        widget->window()->activateWindow();
        widget->setFocus(Qt::OtherFocusReason);
        waitUntil([widget] { return QApplication::focusWidget() == widget; });
    }

    void setText(std::string_view form, std::string_view control, std::string_view text) override
    {
        if (auto *box = qobject_cast<QPlainTextEdit *>(controlOf(form, control)))
            box->setPlainText(qt::toQString(text));
    }

    void closeByUser(std::string_view form) override
    {
        QWidget *shown = windowOf(form);
        if (!shown)
            return;
        // Qt tells of the last window closing only within the event loop.
        QTimer::singleShot(0, shown, [shown] {
            shown->close();
            QCoreApplication::exit(0);
        });
        QApplication::exec();
    }

    bool resizeByUser(std::string_view form, int width, int height) override
    {
        QWidget *shown = windowOf(form);
        if (!shown)
            return true;
        const QSize frame = shown->frameGeometry().size() - shown->size();
        shown->resize(width - frame.width(), height - frame.height());
        return true;
    }

    void press(contract::Key key) override
    {
        QWidget *focused = QApplication::focusWidget();
        if (!focused)
            return;
        switch (key) {
        case contract::Key::Space:
            QTest::keyClick(focused, Qt::Key_Space);
            break;
        case contract::Key::Enter:
            QTest::keyClick(focused, Qt::Key_Return);
            break;
        case contract::Key::Escape:
            QTest::keyClick(focused, Qt::Key_Escape);
            break;
        case contract::Key::Tab:
            QTest::keyClick(focused, Qt::Key_Tab);
            break;
        }
    }

    std::vector<std::string> announcements() override { return m_announcements; }

    bool quitRequested() override { return m_quit; }

    void reset() override
    {
        m_questionnaire.reset();
        for (QWidget *widget : QApplication::topLevelWidgets())
            widget->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        m_announcements.clear();
        m_quit = false;
    }

protected:
    // Each announcement is the announcing widget shown with the sentence as its name.
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        ++m_events;
        if (event->type() == QEvent::Show &&
            watched->objectName() == QLatin1String("announcements"))
            m_announcements.push_back(
                static_cast<QWidget *>(watched)->accessibleName().toStdString());
        return false;
    }

private:
    using Session = QuestionnaireWindowOf<qt::Form>;

    static unsigned rgbOf(const QColor &colour) { return colour.rgb() & 0xFFFFFFu; }

    // The window as it is drawn now, a pixel to a pixel.
    static QImage drawn(QWidget *window)
    {
        QImage image = window->grab().toImage();
        return image.devicePixelRatio() == 1 ? image : image.scaled(window->size());
    }

    // A text's own colour: of the colours drawn in its area more than once,
    // the one farthest from the ground; the edges of smoothed letters are
    // blends of the two, the middle of a stroke is the colour itself.
    static QRgb textColour(const QImage &image, const QRect &area, QRgb ground)
    {
        const auto distance = [ground](QRgb colour) {
            const int r = qRed(colour) - qRed(ground), g = qGreen(colour) - qGreen(ground),
                      b = qBlue(colour) - qBlue(ground);
            return r * r + g * g + b * b;
        };
        std::map<QRgb, int> seen;
        const QRect within = area.intersected(image.rect());
        for (int y = within.top(); y <= within.bottom(); ++y) {
            for (int x = within.left(); x <= within.right(); ++x)
                ++seen[image.pixel(x, y)];
        }
        QRgb text = ground;
        for (const auto &[colour, count] : seen) {
            if (count > 1 && distance(colour) > distance(text))
                text = colour;
        }
        return text;
    }

    static QWidget *windowOf(std::string_view form)
    {
        const QString name = qt::toQString(form);
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (widget->isVisible() && widget->objectName() == name)
                return widget;
        }
        return nullptr;
    }

    static QWidget *controlOf(std::string_view form, std::string_view control)
    {
        QWidget *shown = windowOf(form);
        return shown
                   ? shown->findChild<QWidget *>(qt::toQString(control), Qt::FindDirectChildrenOnly)
                   : nullptr;
    }

    std::unique_ptr<Session> m_questionnaire;
    std::vector<std::string> m_announcements;
    bool m_quit = false;
    std::size_t m_events = 0; // handled by the application, for waitUntil
};

} // namespace

std::unique_ptr<contract::Backend> contract::makeBackend()
{
    return std::make_unique<QtBackend>();
}

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    windows::qt::applyLook();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
