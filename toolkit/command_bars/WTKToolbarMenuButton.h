// CWTKToolbarMenuButton: a toolbar button with a list of sub-items that it opens in a popup
// menu window. It is a title on the menu bar, an item inside a popup menu and a drop-down
// button on an ordinary toolbar (with or without a command of its own). It converts a Windows
// menu into its sub-items and back, places its popup, draws itself as a bar button or as a menu
// item, and archives its sub-items after the button's own fields.
#pragma once
#include "command_bars/WTKToolbarButton.h"
#include "command_bars/WTKToolbarButtonList.h"

#include "core/ObList.h"

class CWTKPopupMenu;

// Button styles a menu item takes from its menu.
constexpr UINT kMenuItemStyleColumnBreak = 0x20000000;
constexpr UINT kMenuItemStyleChecked = TBBS_CHECKED;
constexpr UINT kMenuItemStyleDisabled = TBBS_DISABLED;

class CWTKToolbarMenuButton : public CWTKToolbarButton {
    DECLARE_SERIAL(CWTKToolbarMenuButton)

public:
    // The id of a sub-menu item.
    static constexpr UINT kSubMenuId = static_cast<UINT>(-1);
    // Menu flags the items keep.
    static constexpr UINT kMenuBreakFlag = MF_MENUBREAK;
    static constexpr UINT kMenuBarBreakFlag = MF_MENUBARBREAK;

    CWTKToolbarMenuButton();
    CWTKToolbarMenuButton(UINT uiID, HMENU hMenu, int iImage, LPCSTR lpszText = nullptr, BOOL bUserButton = FALSE);
    ~CWTKToolbarMenuButton() override;

    // ---- The button's operations ----
    void Serialize(CArchive& ar) override;
    void CopyFrom(const CWTKToolbarButton& src) override;
    void OnDraw(CDC* pDC, const CRect& rect, CWTKImageStrip* pImages, BOOL bHorz = TRUE, BOOL bCustomizeMode = FALSE,
                BOOL bHighlight = FALSE, BOOL bDrawBorder = TRUE, BOOL bGrayDisabledButtons = TRUE) override;
    CSize OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz) override;
    BOOL OnClick(CWnd* pWnd, BOOL bDelay = TRUE) override;
    void OnChangeParentWnd(CWnd* pWndParent) override;
    void OnCancelMode() override;
    BOOL IsPopupOnPress() const override { return TRUE; }
    int DrawImage(CDC* pDC, CRect rectImage, BOOL bHighlight = FALSE) override;
    BOOL IsDroppedDown() const override { return m_pPopupMenu != nullptr; }
    void CloseAllPopups() override;
    void ResetImageToDefault() override;
    BOOL CompareWith(const CWTKToolbarButton& other) const override;
    void OnPopupClosed() override;
    BOOL HasLookBorder() const override { return FALSE; }
    BOOL IsMenuOpenOnBar() const override;

    // ---- Own operations ----
    // Opens the popup on pWnd (the parent bar when null); FALSE when it did not open.
    virtual BOOL OpenPopupMenu(CWnd* pWnd = nullptr);
    // Opened from the keyboard: the popup's first item becomes the one Return would choose.
    void SelectFirstPopupItem() const;
    // The sub-items become the items of hMenu (replacing the old ones).
    virtual void CreateFromMenu(HMENU hMenu);
    // A new menu from the sub-items, or null (no menu, or it could not be built: nothing is
    // left behind then). The caller owns the result.
    virtual HMENU CreateMenu() const;
    // A new popup, not yet opened, for OpenPopupMenu to open.
    virtual std::unique_ptr<CWTKPopupMenu> CreatePopupMenu();
    // The popup may open without a menu (derived buttons fill it themselves).
    virtual BOOL IsEmptyMenuAllowed() const { return FALSE; }
    // The button fills its popup itself (the item bar sends no command for it).
    virtual BOOL OnBeforeDrag() const { return FALSE; }
    virtual BOOL IsExclusive() const { return FALSE; }
    virtual BOOL IsTearOffMenu() const { return m_uiTearOffBarID != 0; }
    virtual void SetTearOff(UINT uiBarID);

    // ---- State ----
    // Has sub-items, is a title or sub-menu (id 0 or -1) or opens its menu on any press.
    BOOL HasMenu() const;
    // A split button: a command of its own plus a drop-down arrow.
    BOOL IsSplit() const;
    const CWTKToolbarButtonList& GetCommands() const { return m_listCommands; }
    CWTKPopupMenu* GetPopupMenu() const { return m_pPopupMenu; }
    void SetPopupMenu(CWTKPopupMenu* pPopup) { m_pPopupMenu = pPopup; }
    UINT GetTearOffID() const { return m_uiTearOffBarID; }
    BOOL IsDefaultItem() const { return m_bDefault; }
    void SetDefaultItem(BOOL bDefault) { m_bDefault = bDefault; }
    void SetMenuOnly(BOOL bMenuOnly) { m_bMenuOnly = bMenuOnly; }
    BOOL IsMenuOnly() const { return m_bMenuOnly; }
    BOOL IsMenuItemMode() const { return m_bMenuMode; }
    BOOL IsDrawDownArrow() const { return m_bDrawDownArrow; }
    BOOL IsArrowClicked() const { return m_bClickedOnMenu; }
    CWnd* GetParentWnd() const { return m_pWndParent; }
    // Deletes every sub-item.
    void RemoveAllSubItems();
    // Appends a copy of the item (the list owns it).
    void AddSubItem(const CWTKToolbarButton& item);

    // The menu text cut by characters from its end until it plus "..." fits cxMax; an empty
    // result when not even "..." fits.
    static CString CutTextToWidth(CDC* pDC, const CString& strText, int cxMax);

    // The workspace's version record says the archives carry the tear-off id.
    static BOOL IsTearOffFieldStored();

    BOOL m_bToBeClosed = FALSE;  // the item bar closes the popup after its delay

protected:
    void DrawMenuItem(CDC* pDC, const CRect& rect, CWTKImageStrip* pImages, BOOL bCustomizeMode, BOOL bHighlight,
                      BOOL bGrayDisabledButtons);
    int ArrowExtent(BOOL bHorz) const;
    // With a keyboard manager: the item's text ends in the keys bound to its command now.
    void UpdateAcceleratorText();
    // Redraws the button's rectangle inflated by the look's menu shadow depth.
    void RedrawWithShadow();

    CWTKToolbarButtonList m_listCommands;
    BOOL m_bDrawDownArrow = FALSE;
    BOOL m_bMenuMode = FALSE;
    CWTKPopupMenu* m_pPopupMenu = nullptr;
    CWnd* m_pWndParent = nullptr;
    BOOL m_bDefault = FALSE;
    BOOL m_bClickedOnMenu = FALSE;
    BOOL m_bMenuOnly = FALSE;
    BOOL m_bImageRefresh = FALSE;
    UINT m_uiTearOffBarID = 0;
};
