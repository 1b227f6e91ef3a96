#include "win/WinThread.h"
#include "win/ThreadState.h"
#include "win/WinApp.h"
#include "win/Wnd.h"

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)

CWinThread* FwGetThread()
{
    FwThreadState* t = FwGetThreadState();
    return t->pThread;
}

int CWinThread::ExitInstance()
{
    return (int)m_msgCur.wParam;
}

CWnd* CWinThread::GetMainWnd()
{
    return m_pMainWnd;
}

static BOOL DefaultPreTranslate(CWnd* pMainWnd, MSG* pMsg)
{
    HWND hWndMain = pMainWnd ? pMainWnd->m_hWnd : nullptr;
    if (CWnd::WalkPreTranslateTree(hWndMain, pMsg))
        return TRUE;
    // Modeless windows outside the main window still see its accelerators.
    if (hWndMain && pMsg->hwnd) {
        HWND hWnd = pMsg->hwnd;
        while (hWnd && hWnd != hWndMain)
            hWnd = ::GetParent(hWnd);
        if (!hWnd)
            return pMainWnd->PreTranslateMessage(pMsg);
    }
    return FALSE;
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg)
{
    return DefaultPreTranslate(GetMainWnd(), pMsg);
}

static BOOL PumpOne(MSG* pMsg, CWinThread* pThread)
{
    BOOL bGot = ::GetMessageA(pMsg, nullptr, 0, 0) > 0;
    FwGetThreadState()->msgCur = *pMsg;
    if (!bGot)
        return FALSE;
    BOOL bDone = pThread ? pThread->PreTranslateMessage(pMsg) : DefaultPreTranslate(nullptr, pMsg);
    if (!bDone) {
        ::TranslateMessage(pMsg);
        ::DispatchMessageA(pMsg);
    }
    return TRUE;
}

BOOL CWinThread::PumpMessage()
{
    return PumpOne(&m_msgCur, this);
}

BOOL FwPumpMessage()
{
    if (CWinThread* pThread = FwGetThread())
        return pThread->PumpMessage();
    MSG msg;
    return PumpOne(&msg, nullptr);
}

BOOL FwPreTranslateMessage(MSG* pMsg)
{
    if (CWinThread* pThread = FwGetThread())
        return pThread->PreTranslateMessage(pMsg);
    return DefaultPreTranslate(nullptr, pMsg);
}

BOOL CWinThread::IsIdleMessage(MSG* pMsg)
{
    return FwIsIdleMessage(pMsg);
}

BOOL FwIsIdleMessage(MSG* pMsg)
{
    FwThreadState* t = FwGetThreadState();
    if (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_NCMOUSEMOVE) {
        // Mouse moves that do not move anything do not restart idle work.
        if (t->nMsgLast == pMsg->message && t->ptCursorLast.x == pMsg->pt.x && t->ptCursorLast.y == pMsg->pt.y)
            return FALSE;
        t->ptCursorLast = pMsg->pt;
        t->nMsgLast = pMsg->message;
        return TRUE;
    }
    return pMsg->message != WM_PAINT && pMsg->message != WM_SYSTIMER;  // nor do painting and caret blinks
}

static BOOL CALLBACK UpdateFrameProc(HWND hWnd, LPARAM)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd && pWnd->IsFrameWnd() && ::IsWindowVisible(hWnd) && !::IsIconic(hWnd)) {
        ::SendMessageA(hWnd, WM_IDLEUPDATECMDUI, TRUE, 0);
        CWnd::SendMessageToDescendants(hWnd, WM_IDLEUPDATECMDUI, TRUE, 0, TRUE);
    }
    return TRUE;
}

void FwIdleUpdateFrames()
{
    ::EnumThreadWindows(::GetCurrentThreadId(), &UpdateFrameProc, 0);
}

BOOL CWinThread::OnIdle(LONG lCount)
{
    if (lCount <= 0) {
        FwIdleUpdateFrames();
        return TRUE;
    }
    FwDeleteTempMaps();
    return FALSE;
}

int CWinThread::Run()
{
    bool bIdle = true;
    LONG lIdleCount = 0;
    MSG msg;
    for (;;) {
        while (bIdle && !::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!OnIdle(lIdleCount++))
                bIdle = false;
        }
        do {
            if (!PumpMessage())
                return ExitInstance();
            if (IsIdleMessage(&m_msgCur)) {
                bIdle = true;
                lIdleCount = 0;
            }
        } while (::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
    }
}
