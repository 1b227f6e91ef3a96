#include "customisation/ColorPickerCtrl.h"

#include "foundation/WTKColorFunctions.h"
#include "foundation/WTKGlobalData.h"

#include "gdi/DC.h"
#include "win/PaintDC.h"
#include "win/WndLifeGuard.h"

#include <algorithm>
#include <cmath>

IMPLEMENT_DYNAMIC(CColorPickerCtrl, CButton)

namespace {

constexpr int kPaletteBits = 8;    // exactly: palette-index colours
constexpr int kBlockFillBits = 8;  // at or below: the field is filled in blocks
constexpr int kFieldBlock = 4;
constexpr double kDegreesPerRadian = 57.29577951308239;
constexpr double kRingLightnessBase = 0.1;
constexpr int kRingCount = CColorPickerCtrl::kHoneycombRings;
// The six sides of a ring, in units of the hexagon width.
constexpr double kRingSteps[6][2] = {{-0.5, 0.8660254}, {-1.0, 0.0}, {-0.5, -0.8660254},
                                     {0.5, -0.8660254}, {1.0, 0.0},  {0.5, 0.8660254}};
constexpr int kGreyFirst = 240;
constexpr int kMarkerHalf = CColorPickerCtrl::kMarkerSize / 2;    // 9
constexpr int kPointerHalf = CColorPickerCtrl::kPointerSize / 2;  // 4
constexpr int kGreyRowDivisor = 13;

double Clamp01(double d)
{
    return std::max(0.0, std::min(1.0, d));
}

}  // namespace

BEGIN_MESSAGE_MAP(CColorPickerCtrl, CButton)
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_KEYDOWN()
    ON_WM_GETDLGCODE()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_SIZE()
    ON_WM_ERASEBKGND()
    ON_MESSAGE(WM_QUERYNEWPALETTE, OnQueryNewPalette)
    ON_MESSAGE(WM_PALETTECHANGED, OnPaletteChanged)
END_MESSAGE_MAP()

CColorPickerCtrl::CColorPickerCtrl() = default;
CColorPickerCtrl::~CColorPickerCtrl() = default;

BOOL CColorPickerCtrl::PreCreateWindow(CREATESTRUCTA& cs)
{
    cs.style = (cs.style & ~BS_TYPEMASK) | BS_OWNERDRAW;
    return CButton::PreCreateWindow(cs);
}

void CColorPickerCtrl::PreSubclassWindow()
{
    ModifyStyle(BS_TYPEMASK, BS_OWNERDRAW);
    CButton::PreSubclassWindow();
}

// ---- Values ----

int CColorPickerCtrl::SnapColorComponent(int c, int nTolerance)
{
    if (nTolerance == 0)
        return c;
    if (c < nTolerance)
        return 0;
    if (c > 255 - nTolerance)
        return 255;
    if (std::abs(c - 128) < nTolerance)
        return 128;
    if (std::abs(c - 192) < nTolerance)
        return 192;
    return c;
}

double CColorPickerCtrl::GetAngleFromPoint(int nX, int nY)
{
    return std::atan2(static_cast<double>(nY), static_cast<double>(nX)) * kDegreesPerRadian;
}

void CColorPickerCtrl::RecomputeHLS()
{
    RGBToHLS(m_colorNew, &m_dblHue, &m_dblSat, &m_dblLum);
}

void CColorPickerCtrl::SetPalette(CPalette* pPalette)
{
    m_pPalette = pPalette;
    m_bmpPicker.DeleteObject();
    for (CColorHexagon& cell : m_arCells)
        cell.m_DrawColor = DrawColorOf(cell.m_Color);
}

void CColorPickerCtrl::SelectCellHexagon(BYTE R, BYTE G, BYTE B)
{
    SetColor(RGB(R, G, B));
}

void CColorPickerCtrl::SetColor(COLORREF Color)
{
    m_colorNew = Color;
    RecomputeHLS();
    if (GetSafeHwnd() != nullptr) {
        Invalidate();
        UpdateWindow();
    }
}

