// The frame helper: creation, closing, user-defined and torn-off toolbars, docking.
// Keyboard and mouse filtering: WTKFrameHelperInput.cpp.
#include "frames/WTKFrameHelper.h"

#include "frames/WTKDockingConstants.h"
#include "frames/WTKFrameWnd.h"
#include "frames/WTKMiniDockFrameWnd.h"
#include "frames/WTKRebarState.h"
#include "frames/WTKToolDockBar.h"
#include "frames/res/WTKFramesRes.h"

#include "command_bars/WTKMenuBar.h"
#include "command_bars/WTKMenuBarHost.h"
#include "command_bars/WTKToolBar.h"
#include "command_bars/WTKToolBarFrameQueries.h"

#include "foundation/WTKFrameResourceIdSource.h"
#include "foundation/WTKKeyboardManager.h"
#include "foundation/WTKRegistryHolder.h"
#include "foundation/WTKWorkspace.h"
#include "foundation/WTKWorkArea.h"
#include "foundation/WTKWorkspaceSteps.h"

#include "bars/DockState.h"
#include "core/Exception.h"
#include "core/ExceptionReport.h"
#include "win/WinApp.h"
#include "win/WndLifeGuard.h"

#include <algorithm>
#include <new>
#include <vector>

namespace {
const char kTearOffSection[] = "ControlBars-TearOff";
const char kTearOffKeyFormat[] = "%s-%d";
const char kIdValue[] = "ID";
const char kNameValue[] = "Name";
const char kStateValue[] = "State";
// More torn-off bars than a user would tear off are not loaded: each is a window with its own
// stored buttons, and a damaged section must not fill the frame with them.
constexpr int kMaxTearOffBars = 32;

const struct {
    DWORD dwAlign;
    UINT nID;
} kToolDockSides[] = {
    {CBRS_ALIGN_TOP, FW_IDW_DOCKBAR_TOP},
    {CBRS_ALIGN_BOTTOM, FW_IDW_DOCKBAR_BOTTOM},
    {CBRS_ALIGN_LEFT, FW_IDW_DOCKBAR_LEFT},
    {CBRS_ALIGN_RIGHT, FW_IDW_DOCKBAR_RIGHT},
};

// Destroys the bar's window (when there is one) and deletes the object, once.
void DestroyAndDelete(CControlBar* pBar)
{
    if (pBar == nullptr)
        return;
    const BOOL bAutoDelete = pBar->m_bAutoDelete;
    if (::IsWindow(pBar->GetSafeHwnd()))
        pBar->DestroyWindow();
    if (!bAutoDelete)
        delete pBar;
}

CWTKFrameHelper::WorkAreasSource& WorkAreasSlot()
{
    static CWTKFrameHelper::WorkAreasSource pfn = WTKMonitorWorkAreas;
    return pfn;
}

void DeleteAll(CObList& list)
{
    while (!list.IsEmpty())
        DestroyAndDelete(static_cast<CControlBar*>(list.RemoveHead()));
}

// The application's start-up show command (SW_SHOW when there is no application).
int& StartupShowCmd()
{
    static int nCmdShow = -1;
    return nCmdShow;
}
int GetStartupShowCmd()
{
    if (CWinApp* pApp = FwGetApp())
        return pApp->m_nCmdShow;
    return StartupShowCmd() == -1 ? SW_SHOW : StartupShowCmd();
}
void SetStartupShowCmd(int nCmdShow)
{
    if (CWinApp* pApp = FwGetApp())
        pApp->m_nCmdShow = nCmdShow;
    else
        StartupShowCmd() = nCmdShow;
}
}  // namespace

