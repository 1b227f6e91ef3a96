#include "win/WindowDC.h"

#include "win/Wnd.h"

CWindowDC::CWindowDC(CWnd* pWnd) : m_hWnd(FwSafeHwnd(pWnd))
{
    Attach(::GetWindowDC(m_hWnd));
}

CWindowDC::~CWindowDC()
{
    if (m_hDC)
        ::ReleaseDC(m_hWnd, Detach());
}
