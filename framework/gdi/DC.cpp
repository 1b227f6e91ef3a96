#include "gdi/DC.h"

#include "core/HandleMap.h"

struct CDCTempAccess {
    static void Forget(CDC* p)
    {
        p->ForgetSelections();
        p->m_hDC = nullptr;
        p->m_hAttribDC = nullptr;
    }
};

namespace {

using DCMap = CHandleMap<HDC, CDC>;

// Never destroyed: wrappers in static objects may outlive any exit order.
DCMap& DCs()
{
    static DCMap* map = new DCMap(CDCTempAccess::Forget);
    return *map;
}

// Slot in m_hDisplaced for a kind of object, -1 for kinds not restored.
int SlotOf(HGDIOBJ hObject)
{
    switch (::GetObjectType(hObject)) {
    case OBJ_PEN:
    case OBJ_EXTPEN:
        return 0;
    case OBJ_BRUSH:
        return 1;
    case OBJ_FONT:
        return 2;
    case OBJ_BITMAP:
        return 3;
    default:
        return -1;
    }
}

HDC SourceOf(CDC* pSrcDC)
{
    return pSrcDC ? pSrcDC->m_hDC : nullptr;
}

CPoint ToPoint(POINT pt)
{
    return CPoint(pt.x, pt.y);
}

}  // namespace

// Handle and lifetime

CDC::~CDC()
{
    DeleteDC();
}

CDC* CDC::FromHandle(HDC hDC)
{
    return DCs().FromHandle(
        hDC, [](CDC*) { return true; },
        [](HDC h) {
            CDC* p = new CDC;
            p->m_hDC = h;
            p->m_hAttribDC = h;
            return p;
        });
}

void CDC::DeleteTempMap()
{
    DCs().DeleteTemp();
}

BOOL CDC::Attach(HDC hDC)
{
    if (!hDC || m_hDC)
        return FALSE;
    m_hDC = hDC;
    m_hAttribDC = hDC;
    DCs().SetPermanent(hDC, this);
    return TRUE;
}

HDC CDC::Detach()
{
    HDC h = m_hDC;
    RestoreSelections();
    DCs().RemovePermanent(h, this);
    m_hDC = nullptr;
    m_hAttribDC = nullptr;
    return h;
}

BOOL CDC::DeleteDC()
{
    if (!m_hDC)
        return FALSE;
    return ::DeleteDC(Detach());
}

BOOL CDC::CreateCompatibleDC(CDC* pDC)
{
    HDC h = ::CreateCompatibleDC(pDC ? pDC->m_hDC : nullptr);
    if (Attach(h))
        return TRUE;
    if (h)
        ::DeleteDC(h);
    return FALSE;
}

int CDC::SaveDC()
{
    return ::SaveDC(m_hDC);
}

BOOL CDC::RestoreDC(int nSavedDC)
{
    return ::RestoreDC(m_hDC, nSavedDC);
}

int CDC::GetDeviceCaps(int nIndex) const
{
    return ::GetDeviceCaps(m_hDC, nIndex);
}

// Selection

HGDIOBJ CDC::Select(HGDIOBJ hObject)
{
    if (!m_hDC || !hObject)
        return nullptr;
    HGDIOBJ hOld = ::SelectObject(m_hDC, hObject);
    if (!hOld || hOld == HGDI_ERROR)
        return nullptr;
    int slot = SlotOf(hObject);
    if (slot >= 0 && !m_hDisplaced[slot])
        m_hDisplaced[slot] = hOld;
    return hOld;
}

void CDC::RestoreSelections()
{
    for (HGDIOBJ& h : m_hDisplaced) {
        if (h && m_hDC)
            ::SelectObject(m_hDC, h);
        h = nullptr;
    }
}

void CDC::ForgetSelections()
{
    for (HGDIOBJ& h : m_hDisplaced)
        h = nullptr;
}

CPen* CDC::SelectObject(CPen* pPen)
{
    return pPen ? CPen::FromHandle(static_cast<HPEN>(Select(pPen->m_hObject))) : nullptr;
}

CBrush* CDC::SelectObject(CBrush* pBrush)
{
    return pBrush ? CBrush::FromHandle(static_cast<HBRUSH>(Select(pBrush->m_hObject))) : nullptr;
}

