// CWTKPopupMenuBar: the items (import and export), their sizes and places, the rarely used
// background, drag and drop, tooltips, command state, the customisation context menu, and the
// process-wide menu delay and locked commands.
#include "command_bars/WTKPopupMenuBar.h"

#include "command_bars/WTKCommandManager.h"
#include "command_bars/WTKCommandUsageCounter.h"
#include "command_bars/WTKMenuBar.h"
#include "command_bars/WTKPopupMenu.h"
#include "command_bars/WTKToolbarMenuButton.h"

#include "foundation/WTKGlobalData.h"
#include "foundation/WTKUserToolsManagerBase.h"
#include "foundation/WTKVisualManager.h"

#include "core/List.h"
#include "docview/FrameWnd.h"
#include "gdi/DC.h"
#include "gdi/DCStateGuard.h"
#include "win/ClientDC.h"
#include "win/WindowDC.h"
#include "win/Menu.h"
#include "win/WinApp.h"

#include <algorithm>
#include <vector>

IMPLEMENT_SERIAL(CWTKPopupMenuBar, CWTKToolBar, 1)

int CWTKPopupMenuBar::s_nMenuShowDelay = -1;
int CWTKPopupMenuBar::s_iLastCommandIndex = -1;

namespace {
constexpr UINT kCmdToolbarImage = 16914;
constexpr UINT kCmdToolbarText = 16915;
constexpr UINT kCmdToolbarImageAndText = 16916;
constexpr int kDropMarkerBottomGap = 9;  // a drop after the last item: the marker's top above the bottom
// The longest menu text taken (GetMenuString's buffer is twice the length plus 2).
constexpr int kMaxMenuTextLength = 0x4000;
// A menu with more items than this is damaged; the rest is ignored.
constexpr int kMaxMenuItems = 0x1000;

CList<UINT, UINT>& LockedCommands()
{
    static CList<UINT, UINT> list;
    return list;
}

BOOL ReadMenuShowDelayFromRegistry(CString& strValue)
{
    HKEY hKey = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return FALSE;
    char szValue[32] = "";
    DWORD dwType = 0;
    DWORD cbValue = sizeof(szValue) - 1;
    const LONG lResult =
        ::RegQueryValueExA(hKey, "MenuShowDelay", nullptr, &dwType, reinterpret_cast<LPBYTE>(szValue), &cbValue);
    ::RegCloseKey(hKey);
    if (lResult != ERROR_SUCCESS || (dwType != REG_SZ && dwType != REG_EXPAND_SZ))
        return FALSE;
    szValue[std::min<DWORD>(cbValue, sizeof(szValue) - 1)] = '\0';
    strValue = szValue;
    return TRUE;
}

CWTKPopupMenuBar::MenuShowDelayReader s_pfnMenuShowDelayReader = &ReadMenuShowDelayFromRegistry;

// The item's menu text: GetMenuString's length, with room for twice as much.
CString ReadMenuText(HMENU hMenu, int iItem)
{
    const int nLength = ::GetMenuStringA(hMenu, static_cast<UINT>(iItem), nullptr, 0, MF_BYPOSITION);
    if (nLength <= 0 || nLength > kMaxMenuTextLength)
        return CString();
    std::vector<char> buffer(static_cast<size_t>(nLength) * 2 + 2, '\0');
    ::GetMenuStringA(hMenu, static_cast<UINT>(iItem), buffer.data(), static_cast<int>(buffer.size()) - 1,
                     MF_BYPOSITION);
    return CString(buffer.data());
}

}  // namespace

BEGIN_MESSAGE_MAP(CWTKPopupMenuBar, CWTKToolBar)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_TIMER()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
    ON_COMMAND(kCmdToolbarText, OnToolbarText)
    ON_COMMAND(kCmdToolbarImageAndText, OnToolbarImageAndText)
END_MESSAGE_MAP()

CWTKPopupMenuBar::CWTKPopupMenuBar()
{
    m_bMenuMode = TRUE;
}

CWTKPopupMenuBar::~CWTKPopupMenuBar() = default;

// ---- Process-wide ----

