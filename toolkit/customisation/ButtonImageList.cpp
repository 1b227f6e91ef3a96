#include "customisation/ButtonImageList.h"

#include "command_bars/WTKToolbarButton.h"
#include "foundation/WTKGlobalData.h"
#include "foundation/WTKImageStrip.h"

#include "gdi/DC.h"
#include "ole/OleDataSource.h"
#include "win/ClientDC.h"

#include <algorithm>

namespace {
// A button is its image plus this much.
constexpr int kButtonExtraWidth = 6;
constexpr int kButtonExtraHeight = 7;
// Room round the grid, between rows and between buttons.
constexpr int kMarginX = 4;
constexpr int kMarginY = 5;
constexpr int kRowGap = 5;
constexpr int kButtonGap = 4;
// The selection frame and what its repaint covers.
constexpr int kSelectionGrow = 2;
constexpr UINT kScrollBarId = 1;

int ScrollBarWidth()
{
    return ::GetSystemMetrics(SM_CXVSCROLL);
}

// The window of a button's control, or one of its children, belongs to that button.
BOOL IsButtonWindow(CWTKToolbarButton* pButton, HWND hWnd)
{
    HWND hWndButton = pButton->GetHwnd();
    return hWndButton != nullptr && (hWnd == hWndButton || ::IsChild(hWndButton, hWnd));
}
}  // namespace

BEGIN_MESSAGE_MAP(CButtonImageList, CButton)
    ON_WM_SIZE()
    ON_WM_VSCROLL()
    ON_WM_LBUTTONDOWN()
    // A quick second click is a click too, not the button control's double click.
    ON_WM_LBUTTONDBLCLK()
    ON_WM_GETDLGCODE()
    ON_WM_KEYDOWN()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_ENABLE()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_CTLCOLOR()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CButtonImageList::~CButtonImageList() = default;

void CButtonImageList::SetImages(CWTKImageStrip* pImages)
{
    m_pImages = pImages;
    const CSize sizeImage = pImages != nullptr ? pImages->GetImageSize() : CSize(0, 0);
    m_sizeButton = CSize(sizeImage.cx + kButtonExtraWidth, sizeImage.cy + kButtonExtraHeight);
    RemoveButtons();
}

void CButtonImageList::AddButton(CWTKToolbarButton* pButton)
{
    if (pButton == nullptr)
        return;
    m_Buttons.push_back(pButton);
    pButton->OnChangeParentWnd(this);
    RebuildLocations();
    if (HWND hWndButton = pButton->GetHwnd())
        ::EnableWindow(hWndButton, FALSE);
}

void CButtonImageList::RemoveButtons()
{
    m_pSelButton = nullptr;
    for (CWTKToolbarButton* pButton : m_Buttons)
        pButton->OnChangeParentWnd(nullptr);
    m_Buttons.clear();
    m_iScrollOffset = 0;
    m_iScrollTotal = 0;
    m_nRows = 0;
    if (m_wndScrollBar.GetSafeHwnd() != nullptr) {
        m_wndScrollBar.EnableWindow(FALSE);
        m_wndScrollBar.SetScrollRange(0, 0);
        m_wndScrollBar.SetScrollPos(0);
    } else if (GetSafeHwnd() != nullptr) {
        ShowScrollBar(SB_VERT, FALSE);
        SetScrollRange(SB_VERT, 0, 0);
    }
    if (GetSafeHwnd() != nullptr)
        Invalidate();
}

CScrollBar* CButtonImageList::GetScrollBarCtrl()
{
    return m_wndScrollBar.GetSafeHwnd() != nullptr ? &m_wndScrollBar : nullptr;
}

int CButtonImageList::GetRowStep() const
{
    return m_sizeButton.cy + kRowGap;
}

CRect CButtonImageList::GetGridArea() const
{
    CRect rectArea;
    GetClientRect(rectArea);
    rectArea.right -= ScrollBarWidth() + 1;
    rectArea.DeflateRect(kMarginX, kMarginY);
    return rectArea;
}

int CButtonImageList::IndexOf(const CWTKToolbarButton* pButton) const
{
    const auto it = std::find(m_Buttons.begin(), m_Buttons.end(), pButton);
    return it == m_Buttons.end() ? -1 : static_cast<int>(it - m_Buttons.begin());
}

CRect CButtonImageList::GetShownRect(const CWTKToolbarButton* pButton) const
{
    CRect rect = pButton->GetRect();
    rect.OffsetRect(0, -m_iScrollOffset);
    return rect;
}

void CButtonImageList::RebuildLocations()
{
    if (GetSafeHwnd() == nullptr || m_Buttons.empty())
        return;
    const CRect rectArea = GetGridArea();

    CClientDC dcScreen(nullptr);
    int x = rectArea.left;
    int y = rectArea.top;
    for (CWTKToolbarButton* pButton : m_Buttons) {
        CSize size = pButton->OnCalculateSize(&dcScreen, m_sizeButton, TRUE);
        if (x + size.cx > rectArea.right) {
            if (x == rectArea.left) {
                size.cx = rectArea.Width();
            } else {
                x = rectArea.left;
                y += size.cy + kRowGap;
            }
        }
        const CRect rect(x, y, x + size.cx, y + m_sizeButton.cy);
        if (rect != pButton->GetRect()) {
            pButton->SetRect(rect);
            pButton->OnMove();
        }
        x = rect.right + kButtonGap;
    }
    m_bInited = TRUE;
    UpdateScrollRange();
}

