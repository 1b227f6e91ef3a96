#include "bars/BarToolTip.h"
#include "bars/ControlBar.h"
#include "win/ToolTipCtrl.h"

#include <cstdlib>
#include <cstring>

namespace {
// The thread's tooltip and the tool it shows now.
struct ToolTipState {
    CToolTipCtrl* pTip = nullptr;
    HWND hWndBar = nullptr;  // the bar whose tool is in the control
    INT_PTR nHit = -1;       // its id
    TTTOOLINFOA ti = {};     // the tool as added (text not kept)
};

thread_local ToolTipState t_state;

BOOL IsOwnedText(LPCSTR lpszText)
{
    return lpszText && lpszText != LPSTR_TEXTCALLBACKA && !IS_INTRESOURCE(lpszText);
}

void RemoveTool()
{
    if (t_state.pTip && t_state.pTip->m_hWnd && t_state.hWndBar)
        t_state.pTip->SendMessage(TTM_DELTOOLA, 0, (LPARAM)&t_state.ti);
    t_state.hWndBar = nullptr;
    t_state.nHit = -1;
}

void SetPrompt(CControlBar* pBar, INT_PTR nHit)
{
    CWnd* pOwner = pBar->GetOwner();
    if (pOwner && pOwner->m_hWnd != pBar->m_hWnd)
        pOwner->SendMessage(WM_SETMESSAGESTRING, nHit >= 0 ? (WPARAM)nHit : FW_IDS_IDLEMESSAGE);
}
}  // namespace

LPSTR CBarToolTip::DuplicateText(LPCSTR lpszText)
{
    const size_t nLength = std::strlen(lpszText ? lpszText : "");
    auto* psz = static_cast<LPSTR>(std::malloc(nLength + 1));
    if (psz)
        std::memcpy(psz, lpszText ? lpszText : "", nLength + 1);
    return psz;
}

void CBarToolTip::FreeText(LPSTR lpszText)
{
    if (IsOwnedText(lpszText))
        std::free(lpszText);
}

CToolTipCtrl* CBarToolTip::GetToolTip()
{
    return t_state.pTip && t_state.pTip->m_hWnd ? t_state.pTip : nullptr;
}

void CBarToolTip::Cancel()
{
    if (!GetToolTip())
        return;
    t_state.pTip->Pop();
    RemoveTool();
}

void CBarToolTip::Destroy()
{
    RemoveTool();
    if (t_state.pTip) {
        if (t_state.pTip->m_hWnd)
            t_state.pTip->DestroyWindow();
        delete t_state.pTip;
        t_state.pTip = nullptr;
    }
}

void CBarToolTip::RelayEvent(CControlBar* pBar, const MSG* pMsg)
{
    if (!pBar || !pBar->m_hWnd)
        return;
    CPoint pt((short)LOWORD(pMsg->lParam), (short)HIWORD(pMsg->lParam));
    ::MapWindowPoints(pMsg->hwnd, pBar->m_hWnd, &pt, 1);
    const DWORD dwStyle = pBar->m_dwStyle;
    if (pMsg->message != WM_MOUSEMOVE) {
        // A press ends the tip; the tool comes back with the next move.
        if (GetToolTip())
            t_state.pTip->RelayEvent(const_cast<MSG*>(pMsg));
        Cancel();
        return;
    }
    TTTOOLINFOA ti = {};
    ti.cbSize = sizeof(ti);
    INT_PTR nHit = pBar->OnToolHitTest(pt, &ti);
    if (nHit == t_state.nHit && pBar->m_hWnd == t_state.hWndBar) {
        FreeText(ti.lpszText);
    } else {
        if ((dwStyle & CBRS_FLYBY) && (nHit >= 0 || t_state.nHit >= 0))
            SetPrompt(pBar, nHit);
        RemoveTool();
        if (nHit >= 0 && (dwStyle & CBRS_TOOLTIPS)) {
            if (t_state.pTip && !t_state.pTip->m_hWnd) {
                // Its window went with the frame that owned it.
                delete t_state.pTip;
                t_state.pTip = nullptr;
            }
            if (!t_state.pTip) {
                t_state.pTip = new CToolTipCtrl;
                if (!t_state.pTip->Create(pBar->GetTopLevelParent(), TTS_ALWAYSTIP)) {
                    delete t_state.pTip;
                    t_state.pTip = nullptr;
                }
            }
            if (t_state.pTip) {
                if (!ti.hwnd)
                    ti.hwnd = pBar->m_hWnd;
                if (!(ti.uFlags & TTF_IDISHWND) && ::IsRectEmpty(&ti.rect))
                    pBar->GetClientRect(&ti.rect);
                t_state.pTip->SendMessage(TTM_ADDTOOLA, 0, (LPARAM)&ti);
                t_state.pTip->Activate(TRUE);
                t_state.ti = ti;
                t_state.ti.lpszText = nullptr;
                t_state.hWndBar = pBar->m_hWnd;
            }
        }
        t_state.nHit = nHit;
        t_state.hWndBar = pBar->m_hWnd;
        FreeText(ti.lpszText);
    }
    if (GetToolTip()) {
        MSG msg = *pMsg;
        t_state.pTip->RelayEvent(&msg);
    }
}
