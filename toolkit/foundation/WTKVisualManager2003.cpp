// The Office 2003 look: reading the theme's scheme and computing its colours.
#include "foundation/WTKVisualManager2003.h"

#include "foundation/WTKGlobalData.h"
#include "foundation/WTKThemeSource.h"

IMPLEMENT_DYNCREATE(CWTKVisualManager2003, CWTKVisualManagerXP)

namespace {

// The theme whose colour schemes the look knows, and two of its schemes.
constexpr char kLunaTheme[] = "Luna";
constexpr char kHomesteadScheme[] = "homestead";
constexpr char kMetallicScheme[] = "metallic";

constexpr char kWindowClass[] = "WINDOW";
constexpr char kButtonClass[] = "BUTTON";
constexpr char kExplorerBarClass[] = "EXPLORERBAR";

// Theme system colour of the menu highlight (not in every header).
constexpr int kColorMenuHilight = 29;

// Theme parts, states and colour properties read.
constexpr int kPartPushButton = 1;
constexpr int kPartRadioButton = 2;
constexpr int kPartCloseButton = 18;
constexpr int kStateNormal = 0;
constexpr int kStateDefaulted = 5;
constexpr int kPartExplorerBar = 0;
constexpr int kPartNormalGroupBackground = 5;
constexpr int kPartSpecialGroupHead = 12;
constexpr int kPropBorderColor = 3801;
constexpr int kPropFillColor = 3802;
constexpr int kPropGradientColor1 = 3810;
constexpr int kPropGradientColor2 = 3811;
constexpr int kPropFillColorHint = 3821;
constexpr int kPropBorderColorHint = 3822;
constexpr int kPropAccentColorHint = 3823;

// The file's title: the name without its folder and extension.
CString FileTitle(const CString& strPath)
{
    const int nSlash = std::max(strPath.ReverseFind('\\'), strPath.ReverseFind('/'));
    CString strTitle = strPath.Mid(nSlash + 1);
    const int nDot = strTitle.ReverseFind('.');
    if (nDot >= 0)
        strTitle = strTitle.Left(nDot);
    return strTitle;
}

COLORREF B(COLORREF c1, COLORREF c2, double f, int w1, int w2)
{
    return BlendColorsHSV(c1, c2, f, w1, w2);
}

COLORREF P(COLORREF c, int n)
{
    return ScaleColorPercent(c, n);
}

}  // namespace

CWTKVisualManager2003::CWTKVisualManager2003() : CWTKVisualManagerXP(FALSE), CWTKUxThemeHelper()
{
    m_nMenuShadowDepth = 3;
    m_nVertMargin = 8;
    m_nHorzMargin = 8;
    m_nGroupVertOffset = 8;
    m_nGroupCaptionHeight = 18;
    m_nGroupCaptionHorzOffset = 3;
    m_nGroupCaptionVertOffset = 3;
    m_nTasksHorzOffset = 8;
    m_nTasksIconHorzOffset = 5;
    m_nTasksVertSpacing = 4;
    m_nTasksPaneReserved = 1;
    m_bShadowHighlightedImage = FALSE;
    m_bFadeInactiveImage = FALSE;
    CWTKVisualManager2003::OnUpdateSystemColors();
}

CWTKVisualManager2003::~CWTKVisualManager2003() = default;

void CWTKVisualManager2003::OnUpdateSystemColors()
{
    // One pass in dependency order: the scheme's gradients (from the theme alone), the shared
    // bar colours (from the gradients), the Office XP colours (from the bar colours), then the
    // rest of the scheme (from both).
    DeleteColorObjects();
    DetectTheme();
    if (m_bIsLuna && IsHighColor())
        ComputeGradientColors();
    UpdateBarColors();
    ComputeXPColors();
    ComputeSchemeColors();
    CreateColorObjects();
    CreateSchemeObjects();
}

HTHEME CWTKVisualManager2003::ThemeOfClass(LPCSTR pszClass) const
{
    if (lstrcmpiA(pszClass, kWindowClass) == 0)
        return m_hThemeWindow;
    if (lstrcmpiA(pszClass, kButtonClass) == 0)
        return m_hThemeButton;
    if (lstrcmpiA(pszClass, kExplorerBarClass) == 0)
        return m_hThemeExplorerBar;
    return nullptr;
}

