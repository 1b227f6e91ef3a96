// CWTKTasksPane: a docking pane built on the Outlook bar that shows one of several pages of
// task groups. A group has a caption (a click collapses or expands it) and a list of tasks: links
// with an icon that send a command, or child windows the group holds. A navigation toolbar
// offers Back, Forward, Home, Close and a menu of the other pages; the pages visited are kept in
// a history of bounded length.
//
// Sources by responsibility: WTKTasksPane.cpp (pages, groups, tasks, history, commands),
// WTKTasksPaneLayout.cpp (layout, scrolling, painting), WTKTasksPaneMouse.cpp (mouse, timers).
#pragma once

#include "frames/TasksPaneMenuButton.h"
#include "frames/TasksPaneToolBar.h"
#include "frames/WTKOutlookBar.h"
#include "frames/WTKTask.h"
#include "frames/WTKTasksGroup.h"

#include "core/ObList.h"
#include "core/String.h"
#include "gdi/GdiObject.h"
#include "gdi/ImageList.h"
#include "win/Menu.h"
#include "win/ScrollBar.h"

#include <vector>

// Shows the pane's page menu at a screen point and answers the command chosen (0 for none); a
// test replaces it to choose without a modal menu loop.
using WTKTasksPaneMenuTracker = UINT (*)(HMENU hMenu, CPoint ptScreen, CWnd* pOwner);

class CWTKTasksPane : public CWTKOutlookBar {
    DECLARE_SERIAL(CWTKTasksPane)

public:
    // Commands of the pane (their labels are the strings of the same numbers).
    static constexpr UINT kCmdBack = 17016;
    static constexpr UINT kCmdForward = 17017;
    static constexpr UINT kCmdHome = 17018;
    static constexpr UINT kCmdClose = 17019;
    static constexpr UINT kCmdOtherPages = 17020;
    // Child window ids of the pane's own controls.
    static constexpr UINT kPagesMenuButtonId = 4;
    static constexpr UINT kForwardButtonId = 5;
    static constexpr UINT kBackButtonId = 6;
    static constexpr UINT kScrollBarId = 7;
    static constexpr UINT kNavigationToolBarId = 8;
    // Timers.
    static constexpr UINT_PTR kAnimationTimer = 1;
    static constexpr UINT_PTR kScrollAreaTimer = 2;
    static constexpr UINT kAnimationTimerMs = 30;
    static constexpr UINT kScrollAreaTimerMs = 80;
    // The nine layout metrics, in the order of the look's list.
    enum Metric {
        kVertMargin,
        kHorzMargin,
        kGroupSpacing,
        kCaptionMinHeight,
        kCaptionTextOffsetX,
        kCaptionTextOffsetY,
        kTaskIndent,
        kTaskIconGap,
        kTaskSpacing,
        kMetricCount
    };
    static constexpr int kDefaultMaxHistory = 10;

    CWTKTasksPane();
    ~CWTKTasksPane() override;
    CWTKTasksPane(const CWTKTasksPane&) = delete;
    CWTKTasksPane& operator=(const CWTKTasksPane&) = delete;

