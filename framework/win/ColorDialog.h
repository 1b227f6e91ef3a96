// CColorDialog: the system's colour chooser, with the object attached to its window
// so that a derived class can take part (OnInitDialog) and tests can drive it.
#pragma once
#include "win/Dialog.h"
#include <commdlg.h>

class CColorDialog : public CDialog {
    DECLARE_DYNAMIC(CColorDialog)
public:
    explicit CColorDialog(COLORREF clrInit = 0, DWORD dwFlags = 0, CWnd* pParentWnd = nullptr);

    INT_PTR DoModal() override;
    COLORREF GetColor() const { return m_cc.rgbResult; }
    void SetCurrentColor(COLORREF clr);
    static COLORREF* GetSavedCustomColors();

    CHOOSECOLORA m_cc = {};

protected:
    BOOL IsSystemDialog() const override { return TRUE; }
    // The chooser's own procedure reads the choice and ends the dialog.
    void OnOK() override { Default(); }
    void OnCancel() override { Default(); }
};
