// CWTKPopupMenuBar: the hot item and the delayed sub-menus, the keyboard, the mouse, and the
// chosen item's command.
#include "command_bars/WTKPopupMenuBar.h"

#include "command_bars/WTKCommandUsageCounter.h"
#include "command_bars/WTKContextMenuManager.h"
#include "command_bars/WTKMenuSoundPlayer.h"
#include "command_bars/WTKPopupMenu.h"
#include "command_bars/WTKToolbarMenuButton.h"

#include "foundation/WTKUserToolsManagerBase.h"

#include "bars/BarToolTip.h"
#include "docview/FrameWnd.h"
#include "win/MessageMap.h"
#include "win/WndLifeGuard.h"

#include <algorithm>

namespace {
constexpr UINT kIdleMessage = 0xE001;

BOOL IsDisabled(const CWTKToolbarButton* pButton)
{
    return (pButton->m_nStyle & TBBS_DISABLED) != 0;
}

// The top-level frame that keeps the active popup.
CFrameWnd* TopFrameOf(const CWnd* pWnd)
{
    return pWnd != nullptr ? pWnd->GetTopLevelFrame() : nullptr;
}
}  // namespace

// ---- Creation and destruction ----

int CWTKPopupMenuBar::OnCreate(LPCREATESTRUCTA lpcs)
{
    if (CWTKToolBar::OnCreate(lpcs) == -1)
        return -1;
    GetMenuShowDelay();
    // Separators leave the image column free.
    const CSize sizeImage = GetMenuImageSize();
    m_xSeparatorOffsetLeft = sizeImage.cx + 4;
    m_xSeparatorOffsetRight = 1;
    return 0;
}

void CWTKPopupMenuBar::OnDestroy()
{
    KillTimer(kOpenSubMenuTimer);
    KillTimer(kCloseSubMenuTimer);
    m_pDelayedPopupMenuButton = nullptr;
    m_pDelayedClosePopupMenuButton = nullptr;
    for (CWTKToolbarButton* pButton : m_Buttons) {
        auto* pMenuButton = dynamic_cast<CWTKToolbarMenuButton*>(pButton);
        CWTKPopupMenu* pPopup = pMenuButton != nullptr ? pMenuButton->GetPopupMenu() : nullptr;
        if (pPopup == nullptr || !::IsWindow(pPopup->GetSafeHwnd()))
            continue;
        if (IsCustomizeMode())
            pPopup->SaveItemsToParentButton();
        pPopup->PostMessage(WM_CLOSE);
    }
    CWTKToolBar::OnDestroy();
}

void CWTKPopupMenuBar::RemoveAllButtons()
{
    // The sub-menu timers point at buttons that are about to go.
    if (::IsWindow(GetSafeHwnd())) {
        KillTimer(kOpenSubMenuTimer);
        KillTimer(kCloseSubMenuTimer);
    }
    m_pDelayedPopupMenuButton = nullptr;
    m_pDelayedClosePopupMenuButton = nullptr;
    CWTKToolBar::RemoveAllButtons();
}

// ---- Hot item and sub-menus ----

BOOL CWTKPopupMenuBar::IsSubMenuItem(const CWTKToolbarButton* pButton) const
{
    const auto* pMenuButton = dynamic_cast<const CWTKToolbarMenuButton*>(pButton);
    if (pMenuButton == nullptr)
        return FALSE;
    return pButton->m_nID == CWTKToolbarMenuButton::kSubMenuId || !pMenuButton->GetCommands().IsEmpty();
}

BOOL CWTKPopupMenuBar::IsCursorOnButton(const CWTKToolbarButton* pButton) const
{
    if (pButton == nullptr || !::IsWindow(GetSafeHwnd()))
        return FALSE;
    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    ScreenToClient(&ptCursor);
    return pButton->GetRect().PtInRect(ptCursor);
}

