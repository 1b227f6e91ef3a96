#include "FlashFrame.h"

#include "DialogConstants.h"

#include "gdi/GdiObject.h"
#include "win/ClientDC.h"

void CFlashFrame::Start(CWnd* pControl)
{
    Erase();
    if (pControl == nullptr)
        return;
    pControl->GetWindowRect(&m_rect);
    m_pOwner->ScreenToClient(&m_rect);
    m_rect.InflateRect(Dravel::kFlashMargin, Dravel::kFlashMargin);
    m_count = 0;
    m_bFlashing = TRUE;
    m_pOwner->SetTimer(Dravel::kFlashTimerId, Dravel::kFlashTimerMs, nullptr);
}

void CFlashFrame::OnTick()
{
    if (m_count % 2 == 0)
        Draw();
    else
        Erase();
    if (++m_count >= Dravel::kFlashTicks) {
        m_count = 0;
        Stop();
    }
}

void CFlashFrame::Draw()
{
    CClientDC dc(m_pOwner);
    CBrush brush(Dravel::kFlashColour);
    dc.FrameRect(&m_rect, &brush);
}

void CFlashFrame::Erase()
{
    if (m_pOwner->m_hWnd == nullptr || m_rect.IsRectEmpty())
        return;
    // Only the one-pixel frame: the controls inside it keep their pixels.
    CRect inner(m_rect);
    inner.DeflateRect(1, 1);
    CRgn frame;
    CRgn innerRgn;
    frame.CreateRectRgnIndirect(&m_rect);
    innerRgn.CreateRectRgnIndirect(&inner);
    frame.CombineRgn(&frame, &innerRgn, RGN_DIFF);
    m_pOwner->RedrawWindow(nullptr, frame, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void CFlashFrame::Stop()
{
    Erase();
    if (m_pOwner->m_hWnd != nullptr)
        m_pOwner->KillTimer(Dravel::kFlashTimerId);
    m_bFlashing = FALSE;
}
