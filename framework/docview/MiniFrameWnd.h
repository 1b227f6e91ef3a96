// CMiniFrameWnd: a tool window frame with a small caption (floating bars and palettes, popup
// menus). With MFS_SYNCACTIVE its caption follows its owner frame's activation, and the owner
// keeps its caption active while the mini frame has the activation.
#pragma once
#include "docview/FrameWnd.h"

// Mini frame styles (the window class's own style bits).
#define MFS_SYNCACTIVE 0x00000100L    // caption active together with the owner frame
#define MFS_4THICKFRAME 0x00000200L   // sizing border without the corner areas
#define MFS_THICKFRAME 0x00000400L    // sizing border
#define MFS_MOVEFRAME 0x00000800L     // the border moves the window
#define MFS_BLOCKSYSMENU 0x00001000L  // no system menu on the caption

class CMiniFrameWnd : public CFrameWnd {
    DECLARE_DYNCREATE(CMiniFrameWnd)
public:
    CMiniFrameWnd() = default;

    // A popup owned by pParentWnd (a frame, as a rule).
    BOOL Create(LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd = nullptr,
                UINT nID = 0);
    BOOL CreateEx(DWORD dwExStyle, LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd = nullptr, UINT nID = 0);

    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;

protected:
    LRESULT OnFloatStatus(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcActivateMessage(WPARAM wParam, LPARAM lParam);
    void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    // hWnd (taking the activation) is the owner or another of its floating windows.
    BOOL IsOwnerActivation(HWND hWnd) const;

    DECLARE_MESSAGE_MAP()
};
