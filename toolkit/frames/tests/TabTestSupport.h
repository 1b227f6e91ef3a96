// Shared by the tab window and owner-drawn button tests: the application, a top-level host
// window that records what its children tell it, and small image and screenshot helpers.
#pragma once
#include "MessagePump.h"

#include "core/Rect.h"
#include "win/Wnd.h"

#include <windows.h>

#include <string>
#include <vector>
#include "Files.h"
#include "ImageStrip.h"
#include "TestHostWnd.h"

// One message a child sent to the host.
struct HostEvent {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    std::string text;  // the new label of a rename request
};

class CTabTestHost : public CTestHostWnd {
public:
    // A visible top-level window with a client area of cx x cy.
    BOOL CreateHost(int cx, int cy, LPCSTR lpszTitle = "Tabs") { return CTestHostWnd::CreateHost(cx, cy, lpszTitle); }

    // Registered tab messages, WM_COMMAND and passed-on clicks, in order.
    std::vector<HostEvent> m_events;
    // Answers to the tab window's questions: nonzero refuses.
    LRESULT m_lRefuseRename = 0;
    LRESULT m_lRefuseMove = 0;

    // The events of one message only.
    std::vector<HostEvent> EventsOf(UINT message) const;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnChangeActiveTab(WPARAM wParam, LPARAM lParam);
    LRESULT OnRenameTab(WPARAM wParam, LPARAM lParam);
    LRESULT OnBeforeMoveTab(WPARAM wParam, LPARAM lParam);
    LRESULT OnMoveTab(WPARAM wParam, LPARAM lParam);
    LRESULT OnTabHScroll(WPARAM wParam, LPARAM lParam);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()
};

// An image list of a strip's images (MakeImageStrip), masked by the transparent colour.
HIMAGELIST MakeImageList(int cx, const std::vector<COLORREF>& colours, COLORREF clrTransparent);

// The thread's keyboard state says Ctrl is held (or not) for GetKeyState.
void SetControlKeyDown(bool bDown);
