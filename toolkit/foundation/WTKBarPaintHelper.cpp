#include "foundation/WTKBarPaintHelper.h"

#include "foundation/WTKBarInfo.h"
#include "foundation/WTKGlobalData.h"
#include "foundation/WTKVisualManager.h"
#include "win/WindowDC.h"
#include "win/Wnd.h"

#include <utility>

namespace {

// A docked horizontal bar laid out right to left has its gripper on the other side.
constexpr int kRightToLeftGripperShift = 7;

bool IsHorizontal(DWORD dwStyle)
{
    return (dwStyle & (CWTKBarPaintHelper::kStyleAlignTop | CWTKBarPaintHelper::kStyleAlignBottom)) != 0;
}

bool IsRightToLeft(HWND hWnd)
{
    return (::GetWindowLongPtrA(hWnd, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0;
}

}  // namespace

CWTKBarPaintHelper::CWTKBarPaintHelper(CWnd* pBar, const CWTKBarInfo* pInfo, const CWTKBarNcInfo* pNcInfo)
    : m_pBar(pBar), m_pInfo(pInfo), m_pNcInfo(pNcInfo)
{}

CWTKBarPaintHelper::~CWTKBarPaintHelper() = default;

void CWTKBarPaintHelper::DoNcPaint()
{
    const HWND hWnd = FwSafeHwnd(m_pBar);
    if (!hWnd || !m_pInfo || !m_pNcInfo)
        return;

    CWindowDC dc(m_pBar);
    if (!dc.GetSafeHdc())
        return;

    CRect rectWindow;
    ::GetWindowRect(hWnd, &rectWindow);
    const bool bRightToLeft = IsRightToLeft(hWnd);

    // The client area in the window DC's coordinates (mirrored for a right-to-left window,
    // whose window DC is mirrored too).
    CRect rectClient;
    ::GetClientRect(hWnd, &rectClient);
    ::MapWindowPoints(hWnd, nullptr, reinterpret_cast<LPPOINT>(&rectClient), 2);
    if (rectClient.left > rectClient.right)
        std::swap(rectClient.left, rectClient.right);
    rectClient.OffsetRect(-rectWindow.left, -rectWindow.top);
    if (bRightToLeft) {
        const int left = rectWindow.Width() - rectClient.right;
        rectClient.right = rectWindow.Width() - rectClient.left;
        rectClient.left = left;
    }
    dc.ExcludeClipRect(&rectClient);

    // WM_NCPAINT's region (screen coordinates) limits the painting; 1 means the whole frame.
    const MSG* pMsg = CWnd::GetCurrentMessage();
    if (pMsg->hwnd == hWnd && pMsg->message == WM_NCPAINT && pMsg->wParam != 1) {
        const HRGN hUpdate = reinterpret_cast<HRGN>(pMsg->wParam);
        CRgn rgn;
        if (bRightToLeft) {
            RECT box {};
            if (::GetRgnBox(hUpdate, &box) != ERROR) {
                rgn.CreateRectRgn(rectWindow.right - box.right, box.top - rectWindow.top, rectWindow.right - box.left,
                                  box.bottom - rectWindow.top);
            }
        } else if (rgn.CreateRectRgn(0, 0, 0, 0) && ::CombineRgn(rgn, hUpdate, nullptr, RGN_COPY) != ERROR) {
            rgn.OffsetRgn(-rectWindow.left, -rectWindow.top);
        } else {
            rgn.DeleteObject();
        }
        if (rgn.GetSafeHandle())
            dc.SelectClipRgn(&rgn, RGN_AND);
    }

    CRect rect(0, 0, rectWindow.Width(), rectWindow.Height());
    CWTKVisualManager* pLook = CWTKVisualManager::GetInstance();
    pLook->OnDrawBarBorder(&dc, m_pInfo, rect);
    dc.IntersectClipRect(&rect);
    pLook->OnFillBarBackground(&dc, m_pInfo, rect, rect, TRUE);

    const DWORD dwStyle = m_pInfo->GetBarStyle();
    if ((dwStyle & kStyleGripper) && !m_pNcInfo->IsFloating()) {
        const BOOL bHorz = IsHorizontal(dwStyle) ? TRUE : FALSE;
        CRect rectGripper = rect;
        if (bHorz)
            rectGripper.right = rectClient.left - 1;
        else
            rectGripper.bottom = rectClient.top - 1;
        pLook->OnDrawBarGripper(&dc, rectGripper, bHorz, m_pInfo);
    }

    dc.SelectClipRgn(nullptr);
}

void CWTKBarPaintHelper::CalcNcSize(LPRECT rect)
{
    if (!rect || !m_pInfo || !m_pNcInfo)
        return;
    const DWORD dwStyle = m_pInfo->GetBarStyle();
    const BOOL bHorz = IsHorizontal(dwStyle) ? TRUE : FALSE;
    CRect insets;
    m_pNcInfo->CalcInsideRect(insets, bHorz);

    const HWND hWnd = FwSafeHwnd(m_pBar);
    if (bHorz && hWnd && IsRightToLeft(hWnd) && !m_pNcInfo->IsFloating() && (dwStyle & kStyleGripper))
        insets.OffsetRect(-kRightToLeftGripperShift, 0);

    rect->left += insets.left;
    rect->top += insets.top;
    rect->right += insets.right;
    rect->bottom += insets.bottom;
}

BOOL CWTKBarPaintHelper::EraseBackground(CDC* pDC)
{
    return WTKGetGlobalData().DrawParentBackground(m_pBar, pDC);
}
