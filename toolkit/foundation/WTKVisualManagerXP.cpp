#include "foundation/WTKVisualManagerXP.h"

#include "foundation/WTKGlobalData.h"

IMPLEMENT_DYNCREATE(CWTKVisualManagerXP, CWTKVisualManager)

namespace {

// Rows alternately all set and all clear: the gripper of horizontal bars.
constexpr WORD kGripperHorzBits[8] = {0x00FF, 0x0000, 0x00FF, 0x0000, 0x00FF, 0x0000, 0x00FF, 0x0000};
// Alternate columns: the gripper of vertical bars.
constexpr WORD kGripperVertBits[8] = {0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA};

// Per-channel (a + n x b) / (n + 1), truncated.
COLORREF Mix(COLORREF a, COLORREF b, int n)
{
    auto channel = [n](int ca, int cb) {
        return (ca + n * cb) / (n + 1);
    };
    return RGB(channel(GetRValue(a), GetRValue(b)), channel(GetGValue(a), GetGValue(b)),
               channel(GetBValue(a), GetBValue(b)));
}

// The tab area: lighter than the face, its saturation raised so a grey face stays grey.
COLORREF TabBackColor(double h, double l, double s)
{
    double sat = 0.0;
    if (s >= 0.1)
        sat = std::min(2.0 * s, 1.0);
    else if (s != 0.0)
        sat = std::min(s + 0.1, 1.0);
    return HLSToRGB(h, std::min((1.0 + l) / 2.0, 1.0), sat);
}

}  // namespace

CWTKVisualManagerXP::CWTKVisualManagerXP(BOOL bTemporary) : CWTKVisualManager(bTemporary)
{
    m_bLook2000 = TRUE;
    m_nMenuShadowDepth = 4;
    m_bMenuFlatLook = TRUE;
    m_bShadowHighlightedImage = TRUE;
    m_bEmbossDisabledImage = FALSE;
    m_bFadeInactiveImage = TRUE;
    m_nVertMargin = 4;
    m_nHorzMargin = 4;
    m_nGroupVertOffset = 4;
    m_nGroupCaptionHeight = 0;
    m_nGroupCaptionHorzOffset = 0;
    m_nGroupCaptionVertOffset = 0;
    m_nTasksHorzOffset = 12;
    m_nTasksIconHorzOffset = 5;
    m_nTasksVertSpacing = 4;
    m_nTasksPaneReserved = 0;
    m_nMetricA = 1;
    m_nMetricB = 1;
    m_bConnectMenuToParent = TRUE;

    // A temporary look only answers questions: the shared colours belong to the current look.
    if (!m_bTemporary)
        WTKGetGlobalData().UpdateSysColors();
    // Deliberately this class's own version: a derived look under construction is not built
    // yet and computes its colours in its own constructor.
    CWTKVisualManagerXP::OnUpdateSystemColors();
}

CWTKVisualManagerXP::~CWTKVisualManagerXP() = default;

BOOL CWTKVisualManagerXP::IsHighColor()
{
    return WTKGetGlobalData().nBitsPerPixel > 8;
}

COLORREF CWTKVisualManagerXP::TextColorOn(COLORREF clr)
{
    const BOOL bLight = GetRValue(clr) > 128 && GetGValue(clr) > 128 && GetBValue(clr) > 128;
    return bLight ? RGB(0, 0, 0) : RGB(255, 255, 255);
}

BOOL CWTKVisualManagerXP::HasGripperBrushes() const
{
    return m_brGripperHorz.GetSafeHandle() != nullptr && m_brGripperVert.GetSafeHandle() != nullptr;
}

void CWTKVisualManagerXP::OnUpdateSystemColors()
{
    DeleteColorObjects();
    ComputeXPColors();
    CreateColorObjects();
}

