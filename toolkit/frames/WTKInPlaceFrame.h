// The steps the two in-place frames (CWTKOleIPFrameWnd, CWTKOleDocIPFrameWnd) share: their bases
// differ, so each forwards its handlers here with its own helper and saved owner.
#pragma once
#include <windows.h>

class CFrameWnd;
class CWTKFrameHelper;
class CWTKPopupMenu;

namespace WTKInPlaceFrame {
// Toolkit accelerators, then FALSE in customisation mode; TRUE: handled, else the base runs.
BOOL OnCommand(CWTKFrameHelper& helper, WPARAM wParam, BOOL* pbHandled);
// Activation takes the popup owner role; deactivation closes the open popup and hands it back.
void OnActivate(CFrameWnd* pFrame, CWTKFrameHelper& helper, UINT nState, HWND& hWndPrevOwner);
// The open popup closes and the owner role goes back before the window does.
void OnDestroy(CFrameWnd* pFrame, CWTKFrameHelper& helper, HWND& hWndPrevOwner);
CWTKPopupMenu* OnClosePopupMenu(CWTKPopupMenu* pMenuPopup);
LRESULT CreateToolbar(CWTKFrameHelper& helper, LPARAM lParam);
LRESULT DeleteToolbar(CWTKFrameHelper& helper, LPARAM lParam);
}  // namespace WTKInPlaceFrame
