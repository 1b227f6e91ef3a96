#include "customisation/BrowseEdit.h"
#include "foundation/WTKGlobalData.h"
#include "foundation/WTKUserSignals.h"
#include "gdi/DC.h"
#include "win/MessageMap.h"
#include "win/WindowDC.h"
#include <algorithm>

IMPLEMENT_DYNAMIC(CBrowseEdit, CEdit)

BEGIN_MESSAGE_MAP(CBrowseEdit, CEdit)
    ON_WM_NCCALCSIZE()
    ON_WM_NCHITTEST()
    ON_WM_NCPAINT()
    ON_WM_NCLBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_CANCELMODE()
    ON_WM_GETDLGCODE()
END_MESSAGE_MAP()

void CBrowseEdit::EnableBrowseButton(BOOL bEnable)
{
    m_bButtonShown = bEnable;
    if (!bEnable)
        m_rectButton.SetRectEmpty();
    if (m_hWnd != nullptr)
        SetWindowPos(nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CBrowseEdit::OnNcCalcSize(BOOL /*bCalcValidRects*/, NCCALCSIZE_PARAMS* lpncsp)
{
    const CRect rectWindow(lpncsp->rgrc[0]);
    Default();
    if (!m_bButtonShown) {
        m_rectButton.SetRectEmpty();
        return;
    }
    RECT& rectClient = lpncsp->rgrc[0];
    rectClient.right = std::max(rectClient.left, rectClient.right - kButtonWidth);
    m_rectButton.SetRect(rectClient.right, rectClient.top, rectClient.right + kButtonWidth, rectClient.bottom);
    m_rectButton.OffsetRect(-rectWindow.left, -rectWindow.top);
}

BOOL CBrowseEdit::IsOverButton(CPoint ptScreen) const
{
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    ptScreen.Offset(-rectWindow.left, -rectWindow.top);
    return m_bButtonShown && m_rectButton.PtInRect(ptScreen);
}

LRESULT CBrowseEdit::OnNcHitTest(CPoint point)
{
    if (IsOverButton(point))
        return HTBORDER;
    return Default();
}

void CBrowseEdit::OnNcPaint()
{
    Default();
    if (!m_bButtonShown || m_rectButton.IsRectEmpty())
        return;
    CWindowDC dc(this);
    dc.IntersectClipRect(&m_rectButton);
    OnDrawBrowseButton(&dc, m_rectButton, m_bButtonPressed);
}

// No look draws this button: a face-coloured button with an ellipsis.
void CBrowseEdit::OnDrawBrowseButton(CDC* pDC, CRect rect, BOOL bPressed)
{
    const WTKGlobalData& g = WTKGetGlobalData();
    pDC->FillSolidRect(&rect, g.clrBtnFace);
    pDC->DrawEdge(&rect, bPressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    if (bPressed)
        rect.OffsetRect(1, 1);
    CFont* pOldFont = pDC->SelectObject(const_cast<CFont*>(&g.fontRegular));
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(IsWindowEnabled() ? g.clrBtnText : g.clrGrayedText);
    pDC->DrawText("...", -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    pDC->SelectObject(pOldFont);
}

void CBrowseEdit::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    if (!IsOverButton(point) || !IsWindowEnabled()) {
        Default();
        return;
    }
    (void)nHitTest;
    SetFocus();
    SetCapture();
    m_bTracking = TRUE;
    SetPressed(TRUE);
}

void CBrowseEdit::OnMouseMove(UINT /*nFlags*/, CPoint point)
{
    if (!m_bTracking) {
        Default();
        return;
    }
    ClientToScreen(&point);
    SetPressed(IsOverButton(point));
}

void CBrowseEdit::OnLButtonUp(UINT /*nFlags*/, CPoint point)
{
    if (!m_bTracking) {
        Default();
        return;
    }
    ClientToScreen(&point);
    const BOOL bRun = IsOverButton(point);
    // The capture goes first: the browse action may open a modal dialog.
    EndTracking();
    if (bRun)
        OnBrowse();
}

void CBrowseEdit::OnCancelMode()
{
    Default();
    if (m_bTracking)
        EndTracking();
}

UINT CBrowseEdit::OnGetDlgCode()
{
    UINT nCode = static_cast<UINT>(Default());
    if (m_bButtonShown)
        nCode |= DLGC_WANTARROWS;
    return nCode;
}

void CBrowseEdit::OnBrowse()
{
    CString strText;
    GetWindowText(strText);
    CString strPath;
    if (WTKChooseFile(m_hWnd, TRUE, nullptr, strText, nullptr, strPath)) {
        SetWindowText(strPath);
        SetModify(TRUE);
    }
}

void CBrowseEdit::SetPressed(BOOL bPressed)
{
    if (m_bButtonPressed == bPressed)
        return;
    m_bButtonPressed = bPressed;
    RedrawBorder();
}

void CBrowseEdit::EndTracking()
{
    m_bTracking = FALSE;
    SetPressed(FALSE);
    if (GetCapture() == this)
        ::ReleaseCapture();
}

void CBrowseEdit::RedrawBorder()
{
    RedrawWindow(nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
}
