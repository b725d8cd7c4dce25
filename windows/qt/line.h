// A one-pixel separator line between two points of a window.
#pragma once

#include <QtWidgets/QWidget>

namespace windows::qt {

class Line : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Line)

public:
    // `from` and `to` are in the parent's pixels; the widget covers the span between them.
    Line(QPoint from, QPoint to, QWidget *parent = nullptr);

    QPoint from() const { return m_from; }
    QPoint to() const { return m_to; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPoint m_from;
    QPoint m_to;
};

} // namespace windows::qt
