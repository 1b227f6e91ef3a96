#include "win/PropertySheet.h"
#include "core/ResourceHandle.h"
#include "win/ThreadState.h"
#include <cstring>
#include <vector>

IMPLEMENT_DYNAMIC(CPropertySheet, CWnd)

namespace {
// Buttons of the system sheet that a child sheet does without.
const int kSheetButtons[] = {IDOK, IDCANCEL, IDHELP, 0x3021 /* Apply */};

// The template's own font and look flags, which its layout depends on.
const DWORD kTemplateFontStyles = DS_SETFONT | DS_FIXEDSYS | DS_3DLOOK;

bool IsInputMessage(const MSG* pMsg)
{
    return (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST) ||
        (pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST);
}

// Replaces the style of a dialog template in memory (the classic or the extended layout).
void SetTemplateStyle(void* pTemplate, DWORD dwStyle, DWORD dwExStyle)
{
    auto* pBytes = static_cast<BYTE*>(pTemplate);
    WORD signature = 0;
    std::memcpy(&signature, pBytes + 2, sizeof(signature));
    bool bExtended = signature == 0xFFFF;
    BYTE* pStyle = pBytes + (bExtended ? 12 : 0);
    BYTE* pExStyle = pBytes + (bExtended ? 8 : 4);
    DWORD dwOldStyle = 0;
    std::memcpy(&dwOldStyle, pStyle, sizeof(dwOldStyle));
    dwStyle |= dwOldStyle & kTemplateFontStyles;
    std::memcpy(pStyle, &dwStyle, sizeof(dwStyle));
    std::memcpy(pExStyle, &dwExStyle, sizeof(dwExStyle));
}
}  // namespace

CPropertySheet::CPropertySheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage) : m_pParentWnd(pParentWnd)
{
    m_strCaption.LoadString(nIDCaption);
    m_psh.nStartPage = iSelectPage;
}