namespace {

// Every helper alive: each toolkit frame embeds one, whatever its kind.
std::vector<CWTKFrameHelper*>& LiveHelpers()
{
    static std::vector<CWTKFrameHelper*> helpers;
    return helpers;
}

// What toolbars ask of their top-level frame: tooltips of a toolkit frame, and whether a
// toolkit frame made the bar as a user-defined toolbar.
class CToolkitFrameQueries : public CWTKToolBarFrameQueries {
public:
    BOOL GetButtonTip(CFrameWnd* pTopFrame, CWTKToolbarButton* pButton, CString& strText) override
    {
        auto* pFrame = dynamic_cast<CWTKFrameWnd*>(pTopFrame);
        return pFrame != nullptr ? pFrame->GetToolbarButtonToolTipText(pButton, strText) : FALSE;
    }
    BOOL IsUserDefined(CFrameWnd* pTopFrame, const CWTKToolBar* pBar) override
    {
        CWTKFrameHelper* pHelper = CWTKFrameHelper::FromFrame(pTopFrame);
        return pHelper != nullptr ? pHelper->IsUserDefinedToolbar(pBar) : FALSE;
    }
};
CFwHookRegistration<CWTKToolBarFrameQueries, CToolkitFrameQueries> g_toolkitFrameQueries;

// The workspace reaches the rebars of a toolkit frame through its steps.
class CToolkitFrameSteps : public CWTKFrameSteps {
public:
    BOOL LoadRebarState(LPCTSTR lpszProfileName, CFrameWnd* pFrame) override
    {
        return CWTKRebarState::LoadState(lpszProfileName, pFrame);
    }
    BOOL SaveRebarState(LPCTSTR lpszProfileName, CFrameWnd* pFrame) override
    {
        return CWTKRebarState::SaveState(lpszProfileName, pFrame);
    }
};
CFwHookRegistration<CWTKFrameSteps, CToolkitFrameSteps> g_toolkitFrameSteps;

// The keyboard manager's reset loads a toolkit frame's table from the id it was loaded with.
class CToolkitFrameResourceIds : public CWTKFrameResourceIdSource {
public:
    UINT GetFrameResourceId(CFrameWnd* pFrame) override
    {
        const auto* pHost = dynamic_cast<const CWTKMenuBarHost*>(pFrame);
        return pHost != nullptr ? pHost->GetFrameResourceId() : 0;
    }
};
CFwHookRegistration<CWTKFrameResourceIdSource, CToolkitFrameResourceIds> g_toolkitFrameResourceIds;

}  // namespace

CWTKFrameHelper::CWTKFrameHelper(CFrameWnd* pFrame) : m_pFrame(pFrame)
{
    LiveHelpers().push_back(this);
}

CWTKFrameHelper::~CWTKFrameHelper()
{
    DeleteAll(m_listUserDefinedToolbars);
    DeleteAll(m_listTearOffToolbars);
    std::vector<CWTKFrameHelper*>& helpers = LiveHelpers();
    helpers.erase(std::remove(helpers.begin(), helpers.end(), this), helpers.end());
}

CWTKFrameHelper* CWTKFrameHelper::FromFrame(const CWnd* pFrame)
{
    if (pFrame == nullptr)
        return nullptr;
    for (CWTKFrameHelper* pHelper : LiveHelpers()) {
        if (pHelper->m_pFrame == pFrame)
            return pHelper;
    }
    return nullptr;
}

// ---- Creation and closing ----

void CWTKFrameHelper::RestorePosition(CREATESTRUCTA& cs)
{
    CWTKWorkspace* pWorkspace = WTKGetWorkspace();
    if (pWorkspace == nullptr)
        return;
    // CW_USEDEFAULT is no coordinate: the default rectangle is then the system's own.
    const BOOL bDefaultPos = cs.x == CW_USEDEFAULT || cs.y == CW_USEDEFAULT;
    const BOOL bDefaultSize = cs.cx == CW_USEDEFAULT || cs.cy == CW_USEDEFAULT;
    CRect rectNormal = bDefaultPos || bDefaultSize ? CRect(0, 0, 0, 0) : CRect(cs.x, cs.y, cs.x + cs.cx, cs.y + cs.cy);
    int nFlags = 0;
    int nShowCmd = SW_SHOWNORMAL;
    if (!pWorkspace->LoadWindowPlacement(rectNormal, nFlags, nShowCmd))
        return;
    // A placement that leaves no usable window is passed over whole, show command too.
    const std::vector<CRect> workAreas = WorkAreasSlot()();
    const int nWork = WTKUsableWorkAreaOf(rectNormal, GetMinTrackSize(), workAreas);
    if (nWork < 0)
        return;
    if (nShowCmd != SW_SHOWMAXIMIZED)
        nShowCmd = SW_SHOWNORMAL;
    const int nStartup = GetStartupShowCmd();
    // Only a minimised or maximised start asked for by the user keeps its own show command.
    if (nStartup < SW_SHOWMINIMIZED || nStartup > SW_SHOWMINNOACTIVE || nStartup == SW_SHOWNOACTIVATE ||
        nStartup == SW_SHOW)
        SetStartupShowCmd(nShowCmd);
    CRect rectMeet;
    rectMeet.IntersectRect(&rectNormal, &workAreas[static_cast<size_t>(nWork)]);
    cs.x = rectMeet.left;
    cs.y = rectMeet.top;
    cs.cx = rectNormal.Width();
    cs.cy = rectNormal.Height();
}