void CColorPickerCtrl::SetRGB(COLORREF ref)
{
    m_colorNew = ref;
    RecomputeHLS();
    if (GetSafeHwnd() != nullptr)
        Invalidate();
}

void CColorPickerCtrl::SetHLS(double hue, double luminance, double saturation, BOOL bInvalidate)
{
    if (hue != -1.0)
        m_dblHue = hue;
    if (luminance != -1.0)
        m_dblLum = luminance;
    if (saturation != -1.0)
        m_dblSat = saturation;
    m_colorNew = HLSToRGB(m_dblHue, m_dblLum, m_dblSat);
    if (bInvalidate && GetSafeHwnd() != nullptr) {
        Invalidate();
        UpdateWindow();
    }
}

void CColorPickerCtrl::GetHLS(double* hue, double* luminance, double* saturation) const
{
    if (hue != nullptr)
        *hue = m_dblHue;
    if (luminance != nullptr)
        *luminance = m_dblLum;
    if (saturation != nullptr)
        *saturation = m_dblSat;
}

void CColorPickerCtrl::SetLuminanceBarWidth(int w)
{
    CRect rect;
    if (GetSafeHwnd() != nullptr) {
        GetClientRect(rect);
        w = std::min(w, rect.Width() * 3 / 4);
    }
    m_nLumBarWidth = std::max(0, w);
    if (GetSafeHwnd() != nullptr)
        Invalidate();
}

COLORREF CColorPickerCtrl::DrawColorOf(COLORREF color) const
{
    if (WTKGetGlobalData().nBitsPerPixel == kPaletteBits && m_pPalette != nullptr &&
        m_pPalette->GetSafeHandle() != nullptr)
        return PALETTEINDEX(m_pPalette->GetNearestPaletteIndex(color));
    return color;
}

// ---- Cells ----

void CColorPickerCtrl::AddCell(COLORREF color, int x, int y, int nWidth)
{
    CColorHexagon cell(color, x, y, nWidth);
    cell.m_DrawColor = DrawColorOf(color);
    m_arCells.push_back(cell);
}

void CColorPickerCtrl::BuildCells()
{
    m_arCells.clear();
    if (GetSafeHwnd() == nullptr)
        return;
    CRect rectClient;
    GetClientRect(rectClient);
    if (m_COLORTYPE == HEX)
        BuildHoneycomb(rectClient);
    else if (m_COLORTYPE == HEX_GREYSCALE)
        BuildGreyRow(rectClient);
}

void CColorPickerCtrl::BuildHoneycomb(const CRect& rectClient)
{
    CRect rect = rectClient;
    if (rect.Width() > rect.Height())
        rect.DeflateRect((rect.Width() - rect.Height()) / 2, 0);
    else
        rect.DeflateRect(0, (rect.Height() - rect.Width()) / 2);
    const int w = rect.Height() / kHoneycombDivisor + 1;
    const int xCenter = rect.CenterPoint().x;
    const int yCenter = rect.CenterPoint().y;

    const int nWhite = SnapColorComponent(255, 0);
    AddCell(RGB(nWhite, nWhite, nWhite), xCenter, yCenter, w);
    for (int r = 1; r <= kRingCount; r++) {
        const double dLightness = static_cast<double>(kRingCount + 1 - r) / (kRingCount + 1) + kRingLightnessBase;
        int x = xCenter + r * w;
        int y = yCenter;
        for (const auto& step : kRingSteps) {
            for (int i = 0; i < r; i++) {
                const double dHue = GetAngleFromPoint(x - xCenter, y - yCenter);
                const COLORREF c = HLSToRGBDegrees(dHue, dLightness, 1.0);
                AddCell(RGB(SnapColorComponent(GetRValue(c), kHexColorTolerance),
                            SnapColorComponent(GetGValue(c), kHexColorTolerance),
                            SnapColorComponent(GetBValue(c), kHexColorTolerance)),
                        x, y, w);
                x += static_cast<int>(w * step[0]);
                y += static_cast<int>(w * step[1]);
            }
        }
    }
}

