// The frame helper's keyboard and mouse filtering: open popup menus, the menu bar and the
// toolbars see keys and clicks before the frame does.
#include "frames/WTKFrameHelper.h"

#include "command_bars/WTKCustomizeMode.h"
#include "command_bars/WTKMenuBar.h"
#include "command_bars/WTKPopupMenu.h"
#include "command_bars/WTKPopupMenuBar.h"
#include "command_bars/WTKToolBar.h"
#include "command_bars/WTKToolbarMenuButton.h"
#include "command_bars/WTKToolbarMessages.h"
#include "foundation/WTKKeyboardManager.h"

#include "bars/DockBar.h"

#include <vector>

namespace {
// The live toolkit toolbars of the process.
std::vector<CWTKToolBar*> LiveToolbars()
{
    std::vector<CWTKToolBar*> bars;
    CWTKToolBarList& list = WTKAllToolbars();
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        auto* pToolBar = dynamic_cast<CWTKToolBar*>(list.GetNext(pos));
        if (pToolBar != nullptr && ::IsWindow(pToolBar->GetSafeHwnd()))
            bars.push_back(pToolBar);
    }
    return bars;
}

void ClosePopup(CWTKPopupMenu* pPopup)
{
    if (pPopup != nullptr && ::IsWindow(pPopup->GetSafeHwnd()))
        pPopup->SendMessage(WM_CLOSE);
}
}  // namespace

BOOL CWTKFrameHelper::IsHelpKey(const MSG* pMsg)
{
    return pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_F1 && !(pMsg->lParam & 0x40000000) &&
        ::GetKeyState(VK_SHIFT) >= 0 && ::GetKeyState(VK_CONTROL) >= 0 && ::GetKeyState(VK_MENU) >= 0;
}

BOOL CWTKFrameHelper::IsAltKey(WPARAM wParam)
{
    return wParam == VK_MENU || wParam == VK_LMENU || wParam == VK_RMENU;
}

BOOL CWTKFrameHelper::PreTranslateMessage(MSG* pMsg, BOOL* pbTranslate)
{
    BOOL bTranslateLocal = TRUE;
    if (pbTranslate == nullptr)
        pbTranslate = &bTranslateLocal;
    *pbTranslate = TRUE;
    CWTKPopupMenu* pActivePopup = CWTKPopupMenu::GetActiveMenu();
    switch (pMsg->message) {
    case WM_CONTEXTMENU:
        // The context-menu key opens its own menu: an open popup only goes.
        if (pActivePopup != nullptr) {
            ClosePopup(pActivePopup);
            return TRUE;
        }
        return FALSE;
    case WM_SYSKEYDOWN:
        if (pActivePopup != nullptr && pMsg->wParam == VK_MENU) {
            ClosePopup(pActivePopup);
            return TRUE;
        }
        // Alt+F4 and Alt+Space reach a minimised frame.
        if (pActivePopup == nullptr && m_pFrame->IsIconic())
            return FALSE;
        if (!ProcessKeyboard(static_cast<int>(pMsg->wParam)))
            return FALSE;
        // The system never sees this key: it would take the coming Alt release for a lone Alt
        // and enter its own menu mode, which then eats the keys meant for our menus.
        if (!IsAltKey(pMsg->wParam))
            m_bAltKeyUsed = TRUE;
        return TRUE;
    case WM_KEYUP:
        if (!IsAltKey(pMsg->wParam) || (!m_bAltKeyUsed && pActivePopup == nullptr))
            return FALSE;
        m_bAltKeyUsed = FALSE;
        return TRUE;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
    case WM_NCMBUTTONDOWN:
    case WM_NCMBUTTONUP: {
        const CPoint pt(static_cast<short>(LOWORD(pMsg->lParam)), static_cast<short>(HIWORD(pMsg->lParam)));
        return ProcessMouseClick(pMsg->message, pt, pMsg->hwnd);
    }
    case WM_KEYDOWN: {
        if (IsHelpKey(pMsg))
            return FALSE;
        BOOL bProcessAccel = TRUE;
        if (ProcessKeyboard(static_cast<int>(pMsg->wParam), &bProcessAccel))
            return TRUE;
        if (!bProcessAccel)
            *pbTranslate = FALSE;
        return FALSE;
    }
    case WM_SYSKEYUP:
        if (IsAltKey(pMsg->wParam) && m_bAltKeyUsed) {
            m_bAltKeyUsed = FALSE;
            return TRUE;
        }
        // F10 is the menu key as much as Alt is (Shift+F10 is the context menu's).
        if ((pMsg->wParam == VK_MENU || (pMsg->wParam == VK_F10 && ::GetKeyState(VK_SHIFT) >= 0)) &&
            m_pMenuBar != nullptr && ::IsWindow(m_pMenuBar->GetSafeHwnd())) {
            if (::GetFocus() == m_pMenuBar->GetSafeHwnd())
                m_pFrame->SetFocus();
            else
                m_pMenuBar->SetFocus();
            return TRUE;
        }
        return pActivePopup != nullptr;
    case WM_MOUSEMOVE: {
        if (WTKIsCustomizeMode() || pActivePopup == nullptr || !::IsWindow(pActivePopup->GetSafeHwnd()))
            return FALSE;
        CPoint pt(static_cast<short>(LOWORD(pMsg->lParam)), static_cast<short>(HIWORD(pMsg->lParam)));
        ::ClientToScreen(pMsg->hwnd, &pt);
        CRect rectPopup;
        pActivePopup->GetWindowRect(&rectPopup);
        if (rectPopup.PtInRect(pt))
            return FALSE;
        CWTKPopupMenuBar* pItems = pActivePopup->GetMenuBar();
        return pItems == nullptr || pItems->FindParentBarAt(pt) == nullptr;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP: {
        CPoint pt(static_cast<short>(LOWORD(pMsg->lParam)), static_cast<short>(HIWORD(pMsg->lParam)));
        const HWND hWnd = pMsg->hwnd;
        ::ClientToScreen(hWnd, &pt);
        if (ProcessMouseClick(pMsg->message, pt, hWnd) || !::IsWindow(hWnd))
            return TRUE;
        if (pMsg->message == WM_RBUTTONUP && !WTKIsCustomizeMode()) {
            CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
            if (pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CDockBar))) {
                m_pFrame->SendMessage(WTK_TOOLBAR_POPUPMENU, reinterpret_cast<WPARAM>(m_pFrame->GetSafeHwnd()),
                                      MAKELPARAM(static_cast<WORD>(pt.x), static_cast<WORD>(pt.y)));
            }
        }
        return FALSE;
    }
    default:
        return FALSE;
    }
}

