// A test double for the tick boxes: the sixteen options' ticked and enabled
// flags held in memory, behaving as the window's tick boxes do: a click on a
// greyed option does nothing, any other click toggles the tick and is
// reported to the click handler.
#pragma once

#include <questionnaire/flags.h>

#include <array>
#include <functional>

namespace testsupport {

class MemoryFlags final : public questionnaire::Flags
{
public:
    // Whether a tick changed by setTicked is reported as a click, as the
    // platform's tick boxes do, or only clicks by the user are.
    enum class Reports
    {
        EveryChange,
        UserClicksOnly
    };

    using ClickHandler = std::function<void(const questionnaire::Option &)>;

    explicit MemoryFlags(Reports reports = Reports::EveryChange);

    bool isEnabled(const questionnaire::Option &option) const override;
    void setEnabled(const questionnaire::Option &option, bool enabled) override;
    void setTicked(const questionnaire::Option &option, bool ticked) override;

    bool isTicked(const questionnaire::Option &option) const;

    // A mouse click or a space bar press on the option's box.
    void click(const questionnaire::Option &option);

    void setClickHandler(ClickHandler handler);

private:
    void report(const questionnaire::Option &option);

    Reports m_reports;
    ClickHandler m_clickHandler;
    std::array<bool, 16> m_ticked{};
    std::array<bool, 16> m_enabled{};
};

} // namespace testsupport
