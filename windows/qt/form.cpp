#include <windows/placement.h>
#include <windows/qt/accessibility.h>
#include <windows/qt/form.h>
#include <windows/qt/line.h>
#include <windows/qt/pushbutton.h>
#include <windows/qt/qtcolour.h>
#include <windows/qt/qtfonts.h>
#include <windows/qt/text.h>
#include <windows/qt/tickbox.h>
#include <windows/units.h>

#include <QtCore/QTimer>
#include <QtGui/QScreen>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPlainTextEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QStyle>
#include <QtWidgets/QStyleFactory>

namespace windows::qt {

namespace {

QRect twipsToPixels(const Rect &twips)
{
    return {windows::twipsToPixels(twips.left), windows::twipsToPixels(twips.top),
            windows::twipsToPixels(twips.width), windows::twipsToPixels(twips.height)};
}

QPoint twipsToPixels(int x, int y)
{
    return {windows::twipsToPixels(x), windows::twipsToPixels(y)};
}

// Buttons paint their own face in the background colour; other controls are
// filled with it.
enum class Fill
{
    Control,
    ButtonFace
};

void applyColours(QWidget *widget, const Look &look, Fill fill)
{
    QPalette palette = widget->palette();
    if (look.background) {
        palette.setColor(widget->backgroundRole(), toQColor(*look.background));
        widget->setAutoFillBackground(fill == Fill::Control);
    }
    if (look.text) {
        const QColor text = toQColor(*look.text);
        // Greyed controls keep the toolkit's grey text.
        palette.setColor(QPalette::Active, QPalette::WindowText, text);
        palette.setColor(QPalette::Inactive, QPalette::WindowText, text);
        palette.setColor(QPalette::Active, QPalette::ButtonText, text);
        palette.setColor(QPalette::Inactive, QPalette::ButtonText, text);
    }
    widget->setPalette(palette);
}

bool fitsWithoutScrolling(const QPlainTextEdit *box, const QString &text)
{
    const int margin = static_cast<int>(box->document()->documentMargin());
    const QRect area = box->contentsRect().adjusted(margin, margin, -margin, -margin);
    const QRect needed = box->fontMetrics().boundingRect(
        QRect(area.topLeft(), QSize(area.width(), QWIDGETSIZE_MAX)), Qt::TextWordWrap, text);
    return needed.width() <= area.width() && needed.height() <= area.height();
}

QWidget *createControl(const ControlDescription &control, QWidget *window)
{
    const QString text = toDisplayText(control.text);
    QWidget *widget = nullptr;
    switch (control.kind) {
    case ControlKind::Label: {
        auto *label = new QLabel(text, window);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setAlignment(control.look.alignment == Alignment::Centre
                                ? Qt::AlignHCenter | Qt::AlignTop
                                : Qt::AlignLeft | Qt::AlignTop);
        applyColours(label, control.look, Fill::Control);
        widget = label;
        break;
    }
    case ControlKind::TickBox: {
        auto *box = new TickBox(text, window);
        applyColours(box, control.look, Fill::Control);
        widget = box;
        break;
    }
    case ControlKind::PushButton: {
        auto *button = new PushButton(text, window);
        applyColours(button, control.look, Fill::ButtonFace);
        widget = button;
        break;
    }
    case ControlKind::Line: {
        const auto &ends = std::get<Ends>(control.place);
        auto *line =
            new Line(twipsToPixels(ends.x1, ends.y1), twipsToPixels(ends.x2, ends.y2), window);
        applyColours(line, control.look, Fill::Control);
        widget = line;
        break;
    }
    case ControlKind::TextBox: {
        auto *box = new QPlainTextEdit(window);
        box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        // The narrow margins of a Windows edit control, which the texts were fitted to.
        box->document()->setDocumentMargin(2);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        QPalette palette = box->palette();
        if (control.look.background)
            palette.setColor(QPalette::Base, toQColor(*control.look.background));
        if (control.look.text)
            palette.setColor(QPalette::Text, toQColor(*control.look.text));
        box->setPalette(palette);
        widget = box;
        break;
    }
    }

    widget->setObjectName(toQString(control.name));
    if (!control.accessibleName.empty())
        widget->setAccessibleName(toQString(control.accessibleName));
    widget->setFont(toQFont(control.look.font));
    if (const auto *rect = std::get_if<Rect>(&control.place))
        widget->setGeometry(twipsToPixels(*rect));
    // A text box lays its text out at once, so the text comes after the font and size.
    if (auto *box = qobject_cast<QPlainTextEdit *>(widget)) {
        box->setPlainText(text);
        // The texts are written to fit their boxes without scroll bars. Should
        // a font make one taller than its box, a scroll bar keeps its end readable.
        box->setVerticalScrollBarPolicy(fitsWithoutScrolling(box, text) ? Qt::ScrollBarAlwaysOff
                                                                        : Qt::ScrollBarAsNeeded);
    }
    return widget;
}

// A window of fixed size cannot be maximized. Window managers that ignore
// the hints, and Qt's own title bar on Wayland, still offer the maximize
// button; the window then goes back to normal at once, where it was.
class StaysUnmaximized final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = static_cast<QWidget *>(watched);
        if (event->type() == QEvent::WindowStateChange &&
            (window->windowState() & Qt::WindowMaximized)) {
            QTimer::singleShot(0, window, [window] {
                window->setWindowState(window->windowState() & ~Qt::WindowMaximized);
            });
        }
        return false;
    }
};

