#include "customisation/WTKHeaderCtrl.h"
#include "foundation/WTKGlobalData.h"
#include "gdi/DC.h"
#include "gdi/MemDC.h"
#include "win/Dialog.h"
#include "win/MessageMap.h"
#include "win/PaintDC.h"

IMPLEMENT_DYNAMIC(CWTKHeaderCtrl, CHeaderCtrl)

BEGIN_MESSAGE_MAP(CWTKHeaderCtrl, CHeaderCtrl)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSELEAVE()
    ON_WM_CANCELMODE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

void CWTKHeaderCtrl::PreSubclassWindow()
{
    NoteDialogAncestor();
}

int CWTKHeaderCtrl::OnCreate(LPCREATESTRUCTA /*lpCreateStruct*/)
{
    if (Default() == -1)
        return -1;
    NoteDialogAncestor();
    return 0;
}

void CWTKHeaderCtrl::NoteDialogAncestor()
{
    m_bIsDlgControl = FALSE;
    for (HWND hWnd = ::GetParent(m_hWnd); hWnd != nullptr; hWnd = ::GetParent(hWnd)) {
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        if (pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CDialog))) {
            m_bIsDlgControl = TRUE;
            return;
        }
    }
}

// ---- Drawing ----

void CWTKHeaderCtrl::OnPaint()
{
    CPaintDC dc(this);
    CRect rectClient;
    GetClientRect(&rectClient);
    CRect rectClip;
    dc.GetClipBox(&rectClip);

    CDC dcMem;
    CBitmap bitmap;
    if (!dcMem.CreateCompatibleDC(&dc) ||
        !bitmap.CreateCompatibleBitmap(&dc, rectClient.Width(), rectClient.Height())) {
        DrawItems(&dc, rectClient);
        return;
    }
    CBitmap* pOldBitmap = dcMem.SelectObject(&bitmap);
    DrawItems(&dcMem, rectClient);
    dc.BitBlt(rectClip.left, rectClip.top, rectClip.Width(), rectClip.Height(), &dcMem, rectClip.left, rectClip.top,
              SRCCOPY);
    dcMem.SelectObject(pOldBitmap);
}

void CWTKHeaderCtrl::DrawItems(CDC* pDC, const CRect& rectClient)
{
    const WTKGlobalData& g = WTKGetGlobalData();
    OnFillBackground(pDC, rectClient);
    CFont* pOldFont = pDC->SelectObject(const_cast<CFont*>(&g.fontRegular));
    pDC->SetTextColor(g.clrBtnText);
    pDC->SetBkMode(TRANSPARENT);

    CRect rectRest = rectClient;
    const int nCount = GetItemCount();
    for (int i = 0; i < nCount; i++) {
        CRect rectItem;
        if (!GetItemRect(i, &rectItem))
            continue;
        CRgn rgnClip;
        rgnClip.CreateRectRgnIndirect(&rectItem);
        pDC->SelectClipRgn(&rgnClip);
        OnDrawItem(pDC, i, rectItem, IsItemPressed(i), i == m_nHotItem);
        pDC->SelectClipRgn(nullptr);
        rectRest.left = rectItem.right;
    }
    if (nCount > 0)
        rectRest.right = rectClient.right + 1;
    OnDrawItem(pDC, -1, rectRest, FALSE, FALSE);
    pDC->SelectObject(pOldFont);
}

BOOL CWTKHeaderCtrl::IsItemPressed(int nItem)
{
    if (!m_bLeftButtonHeld)
        return FALSE;
    HDHITTESTINFO hit = {};
    ::GetCursorPos(&hit.pt);
    ScreenToClient(&hit.pt);
    return HitTest(&hit) == nItem && (hit.flags & HHT_ONHEADER) != 0;
}

void CWTKHeaderCtrl::OnFillBackground(CDC* pDC, CRect rectClient)
{
    pDC->FillSolidRect(&rectClient, WTKGetGlobalData().clrBtnFace);
}

void CWTKHeaderCtrl::OnDrawItem(CDC* pDC, int nItem, CRect rect, BOOL bIsPressed, BOOL bIsHighlighted)
{
    const WTKGlobalData& g = WTKGetGlobalData();
    if (bIsHighlighted)
        pDC->FillSolidRect(&rect, g.clrBtnHilite);
    if (bIsPressed) {
        pDC->Draw3dRect(&rect, g.clrBtnShadow, g.clrBtnShadow);
        rect.OffsetRect(1, 1);
    } else {
        pDC->Draw3dRect(&rect, g.clrBtnHilite, g.clrBtnShadow);
    }
    if (nItem < 0)
        return;
    char szText[256] = "";
    HDITEMA item = {};
    item.mask = HDI_TEXT | HDI_FORMAT;
    item.pszText = szText;
    item.cchTextMax = static_cast<int>(sizeof(szText));
    if (!GetItem(nItem, &item))
        return;
    UINT nFormat = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX;
    if ((item.fmt & HDF_JUSTIFYMASK) == HDF_CENTER)
        nFormat |= DT_CENTER;
    else if ((item.fmt & HDF_JUSTIFYMASK) == HDF_RIGHT)
        nFormat |= DT_RIGHT;
    rect.DeflateRect(6, 0);
    pDC->DrawText(szText, -1, &rect, nFormat);
}

BOOL CWTKHeaderCtrl::OnEraseBkgnd(CDC* /*pDC*/)
{
    return TRUE;
}

// ---- Hot tracking ----

void CWTKHeaderCtrl::OnMouseMove(UINT /*nFlags*/, CPoint point)
{
    if (!m_bLeftButtonHeld) {
        HDHITTESTINFO hit = {};
        hit.pt = point;
        const int nItem = HitTest(&hit);
        SetHotItem((hit.flags & HHT_ONHEADER) != 0 ? nItem : -1);
        if (!m_bTrackingLeave) {
            TRACKMOUSEEVENT track = {sizeof(TRACKMOUSEEVENT), TME_LEAVE, m_hWnd, 0};
            m_bTrackingLeave = ::TrackMouseEvent(&track);
        }
    }
    Default();
}

void CWTKHeaderCtrl::OnMouseLeave()
{
    m_bTrackingLeave = FALSE;
    SetHotItem(-1);
    Default();
}

void CWTKHeaderCtrl::OnCancelMode()
{
    Default();
    SetHotItem(-1);
}

void CWTKHeaderCtrl::OnLButtonDown(UINT /*nFlags*/, CPoint /*point*/)
{
    m_bLeftButtonHeld = TRUE;
    Default();
}

void CWTKHeaderCtrl::OnLButtonUp(UINT /*nFlags*/, CPoint /*point*/)
{
    m_bLeftButtonHeld = FALSE;
    Default();
}

void CWTKHeaderCtrl::SetHotItem(int nItem)
{
    if (nItem == m_nHotItem)
        return;
    m_nHotItem = nItem;
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}
