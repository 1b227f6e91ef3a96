#include "command_bars/WTKDropDownToolBar.h"

#include "command_bars/WTKDropDownFrame.h"
#include "command_bars/WTKDropDownToolbarButton.h"
#include "command_bars/WTKMouseLeaveTimer.h"

#include "docview/FrameWnd.h"

IMPLEMENT_SERIAL(CWTKDropDownToolBar, CWTKToolBar, VERSIONABLE_SCHEMA | 1)

BEGIN_MESSAGE_MAP(CWTKDropDownToolBar, CWTKToolBar)
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSELEAVE()
    ON_WM_LBUTTONUP()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CWTKDropDownToolBar::~CWTKDropDownToolBar()
{
    ReleaseButtons(FALSE);
    WithdrawFromList();
}

BOOL CWTKDropDownToolBar::LoadBitmap(UINT uiResID, UINT uiColdResID, UINT uiMenuResID, BOOL /*bLocked*/,
                                     UINT uiDisabledResID, UINT uiMenuDisabledResID)
{
    return CWTKToolBar::LoadBitmap(uiResID, uiColdResID, uiMenuResID, TRUE, uiDisabledResID, uiMenuDisabledResID);
}

BOOL CWTKDropDownToolBar::LoadToolBar(UINT uiResID, UINT uiColdResID, UINT uiMenuResID, BOOL /*bLocked*/,
                                      UINT uiDisabledResID, UINT uiMenuDisabledResID, UINT uiHotResID)
{
    return CWTKToolBar::LoadToolBar(uiResID, uiColdResID, uiMenuResID, TRUE, uiDisabledResID, uiMenuDisabledResID,
                                    uiHotResID);
}

CWTKImageStrip* CWTKDropDownToolBar::GetLockedImages(BOOL bLarge)
{
    if (bLarge && m_LargeImagesLocked.GetCount() > 0)
        return &m_LargeImagesLocked;
    return &m_ImagesLocked;
}

CWTKDropDownFrame* CWTKDropDownToolBar::GetDropDownFrame() const
{
    if (m_pSource == nullptr || !::IsWindow(GetSafeHwnd()))
        return nullptr;
    return dynamic_cast<CWTKDropDownFrame*>(CWnd::FromHandlePermanent(::GetParent(GetSafeHwnd())));
}

// ---- The list shown in a drop-down frame ----

void CWTKDropDownToolBar::ShowButtonsOf(CWTKDropDownToolBar* pSource)
{
    ReleaseButtons(FALSE);
    RemoveAllButtons();
    if (pSource == nullptr || pSource == this)
        return;
    // A source shown elsewhere is taken back from there first: one list at a time.
    if (pSource->m_pShownIn != nullptr)
        pSource->m_pShownIn->ReleaseButtons(FALSE);

    m_bLocked = TRUE;
    m_bLargeIconsEnabled = pSource->m_bLargeIconsEnabled;
    pSource->m_ImagesLocked.CopyTo(m_ImagesLocked);
    pSource->m_ColdImagesLocked.CopyTo(m_ColdImagesLocked);
    pSource->m_DisabledImagesLocked.CopyTo(m_DisabledImagesLocked);
    SetLockedSizes(pSource->m_sizeButtonLocked, pSource->m_sizeImageLocked);

    // The source keeps owning its buttons: the list only shows them.
    for (CWTKToolbarButton* pButton : pSource->m_Buttons) {
        if (pButton != pSource->m_pCustomizeBtn)
            m_Buttons.AddBorrowed(pButton);
    }
    m_pSource = pSource;
    pSource->m_pShownIn = this;
    RebuildMnemonics();
}

void CWTKDropDownToolBar::ReleaseButtons(BOOL bLayoutSource)
{
    CWTKDropDownToolBar* pSource = m_pSource;
    if (pSource == nullptr)
        return;
    for (CWTKToolbarButton* pButton : m_Buttons)
        pButton->m_nStyle &= ~TBBS_PRESSED;
    m_Buttons.RemoveAll();
    m_AccelKeys.RemoveAll();
    m_iButtonCapture = -1;
    m_iHighlighted = -1;
    m_iSelected = -1;
    m_iDroppedDown = -1;
    m_pSource = nullptr;
    pSource->m_pShownIn = nullptr;
    if (bLayoutSource)
        pSource->AdjustLayout();
}

