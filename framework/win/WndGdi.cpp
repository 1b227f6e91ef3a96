// CWnd members that hand out GDI and menu objects.
#include "win/Wnd.h"
#if __has_include("win/GdiObject.h") && __has_include("win/DC.h") && __has_include("win/Menu.h")
#include "win/DC.h"
#include "win/GdiObject.h"
#include "win/Menu.h"
#if __has_include("win/ImageList.h")
#include "win/ImageList.h"
#endif

void CWnd::SetFont(CFont* pFont, BOOL bRedraw)
{
    SendMessage(WM_SETFONT, (WPARAM)(pFont ? pFont->GetSafeHandle() : nullptr), bRedraw);
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
    return ::SetMenu(m_hWnd, pMenu ? pMenu->GetSafeHmenu() : nullptr);
}

CMenu* CWnd::GetSystemMenu(BOOL bRevert) const
{
    return CMenu::FromHandle(::GetSystemMenu(m_hWnd, bRevert));
}

void FwDeleteGdiTempMaps()
{
    CGdiObject::DeleteTempMap();
    CDC::DeleteTempMap();
    CMenu::DeleteTempMap();
#if __has_include("win/ImageList.h")
    CImageList::DeleteTempMap();
#endif
}
#else
void FwDeleteGdiTempMaps()
{
}
#endif
