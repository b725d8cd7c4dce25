// A window of the forms toolkit over Qt Widgets: loaded on demand from its
// description (a top-level widget and its controls, laid out in twips),
// shown modeless and in front, and destroyed when the user closes it. Its
// controls are kept by their index in the description; tick boxes and push
// buttons report their click events by that index.
#pragma once

#include <windows/formdescription.h>
#include <windows/formview.h>
#include <windows/formwindow.h>

#include <QtCore/QPointer>
#include <QtWidgets/QWidget>

#include <cstddef>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

namespace windows::qt {

class Announcer;

// Gives `window` the caption, frame, size and colours of the description and
// creates its controls, each with its control name as object name. Returns
// the controls in the description's order.
std::vector<QWidget *> buildForm(QWidget *window, const FormDescription &description);

class Form final : public FormWindow, public FormView
{
    Q_DISABLE_COPY_MOVE(Form)

public:
    explicit Form(const FormDescription &description);
    ~Form() override;

    bool isLoaded() const override;
    void load() override;
    void showInFront() override;

    void setClickHandler(ClickHandler handler) override { m_onClick = std::move(handler); }
    bool isEnabled(std::size_t control) const override;
    void setEnabled(std::size_t control, bool enabled) override;
    void setTicked(std::size_t control, bool ticked) override;
    void describe(std::size_t control, std::string_view description) override;
    void group(std::size_t heading, std::span<const std::size_t> members) override;
    void announce(std::string_view sentence) override;

    const FormDescription &description() const { return m_description; }

    // The open window, or nullptr.
    QWidget *window() const;

    // A control of the open window by its index, or nullptr.
    QWidget *control(std::size_t index) const;

private:
    void unload();

    const FormDescription &m_description;
    QPointer<QWidget> m_window;
    std::vector<QWidget *> m_controls; // by index, while the window is open
    std::unique_ptr<Announcer> m_announcer;
    ClickHandler m_onClick;
};

} // namespace windows::qt