void CColorPickerCtrl::BuildGreyRow(const CRect& rectClient)
{
    int w = std::min(rectClient.Height() / 2 - 2, rectClient.Width() / kGreyRowDivisor);
    if (w % 2 == 0)
        w--;
    if (w < 1)
        return;
    const int d = static_cast<int>(w * CColorHexagon::kHalfExtentFactor) / 2;
    const int dy = (w / 2 + d) / 2;  // half the distance between the upper and lower positions
    // White (double), the greys half a cell apart, black (double).
    const int nTotal = 2 * w + w / 2 + kGreyCount * (w / 2) + 2 * w;
    const int xLeft = rectClient.left + (rectClient.Width() - nTotal) / 2;
    const int yCenter = rectClient.CenterPoint().y;

    const int nWhite = SnapColorComponent(255, kGreyTolerance);
    AddCell(RGB(nWhite, nWhite, nWhite), xLeft + w, yCenter, 2 * w);
    int x = xLeft + 2 * w + w / 2;
    for (int i = 0; i < kGreyCount; i++) {
        const int g = SnapColorComponent(kGreyFirst - i * kGreyStep, kGreyTolerance);
        AddCell(RGB(g, g, g), x, yCenter + (i % 2 == 0 ? -dy : dy), w);
        x += w / 2;
    }
    const int nBlack = SnapColorComponent(0, kGreyTolerance);
    AddCell(RGB(nBlack, nBlack, nBlack), x + w, yCenter, 2 * w);
}

// ---- Geometry of the marks ----

CRect CColorPickerCtrl::LuminanceRect() const
{
    CRect rect;
    GetClientRect(rect);
    rect.DeflateRect(0, kLuminanceInset);
    return rect;
}

double CColorPickerCtrl::LuminanceAt(int y) const
{
    const CRect rect = LuminanceRect();
    if (rect.Height() <= 0)
        return 0.0;
    y = std::max<int>(rect.top, std::min<int>(y, rect.bottom));
    return static_cast<double>(rect.bottom - y) / rect.Height();
}

CPoint CColorPickerCtrl::MarkerPoint() const
{
    CRect rect;
    GetClientRect(rect);
    if (m_COLORTYPE == LUMINANCE) {
        const CRect rectBar = LuminanceRect();
        return CPoint(m_nLumBarWidth + rectBar.left + kPointerGap,
                      rectBar.top + static_cast<int>(rectBar.Height() * (1.0 - m_dblLum)));
    }
    return CPoint(static_cast<int>(rect.Width() * m_dblHue), static_cast<int>((1.0 - m_dblSat) * rect.Height()));
}

CRect CColorPickerCtrl::MarkRect() const
{
    const CPoint pt = MarkerPoint();
    const int nHalf = m_COLORTYPE == LUMINANCE ? kPointerHalf : kMarkerHalf;
    CRect rect(pt.x - nHalf, pt.y - nHalf, pt.x + nHalf + 1, pt.y + nHalf + 1);
    rect.InflateRect(1, 1);
    return rect;
}

// ---- Drawing ----

void CColorPickerCtrl::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    const CRect rect(lpDIS->rcItem);
    if (pDC == nullptr || rect.IsRectEmpty())
        return;
    CDC dcMem;
    if (!dcMem.CreateCompatibleDC(pDC))
        return;
    CBitmap bmp;
    if (!bmp.CreateCompatibleBitmap(pDC, rect.Width(), rect.Height()))
        return;
    CBitmap* pOldBmp = dcMem.SelectObject(&bmp);
    CPalette* pOldPalette = nullptr;
    if (m_pPalette != nullptr && m_pPalette->GetSafeHandle() != nullptr) {
        pOldPalette = dcMem.SelectPalette(m_pPalette, FALSE);
        dcMem.RealizePalette();
    }
    Draw(&dcMem, CRect(0, 0, rect.Width(), rect.Height()));
    pDC->BitBlt(rect.left, rect.top, rect.Width(), rect.Height(), &dcMem, 0, 0, SRCCOPY);
    if (pOldPalette != nullptr)
        dcMem.SelectPalette(pOldPalette, FALSE);
    dcMem.SelectObject(pOldBmp);
}

