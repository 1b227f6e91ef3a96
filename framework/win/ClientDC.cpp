#include "win/ClientDC.h"

#include "win/Wnd.h"

CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(FwSafeHwnd(pWnd))
{
    Attach(::GetDC(m_hWnd));
}

CClientDC::~CClientDC()
{
    if (m_hDC)
        ::ReleaseDC(m_hWnd, Detach());
}