CSize CWTKFrameHelper::GetMinTrackSize() const
{
    return CSize(std::max<LONG>(m_sizeMinTrack.cx, ::GetSystemMetrics(SM_CXMINTRACK)),
                 std::max<LONG>(m_sizeMinTrack.cy, ::GetSystemMetrics(SM_CYMINTRACK)));
}

CWTKFrameHelper::WorkAreasSource CWTKFrameHelper::SetWorkAreasSource(WorkAreasSource pfnSource)
{
    const WorkAreasSource pfnPrevious = WorkAreasSlot();
    WorkAreasSlot() = pfnSource ? pfnSource : WTKMonitorWorkAreas;
    return pfnPrevious;
}

void CWTKFrameHelper::OnLoadFrame()
{
    if (CWTKWorkspace* pWorkspace = WTKGetWorkspace())
        pWorkspace->LoadState(nullptr, this);
}

void CWTKFrameHelper::OnCloseFrame()
{
    for (POSITION pos = m_listTearOffToolbars.GetHeadPosition(); pos != nullptr;) {
        const POSITION posCur = pos;
        auto* pBar = static_cast<CControlBar*>(m_listTearOffToolbars.GetNext(pos));
        if (!::IsWindow(pBar->GetSafeHwnd()) || !pBar->IsWindowVisible()) {
            m_listTearOffToolbars.RemoveAt(posCur);
            DestroyAndDelete(pBar);
        }
    }
    CWTKWorkspace* pWorkspace = WTKGetWorkspace();
    if (pWorkspace == nullptr)
        return;
    pWorkspace->SaveFrameState(this);
    if (!::IsWindow(m_pFrame->GetSafeHwnd()))
        return;
    WINDOWPLACEMENT wp {};
    wp.length = sizeof(wp);
    if (!::GetWindowPlacement(m_pFrame->GetSafeHwnd(), &wp))
        return;
    if (wp.showCmd != SW_SHOWMAXIMIZED)
        wp.showCmd = SW_SHOWNORMAL;
    // The normal position counts from the work area; the saved one from the screen.
    CRect rectWork;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rectWork, 0);
    CRect rectNormal = wp.rcNormalPosition;
    rectNormal.OffsetRect(rectWork.left, rectWork.top);
    pWorkspace->StoreWindowPlacement(rectNormal, static_cast<int>(wp.flags), static_cast<int>(wp.showCmd));
}

// ---- User-defined toolbars ----

BOOL CWTKFrameHelper::IsUserDefinedToolbar(const CControlBar* pBar) const
{
    if (pBar == nullptr || !::IsWindow(pBar->GetSafeHwnd()) || m_uiUserToolbarFirst == -1 || m_uiUserToolbarLast == -1)
        return FALSE;
    const int nID = pBar->GetDlgCtrlID();
    return nID >= m_uiUserToolbarFirst && nID <= m_uiUserToolbarLast;
}

