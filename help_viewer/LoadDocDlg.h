// CLoadDocDlg: lists the help content modules of the program's folder and returns the file
// name of the one the user picks.
#pragma once
#include "ViewerConstants.h"
#include "win/Dialog.h"
#include "win/ListCtrl.h"

class CLoadDocDlg : public CDialog {
public:
    explicit CLoadDocDlg(CWnd* pParentWnd = nullptr);

    // After OK: the chosen module's file name, without folder.
    LPCSTR GetFileName() const { return m_szPath; }

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

protected:
    void OnDblclkList(NMHDR* pNMHDR, LRESULT* pResult);
    void OnItemchangedList(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

private:
    void FillList();
    void ChooseItem(int nItem);

    CListCtrl m_list;
    // The program's folder while the list is built; the chosen file name after OK.
    char m_szPath[Lumidoc::kPathBufferSize] = {};
    HICON m_hIcon = nullptr;
};