void CWTKPopupMenuBar::OnChangeHot(int iHot)
{
    if (iHot == -1) {
        // The cursor left the items while it still rests on the last hot one.
        CPoint ptCursor;
        ::GetCursorPos(&ptCursor);
        ScreenToClient(&ptCursor);
        const int iUnder = HitTest(ptCursor);
        if (iUnder >= 0) {
            m_iHighlighted = iUnder;
            return;
        }
    }

    CWTKToolbarButton* pNew = GetButton(iHot);
    auto* pOpen = dynamic_cast<CWTKToolbarMenuButton*>(GetDroppedDownMenu());
    if (pOpen != nullptr && pOpen != pNew) {
        const MSG* pMsg = CWnd::GetCurrentMessage();
        if (IsCustomizeMode() || (pMsg != nullptr && pMsg->message == WM_KEYDOWN)) {
            KillTimer(kCloseSubMenuTimer);
            if (m_pDelayedClosePopupMenuButton != nullptr)
                m_pDelayedClosePopupMenuButton->m_bToBeClosed = FALSE;
            m_pDelayedClosePopupMenuButton = nullptr;
            pOpen->OnCancelMode();
            if (CWTKPopupMenu* pPopup = GetParentPopupMenu())
                CWTKPopupMenu::ActivatePopupMenu(TopFrameOf(pPopup), pPopup);
        } else {
            // The mouse may come back to the open sub-menu in time.
            m_pDelayedClosePopupMenuButton = pOpen;
            pOpen->m_bToBeClosed = TRUE;
            SetTimer(kCloseSubMenuTimer, static_cast<UINT>(std::max(GetMenuShowDelay() - 1, 1)));
            InvalidateButton(ButtonToIndex(pOpen));
        }
    }

    auto* pNewMenu = dynamic_cast<CWTKToolbarMenuButton*>(pNew);
    if (pNewMenu != nullptr && IsSubMenuItem(pNewMenu) && !pNewMenu->IsDroppedDown())
        pNewMenu->OnClick(this, TRUE);

    // Back on our own parent item: the parent popup keeps us open.
    if (CWTKPopupMenuBar* pParentBar = GetParentPopupBar()) {
        CWTKPopupMenu* pPopup = GetParentPopupMenu();
        if (pPopup != nullptr && pParentBar->GetDelayedSubMenuButton() == pPopup->GetParentButton() &&
            pParentBar->GetDelayedSubMenuButton() != nullptr)
            pParentBar->RestoreDelayedSubMenu();
    }
    if (pNew != nullptr && pNew == m_pDelayedClosePopupMenuButton)
        RestoreDelayedSubMenu();
}

void CWTKPopupMenuBar::StartPopupTimer(CWTKToolbarMenuButton* pMenuButton, int nFactor)
{
    KillTimer(kOpenSubMenuTimer);
    m_pDelayedPopupMenuButton = pMenuButton;
    if (pMenuButton != nullptr && pMenuButton == m_pDelayedClosePopupMenuButton) {
        RestoreDelayedSubMenu();
        m_pDelayedPopupMenuButton = nullptr;
        return;
    }
    SetTimer(kOpenSubMenuTimer, static_cast<UINT>(std::max(nFactor, 1) * GetMenuShowDelay()));
}

void CWTKPopupMenuBar::CloseDelayedSubMenu()
{
    CWTKToolbarMenuButton* pButton = m_pDelayedClosePopupMenuButton;
    if (pButton == nullptr)
        return;
    KillTimer(kCloseSubMenuTimer);
    m_pDelayedClosePopupMenuButton = nullptr;
    pButton->m_bToBeClosed = FALSE;
    pButton->OnCancelMode();
}

void CWTKPopupMenuBar::RestoreDelayedSubMenu()
{
    CWTKToolbarMenuButton* pButton = m_pDelayedClosePopupMenuButton;
    if (pButton == nullptr)
        return;
    KillTimer(kCloseSubMenuTimer);
    m_pDelayedClosePopupMenuButton = nullptr;
    pButton->m_bToBeClosed = FALSE;
    InvalidateButton(ButtonToIndex(pButton));
}

