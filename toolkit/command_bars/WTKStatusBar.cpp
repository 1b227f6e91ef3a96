#include "command_bars/WTKStatusBar.h"

#include "command_bars/WTKIconSize.h"

#include "foundation/WTKGlobalData.h"

#include "bars/BarToolTip.h"
#include "core/ExceptionReport.h"
#include "gdi/MemDC.h"
#include "win/ClientDC.h"
#include "win/CmdUI.h"
#include "win/PaintDC.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CWTKStatusBar, CControlBar)

BEGIN_MESSAGE_MAP(CWTKStatusBar, CControlBar)
    ON_WM_PAINT()
    ON_WM_NCHITTEST()
    ON_WM_SYSCOMMAND()
    ON_WM_SIZE()
    ON_WM_SETTINGCHANGE()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_TIMER()
    ON_WM_DESTROY()
    ON_MESSAGE(WM_SETFONT, OnSetFont)
    ON_MESSAGE(WM_GETFONT, OnGetFont)
    ON_MESSAGE(WM_SETTEXT, OnSetText)
    ON_MESSAGE(WM_GETTEXT, OnGetText)
    ON_MESSAGE(WM_GETTEXTLENGTH, OnGetTextLength)
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
END_MESSAGE_MAP()

namespace {

// Space between two panes.
constexpr int kPaneGap = 2;
// Room round a pane's content, and between its icon and its text.
constexpr int kPanePadding = 4;
// Extra height above the text or the tallest icon.
constexpr int kExtraHeight = 4;
// Single line, vertically centred, no prefix processing.
constexpr UINT kPaneTextFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
// A bottom bar with a top border: the style the bar draws without border lines.
constexpr DWORD kBottomWithTopBorder = CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP;
constexpr DWORD kAlignAndBorderBits = 0xFF00;
constexpr DWORD kBorderBits = CBRS_BORDER_ANY | CBRS_BORDER_3D;

// Updates one pane from the frame's command-update handlers.
class CStatusBarCmdUI : public CCmdUI {
public:
    void Enable(BOOL bOn = TRUE) override
    {
        m_bEnableChanged = TRUE;
        auto* pBar = static_cast<CWTKStatusBar*>(m_pOther);
        const UINT nOld = pBar->GetPaneStyle(static_cast<int>(m_nIndex));
        pBar->SetPaneStyle(static_cast<int>(m_nIndex), bOn ? (nOld & ~kWTKPaneDisabled) : (nOld | kWTKPaneDisabled));
    }
    void SetCheck(int nCheck = 1) override
    {
        auto* pBar = static_cast<CWTKStatusBar*>(m_pOther);
        const UINT nOld = pBar->GetPaneStyle(static_cast<int>(m_nIndex));
        pBar->SetPaneStyle(static_cast<int>(m_nIndex), nCheck ? (nOld | kPaneStylePopOut) : (nOld & ~kPaneStylePopOut));
    }
    void SetText(LPCSTR lpszText) override
    {
        static_cast<CWTKStatusBar*>(m_pOther)->SetPaneText(static_cast<int>(m_nIndex), lpszText, TRUE);
    }
};

BOOL HasText(LPCSTR lpsz)
{
    return lpsz != nullptr && *lpsz != '\0';
}

}  // namespace

CWTKStatusBar::CWTKStatusBar()
{
    m_cxLeftBorder = 4;
    m_cxRightBorder = 0;
    m_cyTopBorder = 2;
    m_cyBottomBorder = 0;
}

CWTKStatusBar::~CWTKStatusBar()
{
    ReleaseAllPanes();
}

BOOL CWTKStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    return CreateEx(pParentWnd, 0, dwStyle, nID);
}

BOOL CWTKStatusBar::CreateEx(CWnd* pParentWnd, DWORD /*dwCtrlStyle*/, DWORD dwStyle, UINT nID)
{
    if (!CreateBar(nullptr, nullptr, dwStyle, pParentWnd, nID))
        return FALSE;
    RecalcLayout();
    return TRUE;
}

