// The Office 2003 look: toolbars, the menu bar and the dock area painted with two-colour
// gradients taken from the running theme's colour scheme (blue, "homestead" or "metallic"),
// docked toolbars with rounded ends and a shadow line, gradient highlights, and the shared bar
// colours recoloured to match. Without that theme the colours come from the system colours; at
// 8 bits per pixel or fewer it draws the Office XP way.
#pragma once

#include "foundation/WTKUxThemeHelper.h"
#include "foundation/WTKVisualManagerXP.h"

#include "core/String.h"

class CWTKVisualManager2003 : public CWTKVisualManagerXP, public CWTKUxThemeHelper {
    DECLARE_DYNCREATE(CWTKVisualManager2003)

public:
    CWTKVisualManager2003();
    ~CWTKVisualManager2003() override;

    void OnUpdateSystemColors() override;
    void OnFillBarBackground(CDC* pDC, const CWTKBarInfo* pBar, CRect rectClient, CRect rectClip,
                             BOOL bNCArea = FALSE) override;
    void OnDrawBarBorder(CDC* pDC, const CWTKBarInfo* pBar, CRect& rect) override;
    void OnDrawMenuBorder(CDC* pDC, const CWTKPopupMenuInfo* pMenu, CRect rect) override;
    void OnDrawBarGripper(CDC* pDC, CRect rectGripper, BOOL bHorz, const CWTKBarInfo* pBar) override;
    void OnDrawSeparator(CDC* pDC, const CWTKBarInfo* pBar, CRect rect, BOOL bHorz) override;
    void OnDrawComboDropButton(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsDropped, BOOL bIsHighlighted,
                               const CWTKToolbarButtonInfo* pButton) override;
    void OnDrawComboBorder(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsDropped, BOOL bIsHighlighted,
                           const CWTKToolbarButtonInfo* pButton) override;
    void OnDrawTearOffCaption(CDC* pDC, CRect rect, BOOL bIsActive) override;
    void OnFillButtonInterior(CDC* pDC, const CWTKToolbarButtonInfo* pButton, CRect rect, int state) override;
    BOOL OnFillOutlookPageButton(const CWTKShortcutPageButtonInfo* pButton, CDC* pDC, const CRect& rect,
                                 COLORREF& clrText) override;
    BOOL OnDrawOutlookPageButtonBorder(const CWTKShortcutPageButtonInfo* pButton, CDC* pDC, CRect& rect,
                                       int state) override;
    void OnFillPushButtonBackground(CDC* pDC, const CRect& rectClient, CWTKPushButtonInfo* pButton) override;
    void OnEraseTabsArea(CDC* pDC, CRect rect, const CWTKTabWindowInfo* pTabWnd) override;
    COLORREF OnDrawTab(CDC* pDC, CRect rectTab, int iTab, BOOL bIsActive, const CWTKTabWindowInfo* pTabWnd) override;
    void OnFillTabButton(CDC* pDC, CRect rect, CWTKPushButtonInfo* pButton) override;
    void GetTabFrameColors(const CWTKTabWindowInfo* pTabWnd, COLORREF& clrDark, COLORREF& clrBlack,
                           COLORREF& clrHighlight, COLORREF& clrFace, COLORREF& clrDarkShadow, COLORREF& clrLight,
                           HBRUSH& hbrFace, HBRUSH& hbrBlack) override;
    BOOL OnEraseTabsFrame(CDC* pDC, CRect rect, const CWTKTabWindowInfo* pTabWnd) override;
    BOOL IsHighlightTabs() const override;
    COLORREF OnFillCheckedImageBackground(CDC* pDC, CRect rect, BOOL bHighlighted) override;
    void OnFillTasksPaneBackground(CDC* pDC, CRect rect) override;
    void OnDrawTasksGroupCaption(CDC* pDC, const CWTKTasksGroupInfo* pGroup, BOOL bIsHighlighted, BOOL bIsSelected,
                                 BOOL bCanCollapse) override;
    void OnDrawTasksGroupAreaBorder(CDC* pDC, CRect rect, BOOL bSpecial) override;
    void OnDrawTasksGroupFrame(CDC* pDC, CRect rect, BOOL bSpecial, BOOL bNoTitle) override;
    void OnDrawTask(CDC* pDC, const CWTKTaskInfo* pTask, HIMAGELIST hIcons, BOOL bIsHighlighted) override;
    void OnDrawScrollButton(CDC* pDC, CRect rect, int nExtraTop, int nGlyph, BOOL bHighlighted) override;
    int GetShowAllMenuItemsHeight(CDC* pDC, const CSize& sizeDefault) override;
    void OnDrawShowAllMenuItems(CDC* pDC, CRect rect, int state) override;
    int GetPushButtonMargin() const override;
    BOOL IsOffsetPressedButton() const override;
    void OnFillHighlightedArea(CDC* pDC, CRect rect, CBrush* pBrush, const CWTKToolbarButtonInfo* pButton) override;

