// CWTKOutlookBar: a docking bar of large shortcut buttons kept in pages. One page is shown at a
// time; every page has a caption button (the pages up to the active one stand at the top of a
// vertical bar, the rest at its bottom) and a click on it switches to that page, sliding the
// caption when animation is on. A page that holds more buttons than fit shows scroll arrows.
// A click on a shortcut button sends WM_COMMAND with the button's command id to the bar's owner
// (or its parent), as any toolbar button does.
//
// Sources by responsibility: WTKOutlookBar.cpp (pages, buttons, creation, archive),
// WTKOutlookBarLayout.cpp (layout, scrolling, page switch), WTKOutlookBarPaint.cpp (drawing),
// WTKOutlookBarMouse.cpp (resize tracking, cursors, mouse).
#pragma once

#include "frames/WTKOutlookBarPage.h"
#include "frames/WTKOutlookButton.h"

#include "command_bars/WTKToolBar.h"

#include "foundation/WTKImageStrip.h"
#include "foundation/WTKShortcutBarInfo.h"

#include "core/ObList.h"
#include "core/Rect.h"
#include "core/String.h"
#include "gdi/GdiObject.h"

class CWTKButton;

// Waits between the steps of the page-switch animation; a test replaces it to run the slide
// on a fake clock.
using WTKOutlookSleepFunction = void (*)(DWORD dwMilliseconds);

class CWTKOutlookBar : public CWTKToolBar {
    DECLARE_SERIAL(CWTKOutlookBar)

public:
    // Child window ids of the bar's own buttons.
    static constexpr UINT kScrollBackId = 1;
    static constexpr UINT kScrollForwardId = 2;
    static constexpr UINT kCloseButtonId = 20;
    // Page caption buttons take ids from here on, one per page in list order.
    static constexpr UINT kFirstPageButtonId = 0x100;
    static constexpr UINT kDefaultOutlookBarId = 0xE805;
    static constexpr int kResizeStripWidth = 3;
    // The length of a bar that is not docked.
    static constexpr int kFloatingLength = 300;
    // Docked at the top or the bottom: a horizontal bar.
    static constexpr DWORD kHorizontalDockStyle = CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM;
    // A held scroll arrow repeats its step this often (milliseconds).
    static constexpr int kScrollRepeatDelay = 100;
    // A drag that rests on another page's caption button opens that page after this delay
    // (milliseconds), when the pointer is still there.
    static constexpr UINT_PTR kPageSwitchTimer = 3;
    static constexpr UINT kPageSwitchDelay = 500;

    CWTKOutlookBar();
    ~CWTKOutlookBar() override;
    CWTKOutlookBar(const CWTKOutlookBar&) = delete;
    CWTKOutlookBar& operator=(const CWTKOutlookBar&) = delete;