BOOL CWTKStatusBar::PreCreateWindow(CREATESTRUCTA& cs)
{
    // A bottom bar framed at its top only would draw a line the panes already show.
    if ((m_dwStyle & kAlignAndBorderBits) == kBottomWithTopBorder)
        m_dwStyle &= ~kBorderBits;
    return CControlBar::PreCreateWindow(cs);
}

// ---- Panes ----

WTKStatusBarPane* CWTKStatusBar::GetPane(int nIndex)
{
    if (nIndex < 0 || nIndex >= GetCount())
        return nullptr;
    return &m_panes[static_cast<size_t>(nIndex)];
}

const WTKStatusBarPane* CWTKStatusBar::GetPane(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetCount())
        return nullptr;
    return &m_panes[static_cast<size_t>(nIndex)];
}

void CWTKStatusBar::StopAnimation(WTKStatusBarPane& pane)
{
    if (pane.nFrameCount > 0 && m_hWnd != nullptr)
        KillTimer(pane.nID);
    pane.nFrameCount = 0;
    pane.nCurrFrame = 0;
}

void CWTKStatusBar::ReleasePane(WTKStatusBarPane& pane)
{
    StopAnimation(pane);
    if (pane.hImageList != nullptr) {
        ::ImageList_Destroy(pane.hImageList);
        pane.hImageList = nullptr;
    }
    pane.strText.Empty();
    pane.strToolTip.Empty();
}

void CWTKStatusBar::ReleaseAllPanes()
{
    for (WTKStatusBarPane& pane : m_panes)
        ReleasePane(pane);
}

BOOL CWTKStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount)
{
    ReleaseAllPanes();
    m_panes.clear();
    BOOL bResult =
        FwFalseOnException("status bar panes", [&]() { m_panes.resize(static_cast<size_t>(std::max(0, nIDCount))); });
    if (!bResult)
        m_panes.clear();

    if (bResult && lpIDArray != nullptr && !m_panes.empty()) {
        CClientDC dcScreen(nullptr);
        HGDIOBJ hOldFont = ::SelectObject(dcScreen, GetCurrentFont());
        for (int i = 0; i < GetCount(); i++) {
            WTKStatusBarPane& pane = m_panes[static_cast<size_t>(i)];
            pane.nID = lpIDArray[i];
            if (pane.nID == 0) {
                pane.cxText = ::GetSystemMetrics(SM_CXSCREEN) / 4;
                if (i == 0)
                    pane.nStyle |= kPaneStyleNoBorders | kWTKPaneStretch;
                continue;
            }
            CString strText;
            if (!strText.LoadString(pane.nID)) {
                bResult = FALSE;
                break;
            }
            pane.cxText = dcScreen.GetTextExtent(strText).cx;
            if (!SetPaneText(i, strText, FALSE)) {
                bResult = FALSE;
                break;
            }
        }
        ::SelectObject(dcScreen, hOldFont);
    }
    RecalcLayout();
    return bResult;
}

int CWTKStatusBar::CommandToIndex(UINT nIDFind) const
{
    for (int i = 0; i < GetCount(); i++) {
        if (m_panes[static_cast<size_t>(i)].nID == nIDFind)
            return i;
    }
    return -1;
}

UINT CWTKStatusBar::GetItemID(int nIndex) const
{
    const WTKStatusBarPane* pPane = GetPane(nIndex);
    return pPane != nullptr ? pPane->nID : 0;
}

void CWTKStatusBar::GetItemRect(int nIndex, LPRECT lpRect) const
{
    const WTKStatusBarPane* pPane = GetPane(nIndex);
    *lpRect = pPane != nullptr ? static_cast<RECT>(pPane->rect) : RECT {0, 0, 0, 0};
}

UINT CWTKStatusBar::GetPaneStyle(int nIndex) const
{
    const WTKStatusBarPane* pPane = GetPane(nIndex);
    return pPane != nullptr ? pPane->nStyle : 0;
}

void CWTKStatusBar::SetPaneStyle(int nIndex, UINT nStyle)
{
    WTKStatusBarPane* pPane = GetPane(nIndex);
    if (pPane == nullptr || pPane->nStyle == nStyle)
        return;
    pPane->nStyle = nStyle;
    if (m_hWnd != nullptr) {
        InvalidateRect(pPane->rect, FALSE);
        UpdateWindow();
    }
}

