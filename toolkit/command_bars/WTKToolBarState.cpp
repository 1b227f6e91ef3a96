// CWTKToolBar: the bar's buttons, labels mode and name in the registry, and the toolbars'
// global options.
#include "command_bars/WTKToolBar.h"

#include "command_bars/WTKCommandUsageCounter.h"
#include "command_bars/WTKToolbarMenuButton.h"

#include "foundation/WTKRegistry.h"
#include "foundation/WTKRegistryHolder.h"
#include "foundation/WTKVisualManager.h"
#include "foundation/WTKWorkspace.h"

#include "core/Archive.h"
#include "core/Exception.h"
#include "core/ExceptionReport.h"

#include <new>

namespace {
const char* const kToolBarsSection = "WTKToolBars";
const char* const kButtonsValue = "Buttons";
const char* const kNameValue = "Name";
const char* const kOriginalItemsValue = "OriginalItems";

BOOL KeepsOriginalItems()
{
    const CWTKWorkspace* pWorkspace = WTKGetWorkspace();
    return pWorkspace != nullptr && pWorkspace->IsResourceSmartUpdate();
}

// The buttons of a stored list, those of its menus (and their submenus) included.
INT_PTR CountStoredButtons(const CWTKToolbarButtonList& list)
{
    INT_PTR nCount = list.GetCount();
    for (const CWTKToolbarButton* pButton : list) {
        if (const auto* pMenu = dynamic_cast<const CWTKToolbarMenuButton*>(pButton))
            nCount += CountStoredButtons(pMenu->GetCommands());
    }
    return nCount;
}

// A plain button compares by id alone, so a separator would take a menu title (id 0 as well)
// for itself: two original items are the same only when each says so of the other.
BOOL IsSameOriginalItem(const CWTKToolbarButton& first, const CWTKToolbarButton& second)
{
    return first.CompareWith(second) && second.CompareWith(first);
}

// Booleans read from the registry are 0 or 1 whatever was stored.
BOOL ClampBool(int nValue)
{
    return nValue != 0 ? TRUE : FALSE;
}
}  // namespace

CString CWTKToolBar::BuildStateKey(LPCTSTR lpszProfileName, int nIndex, UINT uiID) const
{
    const CString strPath = BuildRegistryPath(kToolBarsSection, lpszProfileName);
    if (nIndex == -1)
        nIndex = ::IsWindow(GetSafeHwnd()) ? GetDlgCtrlID() : 0;
    CString strKey;
    // "%d%x" runs both ids together; stored state relies on this form.
    if (uiID == static_cast<UINT>(-1))
        strKey.Format("%sWTKToolBar-%d", static_cast<LPCSTR>(strPath), nIndex);
    else
        strKey.Format("%sWTKToolBar-%d%x", static_cast<LPCSTR>(strPath), nIndex, uiID);
    return strKey;
}

void CWTKToolBar::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        CObList stored;
        for (CWTKToolbarButton* pButton : m_Buttons) {
            if (pButton != m_pCustomizeBtn && pButton->CanBeStored())
                stored.AddTail(pButton);
        }
        // The count written is the number of buttons stored.
        stored.Serialize(ar, RUNTIME_CLASS(CWTKToolbarButton));
        ar << static_cast<int>(m_bTextLabels);
        CString strName;
        if (::IsWindow(GetSafeHwnd()))
            GetWindowText(strName);
        ar << strName;
        return;
    }

    // The overflow button is kept out of the list while it is read, and put back on every path.
    std::unique_ptr<CWTKToolbarButton> pCustomize = TakeCustomizeButton();
    auto restoreCustomize = [this, &pCustomize]() {
        PutBackCustomizeButton(std::move(pCustomize));
    };
    RemoveAllButtons();

    CWTKToolbarButtonList loaded;
    try {
        // Every element must be a button: anything else fails the archive.
        loaded.Serialize(ar, RUNTIME_CLASS(CWTKToolbarButton), kMaxStoredButtons);
    } catch (...) {
        restoreCustomize();
        throw;
    }
    if (CountStoredButtons(loaded) > kMaxStoredItems) {
        restoreCustomize();
        FwThrowArchiveException(CArchiveException::badIndex);
    }
    // Buttons after a null are dropped with the list.
    const int iNull = loaded.Find(nullptr);
    const BOOL bNull = iNull >= 0;
    for (int n = bNull ? iNull : loaded.GetCount(); n > 0; n--) {
        std::unique_ptr<CWTKToolbarButton> pButton = loaded.RemoveAt(0);
        pButton->m_nStyle &= ~(TBBS_CHECKED | TBBS_PRESSED);
        CWTKToolbarButton* pAdded = pButton.get();
        m_Buttons.AddTail(std::move(pButton));
        pAdded->OnChangeParentWnd(this);
    }
    if (bNull) {
        RemoveAllButtons();
        if (CanBeRestored())
            RestoreOriginalState();
        restoreCustomize();
        AdjustLocations();
        return;
    }
    try {
        int nTextLabels = 0;
        ar >> nTextLabels;
        if (AllowChangeTextLabels())
            m_bTextLabels = ClampBool(nTextLabels);
        restoreCustomize();
        AdjustLocations();
        CString strName;
        ar >> strName;
        if (::IsWindow(GetSafeHwnd()))
            SetWindowText(strName);
    } catch (...) {
        if (m_pCustomizeBtn == nullptr)
            restoreCustomize();
        throw;
    }
}

