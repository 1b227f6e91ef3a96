// The current look: every toolkit window draws its borders, backgrounds, grippers, separators,
// button frames, menu highlights, tabs and status bar parts by asking the one current visual
// manager. CWTKVisualManager is both that interface and the base look (flat 3-D drawing in the
// system colours, with an "Office 2000" variant); the other looks derive from it and override
// what differs. The drawn windows are seen through small read-only query interfaces, so the
// looks sit below the classes they draw.
#pragma once

#include "foundation/WTKColorFunctions.h"

#include "core/Object.h"
#include "core/Rect.h"
#include "core/Size.h"
#include "gdi/DC.h"

#include <commctrl.h>
#include <windows.h>

class CWnd;
class CWTKBarInfo;
class CWTKCaptionBarInfo;
class CWTKCaptionButtonInfo;
class CWTKMenuButtonInfo;
class CWTKPopupMenuInfo;
class CWTKPushButtonInfo;
class CWTKShortcutBarInfo;
class CWTKShortcutPageButtonInfo;
class CWTKStatusBarInfo;
class CWTKTabWindowInfo;
class CWTKTaskInfo;
class CWTKTasksGroupInfo;
class CWTKToolBarInfo;
class CWTKToolbarButtonInfo;

// Hit-test code of a sizing bar's hide caption button.
constexpr int kCaptionButtonHide = 19;
// A caption button is this much wider and higher than its glyph (room for its frame).
constexpr int kCaptionButtonFrame = 5;

// Button drawing states passed to the border and interior operations.
constexpr int kButtonStateNormal = 0;
constexpr int kButtonStatePushed = 1;
constexpr int kButtonStateHighlighted = 2;

// Status bar pane style bits the looks test.
constexpr UINT kPaneStyleNoBorders = 0x100;
constexpr UINT kPaneStylePopOut = 0x200;

// Margin between a tab's edge and its image.
constexpr int kTabImageMargin = 4;

// Redraws one group of bars that a higher layer keeps (toolbars, sizing bars) with the
// given RedrawWindow flags.
using WTKBarRedrawStep = void (*)(UINT nFlags);
enum class WTKRedrawGroup { ToolBars, SizingBars, Count };

class CWTKVisualManager : public CObject {
    DECLARE_DYNCREATE(CWTKVisualManager)

public:
    explicit CWTKVisualManager(BOOL bTemporary = FALSE);
    ~CWTKVisualManager() override;
    CWTKVisualManager(const CWTKVisualManager&) = delete;
    CWTKVisualManager& operator=(const CWTKVisualManager&) = delete;

    // The current manager, created from the default class at first use.
    static CWTKVisualManager* GetInstance();
    // Chooses the look created at the next drawing; null means the base look. A class not
    // derived from CWTKVisualManager is refused. The current look is dropped at once: deleted
    // when the toolkit made it, left to the application when the application made it.
    static void SetDefaultManager(CRuntimeClass* pRTIDefault);
    static CRuntimeClass* GetDefaultManager();
    // A caption button that is not glyph-sized: its glyph with room for a frame.
    static CSize GetCaptionButtonSize();
    static void RedrawAll();
    // Deletes the current manager when the toolkit created it.
    static void DestroyInstance();
    static void SetLook2000(BOOL bLook2000 = TRUE);
    // The bars of higher layers register how they are redrawn.
    static void SetBarRedrawStep(WTKRedrawGroup group, WTKBarRedrawStep step);

    BOOL IsLook2000() const { return m_bLook2000; }
    BOOL IsTemporary() const { return m_bTemporary; }
    BOOL IsAutoDestroy() const { return m_bAutoDestroy; }

