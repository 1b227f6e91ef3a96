#include "gdi/DCStateGuard.h"

#include "gdi/DC.h"

CDCStateGuard::CDCStateGuard(HDC hDC) : m_hDC(hDC), m_nSavedDC(hDC ? ::SaveDC(hDC) : 0) {}

CDCStateGuard::CDCStateGuard(CDC* pDC) : CDCStateGuard(pDC ? pDC->GetSafeHdc() : nullptr) {}

CDCStateGuard::~CDCStateGuard()
{
    if (m_nSavedDC != 0)
        ::RestoreDC(m_hDC, m_nSavedDC);
}
