#pragma once

#include <windows.h>

// A plain top-level window of a class with its own DC, for the window DC
// and menu tests. The window procedure is given by the test.
class TestWindow {
public:
    explicit TestWindow(WNDPROC proc)
    {
        WNDCLASSA wc = {};
        wc.style = CS_OWNDC;
        wc.lpfnWndProc = proc;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = kClassName;
        ::UnregisterClassA(kClassName, wc.hInstance);
        ::RegisterClassA(&wc);
        hWnd = ::CreateWindowExA(0, kClassName, "gdi test", WS_POPUP | WS_BORDER, 10, 10, 200, 150, nullptr, nullptr,
                                 wc.hInstance, nullptr);
    }
    ~TestWindow()
    {
        ::DestroyWindow(hWnd);
        ::UnregisterClassA(kClassName, ::GetModuleHandleA(nullptr));
    }
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    HWND hWnd = nullptr;

private:
    static constexpr const char* kClassName = "FwGdiTestWindow";
};
