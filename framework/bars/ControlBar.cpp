#include "bars/ControlBar.h"
#include "bars/BarToolTip.h"
#include "bars/DockBar.h"
#include "bars/DockContext.h"
#include "bars/DockState.h"
#include "bars/MiniDockFrameWnd.h"
#include "gdi/DC.h"
#include "win/PaintDC.h"
#include "win/WinApp.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_MOUSEACTIVATE()
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
    ON_MESSAGE(WM_DRAWITEM, OnForwardToOwner)
    ON_MESSAGE(WM_MEASUREITEM, OnForwardToOwner)
    ON_MESSAGE(WM_COMPAREITEM, OnForwardToOwner)
    ON_MESSAGE(WM_DELETEITEM, OnForwardToOwner)
END_MESSAGE_MAP()

namespace {
// Width of one border line; CBRS_BORDER_3D draws an etched pair.
int BorderLine(DWORD dwStyle)
{
    return (dwStyle & CBRS_BORDER_3D) ? 2 : 1;
}
}  // namespace

CControlBar::CControlBar() = default;

CControlBar::~CControlBar()
{
    delete m_pDockContext;
    m_pDockContext = nullptr;
}

BOOL CControlBar::CreateBar(LPCSTR lpszClass, LPCSTR lpszWindowName, DWORD dwStyle, CWnd* pParentWnd, UINT nID)
{
    m_dwStyle = dwStyle & CBRS_ALL;
    if (!lpszClass)
        lpszClass = RegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW), (HBRUSH)(COLOR_BTNFACE + 1));
    // The bar's children report to the frame it was made in, wherever the bar goes later.
    if (!m_hWndOwner)
        SetOwner(pParentWnd);
    CRect rect(0, 0, 0, 0);
    return CWnd::CreateEx(0, lpszClass, lpszWindowName, (dwStyle & ~CBRS_ALL) | WS_CHILD, rect, pParentWnd, nID);
}

int CControlBar::OnCreate(LPCREATESTRUCTA lpcs)
{
    if (CWnd::OnCreate(lpcs) == -1)
        return -1;
    // A bar made directly in a frame joins its list (a floating frame's dock bar joins that frame's).
    CWnd* pParent = CWnd::FromHandlePermanent(::GetParent(m_hWnd));
    if (pParent && pParent->IsFrameWnd()) {
        m_pDockSite = static_cast<CFrameWnd*>(pParent);
        m_pDockSite->m_listControlBars.AddTail(this);
    }
    return 0;
}

void CControlBar::OnDestroy()
{
    CBarToolTip::Cancel();
    if (m_pDockBar) {
        // Out of the dock bar without laying anything out: the frame may be going too.
        int nPos = m_pDockBar->FindBar(this);
        if (nPos > 0) {
            m_pDockBar->m_arrBars.RemoveAt(nPos);
            m_pDockBar->CompactRows();
        }
        m_pDockBar = nullptr;
    }
    if (m_pDockSite) {
        POSITION pos = m_pDockSite->m_listControlBars.Find(this);
        if (pos)
            m_pDockSite->m_listControlBars.RemoveAt(pos);
    }
    CWnd::OnDestroy();
}

void CControlBar::PostNcDestroy()
{
    if (m_bAutoDelete)
        delete this;
}

BOOL CControlBar::DestroyWindow()
{
    return CWnd::DestroyWindow();
}

// ---- Styles ----

void CControlBar::SetBarStyle(DWORD dwStyle)
{
    DWORD dwOld = m_dwStyle;
    m_dwStyle = dwStyle & CBRS_ALL;
    if (dwOld != m_dwStyle)
        OnBarStyleChange(dwOld, m_dwStyle);
}

void CControlBar::OnBarStyleChange(DWORD, DWORD)
{
    if (m_hWnd)
        Invalidate();
}

