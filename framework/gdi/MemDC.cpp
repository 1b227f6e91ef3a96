#include "gdi/MemDC.h"

CMemDC::CMemDC(CDC* pDC, const CRect& rect) : m_pDC(pDC), m_rect(rect), m_bMemDC(!pDC->IsPrinting())
{
    if (!m_bMemDC) {
        // A printer context is drawn on directly: borrow its handles.
        m_bPrinting = pDC->m_bPrinting;
        m_hDC = pDC->m_hDC;
        m_hAttribDC = pDC->m_hAttribDC;
        return;
    }
    CreateCompatibleDC(pDC);
    if (m_rect.left == 0 && m_rect.top == 0 && m_rect.right == 0 && m_rect.bottom == 0)
        pDC->GetClipBox(&m_rect);
    m_bitmap.CreateCompatibleBitmap(pDC, m_rect.Width(), m_rect.Height());
    m_oldBitmap = SelectObject(&m_bitmap);
    // Drawing uses the target's coordinates.
    SetWindowOrg(m_rect.left, m_rect.top);
}

CMemDC::~CMemDC()
{
    if (m_bMemDC) {
        m_pDC->BitBlt(m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), this, m_rect.left, m_rect.top, SRCCOPY);
        SelectObject(m_oldBitmap);
    } else {
        // The handles belong to the target context.
        m_hDC = nullptr;
        m_hAttribDC = nullptr;
    }
}
