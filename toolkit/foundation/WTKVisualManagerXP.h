// The Office XP look: flat toolbars on a slightly lightened face colour, popup menus on a
// near-white background with a face-coloured image column, highlighted items filled with a pale
// mix of the selection colour and framed in it, dotted grippers, and an open menu-bar button
// joined to its menu. Its colours come from the system colours, with plain ones at 8 bits per
// pixel or fewer. The Windows XP and Office 2003 looks derive from it.
#pragma once

#include "foundation/WTKVisualManager.h"

#include "gdi/GdiObject.h"

class CWTKVisualManagerXP : public CWTKVisualManager {
    DECLARE_DYNCREATE(CWTKVisualManagerXP)

public:
    explicit CWTKVisualManagerXP(BOOL bTemporary = FALSE);
    ~CWTKVisualManagerXP() override;

    void OnUpdateSystemColors() override;
    void OnFillBarBackground(CDC* pDC, const CWTKBarInfo* pBar, CRect rectClient, CRect rectClip,
                             BOOL bNCArea = FALSE) override;
    void OnDrawBarBorder(CDC* pDC, const CWTKBarInfo* pBar, CRect& rect) override;
    void OnDrawMenuBorder(CDC* pDC, const CWTKPopupMenuInfo* pMenu, CRect rect) override;
    void OnDrawBarGripper(CDC* pDC, CRect rectGripper, BOOL bHorz, const CWTKBarInfo* pBar) override;
    void OnDrawSeparator(CDC* pDC, const CWTKBarInfo* pBar, CRect rect, BOOL bHorz) override;
    void OnDrawCaptionButton(CDC* pDC, const CWTKCaptionButtonInfo* pButton, BOOL bHorz, BOOL bExpanded,
                             BOOL bDisabled) override;
    void OnDrawMenuSystemButton(CDC* pDC, CRect rect, UINT uiSystemCommand, UINT nStyle, BOOL bHighlight) override;
    void OnDrawStatusBarPaneBorder(CDC* pDC, const CWTKStatusBarInfo* pBar, CRect rectPane, UINT uiID,
                                   UINT nStyle) override;
    void OnDrawComboDropButton(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsDropped, BOOL bIsHighlighted,
                               const CWTKToolbarButtonInfo* pButton) override;
    void OnDrawComboBorder(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsDropped, BOOL bIsHighlighted,
                           const CWTKToolbarButtonInfo* pButton) override;
    void OnDrawEditBorder(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsHighlighted,
                          const CWTKToolbarButtonInfo* pButton) override;
    void OnDrawTearOffCaption(CDC* pDC, CRect rect, BOOL bIsActive) override;
    void OnFillButtonInterior(CDC* pDC, const CWTKToolbarButtonInfo* pButton, CRect rect, int state) override;
    void OnDrawButtonBorder(CDC* pDC, const CWTKToolbarButtonInfo* pButton, CRect rect, int state) override;
    void OnHighlightMenuItem(CDC* pDC, const CWTKToolBarInfo* pBar, const CWTKToolbarButtonInfo* pButton, CRect rect,
                             COLORREF& clrText) override;
    void OnHighlightRarelyUsedMenuItems(CDC* pDC, CRect rectRarelyUsed) override;
    COLORREF GetToolbarButtonTextColor(const CWTKToolbarButtonInfo* pButton, int state) override;
    void OnFillPushButtonBackground(CDC* pDC, const CRect& rectClient, CWTKPushButtonInfo* pButton) override;
    void OnDrawPushButtonBorder(CDC* pDC, CRect& rectClient, CWTKPushButtonInfo* pButton, UINT uiState) override;
    void OnEraseTabsArea(CDC* pDC, CRect rect, const CWTKTabWindowInfo* pTabWnd) override;
    COLORREF OnDrawTab(CDC* pDC, CRect rectTab, int iTab, BOOL bIsActive, const CWTKTabWindowInfo* pTabWnd) override;
    void OnFillTabButton(CDC* pDC, CRect rect, CWTKPushButtonInfo* pButton) override;
    void OnDrawTabButtonBorder(CDC* pDC, CRect& rect, CWTKPushButtonInfo* pButton, UINT uiState) override;
    COLORREF OnFillCheckedImageBackground(CDC* pDC, CRect rect, BOOL bHighlighted) override;
    void OnFillTasksPaneBackground(CDC* pDC, CRect rect) override;
    void OnDrawTasksGroupCaption(CDC* pDC, const CWTKTasksGroupInfo* pGroup, BOOL bIsHighlighted, BOOL bIsSelected,
                                 BOOL bCanCollapse) override;
    void OnDrawTasksGroupFrame(CDC* pDC, CRect rect, BOOL bSpecial, BOOL bNoTitle) override;
    void OnDrawTask(CDC* pDC, const CWTKTaskInfo* pTask, HIMAGELIST hIcons, BOOL bIsHighlighted) override;
    int GetMenuImageMargin() const override;
    BOOL IsBaseLook() const override;

