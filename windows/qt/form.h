// The forms toolkit over Qt Widgets: build a
// window and its controls from a FormDescription, show a window modeless and
// in front, and a Form that loads its window on demand and loses it when the
// user closes it.
#pragma once

#include <windows/formdescription.h>
#include <windows/formwindow.h>

#include <QtCore/QPointer>
#include <QtWidgets/QWidget>

#include <cstddef>
#include <functional>
#include <vector>

namespace windows::qt {

// Sets up the application-wide look the windows are designed for: style,
// default font, the faces that stand in for the platform's, greyed text.
// Call once, after the QApplication exists.
void initializeToolkit();

// Gives `window` the caption, frame, size and colours of the description and
// creates its controls, each with its control name as object name. Returns
// the controls in the description's order.
std::vector<QWidget *> buildForm(QWidget *window, const FormDescription &description);

// Calls `handler` with a control's index after each click event of a tick
// box or push button among `controls`.
void connectClicks(const std::vector<QWidget *> &controls, QObject *context,
                   const std::function<void(std::size_t)> &handler);

// Moves a window that is not shown yet to the centre of its screen.
void centreOnScreen(QWidget *window);

// Shows a window modeless, restores it if minimized, brings it to the front and activates it.
void showInFront(QWidget *window);

// A window loaded on demand from its description; the user's close destroys
// it and unloads the form at once.
class Form final : public FormWindow
{
    Q_DISABLE_COPY_MOVE(Form)

public:
    explicit Form(const FormDescription &description);
    ~Form() override;

    bool isLoaded() const override;
    void load() override;
    void showInFront() override;

    // The open window, or nullptr.
    QWidget *window() const;

private:
    const FormDescription &m_description;
    QPointer<QWidget> m_window;
};

} // namespace windows::qt
