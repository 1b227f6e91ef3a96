#include "bars/ReBar.h"
#include "gdi/DC.h"

IMPLEMENT_DYNAMIC(CReBar, CControlBar)

BEGIN_MESSAGE_MAP(CReBar, CControlBar)
    ON_WM_DESTROY()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CReBar::~CReBar()
{
    m_ctrl.m_hWnd = nullptr;  // the same window as this bar's: never destroyed through it
}

BOOL CReBar::Create(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, UINT nID)
{
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_COOL_CLASSES};
    ::InitCommonControlsEx(&icc);
    m_cxLeftBorder = m_cxRightBorder = m_cyTopBorder = m_cyBottomBorder = 0;
    if (!CreateBar(REBARCLASSNAMEA, nullptr, dwStyle | dwCtrlStyle | CCS_NODIVIDER | CCS_NOPARENTALIGN | CCS_NORESIZE,
                   pParentWnd, nID))
        return FALSE;
    m_ctrl.m_hWnd = m_hWnd;
    return TRUE;
}

void CReBar::OnDestroy()
{
    m_ctrl.m_hWnd = nullptr;
    CControlBar::OnDestroy();
}

// The rebar control paints itself.
void CReBar::OnPaint()
{
    Default();
}

BOOL CReBar::OnEraseBkgnd(CDC*)
{
    return (BOOL)Default();
}

BOOL CReBar::AddBar(CWnd* pBar, LPCSTR lpszText, DWORD dwStyle)
{
    if (!pBar || !pBar->m_hWnd || !m_hWnd)
        return FALSE;
    pBar->SetParent(this);
    CRect rect;
    pBar->GetWindowRect(&rect);
    REBARBANDINFOA rbbi = {};
    rbbi.cbSize = sizeof(rbbi);
    rbbi.fMask = RBBIM_STYLE | RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_SIZE | RBBIM_ID;
    rbbi.fStyle = dwStyle;
    rbbi.hwndChild = pBar->m_hWnd;
    rbbi.cxMinChild = rect.Width();
    rbbi.cyMinChild = rect.Height();
    rbbi.cx = rect.Width();
    rbbi.wID = (UINT)pBar->GetDlgCtrlID();
    if (lpszText) {
        rbbi.fMask |= RBBIM_TEXT;
        rbbi.lpText = const_cast<LPSTR>(lpszText);
    }
    return m_ctrl.InsertBand((UINT)-1, &rbbi);
}

CSize CReBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    const int nHeight = m_hWnd ? (int)m_ctrl.GetBarHeight() : 0;
    if (bHorz)
        return CSize(bStretch ? 32767 : 0, nHeight);
    return CSize(nHeight, bStretch ? 32767 : 0);
}

void CReBar::OnUpdateCmdUI(CFrameWnd*, BOOL) {}
