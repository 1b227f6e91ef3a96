#include "frames/WTKPropertyPage.h"

#include "frames/WTKPropertySheetHost.h"

IMPLEMENT_DYNCREATE(CWTKPropertyPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CWTKPropertyPage, CPropertyPage)
    ON_WM_ACTIVATE()
    ON_WM_NCACTIVATE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CWTKPropertyPage::CWTKPropertyPage() : CPropertyPage(0u), m_Impl(this) {}

CWTKPropertyPage::CWTKPropertyPage(UINT nIDTemplate, UINT nIDCaption)
    : CPropertyPage(nIDTemplate, nIDCaption), m_Impl(this)
{}

CWTKPropertyPage::CWTKPropertyPage(LPCSTR lpszTemplateName, UINT nIDCaption)
    : CPropertyPage(lpszTemplateName, nIDCaption), m_Impl(this)
{}

void CWTKPropertyPage::SetActivePopup(CWTKPopupMenu* pPopup)
{
    m_Impl.SetActivePopup(pPopup);
}

BOOL CWTKPropertyPage::PreTranslateMessage(MSG* pMsg)
{
    if (m_Impl.PreTranslateMessage(pMsg))
        return TRUE;
    return CPropertyPage::PreTranslateMessage(pMsg);
}

BOOL CWTKPropertyPage::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (m_Impl.OnCommand(wParam))
        return TRUE;
    return CPropertyPage::OnCommand(wParam, lParam);
}

BOOL CWTKPropertyPage::OnSetActive()
{
    if (auto* pSheet = dynamic_cast<CWTKPropertySheetHost*>(CWnd::FromHandlePermanent(::GetParent(m_hWnd))))
        pSheet->OnActivatePage(this);
    return CPropertyPage::OnSetActive();
}

void CWTKPropertyPage::OnActivate(UINT nState, CWnd* pWndOther, BOOL /*bMinimized*/)
{
    m_Impl.OnActivate(nState, pWndOther);
    Default();
}

BOOL CWTKPropertyPage::OnNcActivate(BOOL bActive)
{
    m_Impl.OnNcActivate(bActive);
    return static_cast<BOOL>(DefWindowProc(WM_NCACTIVATE, bActive, 0));
}

void CWTKPropertyPage::OnDestroy()
{
    // The thread's mouse hook never outlives the page that installed it.
    m_Impl.OnDestroy();
    Default();
}
