// CWTKToolBar: mouse, focus, keyboard, tooltips, command state and the TB_* messages that
// outside readers send.
#include "command_bars/WTKToolBar.h"

#include "command_bars/WTKCommandUsageCounter.h"
#include "command_bars/WTKDropDownToolbarButton.h"
#include "command_bars/WTKToolbarMessages.h"

#include "foundation/WTKKeyboardManager.h"
#include "foundation/WTKGlobalData.h"
#include "foundation/WTKUserToolsManagerBase.h"

#include "bars/BarToolTip.h"
#include "docview/FrameWnd.h"
#include "win/CmdUI.h"
#include "win/ToolTipCtrl.h"
#include "win/WndLifeGuard.h"

#include <vector>

namespace {
constexpr UINT kIdleMessage = 0xE001;

// A drop-down button is pressed even with its default command disabled: holding it opens its list.
BOOL IsPressedWhenDisabled(const CWTKToolbarButton* pButton)
{
    return dynamic_cast<const CWTKDropDownToolbarButton*>(pButton) != nullptr;
}

// The command state of one toolbar button, asked of the frame's command targets.
class CToolbarCmdUI : public CCmdUI {
public:
    CToolbarCmdUI(CWTKToolBar* pBar, int nIndex, UINT nID) : m_pBar(pBar)
    {
        m_nIndex = static_cast<UINT>(nIndex);
        m_nID = nID;
        m_pOther = pBar;
    }
    void Enable(BOOL bOn) override
    {
        m_bEnableChanged = TRUE;
        const UINT nOld = m_pBar->GetButtonStyle(static_cast<int>(m_nIndex));
        const UINT nNew = bOn ? (nOld & ~TBBS_DISABLED) : (nOld | TBBS_DISABLED);
        m_pBar->SetButtonStyle(static_cast<int>(m_nIndex), nNew);
    }
    void SetCheck(int nCheck) override
    {
        if (nCheck > 2)
            nCheck = 1;
        UINT nStyle = m_pBar->GetButtonStyle(static_cast<int>(m_nIndex)) & ~(TBBS_CHECKED | TBBS_INDETERMINATE);
        nStyle |= TBBS_CHECKBOX;
        if (nCheck == 1)
            nStyle |= TBBS_CHECKED;
        else if (nCheck == 2)
            nStyle |= TBBS_INDETERMINATE;
        m_pBar->SetButtonStyle(static_cast<int>(m_nIndex), nStyle);
    }
    void SetRadio(BOOL bOn) override
    {
        SetCheck(bOn ? 1 : 0);
        m_pBar->InvalidateButton(static_cast<int>(m_nIndex));
    }
    void SetText(LPCSTR lpszText) override
    {
        if (lpszText == nullptr)
            return;
        CString strText(lpszText);
        const int nTab = strText.Find('\t');
        if (nTab >= 0)
            strText = strText.Left(nTab);
        if (m_pBar->GetButtonText(static_cast<int>(m_nIndex)) != strText) {
            m_pBar->SetButtonText(static_cast<int>(m_nIndex), strText);
            m_pBar->AdjustLayout();
        }
    }

private:
    CWTKToolBar* m_pBar;
};

BOOL IsSkippedForUpdate(const CWTKToolbarButton* pButton)
{
    const UINT nID = pButton->m_nID;
    return pButton->IsSeparator() || nID == 0 || FwIsSystemCommand(nID) || nID >= 0xFF00;
}

// A user tool's command has no handler: the tools manager runs it.
BOOL DisablesIfNoHandler(BOOL bDisableIfNoHandler, UINT nID)
{
    return bDisableIfNoHandler && !WTKIsUserToolCmd(nID);
}

}  // namespace

// ---- Command state ----

void CWTKToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    // The caller decides; a bar that never greys for want of a handler overrides it.
    const BOOL bDisable = bDisableIfNoHndler && m_bDisableControlsIfNoHandler;
    for (int i = 0; i < GetCount(); i++) {
        CWTKToolbarButton* pButton = GetButton(i);
        if (pButton == nullptr || IsSkippedForUpdate(pButton))
            continue;
        CToolbarCmdUI state(this, i, pButton->m_nID);
        state.m_nIndexMax = static_cast<UINT>(GetCount());
        state.DoUpdate(pTarget, DisablesIfNoHandler(bDisable, pButton->m_nID));
    }
    CControlBar::OnUpdateCmdUI(pTarget, bDisableIfNoHndler);
}