CFont* CDC::SelectObject(CFont* pFont)
{
    return pFont ? CFont::FromHandle(static_cast<HFONT>(Select(pFont->m_hObject))) : nullptr;
}

CBitmap* CDC::SelectObject(CBitmap* pBitmap)
{
    return pBitmap ? CBitmap::FromHandle(static_cast<HBITMAP>(Select(pBitmap->m_hObject))) : nullptr;
}

int CDC::SelectObject(CRgn* pRgn)
{
    return SelectClipRgn(pRgn);
}

HGDIOBJ CDC::SelectObject(HGDIOBJ hObject)
{
    if (hObject && ::GetObjectType(hObject) == OBJ_REGION)
        return ::SelectObject(m_hDC, hObject);
    return Select(hObject);
}

CGdiObject* CDC::SelectStockObject(int nIndex)
{
    return CGdiObject::FromHandle(Select(::GetStockObject(nIndex)));
}

CPalette* CDC::SelectPalette(CPalette* pPalette, BOOL bForceBackground)
{
    HPALETTE h = pPalette ? static_cast<HPALETTE>(pPalette->m_hObject) : nullptr;
    return CPalette::FromHandle(::SelectPalette(m_hDC, h, bForceBackground));
}

UINT CDC::RealizePalette()
{
    return ::RealizePalette(m_hDC);
}

CPen* CDC::GetCurrentPen() const
{
    return CPen::FromHandle(static_cast<HPEN>(::GetCurrentObject(m_hDC, OBJ_PEN)));
}

CBrush* CDC::GetCurrentBrush() const
{
    return CBrush::FromHandle(static_cast<HBRUSH>(::GetCurrentObject(m_hDC, OBJ_BRUSH)));
}

CFont* CDC::GetCurrentFont() const
{
    return CFont::FromHandle(static_cast<HFONT>(::GetCurrentObject(m_hDC, OBJ_FONT)));
}

CBitmap* CDC::GetCurrentBitmap() const
{
    return CBitmap::FromHandle(static_cast<HBITMAP>(::GetCurrentObject(m_hDC, OBJ_BITMAP)));
}

// Colours and modes

COLORREF CDC::SetTextColor(COLORREF crColor)
{
    return ::SetTextColor(m_hDC, crColor);
}

COLORREF CDC::GetTextColor() const
{
    return ::GetTextColor(m_hDC);
}

COLORREF CDC::SetBkColor(COLORREF crColor)
{
    return ::SetBkColor(m_hDC, crColor);
}

COLORREF CDC::GetBkColor() const
{
    return ::GetBkColor(m_hDC);
}

int CDC::SetBkMode(int nBkMode)
{
    return ::SetBkMode(m_hDC, nBkMode);
}

int CDC::GetBkMode() const
{
    return ::GetBkMode(m_hDC);
}

int CDC::SetROP2(int nDrawMode)
{
    return ::SetROP2(m_hDC, nDrawMode);
}

int CDC::GetROP2() const
{
    return ::GetROP2(m_hDC);
}

UINT CDC::SetTextAlign(UINT nFlags)
{
    return ::SetTextAlign(m_hDC, nFlags);
}

UINT CDC::GetTextAlign() const
{
    return ::GetTextAlign(m_hDC);
}

int CDC::SetMapMode(int nMapMode)
{
    return ::SetMapMode(m_hDC, nMapMode);
}

int CDC::GetMapMode() const
{
    return ::GetMapMode(m_hDC);
}

int CDC::SetStretchBltMode(int nStretchMode)
{
    return ::SetStretchBltMode(m_hDC, nStretchMode);
}

int CDC::GetStretchBltMode() const
{
    return ::GetStretchBltMode(m_hDC);
}

int CDC::SetPolyFillMode(int nPolyFillMode)
{
    return ::SetPolyFillMode(m_hDC, nPolyFillMode);
}

int CDC::GetPolyFillMode() const
{
    return ::GetPolyFillMode(m_hDC);
}

COLORREF CDC::GetNearestColor(COLORREF crColor) const
{
    return ::GetNearestColor(m_hDC, crColor);
}

// Coordinates

CPoint CDC::SetViewportOrg(int x, int y)
{
    POINT old = {};
    ::SetViewportOrgEx(m_hDC, x, y, &old);
    return ToPoint(old);
}

CPoint CDC::SetViewportOrg(POINT point)
{
    return SetViewportOrg(point.x, point.y);
}