    // The Office XP family's own operations.
    virtual void CreateGripperBrushes();
    // Enlarges an open menu button's rectangle towards its menu so the two meet.
    virtual void AdjustMenuButtonRect(const CWTKToolbarButtonInfo* pButton, CRect& rect);
    virtual void OnFillHighlightedArea(CDC* pDC, CRect rect, CBrush* pBrush, const CWTKToolbarButtonInfo* pButton);

    // Width of menu images where the menu does not say.
    static constexpr int kDefaultMenuImageWidth = 16;

    // Dark text (0) on a highlight whose every channel is above 128, else white.
    static COLORREF TextColorOn(COLORREF clrBackground);

    // The colours, read by the tests and by the derived looks.
    COLORREF GetBarBkgndColor() const { return m_clrBarBkgnd; }
    COLORREF GetMenuLightColor() const { return m_clrMenuLight; }
    COLORREF GetHighlightColor() const { return m_clrHighlight; }
    COLORREF GetHighlightDnColor() const { return m_clrHighlightDn; }
    COLORREF GetHighlightCheckedColor() const { return m_clrHighlightChecked; }
    COLORREF GetInactiveTabTextColor() const { return m_clrInactiveTabText; }
    COLORREF GetTabBackColor() const { return m_clrTabBack; }
    COLORREF GetSeparatorColor() const { return m_clrSeparator; }
    COLORREF GetPaneBorderColor() const { return m_clrPaneBorder; }
    COLORREF GetMenuBorderColor() const { return m_clrMenuBorder; }
    COLORREF GetMenuItemBorderColor() const { return m_clrMenuItemBorder; }
    COLORREF GetGripperColor() const { return m_clrGripper; }
    BOOL HasGripperBrushes() const;

protected:
    // Above 8 bits per pixel the look mixes its own colours; at 8 or fewer it uses plain ones.
    static BOOL IsHighColor();
    // The Office XP colours from the current bar colours.
    void ComputeXPColors();
    // Brushes and the pen from the colours; the gripper brushes are left alone.
    void CreateColorObjects();
    void DeleteColorObjects();
    // Width of a popup menu's image column.
    int GetMenuImageColumnWidth(const CWTKBarInfo* pBar) const;
    // The dotted gripper strip of the Office XP look.
    void DrawDottedStrip(CDC* pDC, const CRect& rect, CBrush* pBrush, COLORREF clrDots, COLORREF clrBack);
    // The part of a menu's frame that touches the button that opened it takes the toolbar colour.
    void JoinMenuToButton(CDC* pDC, const CWTKPopupMenuInfo* pMenu, const CRect& rect);

    CBrush m_brGripperHorz;
    CBrush m_brGripperVert;

    COLORREF m_clrBarBkgnd = 0;
    CBrush m_brBarBkgnd;
    COLORREF m_clrMenuLight = 0;
    CBrush m_brMenuLight;
    COLORREF m_clrHighlight = 0;
    CBrush m_brHighlight;
    COLORREF m_clrHighlightDn = 0;
    CBrush m_brHighlightDn;
    COLORREF m_clrHighlightChecked = 0;
    CBrush m_brHighlightChecked;
    COLORREF m_clrInactiveTabText = 0;
    COLORREF m_clrTabBack = 0;
    CBrush m_brTabBack;
    COLORREF m_clrSeparator = 0;
    CPen m_penSeparator;
    COLORREF m_clrPaneBorder = 0;
    COLORREF m_clrMenuBorder = 0;
    COLORREF m_clrMenuItemBorder = 0;
    COLORREF m_clrGripper = 0;
    BOOL m_bConnectMenuToParent = TRUE;
};
