// CDocument: the data that one or more views show. Documents here are never stored by the
// framework: SaveModified lets every close go on, and no save command is handled (a program
// whose document saves nothing does nothing on its save commands). Opening reads the file
// through an archive into Serialize.
#pragma once
#include "win/CmdTarget.h"
#include "core/PtrList.h"
#include "core/String.h"

class CDocTemplate;
class CFrameWnd;
class CView;

class CDocument : public CCmdTarget {
    DECLARE_DYNAMIC(CDocument)
public:
    CDocument() = default;
    ~CDocument() override;

    // ---- Title and path ----
    const CString& GetTitle() const { return m_strTitle; }
    // The frames of the document's views show the new title.
    virtual void SetTitle(LPCSTR lpszTitle);
    const CString& GetPathName() const { return m_strPathName; }
    // The title becomes the file's name.
    virtual void SetPathName(LPCSTR lpszPathName);
    CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }

    virtual BOOL IsModified() { return m_bModified; }
    virtual void SetModifiedFlag(BOOL bModified = TRUE) { m_bModified = bModified; }

    // ---- Views ----
    POSITION GetFirstViewPosition() const { return m_viewList.GetHeadPosition(); }
    CView* GetNextView(POSITION& rPosition) const;
    virtual void AddView(CView* pView);
    // A document whose last view goes away closes (and deletes itself with m_bAutoDelete).
    virtual void RemoveView(CView* pView);
    void UpdateAllViews(CView* pSender, LPARAM lHint = 0, CObject* pHint = nullptr);
    // Asks every frame that shows a view of the document to update its title.
    virtual void UpdateFrameCounts();

    // ---- Life cycle ----
    virtual void DeleteContents() {}
    // A new, empty document: contents deleted, not modified.
    virtual BOOL OnNewDocument();
    // The file read through an archive into Serialize; FALSE (contents deleted) when that fails.
    virtual BOOL OnOpenDocument(LPCSTR lpszPathName);
    // Destroys the frames of the views, deletes the contents and, with m_bAutoDelete, the document.
    virtual void OnCloseDocument();
    // TRUE: the framework stores nothing, so nothing stands in the way of a close.
    virtual BOOL SaveModified() { return TRUE; }
    // Closing the last frame that shows the document closes the document too.
    virtual BOOL CanCloseFrame(CFrameWnd* pFrame);
    virtual void PreCloseFrame(CFrameWnd* pFrame);

    // The document's own map, then its template's.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, FwCmdHandlerInfo* pHandlerInfo) override;

    BOOL m_bAutoDelete = TRUE;  // deleted when closed

protected:
    virtual void OnChangedViewList();

    CString m_strTitle;
    CString m_strPathName;
    BOOL m_bModified = FALSE;

private:
    friend class CDocTemplate;
    CDocTemplate* m_pDocTemplate = nullptr;
    CPtrList m_viewList;
    BOOL m_bClosing = FALSE;
};
