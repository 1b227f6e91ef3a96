#include "frames/WTKSizingControlBar.h"

#include "frames/WTKDragDockContext.h"
#include "frames/WTKTabWnd.h"

#include "command_bars/res/WTKCommandBarsRes.h"
#include "foundation/WTKGlobalData.h"
#include "foundation/WTKVisualManager.h"

#include "bars/DockBar.h"
#include "bars/DockContext.h"
#include "core/ResourceHandle.h"
#include "win/WinApp.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CWTKSizingControlBar, CControlBar)

const char* const CWTKSizingControlBar::m_pszSectionBase = "WTKSizingControlBar";
BOOL CWTKSizingControlBar::m_bUseDrawCaption = FALSE;
BOOL CWTKSizingControlBar::m_bGradientCaption = FALSE;
BOOL CWTKSizingControlBar::m_bHideExpandWhenAlone = FALSE;

namespace {

const char kSectionFormat[] = "%s-SCBar-%d";
const char kHorzCX[] = "sizeHorzCX";
const char kHorzCY[] = "sizeHorzCY";
const char kVertCX[] = "sizeVertCX";
const char kVertCY[] = "sizeVertCY";
const char kFloatCX[] = "sizeFloatCX";
const char kFloatCY[] = "sizeFloatCY";
const char kExpanded[] = "Expanded";
const char kRolledFloat[] = "RolledFloat";
const char kRolledFloatMode[] = "RolledFloatDynamicState";
const char kActiveTab[] = "ActiveTab";

// Roll-up modes that roll the floating frame up at once (automatic ones), and the last mode.
constexpr int kRollUpAuto = 2;
constexpr int kRollUpAutoNarrow = 4;
constexpr int kRollUpLastMode = 5;
// A stored docked width (or height) is at most the frame's client width (or height) divided so.
constexpr LONG kDockedShareDivisor = 2;

// Loaded sizes never exceed the virtual screen: a damaged value must not make a bar (or the
// row negotiation, which moves one pixel at a time) unbounded.
CSize VirtualScreenSize()
{
    CSize size(::GetSystemMetrics(SM_CXVIRTUALSCREEN), ::GetSystemMetrics(SM_CYVIRTUALSCREEN));
    if (size.cx <= 0)
        size.cx = ::GetSystemMetrics(SM_CXSCREEN);
    if (size.cy <= 0)
        size.cy = ::GetSystemMetrics(SM_CYSCREEN);
    return size;
}

// A new look redraws every sizing bar too: a floating one lies outside the main window.
void RedrawAllSizingBars(UINT nFlags)
{
    const CWTKSizingBarArray& bars = WTKAllSizingBars();
    for (INT_PTR i = 0; i < bars.GetSize(); ++i) {
        CWnd* pBar = bars[i]->GetBarWnd();
        if (::IsWindow(pBar->GetSafeHwnd()))
            pBar->RedrawWindow(nullptr, nullptr, nFlags);
    }
}

// The sizing bars' hook into the look, registered before main.
struct SizingBarRegistration {
    SizingBarRegistration() { CWTKVisualManager::SetBarRedrawStep(WTKRedrawGroup::SizingBars, &RedrawAllSizingBars); }
};
const SizingBarRegistration g_sizingBarRegistration;

}  // namespace

CWTKSizingControlBar::CWTKSizingControlBar()
    : m_szHorz(kDefaultSize, kDefaultSize),
      m_szVert(kDefaultSize, kDefaultSize),
      m_szFloat(kDefaultSize, kDefaultSize),
      m_szMin(kDefaultMinCX, kDefaultMinCY),
      m_szMax(-1, -1),
      m_buttons {CCaptionButton(kWTKSizingBarHideHit, kWTKIdsHideDockedWindow),
                 CCaptionButton(kWTKSizingBarExpandHit, kWTKIdsExpandDockedWindow)}
{}

CWTKSizingControlBar::~CWTKSizingControlBar()
{
    RemoveFromGlobalArray();
}