BOOL CWTKToolBar::SaveState(LPCTSTR lpszProfileName, int nIndex, UINT uiID)
{
    const CString strKey = BuildStateKey(lpszProfileName, nIndex, uiID);
    return FwFalseOnException("toolbar state", [&]() -> BOOL {
        CWTKRegistryHolder holder;
        CWTKRegistry& reg = holder.Create(FALSE, FALSE);
        if (!reg.CreateKey(strKey))
            return FALSE;
        if (::IsWindow(GetSafeHwnd())) {
            CString strName;
            GetWindowText(strName);
            reg.Write(kNameValue, strName);
        }
        const BOOL bResult = reg.Write(kButtonsValue, *static_cast<CObject*>(this));
        if (bResult && KeepsOriginalItems())
            SaveOriginalItems(reg);
        return bResult;
    });
}

BOOL CWTKToolBar::LoadState(LPCTSTR lpszProfileName, int nIndex, UINT uiID)
{
    const CString strKey = BuildStateKey(lpszProfileName, nIndex, uiID);
    BOOL bResult = FALSE;
    BOOL bOpened = TRUE;
    const BOOL bNoException = FwFalseOnException("toolbar state", [&]() {
        CWTKRegistryHolder holder;
        CWTKRegistry& reg = holder.Create(FALSE, TRUE);
        if (!reg.Open(strKey) || !reg.VerifyValue(kButtonsValue)) {
            bOpened = FALSE;
            return;
        }
        bResult = reg.Read(kButtonsValue, *static_cast<CObject*>(this));
        if (!bResult) {
            // A damaged or foreign archive: the bar goes back to its resource, or stays empty;
            // the overflow button stays at its end either way.
            std::unique_ptr<CWTKToolbarButton> pOverflow = TakeCustomizeButton();
            RemoveAllButtons();
            if (CanBeRestored())
                RestoreOriginalState();
            PutBackCustomizeButton(std::move(pOverflow));
        } else if (KeepsOriginalItems()) {
            LoadOriginalItems(reg);
        }
    });
    if (!bOpened)
        return FALSE;
    if (!bNoException)
        bResult = FALSE;
    AdjustLayout();
    return bResult;
}

BOOL CWTKToolBar::RemoveStateFromRegistry(LPCTSTR lpszProfileName, int nIndex, UINT uiID)
{
    const CString strKey = BuildStateKey(lpszProfileName, nIndex, uiID);
    CWTKRegistryHolder holder;
    return holder.Create(FALSE, FALSE).DeleteKey(strKey);
}

BOOL CWTKToolBar::SaveOriginalItems(CWTKRegistry& reg)
{
    if (m_OrigButtons.IsEmpty())
        return FALSE;
    CObList view;
    m_OrigButtons.ListIn(view);
    return reg.Write(kOriginalItemsValue, view);
}

BOOL CWTKToolBar::LoadOriginalItems(CWTKRegistry& reg)
{
    CWTKToolbarButtonList stored;
    {
        CObList read;
        if (!reg.Read(kOriginalItemsValue, read, RUNTIME_CLASS(CWTKToolbarButton)))
            return FALSE;
        stored.TakeOver(read);
    }
    // More than a bar can hold is no resource's list: the bar keeps what it has.
    if (stored.GetCount() > kMaxStoredButtons)
        return FALSE;
    return UpdateFromOriginalItems(stored);
}

BOOL CWTKToolBar::UpdateFromOriginalItems(const CWTKToolbarButtonList& lstStoredOriginals)
{
    m_bOriginalItemsChanged = FALSE;
    auto contains = [](const CWTKToolbarButtonList& list, const CWTKToolbarButton* pButton) {
        for (const CWTKToolbarButton* p : list) {
            if (p != nullptr && IsSameOriginalItem(*p, *pButton))
                return TRUE;
        }
        return FALSE;
    };
    if (lstStoredOriginals.GetCount() != m_OrigButtons.GetCount())
        m_bOriginalItemsChanged = TRUE;
    for (int i = 0; i < lstStoredOriginals.GetCount() && i < m_OrigButtons.GetCount(); i++) {
        const CWTKToolbarButton* pS = lstStoredOriginals.GetAt(i);
        const CWTKToolbarButton* pC = m_OrigButtons.GetAt(i);
        if (pS == nullptr || pC == nullptr || !IsSameOriginalItem(*pS, *pC))
            m_bOriginalItemsChanged = TRUE;
    }
    // Commands gone from the resource leave the bar.
    for (const CWTKToolbarButton* pStored : lstStoredOriginals) {
        if (pStored == nullptr || pStored->m_nID == 0 || contains(m_OrigButtons, pStored))
            continue;
        const int iIndex = CommandToIndex(pStored->m_nID);
        if (iIndex >= 0)
            RemoveButton(iIndex);
        m_bOriginalItemsChanged = TRUE;
    }
    // Commands new in the resource come in at their resource position.
    for (int iOrig = 0; iOrig < m_OrigButtons.GetCount(); iOrig++) {
        const CWTKToolbarButton* pCurrent = m_OrigButtons.GetAt(iOrig);
        if (contains(lstStoredOriginals, pCurrent))
            continue;
        const int iAt = iOrig < GetCount() ? iOrig : GetCount();
        if (pCurrent->m_nID == 0)
            InsertSeparator(iAt);
        else
            InsertButtonObject(std::make_unique<CWTKToolbarButton>(pCurrent->m_nID, GetDefaultImage(pCurrent->m_nID),
                                                                   nullptr, FALSE, m_bLocked),
                               iAt);
        m_bOriginalItemsChanged = TRUE;
    }
    return TRUE;
}