    // A vertical pane docked at the right by default.
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_RIGHT,
                UINT nID = kDefaultTasksPaneId) override;
    static constexpr UINT kDefaultTasksPaneId = 0xE806;

    // ---- Pages (page 0 exists from the start) ----
    int AddPage(LPCSTR lpszName);
    int GetPageCount() const { return static_cast<int>(m_arrPages.size()); }
    CString GetPageName(int nPage) const;
    int GetActivePage() const { return m_nActivePage; }
    // Records the page in the history; nothing happens when it is current or does not exist.
    void SetActivePage(int nPage);

    // ---- Groups and tasks ----
    // The group's index in the pane's list of all groups, or -1 for a page that does not exist.
    int AddGroup(int nPage, LPCSTR lpszCaption, BOOL bBottomLocation = FALSE, BOOL bSpecial = FALSE,
                 HICON hIcon = nullptr);
    int AddGroup(LPCSTR lpszCaption, BOOL bBottomLocation = FALSE, BOOL bSpecial = FALSE, HICON hIcon = nullptr)
    {
        return AddGroup(0, lpszCaption, bBottomLocation, bSpecial, hIcon);
    }
    // The task's index in its group, or -1 for a group that does not exist.
    int AddTask(int nGroup, LPCSTR lpszName, int nIcon = -1, UINT uiCommandID = 0, DWORD_PTR dwUserData = 0);
    // A task that holds hwndTask (a child of the pane) nWindowHeight pixels high.
    int AddWindow(int nGroup, HWND hwndTask, int nWindowHeight, BOOL bAutoDestroyWindow = FALSE,
                  DWORD_PTR dwUserData = 0);
    int GetGroupCount() const { return static_cast<int>(m_lstTaskGroups.GetCount()); }
    CWTKTasksGroup* GetGroup(int nGroup) const;
    CWTKTask* GetTask(int nGroup, int nTask) const;
    BOOL CollapseGroup(int nGroup, BOOL bCollapse = TRUE);
    void RemoveAllGroups(int nPage = -1);
    // Images of the tasks; the pane keeps its own copy.
    BOOL SetIconsList(HIMAGELIST hIcons);

    // ---- Navigation ----
    void OnPressBackButton();
    void OnPressForwardButton();
    void OnPressHomeButton();
    void OnPressCloseButton();
    BOOL IsBackEnabled() const { return m_iCurrentHistory > 0; }
    BOOL IsForwardEnabled() const { return m_iCurrentHistory < static_cast<int>(m_arrHistory.size()) - 1; }
    // The longest history kept; 0 and 1 keep only the current page.
    void SetMaxHistory(int nMax);
    int GetMaxHistory() const { return m_nMaxHistory; }
    const std::vector<int>& GetHistory() const { return m_arrHistory; }
    int GetHistoryPosition() const { return m_iCurrentHistory; }
    // One item per page, each the command 17020 with the page's name, the current one checked.
    void BuildPagesMenu();
    HMENU GetPagesMenu() const { return m_menuOther.GetSafeHmenu(); }
    // Opens the page menu under the page-menu button and switches to the page chosen.
    void ShowPagesMenu(CPoint ptScreen);
    static void SetMenuTracker(WTKTasksPaneMenuTracker pfn);

    // ---- Options ----
    void EnableNavigationToolbar(BOOL bEnable = TRUE);
    BOOL IsNavigationToolbarEnabled() const { return m_bUseNavigationToolbar; }
    void EnableScrollButtons(BOOL bEnable = TRUE);
    void EnableAnimation(BOOL bEnable = TRUE) { m_bAnimationEnabled = bEnable; }
    BOOL IsAnimationEnabled() const { return m_bAnimationEnabled; }
    void EnableGroupCollapse(BOOL bEnable = TRUE) { m_bCanCollapse = bEnable; }
    // -1 follows the current look's metric of the same number.
    void SetMetric(Metric metric, int nValue);
    int GetMetric(Metric metric) const;
    void SetRowHeight(int nHeight) { m_nRowHeight = nHeight; }

    // ---- State read by tests and owners ----
    CTasksPaneToolBar& GetNavigationToolBar() { return m_wndToolBar; }
    CScrollBar& GetScrollBar() { return m_wndScrollVert; }
    int GetFirstVisibleLine() const { return m_nVscrollOffset; }
    int GetLastLine() const { return m_nVscrollTotal; }
    int GetViewLines() const { return m_nViewLines; }
    CRect GetTasksArea() const { return m_rectTasks; }
    CWTKTask* GetHotTask() const { return m_pHotTask; }
    CWTKTasksGroup* GetAnimatedGroup() const { return m_pAnimatedGroup; }
    int GetAnimatedHeight() const { return m_nAnimatedHeight; }
    CFont* GetTaskFont() { return &m_fontTasks; }
    CFont* GetGroupFont() { return &m_fontGroups; }

    // A click on a task: the group's index among all groups, the task's index in its group, its
    // command and its value. The pane sends a command task's command to its owner; a program
    // overrides it to act otherwise.
    virtual void OnClickTask(int nGroupNumber, int nTaskNumber, UINT uiCommandID, DWORD_PTR dwUserData);

    // ---- Control bar ----
    void AdjustLocations() override;
    void DoPaint(CDC* pDC) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    BOOL AllowShowOnList() const override { return TRUE; }

    // The layout pass: the content height; bPlace also stores rectangles and moves the task
    // windows.
    int ReposTasks(BOOL bPlace);

