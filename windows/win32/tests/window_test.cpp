// What only the Win32 windows have, in process, under Wine on an X display,
// beyond the contract every backend keeps: window styles and the icon, the
// fonts the form asks Windows for, the system colours and lines as drawn, the
// layout at 144 dots per inch, what an Active Accessibility client reads, and
// failures shown before the program ends.
#include <windows/questionnairelayout.h>
#include <windows/questionnairewindowof.h>
#include <windows/resultlayouts.h>
#include <windows/win32/form.h>
#include <windows/win32/system.h>
#include <windows/win32/toolkit.h>

#include <content/programtext.h>
#include <questionnaire/option.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <oleacc.h>
#include <string>
#include <string_view>
#include <vector>
#include <windows.h>

namespace {

using namespace windows;
using namespace windows::win32;
using questionnaire::ResultKind;

void pump()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT)
            continue; // a window of an earlier test was the last one open
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

std::wstring textOf(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::wstring wide(std::string_view text)
{
    return {text.begin(), text.end()};
}

RECT placeOf(HWND control)
{
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT *>(&rect), 2);
    return rect;
}

SIZE clientSize(HWND window)
{
    RECT rect;
    GetClientRect(window, &rect);
    return {rect.right, rect.bottom};
}

LOGFONTW fontOf(HWND control)
{
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font,
               &font);
    return font;
}

COLORREF pixel(HWND window, int x, int y)
{
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    HDC dc = GetDC(window);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return colour;
}

void click(HWND control)
{
    SendMessageW(control, BM_CLICK, 0, 0);
    pump();
}

class Win32WindowTest : public testing::Test
{
protected:
    void SetUp() override
    {
        questionnaire.show();
        pump();
    }
    void TearDown() override { pump(); }

    HWND control(std::string_view name) { return questionnaire.form().control(name); }
    HWND box(int number) { return control(questionnaire::optionNumber(number).name); }

    QuestionnaireWindowOf<Form> questionnaire;
};

