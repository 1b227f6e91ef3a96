// CWTKTasksPane: pages, groups and tasks, the navigation history, the page menu, the navigation
// toolbar and the pane's commands.
#include "frames/WTKTasksPane.h"

#include "frames/WTKButton.h"
#include "frames/res/WTKFramesRes.h"

#include "foundation/WTKGlobalData.h"
#include "foundation/WTKVisualManager.h"

#include "docview/FrameWnd.h"
#include "win/MessageMap.h"
#include "win/WinApp.h"
#include "win/WndLifeGuard.h"

#include <algorithm>

IMPLEMENT_SERIAL(CWTKTasksPane, CWTKOutlookBar, VERSIONABLE_SCHEMA | 1)

BEGIN_MESSAGE_MAP(CWTKTasksPane, CWTKOutlookBar)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_SIZE()
    ON_WM_SETTINGCHANGE()
    ON_WM_SETCURSOR()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_CANCELMODE()
    ON_WM_VSCROLL()
    ON_WM_TIMER()
    ON_MESSAGE(WM_SETFONT, OnSetFont)
    ON_MESSAGE(WM_GETFONT, OnGetFont)
END_MESSAGE_MAP()

namespace {
// The navigation toolbar: a top-aligned child toolbar of fixed size with tooltips and fly-by
// prompts; the gripper bit is taken off after creation.
constexpr DWORD kNavigationToolBarStyle = 0x50402838;
constexpr DWORD kGripperStyle = 0x400000;
constexpr SIZE kNavigationButtonSize = {16, 16};
constexpr SIZE kNavigationImageSize = {12, 12};
constexpr int kImageBack = 0;
constexpr int kImageForward = 1;
constexpr int kImageHome = 2;
constexpr int kImageClose = 3;
constexpr int kStdImageBack = 35;
constexpr int kStdImageForward = 36;
constexpr DWORD kCaptionButtonStyle = WS_CHILD | BS_PUSHBUTTON | BS_OWNERDRAW;
// Item ids of the page menu while it is tracked (the page's index is added).
constexpr UINT kTrackedPageItemBase = 0x7000;
constexpr UINT kMaxTrackedPages = 0x0FFF;

CString LoadStringOr(UINT uiID, LPCSTR lpszDefault)
{
    CString str;
    if (!str.LoadString(uiID))
        str = lpszDefault;
    return str;
}

UINT DefaultMenuTracker(HMENU hMenu, CPoint ptScreen, CWnd* pOwner)
{
    return static_cast<UINT>(::TrackPopupMenu(hMenu, TPM_LEFTALIGN | TPM_RETURNCMD | TPM_NONOTIFY, ptScreen.x,
                                              ptScreen.y, 0, pOwner->GetSafeHwnd(), nullptr));
}
}  // namespace

CWTKTasksPane::CWTKTasksPane()
{
    m_arrPages.push_back(PageRecord());
    m_arrHistory.push_back(0);
    m_bHasCaption = FALSE;
}

CWTKTasksPane::~CWTKTasksPane()
{
    while (!m_lstTaskGroups.IsEmpty())
        delete m_lstTaskGroups.RemoveHead();
    delete m_pPagesButton;
    delete m_pForwardButton;
    delete m_pBackButton;
}

BOOL CWTKTasksPane::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    return CWTKOutlookBar::Create(pParentWnd, dwStyle, nID);
}

