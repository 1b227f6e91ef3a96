// CWnd members that hand out GDI and menu objects.
#include "win/Wnd.h"
#if __has_include("win/GdiObject.h") && __has_include("win/DC.h") && __has_include("win/Menu.h")
#include "win/DC.h"
#include "win/GdiObject.h"
#include "win/Menu.h"

void CWnd::SetFont(CFont* pFont, BOOL bRedraw)
{
    SendMessage(WM_SETFONT, (WPARAM)pFont->GetSafeHandle(), bRedraw);
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
    return ::ReleaseDC(m_hWnd, pDC->GetSafeHdc());
}

CMenu* CWnd::GetMenu() const
{
    return CMenu::FromHandle(::GetMenu(m_hWnd));
}

BOOL CWnd::SetMenu(CMenu* pMenu)
{
    return ::SetMenu(m_hWnd, pMenu->GetSafeHmenu());
}

CMenu* CWnd::GetSystemMenu(BOOL bRevert) const
{
    return CMenu::FromHandle(::GetSystemMenu(m_hWnd, bRevert));
}
#endif
