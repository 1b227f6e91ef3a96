#include "FadeStatic.h"

#include "DialogConstants.h"

#include "gdi/MemDC.h"
#include "win/PaintDC.h"
#include "win/TickClock.h"

BEGIN_MESSAGE_MAP(CFadeStatic, CStatic)
    ON_WM_PAINT()
    ON_WM_TIMER()
END_MESSAGE_MAP()

namespace {

// Single precision on purpose: the fade's truncation steps depend on it.
constexpr float kFadeFactor = 0.01f;

BYTE FadeChannel(BYTE channel, DWORD step)
{
    const double moved = static_cast<double>(step) * (255 - channel) * static_cast<double>(kFadeFactor);
    return static_cast<BYTE>(255 - static_cast<int>(moved));
}

}  // namespace

CFadeStatic::CFadeStatic()
{
    m_font.CreateFont(Dravel::kFadeFontHeight, 0, 0, 0, FW_DONTCARE, FALSE, FALSE, FALSE, ANSI_CHARSET,
                      OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS,
                      Dravel::kFadeFontFace);
}

COLORREF CFadeStatic::FadeColor(COLORREF colour, DWORD elapsedMs)
{
    const DWORD step = elapsedMs / Dravel::kFadeStepMs;
    if (step >= Dravel::kFadeSteps)
        return colour;
    return RGB(FadeChannel(GetRValue(colour), step), FadeChannel(GetGValue(colour), step),
               FadeChannel(GetBValue(colour), step));
}

COLORREF CFadeStatic::GetFadeColor() const
{
    return FadeColor(m_colour, FwGetTickCount() - m_fadeStart);
}

void CFadeStatic::StartFadeTimer()
{
    if (m_hWnd != nullptr)
        SetTimer(Dravel::kFadeTimerId, Dravel::kFadeTimerMs, nullptr);
}

void CFadeStatic::SetText(LPCSTR text)
{
    m_text = text;
    m_fadeStart = FwGetTickCount();
    StartFadeTimer();
}

void CFadeStatic::SetBarcodeFont(LPCSTR faceName, int points)
{
    if (m_font.GetSafeHandle() != nullptr)
        m_font.DeleteObject();
    m_font.CreatePointFont(points * 10, faceName, nullptr);
    StartFadeTimer();
}

void CFadeStatic::SetColor(COLORREF colour)
{
    m_colour = colour;
    StartFadeTimer();
}

void CFadeStatic::Clear()
{
    m_text.Empty();
    if (m_hWnd != nullptr)
        Invalidate(TRUE);
}

void CFadeStatic::OnPaint()
{
    CPaintDC dc(this);
    Paint(&dc);
}

void CFadeStatic::Paint(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    CMemDC memDC(pDC, rect);
    memDC.FillSolidRect(&rect, Dravel::kFadeBackground);
    if (m_text.IsEmpty())
        return;
    CFont* oldFont = memDC.SelectObject(&m_font);
    memDC.SetBkMode(TRANSPARENT);
    memDC.SetTextColor(GetFadeColor());
    memDC.DrawText(m_text, &rect, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
    memDC.SelectObject(oldFont);
}

void CFadeStatic::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == Dravel::kFadeTimerId && FwGetTickCount() - m_fadeStart > Dravel::kFadeDurationMs)
        KillTimer(Dravel::kFadeTimerId);
    Invalidate(FALSE);
    CStatic::OnTimer(nIDEvent);
}
