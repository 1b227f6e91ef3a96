// A property holding a file path, with a button that opens the file chooser (Open or Save As).
#pragma once

#include "customisation/WTKProp.h"

class CWTKFileProp : public CWTKProp {
    DECLARE_DYNAMIC(CWTKFileProp)

public:
    // lpszFilter: pairs of description and pattern, each ended by '|', the list by "||".
    CWTKFileProp(const CString& strName, BOOL bOpenFileDialog, const CString& strFileName, LPCSTR lpszDefExt = nullptr,
                 LPCSTR lpszFilter = nullptr, LPCSTR lpszDescr = nullptr, DWORD_PTR dwData = 0);

    BOOL HasButton() const override { return TRUE; }
    void OnClickButton(CPoint point) override;

private:
    BOOL m_bOpenFileDialog;
    CString m_strDefExt;
    CString m_strFilter;
};