// The program's windows, the most recently active last. When the active one
// closes, the one used before it comes to the front and takes the focus back,
// as a desktop's window manager does; without one, nothing else would.
class KeepsActivationOrder final : public QObject
{
public:
    explicit KeepsActivationOrder(QWidget *window)
        : QObject(window)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::WindowActivate && event->type() != QEvent::Close)
            return false;
        auto *window = static_cast<QWidget *>(watched);
        static std::vector<QPointer<QWidget>> order;
        std::erase_if(order, [window](const QPointer<QWidget> &w) { return !w || w == window; });
        if (event->type() == QEvent::WindowActivate) {
            order.emplace_back(window);
        } else if (window->isActiveWindow() && !order.empty()) {
            // Asked for now, before anything the user does next asks for another.
            order.back()->raise();
            order.back()->activateWindow();
        }
        return false;
    }
};

// Unloads a form when the user closes its window; the window deletes itself.
class ForgetsOnClose final : public QObject
{
public:
    ForgetsOnClose(QWidget *window, std::function<void()> forget)
        : QObject(window)
        , m_forget(std::move(forget))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        // No window of the program refuses to close.
        if (event->type() == QEvent::Close)
            m_forget();
        return false;
    }

private:
    std::function<void()> m_forget;
};

} // namespace

std::vector<QWidget *> buildForm(QWidget *window, const FormDescription &description)
{
    window->setObjectName(toQString(description.name));
    window->setWindowTitle(toQString(description.caption));
    setWindowRole(window, description.role);
    // Every control sits at a fixed place, captions right of their boxes:
    // "-reverse" or a right-to-left language must not mirror that.
    window->setLayoutDirection(Qt::LeftToRight);

    const QSize client(windows::twipsToPixels(description.clientWidth),
                       windows::twipsToPixels(description.clientHeight));
    if (description.frame == Frame::Fixed) {
        window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
        window->setFixedSize(client);
        window->installEventFilter(new StaysUnmaximized(window));
    } else {
        window->setWindowFlags(Qt::Window);
        window->resize(client);
    }

    if (description.background) {
        QPalette palette = window->palette();
        palette.setColor(QPalette::Window, toQColor(*description.background));
        window->setPalette(palette);
        window->setAutoFillBackground(true);
    }

    std::vector<QWidget *> controls;
    controls.reserve(description.controls.size());
    for (const ControlDescription &control : description.controls)
        controls.push_back(createControl(control, window));

    QWidget *previous = nullptr;
    for (std::string_view name : description.tabOrder) {
        auto *widget = window->findChild<QWidget *>(toQString(name), Qt::FindDirectChildrenOnly);
        Q_ASSERT(widget);
        if (previous)
            QWidget::setTabOrder(previous, widget);
        else
            widget->setFocus();
        previous = widget;
    }
    return controls;
}