int CWTKTasksPane::OnCreate(LPCREATESTRUCTA lpcs)
{
    if (CWTKOutlookBar::OnCreate(lpcs) == -1)
        return -1;
    m_strCaption = LoadStringOr(IDS_WTK_TASKS_PANE, "Tasks Pane");
    if (m_arrPages[0].strName.IsEmpty())
        m_arrPages[0].strName = m_strCaption;
    CreateFonts();
    m_hcurHand = ::LoadCursorA(FwGetResourceHandle(), MAKEINTRESOURCEA(IDC_WTK_TASKS_PANE_HAND));
    // A program whose resources leave out the frames' has the system's hand.
    if (m_hcurHand == nullptr)
        m_hcurHand = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32649));
    if (!m_wndScrollVert.Create(WS_CHILD | SBS_VERT, CRect(0, 0, 0, 0), this, kScrollBarId))
        return -1;
    m_pPagesButton = new CWTKButton;
    m_pForwardButton = new CWTKButton;
    m_pBackButton = new CWTKButton;
    if (!m_pPagesButton->Create("", kCaptionButtonStyle, CRect(0, 0, 0, 0), this, kPagesMenuButtonId) ||
        !m_pForwardButton->Create("", kCaptionButtonStyle, CRect(0, 0, 0, 0), this, kForwardButtonId) ||
        !m_pBackButton->Create("", kCaptionButtonStyle, CRect(0, 0, 0, 0), this, kBackButtonId))
        return -1;
    m_pPagesButton->SetTooltip(LoadStringOr(IDS_WTK_OTHER_TASK_PANES, "Other Task Panes"));
    m_pForwardButton->SetTooltip(LoadStringOr(IDS_WTK_TASKS_FORWARD, "Forward"));
    m_pForwardButton->SetStdImage(kStdImageForward);
    m_pBackButton->SetTooltip(LoadStringOr(IDS_WTK_TASKS_BACK, "Back"));
    m_pBackButton->SetStdImage(kStdImageBack);
    if (!CreateNavigationToolBar())
        return -1;
    UpdateWindowText();
    BuildPagesMenu();
    UpdateNavigationButtons();
    return 0;
}

void CWTKTasksPane::OnDestroy()
{
    KillTimer(kAnimationTimer);
    KillTimer(kScrollAreaTimer);
    CWTKOutlookBar::OnDestroy();
}

BOOL CWTKTasksPane::CreateNavigationToolBar()
{
    if (!m_wndToolBar.CreateEx(this, kFlatStyle, kNavigationToolBarStyle, CRect(1, 1, 1, 1), kNavigationToolBarId))
        return FALSE;
    m_wndToolBar.SetBarStyle(m_wndToolBar.GetBarStyle() & ~kGripperStyle);
    m_wndToolBar.SetOwner(this);
    m_wndToolBar.SetLockedSizes(kNavigationButtonSize, kNavigationImageSize);
    m_wndToolBar.LoadBitmap(IDB_WTK_TASKS_PANE_NAVIGATION, 0, 0, TRUE);
    m_wndToolBar.InsertButton(CWTKToolbarButton(kCmdBack, kImageBack, LoadStringOr(kCmdBack, "Back"), FALSE, TRUE));
    m_wndToolBar.InsertButton(
        CWTKToolbarButton(kCmdForward, kImageForward, LoadStringOr(kCmdForward, "Forward"), FALSE, TRUE));
    m_wndToolBar.InsertButton(CWTKToolbarButton(kCmdHome, kImageHome, LoadStringOr(kCmdHome, "Home"), FALSE, TRUE));
    m_wndToolBar.InsertSeparator();
    // The toolbar's copy keeps the pane (the button's copy operation carries it).
    m_wndToolBar.InsertButton(CTasksPaneMenuButton(kCmdOtherPages, m_strCaption, this));
    m_wndToolBar.InsertButton(CWTKToolbarButton(kCmdClose, kImageClose, LoadStringOr(kCmdClose, "Close"), FALSE, TRUE));
    return TRUE;
}

// ---- Pages ----

int CWTKTasksPane::AddPage(LPCSTR lpszName)
{
    PageRecord page;
    page.strName = lpszName != nullptr ? lpszName : "";
    m_arrPages.push_back(page);
    if (::IsWindow(GetSafeHwnd())) {
        UpdateWindowText();
        BuildPagesMenu();
        RecalcLayout();
    }
    return GetPageCount() - 1;
}

