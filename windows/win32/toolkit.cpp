#include <windows/win32/system.h>
#include <windows/win32/toolkit.h>

#include <objbase.h>

namespace windows::win32 {

void initializeToolkit(HINSTANCE instance)
{
    // For the accessibility services; without them the program still works.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    static_cast<void>(com);

    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DefWindowProcW; // each form installs its own on creation
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                                        GetSystemMetrics(SM_CXSMICON),
                                                        GetSystemMetrics(SM_CYSMICON), 0));
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    windowClass.lpszClassName = kFormClass;
    if (!RegisterClassExW(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        reportFailure(L"The window class could not be registered.");
}

int run(const std::function<std::shared_ptr<void>()> &start)
{
    const std::shared_ptr<void> shown = start();
    MSG message;
    BOOL got;
    while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0)
        dispatchMessage(message);
    if (got < 0)
        reportFailure(L"The window messages could not be read.");
    return static_cast<int>(message.wParam);
}

} // namespace windows::win32
