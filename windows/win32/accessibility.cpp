#include <windows/win32/accessibility.h>

#include <array>
#include <oleacc.h>
#include <string>

namespace windows::win32 {

namespace {

constexpr std::array kEveryProperty{kName, kDescription, kHelp, kRole};

// Created on first use, once, for the whole process. A system without the
// service only loses what it would add: the program works on.
IAccPropServices *services()
{
    static IAccPropServices *const instance = [] {
        void *created = nullptr;
        if (FAILED(CoCreateInstance(kAccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                    kIAccPropServices, &created)))
            return static_cast<IAccPropServices *>(nullptr);
        return static_cast<IAccPropServices *>(created);
    }();
    return instance;
}

const GUID &property(AccessibleText what)
{
    switch (what) {
    case AccessibleText::Name:
        return kName;
    case AccessibleText::Description:
        return kDescription;
    case AccessibleText::Help:
        return kHelp;
    }
    return kName;
}

} // namespace

void setAccessibleText(HWND window, AccessibleText what, std::wstring_view text)
{
    if (IAccPropServices *annotations = services()) {
        const std::wstring terminated(text);
        annotations->SetHwndPropStr(window, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                    property(what), terminated.c_str());
    }
}

void setAccessibleRole(HWND window, long role)
{
    if (IAccPropServices *annotations = services()) {
        VARIANT value{};
        value.vt = VT_I4;
        value.lVal = role;
        annotations->SetHwndProp(window, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, kRole,
                                 value);
    }
}

void clearAccessibleProperties(HWND window)
{
    if (IAccPropServices *annotations = services()) {
        annotations->ClearHwndProps(window, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                    kEveryProperty.data(), static_cast<int>(kEveryProperty.size()));
    }
}

void notifyAccessibleEvent(DWORD event, HWND window)
{
    NotifyWinEvent(event, window, OBJID_CLIENT, CHILDID_SELF);
}

} // namespace windows::win32
