// The viewer start's baseline: a bare Win32 program with no framework that shows one window
// and draws a line of text in it, closed by WM_CLOSE.
#include <windows.h>

namespace {

constexpr char kClassName[] = "GlyphoraBareWindow";
constexpr char kText[] = "A bare window";

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = ::BeginPaint(window, &paint);
        RECT client;
        ::GetClientRect(window, &client);
        ::DrawTextA(dc, kText, -1, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        ::EndPaint(window, &paint);
        return 0;
    }
    case WM_DESTROY:
        ::PostQuitMessage(0);
        return 0;
    default:
        return ::DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show)
{
    WNDCLASSA windowClass {};
    windowClass.lpfnWndProc = &WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kClassName;
    if (!::RegisterClassA(&windowClass))
        return 1;
    HWND window = ::CreateWindowA(kClassName, kText, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 640, 480,
                                  nullptr, nullptr, instance, nullptr);
    if (window == nullptr)
        return 1;
    ::ShowWindow(window, show);
    ::UpdateWindow(window);
    MSG message;
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