void CWTKPopupMenuBar::OnTimer(UINT_PTR nIDEvent)
{
    // A button the timer points at must still be one of ours.
    auto isOurs = [this](const CWTKToolbarButton* pButton) {
        return pButton != nullptr && ButtonToIndex(pButton) >= 0;
    };
    if (nIDEvent == kOpenSubMenuTimer) {
        KillTimer(kOpenSubMenuTimer);
        CBarToolTip::Destroy();
        if (isOurs(m_pDelayedClosePopupMenuButton) && IsCursorOnButton(m_pDelayedClosePopupMenuButton))
            return;
        CWTKToolbarMenuButton* pPending = m_pDelayedPopupMenuButton;
        m_pDelayedPopupMenuButton = nullptr;
        const CWndLifeGuard self(this);
        CloseDelayedSubMenu();
        if (!self.IsAlive())
            return;
        if (isOurs(pPending) && pPending == GetButton(m_iHighlighted))
            pPending->OpenPopupMenu(this);
        return;
    }
    if (nIDEvent == kCloseSubMenuTimer) {
        KillTimer(kCloseSubMenuTimer);
        CWTKToolbarMenuButton* pButton = m_pDelayedClosePopupMenuButton;
        if (!isOurs(pButton)) {
            m_pDelayedClosePopupMenuButton = nullptr;
            return;
        }
        if (IsCursorOnButton(pButton))
            return;
        CloseDelayedSubMenu();
        if (CWTKPopupMenu* pPopup = GetParentPopupMenu())
            CWTKPopupMenu::ActivatePopupMenu(TopFrameOf(pPopup), pPopup);
        return;
    }
    CWTKToolBar::Default();
}

// ---- Keyboard ----

int CWTKPopupMenuBar::FindNextHot(int iFrom, BOOL bForward) const
{
    const int nCount = GetCount();
    if (nCount == 0)
        return -1;
    if (iFrom < 0 || iFrom >= nCount)
        iFrom = bForward ? -1 : nCount;
    for (int nStep = 1; nStep <= nCount; nStep++) {
        const int i = ((iFrom + (bForward ? nStep : -nStep)) % nCount + nCount) % nCount;
        const CWTKToolbarButton* pButton = GetButton(i);
        if (pButton != nullptr && !pButton->IsSeparator() && !pButton->GetRect().IsRectEmpty())
            return i;
    }
    return -1;
}

void CWTKPopupMenuBar::SetHot(int iHot)
{
    if (GetButton(iHot) == nullptr)
        iHot = -1;
    if (iHot == m_iHighlighted)
        return;
    const int iOld = m_iHighlighted;
    m_iHighlighted = iHot;
    InvalidateButton(iOld);
    InvalidateButton(iHot);
    const CWTKToolbarButton* pHot = GetButton(iHot);
    ShowCommandPrompt(pHot != nullptr ? pHot->m_nID : static_cast<UINT>(-1));
    OnChangeHot(iHot);
}