void CColorPickerCtrl::Draw(CDC* pDC, const CRect& rect)
{
    WTKGetGlobalData().DrawParentBackground(this, pDC);
    switch (m_COLORTYPE) {
    case CURRENT:
        DrawPreview(pDC, rect);
        break;
    case LUMINANCE:
        DrawLuminanceBar(pDC, rect);
        DrawCursor(pDC, rect);
        break;
    case PICKER:
        DrawPicker(pDC, rect);
        DrawCursor(pDC, rect);
        pDC->Draw3dRect(rect, WTKGetGlobalData().clrBtnDkShadow, WTKGetGlobalData().clrBtnHilite);
        break;
    case HEX:
    case HEX_GREYSCALE:
        if (m_arCells.empty())
            BuildCells();
        DrawCells(pDC);
        break;
    }
}

void CColorPickerCtrl::DrawPreview(CDC* pDC, const CRect& rect)
{
    CRect rectNew = rect;
    rectNew.bottom = rect.top + rect.Height() / 2;
    CRect rectCurrent = rect;
    rectCurrent.top = rectNew.bottom;
    pDC->FillSolidRect(rectNew, DrawColorOf(m_colorNew));
    pDC->FillSolidRect(rectCurrent, DrawColorOf(m_colorOriginal));
    const COLORREF clrFrame = WTKGetGlobalData().clrBtnDkShadow;
    pDC->Draw3dRect(rect, clrFrame, clrFrame);
}

void CColorPickerCtrl::DrawLuminanceBar(CDC* pDC, const CRect& rect)
{
    const CRect rectBar = LuminanceRect();
    const int nRight = std::min<int>(rect.right, rect.left + m_nLumBarWidth);
    for (int y = rectBar.top; y < rectBar.bottom; y++) {
        const COLORREF c = HLSToRGB(m_dblHue, LuminanceAt(y), m_dblSat);
        pDC->FillSolidRect(rect.left, y, nRight - rect.left, 1, DrawColorOf(c));
    }
}

void CColorPickerCtrl::DrawPicker(CDC* pDC, const CRect& rect)
{
    const int cx = rect.Width();
    const int cy = rect.Height();
    CDC dcField;
    if (!dcField.CreateCompatibleDC(pDC))
        return;
    // The field is drawn into its cached bitmap on first need only.
    const BOOL bFill = m_bmpPicker.GetSafeHandle() == nullptr;
    if (bFill && !m_bmpPicker.CreateCompatibleBitmap(pDC, cx, cy))
        return;
    CBitmap* pOld = dcField.SelectObject(&m_bmpPicker);
    if (bFill)
        FillPickerField(&dcField, cx, cy);
    pDC->BitBlt(rect.left, rect.top, cx, cy, &dcField, 0, 0, SRCCOPY);
    dcField.SelectObject(pOld);
}

void CColorPickerCtrl::FillPickerField(CDC* pDC, int cx, int cy) const
{
    const BOOL bBlocks = WTKGetGlobalData().nBitsPerPixel <= kBlockFillBits;
    const int nStep = bBlocks ? kFieldBlock : 1;
    for (int x = 0; x < cx; x += nStep) {
        for (int y = 0; y < cy; y += nStep) {
            const double dSat = static_cast<double>(cy - 1 - y) / cy;
            const COLORREF c = HLSToRGB(static_cast<double>(x) / cx, 0.5, dSat);
            if (bBlocks)
                pDC->FillSolidRect(x, y, kFieldBlock, kFieldBlock, DrawColorOf(c));
            else
                pDC->SetPixelV(x, y, c);
        }
    }
}

