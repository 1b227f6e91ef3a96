// CWnd: handle maps, the creation hook, the window procedure and message dispatch.
#include "win/Wnd.h"
#include "core/ExceptionReport.h"
#include "win/CmdUI.h"
#include "win/ThreadState.h"
#include "win/WinApp.h"
#include "win/WinThread.h"
#include "win/WndLifeGuard.h"

// ---- Handle maps ----

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    return FwGetThreadState()->windowMap.LookupPermanent(hWnd);
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    return FwGetThreadState()->windowMap.FromHandle(
        hWnd, [](CWnd*) { return true; },
        [](HWND h) {
            CWnd* pTemp = new CWnd;
            pTemp->m_hWnd = h;
            pTemp->m_nFlags |= FwWndTemporary;
            return pTemp;
        });
}

void CWnd::DeleteTempMap()
{
    FwGetThreadState()->windowMap.DeleteTemp();
}

BOOL CWnd::Attach(HWND hWndNew)
{
    if (!hWndNew || m_hWnd)
        return FALSE;
    FwThreadState* t = FwGetThreadState();
    if (t->windowMap.LookupPermanent(hWndNew))
        return FALSE;
    m_hWnd = hWndNew;
    t->windowMap.SetPermanent(hWndNew, this);
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    FwGetThreadState()->windowMap.RemovePermanent(hWnd, this);
    m_hWnd = nullptr;
    return hWnd;
}

void CWnd::SubclassAfterAttach()
{
    WNDPROC pfnOld = (WNDPROC)::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, (LONG_PTR)&FwWndProc);
    if (pfnOld != &FwWndProc)
        m_pfnSuper = pfnOld;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!Attach(hWnd))
        return FALSE;
    PreSubclassWindow();
    SubclassAfterAttach();
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    HWND hWndControl = ::GetDlgItem(FwSafeHwnd(pParent), (int)nID);
    return hWndControl ? SubclassWindow(hWndControl) : FALSE;
}

HWND CWnd::UnsubclassWindow()
{
    if (m_pfnSuper)
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, (LONG_PTR)m_pfnSuper);
    m_pfnSuper = nullptr;
    return Detach();
}

CWnd::~CWnd()
{
    FwThreadState* t = FwGetThreadState();
    for (CWnd** ppGuard : t->lifeGuards) {
        if (*ppGuard == this)
            *ppGuard = nullptr;
    }
    if (m_hWnd && FromHandlePermanent(m_hWnd) == this)
        ::DestroyWindow(m_hWnd);  // its WM_NCDESTROY detaches this object
    m_hWnd = nullptr;
}

// ---- Creation hook ----

static bool IsSystemHelperClass(HWND hWnd)
{
    char szClass[32] = "";
    ::GetClassNameA(hWnd, szClass, sizeof(szClass));
    // Input-method windows are created by the system next to ours.
    return lstrcmpiA(szClass, "IME") == 0 || lstrcmpiA(szClass, "MSCTFIME UI") == 0;
}

LRESULT CALLBACK FwCbtFilterHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    FwThreadState* t = FwGetThreadState();
    if (nCode == HCBT_CREATEWND && t->pWndInit) {
        HWND hWnd = (HWND)wParam;
        if (!IsSystemHelperClass(hWnd)) {
            CWnd* pWnd = t->pWndInit;
            t->pWndInit = nullptr;
            try {
                if (pWnd->Attach(hWnd)) {
                    pWnd->PreSubclassWindow();
                    pWnd->SubclassAfterAttach();
                }
            } catch (...) {
                FwReportCurrentException("window creation hook");
            }
        }
    }
    return ::CallNextHookEx(t->hHookCbt, nCode, wParam, lParam);
}

void FwHookWindowCreate(CWnd* pWnd)
{
    FwThreadState* t = FwGetThreadState();
    if (t->nHookUsers++ == 0)
        t->hHookCbt = ::SetWindowsHookExA(WH_CBT, &FwCbtFilterHook, nullptr, ::GetCurrentThreadId());
    t->pWndInit = pWnd;
}

BOOL FwUnhookWindowCreate()
{
    FwThreadState* t = FwGetThreadState();
    BOOL bAttached = t->pWndInit == nullptr;
    t->pWndInit = nullptr;
    if (--t->nHookUsers == 0 && t->hHookCbt) {
        ::UnhookWindowsHookEx(t->hHookCbt);
        t->hHookCbt = nullptr;
    }
    return bAttached;
}

// ---- The window procedure ----