void CWTKFrameHelper::LoadUserToolbars()
{
    if (m_uiUserToolbarFirst == -1 || m_uiUserToolbarLast == -1 || m_uiUserToolbarLast < m_uiUserToolbarFirst)
        return;
    for (int nID = m_uiUserToolbarFirst; nID <= m_uiUserToolbarLast; ++nID) {
        auto* pToolBar = new CWTKToolBar;
        if (!pToolBar->Create(m_pFrame, kWTKUserToolbarStyle, static_cast<UINT>(nID))) {
            delete pToolBar;
            continue;
        }
        if (!pToolBar->LoadState(m_strControlBarRegEntry, -1, static_cast<UINT>(-1))) {
            pToolBar->DestroyWindow();
            delete pToolBar;
            continue;
        }
        pToolBar->SetBarStyle(pToolBar->GetBarStyle() | kWTKUserToolbarBarStyle);
        pToolBar->EnableDocking(CBRS_ALIGN_ANY);
        m_pFrame->DockControlBar(pToolBar);
        m_listUserDefinedToolbars.AddTail(pToolBar);
    }
}

BOOL CWTKFrameHelper::SaveUserToolbars(BOOL bFrameOnly)
{
    BOOL bResult = TRUE;
    for (POSITION pos = m_listUserDefinedToolbars.GetHeadPosition(); pos != nullptr;) {
        auto* pToolBar = static_cast<CWTKToolBar*>(m_listUserDefinedToolbars.GetNext(pos));
        if (bFrameOnly && pToolBar->GetTopLevelFrame() != m_pFrame)
            continue;
        if (!pToolBar->SaveState(m_strControlBarRegEntry, -1, static_cast<UINT>(-1)))
            bResult = FALSE;
    }
    return bResult;
}

CWTKToolBar* CWTKFrameHelper::CreateNewToolBar(LPCTSTR lpszName)
{
    int nFreeID = -1;
    if (m_uiUserToolbarFirst != -1 && m_uiUserToolbarLast != -1 && m_uiUserToolbarLast >= m_uiUserToolbarFirst &&
        m_listUserDefinedToolbars.GetCount() < m_uiUserToolbarLast - m_uiUserToolbarFirst + 1) {
        for (int nID = m_uiUserToolbarFirst; nID <= m_uiUserToolbarLast && nFreeID == -1; ++nID) {
            BOOL bUsed = FALSE;
            for (POSITION pos = m_listUserDefinedToolbars.GetHeadPosition(); pos != nullptr && !bUsed;) {
                auto* pBar = static_cast<CControlBar*>(m_listUserDefinedToolbars.GetNext(pos));
                bUsed = ::IsWindow(pBar->GetSafeHwnd()) && pBar->GetDlgCtrlID() == nID;
            }
            if (!bUsed)
                nFreeID = nID;
        }
    }
    if (nFreeID == -1) {
        CString strFormat;
        strFormat.LoadString(IDS_WTK_CANT_CREATE_USER_TOOLBAR);
        CString strMessage;
        strMessage.Format(strFormat, m_uiUserToolbarLast - m_uiUserToolbarFirst + 1);
        FwMessageBox(strMessage, MB_OK | MB_ICONINFORMATION);
        return nullptr;
    }
    auto* pToolBar = new CWTKToolBar;
    if (!pToolBar->Create(m_pFrame, kWTKUserToolbarStyle, static_cast<UINT>(nFreeID))) {
        delete pToolBar;
        return nullptr;
    }
    pToolBar->SetWindowText(lpszName ? lpszName : "");
    pToolBar->SetBarStyle(pToolBar->GetBarStyle() | kWTKUserToolbarBarStyle);
    pToolBar->EnableDocking(CBRS_ALIGN_ANY);
    const CPoint pt(::GetSystemMetrics(SM_CXFULLSCREEN) / 2, ::GetSystemMetrics(SM_CYFULLSCREEN) / 2);
    m_pFrame->FloatControlBar(pToolBar, pt, CBRS_ALIGN_TOP);
    m_pFrame->RecalcLayout();
    m_listUserDefinedToolbars.AddTail(pToolBar);
    return pToolBar;
}

BOOL CWTKFrameHelper::DeleteToolBar(CWTKToolBar* pToolBar)
{
    POSITION pos = pToolBar ? m_listUserDefinedToolbars.Find(pToolBar) : nullptr;
    if (pos == nullptr)
        return FALSE;
    m_listUserDefinedToolbars.RemoveAt(pos);
    pToolBar->RemoveStateFromRegistry(m_strControlBarRegEntry, -1, static_cast<UINT>(-1));
    DestroyAndDelete(pToolBar);
    m_pFrame->RecalcLayout();
    return TRUE;
}

