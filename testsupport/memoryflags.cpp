#include <testsupport/memoryflags.h>

#include <questionnaire/option.h>

#include <utility>

namespace testsupport {

namespace {

std::size_t slot(const questionnaire::Option &option)
{
    return static_cast<std::size_t>(option.number - 1);
}

} // namespace

MemoryFlags::MemoryFlags(Reports reports)
    : m_reports(reports)
{
    m_enabled.fill(true);
}

bool MemoryFlags::isEnabled(const questionnaire::Option &option) const
{
    return m_enabled.at(slot(option));
}

void MemoryFlags::setEnabled(const questionnaire::Option &option, bool enabled)
{
    m_enabled.at(slot(option)) = enabled;
}

void MemoryFlags::setTicked(const questionnaire::Option &option, bool ticked)
{
    bool &current = m_ticked.at(slot(option));
    if (current == ticked)
        return;
    current = ticked;
    if (m_reports == Reports::EveryChange)
        report(option);
}

bool MemoryFlags::isTicked(const questionnaire::Option &option) const
{
    return m_ticked.at(slot(option));
}

void MemoryFlags::click(const questionnaire::Option &option)
{
    if (!isEnabled(option))
        return;
    m_ticked.at(slot(option)) = !isTicked(option);
    report(option);
}

void MemoryFlags::setClickHandler(ClickHandler handler)
{
    m_clickHandler = std::move(handler);
}

void MemoryFlags::report(const questionnaire::Option &option)
{
    if (m_clickHandler)
        m_clickHandler(option);
}

} // namespace testsupport