BOOL CWTKToolBar::SaveParameters(LPCTSTR lpszProfileName)
{
    CString strKey;
    strKey.Format("%sWTKToolbarParameters", static_cast<LPCSTR>(BuildRegistryPath(kToolBarsSection, lpszProfileName)));
    CWTKRegistryHolder holder;
    CWTKRegistry& reg = holder.Create(FALSE, FALSE);
    if (!reg.CreateKey(strKey))
        return FALSE;
    const WTKCommandBarSettings& settings = WTKGetCommandBarSettings();
    return reg.Write("Tooltips", static_cast<int>(settings.bShowTooltips)) &&
        reg.Write("ShortcutKeys", static_cast<int>(settings.bShowShortcutKeys)) &&
        reg.Write("LargeIcons", static_cast<int>(settings.bLargeIcons)) &&
        reg.Write("MenuAnimation", static_cast<int>(settings.menuAnimation)) &&
        reg.Write("RecentlyUsedMenus", static_cast<int>(settings.bRecentlyUsedMenus)) &&
        reg.Write("MenuShadows", static_cast<int>(settings.bMenuShadows)) &&
        reg.Write("ShowAllMenusAfterDelay", static_cast<int>(settings.bShowAllMenusAfterDelay)) &&
        reg.Write("Look2000", static_cast<int>(CWTKVisualManager::GetInstance()->IsLook2000())) &&
        reg.Write("CommandsUsage", static_cast<CObject&>(WTKGetCommandUsageCounter()));
}

BOOL CWTKToolBar::LoadParameters(LPCTSTR lpszProfileName)
{
    CString strKey;
    strKey.Format("%sWTKToolbarParameters", static_cast<LPCSTR>(BuildRegistryPath(kToolBarsSection, lpszProfileName)));
    CWTKRegistryHolder holder;
    CWTKRegistry& reg = holder.Create(FALSE, TRUE);
    if (!reg.Open(strKey))
        return FALSE;

    WTKCommandBarSettings& settings = WTKGetCommandBarSettings();
    int nTooltips = settings.bShowTooltips;
    int nShortcuts = settings.bShowShortcutKeys;
    int nLarge = settings.bLargeIcons;
    int nAnimation = 0;
    int nRecent = settings.bRecentlyUsedMenus;
    int nShadows = settings.bMenuShadows;
    int nShowAll = settings.bShowAllMenusAfterDelay;
    int nLook2000 = 0;
    BOOL bAnimationRead = FALSE;
    BOOL bResult = reg.Read("Tooltips", nTooltips) && reg.Read("ShortcutKeys", nShortcuts) &&
        reg.Read("LargeIcons", nLarge) && (bAnimationRead = reg.Read("MenuAnimation", nAnimation)) &&
        reg.Read("RecentlyUsedMenus", nRecent) && reg.Read("MenuShadows", nShadows) &&
        reg.Read("ShowAllMenusAfterDelay", nShowAll);
    BOOL bLookRead = FALSE;
    if (bResult)
        bResult = bLookRead = reg.Read("Look2000", nLook2000);
    // The counter resets itself before it reads, so a damaged value leaves it empty.
    if (bResult)
        bResult = reg.Read("CommandsUsage", static_cast<CObject&>(WTKGetCommandUsageCounter()));

    settings.bShowTooltips = ClampBool(nTooltips);
    settings.bShowShortcutKeys = ClampBool(nShortcuts);
    settings.bRecentlyUsedMenus = ClampBool(nRecent);
    settings.bMenuShadows = ClampBool(nShadows);
    settings.bShowAllMenusAfterDelay = ClampBool(nShowAll);
    // An unknown animation type means none.
    const BOOL bKnownAnimation = nAnimation >= 0 && nAnimation <= static_cast<int>(kLastMenuAnimation);
    settings.menuAnimation =
        bAnimationRead && bKnownAnimation ? static_cast<WTKMenuAnimation>(nAnimation) : WTKMenuAnimation::None;
    SetLargeIcons(ClampBool(nLarge));
    CWTKVisualManager::SetLook2000(bLookRead ? ClampBool(nLook2000) : FALSE);
    return bResult;
}
