// CWTKToolbarCustomize: the "Customize" property sheet. While its window exists the toolbars are
// in customise mode, the sheet is the process's customisation sheet (the command bars reach it
// through CWTKCustomizeLink) and its pages edit the frame's bars, menus, keys and options.
//
// The sheet keeps the command categories its pages list: an ordered list of category names,
// each with its command buttons, and the "All Commands" category that holds one button per
// command of every category. The caller fills the categories before it creates the window.
//
// A sheet opened modeless (Create) deletes itself when its window goes: make it with new.
#pragma once
#include "command_bars/WTKCustomizeLink.h"
#include "command_bars/WTKToolbarButtonList.h"

#include "core/ObList.h"
#include "core/String.h"
#include "win/PropertySheet.h"

#include <memory>
#include <vector>

class CBitmap;
class CComboBox;
class CFrameWnd;
class CListBox;
class CWTKToolbarsPage;

class CWTKToolbarCustomize : public CPropertySheet, public CWTKCustomizeLink {
    DECLARE_DYNAMIC(CWTKToolbarCustomize)
public:
    // Option flags: which optional controls the pages show.
    static constexpr UINT kMenuShadows = 0x01;          // Menu page: "Menu s&hadows"
    static constexpr UINT kTextLabels = 0x02;           // Toolbars page: "&Show text labels"
    static constexpr UINT kLook2000 = 0x04;             // Options page: "Look &2000"
    static constexpr UINT kMenuAnimations = 0x08;       // Menu page: the animation label and combo
    static constexpr UINT kUserToolbars = 0x10;         // Toolbars page: New, Rename and Delete
    static constexpr UINT kContextHelp = 0x20;          // the caption's "?" button
    static constexpr UINT kMenuPersonalisation = 0x40;  // Options page: the personalised-menus group
    static constexpr UINT kDefaultFlags =
        kMenuShadows | kTextLabels | kMenuAnimations | kUserToolbars | kMenuPersonalisation;

    // The help id of a control is this base plus the control id.
    static constexpr DWORD kControlHelpIdBase = 0x41000;

    // pFrame: the frame whose bars and menus the sheet customises (also the target of the
    // registered toolbar messages). The standard pages are made here, in their tab order.
    explicit CWTKToolbarCustomize(CFrameWnd* pFrame, UINT uiFlags = kDefaultFlags);
    ~CWTKToolbarCustomize() override;
    CWTKToolbarCustomize(const CWTKToolbarCustomize&) = delete;
    CWTKToolbarCustomize& operator=(const CWTKToolbarCustomize&) = delete;

    // The sheet whose window exists, or null.
    static CWTKToolbarCustomize* GetCustomizeSheet();
    // The customisation sheet that holds the page's window, or null (no window, another sheet).
    static CWTKToolbarCustomize* FromPage(const CWnd* pPage);
    // That sheet's frame while its window exists, or null.
    static CFrameWnd* GetLiveFrame(const CWnd* pPage);
    // That sheet's option flags; none without the sheet.
    static UINT GetFlagsOf(const CWnd* pPage);
    // Whether the list a page's category entry carries is that sheet's "All Commands".
    static BOOL IsAllCommands(const CWnd* pPage, const CWTKToolbarButtonList* pCommands);

    // ---- Pages (before the window is made) ----
    // Appends a page the sheet owns from now on (it deletes it with itself).
    void AddCustomPage(CPropertyPage* pPage);
    // Appends a page made through its runtime class; FALSE when the class makes no page.
    BOOL AddCustomPage(CRuntimeClass* pPageClass);
    CWTKToolbarsPage* GetToolbarsPage() const { return m_pToolbarsPage; }

