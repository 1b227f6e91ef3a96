#include "frames/TasksPaneMenuButton.h"

#include "frames/WTKTasksPane.h"

#include "win/Wnd.h"

IMPLEMENT_SERIAL(CTasksPaneMenuButton, CWTKToolbarMenuButton, VERSIONABLE_SCHEMA | 1)

CTasksPaneMenuButton::CTasksPaneMenuButton(UINT uiID, LPCSTR lpszText, CWTKTasksPane* pPane)
    : CWTKToolbarMenuButton(uiID, nullptr, -1, lpszText), m_pPane(pPane)
{
    m_bText = TRUE;
    m_bImage = FALSE;
    m_bLocked = TRUE;
}

void CTasksPaneMenuButton::CopyFrom(const CWTKToolbarButton& src)
{
    CWTKToolbarMenuButton::CopyFrom(src);
    if (const auto* pOther = dynamic_cast<const CTasksPaneMenuButton*>(&src))
        m_pPane = pOther->m_pPane;
}

BOOL CTasksPaneMenuButton::OnClick(CWnd* pWnd, BOOL /*bDelay*/)
{
    if (m_pPane == nullptr || pWnd == nullptr)
        return FALSE;
    CRect rect = GetRect();
    pWnd->ClientToScreen(rect);
    m_pPane->ShowPagesMenu(CPoint(rect.left, rect.bottom));
    return TRUE;
}