LRESULT FwCallWndProc(CWnd* pWnd, HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    FwThreadState* t = FwGetThreadState();
    MSG saved = t->lastSentMsg;
    t->lastSentMsg.hwnd = hWnd;
    t->lastSentMsg.message = message;
    t->lastSentMsg.wParam = wParam;
    t->lastSentMsg.lParam = lParam;
    LRESULT lResult = 0;
    ++t->nDispatchDepth;
    try {
        lResult = pWnd->WindowProc(message, wParam, lParam);
        // Windows whose WM_NCDESTROY handler did not reach CWnd::OnNcDestroy.
        if (message == WM_NCDESTROY && CWnd::FromHandlePermanent(hWnd) == pWnd)
            pWnd->FinishNcDestroy();
    } catch (...) {
        // Nothing may unwind through the system's frames.
        FwReportCurrentException("window procedure");
        lResult = 0;
    }
    --t->nDispatchDepth;
    t->lastSentMsg = saved;
    return lResult;
}

LRESULT CALLBACK FwWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (!pWnd)
        return ::DefWindowProcA(hWnd, message, wParam, lParam);
    return FwCallWndProc(pWnd, hWnd, message, wParam, lParam);
}

void CWnd::OnNcDestroy()
{
    Default();
    FinishNcDestroy();
}

void CWnd::FinishNcDestroy()
{
    // Give a subclassed window its own procedure back for anything still to come.
    if (m_pfnSuper && (WNDPROC)::GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC) == &FwWndProc)
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, (LONG_PTR)m_pfnSuper);
    m_pfnSuper = nullptr;
    // The main window of a program going away ends its message loop.
    if (CWinThread* pThread = FwGetThread()) {
        if (pThread->m_pMainWnd == this) {
            if (!FwIsDllModule())
                ::PostQuitMessage(0);
            pThread->m_pMainWnd = nullptr;
        }
        if (pThread->m_pActiveWnd == this)
            pThread->m_pActiveWnd = nullptr;
    }
    Detach();
    PostNcDestroy();
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!m_hWnd)
        return 0;
    if (m_pfnSuper)
        return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    const MSG* pMsg = &FwGetThreadState()->lastSentMsg;
    return DefWindowProc(pMsg->message, pMsg->wParam, pMsg->lParam);
}

const MSG* CWnd::GetCurrentMessage()
{
    FwThreadState* t = FwGetThreadState();
    t->lastSentMsg.time = ::GetMessageTime();
    DWORD pos = ::GetMessagePos();
    t->lastSentMsg.pt.x = (short)LOWORD(pos);
    t->lastSentMsg.pt.y = (short)HIWORD(pos);
    return &t->lastSentMsg;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const CWndLifeGuard self(this);
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult) && self.IsAlive())
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

// ---- Dispatch ----

static bool IsCtlColor(UINT message)
{
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

// The control a reflectable message comes from, or null.
static HWND ReflectionSource(HWND hWndParent, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (IsCtlColor(message))
        return (HWND)lParam;
    switch (message) {
    case WM_DRAWITEM: {
        auto* p = (LPDRAWITEMSTRUCT)lParam;
        return p->CtlType == ODT_MENU ? nullptr : p->hwndItem;
    }
    case WM_MEASUREITEM: {
        auto* p = (LPMEASUREITEMSTRUCT)lParam;
        return p->CtlType == ODT_MENU ? nullptr : ::GetDlgItem(hWndParent, (int)p->CtlID);
    }
    case WM_COMPAREITEM:
        return ((LPCOMPAREITEMSTRUCT)lParam)->hwndItem;
    case WM_DELETEITEM:
        return ((LPDELETEITEMSTRUCT)lParam)->hwndItem;
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
        return (HWND)lParam;
    case WM_PARENTNOTIFY:
        return (LOWORD(wParam) == WM_CREATE || LOWORD(wParam) == WM_DESTROY) ? (HWND)lParam : nullptr;
    default:
        return nullptr;
    }
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_COMMAND) {
        if (!OnCommand(wParam, lParam))
            return FALSE;
        *pResult = 1;
        return TRUE;
    }
    if (message == WM_NOTIFY) {
        LRESULT lResult = 0;
        auto* pNMHDR = (NMHDR*)lParam;
        if (!pNMHDR || !pNMHDR->hwndFrom || !OnNotify(wParam, lParam, &lResult))
            return FALSE;
        *pResult = lResult;
        return TRUE;
    }
    // Owner draw, colours and scrolling go to the control object first.
    if (HWND hWndChild = ReflectionSource(m_hWnd, message, wParam, lParam)) {
        if (::IsChild(m_hWnd, hWndChild) || ::GetParent(hWndChild) == m_hWnd) {
            if (ReflectLastMsg(hWndChild, pResult))
                return TRUE;
        }
    }
    return CallMapEntry(IsCtlColor(message) ? WM_CTLCOLOR : message, message, wParam, lParam, pResult);
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT nID = LOWORD(wParam);
    HWND hWndCtrl = (HWND)lParam;
    int nCode = HIWORD(wParam);
    if (hWndCtrl) {
        if (ReflectLastMsg(hWndCtrl))
            return TRUE;  // the control handled its own notification
    } else {
        if (nID == 0)
            return FALSE;
        // A menu or accelerator command that has become disabled is not carried out.
        CCmdUIStateRecorder state;
        state.m_nID = nID;
        OnCmdMsg(nID, (int)CN_UPDATE_COMMAND_UI, &state, nullptr);
        if (!state.m_bEnabled)
            return TRUE;
        nCode = CN_COMMAND;
    }
    return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult)
{
    auto* pNMHDR = (NMHDR*)lParam;
    if (ReflectLastMsg(pNMHDR->hwndFrom, pResult))
        return TRUE;
    FwNotify notify = {pResult, pNMHDR};
    return OnCmdMsg((UINT)pNMHDR->idFrom, (int)MAKELONG(pNMHDR->code, WM_NOTIFY), &notify, nullptr);
}