CPropertySheet::CPropertySheet(LPCSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : m_strCaption(pszCaption), m_pParentWnd(pParentWnd)
{
    m_psh.nStartPage = iSelectPage;
}

CPropertySheet::~CPropertySheet()
{
    if (m_hWnd)
        DestroyWindow();
}

void CPropertySheet::AddPage(CPropertyPage* pPage)
{
    m_pages.Add(pPage);
}

CPropertyPage* CPropertySheet::GetPage(int nPage) const
{
    if (nPage < 0 || nPage >= GetPageCount())
        return nullptr;
    return static_cast<CPropertyPage*>(m_pages.GetAt(nPage));
}

int CPropertySheet::GetPageIndex(const CPropertyPage* pPage) const
{
    for (int i = 0; i < GetPageCount(); ++i) {
        if (GetPage(i) == pPage)
            return i;
    }
    return -1;
}

int CPropertySheet::GetActiveIndex() const
{
    if (!m_hWnd)
        return (int)m_psh.nStartPage;
    HWND hWndPage = (HWND)SendMessage(PSM_GETCURRENTPAGEHWND);
    for (int i = 0; i < GetPageCount(); ++i) {
        if (hWndPage && GetPage(i)->m_hWnd == hWndPage)
            return i;
    }
    return -1;
}

BOOL CPropertySheet::SetActivePage(int nPage)
{
    if (nPage < 0 || nPage >= GetPageCount())
        return FALSE;
    if (!m_hWnd) {
        m_psh.nStartPage = (UINT)nPage;
        return TRUE;
    }
    return (BOOL)SendMessage(PSM_SETCURSEL, (WPARAM)nPage);
}

int CALLBACK CPropertySheet::SheetCallback(HWND, UINT message, LPARAM lParam)
{
    if (message != PSCB_PRECREATE)
        return 0;
    // The sheet being created is the window the creation hook waits for.
    CWnd* pWnd = FwGetThreadState()->pWndInit;
    if (!pWnd || !pWnd->IsKindOf(RUNTIME_CLASS(CPropertySheet)))
        return 0;
    auto* pSheet = static_cast<CPropertySheet*>(pWnd);
    if (pSheet->m_dwCreateStyle != (DWORD)-1)
        SetTemplateStyle((void*)lParam, pSheet->m_dwCreateStyle, pSheet->m_dwCreateExStyle);
    return 0;
}

BOOL CPropertySheet::CreateSheet(HWND hWndParent, DWORD dwStyle, DWORD dwExStyle)
{
    std::vector<PROPSHEETPAGEA> records;
    for (int i = 0; i < GetPageCount(); ++i) {
        if (!GetPage(i)->PreparePage())
            return FALSE;
        records.push_back(GetPage(i)->m_psp);
    }
    m_dwCreateStyle = dwStyle;
    m_dwCreateExStyle = dwExStyle;
    if (dwStyle != (DWORD)-1 && (dwStyle & WS_CHILD)) {
        // The parent dialog's dialog manager takes the keys into the sheet and its pages.
        m_dwCreateStyle |= DS_CONTROL;
        m_dwCreateExStyle |= WS_EX_CONTROLPARENT;
    }
    m_psh.dwSize = sizeof(m_psh);
    m_psh.dwFlags |= PSH_PROPSHEETPAGE | PSH_MODELESS | PSH_USECALLBACK;
    m_psh.hwndParent = hWndParent;
    m_psh.hInstance = FwGetResourceHandle();
    m_psh.pszCaption = m_strCaption;
    m_psh.nPages = (UINT)records.size();
    m_psh.ppsp = records.data();
    m_psh.pfnCallback = &SheetCallback;
    if (m_psh.nStartPage >= m_psh.nPages)
        m_psh.nStartPage = 0;

    FwHookWindowCreate(this);
    INT_PTR nResult = ::PropertySheetA(&m_psh);
    FwUnhookWindowCreate();
    m_psh.ppsp = nullptr;  // the system keeps its own copies
    HWND hWnd = (HWND)nResult;
    if (nResult == 0 || nResult == -1 || !::IsWindow(hWnd))
        return FALSE;
    if (!m_hWnd)  // the hook did not see it: take it now
        SubclassWindow(hWnd);
    m_tabCtrl.SubclassWindow((HWND)SendMessage(PSM_GETTABCONTROL));
    if (GetStyle() & WS_CHILD)
        FitChildSheet();
    OnSheetCreated();
    return TRUE;
}

void CPropertySheet::FitChildSheet()
{
    for (int nID : kSheetButtons) {
        if (HWND hWndButton = ::GetDlgItem(m_hWnd, nID))
            ::ShowWindow(hWndButton, SW_HIDE);
    }
    // The tabs keep the margin they have at the left and top on the right and bottom too.
    CRect rectTabs;
    m_tabCtrl.GetWindowRect(&rectTabs);
    ScreenToClient(&rectTabs);
    SetWindowPos(nullptr, 0, 0, rectTabs.right + rectTabs.left, rectTabs.bottom + rectTabs.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CPropertySheet::Create(CWnd* pParentWnd, DWORD dwStyle, DWORD dwExStyle)
{
    if (pParentWnd)
        m_pParentWnd = pParentWnd;
    HWND hWndParent = (dwStyle != (DWORD)-1 && (dwStyle & WS_CHILD)) ? FwSafeHwnd(m_pParentWnd)
                                                                     : FwFindDialogOwner(m_pParentWnd, nullptr);
    return CreateSheet(hWndParent, dwStyle, dwExStyle);
}

INT_PTR CPropertySheet::DoModal()
{
    HWND hWndTop = nullptr;
    HWND hWndOwner = FwFindDialogOwner(m_pParentWnd, &hWndTop);
    bool bEnableOwner = false;
    if (hWndTop && ::IsWindowEnabled(hWndTop)) {
        ::EnableWindow(hWndTop, FALSE);
        bEnableOwner = true;
    }
    INT_PTR nResult = -1;
    m_nModalResult = IDCANCEL;  // the system menu's Close cancels too
    if (CreateSheet(hWndOwner, (DWORD)-1, 0)) {
        nResult = RunModalLoop(MLF_SHOWONIDLE);
        if (m_hWnd)
            ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                           SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    }
    // The owner is enabled before the sheet goes, so that it gets the activation back.
    if (bEnableOwner)
        ::EnableWindow(hWndTop, TRUE);
    if (hWndOwner && ::GetActiveWindow() == m_hWnd)
        ::SetActiveWindow(hWndOwner);
    if (m_hWnd)
        DestroyWindow();
    return nResult;
}

BOOL CPropertySheet::ContinueModal()
{
    return CWnd::ContinueModal() && m_hWnd && SendMessage(PSM_GETCURRENTPAGEHWND) != 0;
}

BOOL CPropertySheet::OnCommand(WPARAM wParam, LPARAM lParam)
{
    // The system sheet closes itself on OK and Cancel; the button pressed is the modal result.
    UINT nID = LOWORD(wParam);
    if (HIWORD(wParam) == BN_CLICKED && (nID == IDOK || nID == IDCANCEL))
        m_nModalResult = (int)nID;
    return CWnd::OnCommand(wParam, lParam);
}

void CPropertySheet::PressButton(int nButton)
{
    // The system sheet carries out a pressed button without a WM_COMMAND of its own.
    if (nButton == PSBTN_OK)
        m_nModalResult = IDOK;
    else if (nButton == PSBTN_CANCEL)
        m_nModalResult = IDCANCEL;
    SendMessage(PSM_PRESSBUTTON, (WPARAM)nButton);
}

BOOL CPropertySheet::PreTranslateMessage(MSG* pMsg)
{
    if (!m_hWnd || !IsInputMessage(pMsg) || (GetStyle() & WS_CHILD))
        return FALSE;  // a child sheet leaves the keys to its parent dialog's dialog manager
    if (pMsg->hwnd != m_hWnd && !::IsChild(m_hWnd, pMsg->hwnd))
        return FALSE;
    return (BOOL)SendMessage(PSM_ISDIALOGMESSAGE, 0, (LPARAM)pMsg);
}
