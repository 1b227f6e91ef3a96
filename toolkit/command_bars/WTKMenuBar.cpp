// CWTKMenuBar: building the bar from a menu, the MDI system buttons, layout, keyboard and mouse.
#include "command_bars/WTKMenuBar.h"

#include "command_bars/WTKCommandUsageCounter.h"
#include "command_bars/WTKMenuBarHost.h"
#include "command_bars/WTKPopupMenu.h"
#include "command_bars/WTKPopupMenuBar.h"
#include "command_bars/WTKToolbarMenuButton.h"
#include "command_bars/WTKToolbarMenuButtonsButton.h"
#include "command_bars/WTKToolbarSnapshotStore.h"
#include "command_bars/WTKToolbarSystemMenuButton.h"
#include "command_bars/res/WTKCommandBarsRes.h"

#include "foundation/WTKGlobalData.h"
#include "foundation/WTKVisualManager.h"
#include "foundation/WTKWorkArea.h"

#include "bars/DockBar.h"
#include "core/Archive.h"
#include "bars/DockContext.h"
#include "bars/MiniDockFrameWnd.h"
#include "core/ResourceHandle.h"
#include "docview/MDIChildWnd.h"
#include "docview/MDIFrameWnd.h"
#include "gdi/DC.h"
#include "win/WindowDC.h"
#include "win/MessageMap.h"
#include "win/WndLifeGuard.h"

#include <algorithm>
#include <vector>

namespace {
constexpr UINT kIdleMessageId = 0xE001;
constexpr int kBoxGap = 1;
constexpr int kMaxMenuDepth = 32;  // sub-menus nested deeper are not searched

BOOL IsSystemButton(const CWTKToolbarButton* pButton)
{
    return dynamic_cast<const CWTKToolbarSystemMenuButton*>(pButton) != nullptr ||
        dynamic_cast<const CWTKToolbarMenuButtonsButton*>(pButton) != nullptr;
}

BOOL IsBox(const CWTKToolbarButton* pButton)
{
    return dynamic_cast<const CWTKToolbarMenuButtonsButton*>(pButton) != nullptr;
}

// The item's text by position, as GetMenuString gives it.
CString MenuStringByPosition(HMENU hMenu, int iItem)
{
    const int nLen = ::GetMenuStringA(hMenu, iItem, nullptr, 0, MF_BYPOSITION);
    if (nLen <= 0)
        return CString();
    std::vector<char> buffer(static_cast<size_t>(nLen) * 2 + 2, '\0');
    ::GetMenuStringA(hMenu, iItem, buffer.data(), static_cast<int>(buffer.size()), MF_BYPOSITION);
    return CString(buffer.data());
}

BOOL FindMenuTextIn(HMENU hMenu, UINT uiCmd, CString& strText, int nDepth)
{
    if (nDepth > kMaxMenuDepth || !::IsMenu(hMenu))
        return FALSE;
    const int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; i++) {
        const UINT uiID = ::GetMenuItemID(hMenu, i);
        if (uiID == uiCmd) {
            strText = MenuStringByPosition(hMenu, i);
            return TRUE;
        }
        if (uiID == static_cast<UINT>(-1)) {
            if (FindMenuTextIn(::GetSubMenu(hMenu, i), uiCmd, strText, nDepth + 1))
                return TRUE;
        }
    }
    return FALSE;
}
}  // namespace

IMPLEMENT_SERIAL(CWTKMenuBar, CWTKToolBar, VERSIONABLE_SCHEMA | 1)

BEGIN_MESSAGE_MAP(CWTKMenuBar, CWTKToolBar)
    ON_WM_CREATE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_SETFOCUS()
    ON_WM_TIMER()
    ON_WM_SETTINGCHANGE()
    ON_WM_WINDOWPOSCHANGED()
END_MESSAGE_MAP()

BOOL CWTKMenuBar::s_bShowAllCommands = FALSE;
HHOOK CWTKMenuBar::s_hookDrag = nullptr;
CWTKMenuBar* CWTKMenuBar::s_pDragHookBar = nullptr;

CWTKMenuBar::CWTKMenuBar()
{
    m_bMenuMode = TRUE;
}

CWTKMenuBar::~CWTKMenuBar()
{
    RemoveDragHook();
    // The menus belong to the frame and the templates: the bar only forgets them.
    m_hMenu = nullptr;
    m_hDefaultMenu = nullptr;
}