void CButtonImageList::UpdateScrollRange()
{
    CRect rectClient;
    GetClientRect(rectClient);
    const CRect rectArea = GetGridArea();

    const int nStep = GetRowStep();
    m_nRows = nStep > 0 ? rectArea.Height() / nStep : 0;
    const int nHiddenRows = nStep > 0 ? m_Buttons.back()->GetRect().bottom / nStep - m_nRows : 0;
    m_iScrollTotal = std::max(0, nHiddenRows) * nStep;
    if (nHiddenRows > 0 && m_wndScrollBar.GetSafeHwnd() == nullptr) {
        CRect rectBar = rectClient;
        rectBar.DeflateRect(1, 1);
        rectBar.left = rectBar.right - (ScrollBarWidth() + 1);
        m_wndScrollBar.Create(WS_CHILD | WS_VISIBLE | SBS_VERT, rectBar, this, kScrollBarId);
    }
    // The offset never lies past the end, also after the list shrank.
    m_iScrollOffset = std::min(m_iScrollOffset, m_iScrollTotal);
    if (m_wndScrollBar.GetSafeHwnd() != nullptr) {
        m_wndScrollBar.EnableWindow(m_iScrollTotal > 0);
        m_wndScrollBar.SetScrollRange(0, m_iScrollTotal);
        m_wndScrollBar.SetScrollPos(m_iScrollOffset);
    }
}

void CButtonImageList::OnSize(UINT nType, int cx, int cy)
{
    CButton::OnSize(nType, cx, cy);
    RebuildLocations();
}

void CButtonImageList::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar*)
{
    const int nStep = GetRowStep();
    int iOffset = m_iScrollOffset;
    switch (nSBCode) {
    case SB_LINEUP:
        iOffset -= nStep;
        break;
    case SB_LINEDOWN:
        iOffset += nStep;
        break;
    case SB_PAGEUP:
        iOffset -= nStep * m_nRows;
        break;
    case SB_PAGEDOWN:
        iOffset += nStep * m_nRows;
        break;
    case SB_THUMBPOSITION:
        // The grid snaps to a whole row where the thumb was let go.
        iOffset = nStep > 0 ? nStep * ((static_cast<int>(nPos) + nStep / 2) / nStep) : 0;
        break;
    case SB_TOP:
        iOffset = 0;
        break;
    case SB_BOTTOM:
        iOffset = m_iScrollTotal;
        break;
    default:
        return;  // the grid follows the thumb only when it is released
    }
    ScrollTo(iOffset);
}

void CButtonImageList::ScrollTo(int iOffset)
{
    iOffset = std::clamp(iOffset, 0, m_iScrollTotal);
    if (iOffset == m_iScrollOffset)
        return;
    m_iScrollOffset = iOffset;
    if (m_wndScrollBar.GetSafeHwnd() != nullptr)
        m_wndScrollBar.SetScrollPos(m_iScrollOffset);
    CRect rect;
    GetClientRect(rect);
    rect.right -= ScrollBarWidth() + 2;
    rect.DeflateRect(1, 1);
    InvalidateRect(rect);
}

void CButtonImageList::Draw(CDC* pDC)
{
    if (!m_bInited)
        RebuildLocations();
    const WTKGlobalData& data = WTKGetGlobalData();
    CRect rectClient;
    GetClientRect(rectClient);
    pDC->FillSolidRect(rectClient, data.clrBtnFace);

    const BOOL bEnabled = IsWindowEnabled();
    WTKDrawState ds;
    if (m_pImages != nullptr && m_pImages->PrepareDraw(ds)) {
        for (CWTKToolbarButton* pButton : m_Buttons) {
            const CRect rect = GetShownRect(pButton);
            if (rect.top >= rectClient.bottom)
                break;
            if (rect.bottom <= rectClient.top)
                continue;
            const UINT nStyleSaved = pButton->m_nStyle;
            if (!bEnabled)
                pButton->m_nStyle |= TBBS_DISABLED;
            pButton->OnDraw(pDC, rect, m_pImages, TRUE, FALSE, FALSE, TRUE, TRUE);
            pButton->m_nStyle = nStyleSaved;
        }
        m_pImages->EndDraw(ds);
    }

    if (bEnabled && m_pSelButton != nullptr) {
        CRect rect = GetShownRect(m_pSelButton);
        if (m_pSelButton->GetHwnd() != nullptr)
            rect.InflateRect(0, kSelectionGrow);
        if (m_bIsFocused) {
            pDC->Draw3dRect(rect, data.clrBtnShadow, data.clrBtnHilite);
        } else {
            pDC->DrawFocusRect(rect);
            rect.DeflateRect(1, 1);
            pDC->DrawFocusRect(rect);
        }
    }
    pDC->Draw3dRect(rectClient, data.clrBtnShadow, data.clrBtnHilite);
}