    // The look's operations, in their fixed order.
    virtual void OnUpdateSystemColors();
    virtual void OnFillBarBackground(CDC* pDC, const CWTKBarInfo* pBar, CRect rectClient, CRect rectClip,
                                     BOOL bNCArea = FALSE);
    virtual void OnDrawBarBorder(CDC* pDC, const CWTKBarInfo* pBar, CRect& rect);
    virtual void OnDrawMenuBorder(CDC* pDC, const CWTKPopupMenuInfo* pMenu, CRect rect);
    virtual void OnDrawBarGripper(CDC* pDC, CRect rectGripper, BOOL bHorz, const CWTKBarInfo* pBar);
    virtual void OnDrawSeparator(CDC* pDC, const CWTKBarInfo* pBar, CRect rect, BOOL bHorz);
    virtual void OnDrawCaptionButton(CDC* pDC, const CWTKCaptionButtonInfo* pButton, BOOL bHorz, BOOL bExpanded,
                                     BOOL bDisabled);
    // A minimise, restore or close box of a maximised MDI child on the menu bar; bHighlight
    // while the mouse is over it (the base look draws no hot state).
    virtual void OnDrawMenuSystemButton(CDC* pDC, CRect rect, UINT uiSystemCommand, UINT nStyle, BOOL bHighlight);
    virtual void OnDrawStatusBarPaneBorder(CDC* pDC, const CWTKStatusBarInfo* pBar, CRect rectPane, UINT uiID,
                                           UINT nStyle);
    virtual void OnDrawStatusBarProgress(CDC* pDC, const CWTKStatusBarInfo* pStatusBar, CRect rectProgress,
                                         int nProgressTotal, int nProgressCurr, COLORREF clrBar,
                                         COLORREF clrProgressBarDest, COLORREF clrProgressText, BOOL bProgressText);
    virtual void OnDrawStatusBarSizeBox(CDC* pDC, const CWTKStatusBarInfo* pStatBar, CRect rectSizeBox);
    virtual void OnDrawComboDropButton(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsDropped, BOOL bIsHighlighted,
                                       const CWTKToolbarButtonInfo* pButton);
    virtual void OnDrawComboBorder(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsDropped, BOOL bIsHighlighted,
                                   const CWTKToolbarButtonInfo* pButton);
    virtual void OnDrawEditBorder(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsHighlighted,
                                  const CWTKToolbarButtonInfo* pButton);
    virtual void OnDrawTearOffCaption(CDC* pDC, CRect rect, BOOL bIsActive);
    virtual void OnFillButtonInterior(CDC* pDC, const CWTKToolbarButtonInfo* pButton, CRect rect, int state);
    virtual void OnDrawButtonBorder(CDC* pDC, const CWTKToolbarButtonInfo* pButton, CRect rect, int state);
    virtual void OnDrawMenuButtonBorder(CDC* pDC, const CWTKMenuButtonInfo* pButton, CRect rect, int state, BOOL bHorz);
    virtual void OnHighlightMenuItem(CDC* pDC, const CWTKToolBarInfo* pBar, const CWTKToolbarButtonInfo* pButton,
                                     CRect rect, COLORREF& clrText);
    virtual void OnHighlightRarelyUsedMenuItems(CDC* pDC, CRect rectRarelyUsed);
    virtual COLORREF GetToolbarButtonTextColor(const CWTKToolbarButtonInfo* pButton, int state);
    virtual COLORREF GetCaptionBarTextColor(const CWTKCaptionBarInfo* pBar);
    virtual BOOL OnFillOutlookPageButton(const CWTKShortcutPageButtonInfo* pButton, CDC* pDC, const CRect& rect,
                                         COLORREF& clrText);
    virtual BOOL OnDrawOutlookPageButtonBorder(const CWTKShortcutPageButtonInfo* pButton, CDC* pDC, CRect& rect,
                                               int state);
    virtual void OnFillPushButtonBackground(CDC* pDC, const CRect& rectClient, CWTKPushButtonInfo* pButton);
    virtual void OnDrawPushButtonBorder(CDC* pDC, CRect& rectClient, CWTKPushButtonInfo* pButton, UINT uiState);
    virtual void OnEraseTabsArea(CDC* pDC, CRect rect, const CWTKTabWindowInfo* pTabWnd);
    // The previous text colour of the DC, or kWTKNoColor when the tab was skipped or left the
    // text colour alone.
    virtual COLORREF OnDrawTab(CDC* pDC, CRect rectTab, int iTab, BOOL bIsActive, const CWTKTabWindowInfo* pTabWnd);
    virtual void OnDrawTabContent(CDC* pDC, CRect rectTab, int iTab, BOOL bIsActive, const CWTKTabWindowInfo* pTabWnd,
                                  COLORREF clrText);
    virtual void OnFillTabButton(CDC* pDC, CRect rect, CWTKPushButtonInfo* pButton);
    virtual void OnDrawTabButtonBorder(CDC* pDC, CRect& rect, CWTKPushButtonInfo* pButton, UINT uiState);
    virtual void GetTabFrameColors(const CWTKTabWindowInfo* pTabWnd, COLORREF& clrDark, COLORREF& clrBlack,
                                   COLORREF& clrHighlight, COLORREF& clrFace, COLORREF& clrDarkShadow,
                                   COLORREF& clrLight, HBRUSH& hbrFace, HBRUSH& hbrBlack);
    virtual BOOL OnEraseTabsFrame(CDC* pDC, CRect rect, const CWTKTabWindowInfo* pTabWnd);
    virtual BOOL IsHighlightTabs() const;
    virtual COLORREF OnFillCheckedImageBackground(CDC* pDC, CRect rect, BOOL bHighlighted);
    virtual CSize GetButtonExtraBorder() const;
    virtual void OnFillOutlookBarBackground(CDC* pDC, CRect rect, const CWTKShortcutBarInfo* pBar);
    virtual void OnDrawOutlookButtonBorder(const CWTKShortcutBarInfo* pBar, CDC* pDC, CRect& rectBtn, BOOL bIsPressed,
                                           BOOL bIsHighlighted);
    virtual void OnDrawOutlookScrollArrow(const CWTKShortcutBarInfo* pBar, CDC* pDC, CRect rect, BOOL bIsUp);
    virtual void OnFillTasksPaneBackground(CDC* pDC, CRect rect);
    virtual void OnDrawTasksGroupCaption(CDC* pDC, const CWTKTasksGroupInfo* pGroup, BOOL bIsHighlighted,
                                         BOOL bIsSelected, BOOL bCanCollapse);
    virtual void OnFillTasksGroupInterior(CDC* pDC, CRect rect);
    virtual void OnDrawTasksGroupAreaBorder(CDC* pDC, CRect rect, BOOL bSpecial);
    virtual void OnDrawTasksGroupFrame(CDC* pDC, CRect rect, BOOL bSpecial, BOOL bNoTitle);
    virtual void OnDrawTask(CDC* pDC, const CWTKTaskInfo* pTask, HIMAGELIST hIcons, BOOL bIsHighlighted);
    virtual void OnDrawScrollButton(CDC* pDC, CRect rect, int nExtraTop, int nGlyph, BOOL bHighlighted);
    virtual void OnDrawExpandingBox(CDC* pDC, CRect rect, BOOL bIsOpened, COLORREF colorBox);
    virtual int GetShowAllMenuItemsHeight(CDC* pDC, const CSize& sizeDefault);
    virtual void OnDrawShowAllMenuItems(CDC* pDC, CRect rect, int state);
    virtual void OnDrawControlBorder(CWnd* pWndCtrl);
    virtual int GetMenuImageMargin() const;
    virtual BOOL IsBaseLook() const;
    virtual int GetPushButtonMargin() const;
    virtual BOOL IsOffsetPressedButton() const;
    virtual int GetMetricA() const;
    virtual int GetMetricB() const;