void CControlBar::SetBorders(int cxLeft, int cyTop, int cxRight, int cyBottom)
{
    m_cxLeftBorder = cxLeft;
    m_cyTopBorder = cyTop;
    m_cxRightBorder = cxRight;
    m_cyBottomBorder = cyBottom;
}

// ---- Docking ----

void CControlBar::EnableDocking(DWORD dwDockStyle)
{
    m_dwDockStyle = dwDockStyle & CBRS_ALIGN_ANY;
    if (!m_pDockContext)
        m_pDockContext = new CDockContext(this);
    if (!m_hWndOwner)
        SetOwner(GetParent());
}

CFrameWnd* CControlBar::GetDockingFrame() const
{
    CFrameWnd* pFrame = GetParentFrame();
    // A floating bar's frame is the floating frame; the frame it docks in owns that one.
    if (pFrame && pFrame->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd)))
        pFrame = pFrame->GetParentFrame();
    return pFrame;
}

BOOL CControlBar::IsFloating() const
{
    return m_pDockBar && m_pDockBar->m_bFloating;
}

BOOL CControlBar::IsVisible() const
{
    if (m_nStateFlags & delayHide)
        return FALSE;
    return (m_nStateFlags & delayShow) || (m_hWnd && (GetStyle() & WS_VISIBLE));
}

void CControlBar::DelayShow(BOOL bShow)
{
    m_nStateFlags &= ~(delayHide | delayShow);
    BOOL bVisible = m_hWnd && (GetStyle() & WS_VISIBLE);
    if (bShow && !bVisible)
        m_nStateFlags |= delayShow;
    else if (!bShow && bVisible)
        m_nStateFlags |= delayHide;
}

BOOL CControlBar::ApplyDelayedShow()
{
    UINT nFlags = m_nStateFlags & (delayHide | delayShow);
    m_nStateFlags &= ~(delayHide | delayShow);
    if (!nFlags || !m_hWnd)
        return FALSE;
    ShowWindow((nFlags & delayShow) ? SW_SHOWNA : SW_HIDE);
    return TRUE;
}

// ---- Layout ----

void CControlBar::CalcInsideRect(CRect& rect, BOOL bHorz) const
{
    const int nLine = BorderLine(m_dwStyle);
    if (m_dwStyle & CBRS_BORDER_LEFT)
        rect.left += nLine;
    if (m_dwStyle & CBRS_BORDER_TOP)
        rect.top += nLine;
    if (m_dwStyle & CBRS_BORDER_RIGHT)
        rect.right -= nLine;
    if (m_dwStyle & CBRS_BORDER_BOTTOM)
        rect.bottom -= nLine;
    rect.left += m_cxLeftBorder;
    rect.top += m_cyTopBorder;
    rect.right -= m_cxRightBorder;
    rect.bottom -= m_cyBottomBorder;
    // The gripper sits at the start of a docked bar: left when horizontal, top when vertical.
    if ((m_dwStyle & CBRS_GRIPPER) && !(m_dwStyle & CBRS_FLOATING)) {
        if (bHorz)
            rect.left += kGripperSize;
        else
            rect.top += kGripperSize;
    }
}

CSize CControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    CRect rect(0, 0, 0, 0);
    CalcInsideRect(rect, bHorz);
    CSize size(-rect.Width(), -rect.Height());
    if (bStretch) {
        if (bHorz)
            size.cx = 32767;
        else
            size.cy = 32767;
    }
    return size;
}

CSize CControlBar::CalcDynamicLayout(int, DWORD nMode)
{
    return CalcFixedLayout((nMode & LM_STRETCH) != 0, (nMode & LM_HORZ) != 0);
}

