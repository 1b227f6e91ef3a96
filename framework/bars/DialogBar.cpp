#include "bars/DialogBar.h"
#include "win/Resources.h"

IMPLEMENT_DYNAMIC(CDialogBar, CControlBar)

INT_PTR CALLBACK CDialogBar::DialogProc(HWND, UINT message, WPARAM, LPARAM)
{
    // The bar's own window procedure does the work; the dialog manager only makes the controls.
    return message == WM_INITDIALOG;
}

BOOL CDialogBar::Create(CWnd* pParentWnd, LPCSTR lpszTemplateName, UINT nStyle, UINT nID)
{
    HINSTANCE hInst = nullptr;
    LPCDLGTEMPLATEA lpTemplate = FwLoadDialogTemplate(lpszTemplateName, &hInst);
    if (!lpTemplate || !pParentWnd)
        return FALSE;
    m_dwStyle = nStyle & CBRS_ALL;
    if (!m_hWndOwner)
        SetOwner(pParentWnd);
    FwHookWindowCreate(this);
    HWND hWnd = ::CreateDialogIndirectParamA(hInst, lpTemplate, pParentWnd->m_hWnd, &CDialogBar::DialogProc, 0);
    FwUnhookWindowCreate();
    if (!hWnd)
        return FALSE;
    if (!m_hWnd)
        SubclassWindow(hWnd);
    // The template's size is the bar's size; the window takes the style and id given here.
    CRect rect;
    GetWindowRect(&rect);
    m_sizeDefault = rect.Size();
    ModifyStyle(WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | DS_MODALFRAME, WS_CHILD | (nStyle & ~CBRS_ALL));
    SetDlgCtrlID((int)nID);
    // The parent frame's list: the window existed before it was a child of the frame.
    if (!m_pDockSite && pParentWnd->IsFrameWnd()) {
        m_pDockSite = static_cast<CFrameWnd*>(pParentWnd);
        if (!m_pDockSite->m_listControlBars.Find(this))
            m_pDockSite->m_listControlBars.AddTail(this);
    }
    return TRUE;
}

CSize CDialogBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    if (bStretch)
        return bHorz ? CSize(32767, m_sizeDefault.cy) : CSize(m_sizeDefault.cx, 32767);
    return m_sizeDefault;
}