void CWTKVisualManagerXP::ComputeXPColors()
{
    const WTKGlobalData& g = WTKGetGlobalData();
    if (!IsHighColor()) {
        m_clrMenuLight = g.clrBarWindow;
        m_clrTabBack = g.clrBtnFace;
        m_clrBarBkgnd = g.clrBtnFace;
        m_clrInactiveTabText = g.clrBtnDkShadow;
        m_clrHighlight = g.clrBtnFace;
        m_clrHighlightDn = g.clrBtnFace;
        m_clrHighlightChecked = g.clrBarWindow;
        m_clrSeparator = g.clrBtnShadow;
        m_clrPaneBorder = g.clrBtnShadow;
        m_clrMenuBorder = g.clrBtnDkShadow;
        m_clrGripper = g.clrBtnShadow;
        m_clrMenuItemBorder = g.clrHilite;
        return;
    }

    double h = 0.0;
    double l = 0.0;
    double s = 0.0;
    RGBToHLS(g.clrBarFace, &h, &s, &l);

    m_clrMenuLight = ScalePixelFactor(g.clrWindow, 0.976, 0.973, 0.969);
    m_clrTabBack = TabBackColor(h, l, s);
    // A face that is light already is used as it is.
    m_clrBarBkgnd = l > 0.9 ? g.clrBarFace : HLSToRGB(h, l * 1.03, s);
    m_clrInactiveTabText = HLSToRGB(h, l * 0.4, s);
    m_clrHighlight = ScaleColorPercent(Mix(g.clrHilite, m_clrMenuLight, 2), 105);
    m_clrHighlightDn = ScalePixelFactor(m_clrHighlight, 0.87, 0.87, 0.87);
    m_clrHighlightChecked = ScaleColorPercent(Mix(g.clrHilite, m_clrMenuLight, 5), 100);
    m_clrSeparator = ScalePixelFactor(g.clrBarFace, 0.86, 0.86, 0.86);
    m_clrPaneBorder = ScaleColorPercent(g.clrBarFace, 108);
    m_clrMenuBorder = ScaleColorPercent(g.clrBarFace, 55);
    m_clrGripper = ScaleColorPercent(g.clrBarShadow, 110);
    m_clrMenuItemBorder = g.clrHilite;
}

void CWTKVisualManagerXP::DeleteColorObjects()
{
    for (CGdiObject* pObject : {static_cast<CGdiObject*>(&m_brBarBkgnd), static_cast<CGdiObject*>(&m_brMenuLight),
                                static_cast<CGdiObject*>(&m_brHighlight), static_cast<CGdiObject*>(&m_brHighlightDn),
                                static_cast<CGdiObject*>(&m_brHighlightChecked), static_cast<CGdiObject*>(&m_brTabBack),
                                static_cast<CGdiObject*>(&m_penSeparator)})
        pObject->DeleteObject();
}

void CWTKVisualManagerXP::CreateColorObjects()
{
    m_brBarBkgnd.CreateSolidBrush(m_clrBarBkgnd);
    m_brMenuLight.CreateSolidBrush(m_clrMenuLight);
    m_brHighlight.CreateSolidBrush(m_clrHighlight);
    m_brHighlightDn.CreateSolidBrush(m_clrHighlightDn);
    m_brHighlightChecked.CreateSolidBrush(m_clrHighlightChecked);
    m_brTabBack.CreateSolidBrush(m_clrTabBack);
    m_penSeparator.CreatePen(PS_SOLID, 1, m_clrSeparator);
}

void CWTKVisualManagerXP::CreateGripperBrushes()
{
    m_brGripperHorz.DeleteObject();
    m_brGripperVert.DeleteObject();
    for (auto [pBrush, pBits] :
         {std::pair {&m_brGripperHorz, kGripperHorzBits}, std::pair {&m_brGripperVert, kGripperVertBits}}) {
        CBitmap bitmap;
        bitmap.CreateBitmap(8, 8, 1, 1, pBits);
        pBrush->CreatePatternBrush(&bitmap);
    }
}