int CWTKPopupMenuBar::ReadMenuShowDelay()
{
    CString strValue;
    if (s_pfnMenuShowDelayReader == nullptr || !s_pfnMenuShowDelayReader(strValue))
        return kDefaultMenuShowDelay;
    const int nValue = atoi(strValue);
    // Negative values count as huge ones.
    if (static_cast<UINT>(nValue) > static_cast<UINT>(kMaxMenuShowDelay))
        return kMaxMenuShowDelay;
    return nValue;
}

int CWTKPopupMenuBar::GetMenuShowDelay()
{
    if (s_nMenuShowDelay < 0)
        s_nMenuShowDelay = ReadMenuShowDelay();
    return s_nMenuShowDelay;
}

void CWTKPopupMenuBar::SetMenuShowDelayReader(MenuShowDelayReader pfnReader)
{
    s_pfnMenuShowDelayReader = pfnReader != nullptr ? pfnReader : &ReadMenuShowDelayFromRegistry;
    s_nMenuShowDelay = -1;
}

void CWTKPopupMenuBar::AddLockedCommand(UINT uiCmd)
{
    if (LockedCommands().Find(uiCmd) == nullptr)
        LockedCommands().AddTail(uiCmd);
}

void CWTKPopupMenuBar::RemoveLockedCommand(UINT uiCmd)
{
    if (POSITION pos = LockedCommands().Find(uiCmd))
        LockedCommands().RemoveAt(pos);
}

BOOL CWTKPopupMenuBar::IsLockedCommand(UINT uiCmd)
{
    return LockedCommands().Find(uiCmd) != nullptr;
}

void CWTKPopupMenuBar::ClearLockedCommands()
{
    LockedCommands().RemoveAll();
}

// ---- Items ----

BOOL CWTKPopupMenuBar::ImportFromMenu(HMENU hMenu, BOOL bShowAllCommands)
{
    RemoveAllButtons();
    m_bAreAllCommandsShown = TRUE;
    m_HiddenItemsAccel.RemoveAll();
    if (hMenu == nullptr || !::IsMenu(hMenu))
        return FALSE;

    // The application may change the menu before it is read.
    CWnd* pTarget = GetMessageTarget();
    if (pTarget == nullptr)
        pTarget = GetTopLevelFrame();
    if (pTarget == nullptr)
        pTarget = FwGetMainWnd();
    if (pTarget != nullptr && ::IsWindow(pTarget->GetSafeHwnd()))
        pTarget->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hMenu), m_iOffset);
    if (!::IsMenu(hMenu))
        return FALSE;

    const BOOL bShowAll = m_bTrackMode || bShowAllCommands || CWTKMenuBar::IsShowAllCommands() ||
        !WTKGetCommandBarSettings().bRecentlyUsedMenus || !WTKGetCommandUsageCounter().HasEnoughStatistics();
    const int nCount = std::min(::GetMenuItemCount(hMenu), kMaxMenuItems);
    for (int i = 0; i < nCount; i++) {
        const CString strText = ReadMenuText(hMenu, i);
        MENUITEMINFOA info {};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE;
        if (!::GetMenuItemInfoA(hMenu, static_cast<UINT>(i), TRUE, &info))
            continue;
        const UINT uiState = ::GetMenuState(hMenu, static_cast<UINT>(i), MF_BYPOSITION);

        if (info.fType & MFT_SEPARATOR) {
            const CWTKToolbarButton* pLast = GetButton(GetCount() - 1);
            if (pLast != nullptr && !pLast->IsSeparator() && i != nCount - 1)
                InsertSeparator();
            continue;
        }
        const UINT uiCmd = info.hSubMenu != nullptr ? CWTKToolbarMenuButton::kSubMenuId : info.wID;
        if (!bShowAll && !IsLockedCommand(uiCmd) && IsCommandRarelyUsed(uiCmd)) {
            m_bAreAllCommandsShown = FALSE;
            if (const UINT uiLetter = MnemonicLetter(strText))
                m_HiddenItemsAccel.SetAt(uiLetter, uiCmd);
            continue;
        }

        CWTKToolbarMenuButton item(uiCmd, info.hSubMenu, -1, strText);
        item.m_bText = TRUE;
        if (WTKGetCmdMgr()->GetCmdImage(uiCmd, FALSE) == -1)
            item.m_bUserButton = TRUE;
        const int iIndex = InsertButton(item);
        CWTKToolbarButton* pButton = GetButton(iIndex);
        if (pButton == nullptr)
            continue;
        pButton->m_bImage = pButton->GetImage() >= 0;
        UINT nStyle = pButton->m_nStyle;
        if ((uiState & (MF_GRAYED | MF_DISABLED)) && !WTKIsUserToolCmd(uiCmd))
            nStyle |= kMenuItemStyleDisabled;
        if (uiState & MF_CHECKED)
            nStyle |= kMenuItemStyleChecked;
        if (info.fType & MFT_MENUBREAK)
            nStyle |= kMenuItemStyleColumnBreak;
        pButton->m_nStyle = nStyle;
    }
    // A separator before items that stayed hidden would end the menu.
    while (GetCount() > 0 && GetButton(GetCount() - 1)->IsSeparator())
        RemoveButton(GetCount() - 1);

    m_uiDefaultMenuCmdId = ::GetMenuDefaultItem(hMenu, FALSE, GMDI_USEDISABLED);
    if (m_uiDefaultMenuCmdId == static_cast<UINT>(-1))
        m_uiDefaultMenuCmdId = 0;
    return TRUE;
}

