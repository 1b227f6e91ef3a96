#include "TabTestSupport.h"

#include "frames/WTKTabMessages.h"

#include "win/MessageMap.h"
#include "win/WinApp.h"
#include "Files.h"

namespace {

class CTabTestApp : public CWinApp {
public:
    CTabTestApp() : CWinApp("WTKTabTests") {}
};
CTabTestApp theApp;

}  // namespace

BEGIN_MESSAGE_MAP(CTabTestHost, CWnd)
    ON_REGISTERED_MESSAGE(WTKM_ONCHANGE_ACTIVE_TAB, OnChangeActiveTab)
    ON_REGISTERED_MESSAGE(WTKM_ON_RENAME_TAB, OnRenameTab)
    ON_REGISTERED_MESSAGE(WTKM_ON_BEFOREMOVE_TAB, OnBeforeMoveTab)
    ON_REGISTERED_MESSAGE(WTKM_ON_MOVE_TAB, OnMoveTab)
    ON_REGISTERED_MESSAGE(WTKM_ON_HSCROLL, OnTabHScroll)
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

std::vector<HostEvent> CTabTestHost::EventsOf(UINT message) const
{
    std::vector<HostEvent> events;
    for (const HostEvent& e : m_events) {
        if (e.message == message)
            events.push_back(e);
    }
    return events;
}

BOOL CTabTestHost::OnCommand(WPARAM wParam, LPARAM lParam)
{
    m_events.push_back({WM_COMMAND, wParam, lParam, {}});
    return TRUE;
}

LRESULT CTabTestHost::OnChangeActiveTab(WPARAM wParam, LPARAM lParam)
{
    m_events.push_back({WTKM_ONCHANGE_ACTIVE_TAB, wParam, lParam, {}});
    return 0;
}

LRESULT CTabTestHost::OnRenameTab(WPARAM wParam, LPARAM lParam)
{
    const auto* psz = reinterpret_cast<LPCSTR>(lParam);
    m_events.push_back({WTKM_ON_RENAME_TAB, wParam, lParam, psz != nullptr ? psz : ""});
    return m_lRefuseRename;
}

LRESULT CTabTestHost::OnBeforeMoveTab(WPARAM wParam, LPARAM lParam)
{
    m_events.push_back({WTKM_ON_BEFOREMOVE_TAB, wParam, lParam, {}});
    return m_lRefuseMove;
}

LRESULT CTabTestHost::OnMoveTab(WPARAM wParam, LPARAM lParam)
{
    m_events.push_back({WTKM_ON_MOVE_TAB, wParam, lParam, {}});
    return 0;
}

LRESULT CTabTestHost::OnTabHScroll(WPARAM wParam, LPARAM lParam)
{
    m_events.push_back({WTKM_ON_HSCROLL, wParam, lParam, {}});
    return 0;
}

void CTabTestHost::OnLButtonDown(UINT nFlags, CPoint point)
{
    m_events.push_back({WM_LBUTTONDOWN, nFlags, MAKELPARAM(point.x, point.y), {}});
}

void CTabTestHost::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    m_events.push_back({WM_LBUTTONDBLCLK, nFlags, MAKELPARAM(point.x, point.y), {}});
}

HIMAGELIST MakeImageList(int cx, const std::vector<COLORREF>& colours, COLORREF clrTransparent)
{
    HBITMAP hbm = MakeImageStrip(cx, colours, clrTransparent);
    HIMAGELIST hList = ImageList_Create(cx, cx, ILC_COLOR32 | ILC_MASK, static_cast<int>(colours.size()), 0);
    ImageList_AddMasked(hList, hbm, clrTransparent);
    ::DeleteObject(hbm);
    return hList;
}

void SetControlKeyDown(bool bDown)
{
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = bDown ? 0x80 : 0;
    keys[VK_LCONTROL] = bDown ? 0x80 : 0;
    ::SetKeyboardState(keys);
}