    // A docking bar; CBRS_LEFT or CBRS_RIGHT gives a vertical bar, CBRS_TOP or CBRS_BOTTOM a
    // horizontal one. WS_CAPTION in dwStyle asks for the bar's own caption strip.
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_LEFT,
                UINT nID = kDefaultOutlookBarId) override;

    // ---- Pages ----
    // Adds a page at the end; pWndPage (optional, not owned) is shown while the page is active.
    // FALSE when a page already has the id. The first page added becomes the active one.
    BOOL AddPage(UINT uiPageID, LPCSTR lpszName, CWnd* pWndPage = nullptr);
    BOOL RemovePage(UINT uiPageID);
    int GetPageCount() const { return static_cast<int>(m_lstPages.GetCount()); }
    CWTKOutlookBarPage* GetPage(int iIndex) const;
    CWTKOutlookBarPage* FindPage(UINT uiPageID) const;
    UINT GetActivePage() const { return m_uiActivePageID; }
    // Switches to the page; nothing happens when it is already active or no page has the id.
    void SetActivePage(UINT uiPageID, BOOL bAnimate = TRUE);

    // ---- Shortcut buttons ----
    // Adds a large button to the page (iImage indexes the bar's image strip, -1 for none).
    // FALSE when no page has the id.
    BOOL AddButton(UINT uiPageID, UINT uiCmdID, int iImage, LPCSTR lpszText);
    // Buttons of the page in order, and their count.
    int GetPageButtonCount(UINT uiPageID) const;
    CWTKOutlookButton* GetPageButton(UINT uiPageID, int iIndex) const;
    // Marks the button of that command checked (only it, on its page); 0 clears every mark.
    void SetCheckedButton(UINT uiCmdID);
    // Scrolls the active page until its button at iIndex is fully visible.
    void EnsureVisible(int iIndex);

    // ---- Images ----
    // The bar's own strip of large images (bitmap resource of the application).
    BOOL LoadImages(UINT uiBmpResID, CSize sizeImage, COLORREF clrTransparent = RGB(255, 0, 255));
    // The same from a bitmap; the caller keeps its handle.
    BOOL SetImages(HBITMAP hbmp, CSize sizeImage, COLORREF clrTransparent = RGB(255, 0, 255));
    CWTKImageStrip* GetLargeImages() { return &m_Images; }

    // ---- Options ----
    void EnableAnimation(BOOL bEnable = TRUE) { m_bAnimation = bEnable; }
    // A held scroll arrow moves by as many buttons as fit whole in the page area.
    void EnableLargeScrollStep(BOOL bEnable = TRUE) { m_bLargeScrollStep = bEnable; }
    BOOL IsAnimation() const { return m_bAnimation; }
    // A resizable bar has a 3-pixel strip at its inner edge that the user drags.
    void EnableResize(BOOL bEnable = TRUE) { m_bResizable = bEnable; }
    BOOL IsResizable() const { return m_bResizable; }
    // The bar's width (vertical) or height (horizontal) when docked.
    void SetBarWidth(int nWidth) { m_nBarWidth = nWidth; }
    int GetBarWidth() const { return m_nBarWidth; }
    // Background bitmap resource (0 removes it; the same id again does nothing).
    void SetBackImage(UINT uiBmpResID);
    UINT GetBackImage() const { return m_uiBackImageId; }
    BOOL IsDrawingBackImage() const;
    // The text colour of the shortcut buttons; -1 follows the look.
    void SetButtonTextColor(COLORREF clr) { m_clrButtonText = clr; }
    COLORREF GetButtonTextColor() const { return m_clrButtonText; }

    // ---- State read by tests and owners ----
    int GetScrollOffset() const { return m_nScrollOffset; }
    int GetFirstVisibleButton() const { return m_iFirstVisibleButton; }
    BOOL HasMoreButtons() const { return m_bMoreButtons; }
    BOOL HasCaptionStrip() const { return m_bHasCaption; }
    CRect GetCaptionStripRect() const { return m_rectCaption; }
    CRect GetResizeStripRect() const { return m_rectResize; }
    // The client area less the caption strip and the resize strip.
    CRect GetWorkArea() const;
    // The area between the page caption buttons where the active page's buttons stand.
    CRect GetPageArea() const { return m_rectPageArea; }
    CWTKButton* GetScrollButton(BOOL bBack) const;
    BOOL IsHorizontalBar() const;
    // Replaces the wait between animation steps (null restores Sleep).
    static void SetSleepFunction(WTKOutlookSleepFunction pfn);

    // ---- Toolbar and control bar ----
    void AdjustLocations() override;
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    CSize CalcDynamicLayout(int nLength, DWORD nMode) override;
    void DoPaint(CDC* pDC) override;
    BOOL DrawButton(CDC* pDC, CWTKToolbarButton* pButton, CWTKImageStrip* pImages, BOOL bHighlighted,
                    BOOL bDrawDisabledImages) override;
    void Serialize(CArchive& ar) override;
    BOOL LoadState(LPCTSTR lpszProfileName = nullptr, int nIndex = -1, UINT uiID = static_cast<UINT>(-1)) override;
    BOOL SaveState(LPCTSTR lpszProfileName = nullptr, int nIndex = -1, UINT uiID = static_cast<UINT>(-1)) override;
    // A drag over another page's caption button schedules the switch to that page.
    DROPEFFECT OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override;
    BOOL CanBeRestored() const override { return FALSE; }
    BOOL AllowShowOnList() const override { return FALSE; }
    BOOL IsLookExtraSizeAvailable() const override { return FALSE; }
    int HitTest(CPoint point) override;

    // The shortcut bar as the looks see it.
    const CWTKShortcutBarInfo* GetShortcutInfo() const { return &m_ShortcutInfo; }