namespace {

// Calls `handler` with a control's index after each click event of a tick box
// or push button among `controls`.
void connectClicks(const std::vector<QWidget *> &controls, QObject *context,
                   const std::function<void(std::size_t)> &handler)
{
    for (std::size_t index = 0; index < controls.size(); ++index) {
        const auto report = [handler, index] { handler(index); };
        if (auto *box = qobject_cast<TickBox *>(controls[index]))
            QObject::connect(box, &TickBox::clickEvent, context, report);
        else if (auto *button = qobject_cast<QPushButton *>(controls[index]))
            QObject::connect(button, &QPushButton::clicked, context, report);
    }
}

// Moves a window that is not shown yet to the centre of its screen.
void centreOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    const QSize size = window->frameGeometry().size();
    const Position place =
        centredIn({available.x(), available.y(), available.width(), available.height()},
                  size.width(), size.height());
    window->move(place.x, place.y);
}

} // namespace

Form::Form(const FormDescription &description)
    : m_description(description)
{}

Form::~Form()
{
    m_announcer.reset();
    delete m_window;
}

bool Form::isLoaded() const
{
    return !m_window.isNull();
}

void Form::load()
{
    if (isLoaded())
        return;
    m_window = new QWidget;
    // A closed window waits for its deferred deletion; the form forgets it at once.
    m_window->setAttribute(Qt::WA_DeleteOnClose);
    new ForgetsOnClose(m_window, [this] { unload(); });
    new KeepsActivationOrder(m_window);
    m_controls = buildForm(m_window, m_description);
    connectClicks(m_controls, m_window, [this](std::size_t control) {
        if (m_onClick)
            m_onClick(control);
    });
    centreOnScreen(m_window);
}

void Form::unload()
{
    m_window.clear();
    m_controls.clear();
    m_announcer.reset();
}

void Form::showInFront()
{
    if (!isLoaded())
        return;
    m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

QWidget *Form::window() const
{
    return m_window.data();
}

QWidget *Form::control(std::size_t index) const
{
    return index < m_controls.size() ? m_controls[index] : nullptr;
}

bool Form::isEnabled(std::size_t control) const
{
    const QWidget *widget = this->control(control);
    return widget && widget->isEnabled();
}

void Form::setEnabled(std::size_t control, bool enabled)
{
    if (QWidget *widget = this->control(control))
        widget->setEnabled(enabled);
}

void Form::setTicked(std::size_t control, bool ticked)
{
    if (auto *box = qobject_cast<TickBox *>(this->control(control)))
        box->setChecked(ticked);
}

void Form::describe(std::size_t control, std::string_view description)
{
    if (QWidget *widget = this->control(control))
        widget->setAccessibleDescription(toQString(description));
}

void Form::group(std::size_t heading, std::span<const std::size_t> members)
{
    QList<QWidget *> widgets;
    for (std::size_t member : members) {
        if (QWidget *widget = control(member))
            widgets.append(widget);
    }
    if (auto *label = qobject_cast<QLabel *>(control(heading)))
        groupUnderHeading(label, widgets);
}

void Form::announce(std::string_view sentence)
{
    if (!isLoaded())
        return;
    // Made with the first sentence: only a window that speaks has one.
    if (!m_announcer)
        m_announcer = std::make_unique<Announcer>(m_window);
    m_announcer->announce(toQString(sentence));
}

} // namespace windows::qt
