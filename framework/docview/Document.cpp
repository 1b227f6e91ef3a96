#include "docview/Document.h"
#include "docview/DocTemplate.h"
#include "docview/FrameWnd.h"
#include "docview/View.h"
#include "core/Archive.h"
#include "core/Exception.h"
#include "core/ExceptionReport.h"
#include "core/File.h"

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

CDocument::~CDocument()
{
    // Views outliving their document forget it.
    for (POSITION pos = m_viewList.GetHeadPosition(); pos;)
        static_cast<CView*>(m_viewList.GetNext(pos))->m_pDocument = nullptr;
    if (m_pDocTemplate)
        m_pDocTemplate->RemoveDocument(this);
}

void CDocument::SetTitle(LPCSTR lpszTitle)
{
    m_strTitle = lpszTitle ? lpszTitle : "";
    UpdateFrameCounts();
}

void CDocument::SetPathName(LPCSTR lpszPathName)
{
    m_strPathName = lpszPathName ? lpszPathName : "";
    CString strName = m_strPathName.Mid(m_strPathName.ReverseFind('\\') + 1);
    SetTitle(strName);
}

CView* CDocument::GetNextView(POSITION& rPosition) const
{
    return static_cast<CView*>(m_viewList.GetNext(rPosition));
}

void CDocument::AddView(CView* pView)
{
    if (!pView || pView->m_pDocument == this)
        return;
    m_viewList.AddTail(pView);
    pView->m_pDocument = this;
    OnChangedViewList();
}

void CDocument::RemoveView(CView* pView)
{
    if (!pView || pView->m_pDocument != this)
        return;
    if (POSITION pos = m_viewList.Find(pView))
        m_viewList.RemoveAt(pos);
    pView->m_pDocument = nullptr;
    OnChangedViewList();
}

void CDocument::OnChangedViewList()
{
    if (m_viewList.IsEmpty() && m_bAutoDelete && !m_bClosing) {
        OnCloseDocument();
        return;
    }
    UpdateFrameCounts();
}

void CDocument::UpdateAllViews(CView* pSender, LPARAM lHint, CObject* pHint)
{
    for (POSITION pos = GetFirstViewPosition(); pos;) {
        CView* pView = GetNextView(pos);
        if (pView != pSender)
            pView->OnUpdate(pSender, lHint, pHint);
    }
}

void CDocument::UpdateFrameCounts()
{
    for (POSITION pos = GetFirstViewPosition(); pos;) {
        CView* pView = GetNextView(pos);
        if (CFrameWnd* pFrame = pView->GetParentFrame())
            pFrame->OnUpdateFrameTitle(TRUE);
    }
}

BOOL CDocument::OnNewDocument()
{
    DeleteContents();
    m_strPathName.Empty();
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnOpenDocument(LPCSTR lpszPathName)
{
    CFile file;
    if (!lpszPathName || !file.Open(lpszPathName, CFile::modeRead | CFile::shareDenyWrite))
        return FALSE;
    DeleteContents();
    const BOOL bRead = FwFalseOnException("document load", [&]() {
        CArchive ar(&file, CArchive::load);
        Serialize(ar);
        ar.Close();
    });
    if (!bRead) {
        // A file that is not one of ours leaves an empty document behind, never half a one.
        DeleteContents();
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CDocument::OnCloseDocument()
{
    if (m_bClosing)
        return;
    m_bClosing = TRUE;
    // Destroying a frame removes its views from the list: take the frames first.
    CPtrList frames;
    for (POSITION pos = GetFirstViewPosition(); pos;) {
        CFrameWnd* pFrame = GetNextView(pos)->GetParentFrame();
        if (pFrame && !frames.Find(pFrame))
            frames.AddTail(pFrame);
    }
    for (POSITION pos = frames.GetHeadPosition(); pos;) {
        CFrameWnd* pFrame = static_cast<CFrameWnd*>(frames.GetNext(pos));
        PreCloseFrame(pFrame);
        pFrame->DestroyWindow();
    }
    DeleteContents();
    m_bClosing = FALSE;
    if (m_bAutoDelete)
        delete this;
}

BOOL CDocument::CanCloseFrame(CFrameWnd* pFrameArg)
{
    // Another frame still showing the document keeps it open: nothing to ask.
    for (POSITION pos = GetFirstViewPosition(); pos;) {
        CFrameWnd* pFrame = GetNextView(pos)->GetParentFrame();
        if (pFrame && pFrame != pFrameArg)
            return TRUE;
    }
    return SaveModified();
}

void CDocument::PreCloseFrame(CFrameWnd*) {}

BOOL CDocument::OnCmdMsg(UINT nID, int nCode, void* pExtra, FwCmdHandlerInfo* pHandlerInfo)
{
    if (CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_pDocTemplate && m_pDocTemplate->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}
