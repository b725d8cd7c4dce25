#include <windows/win32/form.h>
#include <windows/win32/tickboxflags.h>
#include <windows/win32/toolkit.h>

#include <questionnaire/option.h>

namespace windows {

namespace {

HWND box(const Form &form, const questionnaire::Option &option)
{
    HWND window = form.control(option.name);
    if (!window)
        reportFailure(L"The tick box " + toWide(option.name) + L" is not there.");
    return window;
}

} // namespace

TickBoxFlags::TickBoxFlags(Form &form)
    : m_form(form)
{}

bool TickBoxFlags::isEnabled(const questionnaire::Option &option) const
{
    return IsWindowEnabled(box(m_form, option));
}

void TickBoxFlags::setEnabled(const questionnaire::Option &option, bool enabled)
{
    EnableWindow(box(m_form, option), enabled);
}

void TickBoxFlags::setTicked(const questionnaire::Option &option, bool ticked)
{
    HWND window = box(m_form, option);
    const bool wasTicked = SendMessageW(window, BM_GETCHECK, 0, 0) == BST_CHECKED;
    if (wasTicked == ticked)
        return;
    SendMessageW(window, BM_SETCHECK, ticked ? BST_CHECKED : BST_UNCHECKED, 0);
    m_form.raiseClick(option.name);
}

} // namespace windows