    // The Office 2003 look's own operations.
    // The toolbar's end button: its body, the customise arrow with bHasMenu and the chevron
    // with bHasHiddenButtons.
    virtual void OnFillCustomizeButton(CDC* pDC, CRect rect, BOOL bIsHorz, int state, BOOL bHasHiddenButtons,
                                       BOOL bHasMenu);
    // Recolours the shared bar colours from the scheme.
    virtual void UpdateBarColors();

    BOOL IsLuna() const { return m_bIsLuna; }
    const CString& GetThemeColorName() const { return m_strThemeColorName; }
    // The gradients are drawn only with more than 256 colours; else the Office XP drawing.
    static BOOL IsGradientDepth() { return IsHighColor(); }

    // The scheme's colours, in the order they are declared.
    COLORREF m_clrBarGradientDark = 0;
    COLORREF m_clrBarGradientLight = 0;
    COLORREF m_clrToolBarGradientDark = 0;
    COLORREF m_clrToolBarGradientLight = 0;
    COLORREF m_clrToolBarGradientVertLight = 0;
    COLORREF m_clrToolBarGradientVertDark = 0;
    COLORREF m_clrToolBarDark = 0;
    COLORREF m_clrToolBarLight = 0;
    COLORREF m_clrToolBarBottomLine = 0;
    COLORREF m_clrToolBarCornerDark = 0;
    COLORREF m_clrToolBarCornerLight = 0;
    COLORREF m_clrHighlightMenuItem = kWTKNoColor;
    COLORREF m_clrHighlightGradientEnd = 0;
    COLORREF m_clrHighlightGradientStart = 0;
    COLORREF m_clrHighlightDnGradientEnd = 0;
    COLORREF m_clrHighlightDnGradientStart = 0;
    COLORREF m_clrHighlightCheckedGradientEnd = 0;
    COLORREF m_clrHighlightCheckedGradientStart = 0;
    COLORREF m_clrGripperDots = 0;
    COLORREF m_clrCaptionBarGradientLight = 0;
    COLORREF m_clrCaptionBarGradientDark = 0;
    COLORREF m_clrTaskPaneGradientDark = 0;
    COLORREF m_clrTaskPaneGradientLight = 0;
    COLORREF m_clrTaskPaneGroupCaptionDark = 0;
    COLORREF m_clrTaskPaneGroupCaptionLight = 0;
    COLORREF m_clrTaskPaneGroupCaptionSpecDark = 0;
    COLORREF m_clrTaskPaneGroupCaptionSpecLight = 0;
    COLORREF m_clrTaskPaneGroupAreaLight = 0;
    COLORREF m_clrTaskPaneGroupAreaDark = 0;
    COLORREF m_clrTaskPaneGroupBorder = 0;

protected:
    // The running theme, through the replaceable source or else the look's own theme access.
    BOOL ReadThemeName(CString& strFile, CString& strColor) const;
    COLORREF ThemeSys(int nIndex) const;
    // A part colour of the theme class, or clrFallback when the theme does not give it.
    BOOL ReadThemeColor(LPCSTR pszClass, int nPart, int nState, int nProp, COLORREF& clr) const;
    COLORREF ThemeColor(LPCSTR pszClass, int nPart, int nState, int nProp, COLORREF clrFallback) const;
    HTHEME ThemeOfClass(LPCSTR pszClass) const;

    // The theme's name and scheme, read first.
    void DetectTheme();
    // The four gradient colours of the scheme (from the theme's highlight with Luna, from the
    // bar face without it).
    void ComputeGradientColors();
    // Every scheme colour that depends on the recoloured bar colours and the Office XP colours.
    void ComputeSchemeColors();
    void ComputeLunaColors(COLORREF clrAccent);
    void ComputePlainColors();
    void ComputeTasksPaneColors();
    void CreateSchemeObjects();
    // The scheme's accent: the theme's highlight with Luna, else the bar face.
    COLORREF AccentColor() const;

    // The parts of the bar background.
    void FillDockedToolBar(CDC* pDC, const CWTKBarInfo* pBar, CRect rectClient);
    void FillDockArea(CDC* pDC, const CWTKBarInfo* pBar, CRect rectClient, BOOL bHorz);
    // The 4-pixel strip of gripper dots, or of separator lines, shortened like the buttons.
    CRect ShortenAlongBar(const CWTKBarInfo* pBar, CRect rect, BOOL bHorz) const;
    void DrawGripperDots(CDC* pDC, const CRect& rectStrip, BOOL bHorz);

    CPen m_penSeparatorLight;
    CBrush m_brFace;
    CBrush m_brToolBarLight;
    BOOL m_bIsLuna = FALSE;
    BOOL m_bIsHomestead = FALSE;
    BOOL m_bIsMetallic = FALSE;
    CString m_strThemeColorName;
};
