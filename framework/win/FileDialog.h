// CFileDialog: the system's Open or Save As dialog (GetOpenFileNameA, GetSaveFileNameA) in the
// Explorer style with a hook dialog. The object is attached to that hook dialog, a child of the
// system's dialog (its parent), so that a derived class can take part from OnInitDialog.
#pragma once
#include "win/Dialog.h"
#include <commdlg.h>
#include <vector>

class CFileDialog : public CDialog {
    DECLARE_DYNAMIC(CFileDialog)
public:
    // lpszFilter: pairs of description and pattern, each ended by '|', the list by "||".
    explicit CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt = nullptr, LPCSTR lpszFileName = nullptr,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCSTR lpszFilter = nullptr,
                         CWnd* pParentWnd = nullptr);

    // IDOK with the chosen path, or IDCANCEL.
    INT_PTR DoModal() override;
    CString GetPathName() const { return m_szFileName; }

    OPENFILENAMEA m_ofn = {};

private:
    static UINT_PTR CALLBACK HookProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    BOOL m_bOpenFileDialog;
    CString m_strDefExt;
    std::vector<char> m_filter;  // the filter with NULs in place of '|'
    char m_szFileName[MAX_PATH] = "";
};