BOOL CWTKSizingControlBar::Create(LPCSTR lpszWindowName, CWnd* pParentWnd, CSize sizeDefault, BOOL bHasGripper,
                                  UINT nID, DWORD dwStyle)
{
    m_dwStyle = dwStyle & CBRS_ALL;
    m_szHorz = m_szVert = m_szFloat = sizeDefault;
    m_cyGripper = bHasGripper ? std::max(WTKGetGlobalData().nTextHeightHorz, (int)kMinCaptionHeight) : 0;
    if (!CreateBar(nullptr, lpszWindowName, dwStyle | WS_CLIPCHILDREN, pParentWnd, nID))
        return FALSE;
    m_dwStyle |= CBRS_SIZE_DYNAMIC;
    return TRUE;
}

void CWTKSizingControlBar::SetMinSize(CSize size)
{
    m_szMin = size;
    m_szFloat.cx = std::max<LONG>(m_szFloat.cx, m_szMin.cx);
    m_szFloat.cy = std::max<LONG>(m_szFloat.cy, m_szMin.cy);
}

void CWTKSizingControlBar::SetMaxSize(CSize size)
{
    m_szMax = size;
    if (m_szMax.cx > 0)
        m_szFloat.cx = std::min<LONG>(m_szFloat.cx, m_szMax.cx);
    if (m_szMax.cy > 0)
        m_szFloat.cy = std::min<LONG>(m_szFloat.cy, m_szMax.cy);
}

// ---- The global array ----

BOOL CWTKSizingControlBar::IsInGlobalArray() const
{
    const CWTKSizingBarArray& bars = WTKAllSizingBars();
    for (INT_PTR i = 0; i < bars.GetSize(); ++i) {
        if (bars[i] == static_cast<const CWTKSizingBarBase*>(this))
            return TRUE;
    }
    return FALSE;
}

void CWTKSizingControlBar::RemoveFromGlobalArray()
{
    CWTKSizingBarArray& bars = WTKAllSizingBars();
    for (INT_PTR i = bars.GetSize() - 1; i >= 0; --i) {
        if (bars[i] == static_cast<CWTKSizingBarBase*>(this))
            bars.RemoveAt(i);
    }
}

BOOL CWTKSizingControlBar::DestroyWindow()
{
    RemoveFromGlobalArray();
    return CControlBar::DestroyWindow();
}

BOOL CWTKSizingControlBar::PreTranslateMessage(MSG* pMsg)
{
    if (m_wndToolTip.m_hWnd)
        m_wndToolTip.RelayEvent(pMsg);
    return CControlBar::PreTranslateMessage(pMsg);
}

// ---- Docking ----

void CWTKSizingControlBar::EnableDocking(DWORD dwDockStyle)
{
    // A context made by an earlier call stays, with the places it remembers.
    const BOOL bNewContext = m_pDockContext == nullptr;
    CControlBar::EnableDocking(dwDockStyle);
    if (bNewContext && m_pDockContext) {
        delete m_pDockContext;
        m_pDockContext = new CWTKDragDockContext(this);
    }
}

CWTKTabWnd* CWTKSizingControlBar::FindSingleTabWnd() const
{
    CWTKTabWnd* pFound = nullptr;
    for (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD); hChild; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        CWnd* pChild = CWnd::FromHandlePermanent(hChild);
        if (!pChild || !pChild->IsKindOf(RUNTIME_CLASS(CWTKTabWnd)))
            continue;
        if (pFound)
            return nullptr;
        pFound = static_cast<CWTKTabWnd*>(pChild);
    }
    return pFound;
}

UINT CWTKSizingControlBar::CurrentDockBarID() const
{
    if (m_pDockBar && ::IsWindow(m_pDockBar->m_hWnd) && !m_pDockBar->m_bFloating)
        return (UINT)m_pDockBar->GetDlgCtrlID();
    return m_pDockBar ? FW_IDW_DOCKBAR_FLOAT : m_nDockBarID;
}

BOOL CWTKSizingControlBar::IsHorzDocked() const
{
    const UINT nID = CurrentDockBarID();
    return nID == FW_IDW_DOCKBAR_TOP || nID == FW_IDW_DOCKBAR_BOTTOM;
}

CString CWTKSizingControlBar::GetTitle() const
{
    CString strTitle;
    if (m_hWnd != nullptr)
        GetWindowText(strTitle);
    return strTitle;
}

CRect CWTKSizingControlBar::GetWindowRectScreen() const
{
    CRect rect;
    if (m_hWnd != nullptr)
        GetWindowRect(&rect);
    return rect;
}

