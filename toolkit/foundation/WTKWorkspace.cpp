#include "foundation/WTKWorkspace.h"

#include "bars/DockState.h"
#include "docview/FrameWnd.h"
#include "foundation/WTKCommandIdPoolBase.h"
#include "foundation/WTKCommandManagerBase.h"
#include "foundation/WTKContextMenuManagerBase.h"
#include "foundation/WTKFrameHelperBase.h"
#include "foundation/WTKKeyboardManagerBase.h"
#include "foundation/WTKMouseManagerBase.h"
#include "foundation/WTKRegistryHolder.h"
#include "foundation/WTKSizingBarBase.h"
#include "foundation/WTKToolBarBase.h"
#include "foundation/WTKUserToolsManagerBase.h"
#include "foundation/WTKPopupOwnerSource.h"
#include "foundation/WTKWorkspaceSteps.h"
#include "win/WinApp.h"

namespace {
const char kVersionKey[] = "WTKToolkitVersion\\";
const char kVersionMajorValue[] = "Major";
const char kVersionMinorValue[] = "Minor";
const char kWindowPlacementKey[] = "WindowPlacement\\";
const char kMainWindowRectValue[] = "MainWindowRect";
const char kFlagsValue[] = "Flags";
const char kShowCmdValue[] = "ShowCmd";
const char kDockStateSection[] = "\\ControlBars";
const char kSizingBarsSection[] = "\\SizingBars";
// The toolbars' own index and id.
constexpr int kOwnBarIndex = -1;
constexpr UINT kOwnBarId = static_cast<UINT>(-1);

CWTKWorkspace* g_pWorkspace = nullptr;

// Deletes a manager the workspace owns and clears its process-wide pointer.
template <class T>
void DeleteOwned(BOOL bOwned, T* (*pfnGet)(), void (*pfnSet)(T*))
{
    if (!bOwned)
        return;
    T* pObject = pfnGet();
    pfnSet(nullptr);
    delete pObject;
}

BOOL HasWindow(CWnd* pWnd)
{
    return pWnd && pWnd->GetSafeHwnd();
}

// A bar takes part unless only the frame's own bars do and it belongs to another frame.
BOOL TakesPart(CWnd* pBarWnd, CWTKFrameHelperBase* pFrameHelper, BOOL bFrameBarsOnly)
{
    if (!HasWindow(pBarWnd))
        return FALSE;
    return !bFrameBarsOnly || pBarWnd->GetTopLevelFrame() == pFrameHelper->GetFrame();
}

// Positions are stored for the whole virtual screen and restored inside it.
void SetDockStateRects(CDockState& state)
{
    CSize sizeIcon(::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON));
    const CRect rectScreen = CDockState::GetVirtualScreenRect();
    CWTKWorkspace::GetDockStateRects(rectScreen, sizeIcon, state.m_rectDevice, state.m_rectClip);
    // Saved positions scale onto the whole screen; the smaller clip rectangle only moves them in.
    state.m_rectScreen = rectScreen;
}
}  // namespace

CWTKWorkspace* WTKGetWorkspace()
{
    return g_pWorkspace;
}

BOOL WTKIsSavedDataNewerThan(int nMajor, int nMinor)
{
    const CWTKWorkspace* pWorkspace = WTKGetWorkspace();
    if (pWorkspace == nullptr || pWorkspace->GetDataVersionMajor() == -1)
        return TRUE;
    const int nSavedMajor = pWorkspace->GetDataVersionMajor();
    return nSavedMajor > nMajor || (nSavedMajor == nMajor && pWorkspace->GetDataVersionMinor() > nMinor);
}

CWTKWorkspace::CWTKWorkspace(BOOL bResourceSmartUpdate) : m_bResourceSmartUpdate(bResourceSmartUpdate)
{
    g_pWorkspace = this;
}

CWTKWorkspace::~CWTKWorkspace()
{
    DeleteOwned(m_bKeyboardManagerAutocreated, &WTKGetKeyboardManager, &WTKSetKeyboardManager);
    DeleteOwned(m_bContextMenuManagerAutocreated, &WTKGetContextMenuManager, &WTKSetContextMenuManager);
    DeleteOwned(m_bMouseManagerAutocreated, &WTKGetMouseManager, &WTKSetMouseManager);
    DeleteOwned(m_bUserToolsManagerAutocreated, &WTKGetUserToolsManager, &WTKSetUserToolsManager);
    DeleteOwned(m_bCommandIdPoolAutocreated, &WTKGetCommandIdPool, &WTKSetCommandIdPool);
    if (g_pWorkspace == this)
        g_pWorkspace = nullptr;
}