BOOL CWTKFrameHelper::ProcessKeyboard(int nKey, BOOL* pbProcessAccel)
{
    if (pbProcessAccel != nullptr)
        *pbProcessAccel = TRUE;
    if (CWTKPopupMenu* pActivePopup = CWTKPopupMenu::GetActiveMenu()) {
        if (::IsWindow(pActivePopup->GetSafeHwnd()))
            pActivePopup->SendMessage(WM_KEYDOWN, static_cast<WPARAM>(nKey));
        return TRUE;
    }
    if (m_pFrame->IsIconic())
        return TRUE;
    if (WTKIsCustomizeMode())
        return FALSE;
    BOOL bControlHasKey = FALSE;
    for (CWTKToolBar* pToolBar : LiveToolbars()) {
        for (const CWTKToolbarButton* pButton : pToolBar->GetAllButtons()) {
            bControlHasKey = pButton->HasFocus();
            if (bControlHasKey)
                break;
        }
        if (bControlHasKey)
            break;
    }
    BYTE fModifiers = 0;
    if (::GetKeyState(VK_CONTROL) & 0x8000)
        fModifiers |= FCONTROL;
    if (::GetKeyState(VK_MENU) & 0x8000)
        fModifiers |= FALT;
    if (::GetKeyState(VK_SHIFT) & 0x8000)
        fModifiers |= FSHIFT;
    if (!bControlHasKey) {
        CFrameWnd* pActive = m_pFrame->GetActiveFrame();
        const WORD wKey = static_cast<WORD>(nKey);
        const BYTE fVirt = static_cast<BYTE>(FVIRTKEY | fModifiers);
        if (CWTKKeyboardManager::IsKeyHandled(wKey, fVirt, m_pFrame, TRUE) ||
            (pActive != nullptr && pActive != m_pFrame &&
             CWTKKeyboardManager::IsKeyHandled(wKey, fVirt, pActive, FALSE)))
            return FALSE;
    }
    if (fModifiers == FALT && ProcessMnemonic(static_cast<TCHAR>(nKey)))
        return TRUE;
    if (bControlHasKey && pbProcessAccel != nullptr)
        *pbProcessAccel = FALSE;
    return FALSE;
}

BOOL CWTKFrameHelper::ProcessMnemonic(TCHAR cKey)
{
    if (m_pMenuBar != nullptr && ::IsWindow(m_pMenuBar->GetSafeHwnd()) &&
        m_pMenuBar->TranslateChar(static_cast<BYTE>(cKey)))
        return TRUE;
    for (CWTKToolBar* pToolBar : LiveToolbars()) {
        if (pToolBar == m_pMenuBar || !pToolBar->IsWindowVisible() || pToolBar->GetTopLevelFrame() != m_pFrame)
            continue;
        if (dynamic_cast<CWTKPopupMenuBar*>(pToolBar) != nullptr)
            continue;
        if (pToolBar->TranslateChar(static_cast<BYTE>(cKey)))
            return TRUE;
    }
    return FALSE;
}

BOOL CWTKFrameHelper::ProcessMenuChar(UINT nChar)
{
    // The bars know their mnemonics by key: a lower-case letter is the key of its capital.
    const SHORT nKeyScan = ::VkKeyScanA(static_cast<CHAR>(nChar));
    if (nKeyScan == -1)
        return FALSE;
    return ProcessMnemonic(static_cast<TCHAR>(LOBYTE(nKeyScan)));
}

