// CMultiDocTemplate: any number of documents, each in child frames of the multiple-document
// frame. The template's menu and accelerators (from its resource id) are shared by its child
// frames: the frame shows the shared menu while one of them is active. Both handles may be
// replaced (the template then owns the new ones).
#pragma once
#include "docview/DocTemplate.h"
#include "core/PtrList.h"

class CMultiDocTemplate : public CDocTemplate {
    DECLARE_DYNAMIC(CMultiDocTemplate)
public:
    CMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                      CRuntimeClass* pViewClass);
    ~CMultiDocTemplate() override;

    void LoadTemplate() override;
    POSITION GetFirstDocPosition() const override;
    CDocument* GetNextDoc(POSITION& rPos) const override;
    void AddDocument(CDocument* pDoc) override;
    void RemoveDocument(CDocument* pDoc) override;
    CDocument* OpenDocumentFile(LPCSTR lpszPathName, BOOL bMakeVisible = TRUE) override;
    // The document name field followed by a number that counts the new documents.
    void SetDefaultTitle(CDocument* pDocument) override;

    HMENU m_hMenuShared = nullptr;
    HACCEL m_hAccelTable = nullptr;

protected:
    CPtrList m_docList;
    UINT m_nUntitledCount = 0;
};