HMENU CWTKPopupMenuBar::ExportToMenu() const
{
    HMENU hMenu = ::CreatePopupMenu();
    if (hMenu == nullptr)
        return nullptr;
    for (CWTKToolbarButton* pButton : m_Buttons) {
        BOOL bAppended = TRUE;
        if (pButton->IsSeparator()) {
            bAppended = ::AppendMenuA(hMenu, MF_SEPARATOR, 0, nullptr);
        } else if (auto* pMenuButton = dynamic_cast<CWTKToolbarMenuButton*>(pButton)) {
            if (HMENU hSubMenu = pMenuButton->CreateMenu()) {
                UINT nFlags = MF_POPUP;
                if (pButton->m_nStyle & kMenuItemStyleColumnBreak)
                    nFlags |= MF_MENUBREAK;
                bAppended = ::AppendMenuA(hMenu, nFlags, reinterpret_cast<UINT_PTR>(hSubMenu), pButton->m_strText);
                if (!bAppended)
                    ::DestroyMenu(hSubMenu);
            } else {
                bAppended = ::AppendMenuA(hMenu, MF_STRING, pButton->m_nID, pButton->m_strText);
            }
        }
        if (!bAppended) {
            ::DestroyMenu(hMenu);
            return nullptr;
        }
    }
    if (m_uiDefaultMenuCmdId != 0)
        ::SetMenuDefaultItem(hMenu, m_uiDefaultMenuCmdId, FALSE);
    return hMenu;
}

UINT CWTKPopupMenuBar::MnemonicLetter(const CString& strText)
{
    const int iMark = CWTKToolbarButton::FindMnemonicIndex(strText);
    if (iMark < 0)
        return 0;
    const auto ch = static_cast<unsigned char>(strText[iMark + 1]);
    return static_cast<UINT>(
        reinterpret_cast<UINT_PTR>(::CharUpperA(reinterpret_cast<LPSTR>(static_cast<UINT_PTR>(ch)))));
}

UINT CWTKPopupMenuBar::GetHiddenItemCommand(UINT uiLetter) const
{
    UINT uiCmd = 0;
    return m_HiddenItemsAccel.Lookup(uiLetter, uiCmd) ? uiCmd : 0;
}

// ---- Sizes and places ----

