#include "frames/WTKTabWnd.h"

#include "frames/WTKTabMessages.h"

#include "foundation/WTKGlobalData.h"
#include "foundation/WTKMenuGlyphs.h"
#include "foundation/WTKVisualManager.h"

#include "core/ResourceHandle.h"
#include "docview/FrameWnd.h"
#include "docview/View.h"
#include "gdi/DC.h"
#include "win/ClientDC.h"
#include "win/Edit.h"
#include "win/MessageMap.h"
#include "win/ScrollBar.h"
#include "win/ToolTipCtrl.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CWTKTabWnd, CWnd)

namespace {

constexpr DWORD kTabWndStyle = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
constexpr DWORD kButtonStyle = WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON | BS_OWNERDRAW;
constexpr UINT kButtonId = static_cast<UINT>(-1);
// Scroll buttons repeat while held, except in the slanted style (which scrolls by whole tabs).
constexpr int kScrollRepeatMs = 50;
// A scroll button step in pixels.
constexpr int kScrollStep = 20;
// Tab width beyond its label: a gap on each side of the label and the tab's edges.
constexpr int kTabLabelPadding = 4;
constexpr int kTabEdgePadding = 8;
// Scroll buttons are at most the menu images' width plus this.
constexpr int kScrollButtonImagePadding = 6;
// The shared scroll bar keeps this far from the window side, and its splitter is this wide.
constexpr int kScrollBarInset = 2;
constexpr int kSplitterWidth = 5;

constexpr char kToolTipClose[] = "Close";
constexpr char kToolTipScrollLeft[] = "Scroll Left";
constexpr char kToolTipScrollRight[] = "Scroll Right";
constexpr char kListViewClass[] = "SysListView32";
constexpr char kFlatFontFace[] = "Arial";

// Auto colours at 8 bits per pixel or fewer, and above.
constexpr COLORREF kAutoColors8[] = {0x00FF00, 0xFFFF00, 0xFF00FF, 0xC0C0C0, 0x00FFFF};
constexpr COLORREF kAutoColors[] = {0xE6AF94, 0x75DBFF, 0x9FCDBD, 0x9F9EF0, 0xE1A6BA, 0xB4BF9A, 0x83B6F7, 0xBBA4D5};

int TextHeight(CFont& font)
{
    CClientDC dc(nullptr);
    CFont* pOld = dc.SelectObject(&font);
    TEXTMETRICA tm {};
    dc.GetTextMetrics(&tm);
    dc.SelectObject(pOld);
    return tm.tmHeight;
}

}  // namespace

BEGIN_MESSAGE_MAP(CWTKTabWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_HSCROLL()
    ON_WM_SETCURSOR()
    ON_WM_CANCELMODE()
    ON_WM_SETTINGCHANGE()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_TIMER()
    ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
END_MESSAGE_MAP()

CWTKTabWnd::CWTKTabWnd() = default;

CWTKTabWnd::~CWTKTabWnd()
{
    for (INT_PTR i = 0; i < m_arTabs.GetSize(); ++i)
        delete m_arTabs[i];
    m_arTabs.RemoveAll();
    delete m_pToolTip;
    delete m_pInPlaceEdit;
    delete m_pScrollBar;
}

BOOL CWTKTabWnd::Create(int nStyle, const RECT& rect, CWnd* pParentWnd, UINT nID, int nLocation, BOOL bCloseBtn)
{
    m_bFlat = nStyle == kStyleFlat || nStyle == kStyleFlatSharedScroll;
    m_bSharedScroll = nStyle == kStyleFlatSharedScroll;
    m_bScroll = nStyle == kStyleFlat || nStyle == kStyle3DScrolled || nStyle == kStyleSlanted;
    m_bIsSlanted = nStyle == kStyleSlanted;
    m_bHighLightTabs = m_bIsSlanted && CWTKVisualManager::GetInstance()->IsHighlightTabs();
    m_location = nLocation;
    m_bCloseBtn = bCloseBtn;
    LPCSTR lpszClass = RegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)));
    return CWnd::Create(lpszClass, "", kTabWndStyle, rect, pParentWnd, nID);
}

