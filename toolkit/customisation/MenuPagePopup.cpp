#include "customisation/MenuPagePopup.h"

#include "customisation/WTKMenuPage.h"

BEGIN_MESSAGE_MAP(CMenuPagePopup, CWTKPopupMenu)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CMenuPagePopup::CMenuPagePopup(CWTKMenuPage* pPage, LPCSTR lpszTitle) : CWTKPopupMenu(pPage, lpszTitle), m_pPage(pPage)
{}

void CMenuPagePopup::OnDestroy()
{
    // The page reads the window's place and the items while both still exist.
    if (m_pPage != nullptr && ::IsWindow(m_pPage->GetSafeHwnd()))
        m_pPage->CloseContextMenu(this);
    CWTKPopupMenu::OnDestroy();
}
