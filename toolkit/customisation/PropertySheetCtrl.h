// CPropertySheetCtrl: a property sheet that lives as a child control of a dialog, laid over a
// placeholder, with the dialog's own buttons in charge.
#pragma once
#include "win/PropertySheet.h"

class CPropertySheetCtrl : public CPropertySheet {
    DECLARE_DYNAMIC(CPropertySheetCtrl)

public:
    static constexpr DWORD kChildStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;

    explicit CPropertySheetCtrl(LPCSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);

    // Creates the sheet under pParentDlg and lays it over the placeholder control (no z-order
    // change, no activation); FALSE when the placeholder is missing or the sheet failed.
    BOOL CreateOverPlaceholder(CWnd* pParentDlg, UINT uiPlaceholderID);
};