void CWTKDropDownToolBar::WithdrawFromList()
{
    CWTKDropDownToolBar* pList = m_pShownIn;
    if (pList == nullptr)
        return;
    CWTKDropDownFrame* pFrame = pList->GetDropDownFrame();
    pList->ReleaseButtons(FALSE);
    if (pFrame != nullptr)
        pFrame->Close();
}

// ---- Commands ----

BOOL CWTKDropDownToolBar::OnSendCommand(const CWTKToolbarButton* pButton)
{
    if (m_pSource == nullptr)
        return CWTKToolBar::OnSendCommand(pButton);
    CWTKDropDownFrame* pFrame = GetDropDownFrame();
    // A frame on its way out takes no second command.
    if (pFrame == nullptr || pFrame->IsClosing())
        return TRUE;
    if (pButton == nullptr || (pButton->m_nStyle & TBBS_DISABLED) != 0 || pButton->m_nID == 0 ||
        pButton->m_nID == static_cast<UINT>(-1))
        return FALSE;
    const UINT uiCmd = pButton->m_nID;
    if (CWTKDropDownToolbarButton* pParentButton = pFrame->GetParentButton())
        pParentButton->SetDefaultCommand(uiCmd);
    CWnd* pOwner = GetOwner();
    if (pOwner == nullptr)
        pOwner = GetParent();
    if (pOwner != nullptr)
        pOwner->PostMessage(WM_COMMAND, uiCmd, 0);
    // The bar is inside one of its own handlers: the frame goes once it has returned.
    pFrame->Close();
    return TRUE;
}

void CWTKDropDownToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    if (m_pSource != nullptr) {
        if (auto* pFrame = dynamic_cast<CFrameWnd*>(GetCommandTarget()))
            pTarget = pFrame;
    }
    CWTKToolBar::OnUpdateCmdUI(pTarget, bDisableIfNoHndler);
}

// ---- Mouse ----

void CWTKDropDownToolBar::SetHotButton(int iHot)
{
    if (iHot == m_iHighlighted)
        return;
    if (CWTKToolbarButton* pOld = GetButton(m_iHighlighted))
        pOld->m_nStyle &= ~TBBS_PRESSED;
    if (CWTKToolbarButton* pNew = GetButton(iHot))
        pNew->m_nStyle |= TBBS_PRESSED;
    const int iOld = m_iHighlighted;
    m_iHighlighted = iHot;
    InvalidateButton(iOld);
    InvalidateButton(iHot);
}

void CWTKDropDownToolBar::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_pSource == nullptr) {
        CWTKToolBar::OnMouseMove(nFlags, point);
        return;
    }
    if (point == m_ptLastMouse)
        return;
    m_ptLastMouse = point;

    int iHot = HitTest(point);
    if (const CWTKToolbarButton* pButton = GetButton(iHot)) {
        if (pButton->IsSeparator() || ((pButton->m_nStyle & TBBS_DISABLED) && !AllowHighlightDisabled()))
            iHot = -1;
    }
    if (!m_bTracked) {
        TRACKMOUSEEVENT tme {};
        tme.cbSize = sizeof(tme);
        tme.dwFlags = TME_LEAVE;
        tme.hwndTrack = GetSafeHwnd();
        m_bTracked = CWTKMouseLeaveTimer::Track(&tme) != 0;
    }
    if (iHot == m_iHighlighted)
        return;
    SetHotButton(iHot);
    if (const CWTKToolbarButton* pHot = GetButton(iHot))
        ShowCommandPrompt(pHot->m_nID);
    else if (!IsCustomizeMode())
        ShowCommandPrompt(static_cast<UINT>(-1));
    OnChangeHot(iHot);
}

void CWTKDropDownToolBar::OnMouseLeave()
{
    if (m_pSource != nullptr)
        SetHotButton(-1);
    CWTKToolBar::OnMouseLeave();
}

void CWTKDropDownToolBar::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_pSource != nullptr && !IsCustomizeMode()) {
        CRect rectClient;
        GetClientRect(rectClient);
        if (!rectClient.PtInRect(point)) {
            if (CWTKDropDownFrame* pFrame = GetDropDownFrame())
                pFrame->Close();
        } else if (CWTKToolbarButton* pHot = GetButton(m_iHighlighted)) {
            m_iButtonCapture = m_iHighlighted;
            pHot->m_nStyle &= ~TBBS_PRESSED;
        }
    }
    CWTKToolBar::OnLButtonUp(nFlags, point);
}

void CWTKDropDownToolBar::OnDestroy()
{
    ReleaseButtons(TRUE);
    WithdrawFromList();
    CWTKToolBar::OnDestroy();
}
