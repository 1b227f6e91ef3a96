// CMDIClientAreaWnd: subclasses the MDI client window of a CWTKMDIFrameWnd. It can show a tab
// window beside the client with one tab per MDI child (the child's title and small icon), keeps
// the tabs in step with the children, and lets the frame's menu bar take over the MDI window
// menu. The tab window is a child of the frame; the client sits in the tab window's window area.
#pragma once
#include "frames/MDIClientTabWnd.h"

#include "core/Rect.h"
#include "gdi/ImageList.h"
#include "win/Wnd.h"

#include <map>
#include <set>
#include <vector>

class CWTKMDIFrameWnd;

class CMDIClientAreaWnd : public CWnd {
public:
    // Asks the client area to bring its tabs up to date; wParam TRUE re-selects the active tab.
    static constexpr UINT kUpdateTabsMessage = 0x465;
    // Outside the frame's control bar and pane ids, which the frame's layout places itself.
    static constexpr UINT kTabWndId = 0xEA01;

    CMDIClientAreaWnd() = default;
    ~CMDIClientAreaWnd() override = default;

    // Subclasses the frame's MDI client and creates the tab window.
    BOOL Attach(CWTKMDIFrameWnd* pFrame, HWND hWndClient);

    // Tab settings, handed to the tab window when it is created; EnableTabs works at any time.
    void EnableTabs(BOOL bEnable);
    void SetTabSettings(int nStyle, int nLocation);
    BOOL AreTabsShown() const { return m_bTabsShown; }
    CMDIClientTabWnd& GetTabWnd() { return m_wndTabs; }
    // A tab chosen by the user: its child becomes the active child.
    void OnTabActivated(int iTab);

    // Places the tab window over rectClient (frame client coordinates, the place the frame gave
    // the client) and the client inside the tab window's window area.
    void AdjustLayout();
    // All tabs; bReselect makes the active child's tab the active tab again.
    void UpdateTabs(BOOL bReselect = FALSE);
    void SelectTab(CWnd* pChild);
    // The child behind a tab, null when there is none.
    CWnd* GetTabChild(int iTab) const;
    // A child going away loses its tab at once.
    void RemoveChildTab(CWnd* pChild);

    // Icons the image list holds now (only those of open children are kept).
    int GetIconMapCount() const { return static_cast<int>(m_iconMap.size()); }
    BOOL IsIconMapped(HICON hIcon) const { return m_iconMap.count(hIcon) != 0; }

protected:
    LRESULT OnMDISetMenu(WPARAM wParam, LPARAM lParam);
    LRESULT OnMDIRefreshMenu(WPARAM wParam, LPARAM lParam);
    LRESULT OnMDICreate(WPARAM wParam, LPARAM lParam);
    LRESULT OnMDIDestroy(WPARAM wParam, LPARAM lParam);
    LRESULT OnUpdateTabsMessage(WPARAM wParam, LPARAM lParam);
    BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()

    BOOL CreateTabs();
    // The children the client holds, in window order (framework objects only).
    std::vector<CWnd*> GetChildren() const;
    HICON GetChildIcon(CWnd* pChild) const;
    CString GetChildLabel(CWnd* pChild) const;
    // The image of hIcon, added to the image list when new; -1 when it cannot be added.
    int GetIconImage(HICON hIcon);
    // Forgets the icons no open child shows any more, so a handle that is destroyed and made
    // again for another icon never finds an old image.
    void ForgetUnusedIcons(const std::set<HICON>& iconsInUse);
    int FindTab(CWnd* pChild) const;
    void RelayoutFrame();

    CMDIClientTabWnd m_wndTabs;
    BOOL m_bTabsShown = TRUE;
    int m_nTabLocation = CWTKTabWnd::kLocationTop;
    int m_nTabStyle = CWTKTabWnd::kStyle3DScrolled;
    CImageList m_TabIcons;
    std::map<HICON, int> m_iconMap;
    std::vector<int> m_freeImages;
    CWTKMDIFrameWnd* m_pFrame = nullptr;
    std::set<HWND> m_closing;
    CRect m_rectTabs;
    // Set while the client area changes the tabs itself: tab changes it causes are not user choices.
    BOOL m_bUpdating = FALSE;
};
