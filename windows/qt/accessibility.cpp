#include <windows/qt/accessibility.h>
#include <windows/qt/line.h>
#include <windows/qt/tickbox.h>

#include <QtCore/QPointer>
#include <QtGui/QAccessible>
#include <QtGui/QAccessibleObject>
#include <QtWidgets/QAccessibleWidget>
#include <QtWidgets/QLabel>

namespace windows::qt {

namespace {

constexpr char kRoleProperty[] = "trimvaleWindowRole";
constexpr char kNotificationProperty[] = "trimvaleNotification";

using Relations = QList<QPair<QAccessibleInterface *, QAccessible::Relation>>;

// A heading and the controls it heads; a child of their window, not a widget.
class ControlGroup final : public QObject
{
public:
    ControlGroup(QLabel *heading, const QList<QWidget *> &members)
        : QObject(heading->parentWidget())
        , m_heading(heading)
    {
        for (QWidget *member : members)
            m_members.append(member);
    }

    QLabel *heading() const { return m_heading; }

    // The heading, then the members.
    QList<QWidget *> controls() const
    {
        QList<QWidget *> all{m_heading.data()};
        for (const QPointer<QWidget> &member : m_members)
            all.append(member.data());
        all.removeAll(nullptr);
        return all;
    }

    bool contains(const QWidget *widget) const { return controls().contains(widget); }

private:
    QPointer<QLabel> m_heading;
    QList<QPointer<QWidget>> m_members;
};

ControlGroup *groupOf(const QWidget *widget)
{
    if (!widget->parentWidget())
        return nullptr;
    for (QObject *object : widget->parentWidget()->children()) {
        auto *group = dynamic_cast<ControlGroup *>(object);
        if (group && group->contains(widget))
            return group;
    }
    return nullptr;
}

// What a screen reader walks through in a window, in creation order: its
// controls, a group in place of the controls it holds, and not the lines,
// which only draw.
QObjectList readableChildren(const QWidget *window)
{
    QObjectList children;
    for (QObject *object : window->children()) {
        auto *widget = qobject_cast<QWidget *>(object);
        if (!widget || widget->isWindow() || qobject_cast<Line *>(widget))
            continue;
        QObject *child = widget;
        if (ControlGroup *group = groupOf(widget))
            child = group;
        if (!children.contains(child))
            children.append(child);
    }
    return children;
}

// The group of a grouped control, or nullptr.
QAccessibleInterface *groupInterface(const QWidget *control)
{
    ControlGroup *group = groupOf(control);
    return group ? QAccessible::queryAccessibleInterface(group) : nullptr;
}

// A control that may stand in a group: the group, not the window, is its parent.
class GroupableAccessible : public QAccessibleWidget
{
public:
    using QAccessibleWidget::QAccessibleWidget;

    QAccessibleInterface *parent() const override
    {
        QAccessibleInterface *group = groupInterface(widget());
        return group ? group : QAccessibleWidget::parent();
    }
};

class WindowAccessible final : public QAccessibleWidget
{
public:
    WindowAccessible(QWidget *window, WindowRole role)
        : QAccessibleWidget(window,
                            role == WindowRole::Notice ? QAccessible::Dialog : QAccessible::Window)
    {}

    int childCount() const override { return int(readableChildren(widget()).size()); }

    QAccessibleInterface *child(int index) const override
    {
        const QObjectList children = readableChildren(widget());
        if (index < 0 || index >= children.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(children.at(index));
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (!child || !child->object())
            return -1;
        return int(readableChildren(widget()).indexOf(child->object()));
    }
};

class GroupAccessible final : public QAccessibleObject
{
public:
    explicit GroupAccessible(ControlGroup *group)
        : QAccessibleObject(group)
    {}

    ControlGroup *group() const { return static_cast<ControlGroup *>(object()); }

    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(group()->parent());
    }
    int childCount() const override { return int(group()->controls().size()); }
    QAccessibleInterface *child(int index) const override
    {
        const QList<QWidget *> children = group()->controls();
        if (index < 0 || index >= children.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(children.at(index));
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (!child)
            return -1;
        return int(group()->controls().indexOf(qobject_cast<QWidget *>(child->object())));
    }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && group()->heading() ? group()->heading()->text()
                                                            : QString();
    }
    void setText(QAccessible::Text, const QString &) override {}
    QAccessible::Role role() const override { return QAccessible::Grouping; }
    QAccessible::State state() const override { return {}; }

