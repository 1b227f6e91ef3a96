// CToolbarNameDialog: the "Toolbar Name" dialog that asks for the name of a new or renamed
// toolbar. OK is enabled exactly while the name is not empty.
#pragma once
#include "win/Dialog.h"

#include "core/String.h"

class CToolbarNameDialog : public CDialog {
public:
    explicit CToolbarNameDialog(CWnd* pParent = nullptr);

    CString m_strToolbarName;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnUpdateToolbarName();
    DECLARE_MESSAGE_MAP()

    void EnableOK();
};
