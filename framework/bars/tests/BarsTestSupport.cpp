#include "BarsTestSupport.h"
#include "bars/BarToolTip.h"
#include "gdi/DC.h"
#include "win/ThreadState.h"

#include <algorithm>

CBarsTestApp theApp;

// ---- Test bar ----

CTestBar::CTestBar(int nButtons, BOOL bDynamic, COLORREF clrGlyph)
    : m_nButtons(nButtons), m_bDynamic(bDynamic), m_clrGlyph(clrGlyph)
{}

BOOL CTestBar::Create(CWnd* pParentWnd, UINT nID, LPCSTR lpszName, DWORD dwStyle)
{
    if (m_bDynamic)
        dwStyle |= CBRS_SIZE_DYNAMIC;
    return CreateBar(nullptr, lpszName, dwStyle | WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, pParentWnd, nID);
}

int CTestBar::Columns() const
{
    const BOOL bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    if (m_nColumns > 0)
        return m_nColumns;
    return bHorz ? m_nButtons : 1;
}

CSize CTestBar::CalcFixedLayout(BOOL, BOOL bHorz)
{
    m_nColumns = bHorz ? m_nButtons : 1;
    CRect inside(0, 0, 0, 0);
    CalcInsideRect(inside, bHorz);
    const int nRows = (m_nButtons + m_nColumns - 1) / m_nColumns;
    return CSize(m_nColumns * kButtonCX - inside.Width(), nRows * kButtonCY - inside.Height());
}

CSize CTestBar::CalcDynamicLayout(int nLength, DWORD nMode)
{
    if (!m_bDynamic || (nMode & (LM_HORZDOCK | LM_VERTDOCK)))
        return CalcFixedLayout(FALSE, (nMode & (LM_HORZ | LM_HORZDOCK)) != 0 && !(nMode & LM_VERTDOCK));
    CRect inside(0, 0, 0, 0);
    CalcInsideRect(inside, TRUE);
    int nColumns = m_nButtons;
    if (nMode & LM_MRUWIDTH)
        nColumns = (m_nMRUWidth + inside.Width()) / kButtonCX;
    else if (nLength >= 0 && (nMode & LM_LENGTHY))
        nColumns = (m_nButtons * kButtonCY + (nLength + inside.Height()) - 1) / std::max(1, nLength + inside.Height());
    else if (nLength >= 0)
        nColumns = (nLength + inside.Width()) / kButtonCX;
    nColumns = std::clamp(nColumns, 1, m_nButtons);
    m_nColumns = nColumns;
    const int nRows = (m_nButtons + nColumns - 1) / nColumns;
    CSize size(nColumns * kButtonCX - inside.Width(), nRows * kButtonCY - inside.Height());
    if (nMode & LM_COMMIT) {
        m_nMRUWidth = size.cx;
        ++m_nCommitted;
    }
    return size;
}

CRect CTestBar::ButtonRect(int i) const
{
    CRect rect;
    GetClientRect(&rect);
    CalcInsideRect(rect, (m_dwStyle & CBRS_ORIENT_HORZ) != 0);
    const int nColumns = Columns();
    return CRect(CPoint(rect.left + (i % nColumns) * kButtonCX, rect.top + (i / nColumns) * kButtonCY),
                 CSize(kButtonCX, kButtonCY));
}

void CTestBar::DoPaint(CDC* pDC)
{
    for (int i = 0; i < m_nButtons; ++i) {
        CRect rect = ButtonRect(i);
        rect.DeflateRect(1, 1);
        pDC->Draw3dRect(&rect, ::GetSysColor(COLOR_BTNHIGHLIGHT), ::GetSysColor(COLOR_BTNSHADOW));
        CRect glyph = rect;
        glyph.DeflateRect(6, 5);
        pDC->FillSolidRect(&glyph, m_clrGlyph);
    }
}

INT_PTR CTestBar::OnToolHitTest(CPoint point, TTTOOLINFOA* pTI) const
{
    for (int i = 0; i < m_nButtons; ++i) {
        CRect rect = ButtonRect(i);
        if (!rect.PtInRect(point))
            continue;
        if (pTI) {
            CString strText;
            strText.Format("Tool %d", i + 1);
            pTI->hwnd = m_hWnd;
            pTI->uId = (UINT_PTR)(i + 1);
            pTI->rect = rect;
            pTI->lpszText = CBarToolTip::DuplicateText(strText);
        }
        return 0x9000 + i;
    }
    return CControlBar::OnToolHitTest(point, pTI);
}

// ---- Frame ----

