#include "win/DataExchange.h"

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    m_idLastControl = nIDC;
    return ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC);
}

void CDataExchange::Fail()
{
    if (m_bSaveAndValidate && m_idLastControl) {
        HWND hWndLast = ::GetDlgItem(m_pDlgWnd->m_hWnd, m_idLastControl);
        if (hWndLast)
            ::SendMessageA(m_pDlgWnd->m_hWnd, WM_NEXTDLGCTL, (WPARAM)hWndLast, 1);
    }
    throw Failure();
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd)
        return;
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (!hWndCtrl || !rControl.SubclassWindow(hWndCtrl))
        pDX->Fail();
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        int nLength = ::GetWindowTextLengthA(hWndCtrl);
        ::GetWindowTextA(hWndCtrl, value.GetBuffer(nLength), nLength + 1);
        value.ReleaseBuffer();
    } else {
        ::SetWindowTextA(hWndCtrl, value);
    }
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = (int)::SendMessageA(hWndCtrl, BM_GETCHECK, 0, 0);
    else
        ::SendMessageA(hWndCtrl, BM_SETCHECK, (WPARAM)value, 0);
}