void CWTKToolBar::UpdateButton(int nIndex)
{
    CWTKToolbarButton* pButton = GetButton(nIndex);
    if (pButton == nullptr || IsSkippedForUpdate(pButton))
        return;
    CWnd* pTarget = GetCommandTarget();
    if (pTarget == nullptr)
        return;
    CToolbarCmdUI state(this, nIndex, pButton->m_nID);
    state.m_nIndexMax = static_cast<UINT>(GetCount());
    state.DoUpdate(pTarget, DisablesIfNoHandler(m_bDisableControlsIfNoHandler, pButton->m_nID));
}

// ---- Mouse ----

void CWTKToolBar::OnMouseMove(UINT /*nFlags*/, CPoint point)
{
    if (IsStretching()) {
        TrackStretch(point);
        return;
    }
    if (point == m_ptLastMouse)
        return;
    m_ptLastMouse = point;

    int iHot = HitTest(point);
    if (iHot == -1 && ::GetFocus() == GetSafeHwnd())
        iHot = m_iHighlighted;
    if (const CWTKToolbarButton* pButton = GetButton(iHot)) {
        if (pButton->IsSeparator() || ((pButton->m_nStyle & TBBS_DISABLED) && !AllowHighlightDisabled()))
            iHot = -1;
    }
    if (!m_bTracked) {
        TRACKMOUSEEVENT tme {};
        tme.cbSize = sizeof(tme);
        tme.dwFlags = TME_LEAVE;
        tme.hwndTrack = GetSafeHwnd();
        m_bTracked = ::TrackMouseEvent(&tme);
    }
    if (iHot == m_iHighlighted)
        return;

    const int iOldHot = m_iHighlighted;
    m_iHighlighted = iHot;
    // The pressed button shows pressed only while the mouse is over it.
    if (CWTKToolbarButton* pPressed = GetButton(m_iButtonCapture)) {
        if (m_iButtonCapture == iHot)
            pPressed->m_nStyle |= TBBS_PRESSED;
        else
            pPressed->m_nStyle &= ~TBBS_PRESSED;
    }
    InvalidateButton(iOldHot);
    InvalidateButton(iHot);
    if (m_iButtonCapture == -1 || m_iButtonCapture == iHot || m_bMenuMode) {
        const CWTKToolbarButton* pHot = GetButton(iHot);
        ShowCommandPrompt(pHot ? pHot->m_nID : static_cast<UINT>(-1));
    } else if (s_hookMouse == nullptr) {
        ShowCommandPrompt(static_cast<UINT>(-1));
    }
    OnChangeHot(iHot);
}

void CWTKToolBar::OnMouseLeave()
{
    if (s_hookMouse != nullptr || (m_bMenuMode && GetDroppedDownMenu() != nullptr))
        return;
    m_bTracked = FALSE;
    m_ptLastMouse = CPoint(-1, -1);
    if (m_iHighlighted >= 0 && ::GetFocus() != GetSafeHwnd()) {
        const int iOld = m_iHighlighted;
        m_iHighlighted = -1;
        CWTKToolbarButton* pButton = InvalidateButton(iOld);
        if (pButton == nullptr || !pButton->IsDroppedDown())
            ShowCommandPrompt(static_cast<UINT>(-1));
    }
}

void CWTKToolBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (IsCustomizeMode() && !m_bLocked) {
        OnCustomizeLButtonDown(nFlags, point);
        return;
    }
    const int iButton = HitTest(point);
    if (iButton < 0) {
        CControlBar::OnLButtonDown(nFlags, point);
        return;
    }
    UpdateButton(iButton);
    CWTKToolbarButton* pButton = GetButton(iButton);
    // The command update may have rebuilt the bar.
    if (pButton == nullptr ||
        ((pButton->m_nStyle & TBBS_DISABLED) && !AllowHighlightDisabled() && !IsPressedWhenDisabled(pButton)))
        return;
    m_iButtonCapture = iButton;
    m_iHighlighted = iButton;
    pButton->m_nStyle |= TBBS_PRESSED;
    InvalidateButton(iButton);
    UpdateWindow();
    ShowCommandPrompt(pButton->m_nID);
    if (pButton->OnClick(this, FALSE)) {
        // The button handled the press itself (a popup opened).
        if (CWTKToolbarButton* pStill = GetButton(iButton))
            pStill->m_nStyle &= ~TBBS_PRESSED;
        m_iButtonCapture = -1;
        m_iHighlighted = -1;
        OnChangeHot(-1);
        return;
    }
    SetCapture();
}

void CWTKToolBar::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (IsStretching()) {
        EndStretch(point, TRUE);
        return;
    }
    if (m_iButtonCapture < 0) {
        CWnd::Default();
        (void)nFlags;
        return;
    }
    const int iPressed = m_iButtonCapture;
    CWTKToolbarButton* pButton = GetButton(iPressed);
    if (GetCapture() == this)
        ::ReleaseCapture();
    if (pButton == nullptr) {
        m_iButtonCapture = -1;
        m_iHighlighted = -1;
        return;
    }

    const BOOL bOver = HitTest(point) == iPressed;
    UINT nID = 0;
    // A check box button changes its check by the click itself; nothing else of its style is
    // the click's business, so what the command sets stays.
    BOOL bToggleCheck = FALSE;
    UINT nNewStyle = pButton->m_nStyle & ~TBBS_PRESSED;
    if (bOver) {
        UpdateButton(iPressed);
        pButton = GetButton(iPressed);
        if (pButton == nullptr) {
            m_iButtonCapture = -1;
            m_iHighlighted = -1;
            return;
        }
        nNewStyle = pButton->m_nStyle & ~TBBS_PRESSED;
        if (!(nNewStyle & TBBS_DISABLED)) {
            nID = pButton->m_nID;
            if (nNewStyle & TBBS_CHECKBOX) {
                bToggleCheck = TRUE;
                nNewStyle = (nNewStyle & ~TBBS_INDETERMINATE) ^ TBBS_CHECKED;
            }
        }
    }
    if (s_hookMouse == nullptr)
        ShowCommandPrompt(static_cast<UINT>(-1));
    m_iButtonCapture = -1;
    m_iHighlighted = -1;
    RestoreFocus();
    // A disabled drop-down released before its list opened: its hold ends, no command runs.
    if (nID == 0 && (nNewStyle & TBBS_DISABLED) && IsPressedWhenDisabled(pButton))
        pButton->OnClickUp();

    if (bOver && nID != 0 && nID != static_cast<UINT>(-1) && !OnSendCommand(pButton)) {
        InvalidateButton(iPressed);
        WTKGetCommandUsageCounter().AddCmd(nID);
        if (!pButton->OnClickUp()) {
            CWnd* pOwner = GetOwner();
            if (pOwner == nullptr)
                pOwner = GetParent();
            // The command may rebuild or destroy the bar: the button is found again below.
            const CWndLifeGuard self(this);
            if (pOwner != nullptr && !WTKInvokeUserTool(nID))
                pOwner->SendMessage(WM_COMMAND, nID, 0);
            if (!self.IsAlive())
                return;
        }
    }
    if (!::IsWindow(GetSafeHwnd()))
        return;
    // Look the button up again: it must still be at its index with its command.
    pButton = GetButton(iPressed);
    if (pButton != nullptr && (nID == 0 || pButton->m_nID == nID)) {
        UINT nStyle = pButton->m_nStyle & ~TBBS_PRESSED;
        if (bToggleCheck)
            nStyle = (nStyle & ~(TBBS_CHECKED | TBBS_INDETERMINATE)) | (nNewStyle & TBBS_CHECKED);
        SetButtonStyle(iPressed, nStyle);
        UpdateButton(iPressed);
        InvalidateButton(iPressed);
    }
    m_ptLastMouse = CPoint(-1, -1);
    OnMouseMove(0, point);
}

void CWTKToolBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    const int iButton = HitTest(point);
    if (iButton < 0) {
        CControlBar::OnLButtonDblClk(nFlags, point);
        return;
    }
    GetButton(iButton)->OnDblClk(this);
    if (::IsWindow(GetSafeHwnd()))
        OnLButtonDown(nFlags, point);
}

void CWTKToolBar::EndPress()
{
    if (CWTKToolbarButton* pButton = GetButton(m_iButtonCapture))
        pButton->m_nStyle &= ~TBBS_PRESSED;
    if (GetCapture() == this)
        ::ReleaseCapture();
    m_iButtonCapture = -1;
}

void CWTKToolBar::OnCancelMode()
{
    if (IsStretching())
        EndStretch(CPoint(0, 0), FALSE);
    EndPress();
    m_iHighlighted = -1;
    OnChangeHot(-1);
    // By index: a button's popup closing may reach this bar.
    for (int i = 0; i < GetCount(); i++)
        m_Buttons.GetAt(i)->OnCancelMode();
    if (::IsWindow(GetSafeHwnd()))
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
}

void CWTKToolBar::OnContextMenu(CWnd* /*pWnd*/, CPoint point)
{
    if (IsCustomizeMode()) {
        OnCustomizeContextMenu(point);
        return;
    }
    const int iOld = m_iHighlighted;
    m_iHighlighted = -1;
    InvalidateButton(iOld);
    // A keyboard context menu (-1, -1) opens at the hot button or the bar's corner.
    if (point.x == -1 && point.y == -1) {
        CRect rect;
        GetItemRect(iOld, &rect);
        if (rect.IsRectEmpty())
            GetClientRect(rect);
        point = CPoint(rect.left, rect.bottom);
        ClientToScreen(&point);
    }
    CWnd* pTarget = m_pDockSite != nullptr ? static_cast<CWnd*>(m_pDockSite) : GetParentFrame();
    if (pTarget == nullptr)
        return;
    pTarget->SendMessage(WTK_TOOLBAR_POPUPMENU, reinterpret_cast<WPARAM>(GetSafeHwnd()),
                         MAKELPARAM(static_cast<WORD>(point.x), static_cast<WORD>(point.y)));
}

void CWTKToolBar::OnSetFocus(CWnd* pOldWnd)
{
    CControlBar::Default();
    if (pOldWnd == nullptr)
        return;
    // A window inside a toolbar is not remembered.
    for (HWND hWnd = pOldWnd->GetSafeHwnd(); hWnd != nullptr; hWnd = ::GetParent(hWnd)) {
        for (POSITION pos = WTKAllToolbars().GetHeadPosition(); pos != nullptr;) {
            CWnd* pBar = WTKAllToolbars().GetNext(pos)->GetBarWnd();
            if (pBar != nullptr && pBar->GetSafeHwnd() == hWnd)
                return;
        }
    }
    m_hwndLastFocus = pOldWnd->GetSafeHwnd();
}

void CWTKToolBar::OnKillFocus(CWnd* /*pNewWnd*/)
{
    CControlBar::Default();
    if (!IsCustomizeMode())
        Deactivate();
}

BOOL CWTKToolBar::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_ESCAPE) {
        if (IsStretching()) {
            EndStretch(CPoint(0, 0), FALSE);
            return TRUE;
        }
        // With a menu open the key is the menu's: the frame hands it to the open popup, which
        // closes one level.
        if (GetDroppedDownMenu() != nullptr)
            return CControlBar::PreTranslateMessage(pMsg);
        Deactivate();
        RestoreFocus();
        return TRUE;
    }
    return CControlBar::PreTranslateMessage(pMsg);
}

