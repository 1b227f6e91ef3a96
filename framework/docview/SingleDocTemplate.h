// CSingleDocTemplate: one document at a time. A new or opened document re-initialises the
// one document in its one frame (the first frame becomes the program's main window).
#pragma once
#include "docview/DocTemplate.h"

class CSingleDocTemplate : public CDocTemplate {
    DECLARE_DYNAMIC(CSingleDocTemplate)
public:
    CSingleDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                       CRuntimeClass* pViewClass);
    ~CSingleDocTemplate() override;

    POSITION GetFirstDocPosition() const override;
    CDocument* GetNextDoc(POSITION& rPos) const override;
    void AddDocument(CDocument* pDoc) override;
    void RemoveDocument(CDocument* pDoc) override;
    CDocument* OpenDocumentFile(LPCSTR lpszPathName, BOOL bMakeVisible = TRUE) override;

protected:
    CDocument* m_pOnlyDoc = nullptr;
};