CString CWTKTasksPane::GetPageName(int nPage) const
{
    if (nPage < 0 || nPage >= GetPageCount())
        return CString();
    return m_arrPages[static_cast<size_t>(nPage)].strName;
}

void CWTKTasksPane::SetMaxHistory(int nMax)
{
    m_nMaxHistory = std::max(nMax, 0);
    // The history always holds the current page, whatever the maximum.
    const size_t nKeep = static_cast<size_t>(std::max(m_nMaxHistory, 1));
    while (m_arrHistory.size() > nKeep) {
        if (m_iCurrentHistory > 0) {
            m_arrHistory.erase(m_arrHistory.begin());
            m_iCurrentHistory--;
        } else {
            m_arrHistory.pop_back();
        }
    }
    UpdateNavigationButtons();
}

void CWTKTasksPane::SetActivePage(int nPage)
{
    if (nPage < 0 || nPage >= GetPageCount() || nPage == m_nActivePage)
        return;
    const int nOldPage = m_nActivePage;
    m_arrHistory.resize(static_cast<size_t>(m_iCurrentHistory + 1));
    // A maximum of 0 would leave no room for the page itself: the history keeps one entry then.
    const size_t nMax = static_cast<size_t>(std::max(m_nMaxHistory, 1));
    while (m_arrHistory.size() >= nMax && !m_arrHistory.empty())
        m_arrHistory.erase(m_arrHistory.begin());
    m_arrHistory.push_back(nPage);
    m_iCurrentHistory = static_cast<int>(m_arrHistory.size()) - 1;
    ChangeActivePage(nPage, nOldPage);
}

void CWTKTasksPane::ChangeActivePage(int nNewPage, int nOldPage)
{
    m_nActivePage = nNewPage;
    // The old page's task windows are hidden; the new page's are shown by the placing pass.
    for (POSITION pos = m_lstTaskGroups.GetHeadPosition(); pos != nullptr;) {
        auto* pGroup = static_cast<CWTKTasksGroup*>(m_lstTaskGroups.GetNext(pos));
        if (pGroup->m_nPage != nOldPage)
            continue;
        for (POSITION posTask = pGroup->m_lstTasks.GetHeadPosition(); posTask != nullptr;) {
            auto* pTask = static_cast<CWTKTask*>(pGroup->m_lstTasks.GetNext(posTask));
            if (pTask->m_hwndTask != nullptr && ::IsWindow(pTask->m_hwndTask))
                ::ShowWindow(pTask->m_hwndTask, SW_HIDE);
        }
    }
    m_pHotTask = m_pClickedTask = nullptr;
    m_pHotGroupCaption = m_pClickedGroupCaption = nullptr;
    m_pAnimatedGroup = nullptr;
    m_nAnimatedHeight = 0;
    UpdateNavigationButtons();
    if (!::IsWindow(GetSafeHwnd()))
        return;
    UpdateWindowText();
    BuildPagesMenu();
    m_nVscrollOffset = 0;
    RecalcLayout();
}

void CWTKTasksPane::OnPressBackButton()
{
    if (IsBackEnabled())
        StepHistory(-1);
}

void CWTKTasksPane::OnPressForwardButton()
{
    if (IsForwardEnabled())
        StepHistory(1);
}

void CWTKTasksPane::StepHistory(int nStep)
{
    m_iCurrentHistory += nStep;
    ChangeActivePage(m_arrHistory[static_cast<size_t>(m_iCurrentHistory)], m_nActivePage);
}

void CWTKTasksPane::OnPressHomeButton()
{
    SetActivePage(0);
}

void CWTKTasksPane::OnPressCloseButton()
{
    CloseBar();
}

