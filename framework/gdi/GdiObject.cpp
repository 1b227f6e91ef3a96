#include "gdi/GdiObject.h"

#include "gdi/DC.h"
#include "core/HandleMap.h"
#include "core/ResourceHandle.h"

#include <cstdlib>

namespace {

using GdiMap = CHandleMap<HGDIOBJ, CGdiObject>;

// Never destroyed: wrappers in static objects may outlive any exit order.
GdiMap& GdiObjects()
{
    static GdiMap* map = new GdiMap([](CGdiObject* p) { p->m_hObject = nullptr; });
    return *map;
}

// A temporary wrapper of the class that matches the handle's kind.
CGdiObject* MakeWrapper(HGDIOBJ h)
{
    CGdiObject* p = nullptr;
    switch (::GetObjectType(h)) {
    case OBJ_PEN:
    case OBJ_EXTPEN:
        p = new CPen;
        break;
    case OBJ_BRUSH:
        p = new CBrush;
        break;
    case OBJ_FONT:
        p = new CFont;
        break;
    case OBJ_BITMAP:
        p = new CBitmap;
        break;
    case OBJ_REGION:
        p = new CRgn;
        break;
    case OBJ_PAL:
        p = new CPalette;
        break;
    default:
        p = new CGdiObject;
        break;
    }
    p->m_hObject = h;
    return p;
}

template <class T>
T* TypedFromHandle(HGDIOBJ h)
{
    CGdiObject* p = GdiObjects().FromHandle(
        h, [](CGdiObject* o) { return dynamic_cast<T*>(o) != nullptr; }, MakeWrapper);
    return static_cast<T*>(p);
}

}  // namespace

// CGdiObject

CGdiObject::~CGdiObject()
{
    DeleteObject();
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ hObject)
{
    return TypedFromHandle<CGdiObject>(hObject);
}

void CGdiObject::DeleteTempMap()
{
    GdiObjects().DeleteTemp();
}

BOOL CGdiObject::Attach(HGDIOBJ hObject)
{
    if (!hObject || m_hObject)
        return FALSE;
    m_hObject = hObject;
    GdiObjects().SetPermanent(hObject, this);
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ h = m_hObject;
    GdiObjects().RemovePermanent(h, this);
    m_hObject = nullptr;
    return h;
}

BOOL CGdiObject::AttachCreated(HGDIOBJ hObject)
{
    // A second Create on the same object must not leak the new handle.
    if (Attach(hObject))
        return TRUE;
    if (hObject)
        ::DeleteObject(hObject);
    return FALSE;
}

BOOL CGdiObject::DeleteObject()
{
    if (!m_hObject)
        return FALSE;
    return ::DeleteObject(Detach());
}

int CGdiObject::GetObject(int nCount, LPVOID lpObject) const
{
    return ::GetObjectA(m_hObject, nCount, lpObject);
}

UINT CGdiObject::GetObjectType() const
{
    return static_cast<UINT>(::GetObjectType(m_hObject));
}

BOOL CGdiObject::CreateStockObject(int nIndex)
{
    return Attach(::GetStockObject(nIndex));
}

BOOL CGdiObject::UnrealizeObject()
{
    return ::UnrealizeObject(m_hObject);
}

// CPen

CPen* CPen::FromHandle(HPEN hPen)
{
    return TypedFromHandle<CPen>(hPen);
}

BOOL CPen::CreatePen(int nPenStyle, int nWidth, COLORREF crColor)
{
    return AttachCreated(::CreatePen(nPenStyle, nWidth, crColor));
}

BOOL CPen::CreatePenIndirect(const LOGPEN* lpLogPen)
{
    return AttachCreated(::CreatePenIndirect(lpLogPen));
}

int CPen::GetLogPen(LOGPEN* pLogPen) const
{
    return GetObject(sizeof(LOGPEN), pLogPen);
}

// CBrush

CBrush* CBrush::FromHandle(HBRUSH hBrush)
{
    return TypedFromHandle<CBrush>(hBrush);
}

BOOL CBrush::CreateSolidBrush(COLORREF crColor)
{
    return AttachCreated(::CreateSolidBrush(crColor));
}

BOOL CBrush::CreateHatchBrush(int nIndex, COLORREF crColor)
{
    return AttachCreated(::CreateHatchBrush(nIndex, crColor));
}

