// CWTKPropertySheet: a property sheet whose pages are chosen from a tree of categories at the
// left instead of from tabs (or, in its button-bar form, from the large buttons of a shortcut
// bar). Without categories or buttons it is a plain tabbed sheet.
#pragma once
#include "customisation/WTKPropSheetCategory.h"
#include "frames/WTKOutlookBar.h"
#include "gdi/ImageList.h"
#include "win/PropertySheet.h"
#include "win/TreeCtrl.h"

class CWTKPropertySheet : public CPropertySheet {
    DECLARE_DYNAMIC(CWTKPropertySheet)
public:
    enum NavigationLook { kLookTabs, kLookTree, kLookButtonBar };

    CWTKPropertySheet(LPCSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    ~CWTKPropertySheet() override;

    // Before the window is made.
    void SetLook(NavigationLook look, int nNavigationWidth = 150);
    NavigationLook GetLook() const { return m_look; }
    // Small icons of the tree items (the sheet keeps its own copy).
    BOOL SetIconsList(HIMAGELIST hImageList);
    CWTKPropSheetCategory* AddTreeCategory(LPCSTR lpszName, int nIcon = -1, int nSelectedIcon = -1,
                                           CWTKPropSheetCategory* pParent = nullptr);
    // Adds the page to the sheet and to the category.
    void AddPageToTree(CWTKPropSheetCategory* pCategory, CPropertyPage* pPage);

    CTreeCtrl* GetTreeCtrl() { return m_wndTree.GetSafeHwnd() != nullptr ? &m_wndTree : nullptr; }
    CWTKOutlookBar* GetButtonBar() { return m_wndButtonBar.GetSafeHwnd() != nullptr ? &m_wndButtonBar : nullptr; }
    // The command of the button bar's button for a page (its index from kFirstPageCommand on).
    static constexpr UINT kFirstPageCommand = 0x7F00;
    HTREEITEM GetPageTreeItem(const CPropertyPage* pPage) const;
    CWTKPropSheetCategory* GetActiveCategory() const { return m_pActiveCategory; }

protected:
    void OnSheetCreated() override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    virtual void OnSelectTreeItem(HTREEITEM hItem);
    virtual int GetTreeItemImage(HTREEITEM hItem) const;

private:
    struct PageItem {
        CPropertyPage* pPage;
        HTREEITEM hItem;
    };

    void MakeRoomForNavigation(int nWidth);
    void CreateTree(const CRect& rect);
    void CreateButtonBar(const CRect& rect);
    void MakeButtonImages();
    void RestoreActiveButton();
    void InsertCategory(CWTKPropSheetCategory* pCategory, HTREEITEM hParent);
    CString GetPageTitle(const CPropertyPage* pPage);
    CWTKPropSheetCategory* FindCategoryOfItem(HTREEITEM hItem) const;
    CWTKPropSheetCategory* FindCategoryOfPage(const CPropertyPage* pPage) const;
    CPropertyPage* FindPageOfItem(HTREEITEM hItem) const;
    void ActivatePage(CPropertyPage* pPage);
    void SetActiveCategory(CWTKPropSheetCategory* pCategory);
    void SyncTreeWithActivePage();

    NavigationLook m_look = kLookTabs;
    int m_nNavigationWidth = 150;
    std::vector<CWTKPropSheetCategory*> m_categories;  // the roots; owned
    std::vector<PageItem> m_pageItems;
    CWTKPropSheetCategory* m_pActiveCategory = nullptr;
    CTreeCtrl m_wndTree;
    CImageList m_icons;
    CWTKOutlookBar m_wndButtonBar;
    CBitmap m_bmpButtonImages;  // the button bar's images, drawn from the icons
    BOOL m_bSelecting = FALSE;
};