int CWTKTabWnd::OnCreate(LPCREATESTRUCTA lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    const WTKGlobalData& g = WTKGetGlobalData();

    if (m_bScroll) {
        auto addButton = [this](CWTKTabButton& button, int nImage, int nImageDisabled) {
            if (!button.Create("", kButtonStyle, CRect(0, 0, 0, 0), this, kButtonId))
                return;
            button.SetTabWnd(this);
            button.SetStdImage(nImage, nImageDisabled);
            button.m_bDrawFocus = FALSE;
            m_lstButtons.push_back(&button);
        };
        if (m_bFlat) {
            addButton(m_btnScrollFirst, CWTKMenuGlyphs::kChevronLeft, -1);
            addButton(m_btnScrollLast, CWTKMenuGlyphs::kChevronRight, -1);
        }
        addButton(m_btnScrollLeft, CWTKMenuGlyphs::kArrowLeft, CWTKMenuGlyphs::kArrowLeftDisabled);
        addButton(m_btnScrollRight, CWTKMenuGlyphs::kArrowRight, CWTKMenuGlyphs::kArrowRightDisabled);
        addButton(m_btnClose, CWTKMenuGlyphs::kCloseSmall, CWTKMenuGlyphs::kCloseSmallDisabled);
        if (!m_bIsSlanted) {
            m_btnScrollLeft.SetAutoRepeatMode(kScrollRepeatMs);
            m_btnScrollRight.SetAutoRepeatMode(kScrollRepeatMs);
        }
        if (!m_bFlat && m_bCloseBtn) {
            m_btnClose.SetTooltip(kToolTipClose);
            m_btnScrollLeft.SetTooltip(kToolTipScrollLeft);
            m_btnScrollRight.SetTooltip(kToolTipScrollRight);
        }
    }

    if (m_bSharedScroll) {
        m_pScrollBar = new CScrollBar;
        m_pScrollBar->Create(WS_CHILD | WS_VISIBLE | SBS_HORZ, CRect(0, 0, 0, 0), this, kButtonId);
    }

    if (m_bFlat) {
        CreateFlatBrush();
    } else {
        m_pToolTip = new CToolTipCtrl;
        if (m_pToolTip->Create(this, TTS_ALWAYSTIP)) {
            m_pToolTip->Activate(TRUE);
            if (g.nMaxToolTipWidth != -1)
                m_pToolTip->SetMaxTipWidth(g.nMaxToolTipWidth);
            m_pToolTip->SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
    }

    InitAutoColors();
    SetTabsHeight();
    return 0;
}

void CWTKTabWnd::OnDestroy()
{
    DestroyInPlaceEdit();
    for (INT_PTR i = 0; i < m_arTabs.GetSize(); ++i) {
        CWTKTabInfo* pTab = m_arTabs[i];
        if (m_bAutoDestroyWindow && pTab->m_pWnd != nullptr && ::IsWindow(pTab->m_pWnd->GetSafeHwnd()))
            pTab->m_pWnd->DestroyWindow();
        delete pTab;
    }
    m_arTabs.RemoveAll();
    m_iTabsNum = 0;
    m_iActiveTab = -1;
    m_brActiveTab.DeleteObject();
    if (m_pToolTip != nullptr && m_pToolTip->GetSafeHwnd() != nullptr)
        m_pToolTip->DestroyWindow();
    CWnd::OnDestroy();
}

// ---- Tabs ----

void CWTKTabWnd::AddTab(CWnd* pTabWnd, LPCSTR lpszTabLabel, UINT uiImageId)
{
    InsertTab(pTabWnd, lpszTabLabel, -1, uiImageId);
}

void CWTKTabWnd::AddTab(CWnd* pTabWnd, UINT uiResTabLabel, UINT uiImageId)
{
    CString strLabel;
    strLabel.LoadString(uiResTabLabel);
    InsertTab(pTabWnd, strLabel, -1, uiImageId);
}

void CWTKTabWnd::InsertTab(CWnd* pNewWnd, LPCSTR lpszTabLabel, int nInsertAt, UINT uiImageId)
{
    if (pNewWnd == nullptr)
        return;
    if (nInsertAt < 0 || nInsertAt > m_iTabsNum)
        nInsertAt = m_iTabsNum;

    const CString strLabel = lpszTabLabel != nullptr ? lpszTabLabel : "";
    auto* pTab = new CWTKTabInfo(strLabel, m_bFlat ? static_cast<UINT>(-1) : uiImageId, pNewWnd, m_nNextTabID++);
    pTab->m_bIconOnly = strLabel.IsEmpty();
    char szClass[64] = {};
    if (pNewWnd->GetSafeHwnd() != nullptr)
        ::GetClassNameA(pNewWnd->GetSafeHwnd(), szClass, sizeof(szClass));
    pTab->m_bIsListView = lstrcmpiA(szClass, kListViewClass) == 0;
    m_arTabs.InsertAt(nInsertAt, pTab);
    ++m_iTabsNum;

    if (m_pToolTip != nullptr && m_pToolTip->GetSafeHwnd() != nullptr) {
        CRect rectEmpty(0, 0, 0, 0);
        m_pToolTip->AddTool(this, strLabel, rectEmpty, static_cast<UINT_PTR>(pTab->m_iTabID));
    }

    // The active tab stays the one it was: an insertion before it moves its index.
    if (m_iActiveTab >= 0 && nInsertAt <= m_iActiveTab)
        ++m_iActiveTab;

    RecalcLayout();

    if (m_iTabsNum == 1) {
        SetActiveTab(0);
        return;
    }
    if (pNewWnd->GetSafeHwnd() != nullptr) {
        if (nInsertAt == m_iActiveTab)
            pNewWnd->ShowWindow(SW_SHOWNOACTIVATE);
        else if (m_bHideInactiveWnd)
            pNewWnd->ShowWindow(SW_HIDE);
    }
    if (!m_bHideInactiveWnd) {
        CWnd* pActive = GetActiveWnd();
        if (pActive != nullptr)
            pActive->BringWindowToTop();
    }
}

BOOL CWTKTabWnd::RemoveTab(int iTab)
{
    if (iTab < 0 || iTab >= m_iTabsNum)
        return FALSE;
    if (m_iTabsNum == 1) {
        RemoveAllTabs();
        return TRUE;
    }

    DestroyInPlaceEdit();
    CWTKTabInfo* pTab = m_arTabs[iTab];
    if (m_pToolTip != nullptr && m_pToolTip->GetSafeHwnd() != nullptr)
        m_pToolTip->DelTool(this, static_cast<UINT_PTR>(pTab->m_iTabID));
    m_arTabs.RemoveAt(iTab);
    --m_iTabsNum;
    if (m_bAutoDestroyWindow && pTab->m_pWnd != nullptr && ::IsWindow(pTab->m_pWnd->GetSafeHwnd()))
        pTab->m_pWnd->DestroyWindow();
    delete pTab;

    const int iPrevActive = m_iActiveTab;
    int iNewActive = m_iActiveTab;
    if (iNewActive >= iTab)
        --iNewActive;
    iNewActive = std::clamp(iNewActive, 0, m_iTabsNum - 1);
    if (m_iHighlighted >= m_iTabsNum)
        m_iHighlighted = -1;

    // The removed tab was the active one: its successor's window is still hidden, so it must be
    // activated as a change, not found already active.
    if (iPrevActive == iTab)
        m_iActiveTab = -1;
    else
        m_iActiveTab = iNewActive;
    RecalcLayout();
    SetActiveTab(iNewActive);

    CWnd* pParent = GetParent();
    if (pParent != nullptr)
        pParent->SendMessage(WTKM_ONCHANGE_ACTIVE_TAB, static_cast<WPARAM>(m_iActiveTab),
                             static_cast<LPARAM>(iPrevActive));
    return TRUE;
}

void CWTKTabWnd::RemoveAllTabs()
{
    DestroyInPlaceEdit();
    for (INT_PTR i = 0; i < m_arTabs.GetSize(); ++i) {
        CWTKTabInfo* pTab = m_arTabs[i];
        if (m_pToolTip != nullptr && m_pToolTip->GetSafeHwnd() != nullptr)
            m_pToolTip->DelTool(this, static_cast<UINT_PTR>(pTab->m_iTabID));
        if (m_bAutoDestroyWindow && pTab->m_pWnd != nullptr && ::IsWindow(pTab->m_pWnd->GetSafeHwnd()))
            pTab->m_pWnd->DestroyWindow();
        delete pTab;
    }
    m_arTabs.RemoveAll();
    m_iTabsNum = 0;
    m_iActiveTab = -1;
    m_nNextTabID = 1;
    m_iHighlighted = -1;
    m_nTabsHorzOffset = 0;
    m_nFirstVisibleTab = 0;
    RecalcLayout();
    if (m_hWnd != nullptr)
        Invalidate();
}

BOOL CWTKTabWnd::ShowTab(int iTab, BOOL bShow)
{
    if (iTab < 0 || iTab >= m_iTabsNum)
        return FALSE;
    CWTKTabInfo* pTab = m_arTabs[iTab];
    if (pTab->m_bVisible == bShow)
        return TRUE;
    pTab->m_bVisible = bShow;
    if (!bShow && pTab->m_pWnd != nullptr && pTab->m_pWnd->GetSafeHwnd() != nullptr)
        pTab->m_pWnd->ShowWindow(SW_HIDE);
    RecalcLayout();
    if (m_hWnd != nullptr)
        Invalidate();
    return TRUE;
}

int CWTKTabWnd::GetVisibleTabsNum() const
{
    int nCount = 0;
    for (int i = 0; i < m_iTabsNum; ++i) {
        if (m_arTabs[i]->m_bVisible)
            ++nCount;
    }
    return nCount;
}

BOOL CWTKTabWnd::IsTabVisible(int iTab) const
{
    return iTab >= 0 && iTab < m_iTabsNum && m_arTabs[iTab]->m_bVisible;
}

CWnd* CWTKTabWnd::GetTabWnd(int iTab) const
{
    return iTab >= 0 && iTab < m_iTabsNum ? m_arTabs[iTab]->m_pWnd : nullptr;
}

CWnd* CWTKTabWnd::GetActiveWnd() const
{
    return GetTabWnd(m_iActiveTab);
}

int CWTKTabWnd::GetTabFromWnd(CWnd* pWnd) const
{
    for (int i = 0; i < m_iTabsNum; ++i) {
        if (m_arTabs[i]->m_pWnd == pWnd)
            return i;
    }
    return -1;
}

int CWTKTabWnd::GetTabFromPoint(CPoint& pt) const
{
    if (!m_rectTabStrip.PtInRect(pt))
        return -1;

    if (m_bIsSlanted && m_iActiveTab >= 0 && m_arTabs[m_iActiveTab]->m_bVisible) {
        const CRect& rect = m_arTabs[m_iActiveTab]->m_rect;
        if (rect.PtInRect(pt)) {
            const int nHeight = rect.Height();
            const int dx = pt.x - rect.left;
            const int dy = pt.y - rect.top;
            const BOOL bInSlant = pt.x < rect.left + nHeight && dx * dx + dy * dy < nHeight * nHeight / 2;
            if (!bInSlant)
                return m_iActiveTab;
            for (int i = m_iActiveTab - 1; i >= 0; --i) {
                if (m_arTabs[i]->m_bVisible)
                    return i;
            }
            return m_iActiveTab;
        }
    }

    for (int i = 0; i < m_iTabsNum; ++i) {
        if (m_arTabs[i]->m_bVisible && m_arTabs[i]->m_rect.PtInRect(pt))
            return i;
    }
    return -1;
}

BOOL CWTKTabWnd::GetTabLabel(int iTab, CString& strLabel) const
{
    if (iTab < 0 || iTab >= m_iTabsNum)
        return FALSE;
    strLabel = m_arTabs[iTab]->m_bIconOnly ? CString() : m_arTabs[iTab]->m_strText;
    return TRUE;
}

BOOL CWTKTabWnd::SetTabLabel(int iTab, const CString& strLabel)
{
    if (iTab < 0 || iTab >= m_iTabsNum || strLabel.IsEmpty())
        return FALSE;
    CWTKTabInfo* pTab = m_arTabs[iTab];
    pTab->m_strText = strLabel;
    pTab->m_bIconOnly = FALSE;
    if (m_pToolTip != nullptr && m_pToolTip->GetSafeHwnd() != nullptr)
        m_pToolTip->UpdateTipText(strLabel, this, static_cast<UINT_PTR>(pTab->m_iTabID));
    RecalcLayout();
    if (m_hWnd != nullptr)
        Invalidate();
    return TRUE;
}

int CWTKTabWnd::GetTabIcon(int iTab) const
{
    if (iTab < 0 || iTab >= m_iTabsNum)
        return -1;
    return static_cast<int>(m_arTabs[iTab]->m_uiIcon);
}

BOOL CWTKTabWnd::SetTabIcon(int iTab, UINT uiIcon)
{
    if (iTab < 0 || iTab >= m_iTabsNum)
        return FALSE;
    m_arTabs[iTab]->m_uiIcon = m_bFlat ? static_cast<UINT>(-1) : uiIcon;
    RecalcLayout();
    if (m_hWnd != nullptr)
        Invalidate();
    return TRUE;
}

int CWTKTabWnd::GetTabID(int iTab) const
{
    return iTab >= 0 && iTab < m_iTabsNum ? m_arTabs[iTab]->m_iTabID : -1;
}

BOOL CWTKTabWnd::GetTabRect(int iTab, CRect& rect) const
{
    if (iTab < 0 || iTab >= m_iTabsNum || !m_arTabs[iTab]->m_bVisible) {
        rect.SetRectEmpty();
        return FALSE;
    }
    rect = m_arTabs[iTab]->m_rect;
    return TRUE;
}

COLORREF CWTKTabWnd::GetTabBkColor(int iTab) const
{
    if (iTab < 0 || iTab >= m_iTabsNum)
        return static_cast<COLORREF>(-1);
    const COLORREF clr = m_arTabs[iTab]->m_clrBack;
    // An empty table (auto colours switched on before any were made) has no entry to give.
    if (clr == static_cast<COLORREF>(-1) && m_bIsAutoColor && m_arAutoColors.GetSize() > 0)
        return m_arAutoColors[iTab % m_arAutoColors.GetSize()];
    return clr;
}

BOOL CWTKTabWnd::SetTabBkColor(int iTab, COLORREF color)
{
    if (iTab < 0 || iTab >= m_iTabsNum)
        return FALSE;
    m_arTabs[iTab]->m_clrBack = color;
    if (m_hWnd != nullptr)
        Invalidate();
    return TRUE;
}

COLORREF CWTKTabWnd::GetTabTextColor(int iTab) const
{
    return iTab >= 0 && iTab < m_iTabsNum ? m_arTabs[iTab]->m_clrText : static_cast<COLORREF>(-1);
}

BOOL CWTKTabWnd::SetTabTextColor(int iTab, COLORREF color)
{
    if (iTab < 0 || iTab >= m_iTabsNum)
        return FALSE;
    m_arTabs[iTab]->m_clrText = color;
    if (m_hWnd != nullptr)
        Invalidate();
    return TRUE;
}

// ---- Activation ----

BOOL CWTKTabWnd::SetActiveTab(int iTab)
{
    if (iTab < 0 || iTab >= m_iTabsNum)
        return FALSE;
    if (iTab == m_iActiveTab)
        return TRUE;

    const int iPrev = m_iActiveTab;
    CWnd* pOld = GetTabWnd(iPrev);
    if (pOld != nullptr && pOld->GetSafeHwnd() != nullptr && m_bHideInactiveWnd)
        pOld->ShowWindow(SW_HIDE);

    m_iActiveTab = iTab;
    CWnd* pNew = GetTabWnd(iTab);
    if (pNew != nullptr && pNew->GetSafeHwnd() != nullptr) {
        pNew->ShowWindow(SW_SHOWNOACTIVATE);
        if (!m_bHideInactiveWnd)
            pNew->BringWindowToTop();
        if (m_bAutoSizeWindow && !m_rectWndArea.IsRectEmpty()) {
            // A size change makes the window lay itself out and repaint.
            pNew->SetWindowPos(nullptr, m_rectWndArea.left, m_rectWndArea.top, m_rectWndArea.Width() + 1,
                               m_rectWndArea.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
            pNew->SetWindowPos(nullptr, m_rectWndArea.left, m_rectWndArea.top, m_rectWndArea.Width(),
                               m_rectWndArea.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }

    EnsureVisible(iTab);
    if (m_bSharedScroll)
        SynchronizeScrollBar();
    if (m_hWnd != nullptr)
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);

    if (iPrev >= 0 && pNew != nullptr && pNew->GetSafeHwnd() != nullptr) {
        CFrameWnd* pFrame = pNew->GetParentFrame();
        if (pFrame != nullptr && pNew->IsKindOf(RUNTIME_CLASS(CView)))
            pFrame->SetActiveView(static_cast<CView*>(pNew));
        else
            pNew->SetFocus();
    }
    return TRUE;
}

void CWTKTabWnd::ActivateNextVisibleTab(BOOL bNext)
{
    if (m_iTabsNum == 0)
        return;
    const int iStart = m_iActiveTab < 0 ? (bNext ? m_iTabsNum - 1 : 0) : m_iActiveTab;
    int iTab = iStart;
    for (int n = 0; n < m_iTabsNum; ++n) {
        iTab = bNext ? (iTab + 1) % m_iTabsNum : (iTab + m_iTabsNum - 1) % m_iTabsNum;
        if (m_arTabs[iTab]->m_bVisible)
            break;
    }
    if (iTab == m_iActiveTab || !m_arTabs[iTab]->m_bVisible)
        return;
    const int iPrev = m_iActiveTab;
    SetActiveTab(iTab);
    CWnd* pWnd = GetActiveWnd();
    if (pWnd != nullptr && pWnd->GetSafeHwnd() != nullptr)
        pWnd->SetFocus();
    CWnd* pParent = GetParent();
    if (pParent != nullptr)
        pParent->SendMessage(WTKM_ONCHANGE_ACTIVE_TAB, static_cast<WPARAM>(iTab), static_cast<LPARAM>(iPrev));
}

// ---- Options ----

void CWTKTabWnd::AutoSizeWindow(BOOL bAutoSize)
{
    m_bAutoSizeWindow = bAutoSize;
    RecalcLayout();
}

void CWTKTabWnd::EnableAutoColor(BOOL bEnable)
{
    m_bIsAutoColor = bEnable;
    InitAutoColors();
    if (m_hWnd != nullptr)
        Invalidate();
}

void CWTKTabWnd::HideSingleTab(BOOL bHide)
{
    m_bHideSingleTab = bHide;
    RecalcLayout();
}

void CWTKTabWnd::HideNoTabs(BOOL bHide)
{
    m_bHideNoTabs = bHide;
    RecalcLayout();
}

void CWTKTabWnd::SetDrawFrame(BOOL bDraw)
{
    m_bDrawFrame = bDraw;
    if (m_hWnd != nullptr)
        Invalidate();
}

void CWTKTabWnd::SetTabBorderSize(int nTabBorderSize, BOOL bRepaint)
{
    m_nTabBorderSize = std::max(nTabBorderSize, 0);
    RecalcLayout();
    if (bRepaint && m_hWnd != nullptr)
        Invalidate();
}

void CWTKTabWnd::SetActiveTabColor(COLORREF clr)
{
    m_clrActiveTabBk = clr;
    if (m_bFlat)
        CreateFlatBrush();
    if (m_hWnd != nullptr)
        Invalidate();
}

void CWTKTabWnd::SetActiveTabTextColor(COLORREF clr)
{
    m_clrActiveTabFg = clr;
    if (m_hWnd != nullptr)
        Invalidate();
}

void CWTKTabWnd::CreateFlatBrush()
{
    m_brActiveTab.DeleteObject();
    m_brActiveTab.CreateSolidBrush(m_clrActiveTabBk == static_cast<COLORREF>(-1) ? WTKGetGlobalData().clrBtnFace
                                                                                 : m_clrActiveTabBk);
}

void CWTKTabWnd::SetLocation(int location)
{
    m_location = location;
    RecalcLayout();
    CWnd* pParent = GetParent();
    if (pParent != nullptr)
        pParent->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void CWTKTabWnd::InitAutoColors()
{
    if (!m_bIsAutoColor)
        return;
    m_arAutoColors.RemoveAll();
    if (WTKGetGlobalData().nBitsPerPixel <= 8) {
        for (COLORREF clr : kAutoColors8)
            m_arAutoColors.Add(clr);
    } else {
        for (COLORREF clr : kAutoColors)
            m_arAutoColors.Add(clr);
    }
}

// ---- Images ----

BOOL CWTKTabWnd::SetImageList(UINT uiID, int cx, COLORREF clrTransparent)
{
    if (m_bFlat || cx <= 0)
        return FALSE;
    HINSTANCE hInst = FwFindResourceHandle(MAKEINTRESOURCEA(uiID), RT_BITMAP);
    if (hInst == nullptr)
        return FALSE;
    auto hbmp = static_cast<HBITMAP>(::LoadImageA(hInst, MAKEINTRESOURCEA(uiID), IMAGE_BITMAP, 0, 0, 0));
    if (hbmp == nullptr)
        return FALSE;
    BITMAP bm {};
    ::GetObjectA(hbmp, sizeof(bm), &bm);
    const BOOL bMask = clrTransparent != static_cast<COLORREF>(-1);
    CImageList images;
    BOOL bOk = bm.bmHeight > 0 &&
        images.Create(cx, bm.bmHeight, CWTKButton::GetImageListColorFlag(hbmp) | (bMask ? ILC_MASK : 0), 0, 0);
    if (bOk) {
        bOk = (bMask ? ImageList_AddMasked(images.GetSafeHandle(), hbmp, clrTransparent)
                     : ImageList_Add(images.GetSafeHandle(), hbmp, nullptr)) >= 0;
    }
    ::DeleteObject(hbmp);
    if (!bOk)
        return FALSE;

    m_Images.DeleteImageList();
    m_Images.Attach(images.Detach());
    m_hImageList = nullptr;
    m_sizeImage = CSize(cx, bm.bmHeight);
    SetTabsHeight();
    RecalcLayout();
    return TRUE;
}

BOOL CWTKTabWnd::SetImageList(HIMAGELIST hImageList)
{
    if (m_bFlat || hImageList == nullptr)
        return FALSE;
    int cx = 0;
    int cy = 0;
    if (ImageList_GetImageCount(hImageList) > 0) {
        IMAGEINFO info {};
        ImageList_GetImageInfo(hImageList, 0, &info);
        cx = info.rcImage.right - info.rcImage.left;
        cy = info.rcImage.bottom - info.rcImage.top;
    } else {
        ImageList_GetIconSize(hImageList, &cx, &cy);
    }
    m_Images.DeleteImageList();
    m_hImageList = hImageList;
    m_sizeImage = CSize(cx, cy);
    SetTabsHeight();
    RecalcLayout();
    return TRUE;
}

HIMAGELIST CWTKTabWnd::GetImageList() const
{
    return m_hImageList != nullptr ? m_hImageList : m_Images.GetSafeHandle();
}

int CWTKTabWnd::GetClientRight() const
{
    return m_rectTabStrip.right;
}

// ---- Layout ----

int CWTKTabWnd::CreateFittingFont(CFont& font, const LOGFONTA& lfStart, int nTabsHeight)
{
    LOGFONTA lf = lfStart;
    // Heights are in pixels, as the stock font's negative character height.
    int nHeight = std::max<int>(std::abs(lf.lfHeight), kMinFlatFontHeight);
    for (;;) {
        lf.lfHeight = -nHeight;
        font.DeleteObject();
        if (!font.CreateFontIndirect(&lf))
            return 0;
        if (nHeight <= kMinFlatFontHeight || TextHeight(font) + 2 <= nTabsHeight)
            return nHeight;
        --nHeight;
    }
}

void CWTKTabWnd::SetupFlatFonts()
{
    LOGFONTA lf {};
    ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    LOGFONTA lfFlat {};
    lfFlat.lfCharSet = lf.lfCharSet;
    lfFlat.lfHeight = lf.lfHeight != 0 ? lf.lfHeight : -11;
    lfFlat.lfWeight = FW_NORMAL;
    lstrcpynA(lfFlat.lfFaceName, kFlatFontFace, LF_FACESIZE);
    const int nHeight = CreateFittingFont(m_fntTabs, lfFlat, m_nTabsHeight);
    lfFlat.lfHeight = -std::max(nHeight, kMinFlatFontHeight);
    lfFlat.lfWeight = FW_BOLD;
    m_fntTabsBold.DeleteObject();
    m_fntTabsBold.CreateFontIndirect(&lfFlat);
}

void CWTKTabWnd::SetTabsHeight()
{
    if (m_bFlat) {
        m_nTabsHeight = ::GetSystemMetrics(SM_CYHSCROLL) + 2;
        SetupFlatFonts();
        return;
    }
    m_nTabsHeight = std::max<int>(m_sizeImage.cy + 2 * kTabImageMargin, WTKGetGlobalData().nTextHeightHorz + 2);
}

void CWTKTabWnd::RecalcLayout()
{
    if (m_hWnd == nullptr)
        return;

    CRect rectClient;
    GetClientRect(rectClient);
    const int nBorder = m_nTabBorderSize;
    const int nVisible = GetVisibleTabsNum();
    const BOOL bHideTabs = (m_bHideSingleTab && nVisible < 2) || (m_bHideNoTabs && nVisible == 0 && !m_bSharedScroll);
    const int nTabsHeight = bHideTabs ? 0 : m_nTabsHeight;

    m_rectTabsArea = rectClient;
    m_rectTabsArea.DeflateRect(nBorder, 0);
    if (m_location == kLocationBottom) {
        m_rectTabsArea.top = rectClient.bottom - nTabsHeight;
        m_rectTabsArea.bottom = rectClient.bottom;
    } else {
        m_rectTabsArea.top = rectClient.top;
        m_rectTabsArea.bottom = rectClient.top + nTabsHeight;
    }
    m_rectTabStrip = m_rectTabsArea;

    // Scroll buttons: the flat style keeps them at the left (first, left, right, last), the
    // others at the right end; the close button goes right.
    if (m_bScroll) {
        CWTKMenuGlyphs::Initialize();
        const int nSize =
            bHideTabs ? 0 : std::min<int>(nTabsHeight - 4, CWTKMenuGlyphs::GetSize().cx + kScrollButtonImagePadding);
        const int y = m_rectTabsArea.top + (m_rectTabsArea.Height() - nSize) / 2;
        auto place = [&](CWTKTabButton& button, int x, BOOL bShow) {
            if (button.GetSafeHwnd() == nullptr)
                return;
            button.SetWindowPos(nullptr, x, y, nSize, nSize, SWP_NOZORDER | SWP_NOACTIVATE);
            button.ShowWindow(bShow && nSize > 0 ? SW_SHOWNOACTIVATE : SW_HIDE);
        };
        if (m_bFlat) {
            int x = m_rectTabsArea.left;
            for (CWTKTabButton* pButton : {&m_btnScrollFirst, &m_btnScrollLeft, &m_btnScrollRight, &m_btnScrollLast}) {
                place(*pButton, x, TRUE);
                x += nSize;
            }
            m_rectTabStrip.left = x;
            if (m_bCloseBtn) {
                m_rectTabStrip.right -= nSize;
                place(m_btnClose, m_rectTabStrip.right, TRUE);
            } else {
                place(m_btnClose, 0, FALSE);
            }
        } else {
            int x = m_rectTabsArea.right;
            if (m_bCloseBtn) {
                x -= nSize;
                place(m_btnClose, x, TRUE);
            } else {
                place(m_btnClose, 0, FALSE);
            }
            x -= nSize;
            place(m_btnScrollRight, x, TRUE);
            x -= nSize;
            place(m_btnScrollLeft, x, TRUE);
            m_rectTabStrip.right = x;
        }
    }

    // The window area.
    m_rectWndArea = rectClient;
    const int nDeflate = nBorder > 0 ? nBorder + 1 : 0;
    m_rectWndArea.DeflateRect(nDeflate, nDeflate);
    if (nTabsHeight > 0) {
        const int nGap = m_bFlat ? nBorder : 2 * nBorder;
        if (m_location == kLocationBottom)
            m_rectWndArea.bottom = std::min<int>(m_rectWndArea.bottom, m_rectTabsArea.top - nGap);
        else
            m_rectWndArea.top = std::max<int>(m_rectWndArea.top, m_rectTabsArea.bottom + nGap);
    }
    m_rectWndArea.NormalizeRect();
    if (m_bAutoSizeWindow) {
        for (int i = 0; i < m_iTabsNum; ++i) {
            CWnd* pWnd = m_arTabs[i]->m_pWnd;
            if (m_arTabs[i]->m_bVisible && pWnd != nullptr && pWnd->GetSafeHwnd() != nullptr)
                pWnd->SetWindowPos(nullptr, m_rectWndArea.left, m_rectWndArea.top, m_rectWndArea.Width(),
                                   m_rectWndArea.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }

    // The shared scroll bar and its splitter.
    if (m_bSharedScroll && m_pScrollBar != nullptr && m_pScrollBar->GetSafeHwnd() != nullptr) {
        const int nMinWidth = 2 * ::GetSystemMetrics(SM_CXHSCROLL);
        if (m_nHorzScrollWidth == 0)
            m_nHorzScrollWidth = std::max(nMinWidth, m_rectTabsArea.Width() / 2);
        const int nMaxWidth = std::max(nMinWidth, m_rectTabsArea.Width() - kSplitterWidth - 2 * kSplitterWidth);
        m_nHorzScrollWidth = std::clamp(m_nHorzScrollWidth, nMinWidth, nMaxWidth);
        CRect rectScroll = m_rectTabsArea;
        rectScroll.left = rectScroll.right - m_nHorzScrollWidth;
        if (m_location == kLocationBottom)
            rectScroll.top += kScrollBarInset;
        else
            rectScroll.bottom -= kScrollBarInset;
        m_pScrollBar->SetWindowPos(nullptr, rectScroll.left, rectScroll.top, rectScroll.Width(), rectScroll.Height(),
                                   SWP_NOZORDER | SWP_NOACTIVATE);
        m_rectTabSplitter =
            CRect(rectScroll.left - kSplitterWidth, m_rectTabsArea.top, rectScroll.left, m_rectTabsArea.bottom);
        m_rectTabStrip.right = std::min<int>(m_rectTabStrip.right, m_rectTabSplitter.left);
    }

    if (m_rectTabStrip.right < m_rectTabStrip.left)
        m_rectTabStrip.right = m_rectTabStrip.left;

    CClientDC dc(this);
    RecalcTabWidths(&dc);
    SetTabsScrollPositions();
    UpdateScrollButtonsState();
    UpdateToolTipRects();
}

void CWTKTabWnd::RecalcTabWidths(CDC* pDC)
{
    const WTKGlobalData& g = WTKGetGlobalData();
    CFont* pOldFont = m_bFlat ? pDC->SelectObject(&m_fntTabs) : pDC->SelectObject(const_cast<CFont*>(&g.fontRegular));
    const BOOL bImages = !m_bFlat && GetImageList() != nullptr;
    for (int i = 0; i < m_iTabsNum; ++i) {
        CWTKTabInfo* pTab = m_arTabs[i];
        const int nText = pTab->m_bIconOnly ? 0 : pDC->GetTextExtent(pTab->m_strText).cx;
        int nWidth = nText + kTabLabelPadding + kTabEdgePadding;
        if (bImages && pTab->m_uiIcon != static_cast<UINT>(-1))
            nWidth += m_sizeImage.cx;
        if (m_bIsSlanted)
            nWidth += m_nTabsHeight + kTabEdgePadding;
        pTab->m_nFullWidth = nWidth;
    }
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
}

void CWTKTabWnd::SetTabsScrollPositions()
{
    const int nStripWidth = m_rectTabStrip.Width();
    const int nTabsHeight = m_rectTabsArea.Height();
    const int nSlantOverlap = m_bIsSlanted ? m_nTabsHeight - 4 - 1 : 0;
    const int nFlatExtension = m_bFlat ? nTabsHeight / 2 : 0;

    std::vector<int> widths(static_cast<size_t>(m_iTabsNum), 0);
    int nTotal = 0;
    int nVisible = 0;
    for (int i = 0; i < m_iTabsNum; ++i) {
        if (!m_arTabs[i]->m_bVisible)
            continue;
        widths[static_cast<size_t>(i)] = m_arTabs[i]->m_nFullWidth;
        nTotal += m_arTabs[i]->m_nFullWidth + 1;
        ++nVisible;
    }

    // The 3-D style without scroll buttons shares the width when the tabs do not fit.
    if (!m_bScroll && !m_bFlat && nVisible > 0 && nTotal > nStripWidth && nStripWidth > 0) {
        int nShare = nStripWidth / nVisible;
        int nSpare = 0;
        int nWide = 0;
        for (int i = 0; i < m_iTabsNum; ++i) {
            if (!m_arTabs[i]->m_bVisible)
                continue;
            if (widths[static_cast<size_t>(i)] < nShare)
                nSpare += nShare - widths[static_cast<size_t>(i)];
            else
                ++nWide;
        }
        if (nWide > 0)
            nShare += nSpare / nWide;
        const BOOL bEqual = nShare < m_sizeImage.cx + 4;
        for (int i = 0; i < m_iTabsNum; ++i) {
            if (!m_arTabs[i]->m_bVisible)
                continue;
            int& w = widths[static_cast<size_t>(i)];
            if (bEqual)
                w = nStripWidth / nVisible - 1;
            else if (m_arTabs[i]->m_bIconOnly)
                w = m_sizeImage.cx + kTabEdgePadding;
            else
                w = std::min(nShare - 1, w);
        }
    }

    // In the slanted style the offset is where the first visible tab starts.
    if (m_bIsSlanted) {
        m_nFirstVisibleTab = std::clamp(m_nFirstVisibleTab, 0, std::max(m_iTabsNum - 1, 0));
        int nOffset = 0;
        for (int i = 0; i < m_nFirstVisibleTab; ++i) {
            if (m_arTabs[i]->m_bVisible)
                nOffset += widths[static_cast<size_t>(i)] - nSlantOverlap;
        }
        m_nTabsHorzOffset = nOffset;
    }

    int x = m_rectTabStrip.left - m_nTabsHorzOffset;
    const int xStart = x;
    for (int i = 0; i < m_iTabsNum; ++i) {
        CWTKTabInfo* pTab = m_arTabs[i];
        if (!pTab->m_bVisible) {
            pTab->m_rect.SetRectEmpty();
            continue;
        }
        const int w = widths[static_cast<size_t>(i)];
        pTab->m_rect = CRect(x, m_rectTabsArea.top, x + w + nFlatExtension, m_rectTabsArea.bottom);
        x += m_bIsSlanted ? w - nSlantOverlap : w + 1;
    }
    m_nTabsTotalWidth = x - xStart + nFlatExtension;

    const int nOldOffset = m_nTabsHorzOffset;
    m_nTabsHorzOffsetMax = std::max(0, m_nTabsTotalWidth - nStripWidth);
    if (!m_bIsSlanted && m_nTabsHorzOffset > m_nTabsHorzOffsetMax) {
        m_nTabsHorzOffset = m_nTabsHorzOffsetMax;
        SetTabsScrollPositions();
        return;
    }
    if (nOldOffset != m_nTabsHorzOffset && m_hWnd != nullptr)
        InvalidateRect(m_rectTabsArea);
}

void CWTKTabWnd::UpdateScrollButtonsState()
{
    if (!m_bScroll)
        return;
    BOOL bCanLeft = m_nTabsHorzOffset > 0;
    BOOL bCanRight = m_nTabsHorzOffset < m_nTabsHorzOffsetMax;
    if (m_bIsSlanted) {
        bCanLeft = m_nFirstVisibleTab > 0;
        bCanRight = FALSE;
        for (int i = m_iTabsNum - 1; i >= 0; --i) {
            if (m_arTabs[i]->m_bVisible) {
                bCanRight = m_arTabs[i]->m_rect.right > m_rectTabStrip.right && m_nFirstVisibleTab < i;
                break;
            }
        }
    }
    auto enable = [](CWTKTabButton& button, BOOL bEnable) {
        if (button.GetSafeHwnd() == nullptr)
            return;
        if (!bEnable)
            button.SendMessage(WM_CANCELMODE);
        button.EnableWindow(bEnable);
    };
    enable(m_btnScrollLeft, bCanLeft);
    enable(m_btnScrollFirst, bCanLeft);
    enable(m_btnScrollRight, bCanRight);
    enable(m_btnScrollLast, bCanRight);
    enable(m_btnClose, GetActiveWnd() != nullptr);
}

void CWTKTabWnd::UpdateToolTipRects()
{
    if (m_pToolTip == nullptr || m_pToolTip->GetSafeHwnd() == nullptr)
        return;
    for (int i = 0; i < m_iTabsNum; ++i)
        m_pToolTip->SetToolRect(this, static_cast<UINT_PTR>(m_arTabs[i]->m_iTabID), m_arTabs[i]->m_rect);
}

void CWTKTabWnd::SetScrollOffset(int nOffset)
{
    m_nTabsHorzOffset = std::clamp(nOffset, 0, m_nTabsHorzOffsetMax);
    RecalcLayout();
    if (m_hWnd != nullptr)
        Invalidate();
}

BOOL CWTKTabWnd::EnsureVisible(int iTab)
{
    if (iTab < 0 || iTab >= m_iTabsNum || !m_arTabs[iTab]->m_bVisible)
        return FALSE;
    if (m_bIsSlanted) {
        if (iTab < m_nFirstVisibleTab) {
            m_nFirstVisibleTab = iTab;
        } else {
            while (m_nFirstVisibleTab < iTab && m_arTabs[iTab]->m_rect.right > m_rectTabStrip.right) {
                ++m_nFirstVisibleTab;
                SetTabsScrollPositions();
            }
        }
        RecalcLayout();
        if (m_hWnd != nullptr)
            Invalidate();
        return TRUE;
    }
    const CRect rect = m_arTabs[iTab]->m_rect;
    int nOffset = m_nTabsHorzOffset;
    if (rect.left < m_rectTabStrip.left)
        nOffset -= m_rectTabStrip.left - rect.left;
    else if (rect.right > m_rectTabStrip.right)
        nOffset += std::min<int>(rect.right - m_rectTabStrip.right, rect.left - m_rectTabStrip.left);
    if (nOffset != m_nTabsHorzOffset)
        SetScrollOffset(nOffset);
    return TRUE;
}

BOOL CWTKTabWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const HWND hWndButton = reinterpret_cast<HWND>(lParam);
    if (hWndButton == nullptr || HIWORD(wParam) != BN_CLICKED)
        return CWnd::OnCommand(wParam, lParam);

    if (hWndButton == m_btnClose.GetSafeHwnd()) {
        CWnd* pActive = GetActiveWnd();
        if (pActive != nullptr && pActive->GetSafeHwnd() != nullptr)
            pActive->SendMessage(WM_CLOSE);
        return TRUE;
    }
    if (hWndButton == m_btnScrollLeft.GetSafeHwnd()) {
        if (m_bIsSlanted) {
            m_nFirstVisibleTab = std::max(m_nFirstVisibleTab - 1, 0);
            RecalcLayout();
            Invalidate();
        } else {
            SetScrollOffset(m_nTabsHorzOffset - kScrollStep);
        }
        return TRUE;
    }
    if (hWndButton == m_btnScrollRight.GetSafeHwnd()) {
        if (m_bIsSlanted) {
            if (m_btnScrollRight.IsWindowEnabled())
                m_nFirstVisibleTab = std::min(m_nFirstVisibleTab + 1, std::max(m_iTabsNum - 1, 0));
            RecalcLayout();
            Invalidate();
        } else {
            SetScrollOffset(m_nTabsHorzOffset + kScrollStep);
        }
        return TRUE;
    }
    if (hWndButton == m_btnScrollFirst.GetSafeHwnd()) {
        SetScrollOffset(0);
        return TRUE;
    }
    if (hWndButton == m_btnScrollLast.GetSafeHwnd()) {
        SetScrollOffset(m_nTabsHorzOffsetMax);
        return TRUE;
    }
    return CWnd::OnCommand(wParam, lParam);
}

void CWTKTabWnd::OnSize(UINT /*nType*/, int /*cx*/, int /*cy*/)
{
    RecalcLayout();
    Invalidate();
}

void CWTKTabWnd::OnSettingChange(UINT /*uFlags*/, LPCSTR /*lpszSection*/)
{
    Default();
    if (!m_bFlat)
        return;
    SetTabsHeight();
    RecalcLayout();
    SynchronizeScrollBar();
}

void CWTKTabWnd::OnSysColorChange()
{
    Default();
    InitAutoColors();
    if (m_bFlat && m_clrActiveTabBk == static_cast<COLORREF>(-1))
        CreateFlatBrush();
    Invalidate();
}