CString CWTKStatusBar::GetPaneText(int nIndex) const
{
    const WTKStatusBarPane* pPane = GetPane(nIndex);
    return pPane != nullptr ? pPane->strText : CString();
}

BOOL CWTKStatusBar::SetPaneText(int nIndex, LPCSTR lpszNewText, BOOL bUpdate)
{
    WTKStatusBarPane* pPane = GetPane(nIndex);
    if (pPane == nullptr)
        return FALSE;
    if (!HasText(lpszNewText)) {
        if (pPane->strText.IsEmpty())
            return TRUE;
        pPane->strText.Empty();
    } else {
        if (pPane->strText.Compare(lpszNewText) == 0)
            return TRUE;
        if (!FwFalseOnException("status bar text", [&]() { pPane->strText = lpszNewText; }))
            return FALSE;
    }
    if (bUpdate)
        InvalidatePaneContent(nIndex);
    return TRUE;
}

void CWTKStatusBar::SetPaneTextColor(int nIndex, COLORREF clrText, BOOL bUpdate)
{
    WTKStatusBarPane* pPane = GetPane(nIndex);
    if (pPane == nullptr || pPane->clrText == clrText)
        return;
    pPane->clrText = clrText;
    if (bUpdate)
        InvalidatePaneContent(nIndex);
}

void CWTKStatusBar::SetPaneIcon(int nIndex, HICON hIcon, BOOL bUpdate)
{
    WTKStatusBarPane* pPane = GetPane(nIndex);
    if (pPane == nullptr)
        return;
    StopAnimation(*pPane);

    if (hIcon == nullptr) {
        if (pPane->hImageList != nullptr) {
            ::ImageList_Destroy(pPane->hImageList);
            pPane->hImageList = nullptr;
        }
    } else if (pPane->hImageList == nullptr) {
        const CSize sizeIcon = WTKGetIconSize(hIcon);
        if (sizeIcon.cx <= 0 || sizeIcon.cy <= 0)
            return;
        pPane->hImageList = ::ImageList_Create(sizeIcon.cx, sizeIcon.cy, ILC_COLOR32 | ILC_MASK, 1, 0);
        if (pPane->hImageList == nullptr)
            return;
        pPane->cxIcon = sizeIcon.cx;
        pPane->cyIcon = sizeIcon.cy;
        ::ImageList_AddIcon(pPane->hImageList, hIcon);
        RecalcLayout();
    } else {
        // An animation may have left more frames: the icon is the one image from now on.
        while (::ImageList_GetImageCount(pPane->hImageList) > 1)
            ::ImageList_Remove(pPane->hImageList, 1);
        ::ImageList_ReplaceIcon(pPane->hImageList, 0, hIcon);
    }
    if (bUpdate)
        InvalidatePaneContent(nIndex);
}

void CWTKStatusBar::SetPaneAnimation(int nIndex, HIMAGELIST hImageList, UINT nFrameRate, BOOL bUpdate)
{
    WTKStatusBarPane* pPane = GetPane(nIndex);
    if (pPane == nullptr)
        return;
    StopAnimation(*pPane);
    if (pPane->hImageList != nullptr) {
        ::ImageList_Destroy(pPane->hImageList);
        pPane->hImageList = nullptr;
    }

    const int nCount = hImageList != nullptr ? ::ImageList_GetImageCount(hImageList) : 0;
    if (nCount > 0) {
        int cx = 0;
        int cy = 0;
        ::ImageList_GetIconSize(hImageList, &cx, &cy);
        pPane->hImageList = ::ImageList_Create(cx, cy, ILC_COLOR32 | ILC_MASK, nCount, 0);
        if (pPane->hImageList != nullptr) {
            for (int i = 0; i < nCount; i++) {
                HICON hIcon = ::ImageList_GetIcon(hImageList, i, ILD_NORMAL);
                if (hIcon == nullptr)
                    continue;
                ::ImageList_AddIcon(pPane->hImageList, hIcon);
                ::DestroyIcon(hIcon);
            }
            pPane->cxIcon = cx;
            pPane->cyIcon = cy;
            pPane->nFrameCount = ::ImageList_GetImageCount(pPane->hImageList);
            RecalcLayout();
            if (pPane->nFrameCount > 0 && m_hWnd != nullptr)
                SetTimer(pPane->nID, nFrameRate);
        }
    }
    if (bUpdate)
        InvalidatePaneContent(nIndex);
}