protected:
    struct PageRecord {
        CString strName;
    };

    // Layout (WTKTasksPaneLayout.cpp).
    // Does nothing until the pane and its navigation toolbar exist.
    void RecalcLayout(BOOL bRedraw = TRUE);
    void UpdateScrollState();
    BOOL ShowsNavigationToolbar() const;
    // The height of a task line: the task font's, or the row height when that is more.
    int LineHeight(CDC* pDC);
    int LineHeight();
    void DrawGroups(CDC* pDC);
    void CreateFonts();
    CWTKTasksGroup* GroupCaptionAt(CPoint point) const;
    CWTKTask* TaskAt(CPoint point) const;
    void RedrawRect(const CRect& rect);
    // Makes the task or the caption hot (or neither) and redraws what was hot before.
    void SetHot(CWTKTask* pTask, CWTKTasksGroup* pCaption);
    void ScrollTo(int nLine);

    // Navigation pieces (WTKTasksPane.cpp).
    void ChangeActivePage(int nNewPage, int nOldPage);
    // Moves the history position by nStep and shows the page recorded there.
    void StepHistory(int nStep);
    void UpdateWindowText();
    void UpdateNavigationButtons();
    BOOL CreateNavigationToolBar();
    int GroupIndex(const CWTKTasksGroup* pGroup) const;
    static WTKTasksPaneMenuTracker& MenuTrackerSlot();

    // Message handlers (WTKTasksPaneMouse.cpp and WTKTasksPane.cpp).
    int OnCreate(LPCREATESTRUCTA lpcs);
    void OnDestroy();
    void OnSize(UINT nType, int cx, int cy);
    void OnSettingChange(UINT uFlags, LPCSTR lpszSection);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnCancelMode();
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    void OnTimer(UINT_PTR nIDEvent);
    LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetFont(WPARAM wParam, LPARAM lParam);
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnAnimationTick();
    void OnScrollAreaTick();
    DECLARE_MESSAGE_MAP()

    // ---- Members ----
    std::vector<PageRecord> m_arrPages;
    int m_nActivePage = 0;
    std::vector<int> m_arrHistory;
    int m_iCurrentHistory = 0;
    int m_nMaxHistory = kDefaultMaxHistory;
    CObList m_lstTaskGroups;  // CWTKTasksGroup, owned
    CString m_strCaption = "Tasks Pane";
    HFONT m_hFont = nullptr;  // not owned; null: the default GUI font
    CFont m_fontGroups;
    CFont m_fontTasks;
    HCURSOR m_hcurHand = nullptr;
    CImageList m_lstIcons;
    CSize m_sizeIcon;
    int m_nVscrollOffset = 0;
    int m_nVscrollTotal = 0;
    int m_nViewLines = 0;
    int m_nLineHeight = 0;
    CScrollBar m_wndScrollVert;
    BOOL m_bScrollButtons = FALSE;  // scroll-area mode
    CRect m_rectScrollUp;
    CRect m_rectScrollDn;
    int m_iScrollMode = 0;  // -1 up, 1 down, 0 none
    CTasksPaneToolBar m_wndToolBar;
    CRect m_rectToolbar;
    BOOL m_bUseNavigationToolbar = TRUE;
    CWTKButton* m_pPagesButton = nullptr;
    CWTKButton* m_pForwardButton = nullptr;
    CWTKButton* m_pBackButton = nullptr;
    CMenu m_menuOther;
    int m_arrMetrics[kMetricCount] = {-1, -1, -1, -1, -1, -1, -1, -1, -1};
    int m_nRowHeight = 0;
    int m_nScrollAreaHeight = 12;
    CRect m_rectTasks;  // the work area of the groups
    BOOL m_bCanCollapse = TRUE;
    BOOL m_bAnimationEnabled = FALSE;
    CWTKTasksGroup* m_pAnimatedGroup = nullptr;
    int m_nAnimatedHeight = 0;
    DWORD m_dwAnimationTick = 0;
    CWTKTask* m_pHotTask = nullptr;
    CWTKTask* m_pClickedTask = nullptr;
    CWTKTasksGroup* m_pHotGroupCaption = nullptr;
    CWTKTasksGroup* m_pClickedGroupCaption = nullptr;
};