void CColorPickerCtrl::DrawCells(CDC* pDC)
{
    const CColorHexagon* pSelected = nullptr;
    for (const CColorHexagon& cell : m_arCells) {
        cell.Draw(pDC);
        if (cell.m_Color == m_colorNew)
            pSelected = &cell;
    }
    if (pSelected != nullptr)
        pSelected->DrawSelected(pDC);
}

void CColorPickerCtrl::DrawCursor(CDC* pDC, const CRect& /*rect*/)
{
    const CPoint pt = MarkerPoint();
    const BOOL bFocus = GetFocus() == this;
    WTKGlobalData& g = WTKGetGlobalData();
    if (m_COLORTYPE == PICKER) {
        const COLORREF clr = bFocus ? RGB(0, 0, 0) : RGB(255, 255, 255);
        pDC->FillSolidRect(pt.x - 1, pt.y - kMarkerHalf, 3, 5, clr);
        pDC->FillSolidRect(pt.x - 1, pt.y + kMarkerHalf - 4, 3, 5, clr);
        pDC->FillSolidRect(pt.x - kMarkerHalf, pt.y - 1, 5, 3, clr);
        pDC->FillSolidRect(pt.x + kMarkerHalf - 4, pt.y - 1, 5, 3, clr);
        return;
    }
    const POINT pts[3] = {{pt.x - kPointerHalf, pt.y},
                          {pt.x + kPointerHalf, pt.y - kPointerHalf},
                          {pt.x + kPointerHalf, pt.y + kPointerHalf}};
    CPen pen(PS_SOLID, 1, g.clrBtnText);
    CBrush brush(bFocus ? ::GetSysColor(COLOR_BTNTEXT) : ::GetSysColor(COLOR_BTNSHADOW));
    CPen* pOldPen = pDC->SelectObject(&pen);
    CBrush* pOldBrush = pDC->SelectObject(&brush);
    pDC->Polygon(pts, 3);
    pDC->SelectObject(pOldBrush);
    pDC->SelectObject(pOldPen);
}

BOOL CColorPickerCtrl::OnEraseBkgnd(CDC* /*pDC*/)
{
    return TRUE;  // the off-screen paint covers everything
}

void CColorPickerCtrl::OnSize(UINT nType, int cx, int cy)
{
    CButton::OnSize(nType, cx, cy);
    m_bmpPicker.DeleteObject();
    if (!m_arCells.empty())
        BuildCells();
}

// ---- Mouse and keys ----

void CColorPickerCtrl::NotifyParent(UINT nCode)
{
    CWnd* pParent = GetParent();
    if (pParent == nullptr)
        return;
    pParent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), nCode), reinterpret_cast<LPARAM>(m_hWnd));
}

void CColorPickerCtrl::HandleMouse(CPoint point, UINT nFlags)
{
    CRect rect;
    GetClientRect(rect);
    point.x = std::max<int>(rect.left, std::min<int>(point.x, rect.right));
    point.y = std::max<int>(rect.top, std::min<int>(point.y, rect.bottom));
    const CWndLifeGuard self(this);
    CRect rectOld = MarkRect();
    switch (m_COLORTYPE) {
    case LUMINANCE:
        m_dblLum = LuminanceAt(point.y);
        m_colorNew = HLSToRGB(m_dblHue, m_dblLum, m_dblSat);
        break;
    case PICKER: {
        const CPoint ptOld = MarkerPoint();
        if (nFlags & MK_CONTROL)
            point.x = ptOld.x;  // the hue stays
        if (nFlags & MK_SHIFT)
            point.y = ptOld.y;  // the saturation stays
        if (rect.Width() > 0 && !(nFlags & MK_CONTROL))
            m_dblHue = Clamp01(static_cast<double>(point.x) / rect.Width());
        if (rect.Height() > 0 && !(nFlags & MK_SHIFT))
            m_dblSat = Clamp01(1.0 - static_cast<double>(point.y) / rect.Height());
        m_colorNew = HLSToRGB(m_dblHue, m_dblLum, m_dblSat);
        break;
    }
    case HEX:
    case HEX_GREYSCALE: {
        if (m_arCells.empty())
            BuildCells();
        const auto it = std::find_if(m_arCells.begin(), m_arCells.end(),
                                     [&](const CColorHexagon& cell) { return cell.HitTest(point); });
        if (it == m_arCells.end())
            return;
        m_colorNew = it->m_Color;
        RecomputeHLS();
        rectOld = rect;  // the old selection may be anywhere
        break;
    }
    default:
        return;
    }
    InvalidateRect(rectOld);
    InvalidateRect(MarkRect());
    NotifyParent(BN_CLICKED);
    if (self.IsAlive())
        UpdateWindow();
}