void CWTKWorkspace::SetRegistryBase(LPCTSTR lpszSectionName)
{
    m_strRegSection = lpszSectionName ? lpszSectionName : "";
}

CString CWTKWorkspace::GetRegSectionPath(LPCTSTR lpszSectionAdd) const
{
    CString strPath = BuildRegistryPath(m_strRegSection, nullptr);
    if (lpszSectionAdd && *lpszSectionAdd)
        strPath += CString(lpszSectionAdd) + "\\";
    return strPath;
}

void CWTKWorkspace::GetDockStateRects(const CRect& rectVirtualScreen, const CSize& sizeIcon, CRect& rectDevice,
                                      CRect& rectClip)
{
    rectDevice = rectVirtualScreen;
    rectClip = CRect(rectVirtualScreen.left, rectVirtualScreen.top, rectVirtualScreen.right - sizeIcon.cx,
                     rectVirtualScreen.bottom - sizeIcon.cy);
}

BOOL CWTKWorkspace::LoadState(LPCTSTR lpszSectionName, CWTKFrameHelperBase* pFrameHelper)
{
    if (lpszSectionName)
        SetRegistryBase(lpszSectionName);
    CString strKey = GetRegSectionPath();

    LoadCustomState();

    {
        CWTKRegistryHolder holder;
        CWTKRegistry& reg = holder.Create(FALSE, TRUE);
        if (reg.Open(strKey + kVersionKey)) {
            reg.Read(kVersionMajorValue, m_iSavedVersionMajor);
            reg.Read(kVersionMinorValue, m_iSavedVersionMinor);
        }
    }

    CWTKToolBarSteps::Get().LoadParameters(strKey);
    if (CWTKCommandManagerBase* pCommandManager = WTKGetCommandManager())
        pCommandManager->LoadState(strKey);

    // The images taken from the resources stay the commands' images.
    if (m_bResourceSmartUpdate)
        CWTKToolBarSteps::Get().SetRecordImages(FALSE);

    BOOL bOriginalItemsChanged = FALSE;
    if (pFrameHelper)
        LoadBars(strKey, pFrameHelper, bOriginalItemsChanged);

    CFrameWnd* pFrame = pFrameHelper ? pFrameHelper->GetFrame() : nullptr;
    if (CWTKMouseManagerBase* pMouseManager = WTKGetMouseManager())
        pMouseManager->LoadState(strKey);
    if (CWTKContextMenuManagerBase* pContextMenuManager = WTKGetContextMenuManager())
        pContextMenuManager->LoadState(strKey);
    if (CWTKKeyboardManagerBase* pKeyboardManager = WTKGetKeyboardManager())
        pKeyboardManager->LoadState(strKey, pFrame);
    if (CWTKUserToolsManagerBase* pUserToolsManager = WTKGetUserToolsManager())
        pUserToolsManager->LoadState(strKey);

    if (m_bResourceSmartUpdate)
        CWTKToolBarSteps::Get().SetRecordImages(TRUE);

    if (m_bForceImageReset || (m_bResourceSmartUpdate && bOriginalItemsChanged)) {
        CWTKToolBarList& toolbars = WTKAllToolbars();
        for (POSITION pos = toolbars.GetHeadPosition(); pos;) {
            CWTKToolBarBase* pToolBar = toolbars.GetNext(pos);
            if (HasWindow(pToolBar->GetBarWnd()))
                pToolBar->ResetImages();
        }
        if (pFrame)
            pFrame->RecalcLayout();
    }

    OnStateLoaded();
    m_iSavedVersionMajor = kVersionMajor;
    m_iSavedVersionMinor = kVersionMinor;
    return TRUE;
}