LRESULT CControlBar::OnSizeParent(WPARAM, LPARAM lParam)
{
    auto* pLayout = reinterpret_cast<SizeParentParams*>(lParam);
    if (!(GetStyle() & WS_VISIBLE) || !(m_dwStyle & CBRS_ALIGN_ANY))
        return 0;
    CRect rect(pLayout->rect);
    const CSize avail = rect.Size();
    const BOOL bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    if (m_bDockBar) {
        auto* pDockBar = static_cast<CDockBar*>(this);
        pDockBar->m_bLayoutQuery = pLayout->hDWP == nullptr;
        pDockBar->m_rectLayout = rect;
    }
    CSize size = CalcFixedLayout(pLayout->bStretch, bHorz);
    size.cx = std::max<int>(0, std::min<int>(size.cx, avail.cx));
    size.cy = std::max<int>(0, std::min<int>(size.cy, avail.cy));
    if (bHorz) {
        pLayout->sizeTotal.cy += size.cy;
        pLayout->sizeTotal.cx = std::max<int>(pLayout->sizeTotal.cx, size.cx);
        if (m_dwStyle & CBRS_ALIGN_TOP) {
            rect.bottom = rect.top + size.cy;
            pLayout->rect.top += size.cy;
        } else {
            rect.top = rect.bottom - size.cy;
            pLayout->rect.bottom -= size.cy;
        }
        rect.right = rect.left + size.cx;
    } else {
        pLayout->sizeTotal.cx += size.cx;
        pLayout->sizeTotal.cy = std::max<int>(pLayout->sizeTotal.cy, size.cy);
        if (m_dwStyle & CBRS_ALIGN_LEFT) {
            rect.right = rect.left + size.cx;
            pLayout->rect.left += size.cx;
        } else {
            rect.left = rect.right - size.cx;
            pLayout->rect.right -= size.cx;
        }
        rect.bottom = rect.top + size.cy;
    }
    FwRepositionWindow(pLayout, m_hWnd, &rect);
    return 0;
}

// ---- Painting ----

void CControlBar::OnPaint()
{
    CPaintDC dc(this);
    CRect rect;
    GetClientRect(&rect);
    DrawBorders(&dc, rect);
    DrawGripper(&dc, rect);
    DoPaint(&dc);
}

BOOL CControlBar::OnEraseBkgnd(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    pDC->FillSolidRect(&rect, ::GetSysColor(COLOR_BTNFACE));
    return TRUE;
}

void CControlBar::DoPaint(CDC*) {}

void CControlBar::DrawBorders(CDC* pDC, CRect& rect)
{
    const DWORD dwStyle = m_dwStyle;
    if (!(dwStyle & CBRS_BORDER_ANY))
        return;
    const COLORREF clrShadow = ::GetSysColor(COLOR_BTNSHADOW);
    const COLORREF clrHilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    const BOOL b3D = (dwStyle & CBRS_BORDER_3D) != 0;
    // Etched lines: shadow, then highlight inside it (one shadow line without CBRS_BORDER_3D).
    if (dwStyle & CBRS_BORDER_TOP) {
        pDC->FillSolidRect(rect.left, rect.top, rect.Width(), 1, clrShadow);
        if (b3D)
            pDC->FillSolidRect(rect.left, rect.top + 1, rect.Width(), 1, clrHilite);
        rect.top += BorderLine(dwStyle);
    }
    if (dwStyle & CBRS_BORDER_BOTTOM) {
        if (b3D)
            pDC->FillSolidRect(rect.left, rect.bottom - 2, rect.Width(), 1, clrShadow);
        pDC->FillSolidRect(rect.left, rect.bottom - 1, rect.Width(), 1, b3D ? clrHilite : clrShadow);
        rect.bottom -= BorderLine(dwStyle);
    }
    if (dwStyle & CBRS_BORDER_LEFT) {
        pDC->FillSolidRect(rect.left, rect.top, 1, rect.Height(), clrShadow);
        if (b3D)
            pDC->FillSolidRect(rect.left + 1, rect.top, 1, rect.Height(), clrHilite);
        rect.left += BorderLine(dwStyle);
    }
    if (dwStyle & CBRS_BORDER_RIGHT) {
        if (b3D)
            pDC->FillSolidRect(rect.right - 2, rect.top, 1, rect.Height(), clrShadow);
        pDC->FillSolidRect(rect.right - 1, rect.top, 1, rect.Height(), b3D ? clrHilite : clrShadow);
        rect.right -= BorderLine(dwStyle);
    }
}

