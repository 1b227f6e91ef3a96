// CDialog: a dialog box from a template, modal (through the framework's own modal
// loop, so pre-translation and idle processing go on inside it), modeless or child.
#pragma once
#include "win/Wnd.h"

class CDataExchange;

// The framework's command-help request: lParam a help context, or 0 for the dialog's own
// (the template id above HID_BASE_RESOURCE). The application's WinHelp answers it.
#ifndef WM_COMMANDHELP
#define WM_COMMANDHELP 0x0365
#endif
#ifndef HID_BASE_RESOURCE
#define HID_BASE_RESOURCE 0x00020000UL
#endif

class CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)
public:
    CDialog() = default;
    explicit CDialog(LPCSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    // Modeless or child dialogs.
    virtual BOOL Create(LPCSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    virtual BOOL CreateIndirect(LPCDLGTEMPLATEA lpDialogTemplate, CWnd* pParentWnd = nullptr);
    // Modal dialogs: the template comes from the resource module of this binary.
    BOOL InitModalIndirect(LPCDLGTEMPLATEA lpDialogTemplate, CWnd* pParentWnd = nullptr);
    virtual INT_PTR DoModal();
    void EndDialog(int nResult);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // Data exchange with the controls (DDX_ functions in DoDataExchange).
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    virtual void DoDataExchange(CDataExchange* pDX);

    void NextDlgCtrl() const { ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 0, 0); }
    void PrevDlgCtrl() const { ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 1, 0); }
    void GotoDlgCtrl(CWnd* pWndCtrl) { ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, (WPARAM)FwSafeHwnd(pWndCtrl), 1); }
    void SetDefID(UINT nID) { ::SendMessageA(m_hWnd, DM_SETDEFID, nID, 0); }
    DWORD GetDefID() const { return (DWORD)::SendMessageA(m_hWnd, DM_GETDEFID, 0, 0); }
    void MapDialogRect(LPRECT lpRect) const { ::MapDialogRect(m_hWnd, lpRect); }

    LPCSTR m_lpszTemplateName = nullptr;
    LPCDLGTEMPLATEA m_lpDialogTemplate = nullptr;
    CWnd* m_pParentWnd = nullptr;
    UINT m_nIDHelp = 0;

protected:
    // The dialog's own system procedure must see WM_INITDIALOG first (common dialogs).
    virtual BOOL IsSystemDialog() const { return FALSE; }
    // The window the dialog is owned by, and the top-level window a modal dialog disables:
    // the parent's top-level window, or without a parent this binary's main window, if any.
    HWND FindOwner(HWND* phWndTop) const;
    BOOL CreateFromTemplate(LPCDLGTEMPLATEA lpTemplate, HWND hWndParent, HINSTANCE hInst);
    // For dialogs that the system creates (property pages, hook dialogs of common dialogs):
    // their dialog procedure attaches pDlg on WM_INITDIALOG, which then reaches the object.
    static INT_PTR AttachOnInitDialog(CDialog* pDlg, HWND hWnd, WPARAM wParam, LPARAM lParam);
    LRESULT HandleInitDialog(WPARAM, LPARAM);
    LRESULT OnCommandHelp(WPARAM, LPARAM lParam);

    DECLARE_MESSAGE_MAP()
};

// The dialog procedure of framework dialogs: the window procedure does the work.
INT_PTR CALLBACK FwDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
// The owner of a dialog-like window of pParentWnd: the parent's top-level window, or without a
// parent this binary's main window, if any; *phWndTop is the window a modal one disables.
HWND FwFindDialogOwner(CWnd* pParentWnd, HWND* phWndTop);
