// A plain top-level window to hold the controls under test, destroyed with them.
#pragma once

#include <windows.h>

class HostWindow {
public:
    HostWindow()
        : m_hwnd(::CreateWindowExA(0, "STATIC", "host", WS_POPUP, 40, 40, 400, 200, nullptr, nullptr,
                                   ::GetModuleHandleA(nullptr), nullptr))
    {}
    ~HostWindow() { ::DestroyWindow(m_hwnd); }
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;

    HWND Handle() const { return m_hwnd; }

    // A child control of the given class, style and client size.
    HWND AddChild(const char* className, const char* text, DWORD style, int id, int width, int height)
    {
        return ::CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, 10, 10, width, height, m_hwnd,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleA(nullptr),
                                 nullptr);
    }

private:
    HWND m_hwnd;
};
