// CWTKMenuBar: the frame's menu as a dockable toolbar. Each top-level popup of the menu becomes
// a CWTKToolbarMenuButton that drops down a CWTKPopupMenu; top-level commands become plain
// buttons. Every menu handle shown keeps its own button set in the toolbar snapshot store, and
// while an MDI child is maximised the bar carries the child's system-menu icon at its left and
// its minimise, restore and close boxes at its right.
//
// Menu handles are never owned by the bar: the frame owns its default menu and each document
// template its shared menu. The bar only forgets a handle.
//
// Sources: WTKMenuBar.cpp (menus, system buttons, layout, keyboard), WTKMenuBarState.cpp
// (registry state, original state, per-template menus).
#pragma once
#include "command_bars/WTKToolBar.h"

class CMDIFrameWnd;
class CMDIChildWnd;
class CMultiDocTemplate;
class CWTKMenuBarHost;
class CWTKToolbarMenuButton;

class CWTKMenuBar : public CWTKToolBar {
    DECLARE_SERIAL(CWTKMenuBar)

public:
    static constexpr char kProfileName[] = "WTKMenuBar";
    // Timer that expands the dropped-down menu to all its items after a while.
    static constexpr UINT_PTR kShowAllTimerId = 1;
    static constexpr UINT kShowAllTimerDelay = 5000;

    CWTKMenuBar();
    ~CWTKMenuBar() override;

    // ---- Toolbar operations replaced ----
    Kind GetLookKind() const override { return kindMenuBar; }
    INT_PTR OnToolHitTest(CPoint point, TTTOOLINFOA* pTI) const override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP, UINT nID = kMenuBarId) override;
    BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = kFlatStyle, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP,
                  CRect rcBorders = CRect(1, 1, 1, 1), UINT nID = kMenuBarId) override;
    int GetRowHeight() const override;
    int GetColumnWidth() const override;
    BOOL IsLookExtraSizeAvailable() const override { return FALSE; }
    BOOL LoadState(LPCTSTR lpszProfileName = nullptr, int nIndex = -1, UINT uiID = static_cast<UINT>(-1)) override;
    BOOL SaveState(LPCTSTR lpszProfileName = nullptr, int nIndex = -1, UINT uiID = static_cast<UINT>(-1)) override;
    BOOL CanBeClosed() const override { return FALSE; }
    BOOL RestoreOriginalState() override;
    BOOL GetButtonTooltip(CWTKToolbarButton* pButton) override;
    void OnChangeHot(int iHot) override;
    CSize CalcLayout(DWORD dwMode, int nLength = -1) override;
    int FindDropIndex(CPoint point, CRect& rectDrag) const override;
    void AdjustLocations() override;
    BOOL OnSendCommand(const CWTKToolbarButton* pButton) override;
    BOOL IsMenuMode() const override { return TRUE; }
    BOOL AllowChangeTextLabels() const override { return FALSE; }

    // ---- The menu bar's own ----
    // Rebuilds the bar from hMenu (or restores its snapshot); bDefaultMenu makes it the default
    // menu; bForceUpdate rebuilds even when hMenu is shown already.
    virtual void CreateFromMenu(HMENU hMenu, BOOL bDefaultMenu = FALSE, BOOL bForceUpdate = FALSE);

    // Adds (with a child) or removes the system-menu icon and the boxes of a maximised MDI child.
    void SetMaximizeMode(BOOL bMax, CWnd* pWnd = nullptr, BOOL bRecalcLayout = TRUE);
    // Puts the system buttons back for the MDI frame's active child after a temporary removal.
    void RestoreMaximizeMode();
    BOOL IsMaximizeMode() const { return m_bMaximizeMode; }
    int GetSystemButtonsCount() const { return m_nSystemButtonsNum; }

    void SetDefaultMenuResId(UINT uiResId) { m_uiDefMenuResId = uiResId; }
    UINT GetDefaultMenuResId() const { return m_uiDefMenuResId; }
    HMENU GetHMenu() const { return m_hMenu; }
    HMENU GetDefaultMenu() const { return m_hDefaultMenu; }
    HMENU GetChildSystemMenu() const { return m_hSysMenu; }
    CWnd* GetMenuParentFrame() const { return m_pParentWnd; }
    // Size of one minimise, restore or close box.
    CSize GetSystemButtonSize() const { return CSize(m_nSystemButtonsWidth, m_nSystemButtonsHeight); }

    // Hands the template's shared menu and accelerators to every MDI child frame of its documents.
    void UpdateMDIChildrenMenus(CMultiDocTemplate* pTemplate);
    // Refills the original items from a menu resource (only when the workspace keeps them).
    void LoadMenuOriginalItems(UINT uiResId);

    // The horizontal or vertical menu font of the global drawing data.
    static CFont& GetMenuFont(BOOL bHorz = TRUE);
    // Makes every popup show its rarely used items as well.
    static void SetShowAllCommands(BOOL bShowAllCommands = TRUE);
    static BOOL IsShowAllCommands() { return s_bShowAllCommands; }
    // Text of the item with command uiCmd in hMenu or, depth first, its sub-menus, as
    // GetMenuString gives it; FALSE for a null menu, id 0 or -1, or no such item.
    static BOOL FindMenuText(HMENU hMenu, UINT uiCmd, CString& strText);
    // The bar whose dock drag the thread mouse hook watches (null when none), and that hook as
    // the system calls it.
    static CWTKMenuBar* GetDragHookBar() { return s_pDragHookBar; }
    static LRESULT CALLBACK DragMouseHookProc(int nCode, WPARAM wParam, LPARAM lParam);

    static constexpr UINT kMenuBarId = 0xE800;