CPoint CDC::OffsetViewportOrg(int nWidth, int nHeight)
{
    POINT old = {};
    ::OffsetViewportOrgEx(m_hDC, nWidth, nHeight, &old);
    return ToPoint(old);
}

CPoint CDC::GetViewportOrg() const
{
    POINT pt = {};
    ::GetViewportOrgEx(m_hDC, &pt);
    return ToPoint(pt);
}

CPoint CDC::SetWindowOrg(int x, int y)
{
    POINT old = {};
    ::SetWindowOrgEx(m_hDC, x, y, &old);
    return ToPoint(old);
}

CPoint CDC::SetWindowOrg(POINT point)
{
    return SetWindowOrg(point.x, point.y);
}

CPoint CDC::OffsetWindowOrg(int nWidth, int nHeight)
{
    POINT old = {};
    ::OffsetWindowOrgEx(m_hDC, nWidth, nHeight, &old);
    return ToPoint(old);
}

CPoint CDC::GetWindowOrg() const
{
    POINT pt = {};
    ::GetWindowOrgEx(m_hDC, &pt);
    return ToPoint(pt);
}

CPoint CDC::SetBrushOrg(int x, int y)
{
    POINT old = {};
    ::SetBrushOrgEx(m_hDC, x, y, &old);
    return ToPoint(old);
}

CPoint CDC::SetBrushOrg(POINT point)
{
    return SetBrushOrg(point.x, point.y);
}

void CDC::DPtoLP(LPPOINT lpPoints, int nCount) const
{
    ::DPtoLP(m_hDC, lpPoints, nCount);
}