BOOL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult)
{
    CWnd* pWnd = FromHandlePermanent(hWndChild);
    if (!pWnd)
        return FALSE;
    const MSG& msg = FwGetThreadState()->lastSentMsg;
    return pWnd->OnChildNotify(msg.message, msg.wParam, msg.lParam, pResult);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_COMMAND)
        return OnCmdMsg(0, (int)MAKELONG(HIWORD(wParam), WM_REFLECT_BASE + WM_COMMAND), nullptr, nullptr);
    if (message == WM_NOTIFY) {
        auto* pNMHDR = (NMHDR*)lParam;
        LRESULT lDummy = 0;
        FwNotify notify = {pResult ? pResult : &lDummy, pNMHDR};
        return OnCmdMsg(0, (int)MAKELONG(pNMHDR->code, WM_REFLECT_BASE + WM_NOTIFY), &notify, nullptr);
    }
    return CallMapEntry(WM_REFLECT_BASE + (IsCtlColor(message) ? WM_CTLCOLOR : message), message, wParam, lParam,
                        pResult);
}

// Runs the map entry registered under nLookup, if any, for this message.
BOOL CWnd::CallMapEntry(UINT nLookup, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const FwMsgMapEntry* e = FindMessageEntry(nLookup, 0, 0);
    if (!e)
        return FALSE;
    FwMsgCall call = {message, wParam, lParam, 0, nullptr, 0};
    if (!e->pfn(this, call))
        return FALSE;
    if (pResult)
        *pResult = call.lResult;
    return TRUE;
}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

BOOL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg)
{
    for (HWND hWnd = pMsg->hwnd; hWnd; hWnd = ::GetParent(hWnd)) {
        if (CWnd* pWnd = FromHandlePermanent(hWnd)) {
            if (pWnd->PreTranslateMessage(pMsg))
                return TRUE;
        }
        if (hWnd == hWndStop)
            break;
    }
    return FALSE;
}

// ---- Modal loop ----

// Temporary objects are freed only outside every window procedure of this binary:
// a handler that runs a modal loop may still hold the ones it was given.
static void DeleteTempMapsIfUnused()
{
    if (FwGetThreadState()->nDispatchDepth == 0) {
        FwDeleteTempMaps();
    }
}

// The one place where a modal loop gives idle time to command update: the thread's idle
// processing at count 0 only, because later counts free temporary objects that the handler
// which started the loop may still hold.
static void IdleUpdateInModalLoop()
{
    if (CWinThread* pThread = FwGetThread())
        pThread->OnIdle(0);
    else
        FwIdleUpdateFrames();
}

// TRUE when hWnd is hWndModal or lies below it (a child, or a popup it owns).
static bool IsInModalWindow(HWND hWndModal, HWND hWnd)
{
    for (; hWnd; hWnd = ::GetParent(hWnd)) {
        if (hWnd == hWndModal)
            return true;
    }
    return false;
}

BOOL CWnd::PreTranslateModalMessage(HWND hWndModal, MSG* pMsg)
{
    // The walk ends at the modal window: its disabled owner's accelerators must not run.
    if (IsInModalWindow(hWndModal, pMsg->hwnd))
        return WalkPreTranslateTree(hWndModal, pMsg);
    return FwPreTranslateMessage(pMsg);
}

