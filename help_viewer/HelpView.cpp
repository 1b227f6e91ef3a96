#include "HelpView.h"

#include "ContentModule.h"
#include "HelpDoc.h"
#include "Resource.h"
#include "ViewerConstants.h"
#include "win/CmdUI.h"

IMPLEMENT_DYNCREATE(CHelpView, CHtmlView)

BEGIN_MESSAGE_MAP(CHelpView, CHtmlView)
    ON_COMMAND_RANGE(ID_TEXT_LARGEST, ID_TEXT_SMALLEST, OnTextSize)
    ON_COMMAND(ID_PAGE_REFRESH, OnPageRefresh)
    ON_COMMAND(ID_PAGE_BACK, OnPageBack)
    ON_COMMAND(ID_PAGE_FORWARD, OnPageForward)
    ON_UPDATE_COMMAND_UI(ID_PAGE_BACK, OnUpdatePageBack)
    ON_UPDATE_COMMAND_UI(ID_PAGE_FORWARD, OnUpdatePageForward)
    ON_COMMAND_RANGE(ID_HISTORY_FIRST, ID_HISTORY_LAST, OnHistoryPick)
END_MESSAGE_MAP()

CHelpDoc* CHelpView::GetHelpDoc() const
{
    CDocument* pDoc = GetDocument();
    return pDoc && pDoc->IsKindOf(RUNTIME_CLASS(CHelpDoc)) ? static_cast<CHelpDoc*>(pDoc) : nullptr;
}

BOOL CHelpView::ShowTopic(int nTopic)
{
    CString address;
    if (!CContentModule::Current().GetPageAddress(nTopic, address))
        return FALSE;
    Navigate(address);
    return TRUE;
}

void CHelpView::OnInitialUpdate()
{
    CHtmlView::OnInitialUpdate();
    ShowTopic(CContentModule::Current().GetStartTopic());
}

void CHelpView::OnTitleChange(LPCSTR lpszText)
{
    if (CDocument* pDoc = GetDocument())
        pDoc->SetTitle(lpszText);
    CHtmlView::OnTitleChange(lpszText);
}

void CHelpView::OnDocumentComplete(LPCSTR lpszURL)
{
    if (CHelpDoc* pDoc = GetHelpDoc())
        pDoc->AddHistory(GetLocationName(), lpszURL);
    CHtmlView::OnDocumentComplete(lpszURL);
}

void CHelpView::OnTextSize(UINT nID)
{
    // Largest is the first command and the highest zoom level.
    VARIANT level;
    ::VariantInit(&level);
    level.vt = VT_I4;
    level.lVal = Lumidoc::kZoomLargest - static_cast<LONG>(nID - ID_TEXT_LARGEST);
    ExecWB(OLECMDID_ZOOM, OLECMDEXECOPT_DONTPROMPTUSER, &level, nullptr);
}

void CHelpView::OnPageRefresh()
{
    Refresh();
}

void CHelpView::OnPageBack()
{
    CHelpDoc* pDoc = GetHelpDoc();
    if (CHistoryItem* pItem = pDoc ? pDoc->StepBack() : nullptr)
        Navigate(pItem->GetAddress());
}

void CHelpView::OnPageForward()
{
    CHelpDoc* pDoc = GetHelpDoc();
    if (CHistoryItem* pItem = pDoc ? pDoc->StepForward() : nullptr)
        Navigate(pItem->GetAddress());
}

void CHelpView::OnUpdatePageBack(CCmdUI* pCmdUI)
{
    CHelpDoc* pDoc = GetHelpDoc();
    pCmdUI->Enable(pDoc && pDoc->CanGoBack());
}

void CHelpView::OnUpdatePageForward(CCmdUI* pCmdUI)
{
    CHelpDoc* pDoc = GetHelpDoc();
    pCmdUI->Enable(pDoc && pDoc->CanGoForward());
}

void CHelpView::OnHistoryPick(UINT nID)
{
    CHelpDoc* pDoc = GetHelpDoc();
    if (CHistoryItem* pItem = pDoc ? pDoc->GetHistoryItem(nID) : nullptr)
        Navigate(pItem->GetAddress());
}
