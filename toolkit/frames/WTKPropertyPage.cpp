#include "frames/WTKPropertyPage.h"

#include "frames/WTKDockingConstants.h"
#include "frames/WTKPropertySheetHost.h"

#include "command_bars/WTKCommandUsageCounter.h"
#include "command_bars/WTKPopupMenu.h"

IMPLEMENT_DYNAMIC(CWTKPropertyPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CWTKPropertyPage, CPropertyPage)
    ON_WM_ACTIVATE()
    ON_WM_NCACTIVATE()
END_MESSAGE_MAP()

CWTKPropertyPage::CWTKPropertyPage(UINT nIDTemplate, UINT nIDCaption) : CPropertyPage(nIDTemplate, nIDCaption) {}

CWTKPropertyPage::CWTKPropertyPage(LPCSTR lpszTemplateName, UINT nIDCaption)
    : CPropertyPage(lpszTemplateName, nIDCaption)
{}

BOOL CWTKPropertyPage::SetActivePopup(CWTKPopupMenu* pPopup)
{
    m_pActivePopup = pPopup;
    CWTKPopupMenu::SetActiveMenu(pPopup);
    return TRUE;
}

CWTKPopupMenu* CWTKPropertyPage::GetActivePopup() const
{
    // A popup that closed since is no longer the process's active popup.
    if (m_pActivePopup == nullptr || CWTKPopupMenu::GetActiveMenu() != m_pActivePopup)
        return nullptr;
    return m_pActivePopup;
}

BOOL CWTKPropertyPage::FilterPopupMessage(const MSG* pMsg)
{
    CWTKPopupMenu* pPopup = GetActivePopup();
    if (pPopup == nullptr || pPopup->GetSafeHwnd() == nullptr)
        return FALSE;
    if (pMsg->message == WM_KEYDOWN) {
        pPopup->SendMessage(WM_KEYDOWN, pMsg->wParam, pMsg->lParam);
        return TRUE;
    }
    // The popup handles its own key presses; their characters must not reach the page.
    return pMsg->message == WM_CHAR || pMsg->message == WM_KEYUP;
}

BOOL CWTKPropertyPage::PreTranslateMessage(MSG* pMsg)
{
    if (FilterPopupMessage(pMsg))
        return TRUE;
    return CPropertyPage::PreTranslateMessage(pMsg);
}

BOOL CWTKPropertyPage::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) == kWTKAcceleratorNotify)
        WTKGetCommandUsageCounter().AddCmd(LOWORD(wParam));
    return CPropertyPage::OnCommand(wParam, lParam);
}

BOOL CWTKPropertyPage::OnSetActive()
{
    if (auto* pSheet = dynamic_cast<CWTKPropertySheetHost*>(CWnd::FromHandlePermanent(::GetParent(m_hWnd))))
        pSheet->OnActivatePage(this);
    return CPropertyPage::OnSetActive();
}

void CWTKPropertyPage::OnActivate(UINT nState, CWnd* /*pWndOther*/, BOOL /*bMinimized*/)
{
    // Leaving the page forgets its popup once that has closed.
    if (nState == WA_INACTIVE && GetActivePopup() == nullptr)
        m_pActivePopup = nullptr;
    Default();
}

BOOL CWTKPropertyPage::OnNcActivate(BOOL bActive)
{
    // While one of the page's popups is open the caption stays active.
    if (GetActivePopup() != nullptr)
        bActive = TRUE;
    return static_cast<BOOL>(DefWindowProc(WM_NCACTIVATE, bActive, 0));
}
