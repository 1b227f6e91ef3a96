#include "customisation/ButtonImagePaintArea.h"

#include "customisation/ButtonImageEditDialog.h"
#include "customisation/res/WTKCustomisationRes.h"
#include "foundation/WTKGlobalData.h"
#include "foundation/WTKImageStrip.h"

#include "core/ResourceHandle.h"
#include "gdi/DCStateGuard.h"
#include "win/ClientDC.h"

#include <algorithm>

namespace {
// The cells sit inside a one-pixel frame on each side of the client area.
constexpr int kFrame = 1;

// The cursor of each mode, in mode order.
constexpr UINT kModeCursors[CButtonImagePaintArea::modeCount] = {
    IDC_WTK_CURSOR_PENCIL,    IDC_WTK_CURSOR_FILL,    IDC_WTK_CURSOR_LINE,
    IDC_WTK_CURSOR_RECTANGLE, IDC_WTK_CURSOR_ELLIPSE, IDC_WTK_CURSOR_PICK_COLOR,
};

CRect CellRect(const CRect& rectGrid, CSize sizeCell, int x, int y)
{
    const int left = rectGrid.left + x * sizeCell.cx;
    const int top = rectGrid.top + y * sizeCell.cy;
    return CRect(left, top, left + sizeCell.cx, top + sizeCell.cy);
}
}  // namespace

BEGIN_MESSAGE_MAP(CButtonImagePaintArea, CButton)
    ON_WM_LBUTTONDOWN()
    // A quick second click is a click too, not the button control's double click.
    ON_WM_LBUTTONDBLCLK()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_SETCURSOR()
    ON_WM_SIZE()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CButtonImagePaintArea::CButtonImagePaintArea(CButtonImageEditDialog* pDialog) : m_pDialog(pDialog)
{
    m_memDC.CreateCompatibleDC(nullptr);
    m_penDraw.CreatePen(PS_SOLID, 1, ToStored(m_clrCurrent));
    HINSTANCE hInst = FwFindResourceHandle(MAKEINTRESOURCEA(kModeCursors[0]), RT_GROUP_CURSOR);
    for (int i = 0; i < modeCount; i++)
        m_hCursors[i] = hInst ? ::LoadCursorA(hInst, MAKEINTRESOURCEA(kModeCursors[i])) : nullptr;
}

CButtonImagePaintArea::~CButtonImagePaintArea() = default;

void CButtonImagePaintArea::SetBitmap(CBitmap* pBitmap)
{
    m_pBitmap = pBitmap;
    m_sizeImage = CSize(0, 0);
    BITMAP bmp {};
    if (m_pBitmap != nullptr && m_pBitmap->GetSafeHandle() != nullptr && m_pBitmap->GetBitmap(&bmp))
        m_sizeImage = CSize(bmp.bmWidth, bmp.bmHeight);
    else
        m_pBitmap = nullptr;
    m_bBand = FALSE;
    UpdateCellSize();
    if (GetSafeHwnd() != nullptr)
        Invalidate();
}

void CButtonImagePaintArea::UpdateCellSize()
{
    m_sizeCell = CSize(0, 0);
    if (GetSafeHwnd() != nullptr && m_sizeImage.cx > 0 && m_sizeImage.cy > 0) {
        CRect rectClient;
        GetClientRect(rectClient);
        m_sizeCell.cx = std::max(0, (rectClient.Width() - 2 * kFrame) / static_cast<int>(m_sizeImage.cx));
        m_sizeCell.cy = std::max(0, (rectClient.Height() - 2 * kFrame) / static_cast<int>(m_sizeImage.cy));
    }
    m_penBand.DeleteObject();
    const int nBandWidth = std::max(1, static_cast<int>(std::min(m_sizeCell.cx, m_sizeCell.cy)));
    m_penBand.CreatePen(PS_SOLID, nBandWidth, WTKGetGlobalData().clrBtnText);
}

void CButtonImagePaintArea::SetColor(COLORREF clr)
{
    m_clrCurrent = clr;
    m_penDraw.DeleteObject();
    m_penDraw.CreatePen(PS_SOLID, 1, ToStored(clr));
}

void CButtonImagePaintArea::SetMode(Mode mode)
{
    if (mode >= modePencil && mode < modeCount)
        m_mode = mode;
}

BOOL CButtonImagePaintArea::CanDraw() const
{
    return m_pBitmap != nullptr && m_sizeCell.cx > 0 && m_sizeCell.cy > 0;
}

BOOL CButtonImagePaintArea::SelectBitmap()
{
    return m_pBitmap != nullptr && ::SelectObject(m_memDC, m_pBitmap->GetSafeHandle()) != nullptr;
}

CRect CButtonImagePaintArea::GetGridRect() const
{
    if (!CanDraw())
        return CRect(0, 0, 0, 0);
    return CRect(kFrame, kFrame, kFrame + m_sizeImage.cx * m_sizeCell.cx, kFrame + m_sizeImage.cy * m_sizeCell.cy);
}

