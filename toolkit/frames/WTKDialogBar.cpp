#include "frames/WTKDialogBar.h"

#include "foundation/WTKGlobalData.h"

#include "core/Archive.h"
#include "docview/FrameWnd.h"
#include "gdi/DC.h"
#include "win/Resources.h"

#include <algorithm>

IMPLEMENT_SERIAL(CWTKDialogBar, CWTKSizingControlBar, CWTKDialogBar::kSchema)

BEGIN_MESSAGE_MAP(CWTKDialogBar, CWTKSizingControlBar)
    ON_MESSAGE(WM_INITDIALOG, OnInitDialog)
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

namespace {
// Styles of a dialog template that a docked bar does without.
constexpr DWORD kTemplateFrameStyles = WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | DS_MODALFRAME | WS_BORDER;
}  // namespace

CWTKDialogBar::CWTKDialogBar() = default;

CWTKDialogBar::~CWTKDialogBar() = default;

INT_PTR CALLBACK CWTKDialogBar::DialogProc(HWND /*hWnd*/, UINT message, WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    // The bar's own window procedure does the work; the dialog manager only makes the controls.
    return message == WM_INITDIALOG;
}

BOOL CWTKDialogBar::Create(LPCSTR lpszWindowName, CWnd* pParentWnd, UINT nIDTemplate, UINT nID, BOOL bSizing,
                           DWORD dwStyle, BOOL bHasGripper)
{
    HINSTANCE hInst = nullptr;
    m_lpszTemplateName = MAKEINTRESOURCEA(nIDTemplate);
    LPCDLGTEMPLATEA lpTemplate = FwLoadDialogTemplate(m_lpszTemplateName, &hInst);
    if (lpTemplate == nullptr || pParentWnd == nullptr || pParentWnd->GetSafeHwnd() == nullptr)
        return FALSE;
    m_bSizing = bSizing;
    m_dwStyle = dwStyle & CBRS_ALL;
    m_cyGripper = bHasGripper ? std::max(WTKGetGlobalData().nTextHeightHorz, (int)kMinCaptionHeight) : 0;
    if (m_hWndOwner == nullptr)
        SetOwner(pParentWnd);

    FwHookWindowCreate(this);
    HWND hWnd =
        ::CreateDialogIndirectParamA(hInst, lpTemplate, pParentWnd->GetSafeHwnd(), &CWTKDialogBar::DialogProc, 0);
    FwUnhookWindowCreate();
    if (hWnd == nullptr)
        return FALSE;
    if (m_hWnd == nullptr)
        SubclassWindow(hWnd);

    // The template's client size, before the bar's own frame goes round it.
    CRect rectClient;
    GetClientRect(&rectClient);
    m_sizeDefault = rectClient.Size();
    m_szHorz = m_szVert = m_szFloat = m_sizeDefault;

    ModifyStyle(kTemplateFrameStyles, WS_CHILD | WS_CLIPCHILDREN | (dwStyle & ~CBRS_ALL));
    ModifyStyleEx(WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE, 0);
    ::SetParent(hWnd, pParentWnd->GetSafeHwnd());
    SetDlgCtrlID(static_cast<int>(nID));
    if (lpszWindowName != nullptr)
        SetWindowText(lpszWindowName);
    ::SetWindowPos(hWnd, nullptr, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);

    // The window existed before it was the frame's child: it joins the frame's bars here.
    if (m_pDockSite == nullptr && pParentWnd->IsFrameWnd())
        m_pDockSite = static_cast<CFrameWnd*>(pParentWnd);
    if (m_pDockSite != nullptr && m_pDockSite->m_listControlBars.Find(this) == nullptr)
        m_pDockSite->m_listControlBars.AddTail(this);
    if (m_bSizing)
        m_dwStyle |= CBRS_SIZE_DYNAMIC;
    return TRUE;
}

CSize CWTKDialogBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    if (m_bSizing)
        return CWTKSizingControlBar::CalcFixedLayout(bStretch, bHorz);

    const UINT nDockBarID = CurrentDockBarID();
    const BOOL bSideDocked = nDockBarID == FW_IDW_DOCKBAR_LEFT || nDockBarID == FW_IDW_DOCKBAR_RIGHT;
    const BOOL bTopDocked = nDockBarID == FW_IDW_DOCKBAR_TOP || nDockBarID == FW_IDW_DOCKBAR_BOTTOM;
    CSize size = m_sizeDefault;
    size.cx += 2 * m_nBorder;
    size.cy += 2 * m_nBorder;
    if (bSideDocked) {
        size.cy += m_cyGripper;
        if (m_nEdgeFlags & (kEdgeLeft | kEdgeRight))
            size.cx += m_cxEdge;
    } else if (bTopDocked) {
        size.cx += m_cyGripper;
        if (m_nEdgeFlags & (kEdgeTop | kEdgeBottom))
            size.cy += m_cxEdge;
    }
    // Stretched along its side: docked, as long as the dock row offers (a dock bar does not cut
    // its bars); laid out by the frame itself, the frame cuts the stretched length.
    if (bStretch || bSideDocked || bTopDocked) {
        const int nLength = bSideDocked || bTopDocked ? GetAvailableLength(bHorz) : kStretchedLength;
        if (bHorz)
            size.cx = nLength;
        else
            size.cy = nLength;
    }
    const CSize sizeMin = CControlBar::CalcFixedLayout(bStretch, bHorz);
    return CSize(std::max<LONG>(size.cx, sizeMin.cx), std::max<LONG>(size.cy, sizeMin.cy));
}

CSize CWTKDialogBar::CalcDynamicLayout(int nLength, DWORD dwMode)
{
    if (m_bSizing)
        return CWTKSizingControlBar::CalcDynamicLayout(nLength, dwMode);
    return CControlBar::CalcDynamicLayout(nLength, dwMode);
}

void CWTKDialogBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    UpdateDialogControls(pTarget, bDisableIfNoHndler);
}

BOOL CWTKDialogBar::SetOccDialogInfo(void* pOccDialogInfo)
{
    m_pOccDialogInfo = pOccDialogInfo;
    return TRUE;
}

LRESULT CWTKDialogBar::OnInitDialog(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    Default();
    // Without an OLE control manager the template's OLE controls cannot be made.
    return m_pOccDialogInfo == nullptr;
}

BOOL CWTKDialogBar::OnEraseBkgnd(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    HBRUSH hbr = static_cast<HBRUSH>(WTKGetGlobalData().brBtnFace.GetSafeHandle());
    ::FillRect(pDC->GetSafeHdc(), &rect, hbr != nullptr ? hbr : ::GetSysColorBrush(COLOR_BTNFACE));
    return TRUE;
}