CSize CWTKPopupMenuBar::CalcSize(BOOL /*bVertDock*/)
{
    if (m_Buttons.IsEmpty())
        return CSize(kEmptyMenuWidth, kEmptyMenuHeight);

    CWindowDC dc(nullptr);
    WTKGlobalData& data = WTKGetGlobalData();
    const CDCStateGuard state(&dc);
    dc.SelectObject(&data.fontRegular);
    const CSize sizeImage = GetMenuImageSize();
    const CSize sizeDefault(sizeImage.cx + 2, std::max(static_cast<int>(sizeImage.cy) + 2, data.nTextHeightHorz));
    const BOOL bCustomize = IsCustomizeMode();

    m_arColumns.clear();
    int nColumnLeft = 0;
    int nColumnWidth = 0;
    int nColumnHeight = 0;
    int nMaxHeight = 0;
    BOOL bFirst = TRUE;
    for (CWTKToolbarButton* pButton : m_Buttons) {
        const BOOL bDefault = m_uiDefaultMenuCmdId != 0 && pButton->m_nID == m_uiDefaultMenuCmdId;
        if (bDefault)
            dc.SelectObject(&data.fontBold);
        CSize size = pButton->OnCalculateSize(&dc, sizeDefault, TRUE);
        if (bDefault)
            dc.SelectObject(&data.fontRegular);

        if ((pButton->m_nStyle & kMenuItemStyleColumnBreak) && !bCustomize && !bFirst) {
            nColumnLeft += nColumnWidth + 1;
            m_arColumns.push_back(nColumnLeft);
            nMaxHeight = std::max(nMaxHeight, nColumnHeight);
            nColumnWidth = 0;
            nColumnHeight = 0;
        }
        bFirst = FALSE;
        if (pButton->IsSeparator()) {
            size.cy = kSeparatorHeight;
        } else if (pButton->m_strText.Find('\t') > 0) {
            size.cx += kAcceleratorGap;
        }
        pButton->m_bWholeText = m_iMaxWidth <= 0 || size.cx <= m_iMaxWidth - 2;
        nColumnWidth = std::max(nColumnWidth, static_cast<int>(size.cx));
        nColumnHeight += size.cy;
    }
    nMaxHeight = std::max(nMaxHeight, nColumnHeight);
    int nWidth = nColumnLeft + nColumnWidth + 2;
    if (m_iMaxWidth > 0)
        nWidth = std::min(nWidth, m_iMaxWidth);
    return CSize(nWidth, nMaxHeight + 2);
}

void CWTKPopupMenuBar::AdjustLocations()
{
    if (!::IsWindow(GetSafeHwnd()))
        return;
    CRect rectClient;
    GetClientRect(rectClient);
    CClientDC dc(this);
    WTKGlobalData& data = WTKGetGlobalData();
    const CDCStateGuard state(&dc);
    dc.SelectObject(&data.fontRegular);
    const CSize sizeImage = GetMenuImageSize();
    const CSize sizeDefault(sizeImage.cx + 2, std::max(static_cast<int>(sizeImage.cy) + 2, data.nTextHeightHorz));
    const BOOL bColumns = !m_arColumns.empty() && !IsCustomizeMode();

    const int yTop = rectClient.top - m_iOffset * GetRowHeight() + 1;
    int y = yTop;
    size_t iColumn = 0;
    int xLeft = rectClient.left + 1;
    BOOL bFirst = TRUE;
    auto columnRight = [&](size_t iCol) {
        if (!bColumns)
            return static_cast<int>(rectClient.right) - 1;
        return iCol < m_arColumns.size() ? m_arColumns[iCol] : static_cast<int>(rectClient.right) - 1;
    };
    for (CWTKToolbarButton* pButton : m_Buttons) {
        if (bColumns && (pButton->m_nStyle & kMenuItemStyleColumnBreak) && !bFirst && iColumn < m_arColumns.size()) {
            xLeft = m_arColumns[iColumn] + 1;
            iColumn++;
            y = yTop;
        }
        bFirst = FALSE;
        CRect rect;
        if (pButton->IsSeparator()) {
            rect = CRect(xLeft + m_xSeparatorOffsetLeft, y, columnRight(iColumn) - m_xSeparatorOffsetRight,
                         y + kSeparatorHeight);
        } else {
            const CSize size = pButton->OnCalculateSize(&dc, sizeDefault, TRUE);
            rect = CRect(xLeft, y, columnRight(iColumn), y + size.cy);
        }
        y = rect.bottom;
        if (rect != pButton->GetRect()) {
            pButton->SetRect(rect);
            pButton->OnMove();
        }
    }

    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    ScreenToClient(&ptCursor);
    if (HitTest(ptCursor) >= 0)
        m_bAllowMouseUp = FALSE;
}

// ---- Painting ----

