#include "PagesTestSupport.h"

SentMessageRecorder* SentMessageRecorder::s_pActive = nullptr;

CPropertyPage* OpenSheetOnPage(CCustomizeTestFrame* pFrame, CRuntimeClass* pPageClass, UINT uiFlags,
                               CWTKToolbarCustomize** ppSheet)
{
    CWTKToolbarCustomize* pSheet = OpenCustomizeSheet(pFrame, uiFlags);
    *ppSheet = pSheet;
    if (pSheet == nullptr)
        return nullptr;
    for (int i = 0; i < pSheet->GetPageCount(); i++) {
        CPropertyPage* pPage = pSheet->GetPage(i);
        if (pPage->GetRuntimeClass() == pPageClass) {
            pSheet->SetActivePage(pPage);
            PumpPending();
            return pPage;
        }
    }
    return nullptr;
}

void ClickControl(CWnd* pPage, int nID)
{
    ::SendMessageA(::GetDlgItem(pPage->GetSafeHwnd(), nID), BM_CLICK, 0, 0);
    PumpPending();
}

namespace {
void Notify(CWnd* pPage, int nID, int nCode)
{
    pPage->SendMessage(WM_COMMAND, MAKEWPARAM(nID, nCode),
                       reinterpret_cast<LPARAM>(::GetDlgItem(pPage->GetSafeHwnd(), nID)));
    PumpPending();
}
}  // namespace

void SelectComboEntry(CWnd* pPage, int nID, int nIndex)
{
    ::SendDlgItemMessageA(pPage->GetSafeHwnd(), nID, CB_SETCURSEL, static_cast<WPARAM>(nIndex), 0);
    Notify(pPage, nID, CBN_SELCHANGE);
}

void SelectListEntry(CWnd* pPage, int nID, int nIndex)
{
    ::SendDlgItemMessageA(pPage->GetSafeHwnd(), nID, LB_SETCURSEL, static_cast<WPARAM>(nIndex), 0);
    Notify(pPage, nID, LBN_SELCHANGE);
}

CString ControlText(CWnd* pPage, int nID)
{
    CString strText;
    pPage->GetDlgItemText(nID, strText);
    return strText;
}

bool IsControlEnabled(CWnd* pPage, int nID)
{
    return ::IsWindowEnabled(::GetDlgItem(pPage->GetSafeHwnd(), nID)) != FALSE;
}

bool IsControlVisible(CWnd* pPage, int nID)
{
    return (::GetWindowLongA(::GetDlgItem(pPage->GetSafeHwnd(), nID), GWL_STYLE) & WS_VISIBLE) != 0;
}

SentMessageRecorder::SentMessageRecorder(HWND hWnd) : m_hWnd(hWnd)
{
    s_pActive = this;
    m_hHook = ::SetWindowsHookExA(WH_CALLWNDPROC, &HookProc, nullptr, ::GetCurrentThreadId());
}

SentMessageRecorder::~SentMessageRecorder()
{
    if (m_hHook != nullptr)
        ::UnhookWindowsHookEx(m_hHook);
    s_pActive = nullptr;
}

std::vector<SentMessageRecorder::Sent> SentMessageRecorder::Of(UINT message) const
{
    std::vector<Sent> result;
    for (const Sent& sent : m_sent)
        if (sent.message == message)
            result.push_back(sent);
    return result;
}

LRESULT CALLBACK SentMessageRecorder::HookProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HC_ACTION && s_pActive != nullptr) {
        const auto* pMsg = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (pMsg->hwnd == s_pActive->m_hWnd)
            s_pActive->m_sent.push_back({pMsg->message, pMsg->wParam, pMsg->lParam});
    }
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}