// ---- Torn-off toolbars ----

void CWTKFrameHelper::AddTearOffToolbar(CControlBar* pToolBar)
{
    if (pToolBar != nullptr && m_listTearOffToolbars.Find(pToolBar) == nullptr)
        m_listTearOffToolbars.AddTail(pToolBar);
}

void CWTKFrameHelper::RemoveTearOffToolbar(CControlBar* pToolBar)
{
    if (POSITION pos = m_listTearOffToolbars.Find(pToolBar))
        m_listTearOffToolbars.RemoveAt(pos);
}

CString CWTKFrameHelper::GetTearOffSection() const
{
    CWTKWorkspace* pWorkspace = WTKGetWorkspace();
    return (pWorkspace ? pWorkspace->GetRegSectionPath("") : CString()) + kTearOffSection;
}

CString CWTKFrameHelper::GetTearOffKey(int nIndex) const
{
    CString strKey;
    strKey.Format(kTearOffKeyFormat, static_cast<LPCSTR>(GetTearOffSection()), nIndex);
    return strKey;
}

void CWTKFrameHelper::SaveTearOffBars(BOOL bFrameOnly)
{
    FwFalseOnException("tear-off toolbars", [&]() {
        for (int i = 0; i < kMaxTearOffBars; ++i) {
            CWTKRegistryHolder holder;
            if (!holder.Create(FALSE, FALSE).DeleteKey(GetTearOffKey(i)))
                break;
        }
        // Keys are numbered without gaps: loading stops at the first missing one.
        int nIndex = 0;
        for (POSITION pos = m_listTearOffToolbars.GetHeadPosition(); pos != nullptr;) {
            auto* pToolBar = dynamic_cast<CWTKToolBar*>(static_cast<CObject*>(m_listTearOffToolbars.GetNext(pos)));
            if (pToolBar == nullptr || !::IsWindow(pToolBar->GetSafeHwnd()))
                continue;
            if (bFrameOnly && pToolBar->GetTopLevelFrame() != m_pFrame)
                continue;
            CString strName;
            pToolBar->GetWindowText(strName);
            CWTKRegistryHolder holder;
            CWTKRegistry& reg = holder.Create(FALSE, FALSE);
            if (!reg.CreateKey(GetTearOffKey(nIndex)))
                continue;
            reg.Write(kIdValue, pToolBar->GetDlgCtrlID());
            reg.Write(kNameValue, strName);
            reg.Write(kStateValue, static_cast<CObject*>(pToolBar));
            ++nIndex;
        }
    });
}

void CWTKFrameHelper::LoadTearOffBars()
{
    DeleteAll(m_listTearOffToolbars);
    for (int nIndex = 0; nIndex < kMaxTearOffBars; ++nIndex) {
        int nID = 0;
        CString strName;
        CObject* pObject = nullptr;
        const BOOL bRead = FwFalseOnException("tear-off toolbars", [&]() -> BOOL {
            CWTKRegistryHolder holder;
            CWTKRegistry& reg = holder.Create(FALSE, TRUE);
            return reg.Open(GetTearOffKey(nIndex)) && reg.Read(kIdValue, nID) && reg.Read(kNameValue, strName) &&
                reg.Read(kStateValue, pObject, RUNTIME_CLASS(CObject));
        });
        if (!bRead)
            return;
        // Only a toolbar may come back, under an id no bar of the frame has.
        auto* pToolBar = dynamic_cast<CWTKToolBar*>(pObject);
        if (pToolBar == nullptr || nID <= 0 || nID > 0xFFFF || m_pFrame->GetControlBar(static_cast<UINT>(nID))) {
            delete pObject;
            return;
        }
        if (!pToolBar->Create(m_pFrame, kWTKUserToolbarStyle, static_cast<UINT>(nID))) {
            delete pToolBar;
            return;
        }
        pToolBar->SetWindowText(strName);
        pToolBar->SetBarStyle(pToolBar->GetBarStyle() | kWTKUserToolbarBarStyle);
        pToolBar->EnableDocking(CBRS_ALIGN_ANY);
        m_pFrame->DockControlBar(pToolBar);
        m_listTearOffToolbars.AddTail(pToolBar);
    }
}