protected:
    // The MDI frame the bar serves (its parent frame, or that frame's parent when the bar
    // floats), or null.
    CMDIFrameWnd* GetMDIFrame() const;
    CMDIChildWnd* GetActiveMDIChild() const;
    CWTKMenuBarHost* GetHost() const;
    // The system-menu button and the boxes for pChild, with the flag set; FALSE without a
    // system menu.
    BOOL AddSystemButtons(CWnd* pChild);
    void RemoveSystemButtons();
    void CalcSysButtonSize();
    // Index past the last ordinary button (the boxes and the overflow button excluded).
    int GetOrdinaryButtonsEnd() const;
    int GetOrdinaryButtonsStart() const;
    // Builds the buttons of hMenu's items.
    void BuildFromMenu(HMENU hMenu);
    // Removes one button without the toolbar's separator clean-up; the indexes are reset.
    void DeleteButtonAt(int iIndex);
    // Reloads a menu resource in place of hOld: rebuilds the bar from it and stores it.
    HMENU ReloadMenu(UINT uiResId, HMENU hOld);
    void MoveHot(int iDelta);
    BOOL DropDownHot();
    void UpdateHasImages();

    int OnCreate(LPCREATESTRUCTA lpcs);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnSetFocus(CWnd* pOldWnd);
    void OnTimer(UINT_PTR nIDEvent);
    void OnSettingChange(UINT uFlags, LPCSTR lpszSection);
    void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    DECLARE_MESSAGE_MAP()

    // While the bar is dragged, a thread mouse hook waits for the release: the drop then
    // belongs to the work area of the monitor that holds the bar.
    void SetDragHook();
    void RemoveDragHook();

    CWnd* m_pParentWnd = nullptr;
    BOOL m_bMaximizeMode = FALSE;
    HMENU m_hMenu = nullptr;
    HMENU m_hDefaultMenu = nullptr;
    HMENU m_hSysMenu = nullptr;
    HICON m_hSysIcon = nullptr;
    UINT m_uiDefMenuResId = 0;
    int m_nSystemButtonsNumSaved = 0;
    int m_nSystemButtonsNum = 0;
    BOOL m_bHaveButtons = FALSE;
    int m_nSystemButtonsWidth = 0;
    int m_nSystemButtonsHeight = 0;
    BOOL m_bAutoDocMenus = TRUE;

    static BOOL s_bShowAllCommands;
    static HHOOK s_hookDrag;
    static CWTKMenuBar* s_pDragHookBar;
};
