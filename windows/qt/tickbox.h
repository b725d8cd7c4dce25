// A tick box as the windows were designed with: the whole control is its click
// area, a caption wider than the control wraps onto further lines, and a click
// event follows every change of the tick, also one made by the program.
#pragma once

#include <QtWidgets/QCheckBox>

namespace windows::qt {

class TickBox : public QCheckBox
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TickBox)

public:
    explicit TickBox(const QString &caption, QWidget *parent = nullptr);

    // Where the caption is drawn, wrapped at its right edge.
    QRect captionRect() const;

signals:
    // Raised after the tick has changed, whether the user or the program changed it.
    void clickEvent();

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override;

private:
    QRect indicatorRect() const;
};

} // namespace windows::qt