BOOL CBrush::CreatePatternBrush(CBitmap* pBitmap)
{
    return pBitmap && AttachCreated(::CreatePatternBrush(static_cast<HBITMAP>(pBitmap->m_hObject)));
}

BOOL CBrush::CreateBrushIndirect(const LOGBRUSH* lpLogBrush)
{
    return AttachCreated(::CreateBrushIndirect(lpLogBrush));
}

BOOL CBrush::CreateSysColorBrush(int nIndex)
{
    // System colour brushes belong to the system; DeleteObject ignores them.
    return Attach(::GetSysColorBrush(nIndex));
}

int CBrush::GetLogBrush(LOGBRUSH* pLogBrush) const
{
    return GetObject(sizeof(LOGBRUSH), pLogBrush);
}

// CFont

CFont* CFont::FromHandle(HFONT hFont)
{
    return TypedFromHandle<CFont>(hFont);
}

BOOL CFont::CreateFontIndirect(const LOGFONTA* lpLogFont)
{
    return AttachCreated(::CreateFontIndirectA(lpLogFont));
}

BOOL CFont::CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight, BYTE bItalic,
                       BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision, BYTE nClipPrecision,
                       BYTE nQuality, BYTE nPitchAndFamily, LPCSTR lpszFacename)
{
    return AttachCreated(::CreateFontA(nHeight, nWidth, nEscapement, nOrientation, nWeight, bItalic, bUnderline,
                                       cStrikeOut, nCharSet, nOutPrecision, nClipPrecision, nQuality, nPitchAndFamily,
                                       lpszFacename));
}

BOOL CFont::CreatePointFont(int nPointSize, LPCSTR lpszFaceName, CDC* pDC)
{
    LOGFONTA lf = {};
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfHeight = nPointSize;
    if (lpszFaceName)
        lstrcpynA(lf.lfFaceName, lpszFaceName, LF_FACESIZE);
    return CreatePointFontIndirect(&lf, pDC);
}

BOOL CFont::CreatePointFontIndirect(const LOGFONTA* lpLogFont, CDC* pDC)
{
    if (!lpLogFont)
        return FALSE;
    HDC hScreen = pDC ? nullptr : ::GetDC(nullptr);
    HDC h = pDC ? pDC->m_hDC : hScreen;

    // lfHeight holds tenths of a point: to device units, then to logical ones.
    LOGFONTA lf = *lpLogFont;
    POINT pt = {0, MulDiv(::GetDeviceCaps(h, LOGPIXELSY), lf.lfHeight, 720)};
    POINT origin = {0, 0};
    ::DPtoLP(h, &pt, 1);
    ::DPtoLP(h, &origin, 1);
    lf.lfHeight = -abs(pt.y - origin.y);

    if (hScreen)
        ::ReleaseDC(nullptr, hScreen);
    return CreateFontIndirect(&lf);
}

int CFont::GetLogFont(LOGFONTA* pLogFont) const
{
    return GetObject(sizeof(LOGFONTA), pLogFont);
}

// CBitmap

CBitmap* CBitmap::FromHandle(HBITMAP hBitmap)
{
    return TypedFromHandle<CBitmap>(hBitmap);
}

BOOL CBitmap::LoadBitmap(LPCSTR lpszResourceName)
{
    HINSTANCE hInst = FwFindResourceHandle(lpszResourceName, RT_BITMAP);
    return hInst && AttachCreated(::LoadBitmapA(hInst, lpszResourceName));
}

BOOL CBitmap::LoadBitmap(UINT nIDResource)
{
    return LoadBitmap(MAKEINTRESOURCEA(nIDResource));
}

BOOL CBitmap::CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void* lpBits)
{
    return AttachCreated(::CreateBitmap(nWidth, nHeight, nPlanes, nBitcount, lpBits));
}

BOOL CBitmap::CreateBitmapIndirect(const BITMAP* lpBitmap)
{
    return AttachCreated(::CreateBitmapIndirect(lpBitmap));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight)
{
    HDC hScreen = pDC ? nullptr : ::GetDC(nullptr);
    BOOL ok = AttachCreated(::CreateCompatibleBitmap(pDC ? pDC->m_hDC : hScreen, nWidth, nHeight));
    if (hScreen)
        ::ReleaseDC(nullptr, hScreen);
    return ok;
}

int CBitmap::GetBitmap(BITMAP* pBitMap) const
{
    return GetObject(sizeof(BITMAP), pBitMap);
}