// ---- Creation ----

BOOL CWTKMenuBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    m_pParentWnd = pParentWnd;
    return CWTKToolBar::Create(pParentWnd, dwStyle, nID);
}

BOOL CWTKMenuBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, CRect rcBorders, UINT nID)
{
    m_pParentWnd = pParentWnd;
    return CWTKToolBar::CreateEx(pParentWnd, dwCtrlStyle, dwStyle, rcBorders, nID);
}

int CWTKMenuBar::OnCreate(LPCREATESTRUCTA lpcs)
{
    if (CWTKToolBar::OnCreate(lpcs) == -1)
        return -1;
    CString strTitle;
    strTitle.LoadString(IDS_WTK_MENU_BAR_TITLE);
    SetWindowText(strTitle);
    SetBarStyle(GetBarStyle() | CBRS_HIDE_INPLACE);
    CalcSysButtonSize();

    if (CWTKMenuBarHost* pHost = GetHost()) {
        pHost->SetMenuBar(this);
    } else if (m_pParentWnd != nullptr) {
        // A plain frame: the bar shows the frame's menu in its place; the frame keeps owning it.
        HMENU hMenu = ::GetMenu(m_pParentWnd->GetSafeHwnd());
        if (hMenu != nullptr) {
            CreateFromMenu(hMenu, TRUE, FALSE);
            ::SetMenu(m_pParentWnd->GetSafeHwnd(), nullptr);
        }
    }
    return 0;
}

CWTKMenuBarHost* CWTKMenuBar::GetHost() const
{
    if (CMDIFrameWnd* pMDIFrame = GetMDIFrame())
        return dynamic_cast<CWTKMenuBarHost*>(pMDIFrame);
    return dynamic_cast<CWTKMenuBarHost*>(m_pParentWnd);
}

CMDIFrameWnd* CWTKMenuBar::GetMDIFrame() const
{
    CWnd* pFrame = m_pParentWnd;
    if (auto* pMini = dynamic_cast<CMiniDockFrameWnd*>(pFrame))
        pFrame = pMini->GetParent();
    return dynamic_cast<CMDIFrameWnd*>(pFrame);
}

CMDIChildWnd* CWTKMenuBar::GetActiveMDIChild() const
{
    CMDIFrameWnd* pFrame = GetMDIFrame();
    return pFrame != nullptr ? pFrame->MDIGetActive() : nullptr;
}

void CWTKMenuBar::CalcSysButtonSize()
{
    const int nSize = ::GetSystemMetrics(SM_CXMENUSIZE);
    CRect rect(0, 0, nSize, nSize);
    CWindowDC dcScreen(nullptr);
    CDC dcMem;
    if (dcMem.CreateCompatibleDC(&dcScreen))
        dcMem.DrawFrameControl(rect, DFC_CAPTION, DFCS_ADJUSTRECT);
    m_nSystemButtonsWidth = rect.Width();
    m_nSystemButtonsHeight = rect.Height();
}

void CWTKMenuBar::OnSettingChange(UINT uFlags, LPCSTR lpszSection)
{
    CWTKToolBar::OnSettingChange(uFlags, lpszSection);
    CalcSysButtonSize();
    Invalidate();
    UpdateWindow();
}

// ---- Menus ----

void CWTKMenuBar::CreateFromMenu(HMENU hMenu, BOOL bDefaultMenu, BOOL bForceUpdate)
{
    const BOOL bWindow = ::IsWindow(GetSafeHwnd());
    if (bWindow && ::GetFocus() == GetSafeHwnd() && m_pParentWnd != nullptr)
        m_pParentWnd->SetFocus();

    if (hMenu == m_hMenu && !IsCustomizeMode() && !bForceUpdate) {
        if (m_bMaximizeMode) {
            // The same menu again: the boxes follow the child that is active now.
            SetMaximizeMode(FALSE, nullptr, FALSE);
            SetMaximizeMode(TRUE, GetActiveMDIChild(), FALSE);
            if (bWindow) {
                AdjustLocations();
                Invalidate();
            }
        }
        return;
    }

    CWTKToolbarSnapshotStore& store = WTKGetToolbarSnapshotStore();
    const BOOL bMaximized = m_bMaximizeMode;
    SetMaximizeMode(FALSE, nullptr, FALSE);
    if (m_hMenu != nullptr && GetCount() > 0)
        store.Save(m_hMenu, this);
    m_hMenu = hMenu;
    if (bDefaultMenu)
        m_hDefaultMenu = hMenu;

    if (!store.Restore(hMenu, this))
        BuildFromMenu(hMenu);

    if (bMaximized)
        SetMaximizeMode(TRUE, GetActiveMDIChild(), FALSE);
    if (bWindow)
        AdjustLayout();
}

