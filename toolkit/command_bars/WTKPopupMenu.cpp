#include "command_bars/WTKPopupMenu.h"

#include "command_bars/WTKCommandManager.h"
#include "command_bars/WTKMenuAnimationOff.h"
#include "command_bars/WTKMenuBar.h"
#include "command_bars/WTKMenuSoundPlayer.h"
#include "command_bars/WTKPopupMenuBar.h"
#include "command_bars/WTKPopupMenuDialogHost.h"
#include "command_bars/WTKPopupMenuHost.h"
#include "command_bars/WTKShowAllButton.h"
#include "command_bars/WTKToolBar.h"
#include "command_bars/WTKToolbarMenuButton.h"
#include "command_bars/WTKToolbarSnapshotStore.h"
#include "command_bars/WTKTornOffBarFrame.h"
#include "command_bars/res/WTKCommandBarsRes.h"

#include "foundation/WTKGlobalData.h"
#include "foundation/WTKMenuGlyphs.h"
#include "foundation/WTKPaintTools.h"
#include "foundation/WTKPopupOwnerSource.h"
#include "foundation/WTKUserToolsManagerBase.h"
#include "foundation/WTKVisualManager.h"
#include "foundation/WTKWorkArea.h"

#include "docview/BarStyles.h"
#include "gdi/DC.h"
#include "win/CmdUI.h"
#include "win/PaintDC.h"
#include "win/TickClock.h"
#include "win/WindowDC.h"
#include "win/WndLifeGuard.h"

#include <algorithm>
#include <commctrl.h>

IMPLEMENT_SERIAL(CWTKPopupMenu, CMiniFrameWnd, VERSIONABLE_SCHEMA | 1)