void CWTKPopupMenuBar::OnDrawBarBorders(CDC* pDC, CRect /*rectClient*/)
{
    const CWTKPopupMenu* pPopup = GetParentPopupMenu();
    if (!WTKGetCommandBarSettings().bRecentlyUsedMenus || IsCustomizeMode() || pPopup == nullptr ||
        pPopup->GetParentButton() == nullptr)
        return;
    // Each run of rarely used items; a separator between two of them belongs to the run.
    CRect rectRun;
    BOOL bInRun = FALSE;
    for (CWTKToolbarButton* pButton : m_Buttons) {
        if (pButton->IsSeparator())
            continue;
        if (pButton->m_nID == 0 || !IsCommandRarelyUsed(pButton->m_nID)) {
            if (bInRun)
                CWTKVisualManager::GetInstance()->OnHighlightRarelyUsedMenuItems(pDC, rectRun);
            bInRun = FALSE;
        } else if (bInRun) {
            rectRun.bottom = pButton->GetRect().bottom;
        } else {
            rectRun = pButton->GetRect();
            bInRun = TRUE;
        }
    }
    if (bInRun)
        CWTKVisualManager::GetInstance()->OnHighlightRarelyUsedMenuItems(pDC, rectRun);
}

void CWTKPopupMenuBar::DrawSeparator(CDC* pDC, const CRect& rect, BOOL /*bHorz*/)
{
    CWTKToolBar::DrawSeparator(pDC, rect, FALSE);
}

void CWTKPopupMenuBar::SetButtonStyle(int nIndex, UINT nStyle)
{
    CWTKToolbarButton* pButton = GetButton(nIndex);
    if (pButton == nullptr || pButton->m_nStyle == nStyle)
        return;
    const UINT nOld = pButton->m_nStyle;
    pButton->SetStyle(nStyle);
    const UINT nChanged = nOld ^ nStyle;
    if (nChanged == TBBS_PRESSED || !::IsWindow(GetSafeHwnd()))
        return;
    if ((nChanged & TBBS_CHECKED) && dynamic_cast<CWTKToolbarMenuButton*>(pButton) != nullptr) {
        // The check mark lives in the image column.
        const int nMargin = CWTKVisualManager::GetInstance()->GetMenuImageMargin();
        const CSize sizeImage = GetMenuImageSize();
        CRect rectImage = pButton->GetRect();
        rectImage.right = rectImage.left + sizeImage.cx;
        rectImage.InflateRect(2 * nMargin, 2 * nMargin);
        InvalidateRect(rectImage);
        if ((nChanged & ~TBBS_CHECKED) == 0)
            return;
    }
    InvalidateButton(nIndex);
}

BOOL CWTKPopupMenuBar::GetButtonTooltip(CWTKToolbarButton* pButton)
{
    if (CWTKToolBar* pRoot = GetRootToolBar()) {
        if (pRoot->GetButtonTooltip(pButton))
            return TRUE;
    }
    return CWTKToolBar::GetButtonTooltip(pButton);
}

void CWTKPopupMenuBar::DrawDragMarker(CDC* pDC)
{
    // The items stand in a column: the marker lies across it.
    DrawMarkerShape(pDC, m_rectDrag, FALSE);
}

// ---- Drag and drop ----

DROPEFFECT CWTKPopupMenuBar::OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
    if (!(dwKeyState & MK_CONTROL)) {
        // The popup's own parent button cannot go into its own popup.
        const CWTKPopupMenu* pPopup = GetParentPopupMenu();
        const CWTKToolbarMenuButton* pParentButton = pPopup != nullptr ? pPopup->GetParentButton() : nullptr;
        if (pParentButton != nullptr) {
            const std::unique_ptr<CWTKToolbarButton> pDragged = CWTKToolbarButton::CreateFromOleData(pDataObject);
            const BOOL bOwnParent = pDragged != nullptr && pParentButton->CompareWith(*pDragged);
            if (bOwnParent)
                return DROPEFFECT_NONE;
        }
    }
    return CWTKToolBar::OnDragOver(pDataObject, dwKeyState, point);
}