void CButtonImageList::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    Draw(CDC::FromHandle(lpDrawItemStruct->hDC));
}

CWTKToolbarButton* CButtonImageList::HitTest(CPoint point) const
{
    for (CWTKToolbarButton* pButton : m_Buttons) {
        if (GetShownRect(pButton).PtInRect(point))
            return pButton;
    }
    return nullptr;
}

void CButtonImageList::SelectButton(CWTKToolbarButton* pButton)
{
    if (pButton == m_pSelButton) {
        RedrawSelection();
        return;
    }
    CRect rectClient;
    GetClientRect(rectClient);
    if (m_pSelButton != nullptr)
        InvalidateSelectionFrame(m_pSelButton);
    m_pSelButton = pButton;
    if (pButton != nullptr) {
        const CRect rect = GetShownRect(pButton);
        if (rect.top >= rectClient.bottom || rect.bottom <= rectClient.top) {
            ScrollTo(pButton->GetRect().bottom - rectClient.Height());
            Invalidate();
        } else {
            InvalidateSelectionFrame(pButton);
        }
    }
    UpdateWindow();
    if (CWnd* pParent = GetParent())
        pParent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), 0), reinterpret_cast<LPARAM>(GetSafeHwnd()));
}

BOOL CButtonImageList::SelectButton(int iImage)
{
    if (iImage < 0) {
        SelectButton(static_cast<CWTKToolbarButton*>(nullptr));
        return TRUE;
    }
    for (CWTKToolbarButton* pButton : m_Buttons) {
        if (pButton->GetImage() == iImage) {
            SelectButton(pButton);
            return TRUE;
        }
    }
    return FALSE;
}

void CButtonImageList::InvalidateSelectionFrame(const CWTKToolbarButton* pButton)
{
    CRect rect = GetShownRect(pButton);
    rect.InflateRect(kSelectionGrow, kSelectionGrow);
    InvalidateRect(rect);
}

void CButtonImageList::RedrawSelection()
{
    if (m_pSelButton == nullptr || GetSafeHwnd() == nullptr)
        return;
    InvalidateSelectionFrame(m_pSelButton);
    UpdateWindow();
}

void CButtonImageList::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (m_Buttons.empty()) {
        CButton::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }
    const int iLast = static_cast<int>(m_Buttons.size()) - 1;
    const int iSel = IndexOf(m_pSelButton);
    int iNew = iSel;
    switch (nChar) {
    case VK_END:
        iNew = iLast;
        break;
    case VK_HOME:
        iNew = 0;
        break;
    case VK_RIGHT:
    case VK_DOWN:
        iNew = iSel < 0 ? 0 : std::min(iSel + 1, iLast);
        break;
    case VK_LEFT:
    case VK_UP:
        iNew = iSel < 0 ? 0 : std::max(iSel - 1, 0);
        break;
    default:
        CButton::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }
    if (iNew != iSel)
        SelectButton(m_Buttons[static_cast<size_t>(iNew)]);
}

void CButtonImageList::OnSetFocus(CWnd* pOldWnd)
{
    CButton::OnSetFocus(pOldWnd);
    m_bIsFocused = TRUE;
    if (m_pSelButton == nullptr && !m_Buttons.empty())
        SelectButton(m_Buttons.front());
    RedrawSelection();
}

void CButtonImageList::OnKillFocus(CWnd* pNewWnd)
{
    CButton::OnKillFocus(pNewWnd);
    m_bIsFocused = FALSE;
    RedrawSelection();
}

void CButtonImageList::OnLButtonDown(UINT, CPoint point)
{
    SetFocus();
    CWTKToolbarButton* pButton = HitTest(point);
    if (pButton == nullptr)
        return;
    SelectButton(pButton);
    if (m_bEnableDragFromList)
        StartDrag(pButton);
}

void CButtonImageList::StartDrag(CWTKToolbarButton* pButton)
{
    pButton->m_bDragFromCollection = TRUE;
    COleDataSource srcItem;
    if (pButton->PrepareDrag(srcItem))
        srcItem.DoDragDrop(DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK);
}

HBRUSH CButtonImageList::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    HWND hWnd = pWnd != nullptr ? pWnd->GetSafeHwnd() : nullptr;
    for (CWTKToolbarButton* pButton : m_Buttons) {
        if (hWnd != nullptr && IsButtonWindow(pButton, hWnd)) {
            if (HBRUSH hbr = pButton->OnCtlColor(pDC, nCtlColor))
                return hbr;
            break;
        }
    }
    return CButton::OnCtlColor(pDC, pWnd, nCtlColor);
}

void CButtonImageList::OnEnable(BOOL bEnable)
{
    CButton::OnEnable(bEnable);
    RedrawWindow();
}

void CButtonImageList::OnSysColorChange()
{
    CButton::OnSysColorChange();
    if (m_pImages != nullptr)
        m_pImages->OnSysColorChange();
    RedrawWindow();
}
