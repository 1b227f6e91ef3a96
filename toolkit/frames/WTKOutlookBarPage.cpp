#include "frames/WTKOutlookBarPage.h"

#include "frames/WTKOutlookBarPageButton.h"

#include "core/Archive.h"

IMPLEMENT_SERIAL(CWTKOutlookBarPage, CObject, 1)

CWTKOutlookBarPage::CWTKOutlookBarPage(UINT uiID, LPCSTR lpszName, CWnd* pWndPage)
    : m_uiID(uiID), m_strName(lpszName != nullptr ? lpszName : ""), m_pWndPage(pWndPage)
{
}

CWTKOutlookBarPage::~CWTKOutlookBarPage()
{
    if (m_pButton != nullptr && m_pButton->GetSafeHwnd() != nullptr)
        m_pButton->DestroyWindow();
    delete m_pButton;
}

void CWTKOutlookBarPage::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_uiID << m_strName;
        return;
    }
    ar >> m_uiID >> m_strName;
    m_pWndPage = nullptr;
}
