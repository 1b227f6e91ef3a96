#include "customisation/CaptionLabel.h"
#include "foundation/WTKGlobalData.h"
#include "foundation/WTKVisualManager.h"
#include "gdi/DC.h"
#include "win/ClientDC.h"
#include "win/MessageMap.h"
#include "win/PaintDC.h"
#include <algorithm>

IMPLEMENT_DYNAMIC(CCaptionLabel, CWnd)

BEGIN_MESSAGE_MAP(CCaptionLabel, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SETFOCUS()
    ON_WM_LBUTTONDOWN()
    ON_MESSAGE(WM_SETFONT, OnSetFont)
    ON_MESSAGE(WM_GETFONT, OnGetFont)
END_MESSAGE_MAP()

BOOL CCaptionLabel::Create(LPCSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    LPCSTR lpszClass = CWnd::RegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW));
    return CWnd::Create(lpszClass, lpszCaption, dwStyle | WS_CLIPCHILDREN, rect, pParentWnd, nID);
}

void CCaptionLabel::SetClientWnd(CWnd* pWndClient)
{
    m_pWndClient = pWndClient;
    RecalcLayout();
}

void CCaptionLabel::SetMinCaptionHeight(int nHeight)
{
    m_nMinCaptionHeight = std::max(nHeight, 0);
    RecalcLayout();
}

void CCaptionLabel::AddCaptionButton(int nHitCode, UINT nCmdId)
{
    m_buttons.emplace_back(nHitCode, nCmdId);
    RecalcLayout();
}

CRect CCaptionLabel::GetCaptionButtonRect(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetCaptionButtonCount())
        return CRect();
    return m_buttons[static_cast<size_t>(nIndex)].m_rect;
}

int CCaptionLabel::OnCreate(LPCREATESTRUCTA /*lpCreateStruct*/)
{
    if (Default() == -1)
        return -1;
    RecalcLayout();
    return 0;
}

void CCaptionLabel::OnSize(UINT /*nType*/, int /*cx*/, int /*cy*/)
{
    Default();
    RecalcLayout();
}

HFONT CCaptionLabel::GetCaptionFont() const
{
    if (m_font.GetSafeHandle() != nullptr)
        return static_cast<HFONT>(m_font.GetSafeHandle());
    CWnd* pParent = GetParent();
    HFONT hFont = pParent != nullptr ? reinterpret_cast<HFONT>(pParent->SendMessage(WM_GETFONT)) : nullptr;
    return hFont != nullptr ? hFont : static_cast<HFONT>(WTKGetGlobalData().fontRegular.GetSafeHandle());
}

int CCaptionLabel::GetButtonWidth()
{
    return CWTKVisualManager::GetCaptionButtonSize().cx;
}

void CCaptionLabel::RecalcLayout()
{
    if (m_hWnd == nullptr)
        return;
    CRect rectClient;
    GetClientRect(&rectClient);

    CClientDC dc(this);
    HGDIOBJ hOldFont = ::SelectObject(dc.GetSafeHdc(), GetCaptionFont());
    TEXTMETRICA tm = {};
    ::GetTextMetricsA(dc.GetSafeHdc(), &tm);
    ::SelectObject(dc.GetSafeHdc(), hOldFont);
    const int nCaptionHeight = std::max(m_nMinCaptionHeight, static_cast<int>(tm.tmHeight) * 4 / 3);

    m_rectCaption = rectClient;
    m_rectCaption.bottom = std::min(rectClient.top + nCaptionHeight, rectClient.bottom);

    const int nButtonWidth = GetButtonWidth();
    int nRight = m_rectCaption.right;
    for (CButton& button : m_buttons) {
        button.m_rect.SetRect(nRight - nButtonWidth, m_rectCaption.top + 1, nRight,
                              m_rectCaption.top + 1 + std::max(nCaptionHeight - 2, 0));
        nRight -= nButtonWidth;
    }

    if (m_pWndClient != nullptr && m_pWndClient->GetSafeHwnd() != nullptr) {
        m_pWndClient->SetWindowPos(nullptr, rectClient.left, m_rectCaption.bottom, rectClient.Width(),
                                   std::max(static_cast<int>(rectClient.bottom - m_rectCaption.bottom), 0),
                                   SWP_NOZORDER | SWP_NOACTIVATE);
    }
    Invalidate();
}

void CCaptionLabel::OnPaint()
{
    CPaintDC dc(this);
    const WTKGlobalData& g = WTKGetGlobalData();
    CRect rect = m_rectCaption;
    dc.FillSolidRect(&rect, g.clrBtnFace);
    dc.Draw3dRect(&rect, g.clrBtnHilite, g.clrBtnShadow);

    CRect rectText = rect;
    rectText.DeflateRect(4, 0);
    if (!m_buttons.empty())
        rectText.right = std::max(rectText.left, m_buttons.back().m_rect.left - 2);
    const HWND hFocus = ::GetFocus();
    const BOOL bActive = hFocus != nullptr && (hFocus == m_hWnd || ::IsChild(m_hWnd, hFocus));
    CString strText;
    GetWindowText(strText);
    HGDIOBJ hOldFont = ::SelectObject(dc.GetSafeHdc(), GetCaptionFont());
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(::GetSysColor(bActive ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION));
    dc.DrawText(strText, -1, &rectText, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
    ::SelectObject(dc.GetSafeHdc(), hOldFont);

    for (const CButton& button : m_buttons)
        CWTKVisualManager::GetInstance()->OnDrawCaptionButton(&dc, &button, TRUE, FALSE, !IsWindowEnabled());
}

BOOL CCaptionLabel::OnEraseBkgnd(CDC* /*pDC*/)
{
    return TRUE;
}

void CCaptionLabel::OnSetFocus(CWnd* /*pOldWnd*/)
{
    if (m_pWndClient != nullptr && m_pWndClient->GetSafeHwnd() != nullptr)
        m_pWndClient->SetFocus();
}

void CCaptionLabel::OnLButtonDown(UINT /*nFlags*/, CPoint point)
{
    for (const CButton& button : m_buttons) {
        if (button.m_rect.PtInRect(point)) {
            if (CWnd* pParent = GetParent())
                pParent->SendMessage(WM_COMMAND, button.m_nCmdId, 0);
            return;
        }
    }
    Default();
}

LRESULT CCaptionLabel::OnSetFont(WPARAM wParam, LPARAM /*lParam*/)
{
    m_font.DeleteObject();
    LOGFONTA lf = {};
    HFONT hFont = reinterpret_cast<HFONT>(wParam);
    if (hFont != nullptr && ::GetObjectA(hFont, sizeof(lf), &lf) != 0)
        m_font.CreateFontIndirect(&lf);
    RecalcLayout();
    return 0;
}

LRESULT CCaptionLabel::OnGetFont(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    return reinterpret_cast<LRESULT>(m_font.GetSafeHandle());
}