CPoint CButtonImagePaintArea::PixelFromPoint(CPoint point) const
{
    if (!CanDraw())
        return CPoint(0, 0);
    const int x = (point.x - kFrame) / m_sizeCell.cx;
    const int y = (point.y - kFrame) / m_sizeCell.cy;
    return CPoint(std::clamp(x, 0, static_cast<int>(m_sizeImage.cx) - 1),
                  std::clamp(y, 0, static_cast<int>(m_sizeImage.cy) - 1));
}

CPoint CButtonImagePaintArea::PointFromPixel(CPoint pixel) const
{
    return CPoint(pixel.x * m_sizeCell.cx + kFrame + m_sizeCell.cx / 2,
                  pixel.y * m_sizeCell.cy + kFrame + m_sizeCell.cy / 2);
}

COLORREF CButtonImagePaintArea::ToStored(COLORREF clr)
{
    return MapStandardColorToSys(clr, FALSE);
}

COLORREF CButtonImagePaintArea::ToShown(COLORREF clr)
{
    return clr == CLR_INVALID ? clr : MapSysColorToStandard(clr, FALSE);
}

COLORREF CButtonImagePaintArea::GetShownColor(CPoint pixel)
{
    CDCStateGuard guard(&m_memDC);
    if (!SelectBitmap())
        return CLR_INVALID;
    return ToShown(m_memDC.GetPixel(pixel.x, pixel.y));
}

void CButtonImagePaintArea::Draw(CDC* pDC)
{
    const WTKGlobalData& data = WTKGetGlobalData();
    CRect rectClient;
    GetClientRect(rectClient);
    pDC->FillRect(rectClient, const_cast<CBrush*>(&data.brBtnFace));
    if (!CanDraw())
        return;

    const CRect rectGrid = GetGridRect();
    CRect rectFrame = rectGrid;
    pDC->Draw3dRect(rectFrame, data.clrBtnDkShadow, data.clrBtnHilite);

    CPen penGrid(PS_SOLID, 1, data.clrBtnShadow);
    HGDIOBJ hOldPen = ::SelectObject(*pDC, penGrid);
    for (int x = 1; x < m_sizeImage.cx; x++) {
        const int xLine = rectGrid.left + x * m_sizeCell.cx;
        pDC->MoveTo(xLine, rectGrid.top + 1);
        pDC->LineTo(xLine, rectGrid.bottom - 1);
    }
    for (int y = 1; y < m_sizeImage.cy; y++) {
        const int yLine = rectGrid.top + y * m_sizeCell.cy;
        pDC->MoveTo(rectGrid.left + 1, yLine);
        pDC->LineTo(rectGrid.right - 1, yLine);
    }
    ::SelectObject(*pDC, hOldPen);

    CDCStateGuard guard(&m_memDC);
    if (!SelectBitmap())
        return;
    for (int x = 0; x < m_sizeImage.cx; x++) {
        for (int y = 0; y < m_sizeImage.cy; y++) {
            const COLORREF clr = m_memDC.GetPixel(x, y);
            if (clr == CLR_INVALID)
                continue;  // the cell keeps the face colour
            CRect rectCell = CellRect(rectGrid, m_sizeCell, x, y);
            rectCell.DeflateRect(1, 1);
            pDC->FillSolidRect(rectCell, ToShown(clr));
        }
    }
}

void CButtonImagePaintArea::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    Draw(CDC::FromHandle(lpDrawItemStruct->hDC));
}

void CButtonImagePaintArea::OnSize(UINT nType, int cx, int cy)
{
    CButton::OnSize(nType, cx, cy);
    UpdateCellSize();
}

BOOL CButtonImagePaintArea::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (nHitTest == HTCLIENT && m_hCursors[m_mode] != nullptr) {
        ::SetCursor(m_hCursors[m_mode]);
        return TRUE;
    }
    return CButton::OnSetCursor(pWnd, nHitTest, message);
}

void CButtonImagePaintArea::OnLButtonDown(UINT, CPoint point)
{
    if (!CanDraw())
        return;
    const CPoint pixel = PixelFromPoint(point);
    if (m_mode == modePencil) {
        SetPixel(pixel);
    } else if (IsBandMode()) {
        m_ptBandStart = m_ptBandEnd = pixel;
        m_bBand = TRUE;
    }
    SetCapture();
}

void CButtonImagePaintArea::OnMouseMove(UINT nFlags, CPoint point)
{
    if (!(nFlags & MK_LBUTTON) || !CanDraw() || GetCapture() != this)
        return;
    CRect rectClient;
    GetClientRect(rectClient);
    point.x = std::clamp(point.x, rectClient.left, rectClient.right - 1);
    point.y = std::clamp(point.y, rectClient.top, rectClient.bottom - 1);
    const CPoint pixel = PixelFromPoint(point);
    if (m_mode == modePencil) {
        SetPixel(pixel);
        return;
    }
    if (!IsBandMode() || !m_bBand)
        return;

    CClientDC dc(this);
    CDCStateGuard guard(&dc);
    CRect rectClip = GetGridRect();
    rectClip.DeflateRect(1, 1);
    dc.IntersectClipRect(rectClip);
    ::SelectObject(dc, m_penBand);
    ::SelectObject(dc, ::GetStockObject(NULL_BRUSH));
    dc.SetROP2(R2_NOT);
    DrawBand(&dc);
    m_ptBandEnd = pixel;
    DrawBand(&dc);
}