BOOL CWTKVisualManager2003::ReadThemeName(CString& strFile, CString& strColor) const
{
    const WTKThemeSource& source = WTKGetThemeSource();
    if (source.currentThemeName != nullptr)
        return source.currentThemeName(strFile, strColor);
    return GetCurrentThemeName(strFile, strColor);
}

COLORREF CWTKVisualManager2003::ThemeSys(int nIndex) const
{
    const WTKThemeSource& source = WTKGetThemeSource();
    if (source.themeSysColor != nullptr)
        return source.themeSysColor(kWindowClass, nIndex);
    return GetThemeSysColor(m_hThemeWindow, nIndex);
}

BOOL CWTKVisualManager2003::ReadThemeColor(LPCSTR pszClass, int nPart, int nState, int nProp, COLORREF& clr) const
{
    const WTKThemeSource& source = WTKGetThemeSource();
    if (source.themeColor != nullptr)
        return source.themeColor(pszClass, nPart, nState, nProp, &clr);
    return GetThemeColor(ThemeOfClass(pszClass), nPart, nState, nProp, clr);
}

COLORREF CWTKVisualManager2003::ThemeColor(LPCSTR pszClass, int nPart, int nState, int nProp,
                                           COLORREF clrFallback) const
{
    COLORREF clr = clrFallback;
    return ReadThemeColor(pszClass, nPart, nState, nProp, clr) ? clr : clrFallback;
}

void CWTKVisualManager2003::DetectTheme()
{
    m_bIsLuna = FALSE;
    m_bIsHomestead = FALSE;
    m_bIsMetallic = FALSE;
    m_strThemeColorName.Empty();
    OpenThemes();
    CString strFile;
    CString strColor;
    if (!ReadThemeName(strFile, strColor))
        return;
    m_strThemeColorName = strColor;
    m_bIsLuna = FileTitle(strFile).CompareNoCase(kLunaTheme) == 0;
    m_bIsHomestead = m_bIsLuna && strColor.CompareNoCase(kHomesteadScheme) == 0;
    m_bIsMetallic = m_bIsLuna && strColor.CompareNoCase(kMetallicScheme) == 0;
}

COLORREF CWTKVisualManager2003::AccentColor() const
{
    return m_bIsLuna ? ThemeSys(COLOR_HIGHLIGHT) : WTKGetGlobalData().clrBarFace;
}

void CWTKVisualManager2003::ComputeGradientColors()
{
    const COLORREF a = AccentColor();
    const COLORREF clrWindow = ThemeSys(COLOR_WINDOW);
    if (m_bIsHomestead) {
        m_clrToolBarGradientDark = P(a, 120);
        m_clrBarGradientDark = B(a, ThemeSys(COLOR_BTNFACE), 0.87, 1, 3);
        m_clrToolBarGradientLight = B(a, clrWindow, 1.0, 2, 1);
    } else if (m_bIsMetallic) {
        m_clrToolBarGradientDark = B(a, ThemeSys(COLOR_BTNFACE), 0.75, 2, 1);
        m_clrBarGradientDark = P(a, 120);
        m_clrToolBarGradientLight = B(a, clrWindow, 1.03, 1, 1);
    } else {
        m_clrToolBarGradientDark = B(a, ThemeSys(COLOR_BTNFACE), 0.93, 2, 1);
        m_clrBarGradientDark = B(a, ThemeSys(COLOR_3DLIGHT), 0.99, 2, 1);
        m_clrToolBarGradientLight = B(a, clrWindow, 1.03, 1, 1);
    }
    m_clrBarGradientLight = B(a, clrWindow, 1.03, 1, 1);
}