void CColorPickerCtrl::OnLButtonDown(UINT nFlags, CPoint point)
{
    SetCapture();
    SetFocus();
    HandleMouse(point, nFlags);
}

void CColorPickerCtrl::OnMouseMove(UINT nFlags, CPoint point)
{
    if (GetCapture() == this)
        HandleMouse(point, nFlags);
}

void CColorPickerCtrl::OnLButtonUp(UINT /*nFlags*/, CPoint /*point*/)
{
    if (GetCapture() == this)
        ::ReleaseCapture();
}

void CColorPickerCtrl::OnLButtonDblClk(UINT /*nFlags*/, CPoint /*point*/)
{
    if (m_COLORTYPE == PICKER || m_COLORTYPE == HEX || m_COLORTYPE == HEX_GREYSCALE)
        NotifyParent(kDoubleClickCode);
}

void CColorPickerCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    double dHue = m_dblHue;
    double dSat = m_dblSat;
    double dLum = m_dblLum;
    if (m_COLORTYPE == LUMINANCE) {
        if (nChar == VK_UP)
            dLum = Clamp01(dLum + kKeyStep);
        else if (nChar == VK_DOWN)
            dLum = Clamp01(dLum - kKeyStep);
    } else if (m_COLORTYPE == PICKER) {
        if (nChar == VK_LEFT)
            dHue = Clamp01(dHue - kKeyStep);
        else if (nChar == VK_RIGHT)
            dHue = Clamp01(dHue + kKeyStep);
        else if (nChar == VK_UP)
            dSat = Clamp01(dSat + kKeyStep);
        else if (nChar == VK_DOWN)
            dSat = Clamp01(dSat - kKeyStep);
    }
    if (dHue != m_dblHue || dSat != m_dblSat || dLum != m_dblLum) {
        const CWndLifeGuard self(this);
        InvalidateRect(MarkRect());
        m_dblHue = dHue;
        m_dblSat = dSat;
        m_dblLum = dLum;
        m_colorNew = HLSToRGB(m_dblHue, m_dblLum, m_dblSat);
        InvalidateRect(MarkRect());
        if (m_COLORTYPE == LUMINANCE)
            Invalidate();  // the bar's rows do not change, the pointer does
        NotifyParent(BN_CLICKED);
        if (!self.IsAlive())
            return;
    }
    CButton::OnKeyDown(nChar, nRepCnt, nFlags);
}

UINT CColorPickerCtrl::OnGetDlgCode()
{
    if (m_COLORTYPE == LUMINANCE || m_COLORTYPE == PICKER)
        return DLGC_WANTARROWS;
    return static_cast<UINT>(Default());
}

void CColorPickerCtrl::OnSetFocus(CWnd* pOldWnd)
{
    CButton::OnSetFocus(pOldWnd);
    Invalidate();
}

void CColorPickerCtrl::OnKillFocus(CWnd* pNewWnd)
{
    CButton::OnKillFocus(pNewWnd);
    Invalidate();
}

LRESULT CColorPickerCtrl::OnQueryNewPalette(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    Invalidate();
    return TRUE;
}

LRESULT CColorPickerCtrl::OnPaletteChanged(WPARAM wParam, LPARAM /*lParam*/)
{
    if (reinterpret_cast<HWND>(wParam) != m_hWnd)
        Invalidate();
    return 0;
}