int CWTKStatusBar::GetCurrentFrame(int nIndex) const
{
    const WTKStatusBarPane* pPane = GetPane(nIndex);
    return pPane != nullptr ? pPane->nCurrFrame : 0;
}

void CWTKStatusBar::SetTipText(int nIndex, LPCSTR pszTipText)
{
    WTKStatusBarPane* pPane = GetPane(nIndex);
    if (pPane == nullptr)
        return;
    const CString strNew = HasText(pszTipText) ? CString(pszTipText) : CString();
    if (pPane->strToolTip.Compare(strNew) == 0)
        return;
    pPane->strToolTip = strNew;
    SetBarStyle(GetBarStyle() | CBRS_TOOLTIPS);
}

CString CWTKStatusBar::GetTipText(int nIndex) const
{
    const WTKStatusBarPane* pPane = GetPane(nIndex);
    return pPane != nullptr ? pPane->strToolTip : CString();
}

void CWTKStatusBar::EnablePaneProgressBar(int nIndex, long nTotal, BOOL bDisplayText, COLORREF clrBar,
                                          COLORREF clrBarDest, COLORREF clrProgressText)
{
    WTKStatusBarPane* pPane = GetPane(nIndex);
    if (pPane == nullptr)
        return;
    pPane->nProgressTotal = std::max(0L, nTotal);
    pPane->nProgressCurr = 0;
    pPane->bProgressText = bDisplayText;
    pPane->clrProgressBar = clrBar;
    pPane->clrProgressBarDest = clrBarDest;
    pPane->clrProgressText = clrProgressText;
    InvalidatePaneContent(nIndex);
}

void CWTKStatusBar::SetPaneProgress(int nIndex, long nCurr, BOOL bUpdate)
{
    WTKStatusBarPane* pPane = GetPane(nIndex);
    if (pPane == nullptr || pPane->nProgressCurr == nCurr)
        return;
    pPane->nProgressCurr = nCurr;
    if (bUpdate)
        InvalidatePaneContent(nIndex);
}

CRect CWTKStatusBar::PaneContentRect(const WTKStatusBarPane& pane) const
{
    CRect rect = pane.rect;
    if (pane.nStyle & kPaneStyleNoBorders)
        rect.top--;
    else
        rect.DeflateRect(1, 1);
    return rect;
}

void CWTKStatusBar::InvalidatePaneContent(int nIndex)
{
    const WTKStatusBarPane* pPane = GetPane(nIndex);
    if (pPane == nullptr || m_hWnd == nullptr)
        return;
    const CRect rect = PaneContentRect(*pPane);
    InvalidateRect(rect, FALSE);
    UpdateWindow();
}

WTKStatusBarPane* CWTKStatusBar::HitTestPane(CPoint point)
{
    for (WTKStatusBarPane& pane : m_panes) {
        if (pane.rect.PtInRect(point))
            return &pane;
    }
    return nullptr;
}

HFONT CWTKStatusBar::GetCurrentFont() const
{
    return m_hFont != nullptr ? m_hFont : static_cast<HFONT>(WTKGetGlobalData().fontRegular.GetSafeHandle());
}

BOOL CWTKStatusBar::IsLayoutRTL() const
{
    return m_hWnd != nullptr && (GetExStyle() & WS_EX_LAYOUTRTL) != 0;
}

// ---- Layout ----

CSize CWTKStatusBar::CalcFixedLayout(BOOL /*bStretch*/, BOOL bHorz)
{
    CClientDC dcScreen(nullptr);
    HGDIOBJ hOldFont = ::SelectObject(dcScreen, GetCurrentFont());
    TEXTMETRICA tm = {};
    dcScreen.GetTextMetrics(&tm);
    ::SelectObject(dcScreen, hOldFont);

    int cyContent = tm.tmHeight - tm.tmInternalLeading;
    for (const WTKStatusBarPane& pane : m_panes)
        cyContent = std::max(cyContent, pane.cyIcon);

    CRect rectInside(0, 0, 0, 0);
    CalcInsideRect(rectInside, bHorz);
    return CSize(32767, cyContent - rectInside.Height() + kExtraHeight);
}

