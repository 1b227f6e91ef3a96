// CDocManager: the application's document templates (owned) and the commands that make
// documents. The application holds it through the window layer's CDocManagerBase.
#pragma once
#include "win/DocManagerBase.h"
#include "core/PtrList.h"

class CDocTemplate;
class CDocument;

class CDocManager : public CDocManagerBase {
public:
    CDocManager() = default;
    ~CDocManager() override;

    void AddDocTemplate(CDocTemplate* pTemplate);
    POSITION GetFirstDocTemplatePosition() const { return m_templateList.GetHeadPosition(); }
    CDocTemplate* GetNextDocTemplate(POSITION& rPosition) const;
    // The first template makes new documents and opens files.
    CDocument* OpenDocumentFile(LPCSTR lpszFileName);
    void OnFileNew();

    BOOL SaveAllModified() override;
    void CloseAllDocuments(BOOL bEndSession) override;

private:
    CPtrList m_templateList;
};