BOOL CWTKSizingControlBar::IsVertDocked() const
{
    const UINT nID = CurrentDockBarID();
    return nID == FW_IDW_DOCKBAR_LEFT || nID == FW_IDW_DOCKBAR_RIGHT;
}

void CWTKSizingControlBar::SetRollUpState(int nMode, BOOL bRolledUp)
{
    m_nRollUpMode = nMode;
    m_bRolledUp = bRolledUp;
}

void CWTKSizingControlBar::DelayFrameLayout()
{
    if (m_pDockSite && ::IsWindow(m_pDockSite->m_hWnd))
        m_pDockSite->DelayRecalcLayout(TRUE);
}

void CWTKSizingControlBar::EnableChildren(BOOL bEnable)
{
    for (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD); hChild; hChild = ::GetWindow(hChild, GW_HWNDNEXT))
        ::EnableWindow(hChild, bEnable);
}

// ---- Rows ----

void CWTKSizingControlBar::GetRowInfo(int& nFirst, int& nLast, int& nThis) const
{
    nFirst = nLast = nThis = -1;
    if (!m_pDockBar)
        return;
    const CPtrArray& arr = m_pDockBar->m_arrBars;
    for (INT_PTR i = 0; i < arr.GetSize(); ++i) {
        if (arr[i] == static_cast<const CControlBar*>(this)) {
            nThis = (int)i;
            break;
        }
    }
    if (nThis < 0)
        return;
    nFirst = nThis;
    while (nFirst > 0 && arr[nFirst - 1])
        --nFirst;
    nLast = nThis;
    while (nLast + 1 < arr.GetSize() && arr[nLast + 1])
        ++nLast;
}

CWTKSizingControlBar* CWTKSizingControlBar::SizingBarOf(void* pEntry)
{
    if (!pEntry)
        return nullptr;
    // Only bars that stand in the global array take part in a row: a pointer is compared
    // before it is used as a sizing bar.
    const CWTKSizingBarArray& bars = WTKAllSizingBars();
    for (INT_PTR i = 0; i < bars.GetSize(); ++i) {
        CWnd* pWnd = bars[i]->GetBarWnd();
        if (pWnd == static_cast<CWnd*>(static_cast<CControlBar*>(pEntry)) &&
            pWnd->IsKindOf(RUNTIME_CLASS(CWTKSizingControlBar)))
            return static_cast<CWTKSizingControlBar*>(pWnd);
    }
    return nullptr;
}

void CWTKSizingControlBar::GetRowSizingBars(CSizingBarRow& arrSCBars, int& nThis) const
{
    arrSCBars.RemoveAll();
    nThis = -1;
    int nFirst = 0, nLast = 0, nIndex = 0;
    GetRowInfo(nFirst, nLast, nIndex);
    if (nIndex < 0) {
        arrSCBars.Add(const_cast<CWTKSizingControlBar*>(this));
        nThis = 0;
        return;
    }
    for (int i = nFirst; i <= nLast; ++i) {
        CWTKSizingControlBar* pBar = SizingBarOf(m_pDockBar->m_arrBars[i]);
        if (!pBar || (!pBar->IsVisible() && pBar != this))
            continue;
        if (pBar == this)
            nThis = (int)arrSCBars.GetSize();
        arrSCBars.Add(pBar);
    }
}

void CWTKSizingControlBar::GetRowSizingBars(CSizingBarRow& arrSCBars) const
{
    int nThis = 0;
    GetRowSizingBars(arrSCBars, nThis);
}

int CWTKSizingControlBar::GetAvailableLength(BOOL bHorz) const
{
    CRect rect;
    if (m_pDockBar && !m_pDockBar->m_rectLayout.IsRectEmpty())
        rect = m_pDockBar->m_rectLayout;
    else if (m_pDockBar)
        m_pDockBar->GetWindowRect(&rect);
    if (rect.IsRectEmpty() && m_pDockSite)
        m_pDockSite->GetClientRect(&rect);
    return bHorz ? rect.Width() : rect.Height() - 2;
}