BOOL CWTKToolBar::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (IsCustomizeMode()) {
        // The button context menu's commands are the bar's own; the rest go on unchanged.
        if (lParam == 0 && CWnd::OnCommand(wParam, lParam))
            return TRUE;
        return CControlBar::OnCommand(wParam, lParam);
    }
    CWnd* pOwner = GetOwner();
    const HWND hWndCtrl = reinterpret_cast<HWND>(lParam);
    if (hWndCtrl != nullptr) {
        for (CWTKToolbarButton* pButton : m_Buttons) {
            if (!pButton->IsOwnerOf(hWndCtrl))
                continue;
            if (pButton->NotifyCommand(HIWORD(wParam)) && pOwner != nullptr)
                pOwner->PostMessage(WM_COMMAND, MAKEWPARAM(pButton->m_nID, HIWORD(wParam)), lParam);
            return TRUE;
        }
    }
    if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        for (CWTKToolbarButton* pButton : m_Buttons) {
            if (!pButton->HasFocus())
                continue;
            if (LOWORD(wParam) == IDOK && pOwner != nullptr)
                pOwner->PostMessage(WM_COMMAND, pButton->m_nID, 0);
            else if (LOWORD(wParam) == IDCANCEL)
                RestoreFocus();
            return TRUE;
        }
    }
    return CControlBar::OnCommand(wParam, lParam);
}

// ---- Tooltips ----

INT_PTR CWTKToolBar::OnToolHitTest(CPoint point, TTTOOLINFOA* pTI) const
{
    if (!WTKGetCommandBarSettings().bShowTooltips)
        return -1;
    const INT_PTR nChild = CControlBar::OnToolHitTest(point, pTI);
    if (nChild != -1)
        return nChild;
    auto* pThis = const_cast<CWTKToolBar*>(this);
    const int iButton = pThis->HitTest(point);
    CWTKToolbarButton* pButton = GetButton(iButton);
    if (pButton == nullptr || pButton->IsWindowVisible())
        return -1;

    CString strTip;
    const UINT nID = pButton->m_nID;
    if (!pThis->ShowCommandMessageString(pButton, strTip)) {
        if ((nID == 0 || nID == static_cast<UINT>(-1) || pButton->m_bUserButton) && !pButton->m_strText.IsEmpty()) {
            strTip = CWTKToolbarButton::RemoveMnemonicMarks(pButton->m_strText);
        } else {
            CString strPrompt;
            strPrompt.LoadString(nID);
            const int nNewLine = strPrompt.Find('\n');
            if (nNewLine >= 0)
                strTip = strPrompt.Mid(nNewLine + 1);
        }
    }
    if (strTip.IsEmpty())
        return -1;
    if (WTKGetCommandBarSettings().bShowShortcutKeys && nID != 0 && nID != static_cast<UINT>(-1)) {
        CString strKeys;
        if (!CWTKKeyboardManager::FindDefaultAccelerator(nID, strKeys, GetTopLevelFrame(), TRUE)) {
            auto* pActive = dynamic_cast<CFrameWnd*>(CWnd::GetActiveWindow());
            CWTKKeyboardManager::FindDefaultAccelerator(nID, strKeys, pActive, FALSE);
        }
        if (!strKeys.IsEmpty())
            strTip += " (" + strKeys + ")";
    }
    if (pTI != nullptr) {
        CRect rect;
        GetItemRect(iButton, &rect);
        pTI->hwnd = GetSafeHwnd();
        pTI->rect = rect;
        pTI->uId = nID == static_cast<UINT>(-1) ? 0 : nID;
        pTI->lpszText = CBarToolTip::DuplicateText(strTip);
        if (CToolTipCtrl* pTip = CBarToolTip::GetToolTip())
            pTip->SetFont(&WTKGetGlobalData().fontTooltip, FALSE);
    }
    return nID == static_cast<UINT>(-1) ? 0 : nID;
}

// ---- Help mode and the thread mouse hook ----

LRESULT CWTKToolBar::OnHelpHitTest(WPARAM /*wParam*/, LPARAM lParam)
{
    EndPress();
    const int iButton = HitTest(CPoint(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))));
    const CWTKToolbarButton* pButton = GetButton(iButton);
    if (pButton == nullptr) {
        ::MessageBeep(static_cast<UINT>(-1));
        return -1;
    }
    SetMouseHook(FALSE);
    return pButton->m_nID;
}

CWTKToolBar* CWTKToolBar::FindHookedToolbar(HWND hWnd)
{
    if (hWnd == nullptr)
        return nullptr;
    CWTKToolBar* pFound = nullptr;
    for (POSITION pos = WTKAllToolbars().GetHeadPosition(); pos != nullptr;) {
        auto* pBar = dynamic_cast<CWTKToolBar*>(WTKAllToolbars().GetNext(pos));
        if (pBar != nullptr && pBar->GetSafeHwnd() == hWnd)
            pFound = pBar;
    }
    return pFound;
}

