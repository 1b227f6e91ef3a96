// CFrameWnd's help mode: the frame holds the mouse until a click names a window, which
// answers WM_HELPHITTEST with the help id to show.
#include "docview/FrameWnd.h"

#include "win/MessageMap.h"
#include "win/WndLifeGuard.h"

namespace {
// A click on a window that has nothing to explain.
constexpr LRESULT kNoHelpHere = -1;

BOOL IsHelpCancel(const MSG& msg)
{
    return (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) || msg.message == WM_RBUTTONDOWN ||
        msg.message == WM_NCRBUTTONDOWN;
}

BOOL IsMouseOrKey(UINT message)
{
    return (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
        (message >= WM_NCMOUSEMOVE && message <= WM_NCXBUTTONDBLCLK) ||
        (message >= WM_KEYFIRST && message <= WM_KEYLAST);
}
}  // namespace

BOOL CFrameWnd::CanEnterHelpMode()
{
    return !m_bHelpMode && ::IsWindow(m_hWnd) && ::GetCapture() == nullptr;
}

void CFrameWnd::OnContextHelp()
{
    if (!CanEnterHelpMode())
        return;
    const CWndLifeGuard self(this);
    m_bHelpMode = TRUE;
    DWORD_PTR dwContext = 0;
    const BOOL bClicked = TrackHelpClick(&dwContext);
    // The loop ran messages: the frame may be gone, or be on its window no more.
    if (!self.HoldsSameWindow())
        return;
    m_bHelpMode = FALSE;
    if (!bClicked)
        return;
    if (dwContext != 0)
        WinHelp(dwContext, HELP_CONTEXT);
    else
        WinHelp(0, HELP_INDEX);
}

BOOL CFrameWnd::TrackHelpClick(DWORD_PTR* pdwContext)
{
    const HWND hWnd = m_hWnd;
    const HCURSOR hCursor = ::LoadCursorA(nullptr, IDC_HELP);
    ::SetCapture(hWnd);
    ::SetCursor(hCursor);
    BOOL bClicked = FALSE;
    while (::GetCapture() == hWnd) {
        MSG msg;
        if (!::GetMessageA(&msg, nullptr, 0, 0)) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (IsHelpCancel(msg))
            break;
        if (msg.message == WM_LBUTTONDOWN || msg.message == WM_NCLBUTTONDOWN) {
            // Under the capture a client click counts from the frame; a non-client one from the screen.
            POINT pt = {static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam))};
            if (msg.message == WM_LBUTTONDOWN)
                ::ClientToScreen(msg.hwnd, &pt);
            bClicked = HelpHitTest(pt, pdwContext);
            break;
        }
        if (IsMouseOrKey(msg.message)) {
            ::SetCursor(hCursor);
            continue;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    if (::GetCapture() == hWnd)
        ::ReleaseCapture();
    return bClicked;
}

BOOL CFrameWnd::HelpHitTest(POINT ptScreen, DWORD_PTR* pdwContext)
{
    *pdwContext = 0;
    const HWND hWndHit = ::WindowFromPoint(ptScreen);
    if (hWndHit == nullptr || ::GetWindowThreadProcessId(hWndHit, nullptr) != ::GetCurrentThreadId())
        return FALSE;
    for (HWND hWndAsk = hWndHit; hWndAsk != nullptr; hWndAsk = ::GetParent(hWndAsk)) {
        POINT pt = ptScreen;
        ::ScreenToClient(hWndAsk, &pt);
        const LRESULT lResult = ::SendMessageA(hWndAsk, WM_HELPHITTEST, 0, MAKELPARAM(pt.x, pt.y));
        if (lResult == kNoHelpHere)
            break;
        if (lResult != 0) {
            *pdwContext = static_cast<DWORD_PTR>(lResult);
            break;
        }
        if (hWndAsk == m_hWnd)
            break;
    }
    return TRUE;
}
