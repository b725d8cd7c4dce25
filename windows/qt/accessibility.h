// What assistive technology is told about the windows beyond Qt's defaults:
// each window is a top-level frame or, for a notice, a dialog read out whole;
// a row of tick boxes is a group named by its heading; separator lines are left out.
#pragma once

#include <windows/formdescription.h>

#include <QtCore/QList>
#include <QtCore/QString>
#include <QtCore/QtGlobal>

QT_BEGIN_NAMESPACE
class QLabel;
class QWidget;
QT_END_NAMESPACE

namespace windows::qt {

// Installs the accessible interfaces of the windows' controls. Call once,
// after the QApplication exists.
void installAccessibility();

// Marks a window built from a description with the role it has for assistive technology.
void setWindowRole(QWidget *window, WindowRole role);

// Presents `heading` and `members`, controls of one window, as one group that
// the heading names; on screen nothing changes. A screen reader announces
// the group as the focus enters it.
void groupUnderHeading(QLabel *heading, const QList<QWidget *> &members);

// Speaks short messages through assistive technology: a notification without
// size, which a screen reader reads each time it is shown. For what follows
// an action but is not the focused control's own state.
class Announcer
{
    Q_DISABLE_COPY_MOVE(Announcer)

public:
    explicit Announcer(QWidget *window);

    void announce(const QString &message);

private:
    QWidget *m_notification;
};

} // namespace windows::qt