TEST_F(Win32WindowTest, QuestionnaireHasItsStylesFontsAndIcon)
{
    HWND window = questionnaire.form().window();
    EXPECT_EQ(textOf(window), L"Orvane");
    const SIZE client = clientSize(window);
    EXPECT_EQ(client.cx, 690);
    EXPECT_EQ(client.cy, 416);
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    EXPECT_NE(GetClassLongPtrW(window, GCLP_HICON), 0);

    const LONG_PTR boxStyle = GetWindowLongPtrW(box(16), GWL_STYLE);
    EXPECT_EQ(boxStyle & BS_TYPEMASK, BS_AUTOCHECKBOX);
    EXPECT_TRUE(boxStyle & BS_MULTILINE);
    EXPECT_NE(GetWindowLongPtrW(control("Command1"), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);

    // 8.25 pt is 11 pixels, 9.75 pt 13, 24 pt 32, at 96 dpi.
    const LOGFONTW plain = fontOf(box(1));
    EXPECT_EQ(plain.lfHeight, -11);
    EXPECT_EQ(std::wstring(plain.lfFaceName), L"MS Sans Serif");
    EXPECT_LT(plain.lfWeight, FW_BOLD);
    const LOGFONTW heading = fontOf(control("Label2"));
    EXPECT_EQ(heading.lfHeight, -13);
    EXPECT_EQ(heading.lfWeight, FW_BOLD);
    EXPECT_EQ(heading.lfCharSet, RUSSIAN_CHARSET);
    const LOGFONTW instruction = fontOf(control("Label1"));
    EXPECT_TRUE(instruction.lfItalic);
    const LOGFONTW banner = fontOf(control("Label6"));
    EXPECT_EQ(banner.lfHeight, -32);
    EXPECT_EQ(std::wstring(banner.lfFaceName), L"One Stroke Script LET");
    EXPECT_EQ(banner.lfCharSet, ANSI_CHARSET);
}

TEST_F(Win32WindowTest, SystemColoursAndLinesAreDrawn)
{
    HWND window = questionnaire.form().window();
    // Near the bottom right corner, clear of the text and of a button's edge.
    const auto inside = [&](std::string_view name) {
        const RECT place = placeOf(control(name));
        return pixel(window, place.right - 4, place.bottom - 4);
    };
    EXPECT_EQ(inside("Label2"), GetSysColor(COLOR_3DLIGHT));
    EXPECT_EQ(inside("Command2"), GetSysColor(COLOR_INFOBK));
    EXPECT_EQ(inside("Check7"), toColorRef(SystemColour::InactiveCaptionText));
    EXPECT_EQ(pixel(window, 5, 5), GetSysColor(COLOR_3DLIGHT));
    // Line1 runs along y = 312 from x = 16 to 528; Line3 down x = 680.
    EXPECT_EQ(pixel(window, 100, 312), GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(pixel(window, 680, 300), GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_NE(pixel(window, 100, 314), GetSysColor(COLOR_WINDOWTEXT));
}

// The notice's face, and program text boxes that wrap their text and can be
// typed in: what the sizing frame and the text of result windows leave to Win32.
TEST(Win32ResultWindowTest, NoticeFaceAndEditableTextBoxes)
{
    for (ResultKind kind : questionnaire::kResultKinds) {
        Form form(resultForm(kind));
        form.load();
        if (kind == ResultKind::Form4) {
            const LOGFONTW font = fontOf(form.control("Label1"));
            EXPECT_EQ(font.lfHeight, -24);
            EXPECT_TRUE(font.lfItalic);
        } else {
            EXPECT_FALSE(GetWindowLongPtrW(form.control("Text1"), GWL_STYLE) &
                         (WS_VSCROLL | ES_READONLY | ES_AUTOHSCROLL))
                << questionnaire::formName(kind);
        }
    }
}

// What an Active Accessibility client sees of one object, as far as Wine
// implements it: Wine reports buttons and labels with the role "client" and
// leaves out the checked state, and its objects do not show the texts the
// program annotates (the contract suite reads those at the annotation service).
struct Seen
{
    std::wstring name;
    long role = 0;
};

// Stated here: MinGW-w64's IID_IAccessible is wrong.
constexpr GUID kIAccessible{
    0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

Seen seenOf(IAccessible *accessible)
{
    Seen seen;
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    if (BSTR name = nullptr; SUCCEEDED(accessible->get_accName(self, &name)) && name) {
        seen.name = name;
        SysFreeString(name);
    }
    VARIANT role;
    VariantInit(&role);
    if (SUCCEEDED(accessible->get_accRole(self, &role)) && role.vt == VT_I4)
        seen.role = role.lVal;
    return seen;
}

IAccessible *clientOf(HWND window)
{
    IAccessible *client = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), kIAccessible,
                                          reinterpret_cast<void **>(&client))))
        return nullptr;
    return client;
}

// The client area of a window and its children's, as a screen reader walks them.
std::vector<Seen> accessibleTree(HWND window)
{
    std::vector<Seen> tree;
    IAccessible *client = clientOf(window);
    if (!client)
        return tree;
    tree.push_back(seenOf(client));
    long count = 0;
    client->get_accChildCount(&count);
    std::vector<VARIANT> children(static_cast<std::size_t>(count));
    long got = 0;
    if (count > 0 && SUCCEEDED(AccessibleChildren(client, 0, count, children.data(), &got))) {
        for (long i = 0; i < got; ++i) {
            VARIANT &child = children[static_cast<std::size_t>(i)];
            if (child.vt != VT_DISPATCH)
                continue;
            // Each child is its window's object; what it says stands in its client area.
            IAccessible *object = nullptr;
            HWND childWindow = nullptr;
            if (SUCCEEDED(child.pdispVal->QueryInterface(kIAccessible,
                                                         reinterpret_cast<void **>(&object)))) {
                WindowFromAccessibleObject(object, &childWindow);
                object->Release();
            }
            child.pdispVal->Release();
            if (IAccessible *childClient = childWindow ? clientOf(childWindow) : nullptr) {
                tree.push_back(seenOf(childClient));
                childClient->Release();
            }
        }
    }
    client->Release();
    return tree;
}

