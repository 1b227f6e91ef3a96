// CPropertyPage: one page of a property sheet, a child dialog from a template that the
// system's property sheet creates when the page is first shown. The sheet's notifications
// reach the page's virtual functions; the sheet runs the dialog manager for all its pages.
#pragma once
#include "win/Dialog.h"
#include <prsht.h>

class CPropertySheet;

class CPropertyPage : public CDialog {
    DECLARE_DYNAMIC(CPropertyPage)
public:
    // A page made by runtime class has a default constructor that passes its template here.
    explicit CPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0);
    explicit CPropertyPage(LPCSTR lpszTemplateName, UINT nIDCaption = 0);

    // TRUE accepts the activation.
    virtual BOOL OnSetActive();
    // TRUE lets the page go; by default when its data passes validation.
    virtual BOOL OnKillActive();
    // OK or Apply: TRUE when the changes were applied; by default OnOK.
    virtual BOOL OnApply();
    // Cancel: by default OnCancel.
    virtual void OnReset();
    // Neither ends a dialog: the sheet closes itself. The data was taken by OnKillActive.
    void OnOK() override {}
    void OnCancel() override {}
    // Enables the sheet's Apply button, or disables it when no page is modified any more.
    void SetModified(BOOL bChanged = TRUE);

    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    // The page's record for the system sheet; the sheet fills it when it creates its window.
    PROPSHEETPAGEA m_psp = {};

private:
    friend class CPropertySheet;
    // Fills m_psp (template from the resource module); FALSE when the template is missing.
    BOOL PreparePage();
    static INT_PTR CALLBACK PageDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    CString m_strCaption;
};
