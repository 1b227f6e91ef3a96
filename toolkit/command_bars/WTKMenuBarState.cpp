// CWTKMenuBar: the state of every document template's menu in the registry, the original state,
// and the menus handed to the MDI children.
#include "command_bars/WTKMenuBar.h"
#include "command_bars/WTKMenuTemplates.h"

#include "command_bars/WTKMenuBarHost.h"
#include "command_bars/WTKToolbarMenuButton.h"
#include "command_bars/WTKToolbarMessages.h"
#include "command_bars/WTKToolbarSnapshotStore.h"

#include "foundation/WTKRegistry.h"
#include "foundation/WTKWorkspace.h"

#include "core/Archive.h"
#include "core/ResourceHandle.h"
#include "docview/Document.h"
#include "docview/MDIChildWnd.h"
#include "docview/MultiDocTemplate.h"
#include "docview/View.h"
#include "win/WinApp.h"

namespace {
BOOL KeepsOriginalItems()
{
    const CWTKWorkspace* pWorkspace = WTKGetWorkspace();
    return pWorkspace != nullptr && pWorkspace->IsResourceSmartUpdate();
}
}  // namespace

void CWTKMenuBar::LoadMenuOriginalItems(UINT uiResId)
{
    if (!KeepsOriginalItems())
        return;
    m_OrigButtons.RemoveAll();
    HMENU hMenu = WTKLoadMenuResource(uiResId);
    if (hMenu == nullptr)
        return;
    const int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; i++) {
        const UINT uiID = ::GetMenuItemID(hMenu, i);
        char szText[256] = "";
        ::GetMenuStringA(hMenu, i, szText, sizeof(szText), MF_BYPOSITION);
        std::unique_ptr<CWTKToolbarButton> pButton;
        if (uiID == 0) {
            pButton = std::make_unique<CWTKToolbarButton>();
            pButton->m_nStyle = TBBS_SEPARATOR;
        } else if (uiID == static_cast<UINT>(-1)) {
            pButton = std::make_unique<CWTKToolbarMenuButton>(0, ::GetSubMenu(hMenu, i), -1, szText);
        } else {
            pButton = std::make_unique<CWTKToolbarButton>(uiID, -1, szText, FALSE, TRUE);
        }
        m_OrigButtons.AddTail(std::move(pButton));
    }
    ::DestroyMenu(hMenu);
}

BOOL CWTKMenuBar::LoadState(LPCTSTR lpszProfileName, int nIndex, UINT /*uiID*/)
{
    const CString strProfile = BuildRegistryPath(kProfileName, lpszProfileName);
    CWTKToolbarSnapshotStore& store = WTKGetToolbarSnapshotStore();
    const BOOL bMaximized = m_bMaximizeMode;
    SetMaximizeMode(FALSE, nullptr, TRUE);
    HMENU hMenuCurrent = m_hMenu;
    CWnd* pParent = m_pParentWnd;

    // The bar's buttons for hMenu: the saved state when it still matches the resource, else
    // the menu itself (and the owner hears that the menu was reset).
    // The default menu's state is kept under id 0.
    auto loadMenu = [&](HMENU hMenu, UINT uiResId, BOOL bDefault) {
        LoadMenuOriginalItems(uiResId);
        if (CWTKToolBar::LoadState(strProfile, nIndex, bDefault ? 0 : uiResId) && !IsOriginalItemsChanged()) {
            store.Save(hMenu, this);
            return;
        }
        if (pParent == nullptr)
            return;
        m_hMenu = nullptr;
        store.Remove(hMenu);
        CreateFromMenu(hMenu, bDefault, FALSE);
        pParent->SendMessage(WTK_TOOLBAR_RESETMENU, uiResId, 0);
        store.Save(hMenu, this);
    };

    if (m_bAutoDocMenus)
        WTKForEachMenuTemplate(
            [&](CMultiDocTemplate* pTemplate) { loadMenu(pTemplate->m_hMenuShared, pTemplate->m_nIDResource, FALSE); });
    if (m_hDefaultMenu != nullptr)
        loadMenu(m_hDefaultMenu, m_uiDefMenuResId, TRUE);

    // Back to the menu shown before, with the system buttons of the child that is active now.
    m_hMenu = hMenuCurrent;
    const BOOL bFromStore = hMenuCurrent != nullptr && store.Restore(hMenuCurrent, this);
    if (bMaximized)
        RestoreMaximizeMode();
    if (bFromStore) {
        if (CFrameWnd* pFrame = GetParentFrame())
            pFrame->RecalcLayout();
        if (::IsWindow(GetSafeHwnd())) {
            AdjustLocations();
            Invalidate();
        }
    } else if (bMaximized && ::IsWindow(GetSafeHwnd())) {
        AdjustLayout();
    }
    return TRUE;
}