BOOL CWTKSizingControlBar::NegotiateSpace(int nLengthTotal, BOOL bHorz)
{
    int nFirst = 0, nLast = 0, nThis = 0;
    GetRowInfo(nFirst, nLast, nThis);
    if (nThis < 0)
        return FALSE;

    // Docked bars that are not sizing bars keep their lengths.
    CSizingBarRow row;
    for (int i = nFirst; i <= nLast; ++i) {
        auto* pBar = static_cast<CControlBar*>(m_pDockBar->m_arrBars[i]);
        if (!pBar->IsVisible())
            continue;
        if (CWTKSizingControlBar* pSizing = SizingBarOf(pBar)) {
            row.Add(pSizing);
            continue;
        }
        CRect rect;
        pBar->GetWindowRect(&rect);
        nLengthTotal -= bHorz ? rect.Width() : rect.Height();
    }
    if (row.GetSize() == 0)
        return FALSE;

    int nActual = 0, nMinSpace = 2, nThickness = 0;
    for (INT_PTR i = 0; i < row.GetSize(); ++i) {
        CWTKSizingControlBar* pBar = row[i];
        nActual += Along(pBar->DockedSize(bHorz), bHorz);
        nMinSpace += Along(pBar->m_szMin, bHorz);
        nThickness = std::max<int>(nThickness, Across(pBar->DockedSize(bHorz), bHorz));
    }

    if (nLengthTotal < nMinSpace && row.GetSize() > 1) {
        // The row cannot hold its bars: this one goes to a row of its own after it, at the
        // next idle update (the dock bar is walking its rows now).
        m_bMoveToNewRow = TRUE;
        return FALSE;
    }

    for (INT_PTR i = 0; i < row.GetSize(); ++i)
        Across(row[i]->DockedSize(bHorz), bHorz) = nThickness;

    // One pixel at a time over the bars in turn; a bar just shown keeps its length, a bar at
    // its minimum gives nothing. A pass that changes nothing ends the work.
    int nDelta = nLengthTotal - nActual;
    while (nDelta != 0) {
        BOOL bChanged = FALSE;
        for (INT_PTR i = 0; i < row.GetSize() && nDelta != 0; ++i) {
            CWTKSizingControlBar* pBar = row[i];
            if (pBar->m_bShown)
                continue;
            LONG& nLength = Along(pBar->DockedSize(bHorz), bHorz);
            if (nDelta < 0) {
                if (nLength <= Along(pBar->m_szMin, bHorz))
                    continue;
                --nLength;
                ++nDelta;
            } else {
                ++nLength;
                --nDelta;
            }
            bChanged = TRUE;
        }
        if (!bChanged)
            break;
    }
    for (INT_PTR i = 0; i < row.GetSize(); ++i)
        row[i]->m_bShown = FALSE;
    return TRUE;
}

void CWTKSizingControlBar::MoveToNewRow()
{
    m_bMoveToNewRow = FALSE;
    int nFirst = 0, nLast = 0, nThis = 0;
    GetRowInfo(nFirst, nLast, nThis);
    if (nThis < 0 || nFirst == nLast)
        return;
    CPtrArray& arr = m_pDockBar->m_arrBars;
    // A separator after the row's last bar, this bar after it, its old place removed.
    arr.InsertAt(nLast + 1, (void*)nullptr);
    arr.InsertAt(nLast + 2, static_cast<CControlBar*>(this));
    arr.RemoveAt(nThis);
    DelayFrameLayout();
}

