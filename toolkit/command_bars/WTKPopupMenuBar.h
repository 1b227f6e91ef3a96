// CWTKPopupMenuBar: the item bar inside a popup menu window (CWTKPopupMenu, child id 1). A
// toolbar laid out as a vertical menu of CWTKToolbarMenuButton items: it imports a Windows
// menu and builds one back, hides rarely used commands when recently used menus are on, lays
// the items out in rows and columns, handles the keyboard and the mouse inside the menu, opens
// and closes sub-menus after the system's menu delay and turns a chosen item into a command
// for the popup's message target.
//
// Sources: WTKPopupMenuBar.cpp (import, export, sizes, layout, painting, drag and drop),
// WTKPopupMenuBarInput.cpp (hot item, sub-menu timers, keys, mouse, commands).
#pragma once
#include "command_bars/WTKToolBar.h"

#include "core/Map.h"

#include <vector>

class CWTKPopupMenu;
class CWTKToolbarMenuButton;

class CWTKPopupMenuBar : public CWTKToolBar {
    DECLARE_SERIAL(CWTKPopupMenuBar)

public:
    CWTKPopupMenuBar();
    ~CWTKPopupMenuBar() override;
    CWTKPopupMenuBar(const CWTKPopupMenuBar&) = delete;
    CWTKPopupMenuBar& operator=(const CWTKPopupMenuBar&) = delete;

    // ---- Timers and the menu delay ----
    static constexpr UINT_PTR kOpenSubMenuTimer = 1;   // opens the pending sub-menu
    static constexpr UINT_PTR kCloseSubMenuTimer = 2;  // closes the delayed-close sub-menu
    static constexpr int kDefaultMenuShowDelay = 500;  // no "MenuShowDelay" value
    static constexpr int kMaxMenuShowDelay = 5000;
    static constexpr int kEmptyMenuWidth = 52;
    static constexpr int kEmptyMenuHeight = 22;
    static constexpr int kSeparatorHeight = 8;
    static constexpr int kAcceleratorGap = 10;  // extra width of an item with an accelerator

    // ---- Overrides of the toolbar ----
    Kind GetLookKind() const override { return kindPopupMenuBar; }
    void SetButtonStyle(int nIndex, UINT nStyle) override;
    // Mnemonics are handled by OnKey.
    BOOL TranslateChar(UINT /*nChar*/) override { return FALSE; }
    BOOL GetButtonTooltip(CWTKToolbarButton* pButton) override;
    void OnDrawBarBorders(CDC* pDC, CRect rectClient) override;
    CSize CalcSize(BOOL bVertDock) override;
    void OnChangeHot(int iHot) override;
    void DrawDragMarker(CDC* pDC) override;
    CWnd* GetCommandTarget() const override;
    DROPEFFECT OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override;
    int FindDropIndex(CPoint point, CRect& rectDrag) const override;
    void AdjustLocations() override;
    BOOL OnSendCommand(const CWTKToolbarButton* pButton) override;
    // An item bar is no toolbar of the customisation sheet's list.
    BOOL AllowShowOnList() const override { return FALSE; }
    BOOL IsLookExtraSizeAvailable() const override { return FALSE; }
    std::unique_ptr<CWTKToolbarButton> CreateDroppedButton(COleDataObject* pDataObject) override;
    BOOL OnKey(UINT nChar) override;
    void OnCustomizeMenuInit(CMenu* pMenu, int iButton) override;
    INT_PTR OnToolHitTest(CPoint point, TTTOOLINFOA* pTI) const override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    void RemoveAllButtons() override;
    // Separators run across the menu.
    void DrawSeparator(CDC* pDC, const CRect& rect, BOOL bHorz) override;

    // ---- Items ----
    // Rebuilds the items from the menu; FALSE (no items) for a null or unknown menu handle.
    // showAll keeps rarely used commands.
    virtual BOOL ImportFromMenu(HMENU hMenu, BOOL bShowAllCommands = FALSE);
    // A new popup menu built from the items (the caller owns it), or null.
    virtual HMENU ExportToMenu() const;
    // Chooses the item: posts the command (id 0: none) and closes the popup chain. The popup
    // is closed by a posted message, so the caller may go on using the bar and the button.
    virtual void InvokeMenuCommand(UINT uiCmdId, const CWTKToolbarButton* pMenuItem);

    // ---- Sub-menus ----
    // Opens the button's popup after nFactor x the menu delay.
    virtual void StartPopupTimer(CWTKToolbarMenuButton* pMenuButton, int nFactor = 1);
    void CloseDelayedSubMenu();
    // Cancels a delayed close.
    void RestoreDelayedSubMenu();
    CWTKToolbarMenuButton* GetDelayedSubMenuButton() const { return m_pDelayedClosePopupMenuButton; }
    CWTKToolbarMenuButton* GetPendingSubMenuButton() const { return m_pDelayedPopupMenuButton; }