BOOL CWTKFrameHelper::ProcessMouseClick(UINT uiMsg, POINT pt, HWND hwnd)
{
    const BOOL bCustomize = WTKIsCustomizeMode();
    if (uiMsg == WM_LBUTTONDOWN && (bCustomize || (::GetKeyState(VK_MENU) & 0x8000))) {
        for (CWTKToolBar* pToolBar : LiveToolbars()) {
            CPoint ptClient = pt;
            pToolBar->ScreenToClient(&ptClient);
            const int nHit = pToolBar->HitTest(ptClient);
            if (nHit < 0)
                continue;
            CWTKToolbarButton* pButton = pToolBar->GetButton(nHit);
            if (pButton != nullptr && pButton->GetHwnd() != nullptr && pButton->GetHwnd() == hwnd &&
                pButton->GetRect().PtInRect(ptClient)) {
                pToolBar->SendMessage(WM_LBUTTONDOWN, 0, MAKELPARAM(ptClient.x, ptClient.y));
                return TRUE;
            }
            break;
        }
    }
    CWTKPopupMenu* pPopup = CWTKPopupMenu::GetActiveMenu();
    if (bCustomize || pPopup == nullptr || !::IsWindow(pPopup->GetSafeHwnd()))
        return FALSE;
    switch (pPopup->HitTest(pt)) {
    case CWTKPopupMenu::kHitRightShadow:
    case CWTKPopupMenu::kHitBottomShadow:
        ClosePopup(pPopup);
        m_pFrame->SetFocus();
        return TRUE;
    case CWTKPopupMenu::kHitItems:
    case CWTKPopupMenu::kHitLogo:
    case CWTKPopupMenu::kHitTearOff:
        return FALSE;
    default:
        break;
    }
    // Outside the popup.
    CWTKToolbarMenuButton* pParentButton = pPopup->GetParentButton();
    CWTKPopupMenu* pParentPopup = pPopup->GetParentPopupMenu();
    if (pParentButton != nullptr && pParentButton->GetParentWnd() != nullptr) {
        CRect rectButton = pParentButton->GetRect();
        pParentButton->GetParentWnd()->ClientToScreen(&rectButton);
        if (rectButton.PtInRect(pt))
            return TRUE;
    }
    CWTKPopupMenuBar* pItems = pPopup->GetMenuBar();
    if (pParentPopup != nullptr && ::IsWindow(pParentPopup->GetSafeHwnd())) {
        switch (pParentPopup->HitTest(pt)) {
        case CWTKPopupMenu::kHitItems:
        case CWTKPopupMenu::kHitLogo:
        case CWTKPopupMenu::kHitTearOff:
            return FALSE;
        case CWTKPopupMenu::kHitRightShadow:
        case CWTKPopupMenu::kHitBottomShadow:
            ClosePopup(pParentPopup);
            m_pFrame->SetFocus();
            return TRUE;
        default:
            break;
        }
    }
    if (pItems != nullptr && pItems->IsCommandSent())
        return FALSE;
    const BOOL bTracking = pPopup->IsTracking();
    CWnd* pFocus = CWnd::GetFocus();
    ClosePopup(pPopup);
    if (pFocus != nullptr && dynamic_cast<CWTKPopupMenuBar*>(pFocus) != nullptr)
        m_pFrame->SetFocus();
    return bTracking;
}

BOOL CWTKFrameHelper::SetActivePopup(CWTKPopupMenu* pPopup)
{
    CWTKPopupMenu::SetActiveMenu(pPopup);
    if (pPopup == nullptr || WTKIsCustomizeMode())
        return TRUE;
    CWTKPopupMenu* pOuter = pPopup;
    for (int nDepth = 0; nDepth < 64; ++nDepth) {
        CWTKPopupMenu* pParent = pOuter->GetParentPopupMenu();
        if (pParent == nullptr)
            break;
        pOuter = pParent;
    }
    CWTKToolBar* pBar = pOuter->GetParentToolBar();
    if (pBar != nullptr && ::IsWindow(pBar->GetSafeHwnd()) && dynamic_cast<CWTKPopupMenuBar*>(pBar) == nullptr &&
        !pBar->IsFloating() && ::GetFocus() != pBar->GetSafeHwnd())
        pBar->SetFocus();
    return TRUE;
}

void CWTKFrameHelper::OnActivateFrame(UINT nState)
{
    if (nState == WA_INACTIVE) {
        OnDeactivate();
        return;
    }
    RaiseFloatingFrames();
    if (nState == WA_CLICKACTIVE)
        m_pFrame->UpdateWindow();
}

void CWTKFrameHelper::OnDeactivate()
{
    if (WTKIsCustomizeMode())
        return;
    CWTKPopupMenu* pPopup = CWTKPopupMenu::GetActiveMenu();
    if (pPopup == nullptr || m_pMenuBar == nullptr || !::IsWindow(m_pMenuBar->GetSafeHwnd()))
        return;
    for (CWTKToolbarButton* pButton : m_pMenuBar->GetAllButtons()) {
        if (auto* pMenuButton = dynamic_cast<CWTKToolbarMenuButton*>(pButton);
            pMenuButton && pMenuButton->IsDroppedDown())
            pMenuButton->CloseAllPopups();
    }
}
