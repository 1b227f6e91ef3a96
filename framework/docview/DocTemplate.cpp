#include "docview/DocTemplate.h"
#include "docview/CreateContext.h"
#include "docview/Document.h"
#include "docview/FrameWnd.h"

IMPLEMENT_DYNAMIC(CDocTemplate, CCmdTarget)

namespace {
// The document string is a resource: fields are counted and read within its length.
constexpr int kDocStringFields = 7;
constexpr LPCSTR kUntitled = "Untitled";
}  // namespace

CDocTemplate::CDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                           CRuntimeClass* pViewClass)
    : m_nIDResource(nIDResource), m_pDocClass(pDocClass), m_pFrameClass(pFrameClass), m_pViewClass(pViewClass)
{}

CDocTemplate::~CDocTemplate() = default;

void CDocTemplate::LoadTemplate()
{
    if (m_strDocStrings.IsEmpty())
        m_strDocStrings.LoadString(m_nIDResource);
}

BOOL CDocTemplate::GetDocString(CString& rString, DocStringIndex index) const
{
    rString.Empty();
    if (index < 0 || index >= kDocStringFields)
        return FALSE;
    int nStart = 0;
    for (int i = 0; i < index; ++i) {
        int nNext = m_strDocStrings.Find('\n', nStart);
        if (nNext < 0)
            return FALSE;
        nStart = nNext + 1;
    }
    int nEnd = m_strDocStrings.Find('\n', nStart);
    rString = m_strDocStrings.Mid(nStart, (nEnd < 0 ? m_strDocStrings.GetLength() : nEnd) - nStart);
    return TRUE;
}

void CDocTemplate::AddDocument(CDocument* pDoc)
{
    pDoc->m_pDocTemplate = this;
}

void CDocTemplate::RemoveDocument(CDocument* pDoc)
{
    pDoc->m_pDocTemplate = nullptr;
}

CDocument* CDocTemplate::CreateNewDocument()
{
    CObject* pObject = m_pDocClass ? m_pDocClass->CreateObject() : nullptr;
    if (pObject && !pObject->IsKindOf(RUNTIME_CLASS(CDocument))) {
        delete pObject;
        return nullptr;
    }
    auto* pDoc = static_cast<CDocument*>(pObject);
    if (pDoc)
        AddDocument(pDoc);
    return pDoc;
}

CFrameWnd* CDocTemplate::CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther)
{
    CObject* pObject = m_pFrameClass ? m_pFrameClass->CreateObject() : nullptr;
    if (pObject && !pObject->IsKindOf(RUNTIME_CLASS(CFrameWnd))) {
        delete pObject;
        return nullptr;
    }
    auto* pFrame = static_cast<CFrameWnd*>(pObject);
    if (!pFrame)
        return nullptr;
    CCreateContext context;
    context.m_pCurrentFrame = pOther;
    context.m_pCurrentDoc = pDoc;
    context.m_pNewViewClass = m_pViewClass;
    context.m_pNewDocTemplate = this;
    // A frame that fails to load has deleted itself after its window went away.
    if (!pFrame->LoadFrame(m_nIDResource, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, &context))
        return nullptr;
    return pFrame;
}

void CDocTemplate::InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible)
{
    pFrame->InitialUpdateFrame(pDoc, bMakeVisible);
}

void CDocTemplate::SetDefaultTitle(CDocument* pDocument)
{
    CString strTitle;
    if (!GetDocString(strTitle, docName) || strTitle.IsEmpty())
        strTitle = kUntitled;
    pDocument->SetTitle(strTitle);
}

BOOL CDocTemplate::SaveAllModified()
{
    for (POSITION pos = GetFirstDocPosition(); pos;) {
        if (!GetNextDoc(pos)->SaveModified())
            return FALSE;
    }
    return TRUE;
}

void CDocTemplate::CloseAllDocuments(BOOL)
{
    // Closing a document removes it from the list: always take the first.
    while (POSITION pos = GetFirstDocPosition()) {
        CDocument* pDoc = GetNextDoc(pos);
        BOOL bAutoDelete = pDoc->m_bAutoDelete;
        pDoc->OnCloseDocument();
        if (!bAutoDelete)
            RemoveDocument(pDoc);  // the caller keeps the object; the template forgets it
    }
}

BOOL CDocTemplate::PrepareDocument(CDocument* pDoc, LPCSTR lpszPathName)
{
    if (!lpszPathName) {
        SetDefaultTitle(pDoc);
        return pDoc->OnNewDocument();
    }
    if (!pDoc->OnOpenDocument(lpszPathName))
        return FALSE;
    pDoc->SetPathName(lpszPathName);
    return TRUE;
}

void CDocTemplate::DiscardNewDocument(CDocument* pDoc, CFrameWnd* pFrame)
{
    // The document must not close itself while its views go: it is deleted here, once.
    BOOL bAutoDelete = pDoc->m_bAutoDelete;
    pDoc->m_bAutoDelete = FALSE;
    if (pFrame)
        pFrame->DestroyWindow();
    if (bAutoDelete)
        delete pDoc;
}
