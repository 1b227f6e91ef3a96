#include "command_bars/WTKContextMenuManager.h"

#include "command_bars/WTKCommandIdPool.h"
#include "command_bars/WTKPopupMenu.h"
#include "command_bars/WTKPopupMenuBar.h"
#include "command_bars/WTKPopupMenuDialogHost.h"
#include "command_bars/WTKToolbarSnapshotStore.h"
#include "foundation/WTKRegistry.h"

#include "core/StringList.h"
#include "core/ResourceHandle.h"
#include "win/Wnd.h"

namespace {

// The menu's first sub-menu: what a context menu shows.
HMENU ShownMenu(HMENU hMenu)
{
    return hMenu != nullptr && ::IsMenu(hMenu) ? ::GetSubMenu(hMenu, 0) : nullptr;
}

// The first window up from pWnd that is no child window.
CWnd* TopLevelOwner(CWnd* pWnd)
{
    HWND hWnd = pWnd != nullptr ? pWnd->GetSafeHwnd() : nullptr;
    while (hWnd != nullptr && (::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD)) {
        HWND hParent = ::GetParent(hWnd);
        if (hParent == nullptr)
            break;
        hWnd = hParent;
    }
    return hWnd != nullptr ? CWnd::FromHandle(hWnd) : pWnd;
}

}  // namespace

CWTKContextMenuManager::CWTKContextMenuManager()
{
    WTKSetContextMenuManager(this);
}

CWTKContextMenuManager::~CWTKContextMenuManager()
{
    if (WTKGetContextMenuManager() == this)
        WTKSetContextMenuManager(nullptr);
    for (POSITION pos = m_Menus.GetStartPosition(); pos != nullptr;) {
        UINT uiId = 0;
        HMENU hMenu = nullptr;
        m_Menus.GetNextAssoc(pos, uiId, hMenu);
        if (hMenu != nullptr)
            ::DestroyMenu(hMenu);
    }
}

CWTKContextMenuManager* CWTKContextMenuManager::GetInstance()
{
    return dynamic_cast<CWTKContextMenuManager*>(WTKGetContextMenuManager());
}

BOOL CWTKContextMenuManager::AddMenu(LPCTSTR lpszName, UINT uiMenuResId)
{
    HMENU hExisting = nullptr;
    if (lpszName == nullptr || *lpszName == '\0' || m_Menus.Lookup(uiMenuResId, hExisting) ||
        m_MenuNames.Lookup(lpszName, hExisting))
        return FALSE;
    HINSTANCE hInst = FwFindResourceHandle(MAKEINTRESOURCEA(uiMenuResId), RT_MENU);
    HMENU hMenu = hInst != nullptr ? ::LoadMenuA(hInst, MAKEINTRESOURCEA(uiMenuResId)) : nullptr;
    if (hMenu == nullptr)
        return FALSE;
    if (ShownMenu(hMenu) == nullptr) {
        ::DestroyMenu(hMenu);
        return FALSE;
    }
    m_Menus.SetAt(uiMenuResId, hMenu);
    m_MenuNames.SetAt(lpszName, hMenu);
    return TRUE;
}

BOOL CWTKContextMenuManager::ShowPopupMenu(UINT uiMenuResId, int x, int y, CWnd* pWndOwner, BOOL bOwnMessage,
                                           BOOL bRightAlign)
{
    HMENU hMenu = nullptr;
    if (!m_Menus.Lookup(uiMenuResId, hMenu) || hMenu == nullptr)
        return FALSE;
    if (x == -1 && y == -1 && pWndOwner != nullptr && pWndOwner->GetSafeHwnd() != nullptr) {
        POINT pt = {0, 0};
        ::ClientToScreen(pWndOwner->GetSafeHwnd(), &pt);
        x = pt.x + kDefaultOffset;
        y = pt.y + kDefaultOffset;
    }
    HMENU hShown = ShownMenu(hMenu);
    if (hShown == nullptr)
        return FALSE;
    return TrackPopupMenu(hShown, x, y, pWndOwner, bOwnMessage, bRightAlign) != nullptr;
}

