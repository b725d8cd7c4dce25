#include <windows/qt/line.h>

#include <QtGui/QPainter>

#include <algorithm>

namespace windows::qt {

Line::Line(QPoint from, QPoint to, QWidget *parent)
    : QWidget(parent)
    , m_from(from)
    , m_to(to)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(QRect(QPoint(std::min(from.x(), to.x()), std::min(from.y(), to.y())),
                      QPoint(std::max(from.x(), to.x()), std::max(from.y(), to.y()))));
}

void Line::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    painter.drawLine(m_from - pos(), m_to - pos());
}

} // namespace windows::qt
