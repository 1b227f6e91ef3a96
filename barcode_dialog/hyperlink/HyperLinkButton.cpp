#include "HyperLinkButton.h"

#include "core/ResourceHandle.h"
#include "gdi/DC.h"
#include "win/ShellLauncher.h"

namespace {

const char kBrowserProgram[] = "iexplore.exe";

}  // namespace

BEGIN_MESSAGE_MAP(CHyperLinkButton, CButton)
    ON_WM_MOUSEMOVE()
    ON_WM_SETCURSOR()
    ON_WM_DRAWITEM()
END_MESSAGE_MAP()

CHyperLinkButton::CHyperLinkButton()
    : m_hCursor(::LoadCursorA(FwFindResourceHandle(MAKEINTRESOURCEA(kHandCursorId), RT_GROUP_CURSOR),
                              MAKEINTRESOURCEA(kHandCursorId)))
{}

void CHyperLinkButton::PreSubclassWindow()
{
    LOGFONTA logFont {};
    HFONT font = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT, 0, 0));
    if (font == nullptr)
        font = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    ::GetObjectA(font, sizeof logFont, &logFont);
    logFont.lfUnderline = TRUE;
    m_underlineFont.CreateFontIndirect(&logFont);
    CButton::PreSubclassWindow();
}

COLORREF CHyperLinkButton::ColorForState(UINT itemState)
{
    if (itemState & ODS_SELECTED)
        return kSelectedColour;
    if (itemState & ODS_DISABLED)
        return kDisabledColour;
    return kNormalColour;
}

void CHyperLinkButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    CString caption;
    GetWindowText(caption);
    CRect rect(lpDrawItemStruct->rcItem);
    CFont* oldFont = pDC->SelectObject(&m_underlineFont);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(ColorForState(lpDrawItemStruct->itemState));
    pDC->DrawText(caption, &rect, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    pDC->SelectObject(oldFont);
}

void CHyperLinkButton::OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    // The hover redraw sends its record to this very window.
    if (lpDrawItemStruct->hwndItem == m_hWnd)
        DrawItem(lpDrawItemStruct);
    else
        CButton::OnDrawItem(nIDCtl, lpDrawItemStruct);
}

void CHyperLinkButton::RedrawInState(UINT itemState)
{
    DRAWITEMSTRUCT item {};
    item.CtlType = ODT_BUTTON;
    item.CtlID = static_cast<UINT>(GetDlgCtrlID());
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = itemState;
    item.hwndItem = m_hWnd;
    item.hDC = ::GetDC(m_hWnd);
    ::GetClientRect(m_hWnd, &item.rcItem);
    SendMessage(WM_DRAWITEM, static_cast<WPARAM>(item.CtlID), reinterpret_cast<LPARAM>(&item));
    ::ReleaseDC(m_hWnd, item.hDC);
}

void CHyperLinkButton::OnMouseMove(UINT nFlags, CPoint point)
{
    CRect client;
    GetClientRect(&client);
    if (client.PtInRect(point)) {
        RedrawInState(ODS_SELECTED);
        SetCapture();
    } else {
        ::ReleaseCapture();
        RedrawInState(0);
    }
    CButton::OnMouseMove(nFlags, point);
}

BOOL CHyperLinkButton::OnSetCursor(CWnd*, UINT, UINT)
{
    ::SetCursor(m_hCursor);
    return TRUE;
}

void CHyperLinkButton::OpenURL(LPCSTR address)
{
    HINSTANCE result = FwShellExecute(nullptr, "open", kBrowserProgram, address, nullptr, SW_SHOWMAXIMIZED);
    if (reinterpret_cast<INT_PTR>(result) <= 32)
        FwShellExecute(nullptr, "open", address, nullptr, nullptr, SW_SHOWNORMAL);
}