void CWTKMenuBar::BuildFromMenu(HMENU hMenu)
{
    RemoveAllButtons();
    if (!::IsMenu(hMenu))
        return;
    const int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; i++) {
        const UINT uiID = ::GetMenuItemID(hMenu, i);
        const CString strText = MenuStringByPosition(hMenu, i);
        if (uiID == 0) {
            InsertSeparator();
            continue;
        }
        std::unique_ptr<CWTKToolbarButton> pButton;
        if (uiID == static_cast<UINT>(-1))
            pButton = std::make_unique<CWTKToolbarMenuButton>(0, ::GetSubMenu(hMenu, i), -1, strText);
        else
            pButton = std::make_unique<CWTKToolbarButton>(uiID, -1, strText);
        pButton->m_bText = TRUE;
        pButton->m_bImage = FALSE;
        InsertButtonObject(std::move(pButton), -1);
    }
}

BOOL CWTKMenuBar::FindMenuText(HMENU hMenu, UINT uiCmd, CString& strText)
{
    if (hMenu == nullptr || uiCmd == 0 || uiCmd == static_cast<UINT>(-1))
        return FALSE;
    return FindMenuTextIn(hMenu, uiCmd, strText, 0);
}

void CWTKMenuBar::SetShowAllCommands(BOOL bShowAllCommands)
{
    s_bShowAllCommands = bShowAllCommands;
}

CFont& CWTKMenuBar::GetMenuFont(BOOL bHorz)
{
    WTKGlobalData& data = WTKGetGlobalData();
    if (!bHorz && data.fontVert.GetSafeHandle() != nullptr)
        return data.fontVert;
    return data.fontRegular;
}

// ---- System buttons of a maximised MDI child ----

void CWTKMenuBar::SetMaximizeMode(BOOL bMax, CWnd* pWnd, BOOL bRecalcLayout)
{
    if (bMax && (pWnd == nullptr || !::IsWindow(pWnd->GetSafeHwnd())))
        bMax = FALSE;
    if (bMax == m_bMaximizeMode)
        return;
    if (bMax) {
        AddSystemButtons(pWnd);
        m_bMaximizeMode = TRUE;
    } else {
        RemoveSystemButtons();
        m_bMaximizeMode = FALSE;
    }
    if (bRecalcLayout && ::IsWindow(GetSafeHwnd()))
        AdjustLayout();
}

void CWTKMenuBar::DeleteButtonAt(int iIndex)
{
    if (std::unique_ptr<CWTKToolbarButton> pButton = m_Buttons.RemoveAt(iIndex))
        pButton->OnCancelMode();
    m_iButtonCapture = -1;
    m_iHighlighted = -1;
    m_iSelected = -1;
    m_iDroppedDown = -1;
}

void CWTKMenuBar::RemoveSystemButtons()
{
    m_nSystemButtonsNumSaved = m_nSystemButtonsNum;
    for (int i = 0; i < GetCount();) {
        if (IsSystemButton(m_Buttons.GetAt(i)))
            DeleteButtonAt(i);
        else
            i++;
    }
    m_nSystemButtonsNum = 0;
}