void CWTKSizingControlBar::AlignRow()
{
    int nFirst = 0, nLast = 0, nThis = 0;
    GetRowInfo(nFirst, nLast, nThis);
    if (nThis < 0)
        return;
    const BOOL bHorz = IsHorzDocked();
    CRect rectDock;
    m_pDockBar->GetWindowRect(&rectDock);
    int nAlign = 0;
    BOOL bMoved = FALSE;
    CControlBar* pPrevMoved = nullptr;
    for (int i = nFirst; i <= nLast; ++i) {
        auto* pBar = static_cast<CControlBar*>(m_pDockBar->m_arrBars[i]);
        if (!pBar->IsVisible())
            continue;
        CRect rect;
        pBar->GetWindowRect(&rect);
        rect.OffsetRect(-rectDock.left, -rectDock.top);
        if (CWTKSizingControlBar* pSizing = SizingBarOf(pBar))
            rect = CRect(rect.TopLeft(), bHorz ? pSizing->m_szHorz : pSizing->m_szVert);
        const int nStart = bHorz ? rect.left : rect.top;
        if (nStart != nAlign) {
            if (bHorz)
                rect.OffsetRect(nAlign - nStart, 0);
            else
                rect.OffsetRect(0, nAlign - nStart);
            pBar->SetWindowPos(pPrevMoved, rect.left, rect.top, rect.Width(), rect.Height(),
                               SWP_NOACTIVATE | (pPrevMoved ? 0 : SWP_NOZORDER));
            pPrevMoved = pBar;
            bMoved = TRUE;
        }
        nAlign += bHorz ? rect.Width() : rect.Height();
    }
    if (bMoved && m_pDockSite)
        m_pDockSite->DelayRecalcLayout(TRUE);
}

// ---- Layout ----

CSize CWTKSizingControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    if (bStretch)
        return bHorz ? CSize(32767, m_szHorz.cy) : CSize(m_szVert.cx, 32767);

    CSizingBarRow row;
    int nThis = 0;
    GetRowSizingBars(row, nThis);
    m_bAloneInRow = row.GetSize() < 2;
    const int nLengthTotal = GetAvailableLength(bHorz);

    if (m_bDockedAnew && IsVisible() && m_pDockBar && !m_pDockBar->m_bFloating && nThis == 0) {
        if (NegotiateSpace(nLengthTotal, bHorz))
            AlignRow();
    }
    m_bDockedAnew = FALSE;

    CSize size = bHorz ? m_szHorz : m_szVert;
    if (!bHorz && m_szMax.cx > 0)
        size.cx = std::min<LONG>(size.cx, m_szMax.cx);
    if (bHorz && m_szMax.cy > 0)
        size.cy = std::min<LONG>(size.cy, m_szMax.cy);
    size.cx = std::max<LONG>(size.cx, m_szMin.cx);
    size.cy = std::max<LONG>(size.cy, m_szMin.cy);

    if (!m_bExpanded) {
        for (INT_PTR i = 0; i < row.GetSize(); ++i) {
            if (row[i] != this && row[i]->m_bExpanded) {
                Along(size, bHorz) = Along(m_szMin, bHorz);
                return size;
            }
        }
        return size;
    }
    // Expanded: the row's length less what the other bars need at their minimum.
    int nOthers = 0;
    for (INT_PTR i = 0; i < row.GetSize(); ++i) {
        if (row[i] != this)
            nOthers += Along(row[i]->m_szMin, bHorz);
    }
    Along(size, bHorz) = std::max<LONG>(Along(m_szMin, bHorz), nLengthTotal - nOthers);
    return size;
}

CSize CWTKSizingControlBar::CalcDynamicLayout(int nLength, DWORD nMode)
{
    if (IsFloating() && m_bRolledUp && !IsFocusWithin())
        return CSize(m_szFloat.cx, ::GetSystemMetrics(SM_CYFRAME) - 1);

    if (nMode & (LM_HORZDOCK | LM_VERTDOCK)) {
        if (nLength == -1)
            m_bDockedAnew = TRUE;
        return CalcFixedLayout((nMode & LM_STRETCH) != 0, (nMode & LM_HORZDOCK) != 0);
    }

    if (!(nMode & (LM_MRUWIDTH | LM_COMMIT)) && nLength >= 0) {
        if (nMode & LM_LENGTHY) {
            m_szFloat.cy = nLength;
            if (m_szMax.cy > 0)
                m_szFloat.cy = std::min<LONG>(m_szFloat.cy, m_szMax.cy);
            m_szFloat.cy = std::max<LONG>(m_szFloat.cy, m_szMin.cy);
        } else {
            m_szFloat.cx = nLength;
            if (m_szMax.cx > 0)
                m_szFloat.cx = std::min<LONG>(m_szFloat.cx, m_szMax.cx);
            m_szFloat.cx = std::max<LONG>(m_szFloat.cx, m_szMin.cx);
        }
    }
    return m_szFloat;
}

BOOL CWTKSizingControlBar::IsFocusWithin() const
{
    HWND hFocus = ::GetFocus();
    return hFocus && (hFocus == m_hWnd || ::IsChild(m_hWnd, hFocus));
}

void CWTKSizingControlBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    CControlBar::OnUpdateCmdUI(pTarget, bDisableIfNoHndler);

    if (m_bMoveToNewRow)
        MoveToNewRow();
    ApplyLoadedState();

    if (!IsSideDocked())
        return;
    const BOOL bFocusInside = IsFocusWithin() && ::GetFocus() != m_hWnd;
    if (bFocusInside != m_bFocusInside) {
        m_bFocusInside = bFocusInside;
        RedrawWindow(nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
    }
}

// ---- Expansion ----

void CWTKSizingControlBar::ToggleExpand()
{
    if (!IsSideDocked())
        return;
    CSizingBarRow row;
    GetRowSizingBars(row);
    if (row.GetSize() < 2)
        return;
    const BOOL bHorz = IsHorzDocked();
    m_bExpanded = !m_bExpanded;
    if (m_bExpanded) {
        for (INT_PTR i = 0; i < row.GetSize(); ++i) {
            CWTKSizingControlBar* pBar = row[i];
            if (pBar != this && pBar->m_bExpanded) {
                pBar->m_bExpanded = FALSE;
                pBar->UpdateExpandTip();
                pBar->RedrawButton(pBar->m_buttons[1]);
            }
            pBar->m_szBeforeExpand = pBar->DockedSize(bHorz);
        }
        CRect rect;
        m_pDockBar->GetWindowRect(&rect);
        if (rect.IsRectEmpty() && m_pDockSite)
            m_pDockSite->GetClientRect(&rect);
        for (INT_PTR i = 0; i < row.GetSize(); ++i) {
            CWTKSizingControlBar* pBar = row[i];
            Along(pBar->DockedSize(bHorz), bHorz) =
                pBar == this ? (bHorz ? rect.Width() + 2 : rect.Height() - 2) : Along(pBar->m_szMin, bHorz);
        }
    } else {
        for (INT_PTR i = 0; i < row.GetSize(); ++i)
            row[i]->DockedSize(bHorz) = row[i]->m_szBeforeExpand;
    }
    UpdateExpandTip();
    DelayFrameLayout();
}

void CWTKSizingControlBar::UpdateExpandTip()
{
    m_buttons[1].m_nTipID = m_bExpanded ? kWTKIdsContractDockedWindow : kWTKIdsExpandDockedWindow;
    if (m_wndToolTip.m_hWnd) {
        CString strTip;
        strTip.LoadString(m_buttons[1].m_nTipID);
        m_wndToolTip.UpdateTipText(strTip, this, 2);
    }
}

// ---- State ----

CString CWTKSizingControlBar::StateSection(LPCTSTR lpszProfileName) const
{
    CString strSection;
    strSection.Format(kSectionFormat, (lpszProfileName && *lpszProfileName) ? lpszProfileName : m_pszSectionBase,
                      GetDlgCtrlID());
    return strSection;
}