void CControlBar::DrawGripper(CDC* pDC, const CRect& rect)
{
    if (!(m_dwStyle & CBRS_GRIPPER) || (m_dwStyle & CBRS_FLOATING))
        return;
    const COLORREF clrHilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF clrShadow = ::GetSysColor(COLOR_BTNSHADOW);
    // One raised ridge, 3 pixels across, along the start of the bar.
    if (m_dwStyle & CBRS_ORIENT_HORZ)
        pDC->Draw3dRect(rect.left + m_cxLeftBorder - 2, rect.top + m_cyTopBorder + 1, 3,
                        rect.Height() - m_cyTopBorder - m_cyBottomBorder - 2, clrHilite, clrShadow);
    else
        pDC->Draw3dRect(rect.left + m_cxLeftBorder + 1, rect.top + m_cyTopBorder + 1,
                        rect.Width() - m_cxLeftBorder - m_cxRightBorder - 2, 3, clrHilite, clrShadow);
}

// ---- Mouse ----

void CControlBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    // Free space of a bar that docks starts a drag; children get their own presses.
    if (m_pDockContext && !m_bDockBar) {
        ClientToScreen(&point);
        m_pDockContext->StartDrag(point);
        return;
    }
    CWnd::OnLButtonDown(nFlags, point);
}

void CControlBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (m_pDockContext && !m_bDockBar) {
        m_pDockContext->ToggleDocking();
        return;
    }
    CWnd::OnLButtonDblClk(nFlags, point);
}

int CControlBar::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
{
    // A click on a floating bar leaves the activation where it is (a palette).
    if (IsFloating())
        return MA_NOACTIVATE;
    return CWnd::OnMouseActivate(pDesktopWnd, nHitTest, message);
}

// ---- Commands ----

LRESULT CControlBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
    if (m_nStateFlags & (delayHide | delayShow)) {
        // One pass for every bar of the frame, then one layout.
        if (m_pDockSite && !m_bDockBar)
            m_pDockSite->ApplyDelayedBarShow();
        else
            ApplyDelayedShow();
    }
    if (!(GetStyle() & WS_VISIBLE))
        return 0;
    CWnd* pOwner = GetOwner();
    CFrameWnd* pTarget = pOwner && pOwner->IsFrameWnd() ? static_cast<CFrameWnd*>(pOwner) : GetParentFrame();
    if (pTarget)
        OnUpdateCmdUI(pTarget, (BOOL)wParam);
    return 0;
}

void CControlBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    UpdateDialogControls(pTarget, bDisableIfNoHndler);
}

BOOL CControlBar::OnCommand(WPARAM wParam, LPARAM lParam)
{
    HWND hWndCtrl = (HWND)lParam;
    if (hWndCtrl && ReflectLastMsg(hWndCtrl))
        return TRUE;
    CWnd* pOwner = GetOwner();
    if (pOwner && pOwner->m_hWnd != m_hWnd)
        pOwner->SendMessage(WM_COMMAND, wParam, lParam);
    return TRUE;
}

BOOL CControlBar::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    auto* pNMHDR = (NMHDR*)lParam;
    if (ReflectLastMsg(pNMHDR->hwndFrom, pResult))
        return TRUE;
    CWnd* pOwner = GetOwner();
    if (pOwner && pOwner->m_hWnd != m_hWnd)
        *pResult = pOwner->SendMessage(WM_NOTIFY, wParam, lParam);
    return TRUE;
}

LRESULT CControlBar::OnForwardToOwner(WPARAM wParam, LPARAM lParam)
{
    const MSG* pMsg = GetCurrentMessage();
    CWnd* pOwner = GetOwner();
    if (!pOwner || pOwner->m_hWnd == m_hWnd)
        return Default();
    return pOwner->SendMessage(pMsg->message, wParam, lParam);
}