CWTKPopupMenu* CWTKContextMenuManager::TrackPopupMenu(HMENU hmenuPopup, int x, int y, CWnd* pWndOwner, BOOL bOwnMessage,
                                                      BOOL bRightAlign)
{
    if (hmenuPopup == nullptr || !::IsMenu(hmenuPopup))
        return nullptr;
    // A dialog's popup sends its commands nowhere unless the dialog takes them itself.
    if (dynamic_cast<CWTKPopupMenuDialogHost*>(pWndOwner) != nullptr && !bOwnMessage)
        return nullptr;
    if (auto* pPool = dynamic_cast<CWTKCommandIdPool*>(WTKGetCommandIdPool()))
        pPool->EncodeMenu(hmenuPopup);
    if (m_bTrackMode) {
        bOwnMessage = TRUE;
        m_uiLastCommand = 0;
    } else if (!bOwnMessage) {
        pWndOwner = TopLevelOwner(pWndOwner);
    }

    auto pPopup = std::make_unique<CWTKPopupMenu>();
    // The menu stays registered here whatever becomes of the popup.
    pPopup->SetKeepMenu(TRUE);
    pPopup->SetRightAlign(bRightAlign);
    pPopup->SetTracking(m_bTrackMode);

    CWTKPopupMenu* pOpen = CWTKPopupMenu::GetActiveMenu();
    if (pOpen != nullptr && ::IsWindow(pOpen->GetSafeHwnd()))
        pOpen->SendMessage(WM_CLOSE);

    return CWTKPopupMenu::Open(std::move(pPopup), pWndOwner, x, y, hmenuPopup, FALSE, bOwnMessage);
}

void CWTKContextMenuManager::GetMenuNames(CStringList& listOfNames) const
{
    listOfNames.RemoveAll();
    for (POSITION pos = m_MenuNames.GetStartPosition(); pos != nullptr;) {
        CString strName;
        HMENU hMenu = nullptr;
        m_MenuNames.GetNextAssoc(pos, strName, hMenu);
        listOfNames.AddTail(strName);
    }
}

HMENU CWTKContextMenuManager::GetMenuByName(LPCTSTR lpszName, UINT* puiOrigResID) const
{
    if (puiOrigResID != nullptr)
        *puiOrigResID = 0;
    HMENU hMenu = nullptr;
    if (lpszName == nullptr || !m_MenuNames.Lookup(lpszName, hMenu))
        return nullptr;
    if (puiOrigResID != nullptr) {
        for (POSITION pos = m_Menus.GetStartPosition(); pos != nullptr;) {
            UINT uiId = 0;
            HMENU hMenuById = nullptr;
            m_Menus.GetNextAssoc(pos, uiId, hMenuById);
            if (hMenuById == hMenu) {
                *puiOrigResID = uiId;
                break;
            }
        }
    }
    return hMenu;
}

BOOL CWTKContextMenuManager::LoadState(LPCTSTR lpszProfileName)
{
    const CString strProfile = BuildRegistryPath(kRegEntry, lpszProfileName);
    CWTKToolbarSnapshotStore& store = WTKGetToolbarSnapshotStore();
    for (POSITION pos = m_Menus.GetStartPosition(); pos != nullptr;) {
        UINT uiId = 0;
        HMENU hMenu = nullptr;
        m_Menus.GetNextAssoc(pos, uiId, hMenu);
        HMENU hShown = ShownMenu(hMenu);
        CWTKPopupMenuBar bar;
        if (!bar.ImportFromMenu(hShown, TRUE))
            return FALSE;
        if (bar.LoadState(strProfile, 0, uiId))
            store.Save(hShown, &bar);
    }
    return TRUE;
}

BOOL CWTKContextMenuManager::SaveState(LPCTSTR lpszProfileName)
{
    const CString strProfile = BuildRegistryPath(kRegEntry, lpszProfileName);
    CWTKToolbarSnapshotStore& store = WTKGetToolbarSnapshotStore();
    for (POSITION pos = m_Menus.GetStartPosition(); pos != nullptr;) {
        UINT uiId = 0;
        HMENU hMenu = nullptr;
        m_Menus.GetNextAssoc(pos, uiId, hMenu);
        HMENU hShown = ShownMenu(hMenu);
        CWTKPopupMenuBar bar;
        // Menus nobody customised keep no state.
        if (store.Restore(hShown, &bar) && !bar.SaveState(strProfile, 0, uiId))
            return FALSE;
    }
    return TRUE;
}
