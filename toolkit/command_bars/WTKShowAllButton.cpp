#include "command_bars/WTKShowAllButton.h"

#include "command_bars/WTKPopupMenu.h"
#include "command_bars/WTKPopupMenuBar.h"
#include "command_bars/WTKToolBar.h"
#include "command_bars/res/WTKCommandBarsRes.h"

#include "foundation/WTKAcceleratorText.h"
#include "foundation/WTKVisualManager.h"

#include "bars/BarToolTip.h"
#include "core/String.h"
#include "gdi/DC.h"

IMPLEMENT_SERIAL(CWTKShowAllButton, CWTKToolbarMenuButton, VERSIONABLE_SCHEMA | 1)

namespace {

// Ctrl + Down arrow, the key that expands a shortened menu.
constexpr BYTE kExpandKeyFlags = FVIRTKEY | FCONTROL;
constexpr WORD kExpandKey = VK_DOWN;

}  // namespace

void CWTKShowAllButton::OnDraw(CDC* pDC, const CRect& rect, CWTKImageStrip* /*pImages*/, BOOL /*bHorz*/,
                               BOOL /*bCustomizeMode*/, BOOL bHighlight, BOOL /*bDrawBorder*/,
                               BOOL /*bGrayDisabledButtons*/)
{
    CWTKVisualManager* pLook = CWTKVisualManager::GetInstance();
    CRect rectLine = rect;
    rectLine.DeflateRect(0, 1);
    const BOOL bPushed = (m_nStyle & kButtonStylePushed) != 0;
    DrawFrame(pDC, rectLine, FALSE);
    pLook->OnDrawShowAllMenuItems(pDC, rectLine,
                                  bHighlight    ? kButtonStateHighlighted
                                      : bPushed ? kButtonStatePushed
                                                : kButtonStateNormal);
    if (bPushed)
        pLook->OnDrawButtonBorder(pDC, this, rectLine, kButtonStatePushed);
    else if (bHighlight)
        pLook->OnDrawButtonBorder(pDC, this, rectLine, kButtonStateHighlighted);
}

CSize CWTKShowAllButton::OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL /*bHorz*/)
{
    return CSize(kWidth, CWTKVisualManager::GetInstance()->GetShowAllMenuItemsHeight(pDC, sizeDefault));
}

BOOL CWTKShowAllButton::OnClick(CWnd* pWnd, BOOL bDelay)
{
    auto* pBar = dynamic_cast<CWTKPopupMenuBar*>(pWnd ? pWnd : m_pWndParent);
    if (pBar == nullptr)
        return FALSE;
    if (!bDelay) {
        if (CWTKPopupMenu* pPopup = pBar->GetParentPopupMenu())
            pPopup->ShowAllCommands();
        return TRUE;
    }
    if (WTKGetCommandBarSettings().bShowAllMenusAfterDelay)
        pBar->StartPopupTimer(this, kHoverDelayFactor);
    return TRUE;
}

BOOL CWTKShowAllButton::OpenPopupMenu(CWnd* pWnd)
{
    return OnClick(pWnd ? pWnd : m_pWndParent, FALSE);
}

INT_PTR CWTKShowAllButton::OnToolHitTest(const CWnd* /*pWnd*/, TTTOOLINFOA* pTI)
{
    if (pTI == nullptr)
        return 0;
    const ACCEL accel = {kExpandKeyFlags, kExpandKey, 0};
    CString strKey;
    CWTKAcceleratorText(&accel).Format(strKey);
    CString strFormat;
    if (!strFormat.LoadString(IDS_WTK_EXPAND))
        return 0;
    CString strText;
    strText.Format(strFormat, static_cast<LPCSTR>(strKey));
    pTI->lpszText = CBarToolTip::DuplicateText(strText);
    return pTI->lpszText != nullptr ? m_nID : 0;
}
