// CMDIChildWnd: a document's frame inside the multiple-document frame's client window. Its
// template's shared menu and accelerators serve the frame while it is the active child. Its
// caption is its document's title (its own title without a document); the frame around is
// captioned "<frame title> - <active child's document title>".
#pragma once
#include "docview/FrameWnd.h"

class CMDIFrameWnd;

class CMDIChildWnd : public CFrameWnd {
    DECLARE_DYNCREATE(CMDIChildWnd)
public:
    CMDIChildWnd() = default;

    // A child of pParentWnd's client window (the main window when null).
    BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName,
                DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, const RECT& rect = rectDefault,
                CMDIFrameWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);
    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_CHILD | WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                   CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr) override;

    CMDIFrameWnd* GetMDIFrame() const;
    void MDIActivate();
    void MDIDestroy();

    // Through the client window, which keeps its list of children.
    BOOL DestroyWindow() override;
    void ActivateFrame(int nCmdShow = -1) override;
    void OnUpdateFrameTitle(BOOL bAddToTitle) override;
    // The frame around translates this child's accelerators.
    BOOL PreTranslateMessage(MSG* pMsg) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    HMENU m_hMenuShared = nullptr;  // the template's, not owned

protected:
    void OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd);
    LRESULT OnMDIActivateMessage(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()
};
