// The Windows XP look: toolbars, buttons, grippers, status bars, combo boxes, headers, captions
// and the tasks pane drawn with the running system's visual styles. Whatever has no open theme
// (no theme library, visual styles off, a class without a theme) is drawn the Office XP way.
#pragma once

#include "foundation/WTKUxThemeHelper.h"
#include "foundation/WTKVisualManagerXP.h"

class CWTKWinXPVisualManager : public CWTKVisualManagerXP, public CWTKUxThemeHelper {
    DECLARE_DYNCREATE(CWTKWinXPVisualManager)

public:
    explicit CWTKWinXPVisualManager(BOOL bTemporary = FALSE);
    ~CWTKWinXPVisualManager() override;

    // Whether visual styles can be drawn: asks the current look when it is this one, else a
    // temporary one that leaves the current look and the shared colours as they are.
    static BOOL IsWinXPThemeAvailable();

    void OnUpdateSystemColors() override;
    void OnFillBarBackground(CDC* pDC, const CWTKBarInfo* pBar, CRect rectClient, CRect rectClip,
                             BOOL bNCArea = FALSE) override;
    void OnDrawMenuBorder(CDC* pDC, const CWTKPopupMenuInfo* pMenu, CRect rect) override;
    void OnDrawBarGripper(CDC* pDC, CRect rectGripper, BOOL bHorz, const CWTKBarInfo* pBar) override;
    void OnDrawSeparator(CDC* pDC, const CWTKBarInfo* pBar, CRect rect, BOOL bHorz) override;
    void OnDrawCaptionButton(CDC* pDC, const CWTKCaptionButtonInfo* pButton, BOOL bHorz, BOOL bExpanded,
                             BOOL bDisabled) override;
    void OnDrawMenuSystemButton(CDC* pDC, CRect rect, UINT uiSystemCommand, UINT nStyle, BOOL bHighlight) override;
    void OnDrawStatusBarPaneBorder(CDC* pDC, const CWTKStatusBarInfo* pBar, CRect rectPane, UINT uiID,
                                   UINT nStyle) override;
    void OnDrawStatusBarProgress(CDC* pDC, const CWTKStatusBarInfo* pStatusBar, CRect rectProgress, int nProgressTotal,
                                 int nProgressCurr, COLORREF clrBar, COLORREF clrProgressBarDest,
                                 COLORREF clrProgressText, BOOL bProgressText) override;
    void OnDrawStatusBarSizeBox(CDC* pDC, const CWTKStatusBarInfo* pStatBar, CRect rectSizeBox) override;
    void OnDrawComboDropButton(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsDropped, BOOL bIsHighlighted,
                               const CWTKToolbarButtonInfo* pButton) override;
    void OnDrawComboBorder(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsDropped, BOOL bIsHighlighted,
                           const CWTKToolbarButtonInfo* pButton) override;
    void OnDrawEditBorder(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsHighlighted,
                          const CWTKToolbarButtonInfo* pButton) override;
    void OnFillButtonInterior(CDC* pDC, const CWTKToolbarButtonInfo* pButton, CRect rect, int state) override;
    void OnDrawButtonBorder(CDC* pDC, const CWTKToolbarButtonInfo* pButton, CRect rect, int state) override;
    void OnDrawMenuButtonBorder(CDC* pDC, const CWTKMenuButtonInfo* pButton, CRect rect, int state,
                                BOOL bHorz) override;
    void OnHighlightMenuItem(CDC* pDC, const CWTKToolBarInfo* pBar, const CWTKToolbarButtonInfo* pButton, CRect rect,
                             COLORREF& clrText) override;
    BOOL OnFillOutlookPageButton(const CWTKShortcutPageButtonInfo* pButton, CDC* pDC, const CRect& rect,
                                 COLORREF& clrText) override;
    BOOL OnDrawOutlookPageButtonBorder(const CWTKShortcutPageButtonInfo* pButton, CDC* pDC, CRect& rect,
                                       int state) override;
    void OnFillPushButtonBackground(CDC* pDC, const CRect& rectClient, CWTKPushButtonInfo* pButton) override;
    void OnDrawPushButtonBorder(CDC* pDC, CRect& rectClient, CWTKPushButtonInfo* pButton, UINT uiState) override;
    void OnDrawTabButtonBorder(CDC* pDC, CRect& rect, CWTKPushButtonInfo* pButton, UINT uiState) override;
    void OnDrawOutlookButtonBorder(const CWTKShortcutBarInfo* pBar, CDC* pDC, CRect& rectBtn, BOOL bIsPressed,
                                   BOOL bIsHighlighted) override;
    COLORREF OnFillCheckedImageBackground(CDC* pDC, CRect rect, BOOL bHighlighted) override;
    CSize GetButtonExtraBorder() const override;
    void OnFillTasksPaneBackground(CDC* pDC, CRect rect) override;
    void OnDrawTasksGroupCaption(CDC* pDC, const CWTKTasksGroupInfo* pGroup, BOOL bIsHighlighted, BOOL bIsSelected,
                                 BOOL bCanCollapse) override;
    void OnDrawTasksGroupAreaBorder(CDC* pDC, CRect rect, BOOL bSpecial) override;
    void OnDrawTasksGroupFrame(CDC* pDC, CRect rect, BOOL bSpecial, BOOL bNoTitle) override;
    void OnDrawTask(CDC* pDC, const CWTKTaskInfo* pTask, HIMAGELIST hIcons, BOOL bIsHighlighted) override;
    void OnDrawScrollButton(CDC* pDC, CRect rect, int nExtraTop, int nGlyph, BOOL bHighlighted) override;
    void OnDrawOutlookScrollArrow(const CWTKShortcutBarInfo* pBar, CDC* pDC, CRect rect, BOOL bIsUp) override;
    void OnDrawExpandingBox(CDC* pDC, CRect rect, BOOL bIsOpened, COLORREF colorBox) override;
    void OnDrawControlBorder(CWnd* pWndCtrl) override;

    // Menus and menu items keep the Office XP drawing even while themed.
    BOOL m_bOfficeXPStyleMenus = FALSE;

private:
    // Menus drawn with the system's menu colours: themed, and not asked to keep the Office XP menus.
    BOOL IsThemedMenus() const { return IsThemed() && !m_bOfficeXPStyleMenus; }
    // A menu button on the menu bar or in a popup menu that keeps the Office XP drawing.
    BOOL KeepsOfficeXPMenuButton(const CWTKToolbarButtonInfo* pButton) const;
};
