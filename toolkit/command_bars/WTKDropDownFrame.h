// CWTKDropDownFrame: the borderless popup a drop-down button opens next to itself. It holds a
// CWTKDropDownToolBar that shows the source toolbar's buttons, sits on the work area of the
// monitor that holds the button, flips above the button when there is no room below, captures the
// mouse for its bar and closes on a choice, a click outside or an application switch. It deletes
// itself after its window is gone.
#pragma once
#include "command_bars/WTKDropDownToolBar.h"

#include "docview/MiniFrameWnd.h"

class CWTKDropDownToolbarButton;

class CWTKDropDownFrame : public CMiniFrameWnd {
    DECLARE_DYNCREATE(CWTKDropDownFrame)

public:
    // The embedded bar's id and its bar styles: across the parent button's bar.
    static constexpr UINT kToolBarId = 59431;
    static constexpr DWORD kVertBarStyle = 0x50005000;  // child, visible, left and right aligned
    static constexpr DWORD kHorzBarStyle = 0x5000A000;  // child, visible, top and bottom aligned
    // Room round the bar: the two 3-D rectangles and a gap.
    static constexpr int kFrameExtra = 6;
    static constexpr int kBarInset = 2;
    // From the owner's client origin when no position is given.
    static constexpr int kDefaultOffset = 5;
    // Between the frame and its button when it flips above the button.
    static constexpr int kFlipGap = 4;

    CWTKDropDownFrame() = default;
    ~CWTKDropDownFrame() override;

    // A popup at x, y (screen; both -1: near the owner's client origin) owned by the owner's owner
    // or parent, showing pToolBar's buttons, shown without activation. On failure the object is
    // gone: the caller must not touch it.
    virtual BOOL Create(CWnd* pWndOwner, int x, int y, CWTKDropDownToolBar* pToolBar);

    // Sizes the frame round its bar and keeps it on the work area.
    void RecalcLayout(BOOL bNotify = TRUE) override;

    void SetParentButton(CWTKDropDownToolbarButton* pButton) { m_pParentBtn = pButton; }
    CWTKDropDownToolbarButton* GetParentButton() const { return m_pParentBtn; }
    CWTKDropDownToolBar* GetToolBar() { return &m_wndToolBar; }
    CWTKDropDownToolBar* GetSourceToolBar() const { return m_pWndOriginToolbar; }
    // Closes the frame once the message being handled is done (its own bar may be handling it).
    void Close();
    BOOL IsClosing() const { return m_bClosing; }

protected:
    int OnCreate(LPCREATESTRUCTA lpcs);
    void OnSize(UINT nType, int cx, int cy);
    void OnPaint();
    void OnDestroy();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnActivateApp(BOOL bActive, DWORD dwThreadID);
    void PostNcDestroy() override;
    DECLARE_MESSAGE_MAP()

    CWTKDropDownToolBar m_wndToolBar;
    CWTKDropDownToolbarButton* m_pParentBtn = nullptr;
    CWTKDropDownToolBar* m_pWndOriginToolbar = nullptr;
    int m_x = 0;
    int m_y = 0;
    BOOL m_bClosing = FALSE;

    // Registered once per process.
    static CString m_strClassName;

private:
    // The bar of the parent button, when it is a toolkit toolbar with a window.
    CWTKToolBar* GetParentToolBar() const;
    BOOL IsParentBarHorizontal() const;
};
