// CDocTemplate: joins a document class, a frame class and a view class under one resource
// id. The resource's string is the document string: seven fields separated by "\n" (window
// title, document name, file-new name, filter name, filter extension, registry type id,
// registry type name). Frames are loaded from the same resource id.
#pragma once
#include "win/CmdTarget.h"
#include "core/Position.h"
#include "core/String.h"

class CDocument;
class CFrameWnd;

class CDocTemplate : public CCmdTarget {
    DECLARE_DYNAMIC(CDocTemplate)
public:
    enum DocStringIndex { windowTitle, docName, fileNewName, filterName, filterExt, regFileTypeId, regFileTypeName };

    ~CDocTemplate() override;

    // Reads the document string (and, for shared resources, menu and accelerators).
    virtual void LoadTemplate();
    // FALSE (and an empty string) for a field the document string does not have.
    virtual BOOL GetDocString(CString& rString, DocStringIndex index) const;

    // ---- Documents ----
    virtual POSITION GetFirstDocPosition() const = 0;
    virtual CDocument* GetNextDoc(POSITION& rPos) const = 0;
    virtual void AddDocument(CDocument* pDoc);
    virtual void RemoveDocument(CDocument* pDoc);
    // A new document of the document class, added to this template; null when the class cannot be created.
    virtual CDocument* CreateNewDocument();
    // A frame of the frame class, loaded from the resource id, with a view of the view class
    // for pDoc; null on failure (the frame has then deleted itself).
    virtual CFrameWnd* CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther);
    virtual void InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible = TRUE);
    // A null path makes a new document.
    virtual CDocument* OpenDocumentFile(LPCSTR lpszPathName, BOOL bMakeVisible = TRUE) = 0;
    // The title of a new document: the document name field, else "Untitled".
    virtual void SetDefaultTitle(CDocument* pDocument);
    virtual BOOL SaveAllModified();
    virtual void CloseAllDocuments(BOOL bEndSession);

    UINT m_nIDResource;
    CRuntimeClass* m_pDocClass;
    CRuntimeClass* m_pFrameClass;
    CRuntimeClass* m_pViewClass;
    CString m_strDocStrings;

protected:
    CDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass, CRuntimeClass* pViewClass);
    // A new document's frame failed or its set-up failed: the frame goes, and the document with it.
    void DiscardNewDocument(CDocument* pDoc, CFrameWnd* pFrame);
    // A new document made ready: untitled and new without a path, else read from the path.
    BOOL PrepareDocument(CDocument* pDoc, LPCSTR lpszPathName);
};
