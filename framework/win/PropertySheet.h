// CPropertySheet: the system's property sheet over framework CPropertyPage objects. Modal
// (DoModal runs the framework's modal loop around a modeless sheet, so that pre-translation
// and idle command update go on inside it), modeless (Create), or a child of a dialog (Create
// with WS_CHILD: without the sheet's buttons, sized to its tabs, placed by the caller, e.g.
// over a placeholder control).
#pragma once
#include "win/PropertyPage.h"
#include "win/TabCtrl.h"
#include "core/PtrArray.h"

class CPropertySheet : public CWnd {
    DECLARE_DYNAMIC(CPropertySheet)
public:
    explicit CPropertySheet(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    explicit CPropertySheet(LPCSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    // The sheet's window goes before its tab control's object does.
    ~CPropertySheet() override;

    // Before the window is made. The pages stay the caller's (pages made by runtime class too)
    // and outlive the sheet's window.
    void AddPage(CPropertyPage* pPage);
    int GetPageCount() const { return (int)m_pages.GetSize(); }
    CPropertyPage* GetPage(int nPage) const;
    int GetPageIndex(const CPropertyPage* pPage) const;
    // Before the window exists: the page the sheet will open on.
    int GetActiveIndex() const;
    CPropertyPage* GetActivePage() const { return GetPage(GetActiveIndex()); }
    BOOL SetActivePage(int nPage);
    BOOL SetActivePage(CPropertyPage* pPage) { return SetActivePage(GetPageIndex(pPage)); }
    // Attached while the window exists.
    CTabCtrl* GetTabControl() { return m_tabCtrl.m_hWnd ? &m_tabCtrl : nullptr; }
    // PSBTN_OK, PSBTN_CANCEL, PSBTN_APPLYNOW ... as if the user had pressed it.
    void PressButton(int nButton);

    // IDOK or IDCANCEL by the button that closed the sheet; -1 when it could not be made.
    virtual INT_PTR DoModal();
    // dwStyle (DWORD)-1 keeps the system's popup style; a style with WS_CHILD makes a child sheet.
    virtual BOOL Create(CWnd* pParentWnd = nullptr, DWORD dwStyle = (DWORD)-1, DWORD dwExStyle = 0);

    BOOL PreTranslateMessage(MSG* pMsg) override;
    // The modal loop ends when the system sheet has closed itself (no current page).
    BOOL ContinueModal() override;

    PROPSHEETHEADERA m_psh = {};

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    // The system sheet and its first page exist (modal, modeless or child): derived sheets
    // arrange their own controls here.
    virtual void OnSheetCreated() {}

private:
    BOOL CreateSheet(HWND hWndParent, DWORD dwStyle, DWORD dwExStyle);
    void FitChildSheet();
    static int CALLBACK SheetCallback(HWND hWnd, UINT message, LPARAM lParam);

    CString m_strCaption;
    CWnd* m_pParentWnd = nullptr;
    CPtrArray m_pages;
    CTabCtrl m_tabCtrl;
    DWORD m_dwCreateStyle = (DWORD)-1;  // read by the creation callback
    DWORD m_dwCreateExStyle = 0;
};