BOOL CWTKMenuBar::AddSystemButtons(CWnd* pChild)
{
    const HWND hChild = pChild->GetSafeHwnd();
    HMENU hSysMenu = ::GetSystemMenu(hChild, FALSE);
    if (!::IsMenu(hSysMenu))
        hSysMenu = nullptr;
    auto hIcon = reinterpret_cast<HICON>(::SendMessageA(hChild, WM_GETICON, ICON_SMALL, 0));
    if (hIcon == nullptr)
        hIcon = reinterpret_cast<HICON>(::GetClassLongPtrA(hChild, GCLP_HICONSM));
    m_hSysMenu = hSysMenu;
    m_hSysIcon = hIcon;
    m_nSystemButtonsNum = 0;
    if (hSysMenu == nullptr)
        return FALSE;

    if (InsertButtonObject(std::make_unique<CWTKToolbarSystemMenuButton>(hSysMenu, hIcon), 0) < 0)
        return FALSE;
    const DWORD dwStyle = pChild->GetStyle();
    auto addBox = [this](UINT uiCmd, UINT nStyle) {
        auto pBox = std::make_unique<CWTKToolbarMenuButtonsButton>(uiCmd);
        pBox->m_nStyle |= nStyle;
        if (InsertButtonObject(std::move(pBox), -1) >= 0)
            m_nSystemButtonsNum++;
    };
    if (dwStyle & WS_MINIMIZEBOX)
        addBox(SC_MINIMIZE, 0);
    if (dwStyle & WS_MAXIMIZEBOX)
        addBox(SC_RESTORE, 0);
    const UINT uiCloseState = ::GetMenuState(hSysMenu, SC_CLOSE, MF_BYCOMMAND);
    const BOOL bCloseDisabled =
        uiCloseState == static_cast<UINT>(-1) || (uiCloseState & (MF_GRAYED | MF_DISABLED)) != 0;
    addBox(SC_CLOSE, bCloseDisabled ? TBBS_DISABLED : 0);
    return TRUE;
}

void CWTKMenuBar::RestoreMaximizeMode()
{
    if (m_bMaximizeMode || m_hSysMenu == nullptr)
        return;
    CMDIChildWnd* pChild = GetActiveMDIChild();
    if (pChild == nullptr)
        return;
    // The kept menu and icon may be another child's by now: read them from the active one.
    AddSystemButtons(pChild);
    m_bMaximizeMode = TRUE;
    if (CFrameWnd* pFrame = GetParentFrame())
        pFrame->RecalcLayout();
    if (::IsWindow(GetSafeHwnd())) {
        AdjustLocations();
        Invalidate();
        UpdateWindow();
    }
}

BOOL CWTKMenuBar::OnSendCommand(const CWTKToolbarButton* pButton)
{
    const auto* pBox = dynamic_cast<const CWTKToolbarMenuButtonsButton*>(pButton);
    if (pBox == nullptr)
        return FALSE;
    CMDIChildWnd* pChild = GetActiveMDIChild();
    if (pChild == nullptr)
        ::MessageBeep(static_cast<UINT>(-1));
    else
        pChild->SendMessage(WM_SYSCOMMAND, pBox->GetSystemCommand(), 0);
    return TRUE;
}

// ---- Layout ----

int CWTKMenuBar::GetOrdinaryButtonsStart() const
{
    const CWTKToolbarButton* pFirst = GetButton(0);
    return (pFirst != nullptr && dynamic_cast<const CWTKToolbarSystemMenuButton*>(pFirst) != nullptr) ? 1 : 0;
}

int CWTKMenuBar::GetOrdinaryButtonsEnd() const
{
    int iEnd = GetCount();
    while (iEnd > 0) {
        const CWTKToolbarButton* pButton = GetButton(iEnd - 1);
        if (pButton != m_pCustomizeBtn && !IsBox(pButton))
            break;
        iEnd--;
    }
    return iEnd;
}

void CWTKMenuBar::AdjustLocations()
{
    CWTKToolBar::AdjustLocations();
    if (!m_bMaximizeMode || !::IsWindow(GetSafeHwnd()))
        return;
    CRect rectClient;
    GetClientRect(rectClient);
    const BOOL bHorz = (GetBarStyle() & (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)) != 0 || IsFloating();
    int nOffset = bHorz ? rectClient.right : rectClient.bottom;
    for (int i = GetCount() - 1; i >= 0; i--) {
        CWTKToolbarButton* pButton = m_Buttons.GetAt(i);
        if (pButton == m_pCustomizeBtn)
            continue;
        if (!IsBox(pButton))
            break;
        CRect rect;
        if (bHorz) {
            rect = CRect(nOffset - m_nSystemButtonsWidth, rectClient.bottom - m_nSystemButtonsHeight, nOffset,
                         rectClient.bottom);
            nOffset -= m_nSystemButtonsWidth + kBoxGap;
        } else {
            rect = CRect(rectClient.right - m_nSystemButtonsWidth, nOffset - m_nSystemButtonsHeight, rectClient.right,
                         nOffset);
            nOffset -= m_nSystemButtonsHeight + kBoxGap;
        }
        if (rect != pButton->GetRect()) {
            pButton->SetRect(rect);
            pButton->OnMove();
        }
    }
}