// ---- Menu bar ----

void CWTKFrameHelper::SetMenuBar(CWTKMenuBar* pMenuBar)
{
    m_pMenuBar = pMenuBar;
    HMENU hMenu = ::IsWindow(m_pFrame->GetSafeHwnd()) ? ::GetMenu(m_pFrame->GetSafeHwnd()) : nullptr;
    if (hMenu == nullptr)
        hMenu = m_pFrame->GetDefaultMenu();
    m_hDefaultMenu = hMenu;
    if (m_pMenuBar != nullptr) {
        m_pMenuBar->CreateFromMenu(hMenu, TRUE, FALSE);
        m_pMenuBar->SetDefaultMenuResId(m_nIDDefaultResource);
    }
    if (::IsWindow(m_pFrame->GetSafeHwnd()))
        ::SetMenu(m_pFrame->GetSafeHwnd(), nullptr);
}

void CWTKFrameHelper::OnUpdateFrameMenu()
{
    if (m_pMenuBar != nullptr && ::IsWindow(m_pMenuBar->GetSafeHwnd()) && (m_pMenuBar->GetStyle() & WS_VISIBLE) &&
        ::IsWindow(m_pFrame->GetSafeHwnd()))
        ::SetMenu(m_pFrame->GetSafeHwnd(), nullptr);
}

// ---- Docking ----

void CWTKFrameHelper::EnableDocking(DWORD dwDockStyle)
{
    m_pFrame->CFrameWnd::EnableDocking(dwDockStyle);
    for (const auto& side : kToolDockSides) {
        if (!(dwDockStyle & side.dwAlign & CBRS_ALIGN_ANY))
            continue;
        CControlBar* pOld = m_pFrame->GetControlBar(side.nID);
        if (pOld != nullptr && pOld->IsKindOf(RUNTIME_CLASS(CWTKToolDockBar)))
            continue;
        if (pOld != nullptr) {
            if (POSITION pos = m_pFrame->m_listControlBars.Find(pOld))
                m_pFrame->m_listControlBars.RemoveAt(pos);
            DestroyAndDelete(pOld);
        }
        auto* pDockBar = new CWTKToolDockBar;
        pDockBar->m_bAutoDelete = TRUE;
        if (!pDockBar->Create(m_pFrame, kWTKToolDockBarStyle | side.dwAlign, side.nID)) {
            if (pDockBar->GetSafeHwnd() == nullptr)
                delete pDockBar;
            FwThrowResourceException();
        }
    }
}