    // ---- Commands (before the window is made) ----
    // Appends a copy of the button to the category (made when new) unless the category holds
    // its command already; ids other than 0 and -1 also go into "All Commands", once per id.
    // iInsertAt -1 appends.
    void AddButton(LPCSTR lpszCategory, const CWTKToolbarButton& button, int iInsertAt = -1);
    // Every command of a toolbar resource, with the text of its string resource (the part
    // after the "\n", else the prompt); separators too. FALSE when the resource is missing.
    BOOL AddToolBar(LPCSTR lpszCategory, UINT uiToolbarResId);
    // The menu's top-level popups become categories named by their item texts (without "&"),
    // their items (sub-menus walked) its commands. FALSE when the menu is missing.
    BOOL AddMenuCommands(UINT uiMenuResId);
    // Forgets one command in one category, or everywhere with a null category.
    void RemoveButton(LPCSTR lpszCategory, UINT uiCmd);

    // ---- What the pages read ----
    UINT GetFlags() const { return m_uiFlags; }
    CFrameWnd* GetFrame() const { return m_pFrame; }
    const CString& GetAllCommandsName() const { return m_strAllCommands; }
    // The buttons of a category (the "All Commands" name included), or null.
    const CWTKToolbarButtonList* GetCommandsByCategory(LPCSTR lpszCategory) const;
    const CWTKToolbarButtonList& GetAllCommands() const { return m_allCommands; }
    // Every category name in order, with its button list (const CWTKToolbarButtonList*) as item data; with
    // bAllCategories FALSE only categories holding a command whose id is neither 0 nor -1;
    // "All Commands" last.
    void FillCategoriesComboBox(CComboBox& wndCategory, BOOL bAllCategories = TRUE) const;
    void FillCategoriesListBox(CListBox& wndCategory, BOOL bAllCategories = TRUE) const;
    // The text of the command in "All Commands"; FALSE when it is not there.
    BOOL GetCommandName(UINT uiCmd, CString& strText) const;
    // How many buttons of the list carry the text.
    static int GetCountInCategory(LPCSTR lpszItemName, const CWTKToolbarButtonList& lstCommands);
    // A command id proper: neither a separator's 0 nor a sub-menu's -1.
    static BOOL IsRealCommand(UINT uiCmd);

    // ---- CWTKCustomizeLink ----
    void ShowToolBar(CWTKToolBar* pBar, BOOL bShow) override;
    BOOL EditButtonAppearance(CWTKToolbarButton* pButton, CWTKImageStrip* pUserImages, CWnd* pParent,
                              int iFirstUserImage, BOOL bMenuItem) override;

    // The image editor asks the sheet first: TRUE when the sheet edited the bitmap itself.
    virtual BOOL OnEditToolbarMenuImage(CWnd* pWndParent, CBitmap& bitmap, int nBitsPerPixel);

    BOOL Create(CWnd* pParentWnd = nullptr, DWORD dwStyle = (DWORD)-1, DWORD dwExStyle = 0) override;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override;
    int OnCreate(LPCREATESTRUCTA lpcs);
    void OnDestroy();
    LRESULT OnHelp(WPARAM wParam, LPARAM lParam);
    void OnContextMenu(CWnd* pWnd, CPoint point);
    void OnSysCommand(UINT nID, LPARAM lParam);
    LRESULT OnCloseIfDone(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetUpButtons(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    // A category's name and its buttons (owned).
    struct Category {
        CString strName;
        CWTKToolbarButtonList buttons;
        Category() = default;
        Category(const Category&) = delete;
        Category& operator=(const Category&) = delete;
        ~Category();
    };
    Category& FindOrAddCategory(LPCSTR lpszCategory);
    const Category* FindCategory(LPCSTR lpszCategory) const;
    static BOOL HasRealCommand(const CWTKToolbarButtonList& buttons);
    template <class TList>
    void FillCategories(TList& wndCategory, BOOL bAllCategories) const;
    const CWTKToolbarButton* FindInAllCommands(UINT uiCmd) const;
    // The sheet's one "Close" button in place of OK, Cancel, Apply and Help.
    void SetUpButtons();

    CFrameWnd* m_pFrame;
    UINT m_uiFlags;
    CString m_strAllCommands;
    std::vector<std::unique_ptr<Category>> m_categories;
    CWTKToolbarButtonList m_allCommands;
    std::vector<std::unique_ptr<CPropertyPage>> m_ownedPages;
    CWTKToolbarsPage* m_pToolbarsPage = nullptr;
    BOOL m_bAutoDelete = FALSE;
};
