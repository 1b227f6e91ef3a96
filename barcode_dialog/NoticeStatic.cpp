#include "NoticeStatic.h"

#include "DialogConstants.h"
#include "Resource.h"

#include "win/PaintDC.h"

BEGIN_MESSAGE_MAP(CNoticeStatic, CStatic)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CNoticeStatic::CNoticeStatic()
{
    m_font.CreateFont(Dravel::kNoticeFontHeight, 0, 0, 0, FW_DONTCARE, FALSE, FALSE, FALSE, ANSI_CHARSET,
                      OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS,
                      Dravel::kNoticeFontFace);
    m_text.LoadString(IDS_COPIED_NOTICE);
}

void CNoticeStatic::OnPaint()
{
    // Straight to the screen, over whatever the dialog painted there.
    CPaintDC dc(this);
    Paint(&dc);
}

void CNoticeStatic::Paint(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    CFont* oldFont = pDC->SelectObject(&m_font);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(Dravel::kNoticeColour);
    pDC->DrawText(m_text, &rect, DT_SINGLELINE | DT_LEFT | DT_VCENTER | DT_NOPREFIX);
    pDC->SelectObject(oldFont);
}
