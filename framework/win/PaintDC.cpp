#include "win/PaintDC.h"

#include "win/Wnd.h"

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(FwSafeHwnd(pWnd))
{
    if (m_hWnd)
        Attach(::BeginPaint(m_hWnd, &m_ps));
}

CPaintDC::~CPaintDC()
{
    if (m_hDC) {
        Detach();
        ::EndPaint(m_hWnd, &m_ps);
    }
}