    QRect rect() const override
    {
        QRect area;
        for (QWidget *child : group()->controls())
            area |= QRect(child->mapToGlobal(QPoint(0, 0)), child->size());
        return area;
    }

    QWindow *window() const override
    {
        const auto *parent = qobject_cast<QWidget *>(group()->parent());
        return parent ? parent->window()->windowHandle() : nullptr;
    }

    Relations relations(QAccessible::Relation match) const override
    {
        Relations result;
        if ((match & QAccessible::Label) && group()->heading())
            result.append(
                {QAccessible::queryAccessibleInterface(group()->heading()), QAccessible::Label});
        return result;
    }
};

// A tick box as Qt presents a check box, inside its row's group.
class TickBoxAccessible final : public GroupableAccessible
{
public:
    explicit TickBoxAccessible(TickBox *box)
        : GroupableAccessible(box, QAccessible::CheckBox)
    {}

    TickBox *box() const { return static_cast<TickBox *>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && box()->accessibleName().isEmpty())
            return box()->text();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = box()->isChecked();
        state.pressed = box()->isDown();
        return state;
    }

    QStringList actionNames() const override
    {
        QStringList names;
        if (box()->isEnabled())
            names << toggleAction();
        return names << QAccessibleWidget::actionNames();
    }

    void doAction(const QString &name) override
    {
        if (name == toggleAction() || name == pressAction()) {
            // As a click does: a greyed box takes none.
            if (box()->isEnabled())
                box()->click();
            return;
        }
        QAccessibleWidget::doAction(name);
    }
};

// A label; a heading also names its group.
class LabelAccessible final : public GroupableAccessible
{
public:
    explicit LabelAccessible(QLabel *label)
        : GroupableAccessible(label, QAccessible::StaticText)
    {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<QLabel *>(widget())->text();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        return state;
    }

    Relations relations(QAccessible::Relation match) const override
    {
        Relations result = QAccessibleWidget::relations(match);
        ControlGroup *group = groupOf(widget());
        if ((match & QAccessible::Labelled) && group && group->heading() == widget())
            result.append({QAccessible::queryAccessibleInterface(group), QAccessible::Labelled});
        return result;
    }
};

QAccessibleInterface *createInterface(const QString &, QObject *object)
{
    if (auto *group = dynamic_cast<ControlGroup *>(object))
        return new GroupAccessible(group);
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    if (auto *box = qobject_cast<TickBox *>(widget))
        return new TickBoxAccessible(box);
    if (auto *label = qobject_cast<QLabel *>(widget))
        return new LabelAccessible(label);
    if (widget->property(kNotificationProperty).isValid())
        return new QAccessibleWidget(widget, QAccessible::Notification);
    const QVariant role = widget->property(kRoleProperty);
    if (widget->isWindow() && role.isValid())
        return new WindowAccessible(widget, static_cast<WindowRole>(role.toInt()));
    return nullptr;
}

} // namespace

void installAccessibility()
{
    QAccessible::installFactory(createInterface);
}

void setWindowRole(QWidget *window, WindowRole role)
{
    window->setProperty(kRoleProperty, static_cast<int>(role));
}

void groupUnderHeading(QLabel *heading, const QList<QWidget *> &members)
{
    new ControlGroup(heading, members);
}

Announcer::Announcer(QWidget *window)
    : m_notification(new QWidget(window))
{
    m_notification->setObjectName(QStringLiteral("announcements"));
    m_notification->setProperty(kNotificationProperty, true);
    m_notification->setGeometry(0, 0, 0, 0);
    m_notification->hide();
}

void Announcer::announce(const QString &message)
{
    // Qt 6.4 does not tell screen readers the new text of a changed
    // description, so the message comes as a notification being shown.
    m_notification->hide();
    m_notification->setAccessibleName(message);
    m_notification->show();
}

} // namespace windows::qt