void CWTKWorkspace::LoadBars(const CString& strKey, CWTKFrameHelperBase* pFrameHelper, BOOL& bOriginalItemsChanged)
{
    CFrameWnd* pFrame = pFrameHelper->GetFrame();
    CWTKFrameSteps::Get().LoadRebarState(strKey, pFrame);

    CWTKToolBarList& toolbars = WTKAllToolbars();
    for (POSITION pos = toolbars.GetHeadPosition(); pos;) {
        CWTKToolBarBase* pToolBar = toolbars.GetNext(pos);
        if (!TakesPart(pToolBar->GetBarWnd(), pFrameHelper, m_bLoadSaveFrameBarsOnly) || pToolBar->IsLocked() ||
            pToolBar->IsUserDefined())
            continue;
        pToolBar->LoadState(strKey, kOwnBarIndex, kOwnBarId);
        if (pToolBar->IsOriginalItemsChanged())
            bOriginalItemsChanged = TRUE;
    }

    CString strSizingBars = m_strRegSection + kSizingBarsSection;
    CWTKSizingBarArray& sizingBars = WTKAllSizingBars();
    for (INT_PTR i = 0; i < sizingBars.GetSize(); ++i) {
        if (TakesPart(sizingBars[i]->GetBarWnd(), pFrameHelper, m_bLoadSaveFrameBarsOnly))
            sizingBars[i]->LoadState(strSizingBars);
    }

    pFrameHelper->LoadUserToolbars();
    pFrameHelper->LoadTearOffBars();

    // LoadState replaces the device rectangle with the screen the state was saved on, from
    // which the frame scales positions into the clip rectangle.
    CDockState dockState;
    SetDockStateRects(dockState);
    dockState.LoadState(m_strRegSection + kDockStateSection);
    if (m_bLoadDockState || pFrameHelper->IsDockStateValid(dockState))
        pFrameHelper->SetDockState(dockState);
}

BOOL CWTKWorkspace::SaveState(LPCTSTR lpszSectionName, CWTKFrameHelperBase* pFrameHelper)
{
    if (!m_bSaveEnabled)
        return FALSE;
    if (lpszSectionName)
        SetRegistryBase(lpszSectionName);
    CString strKey = GetRegSectionPath();

    SaveCustomState();

    {
        // A failed version record does not stop the save.
        CWTKRegistryHolder holder;
        CWTKRegistry& reg = holder.Create(FALSE, FALSE);
        if (reg.CreateKey(strKey + kVersionKey)) {
            reg.Write(kVersionMajorValue, kVersionMajor);
            reg.Write(kVersionMinorValue, kVersionMinor);
        }
    }

    CWTKToolBarSteps::Get().SaveParameters(strKey);
    if (CWTKCommandManagerBase* pCommandManager = WTKGetCommandManager())
        pCommandManager->SaveState(strKey);

    if (pFrameHelper)
        SaveBars(strKey, pFrameHelper);

    CWTKToolBarSteps::Get().SaveUserImages();

    CFrameWnd* pFrame = pFrameHelper ? pFrameHelper->GetFrame() : nullptr;
    if (CWTKMouseManagerBase* pMouseManager = WTKGetMouseManager())
        pMouseManager->SaveState(strKey);
    if (CWTKContextMenuManagerBase* pContextMenuManager = WTKGetContextMenuManager())
        pContextMenuManager->SaveState(strKey);
    if (CWTKKeyboardManagerBase* pKeyboardManager = WTKGetKeyboardManager())
        pKeyboardManager->SaveState(strKey, pFrame);
    if (CWTKUserToolsManagerBase* pUserToolsManager = WTKGetUserToolsManager())
        pUserToolsManager->SaveState(strKey);

    OnStateSaved();
    return TRUE;
}

void CWTKWorkspace::SaveBars(const CString& strKey, CWTKFrameHelperBase* pFrameHelper)
{
    if (CFrameWnd* pFrame = pFrameHelper->GetFrame()) {
        CDockState dockState;
        pFrame->GetDockState(dockState);
        SetDockStateRects(dockState);
        dockState.SaveState(m_strRegSection + kDockStateSection);
    }

    CWTKToolBarList& toolbars = WTKAllToolbars();
    for (POSITION pos = toolbars.GetHeadPosition(); pos;) {
        CWTKToolBarBase* pToolBar = toolbars.GetNext(pos);
        if (!TakesPart(pToolBar->GetBarWnd(), pFrameHelper, m_bLoadSaveFrameBarsOnly) || pToolBar->IsLocked() ||
            pToolBar->IsUserDefined())
            continue;
        pToolBar->SaveState(strKey, kOwnBarIndex, kOwnBarId);
    }

    CString strSizingBars = m_strRegSection + kSizingBarsSection;
    CWTKSizingBarArray& sizingBars = WTKAllSizingBars();
    for (INT_PTR i = 0; i < sizingBars.GetSize(); ++i) {
        if (TakesPart(sizingBars[i]->GetBarWnd(), pFrameHelper, m_bLoadSaveFrameBarsOnly))
            sizingBars[i]->SaveState(strSizingBars);
    }

    pFrameHelper->SaveUserToolbars(m_bLoadSaveFrameBarsOnly);
    pFrameHelper->SaveTearOffBars(m_bLoadSaveFrameBarsOnly);

    CWTKFrameSteps::Get().SaveRebarState(strKey, pFrameHelper->GetFrame());
}