TEST_F(Win32WindowTest, AccessibilityClientReadsCaptionsAndAnnouncements)
{
    const std::vector<Seen> tree = accessibleTree(questionnaire.form().window());
    ASSERT_FALSE(tree.empty());
    EXPECT_EQ(tree.front().name, L"Orvane");
    const auto named = [&](std::string_view caption) {
        return std::ranges::count(tree, wide(caption), &Seen::name);
    };
    for (const questionnaire::Option &option : questionnaire::options())
        EXPECT_EQ(named(option.caption), 1) << option.caption;
    EXPECT_EQ(named("get individual program"), 1);
    EXPECT_EQ(named("Clear Forms"), 1);

    // An answered row is announced through an object whose name is the sentence.
    click(box(11));
    HWND announcer = questionnaire.form().announcer();
    ASSERT_NE(announcer, nullptr);
    const std::vector<Seen> spoken = accessibleTree(announcer);
    ASSERT_FALSE(spoken.empty());
    EXPECT_EQ(spoken.front().name, L"Sex answered; its other boxes are greyed until Clear Forms.");
}

TEST(Win32ToolkitTest, LayoutFollowsTheMonitorsDotsPerInch)
{
    Form form(questionnaireForm());
    form.load();
    RECT suggested;
    GetWindowRect(form.window(), &suggested);
    SendMessageW(form.window(), WM_DPICHANGED, MAKEWPARAM(144, 144),
                 reinterpret_cast<LPARAM>(&suggested));
    // 10 twips a pixel. (The height depends on the caption bar, which only a
    // real change of monitor scales.)
    EXPECT_EQ(clientSize(form.window()).cx, 10350 / 10);
    const RECT place = placeOf(form.control("Command2"));
    EXPECT_EQ(place.left, 876);
    EXPECT_EQ(place.bottom - place.top, 85);
    EXPECT_EQ(fontOf(form.control("Check1")).lfHeight, -17); // 8.25 pt
}

// A child run of this program in which a window function of user32 fails, as
// on a system out of resources: the import of `function` is replaced.
template<typename Function>
bool replaceImport(const char *function, Function replacement, Function *original = nullptr)
{
    auto *base = reinterpret_cast<BYTE *>(GetModuleHandleW(nullptr));
    const auto *dos = reinterpret_cast<const IMAGE_DOS_HEADER *>(base);
    const auto *nt = reinterpret_cast<const IMAGE_NT_HEADERS *>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY &imports =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto *module =
             reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR *>(base + imports.VirtualAddress);
         module->Name; ++module) {
        auto *names = reinterpret_cast<const IMAGE_THUNK_DATA *>(base + module->OriginalFirstThunk);
        auto *slots = reinterpret_cast<IMAGE_THUNK_DATA *>(base + module->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal))
                continue;
            const auto *byName =
                reinterpret_cast<const IMAGE_IMPORT_BY_NAME *>(base + names->u1.AddressOfData);
            if (std::string_view(reinterpret_cast<const char *>(byName->Name)) != function)
                continue;
            if (original)
                *original = reinterpret_cast<Function>(slots->u1.Function);
            DWORD old;
            VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, PAGE_READWRITE, &old);
            slots->u1.Function = reinterpret_cast<ULONG_PTR>(replacement);
            VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, old, &old);
            return true;
        }
    }
    return false;
}

ATOM WINAPI failingRegisterClass(const WNDCLASSEXW *)
{
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return 0;
}

using CreateWindowFunction = HWND(WINAPI *)(DWORD, LPCWSTR, LPCWSTR, DWORD, int, int, int, int,
                                            HWND, HMENU, HINSTANCE, LPVOID);
CreateWindowFunction gCreateWindow = nullptr;