void CWTKSizingControlBar::LoadState(LPCTSTR lpszProfileName)
{
    CWinApp* pApp = FwGetApp();
    if (!pApp || !m_hWnd)
        return;
    const CString strSection = StateSection(lpszProfileName);
    const CSize screen = VirtualScreenSize();
    // A value below the minimum is ignored; a larger one than the virtual screen is cut down.
    auto read = [&](const char* pszEntry, int nCurrent, int nMin, int nMax) {
        const int nValue = (int)pApp->GetProfileInt(strSection, pszEntry, nCurrent);
        return nValue >= nMin ? std::min(nValue, std::max(nMax, nMin)) : nCurrent;
    };
    m_szHorz.cx = read(kHorzCX, m_szHorz.cx, m_szMin.cx, screen.cx);
    m_szHorz.cy = read(kHorzCY, m_szHorz.cy, m_szMin.cy, screen.cy);
    m_szVert.cx = read(kVertCX, m_szVert.cx, m_szMin.cx, screen.cx);
    m_szVert.cy = read(kVertCY, m_szVert.cy, m_szMin.cy, screen.cy);
    m_szFloat.cx = read(kFloatCX, m_szFloat.cx, m_szMin.cx, screen.cx);
    m_szFloat.cy = read(kFloatCY, m_szFloat.cy, m_szMin.cy, screen.cy);
    // Docked, the bar leaves the frame room for its view: it takes at most half of the frame's
    // client area across the side it docks on.
    if (m_pDockSite && ::IsWindow(m_pDockSite->m_hWnd)) {
        CRect rectSite;
        m_pDockSite->GetClientRect(&rectSite);
        m_szVert.cx = std::min(m_szVert.cx, std::max(m_szMin.cx, rectSite.Width() / kDockedShareDivisor));
        m_szHorz.cy = std::min(m_szHorz.cy, std::max(m_szMin.cy, rectSite.Height() / kDockedShareDivisor));
    }

    // Expansion needs the bar in its row: it is applied once the dock state is.
    m_bLoadedExpanded = pApp->GetProfileInt(strSection, kExpanded, m_bExpanded) != 0;
    m_bStatePending = TRUE;

    const int nMode = (int)pApp->GetProfileInt(strSection, kRolledFloatMode, m_nRollUpMode);
    if (nMode >= 0 && nMode <= kRollUpLastMode) {
        BOOL bRolled = pApp->GetProfileInt(strSection, kRolledFloat, m_bRolledUp) != 0;
        if (nMode == kRollUpAuto || nMode == kRollUpAutoNarrow)
            bRolled = TRUE;
        SetRollUpState(nMode, nMode != 0 && bRolled);
    }

    if (CWTKTabWnd* pTabWnd = FindSingleTabWnd()) {
        const int nTab = (int)pApp->GetProfileInt(strSection, kActiveTab, 0);
        if (nTab >= 0 && nTab < pTabWnd->GetTabsNum())
            pTabWnd->SetActiveTab(nTab);
    }
}

void CWTKSizingControlBar::ApplyLoadedState()
{
    if (!m_bStatePending)
        return;
    m_bStatePending = FALSE;
    if (m_bLoadedExpanded != m_bExpanded)
        ToggleExpand();
    // The floating frame copies the roll-up state from its bar when it is sized.
    if (m_nRollUpMode != 0 && IsFloating()) {
        CWnd* pFrame = GetParentFrame();
        if (pFrame && pFrame != m_pDockSite) {
            CRect rect;
            pFrame->GetClientRect(&rect);
            pFrame->SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(rect.Width(), rect.Height()));
            pFrame->SendMessage(WM_NCPAINT, 1, 0);
        }
    }
}

void CWTKSizingControlBar::SaveState(LPCTSTR lpszProfileName)
{
    CWinApp* pApp = FwGetApp();
    if (!pApp || !m_hWnd)
        return;
    const CString strSection = StateSection(lpszProfileName);
    CSize szHorz = m_szHorz, szVert = m_szVert;
    // An expanded bar keeps the size it had before, for the direction it is in.
    if (m_bExpanded) {
        if (IsHorzDocked())
            szHorz = m_szBeforeExpand;
        else if (IsVertDocked())
            szVert = m_szBeforeExpand;
    }
    pApp->WriteProfileInt(strSection, kHorzCX, szHorz.cx);
    pApp->WriteProfileInt(strSection, kHorzCY, szHorz.cy);
    pApp->WriteProfileInt(strSection, kVertCX, szVert.cx);
    pApp->WriteProfileInt(strSection, kVertCY, szVert.cy);
    pApp->WriteProfileInt(strSection, kFloatCX, m_szFloat.cx);
    pApp->WriteProfileInt(strSection, kFloatCY, m_szFloat.cy);
    pApp->WriteProfileInt(strSection, kExpanded, m_bExpanded);
    if (m_nRollUpMode != 0) {
        pApp->WriteProfileInt(strSection, kRolledFloat, m_bRolledUp);
        pApp->WriteProfileInt(strSection, kRolledFloatMode, m_nRollUpMode);
    } else {
        // No stale roll-up state from an earlier run.
        pApp->WriteProfileString(strSection, kRolledFloat, nullptr);
        pApp->WriteProfileString(strSection, kRolledFloatMode, nullptr);
    }
    if (CWTKTabWnd* pTabWnd = FindSingleTabWnd())
        pApp->WriteProfileInt(strSection, kActiveTab, pTabWnd->GetActiveTab());
}