void CWTKTasksPane::UpdateNavigationButtons()
{
    if (m_wndToolBar.GetSafeHwnd() != nullptr) {
        auto setEnabled = [this](UINT uiCmd, BOOL bEnable) {
            const int i = m_wndToolBar.CommandToIndex(uiCmd);
            if (i < 0)
                return;
            const UINT nStyle = m_wndToolBar.GetButtonStyle(i);
            const UINT nNew = bEnable ? (nStyle & ~TBBS_DISABLED) : (nStyle | TBBS_DISABLED);
            if (nNew != nStyle)
                m_wndToolBar.SetButtonStyle(i, nNew);
        };
        setEnabled(kCmdBack, IsBackEnabled());
        setEnabled(kCmdForward, IsForwardEnabled());
    }
    if (m_pBackButton != nullptr && m_pBackButton->GetSafeHwnd() != nullptr)
        m_pBackButton->EnableWindow(IsBackEnabled());
    if (m_pForwardButton != nullptr && m_pForwardButton->GetSafeHwnd() != nullptr)
        m_pForwardButton->EnableWindow(IsForwardEnabled());
}

void CWTKTasksPane::UpdateWindowText()
{
    const BOOL bCaptionText = GetPageCount() > 1 && (m_bUseNavigationToolbar || !m_bHasCaption);
    const CString strText = bCaptionText ? m_strCaption : GetPageName(m_nActivePage);
    SetWindowText(strText);
    const int i = m_wndToolBar.GetSafeHwnd() != nullptr ? m_wndToolBar.CommandToIndex(kCmdOtherPages) : -1;
    if (i >= 0 && m_wndToolBar.GetButtonText(i) != strText) {
        m_wndToolBar.SetButtonText(i, strText);
        m_wndToolBar.AdjustLocations();
        m_wndToolBar.Invalidate();
    }
}

void CWTKTasksPane::BuildPagesMenu()
{
    m_menuOther.DestroyMenu();
    if (!m_menuOther.CreatePopupMenu())
        return;
    for (const PageRecord& page : m_arrPages)
        m_menuOther.AppendMenu(MF_STRING, kCmdOtherPages, page.strName);
    m_menuOther.CheckMenuItem(static_cast<UINT>(m_nActivePage), MF_BYPOSITION | MF_CHECKED);
}

void CWTKTasksPane::SetMenuTracker(WTKTasksPaneMenuTracker pfn)
{
    MenuTrackerSlot() = pfn;
}

WTKTasksPaneMenuTracker& CWTKTasksPane::MenuTrackerSlot()
{
    static WTKTasksPaneMenuTracker pfn = nullptr;
    return pfn;
}

void CWTKTasksPane::ShowPagesMenu(CPoint ptScreen)
{
    // The same items as the page menu, told apart by position while the menu is open.
    CMenu menu;
    if (!menu.CreatePopupMenu())
        return;
    const int nPages = std::min(GetPageCount(), static_cast<int>(kMaxTrackedPages));
    for (int i = 0; i < nPages; i++) {
        const UINT nFlags = MF_STRING | (i == m_nActivePage ? MF_CHECKED : 0);
        menu.AppendMenu(nFlags, kTrackedPageItemBase + static_cast<UINT>(i), GetPageName(i));
    }
    WTKTasksPaneMenuTracker pfn = MenuTrackerSlot() != nullptr ? MenuTrackerSlot() : DefaultMenuTracker;
    const CWndLifeGuard self(this);
    const UINT uiChosen = pfn(menu.GetSafeHmenu(), ptScreen, this);
    if (!self.IsAlive() || uiChosen < kTrackedPageItemBase)
        return;
    const int nPage = static_cast<int>(uiChosen - kTrackedPageItemBase);
    if (nPage < nPages)
        SetActivePage(nPage);
}

// ---- Groups and tasks ----

int CWTKTasksPane::AddGroup(int nPage, LPCSTR lpszCaption, BOOL bBottomLocation, BOOL bSpecial, HICON hIcon)
{
    if (nPage < 0 || nPage >= GetPageCount())
        return -1;
    m_lstTaskGroups.AddTail(new CWTKTasksGroup(nPage, lpszCaption, bBottomLocation, bSpecial, hIcon));
    RecalcLayout();
    return GetGroupCount() - 1;
}

