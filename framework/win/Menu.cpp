#include "win/Menu.h"

#include "core/HandleMap.h"
#include "win/ThreadState.h"
#include "core/ResourceHandle.h"
#include "win/Wnd.h"

#include <vector>

namespace {

using MenuMap = CHandleMap<HMENU, CMenu>;

// Never destroyed: wrappers in static objects may outlive any exit order.
MenuMap& Map()
{
    static MenuMap* map = new MenuMap([](CMenu* p) { p->m_hMenu = nullptr; });
    return *map;
}

}  // namespace

CMenu::~CMenu()
{
    DestroyMenu();
}

CMenu* CMenu::FromHandle(HMENU hMenu)
{
    return Map().FromHandle(
        hMenu, [](CMenu*) { return true; },
        [](HMENU h) {
            CMenu* p = new CMenu;
            p->m_hMenu = h;
            return p;
        });
}

void CMenu::DeleteTempMap()
{
    Map().DeleteTemp();
}

BOOL CMenu::CreateMenu()
{
    HMENU h = ::CreateMenu();
    if (Attach(h))
        return TRUE;
    if (h)
        ::DestroyMenu(h);
    return FALSE;
}

BOOL CMenu::CreatePopupMenu()
{
    HMENU h = ::CreatePopupMenu();
    if (Attach(h))
        return TRUE;
    if (h)
        ::DestroyMenu(h);
    return FALSE;
}

BOOL CMenu::LoadMenu(LPCSTR lpszResourceName)
{
    if (m_hMenu)
        return FALSE;
    HINSTANCE hInst = FwFindResourceHandle(lpszResourceName, RT_MENU);
    return hInst && Attach(::LoadMenuA(hInst, lpszResourceName));
}

BOOL CMenu::LoadMenu(UINT nIDResource)
{
    return LoadMenu(MAKEINTRESOURCEA(nIDResource));
}

BOOL CMenu::LoadMenuIndirect(const void* lpMenuTemplate)
{
    if (m_hMenu)
        return FALSE;
    return Attach(::LoadMenuIndirectA(lpMenuTemplate));
}

BOOL CMenu::Attach(HMENU hMenu)
{
    if (!hMenu || m_hMenu)
        return FALSE;
    m_hMenu = hMenu;
    Map().SetPermanent(hMenu, this);
    return TRUE;
}

HMENU CMenu::Detach()
{
    HMENU h = m_hMenu;
    Map().RemovePermanent(h, this);
    m_hMenu = nullptr;
    return h;
}

BOOL CMenu::DestroyMenu()
{
    if (!m_hMenu)
        return FALSE;
    return ::DestroyMenu(Detach());
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem)
{
    return ::AppendMenuA(m_hMenu, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem)
{
    return ::InsertMenuA(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem)
{
    return ::ModifyMenuA(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::RemoveMenu(UINT nPosition, UINT nFlags)
{
    return ::RemoveMenu(m_hMenu, nPosition, nFlags);
}

BOOL CMenu::DeleteMenu(UINT nPosition, UINT nFlags)
{
    return ::DeleteMenu(m_hMenu, nPosition, nFlags);
}

UINT CMenu::CheckMenuItem(UINT nIDCheckItem, UINT nCheck)
{
    return static_cast<UINT>(::CheckMenuItem(m_hMenu, nIDCheckItem, nCheck));
}

UINT CMenu::EnableMenuItem(UINT nIDEnableItem, UINT nEnable)
{
    return static_cast<UINT>(::EnableMenuItem(m_hMenu, nIDEnableItem, nEnable));
}

BOOL CMenu::CheckMenuRadioItem(UINT nIDFirst, UINT nIDLast, UINT nIDItem, UINT nFlags)
{
    return ::CheckMenuRadioItem(m_hMenu, nIDFirst, nIDLast, nIDItem, nFlags);
}

BOOL CMenu::SetDefaultItem(UINT uItem, BOOL fByPos)
{
    return ::SetMenuDefaultItem(m_hMenu, uItem, fByPos);
}

UINT CMenu::GetDefaultItem(UINT gmdiFlags, BOOL fByPos) const
{
    return ::GetMenuDefaultItem(m_hMenu, fByPos, gmdiFlags);
}

int CMenu::GetMenuItemCount() const
{
    return ::GetMenuItemCount(m_hMenu);
}

UINT CMenu::GetMenuItemID(int nPos) const
{
    return ::GetMenuItemID(m_hMenu, nPos);
}

UINT CMenu::GetMenuState(UINT nID, UINT nFlags) const
{
    return ::GetMenuState(m_hMenu, nID, nFlags);
}

int CMenu::GetMenuString(UINT nIDItem, LPSTR lpString, int nMaxCount, UINT nFlags) const
{
    return ::GetMenuStringA(m_hMenu, nIDItem, lpString, nMaxCount, nFlags);
}

int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const
{
    int length = ::GetMenuStringA(m_hMenu, nIDItem, nullptr, 0, nFlags);
    std::vector<char> text(length > 0 ? length + 1 : 1, '\0');
    int n = length > 0 ? GetMenuString(nIDItem, text.data(), length + 1, nFlags) : 0;
    rString = text.data();
    return n;
}

BOOL CMenu::GetMenuItemInfo(UINT uItem, LPMENUITEMINFOA lpMenuItemInfo, BOOL fByPos) const
{
    return ::GetMenuItemInfoA(m_hMenu, uItem, fByPos, lpMenuItemInfo);
}

BOOL CMenu::SetMenuItemInfo(UINT uItem, LPCMENUITEMINFOA lpMenuItemInfo, BOOL fByPos)
{
    return ::SetMenuItemInfoA(m_hMenu, uItem, fByPos, lpMenuItemInfo);
}

CMenu* CMenu::GetSubMenu(int nPos) const
{
    return FromHandle(::GetSubMenu(m_hMenu, nPos));
}

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect)
{
    return ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, FwSafeHwnd(pWnd), lpRect);
}
