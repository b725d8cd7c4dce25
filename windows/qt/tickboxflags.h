// The answer board's flag operations over the questionnaire window's tick boxes.
#pragma once

#include <questionnaire/flags.h>

#include <array>

namespace windows {

class TickBox;

class TickBoxFlags final : public questionnaire::Flags
{
public:
    // `boxes[n - 1]` is the box of CheckN.
    explicit TickBoxFlags(const std::array<TickBox *, 16> &boxes);

    bool isEnabled(const questionnaire::Option &option) const override;
    void setEnabled(const questionnaire::Option &option, bool enabled) override;
    void setTicked(const questionnaire::Option &option, bool ticked) override;

private:
    TickBox *box(const questionnaire::Option &option) const;

    std::array<TickBox *, 16> m_boxes;
};

} // namespace windows