// One message of the modal loop of hWndModal into msg; FALSE on WM_QUIT.
static BOOL PumpModalMessage(HWND hWndModal, MSG& msg)
{
    BOOL bGot = ::GetMessageA(&msg, nullptr, 0, 0) > 0;
    FwGetThreadState()->msgCur = msg;
    if (!bGot)
        return FALSE;
    if (!CWnd::PreTranslateModalMessage(hWndModal, &msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return TRUE;
}

static void ShowOnIdle(CWnd* pWnd, bool& bShowIdle)
{
    if (!bShowIdle)
        return;
    pWnd->ShowWindow(SW_SHOWNORMAL);
    pWnd->UpdateWindow();
    bShowIdle = false;
}

int CWnd::RunModalLoop(DWORD dwFlags)
{
    HWND hWnd = m_hWnd;
    HWND hWndParent = ::GetParent(hWnd);
    bool bIdle = true;
    LONG lIdleCount = 0;
    bool bShowIdle = (dwFlags & MLF_SHOWONIDLE) && !(GetStyle() & WS_VISIBLE);
    m_nFlags |= FwWndModalLoop | FwWndContinueModal;
    MSG msg;
    for (;;) {
        while (bIdle && !::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            ShowOnIdle(this, bShowIdle);
            bool bMore = false;
            if (!(dwFlags & MLF_NOKICKIDLE) && ::SendMessageA(hWnd, WM_KICKIDLE, MSGF_DIALOGBOX, lIdleCount))
                bMore = true;
            if (lIdleCount == 0) {
                if (hWndParent && !(dwFlags & MLF_NOIDLEMSG))
                    ::SendMessageA(hWndParent, WM_ENTERIDLE, MSGF_DIALOGBOX, (LPARAM)hWnd);
                IdleUpdateInModalLoop();
            }
            if (!ContinueModal())
                goto ExitModal;
            ++lIdleCount;
            bIdle = bMore;
        }
        do {
            if (!PumpModalMessage(hWnd, msg)) {
                // WM_QUIT ends the modal loop and is left for the outer loop.
                ::PostQuitMessage((int)msg.wParam);
                m_nFlags &= ~(FwWndModalLoop | FwWndContinueModal);
                return -1;
            }
            if (msg.message == WM_SYSTIMER || msg.message == WM_SYSKEYDOWN)
                ShowOnIdle(this, bShowIdle);
            if (!ContinueModal())
                goto ExitModal;
            if (FwIsIdleMessage(&msg)) {
                bIdle = true;
                lIdleCount = 0;
            }
        } while (::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
    }
ExitModal:
    m_nFlags &= ~(FwWndModalLoop | FwWndContinueModal);
    DeleteTempMapsIfUnused();
    return m_nModalResult;
}

void CWnd::EndModalLoop(int nResult)
{
    m_nModalResult = nResult;
    m_nFlags &= ~FwWndContinueModal;
    if (m_nFlags & FwWndModalLoop)
        ::PostMessageA(m_hWnd, WM_NULL, 0, 0);  // wakes the loop
}

// ---- Update of dialog controls ----

void CWnd::UpdateDialogControls(CCmdTarget* pTarget, BOOL bDisableIfNoHndler)
{
    CCmdUI state;
    for (HWND hWndChild = ::GetTopWindow(m_hWnd); hWndChild; hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT)) {
        state.m_pOther = FromHandle(hWndChild);
        state.m_nID = (UINT)::GetDlgCtrlID(hWndChild);
        // Static text and group boxes are not commands.
        UINT nCode = (UINT)::SendMessageA(hWndChild, WM_GETDLGCODE, 0, 0);
        if ((nCode & DLGC_STATIC) || state.m_nID == 0 || state.m_nID == 0xFFFF)
            continue;
        const LONG_PTR style = ::GetWindowLongPtrA(hWndChild, GWL_STYLE) & 0x0F;
        if ((nCode & DLGC_BUTTON) && style == BS_GROUPBOX)
            continue;
        // Only buttons that send a command stand for one: a pane, list or edit without a handler
        // (a tab window holding a tree, say) must stay usable, and so must the boxes that keep
        // their own check state.
        const BOOL bSelfChecking = style == BS_AUTOCHECKBOX || style == BS_AUTO3STATE || style == BS_AUTORADIOBUTTON;
        const BOOL bCommandButton = (nCode & DLGC_BUTTON) && !bSelfChecking;
        state.DoUpdate(pTarget, bDisableIfNoHndler && bCommandButton);
    }
}
