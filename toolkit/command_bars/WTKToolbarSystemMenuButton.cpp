#include "command_bars/WTKToolbarSystemMenuButton.h"

#include "command_bars/WTKPopupMenu.h"
#include "command_bars/WTKToolBar.h"

#include "bars/MiniDockFrameWnd.h"
#include "core/Archive.h"
#include "docview/MDIChildWnd.h"
#include "docview/MDIFrameWnd.h"
#include "gdi/DC.h"

IMPLEMENT_SERIAL(CWTKToolbarSystemMenuButton, CWTKToolbarMenuButton, kToolbarButtonSchema)

namespace {
constexpr int kLegacySmallIconSize = 16;

// TRUE when the system menu has its close item and it is neither grey nor disabled.
BOOL IsCloseEnabled(HMENU hSysMenu)
{
    if (!::IsMenu(hSysMenu))
        return FALSE;
    const UINT uiState = ::GetMenuState(hSysMenu, SC_CLOSE, MF_BYCOMMAND);
    return uiState != static_cast<UINT>(-1) && (uiState & (MF_GRAYED | MF_DISABLED)) == 0;
}
}  // namespace

CWTKToolbarSystemMenuButton::CWTKToolbarSystemMenuButton(HMENU hSystemMenu, HICON hSystemIcon)
    : CWTKToolbarMenuButton(0, hSystemMenu, -1), m_hSysIcon(hSystemIcon), m_hSystemMenu(hSystemMenu)
{}

void CWTKToolbarSystemMenuButton::CopyFrom(const CWTKToolbarButton& src)
{
    CWTKToolbarMenuButton::CopyFrom(src);
    if (const auto* pSrc = dynamic_cast<const CWTKToolbarSystemMenuButton*>(&src)) {
        m_hSysIcon = pSrc->m_hSysIcon;
        m_hSystemMenu = pSrc->m_hSystemMenu;
    }
}

CSize CWTKToolbarSystemMenuButton::OnCalculateSize(CDC* /*pDC*/, const CSize& sizeDefault, BOOL bHorz)
{
    m_bHorz = bHorz;
    return CSize(::GetSystemMetrics(SM_CXSMICON), sizeDefault.cy);
}

void CWTKToolbarSystemMenuButton::OnDraw(CDC* pDC, const CRect& rect, CWTKImageStrip* /*pImages*/, BOOL bHorz,
                                         BOOL /*bCustomizeMode*/, BOOL /*bHighlight*/, BOOL /*bDrawBorder*/,
                                         BOOL /*bGrayDisabledButtons*/)
{
    m_bHorz = bHorz;
    if (m_hSysIcon == nullptr)
        return;
    CSize sizeIcon(::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON));
    if (::GetSystemMetrics(SM_CYSMSIZE) < sizeIcon.cy)
        sizeIcon = CSize(kLegacySmallIconSize, kLegacySmallIconSize);
    const int y = rect.top + (rect.Height() - sizeIcon.cy) / 2;
    ::DrawIconEx(pDC->GetSafeHdc(), rect.left, y, m_hSysIcon, sizeIcon.cx, sizeIcon.cy, 0, nullptr, DI_NORMAL);
}

void CWTKToolbarSystemMenuButton::OnDblClk(CWnd* pWnd)
{
    if (CWTKToolBar::IsCustomizeMode())
        return;
    OnCancelMode();

    // The MDI frame: the bar's frame, or the frame a floating bar's mini frame belongs to.
    CWnd* pFrame = pWnd != nullptr ? pWnd->GetParentFrame() : nullptr;
    if (auto* pMini = dynamic_cast<CMiniDockFrameWnd*>(pFrame))
        pFrame = pMini->GetParent();
    auto* pMDIFrame = dynamic_cast<CMDIFrameWnd*>(pFrame);
    CMDIChildWnd* pChild = pMDIFrame != nullptr ? pMDIFrame->MDIGetActive() : nullptr;
    if (pChild == nullptr)
        return;
    if (IsCloseEnabled(::GetSystemMenu(pChild->GetSafeHwnd(), FALSE)))
        pChild->SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
}

void CWTKToolbarSystemMenuButton::OnCancelMode()
{
    if (m_pPopupMenu != nullptr && ::IsWindow(m_pPopupMenu->GetSafeHwnd())) {
        m_pPopupMenu->SetParentButton(nullptr);
        m_pPopupMenu->CloseMenu(FALSE);
    }
    m_pPopupMenu = nullptr;
}

void CWTKToolbarSystemMenuButton::CreateFromMenu(HMENU hMenu)
{
    m_hSystemMenu = hMenu;
    CWTKToolbarMenuButton::CreateFromMenu(hMenu);
}

HMENU CWTKToolbarSystemMenuButton::CreateMenu() const
{
    HMENU hMenu = CWTKToolbarMenuButton::CreateMenu();
    if (hMenu == nullptr || !::IsMenu(m_hSystemMenu))
        return hMenu;
    // The items show the system menu's state as it is now.
    const int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; i++) {
        const UINT uiID = ::GetMenuItemID(hMenu, i);
        if (uiID == 0 || uiID == static_cast<UINT>(-1))
            continue;
        const UINT uiState = ::GetMenuState(m_hSystemMenu, uiID, MF_BYCOMMAND);
        if (uiState == static_cast<UINT>(-1))
            continue;
        ::CheckMenuItem(hMenu, i, MF_BYPOSITION | ((uiState & MF_CHECKED) ? MF_CHECKED : MF_UNCHECKED));
        ::EnableMenuItem(hMenu, i, MF_BYPOSITION | (uiState & (MF_GRAYED | MF_DISABLED)));
    }
    return hMenu;
}
