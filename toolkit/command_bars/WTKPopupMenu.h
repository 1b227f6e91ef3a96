// CWTKPopupMenu: the window of every toolkit popup menu (drop-downs of menu buttons, sub-menus,
// context menus). It hosts one CWTKPopupMenuBar with the items, places itself on the monitor's
// work area next to the button that opened it, opens with an animation, draws a shadow, scrolls
// when taller than the work area and can be torn off as a floating toolbar. Open popups form a
// chain: each one knows the menu button that opened it and, through it, its parent popup.
// Popups open only through Open, which answers the live popup or null; a live popup deletes
// itself after its window is destroyed.
#pragma once
#include "command_bars/WTKCommandBarSettings.h"

#include "foundation/WTKMenuLookInfo.h"
#include "foundation/WTKPopupMenuInfo.h"

#include "core/String.h"
#include "docview/MiniFrameWnd.h"
#include "gdi/GdiObject.h"

#include <memory>
#include <type_traits>
#include <utility>

class CWTKPopupMenuBar;
class CWTKPopupMenuHost;
class CWTKToolBar;
class CWTKToolbarMenuButton;

class CWTKPopupMenu : public CMiniFrameWnd, public CWTKPopupMenuInfo, public CWTKMenuLookInfo {
    DECLARE_SERIAL(CWTKPopupMenu)

public:
    // Where the popup lies against its parent button.
    enum DropDirection { kDropNone = 0, kDropBelow = 1, kDropAbove = 2, kDropRight = 3, kDropLeft = 4 };
    // HitTest's answers.
    enum HitArea {
        kHitItems = 0,
        kHitRightShadow = 1,
        kHitBottomShadow = 2,
        kHitLogo = 3,
        kHitOutside = 4,
        kHitTearOff = 5
    };
    enum LogoLocation { kLogoLeft = 0, kLogoRight = 1, kLogoTop = 2, kLogoBottom = 3 };

    static constexpr UINT kItemBarId = 1;
    static constexpr UINT_PTR kAnimationTimerId = 1;
    static constexpr UINT_PTR kScrollTimerId = 2;
    static constexpr UINT kAnimationStepMs = 30;
    static constexpr UINT kScrollStepMs = 80;
    // Fade percentage past the end of the fade.
    static constexpr int kFadeDone = 101;
    static constexpr int kTearOffStripHeight = 10;
    static constexpr UINT kRecentFileFirstId = 0xE110;  // the first recent-file command
    // Popups a walk up the chain visits at most: a longer chain is broken.
    static constexpr int kMaxChainLength = 64;

    CWTKPopupMenu();
    // A popup owned by a customisation page, with a caption.
    CWTKPopupMenu(CWnd* pOwnerPage, LPCSTR lpszTitle);
    ~CWTKPopupMenu() override;
    CWTKPopupMenu(const CWTKPopupMenu&) = delete;
    CWTKPopupMenu& operator=(const CWTKPopupMenu&) = delete;

    virtual CWTKPopupMenuBar* GetMenuBar();
    // The item bar's item at iIndex, or null.
    virtual CWTKToolbarMenuButton* GetMenuItem(int iIndex) const;
    virtual BOOL TearOff(CPoint point);
    // TRUE while the menu is being dragged off as a floating bar: the frame lets it be active
    // again without asking whether it may open.
    BOOL IsBeingTornOff() const { return m_bTearingOff; }
    virtual CWTKToolBar* CreateTearOffBar(CFrameWnd* pWndMain, UINT uiID, LPCSTR lpszName);
    // Opens pPopup (made and set up, not yet shown) at x, y (screen; -1, -1: near the owner)
    // with the items of hMenu (may be null). bOwnMessage: commands go to pWndOwner, else to the
    // parent popup's target. Answers the live popup, which deletes itself when its window is
    // destroyed, or null when the window could not be made: the popup is gone then. A popup
    // given here owns hMenu and destroys it when it goes, unless SetKeepMenu(TRUE) was called.
    template <class TPopup>
    static TPopup* Open(std::unique_ptr<TPopup> pPopup, CWnd* pWndOwner, int x, int y, HMENU hMenu,
                        BOOL bLocked = FALSE, BOOL bOwnMessage = FALSE)
    {
        static_assert(std::is_base_of_v<CWTKPopupMenu, TPopup>, "Open takes a popup menu");
        return static_cast<TPopup*>(OpenWindow(std::move(pPopup), pWndOwner, x, y, hMenu, bLocked, bOwnMessage));
    }

