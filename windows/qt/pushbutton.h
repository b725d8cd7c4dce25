// A push button as the windows were designed with: a click, Space, or Enter
// while it has the focus presses it. No button is a default button that Enter
// presses from elsewhere in the window.
#pragma once

#include <QtWidgets/QPushButton>

namespace windows::qt {

class PushButton final : public QPushButton
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PushButton)

public:
    explicit PushButton(const QString &caption, QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

} // namespace windows::qt
