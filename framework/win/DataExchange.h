// CDataExchange: moves data between a dialog's controls and its members
// (DoDataExchange with the DDX_ functions), and binds controls to objects.
#pragma once
#include "win/Wnd.h"

class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate) : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

    // Thrown by Fail; UpdateData catches it and reports FALSE.
    struct Failure {};

    BOOL m_bSaveAndValidate;  // TRUE: controls to members
    CWnd* m_pDlgWnd;
    int m_idLastControl = 0;

    HWND PrepareCtrl(int nIDC);  // the control's window; it becomes the one to blame on failure
    HWND PrepareEditCtrl(int nIDC) { return PrepareCtrl(nIDC); }
    // Gives the focus back to the control that failed and abandons the exchange.
    [[noreturn]] void Fail();
};

// Binds the control nIDC to rControl (subclassing it) the first time.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
// 0 unchecked, 1 checked, 2 indeterminate.
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