int CWTKPopupMenuBar::FindDropIndex(CPoint point, CRect& rectDrag) const
{
    CRect rectClient;
    GetClientRect(rectClient);
    rectDrag.SetRectEmpty();
    if (m_Buttons.IsEmpty()) {
        rectDrag = CRect(rectClient.left, rectClient.top, rectClient.right, rectClient.top + 2 * kDropMarkerHalf);
        return 0;
    }
    const CWTKToolbarButton* pFirst = m_Buttons.GetHead();
    if (point.y < pFirst->GetRect().top) {
        const int y = pFirst->GetRect().top;
        rectDrag = CRect(rectClient.left, y - kDropMarkerHalf, rectClient.right, y + kDropMarkerHalf);
        return 0;
    }
    for (int i = 0; i < m_Buttons.GetCount(); i++) {
        const CWTKToolbarButton* pButton = m_Buttons.GetAt(i);
        const CRect rect = pButton->GetRect();
        if (point.y < rect.top || point.y >= rect.bottom)
            continue;
        const BOOL bLowerHalf = point.y >= rect.top + rect.Height() / 2;
        const int y = bLowerHalf ? rect.bottom : rect.top;
        rectDrag = CRect(rect.left, y - kDropMarkerHalf, rect.right, y + kDropMarkerHalf);
        return bLowerHalf ? i + 1 : i;
    }
    rectDrag = CRect(rectClient.left, rectClient.bottom - kDropMarkerBottomGap, rectClient.right,
                     rectClient.bottom - kDropMarkerHalf);
    return GetCount();
}

std::unique_ptr<CWTKToolbarButton> CWTKPopupMenuBar::CreateDroppedButton(COleDataObject* pDataObject)
{
    std::unique_ptr<CWTKToolbarButton> pButton = CWTKToolBar::CreateDroppedButton(pDataObject);
    if (pButton == nullptr || dynamic_cast<CWTKToolbarMenuButton*>(pButton.get()) != nullptr)
        return pButton;
    const BOOL bLocked = pButton->IsLocked();
    auto pMenuButton = std::make_unique<CWTKToolbarMenuButton>(
        pButton->m_nID, nullptr, bLocked ? -1 : pButton->GetImage(), pButton->m_strText, pButton->m_bUserButton);
    pMenuButton->m_bText = TRUE;
    pMenuButton->m_bImage = !bLocked;
    if (!pButton->ExportToMenuButton(*pMenuButton) || pMenuButton->m_strText.IsEmpty())
        return nullptr;
    return pMenuButton;
}

// ---- Tooltips and command state ----

INT_PTR CWTKPopupMenuBar::OnToolHitTest(CPoint point, TTTOOLINFOA* pTI) const
{
    auto* pThis = const_cast<CWTKPopupMenuBar*>(this);
    const int iButton = pThis->HitTest(point);
    CWTKToolbarButton* pButton = GetButton(iButton);
    if (pButton == nullptr)
        return -1;
    if (pTI != nullptr) {
        pTI->uId = pButton->m_nID;
        pTI->hwnd = GetSafeHwnd();
        pTI->rect = pButton->GetRect();
    }
    if (pButton->OnToolHitTest(this, pTI) != 0)
        return iButton;
    return pButton->m_nID;
}

void CWTKPopupMenuBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    m_bDisableControlsIfNoHandler = bDisableIfNoHndler;
    CWTKToolBar::OnUpdateCmdUI(pTarget, bDisableIfNoHndler);
}

LRESULT CWTKPopupMenuBar::OnIdleUpdateCmdUI(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    if (m_bTrackMode)
        return 0;
    if (m_nStateFlags & (delayHide | delayShow))
        ApplyDelayedShow();
    CWnd* pParent = GetParent();
    if (!(GetStyle() & WS_VISIBLE) || pParent == nullptr || !pParent->IsWindowVisible())
        return 0;
    CWnd* pTarget = GetCommandTarget();
    auto* pFrame = dynamic_cast<CFrameWnd*>(pTarget);
    if (pFrame == nullptr)
        pFrame = GetParentFrame();
    if (pFrame == nullptr)
        return 0;
    OnUpdateCmdUI(pFrame, pTarget != nullptr && pTarget->IsFrameWnd() && pFrame->m_bAutoMenuEnable);
    return 0;
}

CWnd* CWTKPopupMenuBar::GetCommandTarget() const
{
    if (m_bTrackMode)
        return nullptr;
    CWTKPopupMenu* pPopup = GetParentPopupMenu();
    if (pPopup != nullptr && pPopup->GetMessageWnd() != nullptr)
        return pPopup;
    return CWTKToolBar::GetCommandTarget();
}

// ---- Customisation context menu ----

