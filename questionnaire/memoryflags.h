// Ticked and enabled flags of the sixteen options held in memory, behaving as
// the window's tick boxes do: a click on a greyed option does nothing, any
// other click toggles the tick and is reported to the click handler.
#pragma once

#include <questionnaire/flags.h>

#include <array>
#include <functional>

namespace questionnaire {

class MemoryFlags final : public Flags
{
public:
    // Whether a tick changed by setTicked is reported as a click, as the
    // platform's tick boxes do, or only clicks by the user are.
    enum class Reports
    {
        EveryChange,
        UserClicksOnly
    };

    using ClickHandler = std::function<void(const Option &)>;

    explicit MemoryFlags(Reports reports = Reports::EveryChange);

    bool isEnabled(const Option &option) const override;
    void setEnabled(const Option &option, bool enabled) override;
    void setTicked(const Option &option, bool ticked) override;

    bool isTicked(const Option &option) const;

    // A mouse click or a space bar press on the option's box.
    void click(const Option &option);

    void setClickHandler(ClickHandler handler);

private:
    void report(const Option &option);

    Reports m_reports;
    ClickHandler m_clickHandler;
    std::array<bool, 16> m_ticked{};
    std::array<bool, 16> m_enabled{};
};

} // namespace questionnaire