    void RecalcLayout(BOOL bNotify = TRUE) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, FwCmdHandlerInfo* pHandlerInfo) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // Starts closing: hands the activity to the parent popup (or ends it) and posts WM_CLOSE.
    void CloseMenu(BOOL bSetFocus = FALSE);
    // Rebuilds a shortened menu with all its items at the position first asked for.
    void ShowAllCommands();
    BOOL InitMenuBar();
    BOOL InsertItem(const CWTKToolbarMenuButton& button, int iInsertAt = -1);
    BOOL InsertSeparator(int iInsertAt = -1);
    void RemoveAllItems();
    CWTKPopupMenu* GetParentPopupMenu() const;
    // The first popup of the chain, the one a menu button of a bar opened (this one when it
    // has no parent); a broken chain's walk ends at its kMaxChainLength-th popup.
    CWTKPopupMenu* GetRootPopupMenu();
    // The bar that holds the parent button, when it is no popup's item bar.
    CWTKToolBar* GetParentToolBar() const;
    CWTKToolbarMenuButton* GetParentButton() const { return m_pParentBtn; }
    void SetParentButton(CWTKToolbarMenuButton* pButton) { m_pParentBtn = pButton; }
    // Where the menu meets the bar button that opened it, for the looks that join the two.
    Side GetParentButtonSide() const override;
    CRect GetParentButtonRect() const override;
    BOOL IsFromCustomizeButton() const override;
    // A HitArea for a screen point.
    int HitTest(CPoint ptScreen) const;
    // Makes pPopupMenu the frame's active popup; FALSE when the frame vetoed it (it closes).
    static BOOL ActivatePopupMenu(CFrameWnd* pTopFrame, CWTKPopupMenu* pPopupMenu);
    // In customisation mode: each popup up the chain rebuilds its parent button's items.
    void SaveItemsToParentButton();
    // Posts WM_COMMAND to the message target; FALSE without one.
    BOOL PostCommand(UINT uiCommandID);

    // ---- State the buttons and the item bar read and set ----
    CWnd* GetMessageWnd() const { return m_pMessageWnd; }
    void SetMessageWnd(CWnd* pWnd) { m_pMessageWnd = pWnd; }
    int GetDropDirection() const { return m_DropDirection; }
    void SetDropDirection(int nDirection) { m_DropDirection = nDirection; }
    HMENU GetHMenu() const { return m_hMenu; }
    // The menu stays its caller's: the popup never destroys it.
    void SetKeepMenu(BOOL bKeep) { m_bKeepMenu = bKeep; }
    void SetRightAlign(BOOL bRightAlign = TRUE) { m_bRightAlign = bRightAlign; }
    void SetMaxWidth(int iMaxWidth) { m_iMaxWidth = iMaxWidth; }
    int GetMaxWidth() const { return m_iMaxWidth; }
    void SetCloseParent(BOOL bClose) { m_bAutoDestroyParent = bClose; }
    BOOL IsClosing() const { return m_bIsClosing; }
    BOOL IsTracking() const { return m_bTrackMode; }
    void SetTracking(BOOL bTrack) { m_bTrackMode = bTrack; }
    BOOL IsScrollNeeded() const { return m_bScrollable; }
    BOOL IsAnimationDone() const { return m_bAnimationIsDone; }
    // The animation this popup shows, fixed when it is made.
    WTKMenuAnimation GetAnimation() const { return m_animation; }
    // The animation a popup made now shows: the user's setting, except none while a
    // CWTKMenuAnimationOff lives and no fade on a screen of 256 colours or fewer.
    static WTKMenuAnimation GetEffectiveAnimation();
    int GetFadePercent() const { return m_iFadePercent; }
    CSize GetAnimatedSize() const { return m_AnimSize; }
    CSize GetMenuSize() const { return m_FinalSize; }
    int GetShadowDepth() const { return m_iShadowSize; }
    CRect GetTearOffRect() const { return m_rectTearOffCaption; }
    void SetLogo(int nSize, int nLocation)
    {
        m_iLogoWidth = nSize;
        m_nLogoLocation = nLocation;
    }
    CWnd* GetOwnerPage() const { return m_pOwnerPage; }

    // The process's active popup (the innermost open one), or null.
    static CWTKPopupMenu* GetActiveMenu();
    static void SetActiveMenu(CWTKPopupMenu* pMenu);
    // The popup the context menu manager tracks, or null.
    static CWTKPopupMenu* GetTrackedMenu();
    static void SetTrackedMenu(CWTKPopupMenu* pMenu);
    // Number of popup objects alive (construction to destruction).
    static int GetLiveCount();

    // ---- Seams ----
    // The work area of the monitor nearest ptScreen (the monitor API by default).
    using WorkAreaSource = CRect (*)(POINT ptScreen);
    static void SetWorkAreaSource(WorkAreaSource pfnSource);
    static CRect GetWorkArea(POINT ptScreen);
    // Runs one animation step at once (the timer's work), on the framework's tick clock.
    void StepAnimation();

