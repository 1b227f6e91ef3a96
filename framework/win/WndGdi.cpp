// CWnd members that hand out GDI and menu objects, and the idle cleanup of
// every kind of temporary wrapper.
#include "gdi/DC.h"
#include "gdi/GdiObject.h"
#include "gdi/ImageList.h"
#include "win/Menu.h"
#include "win/ThreadState.h"
#include "win/Wnd.h"

void CWnd::SetFont(CFont* pFont, BOOL bRedraw)
{
    SendMessage(WM_SETFONT, (WPARAM)FwSafeHandle(pFont), bRedraw);
}

CFont* CWnd::GetFont() const
{
    HFONT hFont = (HFONT)SendMessage(WM_GETFONT);
    return hFont ? CFont::FromHandle(hFont) : nullptr;
}

CDC* CWnd::GetDC()
{
    return CDC::FromHandle(::GetDC(m_hWnd));
}

CDC* CWnd::GetWindowDC()
{
    return CDC::FromHandle(::GetWindowDC(m_hWnd));
}

int CWnd::ReleaseDC(CDC* pDC)
{
    return pDC ? ::ReleaseDC(m_hWnd, pDC->GetSafeHdc()) : 0;
}

CMenu* CWnd::GetMenu() const
{
    return CMenu::FromHandle(::GetMenu(m_hWnd));
}

BOOL CWnd::SetMenu(CMenu* pMenu)
{
    return ::SetMenu(m_hWnd, FwSafeHmenu(pMenu));
}

CMenu* CWnd::GetSystemMenu(BOOL bRevert) const
{
    return CMenu::FromHandle(::GetSystemMenu(m_hWnd, bRevert));
}

void FwDeleteTempMaps()
{
    CWnd::DeleteTempMap();
    CMenu::DeleteTempMap();
    CGdiObject::DeleteTempMap();
    CDC::DeleteTempMap();
    CImageList::DeleteTempMap();
}
