#include "win/CmdUI.h"
#include "win/CmdTarget.h"
#include "win/Wnd.h"
#include "win/FrameworkRes.h"
#include "win/Menu.h"

#include <algorithm>

bool FwIsSystemCommand(UINT nID)
{
    return nID >= FW_ID_FIRST_SYSTEM_COMMAND && nID <= FW_ID_LAST_SYSTEM_COMMAND;
}

void FwBeginUpdate(CCmdUI* pCmdUI)
{
    pCmdUI->m_bContinueRouting = FALSE;
}

BOOL FwEndUpdate(CCmdUI* pCmdUI)
{
    return !pCmdUI->m_bContinueRouting;
}

void CCmdUI::Enable(BOOL bOn)
{
    if (m_pMenu) {
        if (!m_pSubMenu)
            ::EnableMenuItem(FwSafeHmenu(m_pMenu), m_nIndex,
                             MF_BYPOSITION | (bOn ? MF_ENABLED : (MF_DISABLED | MF_GRAYED)));
    } else if (m_pOther) {
        // A control losing its enabled state must not keep the focus.
        if (!bOn && ::GetFocus() == m_pOther->m_hWnd)
            m_pOther->GetParent() ? (void)m_pOther->GetParent()->SendMessage(WM_NEXTDLGCTL, 0, FALSE) : (void)0;
        m_pOther->EnableWindow(bOn);
    }
    m_bEnableChanged = TRUE;
}

void CCmdUI::SetCheck(int nCheck)
{
    if (m_pMenu) {
        if (!m_pSubMenu)
            ::CheckMenuItem(FwSafeHmenu(m_pMenu), m_nIndex, MF_BYPOSITION | (nCheck ? MF_CHECKED : MF_UNCHECKED));
    } else if (m_pOther && (m_pOther->SendMessage(WM_GETDLGCODE) & DLGC_BUTTON)) {
        m_pOther->SendMessage(BM_SETCHECK, (WPARAM)nCheck);
    }
}

void CCmdUI::SetRadio(BOOL bOn)
{
    if (m_pMenu) {
        if (!m_pSubMenu) {
            HMENU hMenu = FwSafeHmenu(m_pMenu);
            MENUITEMINFOA info = {sizeof(info), MIIM_FTYPE, 0, 0, 0, nullptr, nullptr, nullptr, 0, nullptr, 0, nullptr};
            ::GetMenuItemInfoA(hMenu, m_nIndex, TRUE, &info);
            info.fType = bOn ? (info.fType | MFT_RADIOCHECK) : (info.fType & ~MFT_RADIOCHECK);
            ::SetMenuItemInfoA(hMenu, m_nIndex, TRUE, &info);
            ::CheckMenuItem(hMenu, m_nIndex, MF_BYPOSITION | (bOn ? MF_CHECKED : MF_UNCHECKED));
        }
    } else {
        SetCheck(bOn ? 1 : 0);
    }
}

void CCmdUI::SetText(LPCSTR lpszText)
{
    if (m_pMenu) {
        if (m_pSubMenu)
            return;
        HMENU hMenu = FwSafeHmenu(m_pMenu);
        UINT nState = ::GetMenuState(hMenu, m_nIndex, MF_BYPOSITION) &
            (MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_MENUBARBREAK | MF_MENUBREAK);
        ::ModifyMenuA(hMenu, m_nIndex, MF_BYPOSITION | MF_STRING | nState, m_nID, lpszText);
    } else if (m_pOther) {
        m_pOther->SetWindowText(lpszText);
    }
}

BOOL CCmdUI::DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler)
{
    if (m_nID == 0 || LOWORD(m_nID) == 0xFFFF)
        return TRUE;  // separators and invalid ids are not commands
    m_bEnableChanged = FALSE;
    BOOL bResult = pTarget->OnCmdMsg(m_nID, (int)CN_UPDATE_COMMAND_UI, this, nullptr);
    if (bDisableIfNoHndler && !m_bEnableChanged) {
        FwCmdHandlerInfo info = {nullptr, nullptr};
        if (!pTarget->OnCmdMsg(m_nID, CN_COMMAND, this, &info))
            Enable(FALSE);
    }
    return bResult;
}

void FwUpdateMenuItems(CMenu* pMenu, CCmdTarget* pTarget, BOOL bDisableIfNoHndler)
{
    if (!pMenu || !pTarget)
        return;
    CCmdUI state;
    state.m_pMenu = pMenu;
    state.m_nIndexMax = (UINT)std::max(0, pMenu->GetMenuItemCount());
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
        state.m_nID = pMenu->GetMenuItemID((int)state.m_nIndex);
        // A popup updates its own items when it opens; the system's items are its own.
        if (state.m_nID == 0 || state.m_nID == (UINT)-1 || state.m_nID >= FW_ID_FIRST_SYSTEM_COMMAND)
            continue;
        state.DoUpdate(pTarget, bDisableIfNoHndler);
    }
}