int CWTKMenuBar::FindDropIndex(CPoint point, CRect& rectDrag) const
{
    int iIndex = CWTKToolBar::FindDropIndex(point, rectDrag);
    const int iEnd = GetOrdinaryButtonsEnd();
    if (iIndex > iEnd) {
        iIndex = iEnd;
        // The marker stands on the last ordinary button's right edge, centred on it.
        if (const CWTKToolbarButton* pLast = GetButton(iEnd - 1)) {
            const CRect rect = pLast->GetRect();
            rectDrag = CRect(rect.right - kDropMarkerHalf, rect.top, rect.right + kDropMarkerHalf, rect.bottom);
        }
    }
    return iIndex;
}

void CWTKMenuBar::UpdateHasImages()
{
    m_bHaveButtons = FALSE;
    for (const CWTKToolbarButton* pButton : m_Buttons) {
        if (IsSystemButton(pButton) || pButton->IsSeparator())
            continue;
        if (pButton->m_bImage && pButton->GetImage() >= 0) {
            m_bHaveButtons = TRUE;
            return;
        }
    }
}

int CWTKMenuBar::GetRowHeight() const
{
    if (m_bHaveButtons) {
        CSize size = m_bLocked ? m_sizeCurButtonLocked : GetDefaultButtonSize();
        if (!m_bLocked && IsLargeIcons())
            size = CSize(size.cx * 2, size.cy * 2);
        return size.cy + CWTKVisualManager::GetInstance()->GetButtonExtraBorder().cy;
    }
    const CSize sizeMenu = GetMenuButtonSize();
    return (sizeMenu.cy > 0 ? sizeMenu.cy : GetDefaultButtonSize().cy) - 2;
}

int CWTKMenuBar::GetColumnWidth() const
{
    int nWidth = 0;
    if (m_bHaveButtons) {
        CSize size = m_bLocked ? m_sizeCurButtonLocked : GetDefaultButtonSize();
        if (!m_bLocked && IsLargeIcons())
            size = CSize(size.cx * 2, size.cy * 2);
        nWidth = size.cx + CWTKVisualManager::GetInstance()->GetButtonExtraBorder().cx;
    } else {
        const CSize sizeMenu = GetMenuButtonSize();
        nWidth = (sizeMenu.cx > 0 ? sizeMenu.cx : GetDefaultButtonSize().cx) - 2;
    }
    const WTKGlobalData& data = WTKGetGlobalData();
    const BOOL bHorz = (GetBarStyle() & CBRS_ORIENT_HORZ) != 0;
    return std::max(nWidth, bHorz ? data.nTextHeightHorz : data.nTextHeightVert);
}

CSize CWTKMenuBar::CalcLayout(DWORD dwMode, int nLength)
{
    m_iHighlighted = -1;
    UpdateHasImages();
    const BOOL bDragging = m_pDockContext != nullptr && m_pDockContext->m_bDragging;
    if (bDragging)
        SetDragHook();
    const BOOL bFloatMode = (dwMode & (LM_MRUWIDTH | LM_LENGTHY | LM_COMMIT)) != 0 || nLength != -1;
    if (!::IsWindow(GetSafeHwnd()) || (IsFloating() && !bDragging) || (bFloatMode && !bDragging))
        return CWTKToolBar::CalcLayout(dwMode, nLength);

    // Docked: the bar takes the whole length of its dock area.
    CRect rectArea;
    if (CWnd* pDockBar = GetParent())
        pDockBar->GetWindowRect(rectArea);
    if (rectArea.IsRectEmpty() && m_pParentWnd != nullptr)
        m_pParentWnd->GetClientRect(rectArea);
    CRect rectInside(0, 0, 0, 0);
    const BOOL bVert = (dwMode & LM_VERTDOCK) != 0 || (dwMode & LM_HORZ) == 0;
    CalcInsideRect(rectInside, !bVert);
    CSize size;
    if (bVert) {
        size.cx = CalcSize(TRUE).cx - rectInside.Width();
        size.cy = rectArea.Height();
    } else {
        const int nWidth = rectArea.Width() + rectInside.Width();
        WrapToolBar(nWidth, 0x7FFF);
        size.cx = rectArea.Width();
        size.cy = CalcSize(FALSE).cy - rectInside.Height();
    }
    RebuildMnemonics();
    return size;
}