CWTKTasksGroup* CWTKTasksPane::GetGroup(int nGroup) const
{
    if (nGroup < 0 || nGroup >= GetGroupCount())
        return nullptr;
    return static_cast<CWTKTasksGroup*>(m_lstTaskGroups.GetAt(m_lstTaskGroups.FindIndex(nGroup)));
}

CWTKTask* CWTKTasksPane::GetTask(int nGroup, int nTask) const
{
    const CWTKTasksGroup* pGroup = GetGroup(nGroup);
    return pGroup != nullptr ? pGroup->GetTask(nTask) : nullptr;
}

int CWTKTasksPane::GroupIndex(const CWTKTasksGroup* pGroup) const
{
    int i = 0;
    for (POSITION pos = m_lstTaskGroups.GetHeadPosition(); pos != nullptr; i++) {
        if (m_lstTaskGroups.GetNext(pos) == pGroup)
            return i;
    }
    return -1;
}

int CWTKTasksPane::AddTask(int nGroup, LPCSTR lpszName, int nIcon, UINT uiCommandID, DWORD_PTR dwUserData)
{
    CWTKTasksGroup* pGroup = GetGroup(nGroup);
    if (pGroup == nullptr)
        return -1;
    pGroup->m_lstTasks.AddTail(new CWTKTask(pGroup, lpszName, nIcon, uiCommandID, dwUserData));
    RecalcLayout();
    return pGroup->GetTaskCount() - 1;
}

int CWTKTasksPane::AddWindow(int nGroup, HWND hwndTask, int nWindowHeight, BOOL bAutoDestroyWindow,
                             DWORD_PTR dwUserData)
{
    CWTKTasksGroup* pGroup = GetGroup(nGroup);
    if (pGroup == nullptr || hwndTask == nullptr || !::IsWindow(hwndTask))
        return -1;
    // The pane places the window in its own client coordinates.
    if (::IsWindow(GetSafeHwnd()) && ::GetParent(hwndTask) != GetSafeHwnd())
        ::SetParent(hwndTask, GetSafeHwnd());
    pGroup->m_lstTasks.AddTail(
        new CWTKTask(pGroup, "", -1, 0, dwUserData, hwndTask, bAutoDestroyWindow, nWindowHeight));
    if (pGroup->m_nPage != m_nActivePage)
        ::ShowWindow(hwndTask, SW_HIDE);
    RecalcLayout();
    return pGroup->GetTaskCount() - 1;
}

BOOL CWTKTasksPane::CollapseGroup(int nGroup, BOOL bCollapse)
{
    CWTKTasksGroup* pGroup = GetGroup(nGroup);
    if (pGroup == nullptr)
        return FALSE;
    if (pGroup->m_bIsCollapsed != bCollapse) {
        pGroup->m_bIsCollapsed = bCollapse;
        RecalcLayout();
    }
    return TRUE;
}

void CWTKTasksPane::RemoveAllGroups(int nPage)
{
    m_pHotTask = m_pClickedTask = nullptr;
    m_pHotGroupCaption = m_pClickedGroupCaption = nullptr;
    m_pAnimatedGroup = nullptr;
    for (POSITION pos = m_lstTaskGroups.GetHeadPosition(); pos != nullptr;) {
        const POSITION posThis = pos;
        auto* pGroup = static_cast<CWTKTasksGroup*>(m_lstTaskGroups.GetNext(pos));
        if (nPage == -1 || pGroup->m_nPage == nPage) {
            m_lstTaskGroups.RemoveAt(posThis);
            delete pGroup;
        }
    }
    RecalcLayout();
}

