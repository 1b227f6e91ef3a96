#include "frames/WTKDialogHelper.h"

#include "command_bars/WTKCommandUsageCounter.h"
#include "command_bars/WTKCustomizeMode.h"
#include "command_bars/WTKPopupMenu.h"
#include "command_bars/WTKPopupMenuBar.h"
#include "command_bars/WTKToolbarMenuButton.h"
#include "command_bars/WTKToolbarMessages.h"
#include "foundation/WTKUserToolsManagerBase.h"

#include "bars/DockBar.h"
#include "win/MessageMap.h"
#include "win/Wnd.h"

namespace {

struct HookState {
    HHOOK hHook = nullptr;
    CWTKDialogHelper* pOwner = nullptr;
};

HookState& Hook()
{
    static HookState state;
    return state;
}

CPoint PointOf(LPARAM lParam)
{
    return CPoint(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
}

BOOL IsOpen(const CWTKPopupMenu* pPopup)
{
    return pPopup != nullptr && ::IsWindow(pPopup->GetSafeHwnd());
}

BOOL IsButtonDown(WPARAM wParam)
{
    switch (wParam) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace

CWTKDialogHelper::~CWTKDialogHelper()
{
    if (Hook().pOwner == this)
        RemoveHook();
}

CWTKDialogHelper* CWTKDialogHelper::GetHookOwner()
{
    return Hook().pOwner;
}

HHOOK CWTKDialogHelper::GetMouseHook()
{
    return Hook().hHook;
}

HWND CWTKDialogHelper::DialogHwnd() const
{
    return m_pDlg != nullptr ? m_pDlg->GetSafeHwnd() : nullptr;
}

void CWTKDialogHelper::RemoveHook()
{
    HookState& state = Hook();
    if (state.hHook != nullptr)
        ::UnhookWindowsHookEx(state.hHook);
    state.hHook = nullptr;
    state.pOwner = nullptr;
}

void CWTKDialogHelper::SetActivePopup(CWTKPopupMenu* pMenu)
{
    CWTKPopupMenu::SetActiveMenu(pMenu);
    HookState& state = Hook();
    if (pMenu != nullptr) {
        if (state.hHook == nullptr)
            state.hHook = ::SetWindowsHookExA(WH_MOUSE, &CWTKDialogHelper::MouseProc, nullptr, ::GetCurrentThreadId());
        state.pOwner = this;
    } else if (state.pOwner == this || state.pOwner == nullptr) {
        RemoveHook();
    }
}

void CWTKDialogHelper::OnDestroy()
{
    // The hook never outlives the dialog it serves.
    if (Hook().pOwner == this)
        RemoveHook();
    m_bStayActive = FALSE;
}

LRESULT CALLBACK CWTKDialogHelper::MouseProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    HookState& state = Hook();
    HHOOK hHook = state.hHook;
    CWTKDialogHelper* pOwner = state.pOwner;
    if (nCode == HC_ACTION && IsButtonDown(wParam) && pOwner != nullptr && ::IsWindow(pOwner->DialogHwnd())) {
        POINT pt;
        ::GetCursorPos(&pt);
        CRect rectDialog;
        ::GetWindowRect(pOwner->DialogHwnd(), &rectDialog);
        if (!rectDialog.PtInRect(pt))
            pOwner->ProcessMouseClick(pt);
    }
    return ::CallNextHookEx(hHook, nCode, wParam, lParam);
}

void CWTKDialogHelper::ClosePopup(CWTKPopupMenu* pPopup, BOOL bFocusDialog)
{
    if (IsOpen(pPopup))
        pPopup->SendMessage(WM_CLOSE);
    if (bFocusDialog && ::IsWindow(DialogHwnd()))
        ::SetFocus(DialogHwnd());
}

BOOL CWTKDialogHelper::PreTranslateMessage(MSG* pMsg)
{
    CWTKPopupMenu* pPopup = CWTKPopupMenu::GetActiveMenu();
    const BOOL bOpen = IsOpen(pPopup);
    switch (pMsg->message) {
    case WM_SYSKEYDOWN:
    case WM_CONTEXTMENU:
        if (bOpen && (pMsg->message == WM_CONTEXTMENU || pMsg->wParam == VK_MENU)) {
            ClosePopup(pPopup, TRUE);
            return TRUE;
        }
        return FALSE;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
    case WM_NCMBUTTONDOWN:
    case WM_NCMBUTTONUP:
        return bOpen && ProcessMouseClick(PointOf(pMsg->lParam));
    case WM_KEYDOWN:
        if (!bOpen)
            return FALSE;
        pPopup->SendMessage(WM_KEYDOWN, pMsg->wParam, pMsg->lParam);
        return TRUE;
    case WM_SYSKEYUP:
        return bOpen;
    case WM_MOUSEMOVE: {
        if (!bOpen)
            return FALSE;
        CPoint pt = PointOf(pMsg->lParam);
        ::ClientToScreen(pMsg->hwnd, &pt);
        return IsClickOutsideMenus(pt);
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
        CPoint pt = PointOf(pMsg->lParam);
        const HWND hWnd = pMsg->hwnd;
        ::ClientToScreen(hWnd, &pt);
        if ((bOpen && ProcessMouseClick(pt)) || !::IsWindow(hWnd))
            return TRUE;
        if (pMsg->message == WM_RBUTTONUP && !WTKIsCustomizeMode() && ::IsWindow(DialogHwnd()) &&
            dynamic_cast<CDockBar*>(CWnd::FromHandlePermanent(hWnd)) != nullptr) {
            ::SendMessageA(DialogHwnd(), WTK_TOOLBAR_POPUPMENU, reinterpret_cast<WPARAM>(DialogHwnd()),
                           MAKELPARAM(static_cast<WORD>(pt.x), static_cast<WORD>(pt.y)));
        }
        return FALSE;
    }
    default:
        return FALSE;
    }
}

BOOL CWTKDialogHelper::IsClickOutsideMenus(POINT pt) const
{
    CWTKPopupMenu* pPopup = CWTKPopupMenu::GetActiveMenu();
    if (WTKIsCustomizeMode() || !IsOpen(pPopup))
        return FALSE;
    CRect rectPopup;
    pPopup->GetWindowRect(&rectPopup);
    if (rectPopup.PtInRect(pt))
        return FALSE;
    CWTKPopupMenuBar* pItems = pPopup->GetMenuBar();
    return pItems == nullptr || pItems->FindParentBarAt(pt) == nullptr;
}

BOOL CWTKDialogHelper::ProcessMouseClick(POINT pt)
{
    CWTKPopupMenu* pPopup = CWTKPopupMenu::GetActiveMenu();
    if (WTKIsCustomizeMode() || !IsOpen(pPopup))
        return FALSE;
    switch (pPopup->HitTest(pt)) {
    case CWTKPopupMenu::kHitItems:
    case CWTKPopupMenu::kHitLogo:
    case CWTKPopupMenu::kHitTearOff:
        return FALSE;
    case CWTKPopupMenu::kHitRightShadow:
    case CWTKPopupMenu::kHitBottomShadow:
        ClosePopup(pPopup, TRUE);
        return TRUE;
    default:
        break;
    }
    // Outside the popup: a click on the button that opened it is the button's.
    CWTKToolbarMenuButton* pParentButton = pPopup->GetParentButton();
    if (pParentButton != nullptr && pParentButton->GetParentWnd() != nullptr) {
        CRect rectButton = pParentButton->GetRect();
        pParentButton->GetParentWnd()->ClientToScreen(&rectButton);
        if (rectButton.PtInRect(pt))
            return FALSE;
    }
    CWTKPopupMenu* pParentPopup = pPopup->GetParentPopupMenu();
    if (IsOpen(pParentPopup)) {
        switch (pParentPopup->HitTest(pt)) {
        case CWTKPopupMenu::kHitItems:
        case CWTKPopupMenu::kHitLogo:
        case CWTKPopupMenu::kHitTearOff:
            return FALSE;
        case CWTKPopupMenu::kHitRightShadow:
        case CWTKPopupMenu::kHitBottomShadow:
            ClosePopup(pParentPopup, TRUE);
            return TRUE;
        default:
            break;
        }
    }
    CWTKPopupMenuBar* pItems = pPopup->GetMenuBar();
    if (pItems != nullptr && pItems->IsCommandSent())
        return FALSE;
    const HWND hFocus = ::GetFocus();
    const BOOL bFocusInMenu = dynamic_cast<CWTKPopupMenuBar*>(CWnd::FromHandlePermanent(hFocus)) != nullptr;
    ClosePopup(pPopup, bFocusInMenu || hFocus == nullptr);
    return TRUE;
}

BOOL CWTKDialogHelper::OnCommand(WPARAM wParam)
{
    if (HIWORD(wParam) != kAcceleratorNotify)
        return FALSE;
    const UINT uiCmd = LOWORD(wParam);
    WTKGetCommandUsageCounter().AddCmd(uiCmd);
    CWTKPopupMenu* pPopup = CWTKPopupMenu::GetActiveMenu();
    if (IsOpen(pPopup)) {
        pPopup->SendMessage(WM_KEYDOWN, VK_ESCAPE);
        return TRUE;
    }
    CWTKUserToolsManagerBase* pTools = WTKGetUserToolsManager();
    return pTools != nullptr && pTools->InvokeTool(uiCmd);
}

void CWTKDialogHelper::OnNcActivate(BOOL& bActive)
{
    if (m_bStayActive)
        bActive = TRUE;
    if (!::IsWindowEnabled(DialogHwnd()))
        bActive = FALSE;
}

void CWTKDialogHelper::OnActivate(UINT nState, CWnd* pWndOther)
{
    m_bStayActive = FALSE;
    const HWND hDlg = DialogHwnd();
    if (!::IsWindow(hDlg))
        return;
    const HWND hOther = pWndOther != nullptr ? pWndOther->GetSafeHwnd() : nullptr;
    if (nState != WA_INACTIVE || hOther == nullptr) {
        ::RedrawWindow(hDlg, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
        return;
    }
    // A popup or floating bar of the dialog keeps its caption active.
    if (::SendMessageA(hOther, WM_FLOATSTATUS, FS_SYNCACTIVE, 0) != 0) {
        m_bStayActive = TRUE;
        ::SendMessageA(hDlg, WM_NCACTIVATE, TRUE, 0);
    }
}