    BOOL m_bLook2000 = FALSE;
    int m_nMenuShadowDepth = 6;
    BOOL m_bMenuFlatLook = FALSE;
    BOOL m_bShadowHighlightedImage = FALSE;
    BOOL m_bEmbossDisabledImage = TRUE;
    BOOL m_bFadeInactiveImage = FALSE;

protected:
    BOOL m_bTemporary = FALSE;

public:
    // Tasks pane layout, read only by the tasks pane.
    int m_nVertMargin = 12;
    int m_nHorzMargin = 12;
    int m_nGroupVertOffset = 15;
    int m_nGroupCaptionHeight = 25;
    int m_nGroupCaptionHorzOffset = 13;
    int m_nGroupCaptionVertOffset = 7;
    int m_nTasksHorzOffset = 12;
    int m_nTasksIconHorzOffset = 5;
    int m_nTasksVertSpacing = 4;
    int m_nTasksPaneReserved = 1;

protected:
    // Answered by GetMetricA and GetMetricB.
    int m_nMetricA = 0;
    int m_nMetricB = 2;
    BOOL m_bAutoDestroy = FALSE;

    // Menu glyphs (CWTKMenuGlyphs numbers) drawn by the looks, placed by their top-left corner.
    static CSize GetGlyphSize();
    static void DrawGlyph(CDC* pDC, int nGlyph, CPoint ptTopLeft);
};