BOOL CWTKWorkspace::SaveFrameState(CWTKFrameHelperBase* pFrameHelper)
{
    return SaveState(nullptr, pFrameHelper);
}

BOOL CWTKWorkspace::CleanState(LPCTSTR lpszSectionName)
{
    if (lpszSectionName)
        SetRegistryBase(lpszSectionName);
    CWTKRegistryHolder holder;
    return holder.Create(FALSE, FALSE).DeleteKey(GetRegSectionPath());
}

BOOL CWTKWorkspace::OnViewDoubleClick(CWnd* pWnd, int iViewId)
{
    CWTKMouseManagerBase* pMouseManager = WTKGetMouseManager();
    if (!pMouseManager)
        return FALSE;
    UINT uiCmd = pMouseManager->GetViewDblClickCommand(iViewId);
    if (uiCmd == 0 || uiCmd == static_cast<UINT>(-1)) {
        ::MessageBeep(static_cast<UINT>(-1));
        return FALSE;
    }
    if (CWTKUserToolsManagerBase* pUserToolsManager = WTKGetUserToolsManager()) {
        if (pUserToolsManager->InvokeTool(uiCmd))
            return TRUE;
    }
    CWnd* pTarget = nullptr;
    if (pWnd) {
        pTarget = CWTKPopupOwnerSource::Get().GetPopupOwnerFrame();
        if (!pTarget)
            pTarget = pWnd->GetTopLevelFrame();
    } else {
        pTarget = FwGetMainWnd();
    }
    if (!HasWindow(pTarget))
        return FALSE;
    pTarget->SendMessage(WM_COMMAND, uiCmd, 0);
    return TRUE;
}

BOOL CWTKWorkspace::ShowPopupMenu(UINT uiMenuResId, const CPoint& point, CWnd* pWnd)
{
    CWTKContextMenuManagerBase* pContextMenuManager = WTKGetContextMenuManager();
    if (!pContextMenuManager)
        return FALSE;
    return pContextMenuManager->ShowPopupMenu(uiMenuResId, point.x, point.y, pWnd);
}

void CWTKWorkspace::OnContextHelp(CWnd* pWnd, const DWORD* dwHelpIDArray)
{
    CWinApp* pApp = FwGetApp();
    ::WinHelpA(pWnd ? pWnd->GetSafeHwnd() : nullptr, pApp ? pApp->m_pszHelpFilePath : nullptr, HELP_CONTEXTMENU,
               reinterpret_cast<ULONG_PTR>(dwHelpIDArray));
}

BOOL CWTKWorkspace::LoadWindowPlacement(CRect& rectNormalPosition, int& nFlags, int& nShowCmd)
{
    CWTKRegistryHolder holder;
    CWTKRegistry& reg = holder.Create(FALSE, TRUE);
    if (!reg.Open(GetRegSectionPath() + kWindowPlacementKey))
        return FALSE;
    return reg.Read(kMainWindowRectValue, rectNormalPosition) && reg.Read(kFlagsValue, nFlags) &&
        reg.Read(kShowCmdValue, nShowCmd);
}

BOOL CWTKWorkspace::StoreWindowPlacement(const CRect& rectNormalPosition, int nFlags, int nShowCmd)
{
    CWTKRegistryHolder holder;
    CWTKRegistry& reg = holder.Create(FALSE, FALSE);
    if (!reg.CreateKey(GetRegSectionPath() + kWindowPlacementKey))
        return FALSE;
    return reg.Write(kMainWindowRectValue, rectNormalPosition) && reg.Write(kFlagsValue, nFlags) &&
        reg.Write(kShowCmdValue, nShowCmd);
}

int CWTKWorkspace::GetInt(LPCTSTR lpszEntry, int nDefault)
{
    CWTKRegistryHolder holder;
    CWTKRegistry& reg = holder.Create(FALSE, TRUE);
    int nValue = nDefault;
    if (reg.Open(GetRegSectionPath()))
        reg.Read(lpszEntry, nValue);
    return nValue;
}

BOOL CWTKWorkspace::WriteInt(LPCTSTR lpszEntry, int nValue)
{
    CWTKRegistryHolder holder;
    CWTKRegistry& reg = holder.Create(FALSE, FALSE);
    return reg.CreateKey(GetRegSectionPath()) && reg.Write(lpszEntry, nValue);
}