void CWTKPopupMenuBar::OnCustomizeMenuInit(CMenu* pMenu, int iButton)
{
    if (pMenu == nullptr)
        return;
    const CWTKToolbarButton* pButton = GetButton(iButton);
    pMenu->EnableMenuItem(kCmdToolbarImage, MF_BYCOMMAND | MF_GRAYED);
    if (pButton == nullptr || pButton->GetImage() < 0) {
        pMenu->EnableMenuItem(kCmdToolbarText, MF_BYCOMMAND | MF_GRAYED);
        pMenu->EnableMenuItem(kCmdToolbarImageAndText, MF_BYCOMMAND | MF_GRAYED);
        return;
    }
    pMenu->EnableMenuItem(kCmdToolbarText, MF_BYCOMMAND | MF_ENABLED);
    pMenu->EnableMenuItem(kCmdToolbarImageAndText, MF_BYCOMMAND | MF_ENABLED);
    const BOOL bTextOnly = WTKGetCmdMgr()->IsMenuItemWithoutImage(pButton->m_nID);
    pMenu->CheckMenuItem(kCmdToolbarText, MF_BYCOMMAND | (bTextOnly ? MF_CHECKED : MF_UNCHECKED));
}

void CWTKPopupMenuBar::OnToolbarText()
{
    if (const CWTKToolbarButton* pButton = GetButton(m_iSelected)) {
        WTKGetCmdMgr()->EnableMenuItemImage(pButton->m_nID, FALSE);
        AdjustLayout();
    }
}

void CWTKPopupMenuBar::OnToolbarImageAndText()
{
    if (const CWTKToolbarButton* pButton = GetButton(m_iSelected)) {
        WTKGetCmdMgr()->EnableMenuItemImage(pButton->m_nID, TRUE);
        AdjustLayout();
    }
}

// ---- The popup chain ----

CWTKPopupMenu* CWTKPopupMenuBar::GetParentPopupMenu() const
{
    if (!::IsWindow(GetSafeHwnd()))
        return nullptr;
    return dynamic_cast<CWTKPopupMenu*>(CWnd::FromHandlePermanent(::GetParent(GetSafeHwnd())));
}

CWTKPopupMenuBar* CWTKPopupMenuBar::GetParentPopupBar() const
{
    CWTKPopupMenu* pPopup = GetParentPopupMenu();
    CWTKPopupMenu* pParentPopup = pPopup != nullptr ? pPopup->GetParentPopupMenu() : nullptr;
    return pParentPopup != nullptr ? pParentPopup->GetMenuBar() : nullptr;
}

CWTKToolBar* CWTKPopupMenuBar::GetRootToolBar() const
{
    CWTKPopupMenu* pPopup = GetParentPopupMenu();
    // A broken chain's last popup visited has a parent popup, so no bar.
    return pPopup != nullptr ? pPopup->GetRootPopupMenu()->GetParentToolBar() : nullptr;
}

CWnd* CWTKPopupMenuBar::GetMessageTarget() const
{
    CWTKPopupMenu* pPopup = GetParentPopupMenu();
    return pPopup != nullptr ? pPopup->GetMessageWnd() : nullptr;
}

CWTKToolBar* CWTKPopupMenuBar::FindParentBarAt(CPoint ptScreen) const
{
    CWTKPopupMenu* pPopup = GetParentPopupMenu();
    CWTKPopupMenu* pParent = pPopup != nullptr ? pPopup->GetParentPopupMenu() : nullptr;
    for (int nDepth = 0; pParent != nullptr && nDepth < CWTKPopupMenu::kMaxChainLength; nDepth++) {
        CWTKPopupMenuBar* pBar = pParent->GetMenuBar();
        if (pBar != nullptr && ::IsWindow(pBar->GetSafeHwnd())) {
            CRect rect;
            pBar->GetClientRect(rect);
            pBar->ClientToScreen(rect);
            if (rect.PtInRect(ptScreen))
                return pBar;
        }
        pPopup = pParent;
        pParent = pParent->GetParentPopupMenu();
    }
    CWTKToolBar* pRoot = GetRootToolBar();
    if (pRoot != nullptr && ::IsWindow(pRoot->GetSafeHwnd())) {
        CRect rect;
        pRoot->GetClientRect(rect);
        pRoot->ClientToScreen(rect);
        if (rect.PtInRect(ptScreen))
            return pRoot;
    }
    return nullptr;
}

void CWTKPopupMenuBar::SetCommandSentFlag(BOOL bSent)
{
    m_bCommandSent = bSent;
    if (CWTKPopupMenuBar* pParentBar = GetParentPopupBar())
        pParentBar->SetCommandSentFlag(bSent);
}
