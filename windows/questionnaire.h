// What the questionnaire window does, the same over every toolkit: a tick
// box's click event goes to the answer board, "get individual program" opens
// the result window the board selects, "Clear Forms" clears the board, and
// assistive technology is told each box's place under the one-answer rule and
// what a click changed. A backend only reports its controls' clicks by index
// and carries out what this decides, through its FormView.
#pragma once

#include <windows/formview.h>

#include <questionnaire/board.h>
#include <questionnaire/flags.h>

#include <array>
#include <cstddef>

namespace windows {

class ResultWindows;

class Questionnaire
{
public:
    // `view` holds the loaded controls of the questionnaire's layout; their
    // clicks come here from now on, and each box is described at once.
    Questionnaire(FormView &view, ResultWindows &results);
    Questionnaire(const Questionnaire &) = delete;
    Questionnaire &operator=(const Questionnaire &) = delete;
    ~Questionnaire();

    const questionnaire::Board &board() const { return m_board; }

private:
    // The board's flags over the view's tick boxes.
    class BoxFlags final : public questionnaire::Flags
    {
    public:
        explicit BoxFlags(FormView &view);

        bool isEnabled(const questionnaire::Option &option) const override;
        void setEnabled(const questionnaire::Option &option, bool enabled) override;
        void setTicked(const questionnaire::Option &option, bool ticked) override;

        std::size_t control(const questionnaire::Option &option) const;

    private:
        FormView &m_view;
        std::array<std::size_t, 16> m_controls{}; // the control of CheckN at [N - 1]
    };

    // The click event of the layout's control at `control`.
    void controlClicked(std::size_t control);
    void tickBoxClicked(const questionnaire::Option &option);
    void clearForms();
    void describeRow(questionnaire::Group group);

    FormView &m_view;
    ResultWindows &m_results;
    BoxFlags m_flags;
    questionnaire::Board m_board;
};

} // namespace windows