HWND WINAPI failingButtons(DWORD exStyle, LPCWSTR type, LPCWSTR name, DWORD style, int x, int y,
                           int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                           LPVOID parameter)
{
    if (!IS_INTRESOURCE(type) && _wcsicmp(type, L"BUTTON") == 0) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    return gCreateWindow(exStyle, type, name, style, x, y, width, height, parent, menu, instance,
                         parameter);
}

// The child's part: start as the program does, with one function failing.
int startFailing(std::string_view what)
{
    if (what == "class" && !replaceImport("RegisterClassExW", &failingRegisterClass))
        return 3;
    if (what == "control" &&
        !replaceImport<CreateWindowFunction>("CreateWindowExW", &failingButtons, &gCreateWindow))
        return 3;
    initializeToolkit(GetModuleHandleW(nullptr));
    QuestionnaireWindowOf<Form> questionnaire;
    questionnaire.show();
    return 0; // not reached: the failure ends the process
}

struct FailureSeen
{
    std::wstring caption;
    std::wstring text;
    DWORD exitCode = STILL_ACTIVE;
};

struct MessageBoxSearch
{
    DWORD process;
    HWND box = nullptr;
};

BOOL CALLBACK findMessageBox(HWND window, LPARAM found)
{
    auto *search = reinterpret_cast<MessageBoxSearch *>(found);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    std::array<wchar_t, 16> type{};
    GetClassNameW(window, type.data(), static_cast<int>(type.size()));
    if (process == search->process && IsWindowVisible(window) &&
        std::wstring_view(type.data()) == L"#32770") {
        search->box = window;
        return FALSE;
    }
    return TRUE;
}

// Runs the child and answers the message box it shows, if it shows one.
FailureSeen runFailing(const char *what)
{
    std::array<wchar_t, MAX_PATH> self{};
    GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size()));
    std::wstring command = L"\"" + std::wstring(self.data()) + L"\" --fail-to-create=";
    command += wide(what);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION child{};
    FailureSeen seen;
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &child))
        return seen;

    MessageBoxSearch search{child.dwProcessId};
    const auto findBox = [&] {
        EnumWindows(&findMessageBox, reinterpret_cast<LPARAM>(&search));
        return search.box != nullptr;
    };
    const ULONGLONG deadline = GetTickCount64() + 60'000;
    while (!findBox() && WaitForSingleObject(child.hProcess, 50) == WAIT_TIMEOUT &&
           GetTickCount64() < deadline) {
    }
    if (search.box) {
        seen.caption = textOf(search.box);
        seen.text = textOf(GetDlgItem(search.box, 0xFFFF)); // a message box's text
        PostMessageW(search.box, WM_COMMAND, IDOK, 0);
    }
    if (WaitForSingleObject(child.hProcess, 60'000) != WAIT_OBJECT_0)
        TerminateProcess(child.hProcess, 99);
    GetExitCodeProcess(child.hProcess, &seen.exitCode);
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
    return seen;
}

TEST(Win32ToolkitTest, FailuresToCreateAreShownBeforeTheProgramEnds)
{
    for (const char *what : {"class", "control"}) {
        SCOPED_TRACE(what);
        const FailureSeen seen = runFailing(what);
        EXPECT_EQ(seen.caption, L"Trimvale");
        EXPECT_NE(seen.text.find(L"could not be"), std::wstring::npos);
        EXPECT_NE(seen.text.find(L"cannot go on"), std::wstring::npos);
        EXPECT_EQ(seen.exitCode, 1u);
    }
}

} // namespace

int main(int argc, char **argv)
{
    constexpr std::string_view failOption = "--fail-to-create=";
    if (argc == 2 && std::string_view(argv[1]).starts_with(failOption))
        return startFailing(std::string_view(argv[1]).substr(failOption.size()));
    testing::InitGoogleTest(&argc, argv);
    windows::win32::initializeToolkit(GetModuleHandleW(nullptr));
    return RUN_ALL_TESTS();
}
