// CView: the window that shows a document, created by runtime class as a frame's pane.
// A view created through a creation context (by its frame) deletes itself when its window
// is gone; a view object the caller constructs and creates itself stays the caller's.
#pragma once
#include "win/Wnd.h"

class CDocument;
class CFrameWnd;

class CView : public CWnd {
    DECLARE_DYNAMIC(CView)
public:
    CView() = default;
    ~CView() override;

    CDocument* GetDocument() const { return m_pDocument; }

    // The first update, once the frame has set this view active: OnUpdate by default.
    virtual void OnInitialUpdate();
    // The document changed: the view is redrawn by default.
    virtual void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint);
    // The frame made this view (or another) the active one; the active view takes the focus
    // while its frame is the active window.
    virtual void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView);
    // The frame was activated or deactivated (nState as WM_ACTIVATE's).
    virtual void OnActivateFrame(UINT nState, CFrameWnd* pFrameWnd);
    // Paints the document (WM_PAINT calls it with the paint DC).
    virtual void OnDraw(CDC* pDC);

    // The view's own map, then its document's.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, FwCmdHandlerInfo* pHandlerInfo) override;
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    void PostNcDestroy() override;

    BOOL m_bAutoDelete = FALSE;  // set by the frame that creates the view by runtime class

protected:
    int OnCreate(LPCREATESTRUCTA lpcs);
    void OnDestroy();
    void OnPaint();
    int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    LRESULT OnInitialUpdateMessage(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    friend class CDocument;
    CDocument* m_pDocument = nullptr;
};