BOOL CWTKMenuBar::SaveState(LPCTSTR lpszProfileName, int nIndex, UINT /*uiID*/)
{
    const CString strProfile = BuildRegistryPath(kProfileName, lpszProfileName);
    CWTKToolbarSnapshotStore& store = WTKGetToolbarSnapshotStore();
    const BOOL bMaximized = m_bMaximizeMode;
    SetMaximizeMode(FALSE, nullptr, FALSE);
    if (m_hMenu != nullptr)
        store.Save(m_hMenu, this);

    auto saveMenu = [&](HMENU hMenu, UINT uiResId, UINT uiStateId) {
        if (!store.Restore(hMenu, this))
            return;
        LoadMenuOriginalItems(uiResId);
        CWTKToolBar::SaveState(strProfile, nIndex, uiStateId);
    };
    if (m_bAutoDocMenus)
        WTKForEachMenuTemplate([&](CMultiDocTemplate* pTemplate) {
            saveMenu(pTemplate->m_hMenuShared, pTemplate->m_nIDResource, pTemplate->m_nIDResource);
        });
    if (m_hDefaultMenu != nullptr)
        saveMenu(m_hDefaultMenu, m_uiDefMenuResId, 0);

    if (m_hMenu != nullptr)
        store.Restore(m_hMenu, this);
    if (bMaximized)
        RestoreMaximizeMode();
    return TRUE;
}

HMENU CWTKMenuBar::ReloadMenu(UINT uiResId, HMENU hOld)
{
    HMENU hNew = WTKLoadMenuResource(uiResId);
    if (hNew == nullptr)
        return nullptr;
    CWTKToolbarSnapshotStore& store = WTKGetToolbarSnapshotStore();
    store.Remove(hOld);
    m_hMenu = hNew;
    BuildFromMenu(hNew);
    store.Save(hNew, this);
    return hNew;
}

BOOL CWTKMenuBar::RestoreOriginalState()
{
    CWTKToolbarSnapshotStore& store = WTKGetToolbarSnapshotStore();
    const BOOL bMaximized = m_bMaximizeMode;
    SetMaximizeMode(FALSE, nullptr, FALSE);
    if (m_hMenu != nullptr)
        store.Save(m_hMenu, this);
    HMENU hCurrentOld = m_hMenu;
    HMENU hCurrentNew = nullptr;
    HWND hWndFrame = m_pParentWnd != nullptr ? m_pParentWnd->GetSafeHwnd() : nullptr;

    // Each template gets a fresh copy of its menu; the template owns the new handle and the
    // old one goes, once nothing shows or keeps it.
    if (m_bAutoDocMenus)
        WTKForEachMenuTemplate([&](CMultiDocTemplate* pTemplate) {
            HMENU hOld = pTemplate->m_hMenuShared;
            HMENU hNew = ReloadMenu(pTemplate->m_nIDResource, hOld);
            if (hNew == nullptr)
                return;
            pTemplate->m_hMenuShared = hNew;
            UpdateMDIChildrenMenus(pTemplate);
            if (hOld == hCurrentOld)
                hCurrentNew = hNew;
            if (hWndFrame != nullptr && ::GetMenu(hWndFrame) == hOld)
                ::SetMenu(hWndFrame, nullptr);
            ::DestroyMenu(hOld);
        });

    // The default menu belongs to the frame: only the frame can take a new one (and drop the
    // old); without a toolkit frame the bar is rebuilt from the menu it has.
    CWTKMenuBarHost* pHost = GetHost();
    if (m_hDefaultMenu != nullptr) {
        HMENU hOld = m_hDefaultMenu;
        HMENU hNew = pHost != nullptr ? ReloadMenu(m_uiDefMenuResId, hOld) : nullptr;
        if (hNew != nullptr) {
            m_hDefaultMenu = hNew;
            if (hOld == hCurrentOld)
                hCurrentNew = hNew;
            pHost->ReplaceDefaultMenu(hNew);
        } else {
            store.Remove(hOld);
            m_hMenu = hOld;
            BuildFromMenu(hOld);
            store.Save(hOld, this);
        }
    }

    if (hCurrentNew == nullptr)
        hCurrentNew = ::IsMenu(hCurrentOld) ? hCurrentOld : m_hDefaultMenu;
    m_hMenu = hCurrentNew;
    if (m_hMenu != nullptr && !store.Restore(m_hMenu, this))
        BuildFromMenu(m_hMenu);
    if (bMaximized)
        RestoreMaximizeMode();
    if (::IsWindow(GetSafeHwnd()))
        AdjustLayout();
    return TRUE;
}

void CWTKMenuBar::UpdateMDIChildrenMenus(CMultiDocTemplate* pTemplate)
{
    if (pTemplate == nullptr)
        return;
    for (POSITION posDoc = pTemplate->GetFirstDocPosition(); posDoc != nullptr;) {
        CDocument* pDoc = pTemplate->GetNextDoc(posDoc);
        if (pDoc == nullptr)
            continue;
        for (POSITION posView = pDoc->GetFirstViewPosition(); posView != nullptr;) {
            CView* pView = pDoc->GetNextView(posView);
            auto* pChild = pView != nullptr ? dynamic_cast<CMDIChildWnd*>(pView->GetParentFrame()) : nullptr;
            if (pChild == nullptr)
                continue;
            pChild->m_hMenuShared = pTemplate->m_hMenuShared;
            pChild->m_hAccelTable = pTemplate->m_hAccelTable;
        }
    }
}