void CWTKVisualManager2003::UpdateBarColors()
{
    WTKGlobalData& g = WTKGetGlobalData();
    if (IsHighColor() && m_bIsLuna) {
        if (m_bIsHomestead)
            g.clrBarFace = B(m_clrToolBarGradientDark, m_clrToolBarGradientLight, 1.0, 2, 1);
        else if (m_bIsMetallic)
            g.clrBarFace = P(B(m_clrToolBarGradientDark, m_clrToolBarGradientLight, 1.0, 1, 1), 95);
        else
            g.clrBarFace = B(ThemeSys(kColorMenuHilight), ThemeSys(COLOR_WINDOW), 1.0, 1, 1);
        g.clrBarShadow = P(g.clrBarFace, 70);
        g.clrBarHilite = P(g.clrBarFace, 130);
        g.clrBarDkShadow = P(g.clrBarFace, 50);
        g.clrBarLight = P(g.clrBarFace, 110);
    } else {
        g.clrBarFace = ThemeSys(COLOR_BTNFACE);
        g.clrBarShadow = ThemeSys(COLOR_BTNSHADOW);
        g.clrBarHilite = ThemeSys(COLOR_BTNHIGHLIGHT);
        g.clrBarDkShadow = ThemeSys(COLOR_3DDKSHADOW);
        g.clrBarLight = ThemeSys(COLOR_3DLIGHT);
    }
    g.brBarFace.DeleteObject();
    g.brBarFace.CreateSolidBrush(g.clrBarFace);
}

void CWTKVisualManager2003::ComputeSchemeColors()
{
    const WTKGlobalData& g = WTKGetGlobalData();
    if (!IsHighColor()) {
        // Only the tasks pane keeps colours of its own; everything else draws the Office XP way.
        m_clrTaskPaneGradientDark = m_clrTaskPaneGradientLight = g.clrBarWindow;
        m_clrTaskPaneGroupAreaLight = m_clrTaskPaneGroupAreaDark = g.clrBarWindow;
        m_clrTaskPaneGroupCaptionDark = m_clrTaskPaneGroupCaptionLight = g.clrBarFace;
        m_clrTaskPaneGroupCaptionSpecDark = m_clrTaskPaneGroupCaptionSpecLight = g.clrBarFace;
        m_clrTaskPaneGroupBorder = g.clrBtnShadow;
        return;
    }
    if (!m_bIsLuna)
        ComputeGradientColors();
    m_clrToolBarGradientVertLight = m_clrToolBarGradientLight;
    m_clrToolBarGradientVertDark = P(m_clrToolBarGradientDark, 98);

    if (m_bIsLuna)
        ComputeLunaColors(AccentColor());
    else
        ComputePlainColors();

    m_clrHighlightDnGradientStart = m_clrHighlightGradientStart;
    m_clrHighlightCheckedGradientEnd = m_clrHighlightGradientStart;
    m_clrHighlightCheckedGradientStart = P(m_clrHighlightDnGradientEnd, 120);
    m_clrCaptionBarGradientLight = g.clrBarShadow;
    m_clrCaptionBarGradientDark = g.clrBarDkShadow;
    m_clrTabBack = m_clrToolBarGradientLight;
    ComputeTasksPaneColors();
}

void CWTKVisualManager2003::ComputeLunaColors(COLORREF a)
{
    WTKGlobalData& g = WTKGetGlobalData();
    const COLORREF a1 = ThemeColor(kButtonClass, kPartPushButton, kStateNormal, kPropAccentColorHint, a);
    const COLORREF a2 = ThemeColor(kButtonClass, kPartRadioButton, kStateNormal, kPropAccentColorHint, a);
    const COLORREF f = ThemeColor(kWindowClass, kPartCloseButton, kStateNormal, kPropFillColorHint, a);
    const COLORREF b = ThemeColor(kButtonClass, kPartRadioButton, kStateNormal, kPropBorderColorHint, a);
    const COLORREF c = ThemeColor(kButtonClass, kPartPushButton, kStateDefaulted, kPropAccentColorHint, a);

    m_clrHighlightMenuItem = B(a1, a2, 1.3, 1, 1);
    m_clrHighlightGradientEnd = B(a1, f, 1.55, 2, 1);
    m_clrHighlightGradientStart = B(a1, a2, 1.03, 2, 1);
    m_clrHighlightDnGradientEnd = B(a1, f, 1.03, 1, 2);
    m_clrToolBarDark = B(b, a, 0.63, 1, 3);
    g.clrBarDkShadow = m_clrToolBarDark;
    m_clrToolBarLight = B(c, a, 1.2, 1, 3);
    g.clrBarShadow = B(c, a, 1.4, 1, 3);
    m_clrToolBarBottomLine = P(m_clrToolBarGradientDark, 50);
    m_clrToolBarCornerDark = P(m_clrToolBarGradientLight, 92);
    m_clrToolBarCornerLight = P(m_clrToolBarGradientDark, 97);
    m_clrGripperDots = P(m_clrToolBarGradientVertDark, 40);
    m_clrMenuItemBorder = m_clrGripperDots;
    m_clrSeparator = P(m_clrToolBarGradientVertDark, 81);
}