BOOL CWTKPopupMenuBar::OnKey(UINT nChar)
{
    if (nChar == VK_TAB)
        nChar = ::GetKeyState(VK_SHIFT) < 0 ? VK_UP : VK_DOWN;

    switch (nChar) {
    case VK_RETURN: {
        CWTKToolbarButton* pHot = GetButton(m_iHighlighted);
        if (pHot == nullptr)
            return TRUE;
        auto* pMenuButton = dynamic_cast<CWTKToolbarMenuButton*>(pHot);
        if (pMenuButton != nullptr && IsSubMenuItem(pMenuButton) && pMenuButton->OpenPopupMenu(this))
            return TRUE;
        if (CWnd* pParent = GetParent())
            pParent->SendMessage(WM_SETMESSAGESTRING, kIdleMessage);
        OnSendCommand(pHot);
        return TRUE;
    }
    case VK_UP:
    case VK_END:
    case VK_DOWN:
    case VK_HOME: {
        const BOOL bForward = nChar == VK_DOWN || nChar == VK_HOME;
        int iFrom = m_iHighlighted;
        if (nChar == VK_HOME)
            iFrom = -1;
        else if (nChar == VK_END)
            iFrom = GetCount();
        SetHot(FindNextHot(iFrom, bForward));
        return TRUE;
    }
    default:
        break;
    }

    if (IsCustomizeMode() || ::GetKeyState(VK_CONTROL) < 0)
        return FALSE;
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    WORD wChar = 0;
    const HKL hkl = ::GetKeyboardLayout(0);
    if (::ToAsciiEx(nChar, ::MapVirtualKeyExA(nChar, 0, hkl), keys, &wChar, 0, hkl) != 1)
        return FALSE;
    const UINT uiLetter = static_cast<UINT>(reinterpret_cast<UINT_PTR>(
        ::CharUpperA(reinterpret_cast<LPSTR>(static_cast<UINT_PTR>(static_cast<unsigned char>(wChar & 0xFF))))));

    for (int i = 0; i < m_Buttons.GetCount(); i++) {
        CWTKToolbarButton* pButton = m_Buttons.GetAt(i);
        if (pButton->IsSeparator() || MnemonicLetter(pButton->m_strText) != uiLetter)
            continue;
        SetHot(i);
        auto* pMenuButton = dynamic_cast<CWTKToolbarMenuButton*>(pButton);
        if (pMenuButton != nullptr && IsSubMenuItem(pMenuButton) && pMenuButton->OpenPopupMenu(this)) {
            pMenuButton->SelectFirstPopupItem();
        } else if (IsDisabled(pButton)) {
            InvokeMenuCommand(0, pButton);
        } else {
            OnSendCommand(pButton);
        }
        return TRUE;
    }
    if (WTKGetCommandBarSettings().bRecentlyUsedMenus && !m_bAreAllCommandsShown) {
        if (const UINT uiCmd = GetHiddenItemCommand(uiLetter)) {
            InvokeMenuCommand(uiCmd, nullptr);
            return TRUE;
        }
    }
    return FALSE;
}

// ---- Commands ----

BOOL CWTKPopupMenuBar::OnSendCommand(const CWTKToolbarButton* pButton)
{
    if (pButton == nullptr || IsDisabled(pButton) || pButton->m_nID == CWTKToolbarMenuButton::kSubMenuId)
        return FALSE;
    if (const auto* pMenuButton = dynamic_cast<const CWTKToolbarMenuButton*>(pButton)) {
        if (pMenuButton->IsDroppedDown())
            return FALSE;
        if (pMenuButton->OnBeforeDrag())
            return TRUE;
        if (pMenuButton->GetKind() == CWTKToolbarButtonInfo::kindShowAllItems) {
            const_cast<CWTKToolbarMenuButton*>(pMenuButton)->OnClick(this, FALSE);
            return TRUE;
        }
    }
    InvokeMenuCommand(pButton->m_nID, pButton);
    return TRUE;
}

void CWTKPopupMenuBar::InvokeMenuCommand(UINT uiCmdId, const CWTKToolbarButton* pMenuItem)
{
    CWTKPopupMenu* pPopup = GetParentPopupMenu();
    CWnd* pMessageWnd = GetMessageTarget();
    CWnd* pPromptWnd = pMessageWnd != nullptr ? pMessageWnd : GetParent();
    if (pPromptWnd != nullptr)
        pPromptWnd->SendMessage(WM_SETMESSAGESTRING, kIdleMessage);
    if (CWTKToolBar* pRoot = GetRootToolBar())
        pRoot->Deactivate();
    s_iLastCommandIndex = pMenuItem != nullptr ? ButtonToIndex(pMenuItem) : -1;

    // The chain closes by posted messages, queued before the command: the menus are gone when
    // the command runs, and every caller up the stack (key, mouse and toolbar handlers) may
    // still use this bar and its buttons when we return.
    for (CWTKPopupMenu* pClose = pPopup; pClose != nullptr; pClose = pClose->GetParentPopupMenu()) {
        if (::IsWindow(pClose->GetSafeHwnd()))
            pClose->PostMessage(WM_CLOSE);
    }
    if (uiCmdId == 0)
        return;

    SetCommandSentFlag(TRUE);
    CWTKMenuSoundPlayer::Play(CWTKMenuSoundPlayer::kCommandSound);
    if (!m_bTrackMode) {
        WTKGetCommandUsageCounter().AddCmd(uiCmdId);
        if (pMessageWnd != nullptr) {
            pMessageWnd->PostMessage(WM_COMMAND, uiCmdId, 0);
        } else {
            CWTKUserToolsManagerBase* pTools = WTKGetUserToolsManager();
            if (pTools == nullptr || !pTools->InvokeTool(uiCmdId)) {
                // The first popup's target takes the command: a sub-menu's owner is the parent
                // popup's item bar, which closes with the chain before the command arrives.
                if (CWnd* pTarget = GetChainCommandTarget())
                    pTarget->PostMessage(WM_COMMAND, uiCmdId, 0);
            }
        }
    } else if (CWTKContextMenuManager* pManager = CWTKContextMenuManager::GetInstance()) {
        // A tracked context menu only reports the choice.
        pManager->SetLastCommand(uiCmdId);
    }
    SetCommandSentFlag(FALSE);
}

