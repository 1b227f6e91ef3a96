// CWTKPropSheetCategory: one category of a tree-navigated property sheet: a name, its pages,
// its sub-categories (owned) and the icons of its tree item.
#pragma once
#include "core/Object.h"
#include "core/String.h"
#include <commctrl.h>
#include <vector>

class CPropertyPage;

class CWTKPropSheetCategory : public CObject {
    DECLARE_DYNAMIC(CWTKPropSheetCategory)
public:
    CWTKPropSheetCategory(LPCSTR lpszName, int nIcon, int nSelectedIcon, CWTKPropSheetCategory* pParent);
    ~CWTKPropSheetCategory() override;
    CWTKPropSheetCategory(const CWTKPropSheetCategory&) = delete;
    CWTKPropSheetCategory& operator=(const CWTKPropSheetCategory&) = delete;

    // The category itself when it holds pages, else the first of its descendants that does.
    const CWTKPropSheetCategory* FindFirstWithPages() const;
    BOOL Contains(const CPropertyPage* pPage) const;

    CString m_strName;
    std::vector<CPropertyPage*> m_pages;  // the sheet's pages, not owned
    std::vector<CWTKPropSheetCategory*> m_subCategories;
    int m_nIcon;
    int m_nSelectedIcon;
    HTREEITEM m_hTreeItem = nullptr;
    CWTKPropSheetCategory* m_pParent;
};