protected:
    // Open's work: the object stays the caller's until the window stands.
    static CWTKPopupMenu* OpenWindow(std::unique_ptr<CWTKPopupMenu> pPopup, CWnd* pWndOwner, int x, int y, HMENU hMenu,
                                     BOOL bLocked, BOOL bOwnMessage);
    // Makes the window; FALSE when it could not be made (the object is left alone).
    BOOL Create(CWnd* pWndOwner, int x, int y, HMENU hMenu, BOOL bLocked, BOOL bOwnMessage);
    void PostNcDestroy() override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    int OnCreate(LPCREATESTRUCTA lpCreateStruct);
    void OnSize(UINT nType, int cx, int cy);
    void OnPaint();
    int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    void OnDestroy();
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnTimer(UINT_PTR nIDEvent);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnActivateApp(BOOL bActive, DWORD dwThreadID);
    DECLARE_MESSAGE_MAP()

    // The frame's toolkit interface, or null for a plain frame.
    CWTKPopupMenuHost* GetHost() const;
    void RemoveRecentFilePlaceholder();
    // The new torn-off bar's floating frame carries it with the mouse; FALSE: cancelled (the
    // bar is gone, the popup shown again).
    BOOL DragTornOffBar(CFrameWnd* pFrame, CWTKToolBar* pBar);
    // The user tools in place of the tools placeholder item.
    void ReplaceUserTools();
    void CheckShadow();
    void DropShadowImages();
    // The layout itself (RecalcLayout guards it against re-entry).
    void RecalcPopupLayout();
    void DrawFinished(CDC* pDC, const CRect& rectClient);
    void DrawAnimationFrame(CDC* pDC);
    void PlaceItemBar();
    void DrawScrollButton(CDC* pDC, const CRect& rect, int nGlyph, BOOL bActive);
    BOOL IsScrollUpAvailable() const;
    BOOL IsScrollDownAvailable() const;
    void EnsureHotVisible();

    // ---- Members, in declaration order ----
    BOOL m_bAutoDestroyParent = TRUE;
    CWnd* m_pMessageWnd = nullptr;
    CWTKToolbarMenuButton* m_pParentBtn = nullptr;
    int m_DropDirection = kDropNone;
    std::unique_ptr<CWTKPopupMenuBar> m_pMenuBar;
    HMENU m_hMenu = nullptr;
    CPoint m_ptLocation = CPoint(0, 0);
    CPoint m_ptLocationInitial = CPoint(0, 0);
    CSize m_FinalSize = CSize(0, 0);
    CWnd* m_pOwnerPage = nullptr;
    CString m_strCaption;
    CSize m_AnimSize = CSize(0, 0);
    BOOL m_bTrackMode = FALSE;
    BOOL m_bRightAlign = FALSE;
    BOOL m_bIsClosing = FALSE;
    int m_iMaxWidth = -1;
    int m_iLogoWidth = 0;
    int m_nLogoLocation = kLogoLeft;
    BOOL m_bScrollable = FALSE;
    int m_iScrollMode = 0;  // -1 up, 1 down, 0 none
    int m_iScrollBtnHeight = 0;
    WTKMenuAnimation m_animation = WTKMenuAnimation::None;
    BOOL m_bAnimationIsDone = FALSE;
    BOOL m_bAnimateFromLeft = TRUE;
    BOOL m_bAnimateFromTop = TRUE;
    CRect m_rectScrollUp;
    CRect m_rectScrollDn;
    CBitmap m_bmpScreen;
    CBitmap m_bmpMenu;
    CBitmap m_bmpOutput;
    COLORREF* m_pBitsScreen = nullptr;
    COLORREF* m_pBitsMenu = nullptr;
    COLORREF* m_pBitsOutput = nullptr;
    CBitmap m_bmpShadowRight;
    CBitmap m_bmpShadowBottom;
    int m_iFadePercent = 0;
    int m_iShadowSize = 0;
    CRect m_rectTearOffCaption;
    BOOL m_bTearOffPressed = FALSE;
    BOOL m_bTearOffHighlighted = FALSE;
    HWND m_hwndTearOffTip = nullptr;
    BOOL m_bTearingOff = FALSE;
    // The window the popup was created for: its dialog or page hears about the popup.
    HWND m_hWndCreator = nullptr;
    // Not in the layout above: the menu stays the caller's.
    BOOL m_bKeepMenu = FALSE;
    DWORD m_dwLastAnimTick = 0;
    // In customisation mode the item bar's layout lays the popup out again: once is enough.
    BOOL m_bInRecalcLayout = FALSE;
    // While Open makes the window, its destruction leaves the object to Open.
    BOOL m_bOpening = FALSE;
};