CWnd* CWTKPopupMenuBar::GetChainCommandTarget() const
{
    // The items of the chain's first popup decide for the whole chain.
    CWTKPopupMenu* pPopup = GetParentPopupMenu();
    const CWTKPopupMenuBar* pRootItems = pPopup != nullptr ? pPopup->GetRootPopupMenu()->GetMenuBar() : nullptr;
    const CWTKPopupMenuBar* pFirst = pRootItems != nullptr ? pRootItems : this;
    return pFirst->CWTKToolBar::GetCommandTarget();
}

// ---- Mouse ----

BOOL CWTKPopupMenuBar::ForwardToParentBar(UINT message, UINT nFlags, CPoint point)
{
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    CWTKToolBar* pBar = FindParentBarAt(ptScreen);
    if (pBar == nullptr)
        return FALSE;
    pBar->ScreenToClient(&ptScreen);
    pBar->SendMessage(message, nFlags, MAKELPARAM(static_cast<WORD>(ptScreen.x), static_cast<WORD>(ptScreen.y)));
    return TRUE;
}

void CWTKPopupMenuBar::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_bFirstMove) {
        // The popup opened under the cursor.
        m_bFirstMove = FALSE;
        return;
    }
    CRect rectClient;
    GetClientRect(rectClient);
    if (rectClient.PtInRect(point) || IsCustomizeMode()) {
        CWTKToolBar::OnMouseMove(nFlags, point);
        return;
    }
    ForwardToParentBar(WM_MOUSEMOVE, nFlags, point);
}

void CWTKPopupMenuBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    m_bFirstClick = FALSE;
    m_bAllowMouseUp = TRUE;
    CRect rectClient;
    GetClientRect(rectClient);
    if (!rectClient.PtInRect(point) && !IsCustomizeMode()) {
        // The bar under the cursor may close this popup.
        const CWndLifeGuard self(this);
        ForwardToParentBar(WM_LBUTTONDOWN, nFlags, point);
        if (!self.IsAlive())
            return;
    }
    CWTKToolBar::OnLButtonDown(nFlags, point);
}

void CWTKPopupMenuBar::OnLButtonUp(UINT nFlags, CPoint point)
{
    CRect rectClient;
    GetClientRect(rectClient);
    const BOOL bInside = rectClient.PtInRect(point);
    if (m_bFirstClick) {
        // The release that ends the press which opened the menu.
        m_bFirstClick = FALSE;
        m_iButtonCapture = m_iHighlighted;
        if (!bInside)
            return;
    } else if (!bInside && !IsCustomizeMode()) {
        const CWndLifeGuard self(this);
        ForwardToParentBar(WM_LBUTTONUP, nFlags, point);
        if (!self.IsAlive())
            return;
        if (CWTKPopupMenu* pPopup = GetParentPopupMenu())
            pPopup->CloseMenu();
    } else if (bInside) {
        m_iButtonCapture = m_iHighlighted;
    }
    if (m_bAllowMouseUp)
        CWTKToolBar::OnLButtonUp(nFlags, point);
}

void CWTKPopupMenuBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    const CWTKToolbarButton* pButton = GetButton(HitTest(point));
    if (pButton != nullptr && pButton->m_nID == CWTKToolbarMenuButton::kSubMenuId) {
        OnLButtonDown(nFlags, point);
        return;
    }
    CWTKToolBar::OnLButtonDblClk(nFlags, point);
}
