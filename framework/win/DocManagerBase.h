// What the window layer knows of the application's documents. The document layer
// derives its manager from this, so that the application object (in this layer) owns
// it and closes the documents without linking the layer above.
#pragma once
#include <windows.h>

class CDocManagerBase {
public:
    CDocManagerBase() = default;
    virtual ~CDocManagerBase() = default;
    CDocManagerBase(const CDocManagerBase&) = delete;
    CDocManagerBase& operator=(const CDocManagerBase&) = delete;

    // FALSE when a document refuses to be closed.
    virtual BOOL SaveAllModified() = 0;
    virtual void CloseAllDocuments(BOOL bEndSession) = 0;
};
