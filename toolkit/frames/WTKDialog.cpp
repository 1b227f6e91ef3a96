#include "frames/WTKDialog.h"

#include "gdi/DC.h"

IMPLEMENT_DYNAMIC(CWTKDialog, CDialog)

BEGIN_MESSAGE_MAP(CWTKDialog, CDialog)
    ON_WM_ACTIVATE()
    ON_WM_NCACTIVATE()
    ON_WM_ERASEBKGND()
    ON_WM_CTLCOLOR()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {

// Controls that show the dialog's background through their own.
BOOL IsTransparentControl(HWND hWnd)
{
    char szClass[16] = {};
    if (hWnd == nullptr || ::GetClassNameA(hWnd, szClass, sizeof(szClass)) == 0)
        return FALSE;
    return ::lstrcmpiA(szClass, "Static") == 0 || ::lstrcmpiA(szClass, "Button") == 0;
}

}  // namespace

CWTKDialog::CWTKDialog() : m_Impl(this) {}

CWTKDialog::CWTKDialog(UINT nIDTemplate, CWnd* pParentWnd) : CDialog(nIDTemplate, pParentWnd), m_Impl(this) {}

CWTKDialog::CWTKDialog(LPCSTR lpszTemplateName, CWnd* pParentWnd) : CDialog(lpszTemplateName, pParentWnd), m_Impl(this)
{}

CWTKDialog::~CWTKDialog()
{
    ReleaseBackgroundImage();
}

void CWTKDialog::SetBackgroundColor(COLORREF color, BOOL bRepaint)
{
    m_brBkgr.DeleteObject();
    m_brBkgr.CreateSolidBrush(color);
    if (bRepaint && GetSafeHwnd() != nullptr)
        Invalidate();
}

void CWTKDialog::SetBackgroundImage(HBITMAP hBitmap, BackgroundLocation location, BOOL bAutoDestroy, BOOL bRepaint)
{
    if (hBitmap != m_hBkgrBitmap)
        ReleaseBackgroundImage();
    m_hBkgrBitmap = hBitmap;
    m_bAutoDestroyBmp = bAutoDestroy;
    m_BkgrLocation = location;
    m_sizeBkgrBitmap = CSize(0, 0);
    BITMAP bmp = {};
    if (hBitmap != nullptr && ::GetObjectA(hBitmap, sizeof(bmp), &bmp) != 0)
        m_sizeBkgrBitmap = CSize(bmp.bmWidth, bmp.bmHeight);
    if (bRepaint && GetSafeHwnd() != nullptr)
        Invalidate();
}

void CWTKDialog::ReleaseBackgroundImage()
{
    if (m_bAutoDestroyBmp && m_hBkgrBitmap != nullptr)
        ::DeleteObject(m_hBkgrBitmap);
    m_hBkgrBitmap = nullptr;
    m_bAutoDestroyBmp = FALSE;
}

void CWTKDialog::SetActivePopup(CWTKPopupMenu* pPopup)
{
    m_Impl.SetActivePopup(pPopup);
}

BOOL CWTKDialog::PreTranslateMessage(MSG* pMsg)
{
    if (m_Impl.PreTranslateMessage(pMsg))
        return TRUE;
    return CDialog::PreTranslateMessage(pMsg);
}

BOOL CWTKDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (m_Impl.OnCommand(wParam))
        return TRUE;
    return CDialog::OnCommand(wParam, lParam);
}

void CWTKDialog::OnActivate(UINT nState, CWnd* pWndOther, BOOL /*bMinimized*/)
{
    m_Impl.OnActivate(nState, pWndOther);
    Default();
}

BOOL CWTKDialog::OnNcActivate(BOOL bActive)
{
    m_Impl.OnNcActivate(bActive);
    return static_cast<BOOL>(DefWindowProc(WM_NCACTIVATE, bActive, 0));
}

BOOL CWTKDialog::OnEraseBkgnd(CDC* pDC)
{
    if (!HasBackground())
        return CDialog::OnEraseBkgnd(pDC);
    CRect rectClient;
    GetClientRect(rectClient);
    // A tiled bitmap covers everything; otherwise the brush (or the default) lies beneath it.
    if (m_hBkgrBitmap == nullptr || m_BkgrLocation != kBackgroundTile) {
        if (m_brBkgr.GetSafeHandle() != nullptr)
            ::FillRect(pDC->GetSafeHdc(), &rectClient, static_cast<HBRUSH>(m_brBkgr.GetSafeHandle()));
        else
            CDialog::OnEraseBkgnd(pDC);
    }
    if (m_hBkgrBitmap != nullptr)
        DrawBackgroundImage(pDC->GetSafeHdc(), rectClient);
    return TRUE;
}

void CWTKDialog::DrawBackgroundImage(HDC hDC, const CRect& rectClient) const
{
    const int cx = m_sizeBkgrBitmap.cx;
    const int cy = m_sizeBkgrBitmap.cy;
    if (cx <= 0 || cy <= 0)
        return;
    auto draw = [&](int x, int y) {
        ::DrawStateA(hDC, nullptr, nullptr, reinterpret_cast<LPARAM>(m_hBkgrBitmap), 0, x, y, cx, cy, DST_BITMAP);
    };
    switch (m_BkgrLocation) {
    case kBackgroundTile:
        for (int y = rectClient.top; y < rectClient.bottom; y += cy)
            for (int x = rectClient.left; x < rectClient.right; x += cx)
                draw(x, y);
        break;
    case kBackgroundTopLeft:
        draw(rectClient.left, rectClient.top);
        break;
    case kBackgroundTopRight:
        draw(rectClient.right - cx, rectClient.top);
        break;
    case kBackgroundBottomLeft:
        draw(rectClient.left, rectClient.bottom - cy);
        break;
    case kBackgroundBottomRight:
        draw(rectClient.right - cx, rectClient.bottom - cy);
        break;
    }
}

HBRUSH CWTKDialog::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (HasBackground() && nCtlColor == CTLCOLOR_STATIC && pWnd != nullptr &&
        IsTransparentControl(pWnd->GetSafeHwnd())) {
        ::SetBkMode(pDC->GetSafeHdc(), TRANSPARENT);
        return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
    }
    return CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
}

void CWTKDialog::OnDestroy()
{
    ReleaseBackgroundImage();
    m_Impl.OnDestroy();
    CDialog::OnDestroy();
}
