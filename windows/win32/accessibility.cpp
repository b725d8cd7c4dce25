#include <windows/win32/accessibility.h>

#include <array>
#include <oleacc.h>
#include <string>

namespace windows::win32 {

namespace {

// Stated here rather than taken from MinGW-w64's import libraries, some of
// whose accessibility GUIDs are wrong.
constexpr GUID kAccPropServices{
    0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
constexpr GUID kIAccPropServices{
    0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
constexpr GUID kName{0x608d3df8, 0x8128, 0x4aa7, {0xa4, 0x28, 0xf5, 0x5e, 0x49, 0x26, 0x72, 0x91}};
constexpr GUID kDescription{
    0x4d48dfe4, 0xbd3f, 0x491f, {0xa6, 0x48, 0x49, 0x2d, 0x6f, 0x20, 0xc5, 0x88}};
constexpr GUID kHelp{0xc831e11f, 0x44db, 0x4a99, {0x97, 0x68, 0xcb, 0x8f, 0x97, 0x8b, 0x72, 0x31}};
constexpr GUID kRole{0xcb905ff2, 0x7bd1, 0x4c05, {0xb3, 0xc8, 0xe6, 0xc2, 0x41, 0x36, 0x4d, 0x70}};

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
