#include "customisation/WTKPropertySheet.h"
#include "foundation/WTKFlagScope.h"
#include "win/ClientDC.h"
#include "win/PropertyPage.h"
#include <algorithm>

IMPLEMENT_DYNAMIC(CWTKPropertySheet, CPropertySheet)

namespace {

constexpr UINT kTreeId = 101;
constexpr UINT kButtonBarId = 102;
constexpr UINT kButtonBarPage = 1;
constexpr COLORREF kImageBackground = RGB(255, 0, 255);
constexpr int kNavigationGap = 6;  // between the navigation and the pages

}  // namespace

CWTKPropertySheet::CWTKPropertySheet(LPCSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CPropertySheet(pszCaption, pParentWnd, iSelectPage)
{}

CWTKPropertySheet::~CWTKPropertySheet()
{
    if (m_hWnd != nullptr)
        DestroyWindow();
    for (CWTKPropSheetCategory* pCategory : m_categories)
        delete pCategory;
}

void CWTKPropertySheet::SetLook(NavigationLook look, int nNavigationWidth)
{
    m_look = look;
    m_nNavigationWidth = std::max(nNavigationWidth, 0);
}

BOOL CWTKPropertySheet::SetIconsList(HIMAGELIST hImageList)
{
    m_icons.DeleteImageList();
    if (hImageList == nullptr)
        return TRUE;
    HIMAGELIST hCopy = ImageList_Duplicate(hImageList);
    return hCopy != nullptr && m_icons.Attach(hCopy);
}

CWTKPropSheetCategory* CWTKPropertySheet::AddTreeCategory(LPCSTR lpszName, int nIcon, int nSelectedIcon,
                                                          CWTKPropSheetCategory* pParent)
{
    auto* pCategory = new CWTKPropSheetCategory(lpszName, nIcon, nSelectedIcon, pParent);
    if (pParent != nullptr)
        pParent->m_subCategories.push_back(pCategory);
    else
        m_categories.push_back(pCategory);
    return pCategory;
}

void CWTKPropertySheet::AddPageToTree(CWTKPropSheetCategory* pCategory, CPropertyPage* pPage)
{
    AddPage(pPage);
    if (pCategory != nullptr)
        pCategory->m_pages.push_back(pPage);
}

// ---- Creation ----

void CWTKPropertySheet::OnSheetCreated()
{
    const BOOL bTree = m_look == kLookTree && !m_categories.empty();
    const BOOL bButtonBar = m_look == kLookButtonBar && GetPageCount() > 0;
    CTabCtrl* pTabs = GetTabControl();
    if ((!bTree && !bButtonBar) || pTabs == nullptr)
        return;
    CRect rectTabs;
    pTabs->GetWindowRect(&rectTabs);
    ScreenToClient(&rectTabs);
    MakeRoomForNavigation(m_nNavigationWidth + kNavigationGap);
    const CRect rectNavigation(rectTabs.left, rectTabs.top, rectTabs.left + m_nNavigationWidth, rectTabs.bottom);
    if (bTree) {
        CreateTree(rectNavigation);
        SyncTreeWithActivePage();
    } else {
        CreateButtonBar(rectNavigation);
    }
}

// The tabs give way to the navigation: the sheet grows and everything in it moves right. The
// hidden tab control moves too, as pages made later are placed over it.
void CWTKPropertySheet::MakeRoomForNavigation(int nWidth)
{
    CTabCtrl* pTabs = GetTabControl();
    pTabs->ShowWindow(SW_HIDE);
    for (HWND hWndChild = ::GetWindow(m_hWnd, GW_CHILD); hWndChild != nullptr;
         hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT)) {
        CRect rect;
        ::GetWindowRect(hWndChild, &rect);
        ScreenToClient(&rect);
        ::SetWindowPos(hWndChild, nullptr, rect.left + nWidth, rect.top, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    SetWindowPos(nullptr, 0, 0, rectWindow.Width() + nWidth, rectWindow.Height(),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWTKPropertySheet::CreateTree(const CRect& rect)
{
    const DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES |
        TVS_LINESATROOT | TVS_SHOWSELALWAYS;
    if (!m_wndTree.Create(dwStyle, rect, this, kTreeId))
        return;
    m_wndTree.SetFont(GetFont());
    if (m_icons.GetSafeHandle() != nullptr)
        m_wndTree.SetImageList(m_icons.GetSafeHandle(), TVSIL_NORMAL);
    // First in the tab order: the keys reach the tree before the pages.
    ::SetWindowPos(m_wndTree.GetSafeHwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    for (CWTKPropSheetCategory* pCategory : m_categories)
        InsertCategory(pCategory, TVI_ROOT);
}

void CWTKPropertySheet::InsertCategory(CWTKPropSheetCategory* pCategory, HTREEITEM hParent)
{
    const UINT nMask = TVIF_TEXT | (m_icons.GetSafeHandle() != nullptr ? TVIF_IMAGE | TVIF_SELECTEDIMAGE : 0);
    pCategory->m_hTreeItem =
        m_wndTree.InsertItem(nMask, pCategory->m_strName, I_IMAGECALLBACK, I_IMAGECALLBACK, 0, 0, 0, hParent, TVI_LAST);
    for (CWTKPropSheetCategory* pSub : pCategory->m_subCategories)
        InsertCategory(pSub, pCategory->m_hTreeItem);
    for (CPropertyPage* pPage : pCategory->m_pages) {
        HTREEITEM hItem = m_wndTree.InsertItem(nMask, GetPageTitle(pPage), I_IMAGECALLBACK, I_IMAGECALLBACK, 0, 0, 0,
                                               pCategory->m_hTreeItem, TVI_LAST);
        m_pageItems.push_back({pPage, hItem});
    }
    m_wndTree.Expand(pCategory->m_hTreeItem, TVE_EXPAND);
}

// One shortcut button per page, on the single page of a shortcut bar.
void CWTKPropertySheet::CreateButtonBar(const CRect& rect)
{
    if (!m_wndButtonBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_LEFT, kButtonBarId))
        return;
    m_wndButtonBar.SetOwner(this);
    m_wndButtonBar.EnableAnimation(FALSE);
    MakeButtonImages();
    CString strCaption;
    GetWindowText(strCaption);
    m_wndButtonBar.AddPage(kButtonBarPage, strCaption);
    const int nImages = m_icons.GetSafeHandle() != nullptr ? m_icons.GetImageCount() : 0;
    for (int i = 0; i < GetPageCount(); i++) {
        m_wndButtonBar.AddButton(kButtonBarPage, kFirstPageCommand + static_cast<UINT>(i), i < nImages ? i : -1,
                                 GetPageTitle(GetPage(i)));
    }
    m_wndButtonBar.SetBarWidth(rect.Width());
    m_wndButtonBar.SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                                SWP_NOZORDER | SWP_NOACTIVATE);
    RestoreActiveButton();
}

// The icons side by side in one bitmap, the strip the shortcut bar draws its buttons from.
void CWTKPropertySheet::MakeButtonImages()
{
    const int nImages = m_icons.GetSafeHandle() != nullptr ? m_icons.GetImageCount() : 0;
    int cx = 0, cy = 0;
    if (nImages <= 0 || !ImageList_GetIconSize(m_icons.GetSafeHandle(), &cx, &cy) || cx <= 0 || cy <= 0)
        return;
    CClientDC dcScreen(nullptr);
    CDC dc;
    if (!dc.CreateCompatibleDC(&dcScreen) || !m_bmpButtonImages.CreateCompatibleBitmap(&dcScreen, cx * nImages, cy))
        return;
    CBitmap* pOldBitmap = dc.SelectObject(&m_bmpButtonImages);
    dc.FillSolidRect(0, 0, cx * nImages, cy, kImageBackground);
    for (int i = 0; i < nImages; i++)
        ImageList_Draw(m_icons.GetSafeHandle(), i, dc.GetSafeHdc(), i * cx, 0, ILD_TRANSPARENT);
    dc.SelectObject(pOldBitmap);
    m_wndButtonBar.SetImages(static_cast<HBITMAP>(m_bmpButtonImages.GetSafeHandle()), CSize(cx, cy), kImageBackground);
}

// The button of the active page shows checked again after anything laid the bar out anew.
void CWTKPropertySheet::RestoreActiveButton()
{
    if (m_wndButtonBar.GetSafeHwnd() == nullptr)
        return;
    const int nActive = GetActiveIndex();
    if (nActive >= 0)
        m_wndButtonBar.SetCheckedButton(kFirstPageCommand + static_cast<UINT>(nActive));
}

BOOL CWTKPropertySheet::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT nID = LOWORD(wParam);
    if (m_wndButtonBar.GetSafeHwnd() != nullptr && nID >= kFirstPageCommand &&
        nID < kFirstPageCommand + static_cast<UINT>(GetPageCount())) {
        SetActivePage(static_cast<int>(nID - kFirstPageCommand));
        RestoreActiveButton();
        return TRUE;
    }
    return CPropertySheet::OnCommand(wParam, lParam);
}

// ---- Lookups ----

// The title the system sheet gave the page's tab.
CString CWTKPropertySheet::GetPageTitle(const CPropertyPage* pPage)
{
    char szTitle[256] = "";
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = szTitle;
    item.cchTextMax = static_cast<int>(sizeof(szTitle));
    CTabCtrl* pTabs = GetTabControl();
    if (pTabs != nullptr)
        pTabs->SendMessage(TCM_GETITEMA, static_cast<WPARAM>(GetPageIndex(pPage)), reinterpret_cast<LPARAM>(&item));
    return CString(szTitle);
}

HTREEITEM CWTKPropertySheet::GetPageTreeItem(const CPropertyPage* pPage) const
{
    for (const PageItem& item : m_pageItems) {
        if (item.pPage == pPage)
            return item.hItem;
    }
    return nullptr;
}

CPropertyPage* CWTKPropertySheet::FindPageOfItem(HTREEITEM hItem) const
{
    for (const PageItem& item : m_pageItems) {
        if (item.hItem == hItem)
            return item.pPage;
    }
    return nullptr;
}

namespace {

template <class Match>
CWTKPropSheetCategory* FindCategory(const std::vector<CWTKPropSheetCategory*>& categories, Match match)
{
    for (CWTKPropSheetCategory* pCategory : categories) {
        if (match(pCategory))
            return pCategory;
        if (CWTKPropSheetCategory* pFound = FindCategory(pCategory->m_subCategories, match))
            return pFound;
    }
    return nullptr;
}

}  // namespace

CWTKPropSheetCategory* CWTKPropertySheet::FindCategoryOfItem(HTREEITEM hItem) const
{
    return FindCategory(m_categories, [hItem](const CWTKPropSheetCategory* p) { return p->m_hTreeItem == hItem; });
}

CWTKPropSheetCategory* CWTKPropertySheet::FindCategoryOfPage(const CPropertyPage* pPage) const
{
    return FindCategory(m_categories, [pPage](const CWTKPropSheetCategory* p) { return p->Contains(pPage); });
}

// ---- Selection ----

BOOL CWTKPropertySheet::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    auto* pHeader = reinterpret_cast<NMHDR*>(lParam);
    if (pHeader == nullptr || m_wndTree.GetSafeHwnd() == nullptr || pHeader->hwndFrom != m_wndTree.GetSafeHwnd())
        return CPropertySheet::OnNotify(wParam, lParam, pResult);

    if (pHeader->code == TVN_SELCHANGEDA || pHeader->code == TVN_SELCHANGEDW) {
        if (!m_bSelecting)
            OnSelectTreeItem(reinterpret_cast<NMTREEVIEWA*>(lParam)->itemNew.hItem);
    } else if (pHeader->code == TVN_GETDISPINFOA || pHeader->code == TVN_GETDISPINFOW) {
        TVITEMA& item = reinterpret_cast<NMTVDISPINFOA*>(lParam)->item;
        const int nImage = GetTreeItemImage(item.hItem);
        if ((item.mask & TVIF_IMAGE) != 0)
            item.iImage = nImage;
        if ((item.mask & TVIF_SELECTEDIMAGE) != 0)
            item.iSelectedImage = nImage;
    }
    *pResult = 0;
    return TRUE;
}

void CWTKPropertySheet::OnSelectTreeItem(HTREEITEM hItem)
{
    CWTKFlagScope selecting(m_bSelecting);
    if (CPropertyPage* pPage = FindPageOfItem(hItem)) {
        ActivatePage(pPage);
        SetActiveCategory(FindCategoryOfPage(pPage));
    } else if (CWTKPropSheetCategory* pCategory = FindCategoryOfItem(hItem)) {
        if (const CWTKPropSheetCategory* pWithPages = pCategory->FindFirstWithPages())
            ActivatePage(pWithPages->m_pages.front());
        SetActiveCategory(pCategory);
        m_wndTree.Expand(hItem, TVE_EXPAND);
    }
}

int CWTKPropertySheet::GetTreeItemImage(HTREEITEM hItem) const
{
    if (CPropertyPage* pPage = FindPageOfItem(hItem)) {
        const CWTKPropSheetCategory* pCategory = FindCategoryOfPage(pPage);
        if (pCategory == nullptr)
            return -1;
        return pPage == GetActivePage() ? pCategory->m_nSelectedIcon : pCategory->m_nIcon;
    }
    const CWTKPropSheetCategory* pCategory = FindCategoryOfItem(hItem);
    if (pCategory == nullptr)
        return -1;
    return pCategory == m_pActiveCategory ? pCategory->m_nSelectedIcon : pCategory->m_nIcon;
}

void CWTKPropertySheet::ActivatePage(CPropertyPage* pPage)
{
    if (pPage != GetActivePage())
        SetActivePage(pPage);
}

void CWTKPropertySheet::SetActiveCategory(CWTKPropSheetCategory* pCategory)
{
    if (pCategory == m_pActiveCategory)
        return;
    m_pActiveCategory = pCategory;
    // The items ask for their images again: the old and the new category change icons.
    m_wndTree.Invalidate();
}

void CWTKPropertySheet::SyncTreeWithActivePage()
{
    CPropertyPage* pPage = GetActivePage();
    HTREEITEM hItem = GetPageTreeItem(pPage);
    if (hItem == nullptr)
        return;
    {
        CWTKFlagScope selecting(m_bSelecting);
        m_wndTree.SelectItem(hItem);
    }
    SetActiveCategory(FindCategoryOfPage(pPage));
}