void CButtonImagePaintArea::DrawBand(CDC* pDC)
{
    if (m_ptBandStart == m_ptBandEnd)
        return;
    const CPoint ptFrom = PointFromPixel(m_ptBandStart);
    const CPoint ptTo = PointFromPixel(m_ptBandEnd);
    switch (m_mode) {
    case modeLine:
        pDC->MoveTo(ptFrom);
        pDC->LineTo(ptTo);
        break;
    case modeRect:
        pDC->Rectangle(ptFrom.x, ptFrom.y, ptTo.x, ptTo.y);
        break;
    case modeEllipse:
        pDC->Ellipse(ptFrom.x, ptFrom.y, ptTo.x, ptTo.y);
        break;
    default:
        break;
    }
}

void CButtonImagePaintArea::OnLButtonUp(UINT, CPoint point)
{
    if (GetCapture() == this)
        ::ReleaseCapture();
    if (!CanDraw())
        return;
    const CPoint pixel = PixelFromPoint(point);
    switch (m_mode) {
    case modePencil:
        SetPixel(pixel);
        break;
    case modeLine:
    case modeRect:
    case modeEllipse:
        if (m_bBand)
            FinishBand(pixel);
        break;
    case modeFill:
        FloodFill(pixel);
        break;
    case modeColor:
        PickColor(pixel);
        break;
    default:
        break;
    }
    m_bBand = FALSE;
}

void CButtonImagePaintArea::FinishBand(CPoint pixel)
{
    if (m_ptBandStart == m_ptBandEnd) {
        SetPixel(pixel);
        return;
    }
    {
        CDCStateGuard guard(&m_memDC);
        if (!SelectBitmap())
            return;
        ::SelectObject(m_memDC, m_penDraw);
        ::SelectObject(m_memDC, ::GetStockObject(NULL_BRUSH));
        if (m_mode == modeLine) {
            m_memDC.MoveTo(m_ptBandStart);
            m_memDC.LineTo(m_ptBandEnd);
            // A line leaves its end pixel out.
            m_memDC.SetPixelV(m_ptBandEnd.x, m_ptBandEnd.y, ToStored(m_clrCurrent));
        } else {
            // The far pixels belong to the shape: the band grows by one in both directions,
            // also where it is flat, so a one-pixel-high or wide shape is drawn too.
            CRect rect(m_ptBandStart, m_ptBandEnd);
            rect.NormalizeRect();
            rect.right++;
            rect.bottom++;
            if (m_mode == modeRect)
                m_memDC.Rectangle(rect);
            else if (rect.Width() == 1 || rect.Height() == 1)
                m_memDC.Rectangle(rect);  // a flat ellipse is its own bounding line
            else
                m_memDC.Ellipse(rect);
        }
    }
    RedrawAll();
}

void CButtonImagePaintArea::SetPixel(CPoint pixel)
{
    if (GetSafeHwnd() != nullptr) {
        CClientDC dc(this);
        CRect rectCell = CellRect(GetGridRect(), m_sizeCell, pixel.x, pixel.y);
        rectCell.DeflateRect(1, 1);
        dc.FillSolidRect(rectCell, m_clrCurrent);
    }
    {
        CDCStateGuard guard(&m_memDC);
        if (SelectBitmap())
            m_memDC.SetPixelV(pixel.x, pixel.y, ToStored(m_clrCurrent));
    }
    InvalidatePreview();
}

void CButtonImagePaintArea::FloodFill(CPoint pixel)
{
    {
        CBrush brush(ToStored(m_clrCurrent));
        CDCStateGuard guard(&m_memDC);
        if (!SelectBitmap())
            return;
        ::SelectObject(m_memDC, brush);
        const COLORREF clrArea = m_memDC.GetPixel(pixel.x, pixel.y);
        if (clrArea != CLR_INVALID)
            ::ExtFloodFill(m_memDC, pixel.x, pixel.y, clrArea, FLOODFILLSURFACE);
    }
    RedrawAll();
}

void CButtonImagePaintArea::PickColor(CPoint pixel)
{
    const COLORREF clr = GetShownColor(pixel);
    if (clr == CLR_INVALID)
        return;
    if (m_pDialog != nullptr)
        m_pDialog->OnPickColor(clr);
    else
        SetColor(clr);
}

void CButtonImagePaintArea::RedrawAll()
{
    if (GetSafeHwnd() != nullptr) {
        Invalidate();
        UpdateWindow();
    }
    InvalidatePreview();
}

void CButtonImagePaintArea::InvalidatePreview()
{
    if (m_pDialog != nullptr && m_pDialog->GetSafeHwnd() != nullptr && !m_rectPreview.IsRectEmpty())
        m_pDialog->InvalidateRect(m_rectPreview);
}