void CDC::DPtoLP(LPRECT lpRect) const
{
    ::DPtoLP(m_hDC, reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CDC::LPtoDP(LPPOINT lpPoints, int nCount) const
{
    ::LPtoDP(m_hDC, lpPoints, nCount);
}

void CDC::LPtoDP(LPRECT lpRect) const
{
    ::LPtoDP(m_hDC, reinterpret_cast<LPPOINT>(lpRect), 2);
}

// Clipping

int CDC::GetClipBox(LPRECT lpRect) const
{
    return ::GetClipBox(m_hDC, lpRect);
}

int CDC::SelectClipRgn(CRgn* pRgn)
{
    return ::SelectClipRgn(m_hDC, pRgn ? static_cast<HRGN>(pRgn->m_hObject) : nullptr);
}

int CDC::SelectClipRgn(CRgn* pRgn, int nMode)
{
    return ::ExtSelectClipRgn(m_hDC, pRgn ? static_cast<HRGN>(pRgn->m_hObject) : nullptr, nMode);
}

int CDC::ExcludeClipRect(int x1, int y1, int x2, int y2)
{
    return ::ExcludeClipRect(m_hDC, x1, y1, x2, y2);
}

int CDC::ExcludeClipRect(LPCRECT lpRect)
{
    return ExcludeClipRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

int CDC::IntersectClipRect(int x1, int y1, int x2, int y2)
{
    return ::IntersectClipRect(m_hDC, x1, y1, x2, y2);
}

int CDC::IntersectClipRect(LPCRECT lpRect)
{
    return IntersectClipRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

int CDC::OffsetClipRgn(int x, int y)
{
    return ::OffsetClipRgn(m_hDC, x, y);
}

BOOL CDC::PtVisible(int x, int y) const
{
    return ::PtVisible(m_hDC, x, y);
}

BOOL CDC::PtVisible(POINT point) const
{
    return PtVisible(point.x, point.y);
}

BOOL CDC::RectVisible(LPCRECT lpRect) const
{
    return ::RectVisible(m_hDC, lpRect);
}

// Pixels

COLORREF CDC::GetPixel(int x, int y) const
{
    return ::GetPixel(m_hDC, x, y);
}

COLORREF CDC::GetPixel(POINT point) const
{
    return GetPixel(point.x, point.y);
}

COLORREF CDC::SetPixel(int x, int y, COLORREF crColor)
{
    return ::SetPixel(m_hDC, x, y, crColor);
}

COLORREF CDC::SetPixel(POINT point, COLORREF crColor)
{
    return SetPixel(point.x, point.y, crColor);
}

BOOL CDC::SetPixelV(int x, int y, COLORREF crColor)
{
    return ::SetPixelV(m_hDC, x, y, crColor);
}

// Lines and shapes

CPoint CDC::MoveTo(int x, int y)
{
    POINT old = {};
    ::MoveToEx(m_hDC, x, y, &old);
    return ToPoint(old);
}

CPoint CDC::MoveTo(POINT point)
{
    return MoveTo(point.x, point.y);
}

BOOL CDC::LineTo(int x, int y)
{
    return ::LineTo(m_hDC, x, y);
}

BOOL CDC::LineTo(POINT point)
{
    return LineTo(point.x, point.y);
}

CPoint CDC::GetCurrentPosition() const
{
    POINT pt = {};
    ::GetCurrentPositionEx(m_hDC, &pt);
    return ToPoint(pt);
}

BOOL CDC::Polyline(const POINT* lpPoints, int nCount)
{
    return ::Polyline(m_hDC, lpPoints, nCount);
}

BOOL CDC::Rectangle(int x1, int y1, int x2, int y2)
{
    return ::Rectangle(m_hDC, x1, y1, x2, y2);
}

BOOL CDC::Rectangle(LPCRECT lpRect)
{
    return Rectangle(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

BOOL CDC::RoundRect(int x1, int y1, int x2, int y2, int x3, int y3)
{
    return ::RoundRect(m_hDC, x1, y1, x2, y2, x3, y3);
}

BOOL CDC::RoundRect(LPCRECT lpRect, POINT point)
{
    return RoundRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom, point.x, point.y);
}

BOOL CDC::Ellipse(int x1, int y1, int x2, int y2)
{
    return ::Ellipse(m_hDC, x1, y1, x2, y2);
}

BOOL CDC::Ellipse(LPCRECT lpRect)
{
    return Ellipse(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

BOOL CDC::Polygon(const POINT* lpPoints, int nCount)
{
    return ::Polygon(m_hDC, lpPoints, nCount);
}

// Areas

void CDC::FillRect(LPCRECT lpRect, CBrush* pBrush)
{
    if (pBrush)
        ::FillRect(m_hDC, lpRect, static_cast<HBRUSH>(pBrush->m_hObject));
}

void CDC::FrameRect(LPCRECT lpRect, CBrush* pBrush)
{
    if (pBrush)
        ::FrameRect(m_hDC, lpRect, static_cast<HBRUSH>(pBrush->m_hObject));
}

void CDC::InvertRect(LPCRECT lpRect)
{
    ::InvertRect(m_hDC, lpRect);
}

BOOL CDC::FillRgn(CRgn* pRgn, CBrush* pBrush)
{
    return pRgn && pBrush &&
        ::FillRgn(m_hDC, static_cast<HRGN>(pRgn->m_hObject), static_cast<HBRUSH>(pBrush->m_hObject));
}

BOOL CDC::FrameRgn(CRgn* pRgn, CBrush* pBrush, int nWidth, int nHeight)
{
    return pRgn && pBrush &&
        ::FrameRgn(m_hDC, static_cast<HRGN>(pRgn->m_hObject), static_cast<HBRUSH>(pBrush->m_hObject), nWidth, nHeight);
}

BOOL CDC::PaintRgn(CRgn* pRgn)
{
    return pRgn && ::PaintRgn(m_hDC, static_cast<HRGN>(pRgn->m_hObject));
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr)
{
    // An opaque text call with no text fills with the background colour.
    COLORREF old = ::SetBkColor(m_hDC, clr);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, lpRect, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, old);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr)
{
    RECT rc = {x, y, x + cx, y + cy};
    FillSolidRect(&rc, clr);
}

void CDC::Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    Draw3dRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top, clrTopLeft,
               clrBottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    FillSolidRect(x, y, cx - 1, 1, clrTopLeft);
    FillSolidRect(x, y, 1, cy - 1, clrTopLeft);
    FillSolidRect(x + cx - 1, y, 1, cy, clrBottomRight);
    FillSolidRect(x, y + cy - 1, cx, 1, clrBottomRight);
}

BOOL CDC::DrawEdge(LPRECT lpRect, UINT nEdge, UINT nFlags)
{
    return ::DrawEdge(m_hDC, lpRect, nEdge, nFlags);
}

void CDC::DrawFocusRect(LPCRECT lpRect)
{
    ::DrawFocusRect(m_hDC, lpRect);
}

BOOL CDC::DrawFrameControl(LPRECT lpRect, UINT nType, UINT nState)
{
    return ::DrawFrameControl(m_hDC, lpRect, nType, nState);
}

BOOL CDC::DrawIcon(int x, int y, HICON hIcon)
{
    return ::DrawIcon(m_hDC, x, y, hIcon);
}

BOOL CDC::DrawIcon(POINT point, HICON hIcon)
{
    return DrawIcon(point.x, point.y, hIcon);
}

BOOL CDC::DrawState(POINT pt, SIZE size, HBITMAP hBitmap, UINT nFlags, HBRUSH hBrush)
{
    return ::DrawStateA(m_hDC, hBrush, nullptr, reinterpret_cast<LPARAM>(hBitmap), 0, pt.x, pt.y, size.cx, size.cy,
                        nFlags | DST_BITMAP);
}

BOOL CDC::DrawState(POINT pt, SIZE size, CBitmap* pBitmap, UINT nFlags, CBrush* pBrush)
{
    return pBitmap &&
        DrawState(pt, size, static_cast<HBITMAP>(pBitmap->m_hObject), nFlags,
                  pBrush ? static_cast<HBRUSH>(pBrush->m_hObject) : nullptr);
}

BOOL CDC::DrawState(POINT pt, SIZE size, HICON hIcon, UINT nFlags, HBRUSH hBrush)
{
    return ::DrawStateA(m_hDC, hBrush, nullptr, reinterpret_cast<LPARAM>(hIcon), 0, pt.x, pt.y, size.cx, size.cy,
                        nFlags | DST_ICON);
}

// Text

BOOL CDC::TextOut(int x, int y, LPCSTR lpszString, int nCount)
{
    return ::TextOutA(m_hDC, x, y, lpszString, nCount);
}

BOOL CDC::TextOut(int x, int y, const CString& str)
{
    return TextOut(x, y, static_cast<LPCSTR>(str), str.GetLength());
}

BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCSTR lpszString, UINT nCount, LPINT lpDxWidths)
{
    return ::ExtTextOutA(m_hDC, x, y, nOptions, lpRect, lpszString, nCount, lpDxWidths);
}

BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, const CString& str, LPINT lpDxWidths)
{
    return ExtTextOut(x, y, nOptions, lpRect, static_cast<LPCSTR>(str), static_cast<UINT>(str.GetLength()), lpDxWidths);
}

int CDC::DrawText(LPCSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat)
{
    return ::DrawTextA(m_hDC, lpszString, nCount, lpRect, nFormat);
}

int CDC::DrawText(const CString& str, LPRECT lpRect, UINT nFormat)
{
    return DrawText(static_cast<LPCSTR>(str), str.GetLength(), lpRect, nFormat);
}

CSize CDC::GetTextExtent(LPCSTR lpszString, int nCount) const
{
    SIZE size = {};
    ::GetTextExtentPoint32A(m_hDC, lpszString, nCount, &size);
    return CSize(size.cx, size.cy);
}

CSize CDC::GetTextExtent(const CString& str) const
{
    return GetTextExtent(static_cast<LPCSTR>(str), str.GetLength());
}

BOOL CDC::GetTextMetrics(LPTEXTMETRICA lpMetrics) const
{
    return ::GetTextMetricsA(m_hDC, lpMetrics);
}

int CDC::GetTextFace(int nCount, LPSTR lpszFacename) const
{
    return ::GetTextFaceA(m_hDC, nCount, lpszFacename);
}

int CDC::GetTextFace(CString& rString) const
{
    char face[LF_FACESIZE] = {};
    int n = GetTextFace(LF_FACESIZE, face);
    rString = face;
    return n;
}

// Block transfers

BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop)
{
    return ::BitBlt(m_hDC, x, y, nWidth, nHeight, SourceOf(pSrcDC), xSrc, ySrc, dwRop);
}

BOOL CDC::StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, int nSrcWidth,
                     int nSrcHeight, DWORD dwRop)
{
    return ::StretchBlt(m_hDC, x, y, nWidth, nHeight, SourceOf(pSrcDC), xSrc, ySrc, nSrcWidth, nSrcHeight, dwRop);
}

BOOL CDC::PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop)
{
    return ::PatBlt(m_hDC, x, y, nWidth, nHeight, dwRop);
}
