#include "docview/DocManager.h"
#include "docview/DocTemplate.h"

CDocManager::~CDocManager()
{
    while (!m_templateList.IsEmpty())
        delete static_cast<CDocTemplate*>(m_templateList.RemoveHead());
}

void CDocManager::AddDocTemplate(CDocTemplate* pTemplate)
{
    if (!pTemplate || m_templateList.Find(pTemplate))
        return;
    pTemplate->LoadTemplate();
    m_templateList.AddTail(pTemplate);
}

CDocTemplate* CDocManager::GetNextDocTemplate(POSITION& rPosition) const
{
    return static_cast<CDocTemplate*>(m_templateList.GetNext(rPosition));
}

CDocument* CDocManager::OpenDocumentFile(LPCSTR lpszFileName)
{
    if (m_templateList.IsEmpty() || !lpszFileName)
        return nullptr;
    // A path longer than the system's limit names no file we could open.
    if (lstrlenA(lpszFileName) >= MAX_PATH)
        return nullptr;
    return static_cast<CDocTemplate*>(m_templateList.GetHead())->OpenDocumentFile(lpszFileName);
}

void CDocManager::OnFileNew()
{
    if (!m_templateList.IsEmpty())
        static_cast<CDocTemplate*>(m_templateList.GetHead())->OpenDocumentFile(nullptr);
}

BOOL CDocManager::SaveAllModified()
{
    for (POSITION pos = m_templateList.GetHeadPosition(); pos;) {
        if (!GetNextDocTemplate(pos)->SaveAllModified())
            return FALSE;
    }
    return TRUE;
}

void CDocManager::CloseAllDocuments(BOOL bEndSession)
{
    for (POSITION pos = m_templateList.GetHeadPosition(); pos;)
        GetNextDocTemplate(pos)->CloseAllDocuments(bEndSession);
}