BOOL CWTKTasksPane::SetIconsList(HIMAGELIST hIcons)
{
    m_lstIcons.DeleteImageList();
    m_sizeIcon = CSize(0, 0);
    if (hIcons == nullptr)
        return FALSE;
    HIMAGELIST hCopy = ImageList_Duplicate(hIcons);
    if (hCopy == nullptr || !m_lstIcons.Attach(hCopy))
        return FALSE;
    int cx = 0;
    int cy = 0;
    ImageList_GetIconSize(hCopy, &cx, &cy);
    m_sizeIcon = CSize(cx, cy);
    RecalcLayout();
    return TRUE;
}

// ---- Options ----

void CWTKTasksPane::EnableNavigationToolbar(BOOL bEnable)
{
    m_bUseNavigationToolbar = bEnable;
    if (::IsWindow(GetSafeHwnd())) {
        UpdateWindowText();
        RecalcLayout();
    }
}

void CWTKTasksPane::EnableScrollButtons(BOOL bEnable)
{
    m_bScrollButtons = bEnable;
    RecalcLayout();
}

void CWTKTasksPane::SetMetric(Metric metric, int nValue)
{
    if (metric < 0 || metric >= kMetricCount)
        return;
    m_arrMetrics[metric] = nValue;
    RecalcLayout();
}

int CWTKTasksPane::GetMetric(Metric metric) const
{
    if (metric < 0 || metric >= kMetricCount)
        return 0;
    if (m_arrMetrics[metric] != -1)
        return m_arrMetrics[metric];
    const CWTKVisualManager* pLook = CWTKVisualManager::GetInstance();
    const int lookValues[kMetricCount] = {pLook->m_nVertMargin,
                                          pLook->m_nHorzMargin,
                                          pLook->m_nGroupVertOffset,
                                          pLook->m_nGroupCaptionHeight,
                                          pLook->m_nGroupCaptionHorzOffset,
                                          pLook->m_nGroupCaptionVertOffset,
                                          pLook->m_nTasksHorzOffset,
                                          pLook->m_nTasksIconHorzOffset,
                                          pLook->m_nTasksVertSpacing};
    return lookValues[metric];
}

// ---- Commands ----

void CWTKTasksPane::OnClickTask(int /*nGroupNumber*/, int /*nTaskNumber*/, UINT uiCommandID, DWORD_PTR /*dwUserData*/)
{
    if (uiCommandID == 0)
        return;
    CWnd* pOwner = GetOwner();
    if (pOwner == nullptr)
        pOwner = GetParent();
    if (pOwner != nullptr)
        pOwner->SendMessage(WM_COMMAND, uiCommandID, 0);
}

BOOL CWTKTasksPane::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const HWND hwndFrom = reinterpret_cast<HWND>(lParam);
    const UINT uiID = LOWORD(wParam);
    if (hwndFrom != nullptr && ::GetParent(hwndFrom) == GetSafeHwnd()) {
        if (m_pBackButton != nullptr && hwndFrom == m_pBackButton->GetSafeHwnd()) {
            OnPressBackButton();
            return TRUE;
        }
        if (m_pForwardButton != nullptr && hwndFrom == m_pForwardButton->GetSafeHwnd()) {
            OnPressForwardButton();
            return TRUE;
        }
        if (m_pPagesButton != nullptr && hwndFrom == m_pPagesButton->GetSafeHwnd()) {
            CRect rect;
            m_pPagesButton->GetWindowRect(rect);
            ShowPagesMenu(CPoint(rect.left, rect.bottom));
            return TRUE;
        }
    }
    switch (uiID) {
    case kCmdBack:
        OnPressBackButton();
        return TRUE;
    case kCmdForward:
        OnPressForwardButton();
        return TRUE;
    case kCmdHome:
        OnPressHomeButton();
        return TRUE;
    case kCmdClose:
        OnPressCloseButton();
        return TRUE;
    default:
        break;
    }
    return CWTKOutlookBar::OnCommand(wParam, lParam);
}

void CWTKTasksPane::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    UpdateNavigationButtons();
    CWTKOutlookBar::OnUpdateCmdUI(pTarget, bDisableIfNoHndler);
}