BEGIN_MESSAGE_MAP(CDockTestFrame, CFrameWnd)
    ON_COMMAND(kIdChildButton, OnChildButton)
    ON_MESSAGE(WM_SETMESSAGESTRING, OnSetMessageString)
END_MESSAGE_MAP()

CDockTestFrame::CDockTestFrame()
    : m_barA(5, TRUE, RGB(200, 0, 0)),
      m_barB(3, FALSE, RGB(0, 128, 0)),
      m_barC(3, FALSE, RGB(0, 0, 200)),
      m_barD(6, FALSE, RGB(200, 160, 0))
{}

LRESULT CDockTestFrame::OnSetMessageString(WPARAM wParam, LPARAM lParam)
{
    m_prompts.push_back((UINT)wParam);
    return CFrameWnd::OnSetMessageString(wParam, lParam);
}

BOOL CDockTestFrame::CreateFrame()
{
    RECT rect = {40, 40, 660, 480};
    if (!Create(nullptr, "Docking", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, rect))
        return FALSE;
    EnableDocking(CBRS_ALIGN_ANY);
    const DWORD dwBar = CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_BORDER_3D;
    if (!m_barA.Create(this, kIdTopA, "Bar A", dwBar) || !m_barB.Create(this, kIdTopB, "Bar B", dwBar) ||
        !m_barC.Create(this, kIdLeft, "Bar C", dwBar) || !m_barD.Create(this, kIdBottom, "Bar D", dwBar))
        return FALSE;
    for (CTestBar* pBar : {&m_barA, &m_barB, &m_barC, &m_barD})
        pBar->EnableDocking(CBRS_ALIGN_ANY);
    RECT none = {0, 0, 0, 0};
    if (!m_wndPane.CreateEx(WS_EX_CLIENTEDGE, nullptr, nullptr, WS_CHILD | WS_VISIBLE, none, this, FW_IDW_PANE_FIRST))
        return FALSE;
    DockDefault();
    ShowWindow(SW_SHOWNORMAL);
    UpdateWindow();
    return TRUE;
}

void CDockTestFrame::DockDefault()
{
    DockControlBar(&m_barA, FW_IDW_DOCKBAR_TOP);
    // Below A: a row of its own.
    CRect rect = ScreenRect(&m_barA);
    rect.OffsetRect(0, rect.Height() + 4);
    DockControlBar(&m_barB, FW_IDW_DOCKBAR_TOP, &rect);
    DockControlBar(&m_barC, FW_IDW_DOCKBAR_LEFT);
    DockControlBar(&m_barD, FW_IDW_DOCKBAR_BOTTOM);
    RecalcLayout();
}

// ---- Helpers ----

void RunIdle()
{
    PumpPending();
    theApp.OnIdle(0);
}

CRect RectInClient(CWnd* pFrame, CWnd* pWnd)
{
    CRect rect = ScreenRect(pWnd);
    pFrame->ScreenToClient(&rect);
    return rect;
}

CRect ScreenRect(CWnd* pWnd)
{
    CRect rect;
    pWnd->GetWindowRect(&rect);
    return rect;
}

CMiniDockFrameWnd* FloatingFrame(CControlBar* pBar)
{
    if (!pBar->IsFloating())
        return nullptr;
    return static_cast<CMiniDockFrameWnd*>(pBar->m_pDockBar->GetParent());
}

void ScriptDrag(CControlBar* pBar, CPoint ptClient, const std::vector<CPoint>& screenPoints, DragEnd end)
{
    HWND hWnd = pBar->m_hWnd;
    ::PostMessageA(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptClient.x, ptClient.y));
    CPoint ptLast = ptClient;
    for (CPoint pt : screenPoints) {
        ::ScreenToClient(hWnd, &pt);
        ::PostMessageA(hWnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        ptLast = pt;
    }
    switch (end) {
    case DragEnd::Release:
        ::PostMessageA(hWnd, WM_LBUTTONUP, 0, MAKELPARAM(ptLast.x, ptLast.y));
        break;
    case DragEnd::Escape:
        ::PostMessageA(hWnd, WM_KEYDOWN, VK_ESCAPE, 0);
        break;
    case DragEnd::RightButton:
        ::PostMessageA(hWnd, WM_RBUTTONDOWN, MK_LBUTTON | MK_RBUTTON, MAKELPARAM(ptLast.x, ptLast.y));
        break;
    }
    PumpPending();
}

void DoubleClick(CControlBar* pBar, CPoint ptClient)
{
    ::PostMessageA(pBar->m_hWnd, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(ptClient.x, ptClient.y));
    PumpPending();
}