void CWTKStatusBar::RecalcLayout()
{
    if (m_hWnd == nullptr)
        return;
    CRect rect;
    GetClientRect(&rect);
    CalcInsideRect(rect, TRUE);

    const int cxGrip = ::GetSystemMetrics(SM_CXVSCROLL) + 1;
    m_cxSizeBox = rect.Height() > cxGrip ? cxGrip : rect.Height();
    const int xLimit = m_bHideSizeBox ? rect.right + m_cxRightBorder + 1 : rect.right - m_cxSizeBox;

    int cxFree = kPaneGap + xLimit - rect.left;
    for (const WTKStatusBarPane& pane : m_panes) {
        cxFree -= pane.cxText + pane.cxIcon + kPaneGap + kPanePadding;
        if (pane.cxText > 0 && pane.cxIcon > 0)
            cxFree -= kPanePadding;
    }

    int xLeft = rect.left;
    for (WTKStatusBarPane& pane : m_panes) {
        if (xLeft >= xLimit) {
            pane.rect.SetRectEmpty();
            continue;
        }
        int cxPane = pane.cxIcon + pane.cxText;
        if (pane.cxIcon > 0 && pane.cxText > 0)
            cxPane += kPanePadding;
        if ((pane.nStyle & kWTKPaneStretch) && cxFree > 0) {
            cxPane += cxFree;
            cxFree = 0;
        }
        const int xRight = std::min(xLeft + cxPane + kPanePadding, xLimit);
        pane.rect = CRect(xLeft, rect.top, xRight, rect.bottom);
        xLeft = xRight + kPaneGap;
    }

    if (m_bHideSizeBox)
        m_rectSizeBox.SetRectEmpty();
    else
        m_rectSizeBox =
            CRect(xLimit, rect.top, xLimit + std::min(m_cxSizeBox, m_cyTopBorder + rect.Height()), rect.bottom);
}

LRESULT CWTKStatusBar::OnSizeParent(WPARAM wParam, LPARAM lParam)
{
    const auto* pLayout = reinterpret_cast<const SizeParentParams*>(lParam);
    CFrameWnd* pFrame = GetParentFrame();
    if (pLayout != nullptr && pLayout->hDWP != nullptr && pFrame != nullptr) {
        CRect rectFrameClient;
        pFrame->GetClientRect(&rectFrameClient);
        // The grip is shown only where it sizes the frame: its bottom-right corner.
        const BOOL bShowGrip = !pFrame->IsZoomed() && (pFrame->GetStyle() & WS_THICKFRAME) != 0 &&
            pLayout->rect.right == rectFrameClient.right && pLayout->rect.bottom == rectFrameClient.bottom;
        if (m_bHideSizeBox != !bShowGrip) {
            m_bHideSizeBox = !bShowGrip;
            RecalcLayout();
            Invalidate(FALSE);
        }
    }
    return CControlBar::OnSizeParent(wParam, lParam);
}

void CWTKStatusBar::OnSize(UINT /*nType*/, int /*cx*/, int /*cy*/)
{
    Default();
    RecalcLayout();
    Invalidate(FALSE);
}

void CWTKStatusBar::OnSettingChange(UINT /*uFlags*/, LPCSTR /*lpszSection*/)
{
    RecalcLayout();
    Invalidate(FALSE);
}

// ---- Drawing ----

void CWTKStatusBar::OnPaint()
{
    CPaintDC dcPaint(this);
    CRect rectClip;
    dcPaint.GetClipBox(&rectClip);
    CRect rectClient;
    GetClientRect(&rectClient);
    CMemDC memDC(&dcPaint, rectClient);
    CDC* pDC = &memDC;

    CWTKVisualManager* pLook = CWTKVisualManager::GetInstance();
    pLook->OnFillBarBackground(pDC, this, rectClient, rectClip);
    CRect rectBorders = rectClient;
    DrawBorders(pDC, rectBorders);

    const int nSaved = pDC->SaveDC();
    ::SelectObject(*pDC, GetCurrentFont());
    pDC->SetBkMode(TRANSPARENT);
    const WTKGlobalData& data = WTKGetGlobalData();
    pDC->SetTextColor(data.clrBtnText);
    pDC->SetBkColor(data.clrBtnFace);

    for (WTKStatusBarPane& pane : m_panes) {
        CRect rectVisible;
        if (pane.rect.IsRectEmpty() || !rectVisible.IntersectRect(pane.rect, rectClip))
            continue;
        DrawPane(pDC, pane);
    }
    if (!m_rectSizeBox.IsRectEmpty())
        pLook->OnDrawStatusBarSizeBox(pDC, this, m_rectSizeBox);
    pDC->RestoreDC(nSaved);
}

