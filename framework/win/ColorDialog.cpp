#include "win/ColorDialog.h"

IMPLEMENT_DYNAMIC(CColorDialog, CDialog)

namespace {
// The chooser's edits for the red, green and blue parts of the colour.
const int IDC_CHOOSER_RED = 706;
const int IDC_CHOOSER_GREEN = 707;
const int IDC_CHOOSER_BLUE = 708;

// Custom colours the user defined, kept for the next chooser (white at first).
COLORREF g_customColors[16] = {RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
                               RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
                               RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
                               RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255)};
}  // namespace

CColorDialog::CColorDialog(COLORREF clrInit, DWORD dwFlags, CWnd* pParentWnd) : CDialog((LPCSTR) nullptr, pParentWnd)
{
    m_cc.lStructSize = sizeof(m_cc);
    m_cc.lpCustColors = g_customColors;
    m_cc.Flags = dwFlags;
    m_cc.rgbResult = clrInit;
    if (clrInit)
        m_cc.Flags |= CC_RGBINIT;
}

COLORREF* CColorDialog::GetSavedCustomColors()
{
    return g_customColors;
}

INT_PTR CColorDialog::DoModal()
{
    HWND hWndTop = nullptr;
    m_cc.hwndOwner = FindOwner(&hWndTop);
    FwHookWindowCreate(this);
    BOOL bChosen = ::ChooseColorA(&m_cc);
    FwUnhookWindowCreate();
    if (m_hWnd)  // not destroyed through us: forget it
        Detach();
    return bChosen ? IDOK : IDCANCEL;
}

void CColorDialog::SetCurrentColor(COLORREF clr)
{
    static const UINT nSetRgbMessage = ::RegisterWindowMessageA(SETRGBSTRINGA);
    SendMessage(nSetRgbMessage, 0, (LPARAM)clr);
    // Choosers that do not take the message take the colour from their edits.
    SetDlgItemInt(IDC_CHOOSER_RED, GetRValue(clr), FALSE);
    SetDlgItemInt(IDC_CHOOSER_GREEN, GetGValue(clr), FALSE);
    SetDlgItemInt(IDC_CHOOSER_BLUE, GetBValue(clr), FALSE);
}