void CWTKMenuBar::SetDragHook()
{
    if (s_hookDrag == nullptr)
        s_hookDrag = ::SetWindowsHookExA(WH_MOUSE, &DragMouseHookProc, nullptr, ::GetCurrentThreadId());
    if (s_hookDrag != nullptr)
        s_pDragHookBar = this;
}

void CWTKMenuBar::RemoveDragHook()
{
    if (s_pDragHookBar != this)
        return;
    if (s_hookDrag != nullptr)
        ::UnhookWindowsHookEx(s_hookDrag);
    s_hookDrag = nullptr;
    s_pDragHookBar = nullptr;
}

LRESULT CALLBACK CWTKMenuBar::DragMouseHookProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    const HHOOK hHook = s_hookDrag;
    CWTKMenuBar* pBar = s_pDragHookBar;
    if (nCode == HC_ACTION && (wParam == WM_LBUTTONUP || wParam == WM_NCLBUTTONUP) && pBar != nullptr) {
        if (pBar->m_pDockContext != nullptr && ::IsWindow(pBar->GetSafeHwnd())) {
            CRect rectBar;
            pBar->GetWindowRect(&rectBar);
            pBar->m_pDockContext->m_ptWorkAreaOrigin = WTKWorkAreaHolding(rectBar.TopLeft()).TopLeft();
            pBar->m_pDockContext->m_bWorkAreaOriginSet = TRUE;
        }
        pBar->RemoveDragHook();
    }
    return ::CallNextHookEx(hHook, nCode, wParam, lParam);
}

void CWTKMenuBar::OnWindowPosChanged(WINDOWPOS* lpwndpos)
{
    CWTKToolBar::OnWindowPosChanged(lpwndpos);
    RemoveDragHook();
}

CSize CWTKMenuBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    return CalcLayout((bStretch ? LM_STRETCH : 0) | (bHorz ? LM_HORZ | LM_HORZDOCK : LM_VERTDOCK), -1);
}

CSize CWTKMenuBar::CalcDynamicLayout(int nLength, DWORD dwMode)
{
    return CalcLayout(dwMode, nLength);
}

// ---- Keyboard, focus and mouse ----

void CWTKMenuBar::MoveHot(int iDelta)
{
    const int iStart = GetOrdinaryButtonsStart();
    const int iEnd = GetOrdinaryButtonsEnd();
    const int nCount = iEnd - iStart;
    if (nCount <= 0)
        return;
    int iHot = m_iHighlighted;
    for (int nTried = 0; nTried < nCount; nTried++) {
        iHot = iStart + ((iHot - iStart + iDelta) % nCount + nCount) % nCount;
        const CWTKToolbarButton* pButton = GetButton(iHot);
        if (pButton != nullptr && !pButton->IsSeparator() && !pButton->IsHidden())
            break;
    }
    const int iOld = m_iHighlighted;
    m_iHighlighted = iHot;
    InvalidateButton(iOld);
    InvalidateButton(iHot);
    UpdateWindow();
}

BOOL CWTKMenuBar::DropDownHot()
{
    CWTKToolbarButton* pButton = GetButton(m_iHighlighted);
    if (dynamic_cast<CWTKToolbarMenuButton*>(pButton) == nullptr)
        return FALSE;
    return DropDownMenu(pButton);
}

BOOL CWTKMenuBar::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && GetDroppedDownMenu() == nullptr) {
        const int iHot = m_iHighlighted;
        if (iHot >= GetOrdinaryButtonsStart() && iHot < GetOrdinaryButtonsEnd()) {
            const UINT nChar = static_cast<UINT>(pMsg->wParam);
            switch (nChar) {
            case VK_RETURN:
                if (!DropDownHot()) {
                    const CWTKToolbarButton* pButton = GetButton(iHot);
                    Deactivate();
                    SendCommand(pButton);
                }
                return TRUE;
            case VK_ESCAPE:
                Deactivate();
                RestoreFocus();
                SetShowAllCommands(FALSE);
                return FALSE;
            case VK_LEFT:
            case VK_RIGHT:
                MoveHot(nChar == VK_LEFT ? -1 : 1);
                return TRUE;
            case VK_DOWN:
                DropDownHot();
                return TRUE;
            default:
                if (TranslateChar(nChar))
                    return TRUE;
                break;
            }
        }
    }
    return CWTKToolBar::PreTranslateMessage(pMsg);
}