protected:
    // Layout pieces (WTKOutlookBarLayout.cpp).
    void RecalcCaptionStrip();
    void RecalcResizeStrip();
    int PageCaptionHeight() const;
    void PlacePageButtons();
    void PlaceShortcutButtons();
    void PlaceScrollButtons();
    void ScrollBack(int nButtons);
    void ScrollForward(int nButtons);
    int ButtonsFittingWhole() const;
    // The button's size measured on a context that has the bar's font, or on one of its own.
    CSize ShortcutButtonSize(CDC* pDC, CWTKToolbarButton* pButton);
    CSize ShortcutButtonSize(CWTKToolbarButton* pButton);
    void AnimatePageSwitch(CWTKOutlookBarPage* pOld, CWTKOutlookBarPage* pNew, const CRect& rectNewBefore);
    void ShowPageWindows();

    // Drawing (WTKOutlookBarPaint.cpp).
    void DrawCaptionStrip(CDC* pDC);
    void FillWorkArea(CDC* pDC, const CRect& rect) const;
    void LoadBackImage();

    // Resize tracking (WTKOutlookBarMouse.cpp).
    void StartTracking(CPoint point);
    void MoveTracking(CPoint point);
    void StopTracking(BOOL bApply);
    void DrawTrackingBar(int nPos);
    BOOL IsPointOnResizeStrip(CPoint point) const;

    CWTKOutlookBarPage* ActivePage() const { return FindPage(m_uiActivePageID); }
    CWTKOutlookBarPage* PageOfButtonWindow(HWND hwnd) const;
    // The page whose caption button holds the point (client coordinates); null when none.
    CWTKOutlookBarPage* PageOfCaptionAt(CPoint point) const;
    // The delayed page switch: started for a page other than the active one, run by the timer.
    void SchedulePageSwitch(CPoint point);
    void RunPendingPageSwitch();
    static WTKOutlookSleepFunction& SleepFunctionSlot();
    BOOL CreatePageButton(CWTKOutlookBarPage* pPage, int iIndex);
    // Places and repaints everything once the window exists (before, creation does it).
    void Relayout();
    // Hides the bar through its frame (or by itself without one).
    void CloseBar();
    void DeleteAllPages();

    // Message handlers.
    int OnCreate(LPCREATESTRUCTA lpcs);
    void OnDestroy();
    void OnSize(UINT nType, int cx, int cy);
    void OnSysColorChange();
    void OnTimer(UINT_PTR nIDEvent);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnCancelMode();
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnContextMenu(CWnd* pWnd, CPoint point);
    LRESULT OnStyleChanging(WPARAM wParam, LPARAM lParam);
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    DECLARE_MESSAGE_MAP()

    // What the looks read of the bar.
    class CShortcutInfo : public CWTKShortcutBarInfo {
    public:
        explicit CShortcutInfo(const CWTKOutlookBar* pBar) : m_pBar(pBar) {}
        DWORD GetBarStyle() const override;
        BOOL IsDockable() const override;
        void FillWorkArea(CDC* pDC, const CRect& rect) const override;
        BOOL UsesButtonColors() const override { return FALSE; }

    private:
        const CWTKOutlookBar* m_pBar;
    };

    // ---- Members ----
    CObList m_lstPages;  // CWTKOutlookBarPage, owned
    UINT m_uiActivePageID = 0;
    CWTKButton* m_pScrollBack = nullptr;
    CWTKButton* m_pScrollForward = nullptr;
    CWTKButton* m_pCloseButton = nullptr;
    int m_nScrollOffset = 0;
    int m_iFirstVisibleButton = 0;
    BOOL m_bMoreButtons = FALSE;
    BOOL m_bAnimation = FALSE;
    BOOL m_bLargeScrollStep = FALSE;
    BOOL m_bResizable = FALSE;
    int m_nBarWidth = 100;
    CRect m_rectResize;
    CRect m_rectCaption;
    CRect m_rectPageArea;
    BOOL m_bHasCaption = FALSE;
    BOOL m_bTracking = FALSE;
    int m_nTrackPos = 0;
    int m_nTrackDrawn = -1;
    HWND m_hwndFocusBeforeTracking = nullptr;
    BOOL m_bPageSwitchPending = FALSE;
    UINT m_uiPendingPageID = 0;  // the page the delayed switch opens
    HCURSOR m_hcurStretch = nullptr;
    HCURSOR m_hcurStretchVert = nullptr;
    UINT m_uiBackImageId = 0;
    CBitmap m_bmpBack;
    CWTKImageStrip m_Images;
    COLORREF m_clrButtonText = static_cast<COLORREF>(-1);
    CShortcutInfo m_ShortcutInfo {this};
};