BEGIN_MESSAGE_MAP(CWTKPopupMenu, CMiniFrameWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_MOUSEACTIVATE()
    ON_WM_DESTROY()
    ON_WM_KEYDOWN()
    ON_WM_TIMER()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_ACTIVATEAPP()
END_MESSAGE_MAP()

namespace {

constexpr int kBorder = 2;  // the menu border inside the window
constexpr int kScrollButtonExtra = 4;
constexpr int kShadowLightPercent = 100;
constexpr int kShadowDarkPercent = 65;
constexpr int kPositionOffset = 5;  // from the owner's client origin when no point is given
constexpr int kFullPercent = 100;
constexpr int kFadeStepPercent = 10;
constexpr int kSubMenuRowExtra = 4;
constexpr int kTearOffInset = 2;
constexpr int kTearOffBottom = 12;
constexpr int kTooltipNoWidth = -1;
constexpr int kLowColorBits = 8;
constexpr char kRecentFilePlaceholder[] = "Recent File";
constexpr UINT kRecentFileLastId = 0xE11F;
constexpr UINT kLastOwnId = 0xFEFF;
constexpr UINT kWindowListFirstId = 0xE210;
constexpr UINT kWindowListLastId = 0xE21F;

// The dialog or page that a popup opened from (through its controls), or null: the window the
// popup was created for and its ancestors up to the first top-level window. The popup's own
// parent will not do: for a control of a property page, Windows makes the sheet the parent.
CWTKPopupMenuDialogHost* FindDialogHost(HWND hWndStart)
{
    HWND hWnd = hWndStart != nullptr && ::IsWindow(hWndStart) ? hWndStart : nullptr;
    while (hWnd != nullptr) {
        if (auto* pHost = dynamic_cast<CWTKPopupMenuDialogHost*>(CWnd::FromHandlePermanent(hWnd)))
            return pHost;
        if (!(::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD))
            return nullptr;
        hWnd = ::GetParent(hWnd);
    }
    return nullptr;
}

CWTKPopupMenu*& ActiveMenuSlot()
{
    static CWTKPopupMenu* pMenu = nullptr;
    return pMenu;
}

CWTKPopupMenu*& TrackedMenuSlot()
{
    static CWTKPopupMenu* pMenu = nullptr;
    return pMenu;
}

int& LiveCount()
{
    static int n = 0;
    return n;
}

// A screen of 256 colours or fewer: no shadows and no fading.
BOOL IsLowColorScreen()
{
    const WTKGlobalData& g = WTKGetGlobalData();
    return g.nBitsPerPixel > 0 && g.nBitsPerPixel <= kLowColorBits;
}

CWTKPopupMenu::WorkAreaSource& WorkAreaSlot()
{
    static CWTKPopupMenu::WorkAreaSource pfn = WTKWorkAreaNear;
    return pfn;
}

BOOL IsRtl(HWND hWnd)
{
    return hWnd != nullptr && (::GetWindowLongA(hWnd, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0;
}

// A 32-bit top-down DIB section; null pixels on failure.
COLORREF* MakeDib(CBitmap& bmp, int cx, int cy)
{
    bmp.DeleteObject();
    if (cx <= 0 || cy <= 0)
        return nullptr;
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bi.bmiHeader.biWidth = cx;
    bi.bmiHeader.biHeight = -cy;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* pBits = nullptr;
    HBITMAP hBmp = ::CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    if (hBmp == nullptr)
        return nullptr;
    bmp.Attach(hBmp);
    return static_cast<COLORREF*>(pBits);
}

// Copies the screen rectangle into a new bitmap.
BOOL CaptureScreen(CBitmap& bmp, const CRect& rectScreen)
{
    bmp.DeleteObject();
    if (rectScreen.IsRectEmpty())
        return FALSE;
    if (MakeDib(bmp, rectScreen.Width(), rectScreen.Height()) == nullptr)
        return FALSE;
    HDC hScreen = ::GetDC(nullptr);
    HDC hMem = ::CreateCompatibleDC(hScreen);
    HGDIOBJ hOld = ::SelectObject(hMem, bmp.GetSafeHandle());
    ::BitBlt(hMem, 0, 0, rectScreen.Width(), rectScreen.Height(), hScreen, rectScreen.left, rectScreen.top, SRCCOPY);
    ::SelectObject(hMem, hOld);
    ::DeleteDC(hMem);
    ::ReleaseDC(nullptr, hScreen);
    return TRUE;
}

void DrawBitmapAt(CDC* pDC, CBitmap& bmp, int x, int y)
{
    if (bmp.GetSafeHandle() == nullptr)
        return;
    BITMAP bm = {};
    ::GetObjectA(bmp.GetSafeHandle(), sizeof(bm), &bm);
    HDC hMem = ::CreateCompatibleDC(pDC->GetSafeHdc());
    HGDIOBJ hOld = ::SelectObject(hMem, bmp.GetSafeHandle());
    ::BitBlt(pDC->GetSafeHdc(), x, y, bm.bmWidth, bm.bmHeight, hMem, 0, 0, SRCCOPY);
    ::SelectObject(hMem, hOld);
    ::DeleteDC(hMem);
}

}  // namespace

// ---- Statics and seams ----

CWTKPopupMenu* CWTKPopupMenu::GetActiveMenu()
{
    return ActiveMenuSlot();
}

void CWTKPopupMenu::SetActiveMenu(CWTKPopupMenu* pMenu)
{
    ActiveMenuSlot() = pMenu;
}

CWTKPopupMenu* CWTKPopupMenu::GetTrackedMenu()
{
    return TrackedMenuSlot();
}

void CWTKPopupMenu::SetTrackedMenu(CWTKPopupMenu* pMenu)
{
    TrackedMenuSlot() = pMenu;
}

int CWTKPopupMenu::GetLiveCount()
{
    return LiveCount();
}

void CWTKPopupMenu::SetWorkAreaSource(WorkAreaSource pfnSource)
{
    WorkAreaSlot() = pfnSource ? pfnSource : WTKWorkAreaNear;
}

CRect CWTKPopupMenu::GetWorkArea(POINT ptScreen)
{
    return WorkAreaSlot()(ptScreen);
}

// ---- Construction ----

CWTKPopupMenu::CWTKPopupMenu() : CWTKPopupMenu(nullptr, nullptr) {}

CWTKPopupMenu::CWTKPopupMenu(CWnd* pOwnerPage, LPCSTR lpszTitle)
    : m_pMenuBar(std::make_unique<CWTKPopupMenuBar>()),
      m_pOwnerPage(pOwnerPage),
      m_strCaption(lpszTitle ? lpszTitle : "")
{
    LiveCount()++;
    CWTKMenuGlyphs::Initialize();
    const BOOL bLowColor = IsLowColorScreen();
    m_animation = GetEffectiveAnimation();
    m_iShadowSize = (WTKGetCommandBarSettings().bMenuShadows && !CWTKToolBar::IsCustomizeMode() && !bLowColor)
        ? CWTKVisualManager::GetInstance()->m_nMenuShadowDepth
        : 0;
    m_bAnimationIsDone = m_animation == WTKMenuAnimation::None;
}

WTKMenuAnimation CWTKPopupMenu::GetEffectiveAnimation()
{
    const WTKMenuAnimation animation = WTKGetCommandBarSettings().menuAnimation;
    if (CWTKMenuAnimationOff::IsActive() || (animation == WTKMenuAnimation::Fade && IsLowColorScreen()))
        return WTKMenuAnimation::None;
    return animation;
}

CWTKPopupMenu::~CWTKPopupMenu()
{
    if (ActiveMenuSlot() == this)
        ActiveMenuSlot() = nullptr;
    if (TrackedMenuSlot() == this)
        TrackedMenuSlot() = nullptr;
    if (m_hMenu != nullptr && !m_bKeepMenu && ::IsMenu(m_hMenu))
        ::DestroyMenu(m_hMenu);
    m_hMenu = nullptr;
    LiveCount()--;
}

void CWTKPopupMenu::PostNcDestroy()
{
    if (m_bOpening)
        return;
    // A button that opened a new popup meanwhile keeps it.
    if (m_pParentBtn != nullptr && m_pParentBtn->GetPopupMenu() == nullptr)
        m_pParentBtn->OnCancelMode();
    CMiniFrameWnd::PostNcDestroy();  // deletes the object
}

CWTKPopupMenuBar* CWTKPopupMenu::GetMenuBar()
{
    return m_pMenuBar.get();
}

CWTKToolbarMenuButton* CWTKPopupMenu::GetMenuItem(int iIndex) const
{
    return dynamic_cast<CWTKToolbarMenuButton*>(m_pMenuBar->GetButton(iIndex));
}

CWTKPopupMenuHost* CWTKPopupMenu::GetHost() const
{
    CFrameWnd* pFrame = CWTKPopupOwnerSource::Get().GetPopupOwnerFrame();
    if (pFrame == nullptr && m_hWnd != nullptr) {
        // The frame above the popup chain (popups are frames themselves).
        HWND hWnd = ::GetParent(m_hWnd);
        CWnd* pWnd = hWnd ? CWnd::FromHandlePermanent(hWnd) : nullptr;
        pFrame = pWnd ? pWnd->GetTopLevelFrame() : nullptr;
    }
    return dynamic_cast<CWTKPopupMenuHost*>(pFrame);
}

// ---- Creation ----

CWTKPopupMenu* CWTKPopupMenu::OpenWindow(std::unique_ptr<CWTKPopupMenu> pPopup, CWnd* pWndOwner, int x, int y,
                                         HMENU hMenu, BOOL bLocked, BOOL bOwnMessage)
{
    if (pPopup == nullptr)
        return nullptr;
    pPopup->m_bOpening = TRUE;
    const BOOL bCreated = pPopup->Create(pWndOwner, x, y, hMenu, bLocked, bOwnMessage);
    pPopup->m_bOpening = FALSE;
    // A window that failed, or went while it was being made, leaves the object here to delete.
    if (!bCreated || pPopup->GetSafeHwnd() == nullptr)
        return nullptr;
    return pPopup.release();
}

BOOL CWTKPopupMenu::Create(CWnd* pWndOwner, int x, int y, HMENU hMenu, BOOL bLocked, BOOL bOwnMessage)
{
    CWTKMenuSoundPlayer::Play(CWTKMenuSoundPlayer::kPopupSound);
    // The popup owns the menu from here on, also when the creation fails.
    m_hMenu = hMenu;

    LPCSTR lpszClass =
        RegisterWndClass(CS_SAVEBITS, ::LoadCursorA(nullptr, IDC_ARROW), reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    if (lpszClass == nullptr)
        return FALSE;

    if (x != -1 || y != -1) {
        m_ptLocation = CPoint(x, y);
    } else if (pWndOwner != nullptr && pWndOwner->GetSafeHwnd() != nullptr) {
        POINT pt = {0, 0};
        ::ClientToScreen(pWndOwner->GetSafeHwnd(), &pt);
        m_ptLocation = CPoint(pt.x + kPositionOffset, pt.y + kPositionOffset);
    } else {
        m_ptLocation = CPoint(0, 0);
    }
    m_ptLocationInitial = m_ptLocation;

    CWTKPopupMenu* pParentPopup = GetParentPopupMenu();
    if (bOwnMessage)
        m_pMessageWnd = pWndOwner;
    else if (pParentPopup != nullptr)
        m_pMessageWnd = pParentPopup->m_pMessageWnd;
    if (pParentPopup != nullptr)
        m_bTrackMode = pParentPopup->m_bTrackMode;

    DWORD dwStyle = WS_POPUP;
    if (m_pOwnerPage != nullptr)
        dwStyle |= WS_CAPTION | WS_SYSMENU;
    HWND hWndOwner = pWndOwner ? pWndOwner->GetSafeHwnd() : nullptr;
    m_hWndCreator = hWndOwner;
    const DWORD dwExStyle = IsRtl(hWndOwner) ? WS_EX_LAYOUTRTL : 0;
    CWnd* pParent = pWndOwner;
    if (pWndOwner != nullptr && pWndOwner->GetParent() != nullptr)
        pParent = pWndOwner->GetParent();
    const CRect rect(m_ptLocation, CSize(0, 0));
    if (!CreateEx(dwExStyle, lpszClass, m_strCaption, dwStyle, rect, pParent, 0))
        return FALSE;

    if (m_bRightAlign) {
        m_ptLocation.x = m_ptLocation.x - m_FinalSize.cx + 1;
        RecalcLayout();
    }
    m_pMenuBar->SetLocked(bLocked);

    const BOOL bCustomize = CWTKToolBar::IsCustomizeMode();
    if (m_animation != WTKMenuAnimation::None && !bCustomize) {
        m_bAnimationIsDone = FALSE;
        m_AnimSize = m_FinalSize + CSize(m_iShadowSize, m_iShadowSize);
        if (m_animation == WTKMenuAnimation::Unfold)
            m_AnimSize = CSize(m_pMenuBar->GetColumnWidth(), m_pMenuBar->GetRowHeight());
        else if (m_animation == WTKMenuAnimation::Slide)
            m_AnimSize = CSize(m_AnimSize.cx, m_pMenuBar->GetRowHeight());
        m_iFadePercent = 0;
        m_pMenuBar->ShowWindow(SW_HIDE);
        SetTimer(kAnimationTimerId, kAnimationStepMs, nullptr);
        m_dwLastAnimTick = FwGetTickCount();
    } else {
        m_bAnimationIsDone = TRUE;
    }

    CheckShadow();
    if (m_iShadowSize == 0 && m_animation == WTKMenuAnimation::Fade)
        m_AnimSize = m_FinalSize;

    // The screen under the shadow strips, for drawing them.
    if (m_iShadowSize > 0) {
        CRect rectWindow;
        GetWindowRect(rectWindow);
        CaptureScreen(m_bmpShadowRight,
                      CRect(rectWindow.right - m_iShadowSize, rectWindow.top, rectWindow.right, rectWindow.bottom));
        CaptureScreen(m_bmpShadowBottom,
                      CRect(rectWindow.left, rectWindow.bottom - m_iShadowSize, rectWindow.right, rectWindow.bottom));
    }
    ::SetWindowPos(m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    if (bCustomize)
        m_pMenuBar->RedrawWindow();
    return TRUE;
}

int CWTKPopupMenu::OnCreate(LPCREATESTRUCTA lpCreateStruct)
{
    if (CMiniFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    const BOOL bAnimates = m_animation != WTKMenuAnimation::None && !CWTKToolBar::IsCustomizeMode();
    DWORD dwStyle = WS_CHILD | CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM | CBRS_HIDE_INPLACE | CBRS_TOOLTIPS | CBRS_FLYBY;
    if (!bAnimates)
        dwStyle |= WS_VISIBLE;
    m_pMenuBar->SetTrackMode(m_bTrackMode);
    CWTKPopupMenu* pParentPopup = GetParentPopupMenu();
    const int iMaxWidth = pParentPopup != nullptr ? pParentPopup->GetMaxWidth() : m_iMaxWidth;
    m_iMaxWidth = iMaxWidth;
    m_pMenuBar->SetMaxWidth(iMaxWidth);
    if (!m_pMenuBar->CreateEx(this, CWTKToolBar::kFlatStyle, dwStyle, CRect(1, 1, 1, 1), kItemBarId))
        return -1;
    // Toolbars start with a gripper; the menu's items have none.
    m_pMenuBar->SetBarStyle(m_pMenuBar->GetBarStyle() & ~CBRS_GRIPPER);
    m_pMenuBar->SetOwner(GetParent());
    if (!InitMenuBar())
        return -1;
    return 0;
}

BOOL CWTKPopupMenu::InitMenuBar()
{
    const BOOL bCustomize = CWTKToolBar::IsCustomizeMode();
    if (m_hMenu != nullptr) {
        CWTKToolbarSnapshotStore& snapshots = WTKGetToolbarSnapshotStore();
        // A context menu with a snapshot shows the items kept for it.
        if (m_pParentBtn != nullptr || !snapshots.Restore(m_hMenu, m_pMenuBar.get())) {
            if (!m_pMenuBar->ImportFromMenu(m_hMenu, m_pParentBtn == nullptr))
                return FALSE;
        }
    }
    if (!bCustomize) {
        RemoveRecentFilePlaceholder();
        ReplaceUserTools();
    }

    CFrameWnd* pTarget = dynamic_cast<CFrameWnd*>(m_pMenuBar->GetCommandTarget());
    if (pTarget == nullptr)
        pTarget = GetParentFrame();
    if (pTarget != nullptr)
        m_pMenuBar->OnUpdateCmdUI(pTarget, FALSE);

    CFrameWnd* pFrame = CWTKPopupOwnerSource::Get().GetPopupOwnerFrame();
    if (pFrame == nullptr)
        pFrame = GetTopLevelFrame();
    if (!ActivatePopupMenu(pFrame, this))
        return FALSE;
    RecalcLayout();
    return TRUE;
}

void CWTKPopupMenu::RemoveRecentFilePlaceholder()
{
    const int iPlace = m_pMenuBar->CommandToIndex(kRecentFileFirstId);
    if (iPlace < 0 || m_pMenuBar->GetButtonText(iPlace) != kRecentFilePlaceholder)
        return;
    // The application keeps no recent-file list, so nothing takes the placeholder's place; the
    // removal also drops one of the two separators that would meet.
    m_pMenuBar->RemoveButton(iPlace);
}

void CWTKPopupMenu::ReplaceUserTools()
{
    CWTKUserToolsManagerBase* pTools = WTKGetUserToolsManager();
    if (pTools == nullptr || pTools->GetToolsEntryCmd() == 0)
        return;
    const int iPlace = m_pMenuBar->CommandToIndex(pTools->GetToolsEntryCmd());
    if (iPlace < 0)
        return;
    int iInsert = iPlace + 1;
    // The tools stand apart from the items before them.
    if (iPlace > 0 && !m_pMenuBar->GetButton(iPlace - 1)->IsSeparator() && pTools->GetToolCount() > 0) {
        if (m_pMenuBar->InsertSeparator(iInsert) >= 0)
            iInsert++;
    }
    const int iFirstTool = iInsert;
    for (int i = 0; i < pTools->GetToolCount(); i++) {
        UINT uiCmd = 0;
        CString strLabel;
        if (!pTools->GetToolAt(i, uiCmd, strLabel))
            continue;
        const int iImage = WTKGetCmdMgr()->GetCmdImage(uiCmd, FALSE);
        CWTKToolbarMenuButton item(uiCmd, nullptr, iImage, strLabel);
        item.m_bText = TRUE;
        if (m_pMenuBar->InsertButton(item, iInsert) >= 0)
            iInsert++;
    }
    // ... and from the items after them.
    if (iInsert > iFirstTool && iInsert < m_pMenuBar->GetCount() && !m_pMenuBar->GetButton(iInsert)->IsSeparator())
        m_pMenuBar->InsertSeparator(iInsert);
    // Removing the placeholder drops a separator that would then repeat.
    m_pMenuBar->RemoveButton(iPlace);
}

BOOL CWTKPopupMenu::ActivatePopupMenu(CFrameWnd* pTopFrame, CWTKPopupMenu* pPopupMenu)
{
    if (pPopupMenu == nullptr)
        return FALSE;
    if (CWTKPopupMenuDialogHost* pDialog = FindDialogHost(pPopupMenu->m_hWndCreator))
        pDialog->SetActivePopup(pPopupMenu);
    if (auto* pHost = dynamic_cast<CWTKPopupMenuHost*>(pTopFrame)) {
        if (!pHost->ShowPopupMenu(pPopupMenu)) {
            if (!pPopupMenu->m_bIsClosing && pPopupMenu->GetSafeHwnd() != nullptr)
                pPopupMenu->CloseMenu(FALSE);
            return FALSE;
        }
    } else {
        SetActiveMenu(pPopupMenu);
    }
    CWTKPopupMenuBar* pBar = pPopupMenu->GetMenuBar();
    if (pPopupMenu->m_pParentBtn != nullptr && pBar != nullptr && !pBar->AreAllCommandsShown()) {
        const int nCount = pBar->GetCount();
        CWTKToolbarButton* pLast = nCount > 0 ? pBar->GetButton(nCount - 1) : nullptr;
        if (dynamic_cast<CWTKShowAllButton*>(pLast) == nullptr)
            pBar->InsertButton(CWTKShowAllButton());
    }
    if (pPopupMenu->m_bTrackMode)
        SetTrackedMenu(pPopupMenu);
    return TRUE;
}

// ---- Placement ----

void CWTKPopupMenu::RecalcLayout(BOOL /*bNotify*/)
{
    // In customise mode the item bar's own re-layout asks its frame, this popup, again.
    if (m_hWnd == nullptr || m_pMenuBar->GetSafeHwnd() == nullptr || m_bInRecalcLayout)
        return;
    m_bInRecalcLayout = TRUE;
    RecalcPopupLayout();
    m_bInRecalcLayout = FALSE;
}

void CWTKPopupMenu::RecalcPopupLayout()
{
    const BOOL bCustomize = CWTKToolBar::IsCustomizeMode();
    const BOOL bRtl = IsRtl(m_hWnd);
    const CRect rectWork = GetWorkArea(m_ptLocation);
    m_ptLocation.x = std::max<int>(rectWork.left, std::min<int>(m_ptLocation.x, rectWork.right));
    m_ptLocation.y = std::max<int>(rectWork.top, std::min<int>(m_ptLocation.y, rectWork.bottom));

    CSize size = m_pMenuBar->CalcSize(FALSE);
    size.cx += 2 * kBorder;
    size.cy += 2 * kBorder;
    if (m_nLogoLocation == kLogoLeft || m_nLogoLocation == kLogoRight)
        size.cx += m_iLogoWidth;
    else
        size.cy += m_iLogoWidth;

    m_rectTearOffCaption.SetRectEmpty();
    if (m_pOwnerPage != nullptr) {
        size.cy += ::GetSystemMetrics(SM_CYSMCAPTION) + 2 * ::GetSystemMetrics(SM_CYBORDER) + 5;
    } else if (m_pParentBtn != nullptr && m_pParentBtn->GetTearOffID() != 0 && !bCustomize) {
        m_rectTearOffCaption = CRect(kTearOffInset, kTearOffInset, size.cx - kTearOffInset, kTearOffBottom);
        size.cy += kTearOffStripHeight;
        if (m_hwndTearOffTip == nullptr) {
            m_hwndTearOffTip = ::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0,
                                                 0, 0, 0, m_hWnd, nullptr, nullptr, nullptr);
            if (m_hwndTearOffTip != nullptr) {
                CString strTip;
                strTip.LoadString(IDS_WTK_TEAR_OFF);
                TTTOOLINFOA ti = {};
                ti.cbSize = sizeof(ti);
                ti.uFlags = TTF_SUBCLASS;
                ti.hwnd = m_hWnd;
                ti.uId = 1;
                ti.rect = m_rectTearOffCaption;
                ti.lpszText = const_cast<LPSTR>(static_cast<LPCSTR>(strTip));
                ::SendMessageA(m_hwndTearOffTip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
                ::SendMessageA(m_hwndTearOffTip, TTM_ACTIVATE, TRUE, 0);
            }
        }
    }

    CWTKPopupMenu* pParentPopup = GetParentPopupMenu();
    CWTKToolBar* pParentBar = GetParentToolBar();
    int x = m_ptLocation.x;
    int y = m_ptLocation.y;

    // Horizontal fit.
    if ((m_bRightAlign && x < rectWork.left) || (!m_bRightAlign && !bRtl && x + size.cx > rectWork.right)) {
        if (pParentPopup != nullptr && pParentPopup->GetSafeHwnd() != nullptr) {
            CRect rectParent;
            pParentPopup->GetWindowRect(rectParent);
            x = bRtl ? rectParent.right + size.cx : rectParent.left - size.cx;
            m_DropDirection = kDropLeft;
        } else if (pParentBar == nullptr || pParentBar->GetSafeHwnd() == nullptr ||
                   (pParentBar->GetBarStyle() & CBRS_ORIENT_HORZ) != 0) {
            if (m_bRightAlign)
                x = rectWork.left + 1;
            else if (bRtl)
                x = rectWork.left + size.cx + 1;
            else
                x = rectWork.right - size.cx - 1;
            m_DropDirection = kDropNone;
        } else {
            CRect rectBar;
            pParentBar->GetWindowRect(rectBar);
            x = rectBar.left - size.cx;
            m_DropDirection = bRtl ? kDropRight : kDropLeft;
        }
        if ((!bRtl && x < rectWork.left) || (bRtl && x > rectWork.right)) {
            x = bRtl ? rectWork.right : rectWork.left;
            m_DropDirection = kDropNone;
        }
        if (m_animation == WTKMenuAnimation::Unfold)
            m_bAnimateFromLeft = FALSE;
        else if (m_animation == WTKMenuAnimation::Fade)
            m_bAnimateFromLeft = m_bAnimateFromTop = FALSE;
    }

    // Vertical fit.
    m_bScrollable = FALSE;
    if (y + size.cy > rectWork.bottom) {
        m_bAnimateFromTop = FALSE;
        if (m_pParentBtn != nullptr && pParentBar != nullptr && pParentPopup == nullptr &&
            pParentBar->GetSafeHwnd() != nullptr) {
            CRect rectButton = m_pParentBtn->GetRect();
            pParentBar->ClientToScreen(rectButton);
            const int yAbove = rectButton.top - size.cy;
            if (yAbove >= rectWork.top) {
                y = yAbove;
                m_DropDirection = kDropAbove;
            } else {
                // Taller than the room on either side: the larger side, scrolled.
                const int nRoomBelow = rectWork.bottom - rectButton.top;
                const int nRoomAbove = rectButton.top - rectWork.top;
                if (nRoomBelow < nRoomAbove) {
                    y = rectWork.top;
                    size.cy = nRoomAbove;
                    m_DropDirection = kDropNone;
                } else {
                    size.cy = rectWork.bottom - y;
                    m_bAnimateFromTop = TRUE;
                }
                m_bScrollable = TRUE;
            }
        } else if (pParentPopup != nullptr) {
            y = y - size.cy + pParentPopup->GetMenuBar()->GetRowHeight() + kSubMenuRowExtra;
        } else {
            y = y - size.cy;
        }
        if (y < rectWork.top) {
            y = rectWork.top;
            m_DropDirection = kDropNone;
        }
        if (y + size.cy > rectWork.bottom) {
            size.cy = rectWork.bottom - y;
            m_bScrollable = TRUE;
        }
    }

    m_FinalSize = size;
    m_ptLocation = CPoint(x, y);
    CSize sizeWindow = size;
    if ((m_animation != WTKMenuAnimation::None || m_bAnimationIsDone) && !bCustomize)
        sizeWindow += CSize(m_iShadowSize, m_iShadowSize);
    const UINT nFlags = SWP_NOZORDER | SWP_NOACTIVATE | (m_pOwnerPage != nullptr ? SWP_NOMOVE : 0);
    SetWindowPos(nullptr, bRtl ? x - size.cx : x, y, sizeWindow.cx, sizeWindow.cy, nFlags);
    m_iScrollBtnHeight = CWTKMenuGlyphs::GetSize().cy + kScrollButtonExtra;
    PlaceItemBar();
    if (bCustomize)
        m_pMenuBar->AdjustLayout();

    if (m_iShadowSize > 0 && m_pParentBtn != nullptr && pParentBar != nullptr && pParentBar->GetSafeHwnd() != nullptr) {
        // The part of the button the shadow may have covered.
        CRect rectButton = m_pParentBtn->GetRect();
        rectButton.InflateRect(m_iShadowSize, m_iShadowSize);
        pParentBar->RedrawWindow(rectButton, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
    }
}

void CWTKPopupMenu::PlaceItemBar()
{
    if (m_pMenuBar->GetSafeHwnd() == nullptr)
        return;
    CRect rect(CPoint(0, 0), m_FinalSize);
    rect.DeflateRect(kBorder, kBorder);
    switch (m_nLogoLocation) {
    case kLogoLeft:
        rect.left += m_iLogoWidth;
        break;
    case kLogoRight:
        rect.right -= m_iLogoWidth;
        break;
    case kLogoTop:
        rect.top += m_iLogoWidth;
        break;
    default:
        rect.bottom -= m_iLogoWidth;
        break;
    }
    if (!m_rectTearOffCaption.IsRectEmpty())
        rect.top = m_rectTearOffCaption.bottom;
    m_rectScrollUp.SetRectEmpty();
    m_rectScrollDn.SetRectEmpty();
    if (m_bScrollable) {
        m_rectScrollUp = CRect(rect.left, rect.top, rect.right, rect.top + m_iScrollBtnHeight);
        m_rectScrollDn = CRect(rect.left, rect.bottom - m_iScrollBtnHeight, rect.right, rect.bottom);
        if (IsScrollUpAvailable())
            rect.top = m_rectScrollUp.bottom;
        else
            m_rectScrollUp.SetRectEmpty();
        // The down button shows while items lie below the visible part.
        const int nRowHeight = std::max(1, m_pMenuBar->GetRowHeight());
        const int nRows = m_pMenuBar->GetCount();
        const int nVisibleRows = (rect.Height() - m_iScrollBtnHeight) / nRowHeight;
        if (m_pMenuBar->GetOffset() + nVisibleRows < nRows)
            rect.bottom = m_rectScrollDn.top;
        else
            m_rectScrollDn.SetRectEmpty();
    }
    m_pMenuBar->SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CWTKPopupMenu::IsScrollUpAvailable() const
{
    return m_bScrollable && m_pMenuBar->GetOffset() > 0;
}

BOOL CWTKPopupMenu::IsScrollDownAvailable() const
{
    return m_bScrollable && !m_rectScrollDn.IsRectEmpty();
}

void CWTKPopupMenu::CheckShadow()
{
    if (m_iShadowSize <= 0 || m_hWnd == nullptr)
        return;
    CWnd* pTop = GetTopLevelParent();
    HWND hWndTop = ::GetWindow(m_hWnd, GW_OWNER);
    while (hWndTop != nullptr && ::GetWindow(hWndTop, GW_OWNER) != nullptr)
        hWndTop = ::GetWindow(hWndTop, GW_OWNER);
    if (hWndTop == nullptr && pTop != nullptr)
        hWndTop = pTop->GetSafeHwnd();
    CRect rectWindow;
    GetWindowRect(rectWindow);
    CRect rectTop(0, 0, 0, 0);
    if (hWndTop != nullptr && hWndTop != m_hWnd)
        ::GetWindowRect(hWndTop, rectTop);
    CRect rectUnion;
    rectUnion.UnionRect(rectTop, rectWindow);
    if (hWndTop == nullptr || hWndTop == m_hWnd || rectUnion != rectTop) {
        // Outside the frame the screen under the shadow would go stale.
        SetWindowPos(nullptr, 0, 0, rectWindow.Width() - m_iShadowSize, rectWindow.Height() - m_iShadowSize,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        m_iShadowSize = 0;
    } else {
        ::UpdateWindow(hWndTop);
    }
}

void CWTKPopupMenu::DropShadowImages()
{
    m_bmpShadowRight.DeleteObject();
    m_bmpShadowBottom.DeleteObject();
}

// ---- Painting and animation ----

void CWTKPopupMenu::OnPaint()
{
    CPaintDC dc(this);
    if (!m_bAnimationIsDone && !CWTKToolBar::IsCustomizeMode()) {
        DrawAnimationFrame(&dc);
        return;
    }
    CRect rectClient;
    GetClientRect(rectClient);
    DrawFinished(&dc, rectClient);
}

void CWTKPopupMenu::DrawFinished(CDC* pDC, const CRect& rectClient)
{
    CWTKVisualManager* pLook = CWTKVisualManager::GetInstance();
    const BOOL bRtl = IsRtl(m_hWnd);
    CRect rect = rectClient;
    if (m_iShadowSize > 0 && !CWTKToolBar::IsCustomizeMode()) {
        // The saved screen under the strips, then the shadow over it.
        DrawBitmapAt(pDC, m_bmpShadowRight, bRtl ? 0 : rect.right - m_iShadowSize, rect.top);
        DrawBitmapAt(pDC, m_bmpShadowBottom, rect.left, rect.bottom - m_iShadowSize);
        rect.right -= m_iShadowSize;
        rect.bottom -= m_iShadowSize;
        CWTKPaintTools tools(pDC);
        tools.DrawShadow(rect, m_iShadowSize, kShadowLightPercent, kShadowDarkPercent, nullptr, nullptr, !bRtl);
    }
    pLook->OnDrawMenuBorder(pDC, this, rect);
    rect.DeflateRect(kBorder, kBorder);
    if (m_iLogoWidth > 0) {
        CRect rectLogo = rect;
        switch (m_nLogoLocation) {
        case kLogoLeft:
            rectLogo.right = rectLogo.left + m_iLogoWidth + 2;
            break;
        case kLogoRight:
            rectLogo.left = rectLogo.right - m_iLogoWidth - 2;
            break;
        case kLogoTop:
            rectLogo.bottom = rectLogo.top + m_iLogoWidth + 2;
            break;
        default:
            rectLogo.top = rectLogo.bottom - m_iLogoWidth - 2;
            break;
        }
        if (CWTKPopupMenuHost* pHost = GetHost())
            pHost->OnDrawMenuLogo(pDC, this, rectLogo);
    }
    if (!m_rectTearOffCaption.IsRectEmpty())
        pLook->OnDrawTearOffCaption(pDC, m_rectTearOffCaption, m_bTearOffHighlighted);
    if (!m_rectScrollUp.IsRectEmpty())
        DrawScrollButton(pDC, m_rectScrollUp, CWTKMenuGlyphs::kArrowUp, m_iScrollMode < 0);
    if (!m_rectScrollDn.IsRectEmpty())
        DrawScrollButton(pDC, m_rectScrollDn, CWTKMenuGlyphs::kArrowDown, m_iScrollMode > 0);
}

void CWTKPopupMenu::DrawScrollButton(CDC* pDC, const CRect& rect, int nGlyph, BOOL bActive)
{
    pDC->FillRect(rect, &WTKGetGlobalData().brBarFace);
    const CSize sizeGlyph = CWTKMenuGlyphs::GetSize();
    CWTKMenuGlyphs::Draw(
        pDC, nGlyph,
        CPoint(rect.left + (rect.Width() - sizeGlyph.cx) / 2, rect.top + (rect.Height() - sizeGlyph.cy) / 2));
    if (bActive) {
        const WTKGlobalData& g = WTKGetGlobalData();
        pDC->Draw3dRect(rect, g.clrBarHilite, g.clrBarShadow);
    }
}

void CWTKPopupMenu::DrawAnimationFrame(CDC* pDC)
{
    const CSize sizeFull = m_FinalSize + CSize(m_iShadowSize, m_iShadowSize);
    if (m_pBitsScreen == nullptr) {
        m_pBitsScreen = MakeDib(m_bmpScreen, sizeFull.cx, sizeFull.cy);
        m_pBitsMenu = MakeDib(m_bmpMenu, sizeFull.cx, sizeFull.cy);
        m_pBitsOutput = MakeDib(m_bmpOutput, sizeFull.cx, sizeFull.cy);
        if (m_pBitsScreen == nullptr || m_pBitsMenu == nullptr || m_pBitsOutput == nullptr) {
            m_pBitsScreen = m_pBitsMenu = m_pBitsOutput = nullptr;
            return;  // no images: the frame is skipped
        }
        CRect rectWindow;
        GetWindowRect(rectWindow);
        CBitmap bmpCapture;
        if (CaptureScreen(bmpCapture, CRect(rectWindow.TopLeft(), sizeFull))) {
            CDC dcMem;
            dcMem.CreateCompatibleDC(pDC);
            CBitmap* pOld = dcMem.SelectObject(&bmpCapture);
            CDC dcScreen;
            dcScreen.CreateCompatibleDC(pDC);
            CBitmap* pOldScreen = dcScreen.SelectObject(&m_bmpScreen);
            dcScreen.BitBlt(0, 0, sizeFull.cx, sizeFull.cy, &dcMem, 0, 0, SRCCOPY);
            dcScreen.SelectObject(pOldScreen);
            dcMem.SelectObject(pOld);
        }
        std::copy(m_pBitsScreen, m_pBitsScreen + sizeFull.cx * sizeFull.cy, m_pBitsMenu);
        // The finished popup with its items, drawn over the screen copy.
        CDC dcMenu;
        dcMenu.CreateCompatibleDC(pDC);
        CBitmap* pOldMenu = dcMenu.SelectObject(&m_bmpMenu);
        DrawFinished(&dcMenu, CRect(CPoint(0, 0), sizeFull));
        CRect rectBar;
        m_pMenuBar->GetWindowRect(rectBar);
        ScreenToClient(rectBar);
        dcMenu.FillRect(rectBar, &WTKGetGlobalData().brBarFace);
        const CPoint ptOldOrg = dcMenu.SetViewportOrg(rectBar.left, rectBar.top);
        m_pMenuBar->DoPaint(&dcMenu);
        dcMenu.SetViewportOrg(ptOldOrg);
        dcMenu.SelectObject(pOldMenu);
    }
    ::GdiFlush();
    const int cx = sizeFull.cx;
    const int cy = sizeFull.cy;
    std::copy(m_pBitsScreen, m_pBitsScreen + cx * cy, m_pBitsOutput);
    if (m_animation == WTKMenuAnimation::Fade) {
        const int nPercent = std::max(0, std::min(kFullPercent, m_iFadePercent));
        for (int i = 0; i < cx * cy; i++) {
            const COLORREF s = m_pBitsScreen[i];
            const COLORREF m = m_pBitsMenu[i];
            auto blend = [&](int shift) {
                const int a = static_cast<int>((s >> shift) & 0xFF);
                const int b = static_cast<int>((m >> shift) & 0xFF);
                return static_cast<COLORREF>((a * (kFullPercent - nPercent) + b * nPercent) / kFullPercent) << shift;
            };
            m_pBitsOutput[i] = blend(0) | blend(8) | blend(16);
        }
    } else {
        const int w = std::min(cx, static_cast<int>(m_AnimSize.cx));
        const int h = std::min(cy, static_cast<int>(m_AnimSize.cy));
        for (int row = 0; row < h; row++) {
            // The shown part is the menu's top-left corner, placed at the anchored side.
            const int yDst = m_bAnimateFromTop ? row : cy - h + row;
            const int xDst = m_bAnimateFromLeft ? 0 : cx - w;
            const int ySrc = m_bAnimateFromTop ? cy - h + row - (cy - h) : cy - h + row;
            const int xSrc = m_bAnimateFromLeft ? 0 : cx - w;
            std::copy(m_pBitsMenu + ySrc * cx + xSrc, m_pBitsMenu + ySrc * cx + xSrc + w,
                      m_pBitsOutput + yDst * cx + xDst);
        }
    }
    CDC dcOut;
    dcOut.CreateCompatibleDC(pDC);
    CBitmap* pOld = dcOut.SelectObject(&m_bmpOutput);
    pDC->BitBlt(0, 0, cx, cy, &dcOut, 0, 0, SRCCOPY);
    dcOut.SelectObject(pOld);
}

void CWTKPopupMenu::StepAnimation()
{
    if (m_bAnimationIsDone)
        return;
    const DWORD dwNow = FwGetTickCount();
    const int nSteps = static_cast<int>((dwNow - m_dwLastAnimTick) / static_cast<double>(kAnimationStepMs) + 0.5);
    switch (m_animation) {
    case WTKMenuAnimation::Unfold:
        m_AnimSize.cx += nSteps * m_pMenuBar->GetColumnWidth();
        m_AnimSize.cy += nSteps * m_pMenuBar->GetRowHeight();
        break;
    case WTKMenuAnimation::Slide:
        m_AnimSize.cy += nSteps * m_pMenuBar->GetRowHeight();
        break;
    case WTKMenuAnimation::Fade:
        // By the steps that passed on the clock, not by timer messages.
        m_iFadePercent += kFadeStepPercent * nSteps;
        if (m_iFadePercent > kFullPercent)
            m_iFadePercent = kFadeDone;
        break;
    default:
        break;
    }
    const BOOL bDone = (m_animation != WTKMenuAnimation::Fade && m_AnimSize.cy - m_iShadowSize >= m_FinalSize.cy) ||
        (m_animation == WTKMenuAnimation::Unfold && m_AnimSize.cx - m_iShadowSize >= m_FinalSize.cx) ||
        (m_animation == WTKMenuAnimation::Fade && m_iFadePercent > kFullPercent) ||
        m_animation == WTKMenuAnimation::None;
    if (bDone) {
        m_AnimSize = m_FinalSize + CSize(m_iShadowSize, m_iShadowSize);
        if (m_hWnd != nullptr)
            KillTimer(kAnimationTimerId);
        m_bAnimationIsDone = TRUE;
        if (m_pMenuBar->GetSafeHwnd() != nullptr)
            m_pMenuBar->SetWindowPos(nullptr, 0, 0, 0, 0,
                                     SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        m_bmpScreen.DeleteObject();
        m_bmpMenu.DeleteObject();
        m_bmpOutput.DeleteObject();
        m_pBitsScreen = m_pBitsMenu = m_pBitsOutput = nullptr;
    }
    if (m_hWnd != nullptr)
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_ERASE);
    m_dwLastAnimTick = dwNow;
}

void CWTKPopupMenu::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == kAnimationTimerId) {
        StepAnimation();
        return;
    }
    if (nIDEvent != kScrollTimerId) {
        CMiniFrameWnd::OnTimer(nIDEvent);
        return;
    }
    if (CWTKToolbarButton* pHot = m_pMenuBar->GetHighlightedButton())
        if (pHot->IsDroppedDown())
            pHot->OnCancelMode();
    CPoint pt(0, 0);
    ::GetCursorPos(&pt);
    ScreenToClient(&pt);
    const CRect& rectActive = m_iScrollMode < 0 ? m_rectScrollUp : m_rectScrollDn;
    if (m_iScrollMode != 0 && rectActive.PtInRect(pt)) {
        m_pMenuBar->SetOffset(std::max(0, m_pMenuBar->GetOffset() + m_iScrollMode));
        PlaceItemBar();
        m_pMenuBar->AdjustLayout();
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
        return;
    }
    KillTimer(kScrollTimerId);
    m_iScrollMode = 0;
    InvalidateRect(m_rectScrollUp);
    InvalidateRect(m_rectScrollDn);
}

void CWTKPopupMenu::OnSize(UINT nType, int cx, int cy)
{
    CMiniFrameWnd::OnSize(nType, cx, cy);
    if (m_pMenuBar->GetSafeHwnd() != nullptr)
        m_pMenuBar->AdjustLayout();
    if (m_iLogoWidth > 0)
        Invalidate();
}

int CWTKPopupMenu::OnMouseActivate(CWnd* /*pDesktopWnd*/, UINT /*nHitTest*/, UINT /*message*/)
{
    return MA_NOACTIVATE;
}

// ---- Keyboard and mouse ----

void CWTKPopupMenu::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    const BOOL bCustomize = CWTKToolBar::IsCustomizeMode();
    CWTKPopupMenu* pParentPopup = GetParentPopupMenu();
    CWTKToolBar* pParentBar = GetParentToolBar();
    switch (nChar) {
    case VK_ESCAPE:
        CloseMenu(TRUE);
        return;
    case VK_LEFT:
        if (pParentBar != nullptr) {
            pParentBar->PrevMenu();
        } else if (pParentPopup != nullptr && m_pParentBtn != nullptr && m_pParentBtn->IsDroppedDown()) {
            m_pParentBtn->SetPopupMenu(nullptr);
            CloseMenu(FALSE);
        }
        return;
    case VK_RIGHT: {
        const CWTKMenuAnimationOff animationOff;
        auto* pHot = dynamic_cast<CWTKToolbarMenuButton*>(m_pMenuBar->GetHighlightedButton());
        if (pHot != nullptr && pHot->HasMenu() && !pHot->IsDroppedDown() && pHot->OpenPopupMenu(m_pMenuBar.get())) {
            pHot->SelectFirstPopupItem();
        } else if (pParentBar != nullptr) {
            pParentBar->NextMenu();
        } else if (pParentPopup != nullptr && pParentPopup->GetSafeHwnd() != nullptr) {
            pParentPopup->SendMessage(WM_KEYDOWN, VK_RIGHT);
        }
        return;
    }
    case VK_DOWN:
        if ((::GetKeyState(VK_CONTROL) & 0x8000) && !m_pMenuBar->AreAllCommandsShown()) {
            ShowAllCommands();
            return;
        }
        [[fallthrough]];
    case VK_RETURN:
    case VK_UP:
    case VK_HOME:
    case VK_END:
        if (!bCustomize) {
            const CWndLifeGuard self(this);
            m_pMenuBar->OnKey(nChar);
            if (self.IsAlive() && nChar != VK_RETURN)
                EnsureHotVisible();
        }
        return;
    default:
        if (!m_pMenuBar->OnKey(nChar))
            CMiniFrameWnd::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }
}

void CWTKPopupMenu::EnsureHotVisible()
{
    if (!m_bScrollable)
        return;
    const int iHot = m_pMenuBar->GetHighlighted();
    if (iHot < 0)
        return;
    CRect rectBar;
    m_pMenuBar->GetClientRect(rectBar);
    const int nRowHeight = std::max(1, m_pMenuBar->GetRowHeight());
    const int nVisibleRows = std::max(1, rectBar.Height() / nRowHeight);
    const int nRows = m_pMenuBar->GetCount();
    int iOffset = m_pMenuBar->GetOffset();
    if (iHot < iOffset)
        iOffset = iHot;
    else if (iHot >= iOffset + nVisibleRows)
        iOffset = iHot - nVisibleRows + 1;
    iOffset = std::max(0, std::min(iOffset, nRows - 1));
    if (iOffset != m_pMenuBar->GetOffset()) {
        m_pMenuBar->SetOffset(iOffset);
        PlaceItemBar();
        m_pMenuBar->AdjustLayout();
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    }
}

void CWTKPopupMenu::OnMouseMove(UINT nFlags, CPoint point)
{
    CMiniFrameWnd::OnMouseMove(nFlags, point);
    if (m_bTearOffPressed && GetCapture() == this && !m_rectTearOffCaption.PtInRect(point)) {
        ::ReleaseCapture();
        m_bTearOffPressed = FALSE;
        CPoint ptScreen = point;
        ClientToScreen(&ptScreen);
        TearOff(ptScreen);
        return;
    }
    if (m_iScrollMode != 0)
        return;
    int nMode = 0;
    if (m_rectScrollUp.PtInRect(point))
        nMode = -1;
    else if (m_rectScrollDn.PtInRect(point))
        nMode = 1;
    if (nMode != 0) {
        m_iScrollMode = nMode;
        InvalidateRect(nMode < 0 ? m_rectScrollUp : m_rectScrollDn);
        SetTimer(kScrollTimerId, kScrollStepMs, nullptr);
    }
}

void CWTKPopupMenu::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (!CWTKToolBar::IsCustomizeMode() && m_rectTearOffCaption.PtInRect(point)) {
        m_bTearOffPressed = TRUE;
        m_bTearOffHighlighted = TRUE;
        InvalidateRect(m_rectTearOffCaption);
        SetCapture();
        return;
    }
    CMiniFrameWnd::OnLButtonDown(nFlags, point);
}

void CWTKPopupMenu::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_bTearOffPressed) {
        m_bTearOffPressed = FALSE;
        if (GetCapture() == this)
            ::ReleaseCapture();
        InvalidateRect(m_rectTearOffCaption);
        return;
    }
    CMiniFrameWnd::OnLButtonUp(nFlags, point);
}

void CWTKPopupMenu::OnActivateApp(BOOL bActive, DWORD dwThreadID)
{
    CMiniFrameWnd::OnActivateApp(bActive, dwThreadID);
    if (bActive || CWTKToolBar::IsCustomizeMode() || m_pMenuBar->IsCommandSent())
        return;
    if (m_bTrackMode)
        m_bIsClosing = TRUE;
    PostMessage(WM_CLOSE);
}

BOOL CWTKPopupMenu::PreTranslateMessage(MSG* pMsg)
{
    if (m_hwndTearOffTip != nullptr && pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST)
        ::SendMessageA(m_hwndTearOffTip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(pMsg));
    return CMiniFrameWnd::PreTranslateMessage(pMsg);
}

BOOL CWTKPopupMenu::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const auto* pHeader = reinterpret_cast<const NMHDR*>(lParam);
    if (pHeader != nullptr && m_hwndTearOffTip != nullptr && pHeader->hwndFrom == m_hwndTearOffTip) {
        if (pHeader->code == TTN_SHOW || pHeader->code == TTN_POP) {
            m_bTearOffHighlighted = pHeader->code == TTN_SHOW;
            InvalidateRect(m_rectTearOffCaption);
        }
    }
    return CMiniFrameWnd::OnNotify(wParam, lParam, pResult);
}

BOOL CWTKPopupMenu::OnCmdMsg(UINT nID, int nCode, void* pExtra, FwCmdHandlerInfo* pHandlerInfo)
{
    if (CMiniFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_pMessageWnd != nullptr && m_pMessageWnd->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

// ---- The chain ----

CWTKPopupMenu* CWTKPopupMenu::GetParentPopupMenu() const
{
    if (m_pParentBtn == nullptr)
        return nullptr;
    auto* pBar = dynamic_cast<CWTKPopupMenuBar*>(m_pParentBtn->GetParentWnd());
    return pBar ? pBar->GetParentPopupMenu() : nullptr;
}

CWTKPopupMenu* CWTKPopupMenu::GetRootPopupMenu()
{
    CWTKPopupMenu* pRoot = this;
    for (int nVisited = 1; nVisited < kMaxChainLength; nVisited++) {
        CWTKPopupMenu* pParent = pRoot->GetParentPopupMenu();
        if (pParent == nullptr)
            break;
        pRoot = pParent;
    }
    return pRoot;
}

CWTKToolBar* CWTKPopupMenu::GetParentToolBar() const
{
    if (m_pParentBtn == nullptr)
        return nullptr;
    CWnd* pWnd = m_pParentBtn->GetParentWnd();
    if (dynamic_cast<CWTKPopupMenuBar*>(pWnd) != nullptr)
        return nullptr;
    return dynamic_cast<CWTKToolBar*>(pWnd);
}

CWTKMenuLookInfo::Side CWTKPopupMenu::GetParentButtonSide() const
{
    if (GetParentToolBar() == nullptr)
        return sideNone;
    switch (m_DropDirection) {
    case kDropBelow:
        return sideTop;
    case kDropAbove:
        return sideBottom;
    case kDropRight:
        return sideLeft;
    case kDropLeft:
        return sideRight;
    default:
        return sideNone;
    }
}

CRect CWTKPopupMenu::GetParentButtonRect() const
{
    CWTKToolBar* pBar = GetParentToolBar();
    if (pBar == nullptr || pBar->GetSafeHwnd() == nullptr || m_hWnd == nullptr)
        return CRect();
    CRect rectButton = m_pParentBtn->GetRect();
    pBar->ClientToScreen(&rectButton);
    CRect rectMenu;
    GetWindowRect(&rectMenu);
    rectButton.OffsetRect(-rectMenu.left, -rectMenu.top);
    return rectButton;
}

BOOL CWTKPopupMenu::IsFromCustomizeButton() const
{
    return m_pParentBtn != nullptr && m_pParentBtn->IsCustomizeButton();
}

int CWTKPopupMenu::HitTest(CPoint ptScreen) const
{
    if (m_hWnd == nullptr)
        return kHitOutside;
    CRect rectWindow;
    ::GetWindowRect(m_hWnd, rectWindow);
    if (!rectWindow.PtInRect(ptScreen))
        return kHitOutside;
    const CPoint pt(ptScreen.x - rectWindow.left, ptScreen.y - rectWindow.top);
    if (m_iLogoWidth > 0) {
        CRect rectLogo(CPoint(0, 0), m_FinalSize);
        rectLogo.DeflateRect(kBorder, kBorder);
        switch (m_nLogoLocation) {
        case kLogoLeft:
            rectLogo.right = rectLogo.left + m_iLogoWidth;
            break;
        case kLogoRight:
            rectLogo.left = rectLogo.right - m_iLogoWidth;
            break;
        case kLogoTop:
            rectLogo.bottom = rectLogo.top + m_iLogoWidth;
            break;
        default:
            rectLogo.top = rectLogo.bottom - m_iLogoWidth;
            break;
        }
        if (rectLogo.PtInRect(pt))
            return kHitLogo;
    }
    if (m_iShadowSize > 0 && pt.x >= rectWindow.Width() - m_iShadowSize)
        return kHitRightShadow;
    if (m_iShadowSize > 0 && pt.y >= rectWindow.Height() - m_iShadowSize)
        return kHitBottomShadow;
    if (m_rectTearOffCaption.PtInRect(pt))
        return kHitTearOff;
    return kHitItems;
}

void CWTKPopupMenu::CloseMenu(BOOL bSetFocus)
{
    if (m_hWnd == nullptr || !::IsWindow(m_hWnd))
        return;
    m_bIsClosing = TRUE;
    if (CWTKToolBar::IsCustomizeMode())
        SaveItemsToParentButton();
    CWTKPopupMenu* pParentPopup = GetParentPopupMenu();
    if (pParentPopup != nullptr) {
        m_bAutoDestroyParent = FALSE;
        CFrameWnd* pFrame = GetTopLevelFrame();
        ActivatePopupMenu(pFrame, pParentPopup);
    } else {
        if (GetActiveMenu() == this)
            SetActiveMenu(nullptr);
        if (bSetFocus) {
            if (CWTKToolBar* pBar = GetParentToolBar(); pBar != nullptr && pBar->GetSafeHwnd() != nullptr)
                pBar->SetFocus();
        }
    }
    PostMessage(WM_CLOSE);
}

void CWTKPopupMenu::ShowAllCommands()
{
    if (m_pParentBtn == nullptr || m_hWnd == nullptr)
        return;
    m_pMenuBar->SetHot(-1);
    CWTKMenuBar::SetShowAllCommands(TRUE);
    CWTKMenuSoundPlayer::Play(CWTKMenuSoundPlayer::kPopupSound);
    ShowWindow(SW_HIDE);
    DropShadowImages();
    m_ptLocation = m_ptLocationInitial;
    InitMenuBar();
    CheckShadow();
    if (m_iShadowSize > 0) {
        CRect rectWindow;
        GetWindowRect(rectWindow);
        CaptureScreen(m_bmpShadowRight,
                      CRect(rectWindow.right - m_iShadowSize, rectWindow.top, rectWindow.right, rectWindow.bottom));
        CaptureScreen(m_bmpShadowBottom,
                      CRect(rectWindow.left, rectWindow.bottom - m_iShadowSize, rectWindow.right, rectWindow.bottom));
    }
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_ERASE);
    if (CWnd* pParent = m_pParentBtn->GetParentWnd(); pParent != nullptr && pParent->GetSafeHwnd() != nullptr) {
        CRect rect = m_pParentBtn->GetRect();
        pParent->InvalidateRect(rect);
    }
}

void CWTKPopupMenu::SaveItemsToParentButton()
{
    for (CWTKPopupMenu* pPopup = this; pPopup != nullptr; pPopup = pPopup->GetParentPopupMenu()) {
        if (pPopup->m_pParentBtn == nullptr || pPopup->m_pMenuBar->GetSafeHwnd() == nullptr)
            break;
        HMENU hMenu = pPopup->m_pMenuBar->ExportToMenu();
        pPopup->m_pParentBtn->CreateFromMenu(hMenu);
        if (hMenu != nullptr)
            ::DestroyMenu(hMenu);
    }
}

BOOL CWTKPopupMenu::InsertItem(const CWTKToolbarMenuButton& button, int iInsertAt)
{
    return m_pMenuBar->InsertButton(button, iInsertAt) >= 0;
}

BOOL CWTKPopupMenu::InsertSeparator(int iInsertAt)
{
    return m_pMenuBar->InsertSeparator(iInsertAt) >= 0;
}

void CWTKPopupMenu::RemoveAllItems()
{
    m_pMenuBar->RemoveAllButtons();
}

BOOL CWTKPopupMenu::PostCommand(UINT uiCommandID)
{
    if (m_pMessageWnd == nullptr || m_pMessageWnd->GetSafeHwnd() == nullptr)
        return FALSE;
    return m_pMessageWnd->PostMessage(WM_COMMAND, uiCommandID);
}

void CWTKPopupMenu::OnDestroy()
{
    if (CWTKToolbarButton* pHot = m_pMenuBar->GetHighlightedButton())
        if (pHot->IsDroppedDown())
            pHot->OnCancelMode();
    const BOOL bCustomize = CWTKToolBar::IsCustomizeMode();
    CWTKPopupMenu* pParentPopup = GetParentPopupMenu();
    if (m_pParentBtn != nullptr) {
        if (bCustomize)
            SaveItemsToParentButton();
        if (m_pParentBtn->GetPopupMenu() == this) {
            m_pParentBtn->SetPopupMenu(nullptr);
            m_pParentBtn->m_nStyle &= ~TBBS_PRESSED;
        }
        if (m_bAutoDestroyParent && !bCustomize && pParentPopup != nullptr && pParentPopup->GetSafeHwnd() != nullptr)
            pParentPopup->PostMessage(WM_CLOSE);
    } else {
        CWTKMenuBar::SetShowAllCommands(FALSE);
    }
    const BOOL bParentOpen = pParentPopup != nullptr && pParentPopup->GetSafeHwnd() != nullptr;
    if (CWTKPopupMenuDialogHost* pDialog = FindDialogHost(m_hWndCreator))
        pDialog->SetActivePopup(bParentOpen ? pParentPopup : nullptr);
    if (CWTKPopupMenuHost* pHost = GetHost())
        pHost->OnClosePopupMenu(this);
    // The activity never stays with a window that is gone.
    if (GetActiveMenu() == this)
        SetActiveMenu(pParentPopup != nullptr && pParentPopup->GetSafeHwnd() != nullptr ? pParentPopup : nullptr);
    if (m_bTrackMode && GetTrackedMenu() == this)
        SetTrackedMenu(nullptr);
    if (!bCustomize && GetTrackedMenu() == nullptr) {
        CWTKToolBar* pBar = GetParentToolBar();
        if (pBar != nullptr && pBar->GetSafeHwnd() != nullptr && ::GetFocus() != pBar->GetSafeHwnd())
            pBar->Deactivate();
    }
    if (m_hwndTearOffTip != nullptr) {
        ::DestroyWindow(m_hwndTearOffTip);
        m_hwndTearOffTip = nullptr;
    }
    CMiniFrameWnd::OnDestroy();
}

// ---- Tear-off ----

BOOL CWTKPopupMenu::TearOff(CPoint point)
{
    if (m_pParentBtn == nullptr || m_pParentBtn->GetTearOffID() == 0)
        return FALSE;
    const UINT uiID = m_pParentBtn->GetTearOffID();
    CFrameWnd* pFrame = GetTopLevelFrame();
    if (pFrame == nullptr)
        return FALSE;
    // The drag below may close this popup and its chain: ask the root whether it is still there.
    CWTKPopupMenu* pRoot = GetRootPopupMenu();
    const CWndLifeGuard rootAlive(pRoot);
    if (auto* pExisting = dynamic_cast<CControlBar*>(pFrame->GetControlBar(uiID))) {
        pFrame->ShowControlBar(pExisting, TRUE, FALSE);
        pFrame->FloatControlBar(pExisting, point, CBRS_ALIGN_TOP);
    } else {
        const CString strName = CWTKToolbarButton::RemoveMnemonicMarks(m_pParentBtn->m_strText);
        CWTKToolBar* pBar = CreateTearOffBar(pFrame, uiID, strName);
        if (pBar == nullptr)
            return FALSE;
        CWTKPopupMenuHost* pHost = dynamic_cast<CWTKPopupMenuHost*>(pFrame);
        if (pHost != nullptr && !pHost->OnTearOffMenu(this, pBar)) {
            pBar->DestroyWindow();
            delete pBar;
            return FALSE;
        }
        if (pHost != nullptr)
            pHost->AddTearOffToolbar(pBar);
        pBar->OnUpdateCmdUI(pFrame, FALSE);
        pFrame->FloatControlBar(pBar, point, CBRS_ALIGN_TOP);
        pFrame->RecalcLayout();
        if (!DragTornOffBar(pFrame, pBar))
            return FALSE;
    }
    // The whole chain closes: its menu floats now.
    if (rootAlive.IsAlive() && !pRoot->m_bIsClosing)
        pRoot->CloseMenu(FALSE);
    return TRUE;
}

BOOL CWTKPopupMenu::DragTornOffBar(CFrameWnd* pFrame, CWTKToolBar* pBar)
{
    auto* pMover = dynamic_cast<CWTKTornOffBarFrame*>(pBar->GetParentFrame());
    if (pMover == nullptr)
        return TRUE;
    CWnd* pButtonWnd = m_pParentBtn->GetParentWnd();
    const CRect rectButton = m_pParentBtn->GetRect();
    const CWndLifeGuard self(this);
    m_bTearingOff = TRUE;
    const BOOL bMoved = pMover->MoveTornOffBar(this, pButtonWnd, rectButton);
    // The drag runs messages and closes the popup on acceptance: this may be gone.
    if (!self.IsAlive())
        return bMoved;
    // Shown again: the menu is the frame's active popup once more, still being torn off
    // while the frame is asked.
    if (!bMoved) {
        ActivatePopupMenu(pFrame, this);
        if (!self.IsAlive())
            return bMoved;
    }
    m_bTearingOff = FALSE;
    return bMoved;
}

CWTKToolBar* CWTKPopupMenu::CreateTearOffBar(CFrameWnd* pWndMain, UINT uiID, LPCSTR lpszName)
{
    auto pBar = std::make_unique<CWTKToolBar>();
    const DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM | CBRS_HIDE_INPLACE;
    if (!pBar->Create(pWndMain, dwStyle, uiID))
        return nullptr;
    pBar->SetBarStyle(pBar->GetBarStyle() | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC);
    pBar->SetWindowText(lpszName);
    const int nCount = m_pMenuBar->GetCount();
    for (int i = 0; i < nCount; i++) {
        CWTKToolbarButton* pItem = m_pMenuBar->GetButton(i);
        if (pItem == nullptr)
            continue;
        if (pItem->IsSeparator()) {
            if (i < nCount - 1)
                pBar->InsertSeparator();
            continue;
        }
        const UINT uiCmd = pItem->m_nID;
        const BOOL bSkipped = (uiCmd >= kRecentFileFirstId && uiCmd <= kRecentFileLastId) || FwIsSystemCommand(uiCmd) ||
            (uiCmd > kLastOwnId && uiCmd != CWTKToolbarMenuButton::kSubMenuId) ||
            (uiCmd >= kWindowListFirstId && uiCmd <= kWindowListLastId) || WTKIsUserToolsEntryCmd(uiCmd);
        if (bSkipped)
            continue;
        if (auto* pMenuItem = dynamic_cast<CWTKToolbarMenuButton*>(pItem);
            pMenuItem && uiCmd == CWTKToolbarMenuButton::kSubMenuId) {
            CWTKToolbarMenuButton button;
            button.CopyFrom(*pMenuItem);
            const int iTab = button.m_strText.Find('\t');
            if (iTab >= 0)
                button.m_strText = button.m_strText.Left(iTab);
            button.m_bText = TRUE;
            pBar->InsertButton(button);
        } else {
            CWTKToolbarButton button(uiCmd, pItem->GetImage(), pItem->m_strText, pItem->m_bUserButton);
            pBar->InsertButton(button);
        }
    }
    pBar->EnableDocking(CBRS_ALIGN_ANY);
    return pBar.release();
}