void CWTKMenuBar::OnSetFocus(CWnd* pOldWnd)
{
    CWTKToolBar::OnSetFocus(pOldWnd);
    if (GetDroppedDownMenu() != nullptr)
        return;
    if (m_pParentWnd != nullptr)
        m_pParentWnd->SendMessage(WM_SETMESSAGESTRING, kIdleMessageId, 0);
    if (m_iHighlighted < 0) {
        const int iFirst = GetOrdinaryButtonsStart();
        if (iFirst < GetOrdinaryButtonsEnd()) {
            m_iHighlighted = iFirst;
            InvalidateButton(iFirst);
        }
    }
}

void CWTKMenuBar::OnChangeHot(int iHot)
{
    if (::IsWindow(GetSafeHwnd()))
        KillTimer(kShowAllTimerId);
    CWTKToolBar::OnChangeHot(iHot);
    if (GetDroppedDownMenu() != nullptr) {
        if (::IsWindow(GetSafeHwnd()))
            SetTimer(kShowAllTimerId, kShowAllTimerDelay, nullptr);
    } else {
        SetShowAllCommands(FALSE);
    }
}

void CWTKMenuBar::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kShowAllTimerId) {
        CWTKToolBar::Default();
        return;
    }
    KillTimer(kShowAllTimerId);
    int iOpen = -1;
    auto* pButton = dynamic_cast<CWTKToolbarMenuButton*>(GetDroppedDownMenu(&iOpen));
    if (pButton == nullptr || pButton->GetPopupMenu() == nullptr)
        return;
    CPoint point;
    ::GetCursorPos(&point);
    ScreenToClient(&point);
    if (HitTest(point) != iOpen)
        return;
    CWTKPopupMenu* pPopup = pButton->GetPopupMenu();
    CWTKPopupMenuBar* pItems = pPopup->GetMenuBar();
    if (pItems != nullptr && !pItems->AreAllCommandsShown())
        pPopup->ShowAllCommands();
}

void CWTKMenuBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (GetDroppedDownMenu() != nullptr && HitTest(point) < 0)
        return;
    CWTKToolBar::OnLButtonDown(nFlags, point);
}

void CWTKMenuBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    // The child's icon answers a double click alone: it does not open its menu as well.
    if (auto* pSysButton = dynamic_cast<CWTKToolbarSystemMenuButton*>(GetButton(HitTest(point)))) {
        pSysButton->OnDblClk(this);
        return;
    }
    const CWndLifeGuard self(this);
    CWTKToolBar::OnLButtonDblClk(nFlags, point);
    if (!self.IsAlive())
        return;
    const int iButton = HitTest(point);
    auto* pButton = dynamic_cast<CWTKToolbarMenuButton*>(GetButton(iButton));
    if (pButton == nullptr || dynamic_cast<CWTKToolbarSystemMenuButton*>(pButton) != nullptr)
        return;
    if (!WTKGetCommandBarSettings().bRecentlyUsedMenus || s_bShowAllCommands ||
        !WTKGetCommandUsageCounter().HasEnoughStatistics() || IsCustomizeMode())
        return;
    // Open the menu again with all its items.
    SetShowAllCommands(TRUE);
    pButton->OnCancelMode();
    if (pButton->OnClick(this, FALSE)) {
        m_iDroppedDown = iButton;
        m_iHighlighted = iButton;
        InvalidateButton(iButton);
    }
}

// ---- Tooltips ----

INT_PTR CWTKMenuBar::OnToolHitTest(CPoint point, TTTOOLINFOA* pTI) const
{
    // The menu titles show no tooltips.
    const int iButton = const_cast<CWTKMenuBar*>(this)->HitTest(point);
    if (dynamic_cast<const CWTKToolbarMenuButton*>(GetButton(iButton)) != nullptr)
        return -1;
    return CWTKToolBar::OnToolHitTest(point, pTI);
}

BOOL CWTKMenuBar::GetButtonTooltip(CWTKToolbarButton* pButton)
{
    if (pButton == nullptr)
        return FALSE;
    CString strText;
    if (FindMenuText(m_hMenu, pButton->m_nID, strText)) {
        pButton->m_strText = strText;
        return TRUE;
    }
    return CWTKToolBar::GetButtonTooltip(pButton);
}