void CWTKFrameHelper::RaiseFloatingFrames()
{
    const HWND hFrame = m_pFrame->GetSafeHwnd();
    if (hFrame == nullptr)
        return;
    std::vector<HWND> owned;
    for (HWND hWnd = ::GetWindow(::GetDesktopWindow(), GW_CHILD); hWnd; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT)) {
        if (::GetWindow(hWnd, GW_OWNER) != hFrame || !::IsWindowVisible(hWnd))
            continue;
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        if (pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd)))
            owned.push_back(hWnd);
    }
    for (HWND hWnd : owned)
        ::SetWindowPos(hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

BOOL CWTKFrameHelper::IsDockStateValid(const CDockState& state)
{
    for (INT_PTR i = 0; i < state.m_arrBarInfo.GetSize(); ++i) {
        auto* pInfo = static_cast<CControlBarInfo*>(state.m_arrBarInfo[i]);
        if (pInfo == nullptr)
            return FALSE;
        if (pInfo->m_bFloating)
            continue;
        if (m_pFrame->GetControlBar(pInfo->m_nBarID) == nullptr)
            return FALSE;
    }
    return TRUE;
}

void CWTKFrameHelper::SetDockState(const CDockState& state)
{
    std::vector<CMiniDockFrameWnd*> newFrames;
    for (INT_PTR i = 0; i < state.m_arrBarInfo.GetSize(); ++i) {
        auto* pInfo = static_cast<CControlBarInfo*>(state.m_arrBarInfo[i]);
        pInfo->m_pBar = nullptr;
        if (pInfo->m_bDockBar && pInfo->m_bFloating) {
            const DWORD dwAlign = pInfo->m_bHorz ? CBRS_ALIGN_TOP : CBRS_ALIGN_LEFT;
            CMiniDockFrameWnd* pFrame = m_pFrame->CreateFloatingFrame(dwAlign | CBRS_SIZE_DYNAMIC);
            if (pFrame == nullptr)
                continue;
            // The record keeps the floating frame's window position.
            const CPoint pt = pInfo->m_pointPos;
            pFrame->SetWindowPos(nullptr, pt.x, pt.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            pInfo->m_pBar = &pFrame->m_wndDockBar;
            newFrames.push_back(pFrame);
            continue;
        }
        // A record whose bar the frame lacks, or of the other kind, is skipped.
        CControlBar* pBar = m_pFrame->GetControlBar(pInfo->m_nBarID);
        if (pBar == nullptr || pBar->IsDockBar() != pInfo->m_bDockBar || (pBar->IsDockBar() && pBar->IsFloating()))
            continue;
        pInfo->m_pBar = pBar;
        if (!pInfo->m_bDockBar)
            pBar->m_nMRUWidth = pInfo->m_nMRUWidth;
    }
    // Dock bars place their bars first; then each bar takes its own record.
    for (int nPass = 0; nPass < 2; ++nPass) {
        for (INT_PTR i = 0; i < state.m_arrBarInfo.GetSize(); ++i) {
            auto* pInfo = static_cast<CControlBarInfo*>(state.m_arrBarInfo[i]);
            if (pInfo->m_pBar != nullptr && pInfo->m_bDockBar == (nPass == 0))
                pInfo->m_pBar->SetBarInfo(pInfo, m_pFrame);
        }
    }
    // A floating frame stored on a monitor since removed (or between monitors) comes back where
    // its caption can be grabbed.
    const std::vector<CRect> workAreas = WorkAreasSlot()();
    const int cyCaption = ::GetSystemMetrics(SM_CYSMCAPTION);
    for (CMiniDockFrameWnd* pFrame : newFrames) {
        if (!::IsWindow(pFrame->GetSafeHwnd()))
            continue;
        if (pFrame->m_wndDockBar.GetDockedVisibleCount() > 0) {
            pFrame->RecalcLayout();
            CRect rect;
            pFrame->GetWindowRect(&rect);
            const CPoint pt = WTKGrabbablePosition(rect, CSize(cyCaption, cyCaption), workAreas);
            if (pt != rect.TopLeft())
                pFrame->SetWindowPos(nullptr, pt.x, pt.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            pFrame->ShowWindow(SW_SHOWNA);
        }
    }
    m_pFrame->RecalcLayout();
    CMiniDockFrameWnd::DestroyEmptyFrames(m_pFrame);
    // A frame started minimised lays out when it is restored, not at the next idle time.
    const int nCmdShow = GetStartupShowCmd();
    if (nCmdShow != SW_MINIMIZE && nCmdShow != SW_SHOWMINNOACTIVE)
        m_pFrame->DelayRecalcLayout();
}

// ---- Context help ----

BOOL CWTKFrameHelper::RunContextHelp(BOOL& bContextHelp)
{
    // This helper lives inside the frame: once the help loop has run, only locals are read
    // until the guard says the frame is still there.
    CFrameWnd* pFrame = m_pFrame;
    const CWndLifeGuard frame(pFrame);
    bContextHelp = TRUE;
    if (pFrame->CanEnterHelpMode())
        CWTKToolBar::SetMouseHook(TRUE);
    pFrame->CFrameWnd::OnContextHelp();
    if (!frame.HoldsSameWindow()) {
        CWTKToolBar::SetMouseHook(FALSE);
        return FALSE;
    }
    if (!pFrame->IsInHelpMode())
        CWTKToolBar::SetMouseHook(FALSE);
    bContextHelp = FALSE;
    return TRUE;
}

void CWTKFrameHelper::DestroyInstalledAccelerators()
{
    if (m_pFrame->m_hAccelTable == nullptr)
        return;
    ::DestroyAcceleratorTable(m_pFrame->m_hAccelTable);
    m_pFrame->m_hAccelTable = nullptr;
    CWTKKeyboardManager::InvalidateCaches();
}