void CWTKVisualManager2003::ComputePlainColors()
{
    const WTKGlobalData& g = WTKGetGlobalData();
    m_clrHighlightMenuItem = kWTKNoColor;
    m_clrHighlightGradientEnd = m_clrHighlight;
    m_clrHighlightGradientStart = m_clrHighlightDn;
    m_clrHighlightDnGradientEnd = P(m_clrHighlight, 120);
    m_clrToolBarDark = g.clrBarShadow;
    m_clrToolBarLight = P(g.clrBarShadow, 125);
    m_clrToolBarBottomLine = m_clrToolBarGradientDark;
    m_clrToolBarCornerDark = g.clrBarLight;
    m_clrToolBarCornerLight = m_clrToolBarGradientDark;
    m_clrGripperDots = g.clrBarShadow;
    m_clrSeparator = g.clrBarShadow;
}

void CWTKVisualManager2003::ComputeTasksPaneColors()
{
    COLORREF clr = 0;
    if (m_bIsLuna && ReadThemeColor(kExplorerBarClass, kPartExplorerBar, kStateNormal, kPropGradientColor2, clr)) {
        auto explorer = [this](int nPart, int nProp, COLORREF clrFallback) {
            return ThemeColor(kExplorerBarClass, nPart, kStateNormal, nProp, clrFallback);
        };
        m_clrTaskPaneGradientDark = clr;
        m_clrTaskPaneGradientLight = explorer(kPartExplorerBar, kPropGradientColor1, clr);
        m_clrTaskPaneGroupCaptionDark = explorer(kPartNormalGroupBackground, kPropFillColor, clr);
        m_clrTaskPaneGroupCaptionSpecDark = explorer(kPartSpecialGroupHead, kPropFillColor, clr);
        m_clrTaskPaneGroupCaptionSpecLight = m_clrTaskPaneGroupCaptionDark;
        m_clrTaskPaneGroupAreaLight = m_clrTaskPaneGroupAreaDark = m_clrTaskPaneGroupCaptionDark;
        m_clrTaskPaneGroupBorder = explorer(kPartNormalGroupBackground, kPropBorderColor, clr);
        m_clrTaskPaneGroupCaptionLight = m_clrTaskPaneGroupBorder;
        return;
    }
    m_clrTaskPaneGradientDark = m_clrTaskPaneGroupCaptionDark = m_clrBarGradientDark;
    m_clrTaskPaneGradientLight = m_clrTaskPaneGroupCaptionLight = m_clrToolBarGradientLight;
    m_clrTaskPaneGroupCaptionSpecDark = B(m_clrToolBarDark, m_clrToolBarLight, 1.0, 1, 1);
    m_clrTaskPaneGroupCaptionSpecLight = m_clrToolBarLight;
    m_clrTaskPaneGroupAreaLight = m_clrTaskPaneGroupAreaDark = m_clrToolBarGradientLight;
    m_clrTaskPaneGroupBorder = m_clrToolBarGradientLight;
}

void CWTKVisualManager2003::CreateSchemeObjects()
{
    const WTKGlobalData& g = WTKGetGlobalData();
    m_penSeparatorLight.DeleteObject();
    m_penSeparatorLight.CreatePen(PS_SOLID, 1, g.clrBarHilite);
    m_brFace.DeleteObject();
    m_brFace.CreateSolidBrush(g.clrBarFace);
    m_brToolBarLight.DeleteObject();
    m_brToolBarLight.CreateSolidBrush(m_clrToolBarGradientLight);
}
