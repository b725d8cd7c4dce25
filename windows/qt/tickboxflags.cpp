#include <windows/qt/tickbox.h>
#include <windows/qt/tickboxflags.h>

#include <questionnaire/option.h>

namespace windows {

TickBoxFlags::TickBoxFlags(const std::array<TickBox *, 16> &boxes)
    : m_boxes(boxes)
{}

TickBox *TickBoxFlags::box(const questionnaire::Option &option) const
{
    return m_boxes.at(static_cast<std::size_t>(option.number - 1));
}

bool TickBoxFlags::isEnabled(const questionnaire::Option &option) const
{
    return box(option)->isEnabled();
}

void TickBoxFlags::setEnabled(const questionnaire::Option &option, bool enabled)
{
    box(option)->setEnabled(enabled);
}

void TickBoxFlags::setTicked(const questionnaire::Option &option, bool ticked)
{
    box(option)->setChecked(ticked);
}

} // namespace windows
