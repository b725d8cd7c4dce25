#include <windows/qt/pushbutton.h>

#include <QtGui/QKeyEvent>
#include <QtWidgets/QStyleOptionButton>
#include <QtWidgets/QStylePainter>

namespace windows::qt {

PushButton::PushButton(const QString &caption, QWidget *parent)
    : QPushButton(caption, parent)
{
    // Outside a dialog Qt presses a button on Enter only when it is a default
    // one, which would also make Enter press it from other controls.
    setAutoDefault(false);
    setDefault(false);
}

void PushButton::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
        !event->isAutoRepeat()) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void PushButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    painter.drawControl(QStyle::CE_PushButtonBevel, option);
    // The face in the button's own colour, flat, as designed: the style would
    // lighten, pale and shade it. Pressed, the style's darker face shows it.
    if (!isDown())
        painter.fillRect(rect().adjusted(2, 2, -2, -2), palette().button());
    painter.drawControl(QStyle::CE_PushButtonLabel, option);
}

} // namespace windows::qt
