// CWTKMDIChildWnd: the toolkit's MDI child frame. It finds its toolkit MDI frame when it is
// created and keeps that frame's document tabs in step: its tab is selected when it becomes the
// active child, relabelled when its text changes and given its new icon. While a popup menu is
// open on the frame, keys are not translated here, so the popup receives them.
#pragma once
#include "docview/MDIChildWnd.h"

class CWTKMDIFrameWnd;

class CWTKMDIChildWnd : public CMDIChildWnd {
    DECLARE_DYNCREATE(CWTKMDIChildWnd)
public:
    CWTKMDIChildWnd() = default;

    BOOL PreTranslateMessage(MSG* pMsg) override;
    void OnUpdateFrameTitle(BOOL bAddToTitle) override;

    // The tab's label: the window text.
    virtual CString GetFrameText() const;
    // The tab's icon: the small icon of the window, else that of its class.
    virtual HICON GetFrameIcon() const;

    // The toolkit MDI frame found at creation; null under a plain MDI frame.
    CWTKMDIFrameWnd* GetToolkitFrame() const { return m_pMDIFrame; }

protected:
    int OnCreate(LPCREATESTRUCTA lpcs);
    void OnDestroy();
    LRESULT OnMDIActivateMessage(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetTextMessage(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetIconMessage(WPARAM wParam, LPARAM lParam);
    void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    DECLARE_MESSAGE_MAP()

    // The tabs of the frame, when the frame is a toolkit MDI frame.
    void UpdateFrameTabs();

    CWTKMDIFrameWnd* m_pMDIFrame = nullptr;
};
