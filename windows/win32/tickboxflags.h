// The answer board's flag operations over the questionnaire's tick boxes, the
// standard check boxes of a loaded Form. Writing a different value raises the
// box's click event, as the toolkit does.
#pragma once

#include <questionnaire/flags.h>

namespace windows {

class Form;

class TickBoxFlags final : public questionnaire::Flags
{
public:
    explicit TickBoxFlags(Form &form);

    bool isEnabled(const questionnaire::Option &option) const override;
    void setEnabled(const questionnaire::Option &option, bool enabled) override;
    void setTicked(const questionnaire::Option &option, bool ticked) override;

private:
    Form &m_form;
};

} // namespace windows
