#include "TestHostWnd.h"

BOOL CTestHostWnd::CreateHost(int cx, int cy, LPCSTR lpszTitle)
{
    const DWORD dwStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN | WS_VISIBLE;
    RECT rect = {0, 0, cx, cy};
    ::AdjustWindowRectEx(&rect, dwStyle, FALSE, 0);
    LPCSTR lpszClass = RegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)),
                                        ::GetSysColorBrush(COLOR_BTNFACE));
    return CreateEx(0, lpszClass, lpszTitle, dwStyle, 40, 40, rect.right - rect.left, rect.bottom - rect.top, nullptr,
                    nullptr);
}
