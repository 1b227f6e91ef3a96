#include "customisation/WTKPropSheetCategory.h"
#include <algorithm>

IMPLEMENT_DYNAMIC(CWTKPropSheetCategory, CObject)

CWTKPropSheetCategory::CWTKPropSheetCategory(LPCSTR lpszName, int nIcon, int nSelectedIcon,
                                             CWTKPropSheetCategory* pParent)
    : m_strName(lpszName), m_nIcon(nIcon), m_nSelectedIcon(nSelectedIcon), m_pParent(pParent)
{}

CWTKPropSheetCategory::~CWTKPropSheetCategory()
{
    for (CWTKPropSheetCategory* pCategory : m_subCategories)
        delete pCategory;
}

const CWTKPropSheetCategory* CWTKPropSheetCategory::FindFirstWithPages() const
{
    if (!m_pages.empty())
        return this;
    for (const CWTKPropSheetCategory* pCategory : m_subCategories) {
        if (const CWTKPropSheetCategory* pFound = pCategory->FindFirstWithPages())
            return pFound;
    }
    return nullptr;
}

BOOL CWTKPropSheetCategory::Contains(const CPropertyPage* pPage) const
{
    return std::find(m_pages.begin(), m_pages.end(), pPage) != m_pages.end();
}