// ---- Tooltips and prompts ----

BOOL CControlBar::PreTranslateMessage(MSG* pMsg)
{
    if ((m_dwStyle & (CBRS_TOOLTIPS | CBRS_FLYBY)) && pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST &&
        (pMsg->hwnd == m_hWnd || ::IsChild(m_hWnd, pMsg->hwnd)))
        CBarToolTip::RelayEvent(this, pMsg);
    return CWnd::PreTranslateMessage(pMsg);
}

INT_PTR CControlBar::OnToolHitTest(CPoint point, TTTOOLINFOA* pTI) const
{
    // A child control under the point is a tool of its own, with its id's prompt.
    HWND hWndChild = ::ChildWindowFromPointEx(m_hWnd, point, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
    if (!hWndChild || hWndChild == m_hWnd)
        return -1;
    const INT_PTR nID = ::GetDlgCtrlID(hWndChild);
    if (nID <= 0)
        return -1;
    if (pTI) {
        // The tip is the command string's part after the first newline.
        CString strText;
        strText.LoadString((UINT)nID);
        const int nNewLine = strText.Find('\n');
        strText = nNewLine >= 0 ? strText.Mid(nNewLine + 1) : CString();
        pTI->hwnd = m_hWnd;
        pTI->uFlags |= TTF_IDISHWND;
        pTI->uId = (UINT_PTR)hWndChild;
        pTI->lpszText = CBarToolTip::DuplicateText(strText);
    }
    return nID;
}

// ---- State ----

BOOL CControlBar::GetBarInfo(CControlBarInfo* pInfo)
{
    pInfo->m_pBar = this;
    pInfo->m_nBarID = (UINT)GetDlgCtrlID();
    pInfo->m_bVisible = IsVisible();
    pInfo->m_bFloating = FALSE;  // only a floating frame's dock bar has a floating record
    pInfo->m_bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    pInfo->m_bDockBar = m_bDockBar;
    pInfo->m_nMRUWidth = m_nMRUWidth;
    CRect rect;
    GetWindowRect(&rect);
    if (m_pDockBar && !m_pDockBar->m_bFloating)
        m_pDockBar->ScreenToClient(&rect);
    pInfo->m_pointPos = rect.TopLeft();
    pInfo->m_bDocking = m_pDockContext != nullptr;
    if (m_pDockContext) {
        pInfo->m_uMRUDockID = m_pDockContext->m_uMRUDockID;
        pInfo->m_rectMRUDockPos = m_pDockContext->m_rectMRUDockPos;
        pInfo->m_dwMRUFloatStyle = m_pDockContext->m_dwMRUFloatStyle;
        pInfo->m_ptMRUFloatPos = m_pDockContext->m_ptMRUFloatPos;
    }
    return TRUE;
}

void CControlBar::SetBarInfo(CControlBarInfo* pInfo, CFrameWnd*)
{
    m_nMRUWidth = pInfo->m_nMRUWidth;
    if (m_pDockContext && pInfo->m_bDocking) {
        m_pDockContext->m_uMRUDockID = pInfo->m_uMRUDockID;
        m_pDockContext->m_rectMRUDockPos = pInfo->m_rectMRUDockPos;
        m_pDockContext->m_dwMRUFloatStyle = pInfo->m_dwMRUFloatStyle;
        m_pDockContext->m_ptMRUFloatPos = pInfo->m_ptMRUFloatPos;
    }
    // A docked bar keeps its place in the row: the layout starts from the window position.
    if (m_pDockBar && !m_pDockBar->m_bFloating && !pInfo->m_bFloating)
        SetWindowPos(nullptr, pInfo->m_pointPos.x, pInfo->m_pointPos.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    m_nStateFlags &= ~(delayHide | delayShow);
    ShowWindow(pInfo->m_bVisible ? SW_SHOWNA : SW_HIDE);
}
