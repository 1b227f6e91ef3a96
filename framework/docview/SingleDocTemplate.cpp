#include "docview/SingleDocTemplate.h"
#include "docview/Document.h"
#include "docview/FrameWnd.h"
#include "docview/View.h"
#include "win/WinThread.h"

IMPLEMENT_DYNAMIC(CSingleDocTemplate, CDocTemplate)

CSingleDocTemplate::CSingleDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                                       CRuntimeClass* pViewClass)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass)
{}

CSingleDocTemplate::~CSingleDocTemplate()
{
    // A document still open when the application ends goes with its template.
    if (m_pOnlyDoc)
        delete m_pOnlyDoc;
}

POSITION CSingleDocTemplate::GetFirstDocPosition() const
{
    return m_pOnlyDoc ? (POSITION)1 : nullptr;
}

CDocument* CSingleDocTemplate::GetNextDoc(POSITION& rPos) const
{
    CDocument* pDoc = rPos == (POSITION)1 ? m_pOnlyDoc : nullptr;
    rPos = nullptr;
    return pDoc;
}

void CSingleDocTemplate::AddDocument(CDocument* pDoc)
{
    if (m_pOnlyDoc && m_pOnlyDoc != pDoc)
        return;  // one document at a time
    CDocTemplate::AddDocument(pDoc);
    m_pOnlyDoc = pDoc;
}

void CSingleDocTemplate::RemoveDocument(CDocument* pDoc)
{
    if (pDoc == m_pOnlyDoc)
        m_pOnlyDoc = nullptr;
    CDocTemplate::RemoveDocument(pDoc);
}

CDocument* CSingleDocTemplate::OpenDocumentFile(LPCSTR lpszPathName, BOOL bMakeVisible)
{
    CDocument* pDoc = m_pOnlyDoc;
    CFrameWnd* pFrame = nullptr;
    BOOL bCreated = FALSE;
    if (pDoc) {
        if (!pDoc->SaveModified())
            return nullptr;
        POSITION pos = pDoc->GetFirstViewPosition();
        if (pos)
            pFrame = pDoc->GetNextView(pos)->GetParentFrame();
    } else {
        pDoc = CreateNewDocument();
        if (!pDoc)
            return nullptr;
        bCreated = TRUE;
    }
    if (!pFrame) {
        // The document must survive a frame that fails before its view exists.
        BOOL bAutoDelete = pDoc->m_bAutoDelete;
        pDoc->m_bAutoDelete = FALSE;
        pFrame = CreateNewFrame(pDoc, nullptr);
        pDoc->m_bAutoDelete = bAutoDelete;
        if (!pFrame) {
            if (bCreated)
                DiscardNewDocument(pDoc, nullptr);
            return nullptr;
        }
        bCreated = TRUE;
    }
    if (!PrepareDocument(pDoc, lpszPathName)) {
        if (bCreated)
            DiscardNewDocument(pDoc, pFrame);
        return nullptr;
    }
    // The first frame of a program is its main window.
    CWinThread* pThread = FwGetThread();
    if (bCreated && pThread && !pThread->m_pMainWnd)
        pThread->m_pMainWnd = pFrame;
    InitialUpdateFrame(pFrame, pDoc, bMakeVisible);
    return pDoc;
}