LRESULT CALLBACK CWTKToolBar::MouseHookProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HC_ACTION && wParam == WM_MOUSEMOVE) {
        const auto* pInfo = reinterpret_cast<const MOUSEHOOKSTRUCT*>(lParam);
        // A move that goes to the window holding the mouse (the frame, in help mode) is followed
        // by the bar under the cursor.
        CWTKToolBar* pUnder = FindHookedToolbar(pInfo->hwnd);
        if (pUnder == nullptr)
            pUnder = FindHookedToolbar(::WindowFromPoint(pInfo->pt));
        if (s_pLastHookedToolbar != nullptr && s_pLastHookedToolbar != pUnder) {
            CWTKToolBar* pLast = s_pLastHookedToolbar;
            const int iOld = pLast->m_iHighlighted;
            pLast->m_iHighlighted = -1;
            pLast->m_bTracked = FALSE;
            pLast->m_ptLastMouse = CPoint(-1, -1);
            pLast->InvalidateButton(iOld);
        }
        s_pLastHookedToolbar = pUnder;
        if (pUnder != nullptr) {
            CPoint pt = pInfo->pt;
            pUnder->ScreenToClient(&pt);
            pUnder->OnMouseMove(0, pt);
        }
    }
    return ::CallNextHookEx(s_hookMouse, nCode, wParam, lParam);
}

BOOL CWTKToolBar::SetMouseHook(BOOL bSet)
{
    if (bSet) {
        if (s_hookMouse == nullptr)
            s_hookMouse = ::SetWindowsHookExA(WH_MOUSE, &MouseHookProc, nullptr, ::GetCurrentThreadId());
        return s_hookMouse != nullptr;
    }
    if (s_hookMouse != nullptr) {
        ::UnhookWindowsHookEx(s_hookMouse);
        s_hookMouse = nullptr;
    }
    s_pLastHookedToolbar = nullptr;
    for (POSITION pos = WTKAllToolbars().GetHeadPosition(); pos != nullptr;) {
        auto* pBar = dynamic_cast<CWTKToolBar*>(WTKAllToolbars().GetNext(pos));
        if (pBar != nullptr && ::IsWindow(pBar->GetSafeHwnd()))
            pBar->OnCancelMode();
    }
    return TRUE;
}

// ---- Toolbar control messages for outside readers ----

LRESULT CWTKToolBar::OnButtonCount(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    return GetCount();
}

LRESULT CWTKToolBar::OnGetItemRect(WPARAM wParam, LPARAM lParam)
{
    auto* pRect = reinterpret_cast<RECT*>(lParam);
    const int nIndex = static_cast<int>(wParam);
    if (pRect == nullptr || GetButton(nIndex) == nullptr)
        return FALSE;
    GetItemRect(nIndex, pRect);
    return TRUE;
}

LRESULT CWTKToolBar::OnGetButton(WPARAM wParam, LPARAM lParam)
{
    auto* pTbb = reinterpret_cast<TBBUTTON*>(lParam);
    const CWTKToolbarButton* pButton = GetButton(static_cast<int>(wParam));
    if (pTbb == nullptr || pButton == nullptr)
        return FALSE;
    *pTbb = TBBUTTON {};
    pTbb->idCommand = static_cast<int>(pButton->m_nID);
    pTbb->fsStyle = static_cast<BYTE>(pButton->m_nStyle & 0xFF);
    pTbb->fsState = static_cast<BYTE>((pButton->m_nStyle >> 16) & 0xFF);
    return TRUE;
}

LRESULT CWTKToolBar::OnGetButtonText(WPARAM wParam, LPARAM lParam)
{
    const int nIndex = CommandToIndex(static_cast<UINT>(wParam));
    const CWTKToolbarButton* pButton = GetButton(nIndex);
    if (pButton == nullptr)
        return -1;
    auto* pszText = reinterpret_cast<LPSTR>(lParam);
    if (pszText != nullptr)
        lstrcpyA(pszText, pButton->m_strText);
    return pButton->m_strText.GetLength();
}
