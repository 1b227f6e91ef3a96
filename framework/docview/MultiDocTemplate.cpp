#include "docview/MultiDocTemplate.h"
#include "docview/Document.h"
#include "docview/FrameWnd.h"
#include "core/ResourceHandle.h"
#include "win/Resources.h"

#include <cstdio>

IMPLEMENT_DYNAMIC(CMultiDocTemplate, CDocTemplate)

CMultiDocTemplate::CMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                                     CRuntimeClass* pViewClass)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass)
{}

CMultiDocTemplate::~CMultiDocTemplate()
{
    while (!m_docList.IsEmpty())
        delete static_cast<CDocument*>(m_docList.GetHead());
    if (m_hMenuShared)
        ::DestroyMenu(m_hMenuShared);
    if (m_hAccelTable)
        ::DestroyAcceleratorTable(m_hAccelTable);
}

void CMultiDocTemplate::LoadTemplate()
{
    CDocTemplate::LoadTemplate();
    LPCSTR lpszName = MAKEINTRESOURCEA(m_nIDResource);
    if (!m_hMenuShared) {
        if (HINSTANCE hInst = FwFindResourceHandle(lpszName, RT_MENU))
            m_hMenuShared = ::LoadMenuA(hInst, lpszName);
    }
    if (!m_hAccelTable)
        m_hAccelTable = FwLoadAccelerators(lpszName);
}

POSITION CMultiDocTemplate::GetFirstDocPosition() const
{
    return m_docList.GetHeadPosition();
}

CDocument* CMultiDocTemplate::GetNextDoc(POSITION& rPos) const
{
    return static_cast<CDocument*>(m_docList.GetNext(rPos));
}

void CMultiDocTemplate::AddDocument(CDocument* pDoc)
{
    CDocTemplate::AddDocument(pDoc);
    m_docList.AddTail(pDoc);
}

void CMultiDocTemplate::RemoveDocument(CDocument* pDoc)
{
    CDocTemplate::RemoveDocument(pDoc);
    if (POSITION pos = m_docList.Find(pDoc))
        m_docList.RemoveAt(pos);
}

void CMultiDocTemplate::SetDefaultTitle(CDocument* pDocument)
{
    CDocTemplate::SetDefaultTitle(pDocument);
    char szNumber[16];
    snprintf(szNumber, sizeof(szNumber), "%u", ++m_nUntitledCount);
    pDocument->SetTitle(pDocument->GetTitle() + szNumber);
}

CDocument* CMultiDocTemplate::OpenDocumentFile(LPCSTR lpszPathName, BOOL bMakeVisible)
{
    CDocument* pDoc = CreateNewDocument();
    if (!pDoc)
        return nullptr;
    BOOL bAutoDelete = pDoc->m_bAutoDelete;
    pDoc->m_bAutoDelete = FALSE;
    CFrameWnd* pFrame = CreateNewFrame(pDoc, nullptr);
    pDoc->m_bAutoDelete = bAutoDelete;
    if (!pFrame) {
        DiscardNewDocument(pDoc, nullptr);
        return nullptr;
    }
    if (!PrepareDocument(pDoc, lpszPathName)) {
        DiscardNewDocument(pDoc, pFrame);
        return nullptr;
    }
    InitialUpdateFrame(pFrame, pDoc, bMakeVisible);
    return pDoc;
}
