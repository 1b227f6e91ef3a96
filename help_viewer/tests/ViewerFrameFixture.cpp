#include "ViewerFrameFixture.h"

#include "Resource.h"
#include "win/CmdUI.h"

ViewerFrameFixture::ViewerFrameFixture(LPCSTR lpszModule, int nStartTopic)
{
    if (lpszModule != nullptr)
        CContentModule::Current().Load(lpszModule, nStartTopic);
    m_pTemplate = std::make_unique<CSingleDocTemplate>(IDR_MAINFRAME, RUNTIME_CLASS(CHelpDoc),
                                                       RUNTIME_CLASS(CMainFrame), RUNTIME_CLASS(CHelpView));
    if (m_pTemplate->OpenDocumentFile(nullptr, TRUE) != nullptr)
        m_pFrame = CMainFrame::FromApplication();
    PumpPending();
}

ViewerFrameFixture::~ViewerFrameFixture()
{
    // The main window going would end the message loop: the frame is taken out of that role.
    theApp.m_pMainWnd = nullptr;
    if (m_pFrame != nullptr && ::IsWindow(m_pFrame->GetSafeHwnd()))
        m_pFrame->DestroyWindow();
    PumpPending();
}

CHelpDoc* ViewerFrameFixture::Doc() const
{
    CHelpView* pView = View();
    return pView ? pView->GetHelpDoc() : nullptr;
}

CHelpView* ViewerFrameFixture::View() const
{
    CWnd* pane = CWnd::FromHandlePermanent(::GetDlgItem(m_pFrame->GetSafeHwnd(), FW_IDW_PANE_FIRST));
    return pane && pane->IsKindOf(RUNTIME_CLASS(CHelpView)) ? static_cast<CHelpView*>(pane) : nullptr;
}

std::string ViewerFrameFixture::Location() const
{
    PumpPending();
    return std::string(View()->GetLocationURL());
}

void ViewerFrameFixture::Command(UINT nID) const
{
    m_pFrame->SendMessage(WM_COMMAND, nID, 0);
    PumpPending();
}

int ViewerFrameFixture::CheckOf(UINT nID) const
{
    CCmdUIStateRecorder ui;
    ui.m_nID = nID;
    ui.m_nCheck = -1;
    ui.DoUpdate(m_pFrame, FALSE);
    return ui.m_nCheck;
}

std::string FixturePage(char kind, int nTopic)
{
    std::string page = "res://HvDoc";
    page += kind;
    page += ".dll/";
    page += std::to_string(nTopic + 1);
    return page;
}

std::vector<std::string> ListTexts(const CListBox& list)
{
    std::vector<std::string> texts;
    for (int i = 0; i < list.GetCount(); ++i) {
        CString text;
        list.GetText(i, text);
        texts.emplace_back(text);
    }
    return texts;
}

void ClickListItem(CListBox& list, int nItem)
{
    list.SetCurSel(nItem);
    ::SendMessageA(::GetParent(list.GetSafeHwnd()), WM_COMMAND,
                   MAKEWPARAM(::GetDlgCtrlID(list.GetSafeHwnd()), LBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(list.GetSafeHwnd()));
    PumpPending();
}

void TypeText(CEdit& edit, LPCSTR lpszText)
{
    // An edit control tells its parent of every change itself.
    edit.SetWindowText(lpszText);
    PumpPending();
}

UINT DockBarIdOfBar(CControlBar* pBar)
{
    HWND hParent = ::GetParent(pBar->GetSafeHwnd());
    return hParent ? static_cast<UINT>(::GetDlgCtrlID(hParent)) : 0;
}
