#include "customisation/WTKFileProp.h"

#include "customisation/WTKPropList.h"

#include "foundation/WTKUserSignals.h"

IMPLEMENT_DYNAMIC(CWTKFileProp, CWTKProp)

CWTKFileProp::CWTKFileProp(const CString& strName, BOOL bOpenFileDialog, const CString& strFileName, LPCSTR lpszDefExt,
                           LPCSTR lpszFilter, LPCSTR lpszDescr, DWORD_PTR dwData)
    : CWTKProp(strName, static_cast<LPCSTR>(strFileName), lpszDescr, dwData),
      m_bOpenFileDialog(bOpenFileDialog),
      m_strDefExt(lpszDefExt != nullptr ? lpszDefExt : ""),
      m_strFilter(lpszFilter != nullptr ? lpszFilter : "")
{}

void CWTKFileProp::OnClickButton(CPoint /*point*/)
{
    if (m_pWndList == nullptr)
        return;
    // The edit may hold a path typed but not yet taken.
    CString strFile = FormatProperty();
    if (HasInPlaceWnd())
        m_pWndInPlace->GetWindowText(strFile);
    CString strPath;
    if (!WTKChooseFile(m_pWndList->GetSafeHwnd(), m_bOpenFileDialog, m_strDefExt.IsEmpty() ? nullptr : m_strDefExt,
                       strFile, m_strFilter.IsEmpty() ? nullptr : m_strFilter, strPath))
        return;
    if (HasInPlaceWnd()) {
        m_pWndInPlace->SetWindowText(strPath);
        m_pWndInPlace->SetFocus();
    }
    TextToVar(strPath);
    RedrawValue();
}