void CWTKStatusBar::DrawPane(CDC* pDC, WTKStatusBarPane& pane)
{
    CWTKVisualManager* pLook = CWTKVisualManager::GetInstance();
    pLook->OnDrawStatusBarPaneBorder(pDC, this, pane.rect, pane.nID, pane.nStyle);

    CRect rect = pane.rect;
    if (!(pane.nStyle & kPaneStyleNoBorders))
        rect.DeflateRect(2, 1);

    CRect rectText = rect;
    if (pane.hImageList != nullptr && pane.cxIcon > 0) {
        const int y = pane.cyIcon < rect.Height() ? rect.top + (rect.Height() - pane.cyIcon) / 2 : rect.top;
        ::ImageList_DrawEx(pane.hImageList, pane.nCurrFrame, *pDC, rect.left, y, 0, 0, CLR_NONE, CLR_NONE, ILD_NORMAL);
        rectText.left += pane.cxIcon + kPanePadding;
    }

    if (pane.nProgressTotal > 0) {
        rect.DeflateRect(1, 1);
        const WTKGlobalData& data = WTKGetGlobalData();
        const COLORREF clrBar =
            pane.clrProgressBar == kWTKNoColor ? ::GetSysColor(COLOR_HIGHLIGHT) : pane.clrProgressBar;
        const COLORREF clrText = pane.clrProgressText == kWTKNoColor ? data.clrBtnText : pane.clrProgressText;
        pLook->OnDrawStatusBarProgress(pDC, this, rect, static_cast<int>(pane.nProgressTotal),
                                       static_cast<int>(pane.nProgressCurr), clrBar, pane.clrProgressBarDest, clrText,
                                       pane.bProgressText);
        return;
    }

    if (pane.strText.IsEmpty() || pane.cxText <= 0)
        return;
    const WTKGlobalData& data = WTKGetGlobalData();
    COLORREF clrText = pane.clrText == kWTKNoColor ? data.clrBtnText : pane.clrText;
    if (pane.nStyle & kWTKPaneDisabled)
        clrText = data.clrGrayedText;
    const COLORREF clrOld = pDC->SetTextColor(clrText);
    pDC->DrawText(pane.strText, rectText, kPaneTextFormat);
    pDC->SetTextColor(clrOld);
}

// ---- Mouse and system ----

LRESULT CWTKStatusBar::OnNcHitTest(CPoint point)
{
    if (!m_bHideSizeBox && m_cxSizeBox > 0) {
        CRect rect;
        GetClientRect(&rect);
        CalcInsideRect(rect, TRUE);
        ScreenToClient(&point);
        const int cxHit = std::min(m_cxSizeBox - 1, rect.Height());
        if (point.x >= rect.right - cxHit && point.x < rect.right && point.y >= rect.top && point.y < rect.bottom)
            return IsLayoutRTL() ? HTBOTTOMLEFT : HTBOTTOMRIGHT;
    }
    return Default();
}

void CWTKStatusBar::OnSysCommand(UINT nID, LPARAM lParam)
{
    if (!m_bHideSizeBox && (nID & 0xFFF0) == SC_SIZE) {
        // The grip sizes the frame, not the bar.
        if (CFrameWnd* pFrame = GetParentFrame()) {
            pFrame->SendMessage(WM_SYSCOMMAND, nID, lParam);
            return;
        }
    }
    Default();
}

void CWTKStatusBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (m_bDblClickNotify) {
        if (const WTKStatusBarPane* pPane = HitTestPane(point)) {
            CWnd* pOwner = GetOwner();
            if (pOwner != nullptr)
                pOwner->PostMessage(WM_COMMAND, pPane->nID);
        }
    }
    CControlBar::OnLButtonDblClk(nFlags, point);
}

void CWTKStatusBar::OnTimer(UINT_PTR nIDEvent)
{
    for (int i = 0; i < GetCount(); i++) {
        WTKStatusBarPane& pane = m_panes[static_cast<size_t>(i)];
        if (pane.nID != nIDEvent || pane.nFrameCount <= 0)
            continue;
        pane.nCurrFrame++;
        if (pane.nCurrFrame >= pane.nFrameCount)
            pane.nCurrFrame = 0;
        CRect rect = PaneContentRect(pane);
        rect.right = std::min(rect.right, rect.left + pane.cxIcon + 2);
        InvalidateRect(rect, FALSE);
        UpdateWindow();
        return;
    }
    // Any other id belongs to no animated pane: nothing to advance.
}

void CWTKStatusBar::OnDestroy()
{
    ReleaseAllPanes();
    CControlBar::OnDestroy();
}

// ---- Text and font messages ----

LRESULT CWTKStatusBar::OnSetFont(WPARAM wParam, LPARAM lParam)
{
    m_hFont = reinterpret_cast<HFONT>(wParam);
    RecalcLayout();
    if (lParam)
        Invalidate();
    return 0;
}

LRESULT CWTKStatusBar::OnGetFont(WPARAM, LPARAM)
{
    return reinterpret_cast<LRESULT>(GetCurrentFont());
}

// 0 when the message pane took the text, -1 when there is no message pane or the copy failed.
LRESULT CWTKStatusBar::OnSetText(WPARAM, LPARAM lParam)
{
    const int nIndex = CommandToIndex(0);
    if (nIndex < 0)
        return -1;
    return SetPaneText(nIndex, reinterpret_cast<LPCSTR>(lParam)) ? 0 : -1;
}

LRESULT CWTKStatusBar::OnGetText(WPARAM wParam, LPARAM lParam)
{
    auto* lpszDest = reinterpret_cast<LPSTR>(lParam);
    const int cchMax = static_cast<int>(std::min<WPARAM>(wParam, INT_MAX));
    // No room even for the terminating zero: nothing is written.
    if (lpszDest == nullptr || cchMax <= 0)
        return 0;
    const int nIndex = CommandToIndex(0);
    const CString strText = nIndex >= 0 ? GetPaneText(nIndex) : CString();
    const int nCopy = std::min(cchMax - 1, strText.GetLength());
    memcpy(lpszDest, static_cast<LPCSTR>(strText), static_cast<size_t>(nCopy));
    lpszDest[nCopy] = '\0';
    return nCopy + 1;
}

LRESULT CWTKStatusBar::OnGetTextLength(WPARAM, LPARAM)
{
    const int nIndex = CommandToIndex(0);
    return nIndex >= 0 ? GetPaneText(nIndex).GetLength() : 0;
}

// ---- Commands and tooltips ----

void CWTKStatusBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    CStatusBarCmdUI state;
    state.m_pOther = this;
    state.m_nIndexMax = static_cast<UINT>(GetCount());
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; state.m_nIndex++) {
        state.m_nID = m_panes[state.m_nIndex].nID;
        state.DoUpdate(pTarget, bDisableIfNoHndler);
    }
    CControlBar::OnUpdateCmdUI(pTarget, bDisableIfNoHndler);
}

INT_PTR CWTKStatusBar::OnToolHitTest(CPoint point, TTTOOLINFOA* pTI) const
{
    const INT_PTR nHit = CControlBar::OnToolHitTest(point, pTI);
    if (nHit != -1)
        return nHit;
    for (const WTKStatusBarPane& pane : m_panes) {
        if (pane.strToolTip.IsEmpty() || !pane.rect.PtInRect(point))
            continue;
        if (pTI != nullptr) {
            pTI->hwnd = m_hWnd;
            pTI->uId = pane.nID;
            pTI->rect = pane.rect;
            pTI->lpszText = CBarToolTip::DuplicateText(pane.strToolTip);
        }
        return pane.nID;
    }
    return -1;
}