// CRgn

CRgn* CRgn::FromHandle(HRGN hRgn)
{
    return TypedFromHandle<CRgn>(hRgn);
}

BOOL CRgn::CreateRectRgn(int x1, int y1, int x2, int y2)
{
    return AttachCreated(::CreateRectRgn(x1, y1, x2, y2));
}

BOOL CRgn::CreateRectRgnIndirect(LPCRECT lpRect)
{
    return AttachCreated(::CreateRectRgnIndirect(lpRect));
}

BOOL CRgn::CreateEllipticRgn(int x1, int y1, int x2, int y2)
{
    return AttachCreated(::CreateEllipticRgn(x1, y1, x2, y2));
}

BOOL CRgn::CreateEllipticRgnIndirect(LPCRECT lpRect)
{
    return AttachCreated(::CreateEllipticRgnIndirect(lpRect));
}

BOOL CRgn::CreatePolygonRgn(const POINT* lpPoints, int nCount, int nMode)
{
    return AttachCreated(::CreatePolygonRgn(lpPoints, nCount, nMode));
}

BOOL CRgn::CreateRoundRectRgn(int x1, int y1, int x2, int y2, int x3, int y3)
{
    return AttachCreated(::CreateRoundRectRgn(x1, y1, x2, y2, x3, y3));
}

void CRgn::SetRectRgn(int x1, int y1, int x2, int y2)
{
    ::SetRectRgn(*this, x1, y1, x2, y2);
}

void CRgn::SetRectRgn(LPCRECT lpRect)
{
    ::SetRectRgn(*this, lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

int CRgn::CombineRgn(const CRgn* pRgn1, const CRgn* pRgn2, int nCombineMode)
{
    return ::CombineRgn(*this, pRgn1 ? static_cast<HRGN>(*pRgn1) : nullptr, pRgn2 ? static_cast<HRGN>(*pRgn2) : nullptr,
                        nCombineMode);
}

int CRgn::CopyRgn(const CRgn* pRgnSrc)
{
    return CombineRgn(pRgnSrc, nullptr, RGN_COPY);
}

BOOL CRgn::EqualRgn(const CRgn* pRgn) const
{
    return pRgn && ::EqualRgn(*this, *pRgn);
}

int CRgn::OffsetRgn(int x, int y)
{
    return ::OffsetRgn(*this, x, y);
}

int CRgn::OffsetRgn(POINT point)
{
    return OffsetRgn(point.x, point.y);
}

int CRgn::GetRgnBox(LPRECT lpRect) const
{
    return ::GetRgnBox(*this, lpRect);
}

BOOL CRgn::PtInRegion(int x, int y) const
{
    return ::PtInRegion(*this, x, y);
}

BOOL CRgn::PtInRegion(POINT point) const
{
    return PtInRegion(point.x, point.y);
}

BOOL CRgn::RectInRegion(LPCRECT lpRect) const
{
    return ::RectInRegion(*this, lpRect);
}

// CPalette

CPalette* CPalette::FromHandle(HPALETTE hPalette)
{
    return TypedFromHandle<CPalette>(hPalette);
}

BOOL CPalette::CreatePalette(LPLOGPALETTE lpLogPalette)
{
    return AttachCreated(::CreatePalette(lpLogPalette));
}

BOOL CPalette::CreateHalftonePalette(CDC* pDC)
{
    return pDC && AttachCreated(::CreateHalftonePalette(pDC->m_hDC));
}

int CPalette::GetEntryCount() const
{
    WORD count = 0;
    return GetObject(sizeof(count), &count) ? count : 0;
}

UINT CPalette::GetPaletteEntries(UINT nStartIndex, UINT nNumEntries, LPPALETTEENTRY lpPaletteColors) const
{
    return ::GetPaletteEntries(*this, nStartIndex, nNumEntries, lpPaletteColors);
}

UINT CPalette::SetPaletteEntries(UINT nStartIndex, UINT nNumEntries, LPPALETTEENTRY lpPaletteColors)
{
    return ::SetPaletteEntries(*this, nStartIndex, nNumEntries, lpPaletteColors);
}

UINT CPalette::GetNearestPaletteIndex(COLORREF crColor) const
{
    return ::GetNearestPaletteIndex(*this, crColor);
}

BOOL CPalette::ResizePalette(UINT nNumEntries)
{
    return ::ResizePalette(*this, nNumEntries);
}