    // Set on this bar and its parent bars while a chosen command is dispatched.
    void SetCommandSentFlag(BOOL bSent);
    BOOL IsCommandSent() const { return m_bCommandSent; }
    // The item bar of the first parent popup whose client area holds the point (screen), else
    // the root toolbar when its client area holds it, else null.
    CWTKToolBar* FindParentBarAt(CPoint ptScreen) const;

    // The popup window that holds the bar (its parent), or null.
    CWTKPopupMenu* GetParentPopupMenu() const;

    UINT GetDefaultMenuId() const { return m_uiDefaultMenuCmdId; }
    BOOL AreAllCommandsShown() const { return m_bAreAllCommandsShown; }
    // The command of the hidden item with the mnemonic letter (upper case), or 0.
    UINT GetHiddenItemCommand(UINT uiLetter) const;
    void SetMaxWidth(int nMaxWidth) { m_iMaxWidth = nMaxWidth; }
    int GetMaxWidth() const { return m_iMaxWidth; }
    void SetTrackMode(BOOL bTrackMode) { m_bTrackMode = bTrackMode; }
    BOOL IsTrackMode() const { return m_bTrackMode; }
    void SetLocked(BOOL bLocked) { m_bLocked = bLocked; }
    int GetOffset() const { return m_iOffset; }
    void SetOffset(int iOffset) { m_iOffset = iOffset; }
    int GetHighlighted() const { return m_iHighlighted; }
    // Makes the item hot (-1: none) as the keyboard does.
    void SetHot(int iHot);

    // ---- Process-wide ----
    // The system's menu delay in milliseconds, read once.
    static int GetMenuShowDelay();
    // Reads "MenuShowDelay" through the reader: missing gives 500, above 5000 (compared
    // unsigned) gives 5000.
    static int ReadMenuShowDelay();
    // The registry read: TRUE with the value's text, FALSE when the key or value is missing.
    using MenuShowDelayReader = BOOL (*)(CString& strValue);
    // Null goes back to the current user's "Control Panel\Desktop" value; the cached delay is
    // read again on next use.
    static void SetMenuShowDelayReader(MenuShowDelayReader pfnReader);

    // The index of the item last chosen, -1 after a choice without an item.
    static int GetLastCommandIndex() { return s_iLastCommandIndex; }

    // Commands that shortened menus never hide.
    static void AddLockedCommand(UINT uiCmd);
    static void RemoveLockedCommand(UINT uiCmd);
    static BOOL IsLockedCommand(UINT uiCmd);
    static void ClearLockedCommands();

protected:
    // The upper-case mnemonic letter of a menu text, or 0.
    static UINT MnemonicLetter(const CString& strText);
    BOOL IsSubMenuItem(const CWTKToolbarButton* pButton) const;
    CWTKToolBar* GetRootToolBar() const;
    CWTKPopupMenuBar* GetParentPopupBar() const;
    // Moves the hot item to the next (or previous) item that is no separator and has a
    // rectangle, starting after iFrom, wrapping around.
    int FindNextHot(int iFrom, BOOL bForward) const;
    CWnd* GetMessageTarget() const;
    // The command target of the chain's first popup's items, which outlives the chain.
    CWnd* GetChainCommandTarget() const;
    // Forwards a mouse message to the bar under the cursor among the parents; TRUE when sent.
    BOOL ForwardToParentBar(UINT message, UINT nFlags, CPoint point);
    BOOL IsCursorOnButton(const CWTKToolbarButton* pButton) const;

    int OnCreate(LPCREATESTRUCTA lpcs);
    void OnDestroy();
    void OnTimer(UINT_PTR nIDEvent);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    void OnToolbarImageAndText();
    void OnToolbarText();
    DECLARE_MESSAGE_MAP()

    // ---- Members, in the order the bar declares them ----
    UINT m_uiDefaultMenuCmdId = 0;
    CWTKToolbarMenuButton* m_pDelayedPopupMenuButton = nullptr;
    CWTKToolbarMenuButton* m_pDelayedClosePopupMenuButton = nullptr;
    BOOL m_bFirstClick = TRUE;  // the opening release is pending
    BOOL m_bFirstMove = TRUE;
    int m_iOffset = 0;  // first visible row
    int m_xSeparatorOffsetLeft = 0;
    int m_xSeparatorOffsetRight = 0;
    BOOL m_bAreAllCommandsShown = TRUE;
    int m_iMaxWidth = -1;
    std::vector<int> m_arColumns;
    CMap<UINT, UINT, UINT, UINT> m_HiddenItemsAccel;
    BOOL m_bCommandSent = FALSE;
    BOOL m_bTrackMode = FALSE;
    BOOL m_bAllowMouseUp = TRUE;

    static int s_nMenuShowDelay;  // -1 until read
    static int s_iLastCommandIndex;
};
