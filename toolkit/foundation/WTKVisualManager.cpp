#include "foundation/WTKVisualManager.h"

#include "foundation/WTKBarInfo.h"
#include "foundation/WTKCaptionBarInfo.h"
#include "foundation/WTKCaptionButtonInfo.h"
#include "foundation/WTKCleanUp.h"
#include "foundation/WTKGlobalData.h"
#include "foundation/WTKMenuButtonInfo.h"
#include "foundation/WTKMenuGlyphs.h"
#include "foundation/WTKPaintTools.h"
#include "foundation/WTKPopupMenuInfo.h"
#include "foundation/WTKPushButtonInfo.h"
#include "foundation/WTKShortcutBarInfo.h"
#include "foundation/WTKShortcutPageButtonInfo.h"
#include "foundation/WTKStatusBarInfo.h"
#include "foundation/WTKTabWindowInfo.h"
#include "foundation/WTKTaskInfo.h"
#include "foundation/WTKTasksGroupInfo.h"
#include "foundation/WTKToolBarInfo.h"
#include "foundation/WTKToolbarButtonInfo.h"

#include "win/WinApp.h"
#include "win/WindowDC.h"
#include "win/Wnd.h"

#include <algorithm>
#include <array>
#include <cstddef>

IMPLEMENT_DYNCREATE(CWTKVisualManager, CObject)

namespace {

// RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW
constexpr UINT kRedrawAllFlags = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW;
// RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_ERASENOW | RDW_FRAME
constexpr UINT kRedrawFrameFlags = RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_ERASENOW | RDW_FRAME;

constexpr UINT kTabFlatTextFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
constexpr UINT kTabTextFormat = DT_END_ELLIPSIS | DT_VCENTER | DT_SINGLELINE;
constexpr UINT kProgressTextFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
// Gap between a tab's image and its label.
constexpr int kTabImageTextGap = 6;
// Slanted tabs shorter than this (beyond their slant) are not drawn.
constexpr int kSlantedTabMinimum = 10;

struct LookState {
    CWTKVisualManager* pCurrent = nullptr;
    CRuntimeClass* pDefaultClass = nullptr;
    std::array<WTKBarRedrawStep, static_cast<std::size_t>(WTKRedrawGroup::Count)> redrawSteps {};
};

// Built on first use, so no static object depends on its construction order.
LookState& State()
{
    static LookState state;
    return state;
}

const bool kCleanUpRegistered =
    (WTKRegisterCleanUp(WTKCleanUpStage::VisualManager, &CWTKVisualManager::DestroyInstance), true);

// The eight corners of a slanted tab (the slant as wide as the tab is high), cut at the tab
// window's client right and mirrored for tabs below the windows.
void SlantedTabOutline(const CRect& rect, int nClientRight, BOOL bTop, POINT (&pts)[8], BOOL& bCut)
{
    const int a = rect.left;
    const int b = rect.top;
    const int c = rect.right;
    const int d = rect.bottom;
    const int h = d - b;
    const POINT corners[8] = {{a, d},         {a + 2, d - 1}, {a + 4, d - 2}, {a + h, b + 2},
                              {a + h + 4, b}, {c - 2, b},     {c, b + 2},     {c, d}};
    bCut = FALSE;
    for (int i = 0; i < 8; ++i) {
        pts[i] = corners[i];
        if (pts[i].x > nClientRight) {
            pts[i].x = nClientRight;
            bCut = TRUE;
        }
        if (!bTop)
            pts[i].y = b + d - pts[i].y - 1;
    }
}

}  // namespace

CWTKVisualManager::CWTKVisualManager(BOOL bTemporary) : m_bTemporary(bTemporary)
{
    (void)kCleanUpRegistered;
    if (!m_bTemporary && State().pCurrent == nullptr)
        State().pCurrent = this;
    // A temporary look only answers questions: the shared colours and the glyph strip belong
    // to the current look.
    if (!m_bTemporary)
        WTKGetGlobalData().UpdateSysColors();
}

CWTKVisualManager::~CWTKVisualManager()
{
    // Only the current manager clears the pointer: deleting another one must not orphan the
    // current look (which would leak and make a second one).
    if (!m_bTemporary && State().pCurrent == this)
        State().pCurrent = nullptr;
}

CWTKVisualManager* CWTKVisualManager::GetInstance()
{
    LookState& state = State();
    if (state.pCurrent != nullptr)
        return state.pCurrent;

    CWTKVisualManager* pManager = nullptr;
    if (state.pDefaultClass != nullptr) {
        CObject* pObject = state.pDefaultClass->CreateObject();
        pManager = dynamic_cast<CWTKVisualManager*>(pObject);
        if (pManager == nullptr)
            delete pObject;
    }
    if (pManager == nullptr)
        pManager = new CWTKVisualManager(FALSE);

    state.pCurrent = pManager;
    pManager->m_bAutoDestroy = TRUE;
    pManager->OnUpdateSystemColors();
    return pManager;
}

void CWTKVisualManager::SetDefaultManager(CRuntimeClass* pRTIDefault)
{
    if (pRTIDefault != nullptr && !pRTIDefault->IsDerivedFrom(RUNTIME_CLASS(CWTKVisualManager)))
        return;

    LookState& state = State();
    state.pDefaultClass = pRTIDefault;
    if (CWTKVisualManager* pOld = state.pCurrent) {
        state.pCurrent = nullptr;
        // A look the application made itself stays the application's to delete.
        if (pOld->m_bAutoDestroy)
            delete pOld;
    }
    WTKGetGlobalData().UpdateSysColors();
    RedrawAll();
}

CRuntimeClass* CWTKVisualManager::GetDefaultManager()
{
    return State().pDefaultClass;
}

void CWTKVisualManager::RedrawAll()
{
    CWnd* pMainWnd = FwGetMainWnd();
    if (pMainWnd != nullptr && pMainWnd->GetSafeHwnd() != nullptr)
        ::RedrawWindow(pMainWnd->GetSafeHwnd(), nullptr, nullptr, kRedrawAllFlags);
    for (WTKBarRedrawStep step : State().redrawSteps) {
        if (step != nullptr)
            step(kRedrawAllFlags);
    }
}

void CWTKVisualManager::DestroyInstance()
{
    LookState& state = State();
    CWTKVisualManager* pCurrent = state.pCurrent;
    if (pCurrent == nullptr || !pCurrent->m_bAutoDestroy)
        return;
    state.pCurrent = nullptr;
    delete pCurrent;
}

void CWTKVisualManager::SetLook2000(BOOL bLook2000)
{
    GetInstance()->m_bLook2000 = bLook2000;
    CWnd* pMainWnd = FwGetMainWnd();
    if (pMainWnd != nullptr && pMainWnd->GetSafeHwnd() != nullptr)
        ::RedrawWindow(pMainWnd->GetSafeHwnd(), nullptr, nullptr, kRedrawFrameFlags);
    RedrawAll();
}

void CWTKVisualManager::SetBarRedrawStep(WTKRedrawGroup group, WTKBarRedrawStep step)
{
    const auto index = static_cast<std::size_t>(group);
    if (index < State().redrawSteps.size())
        State().redrawSteps[index] = step;
}

CSize CWTKVisualManager::GetGlyphSize()
{
    // The strip's size is known once it is loaded; the looks lay out by it before drawing.
    CWTKMenuGlyphs::Initialize();
    const CSize size = CWTKMenuGlyphs::GetSize();
    if (size.cx <= 0 || size.cy <= 0)
        return CSize(CWTKMenuGlyphs::kGlyphSize, CWTKMenuGlyphs::kGlyphSize);
    return size;
}

CSize CWTKVisualManager::GetCaptionButtonSize()
{
    const CSize size = GetGlyphSize();
    return CSize(size.cx + kCaptionButtonFrame, size.cy + kCaptionButtonFrame);
}

void CWTKVisualManager::DrawGlyph(CDC* pDC, int nGlyph, CPoint ptTopLeft)
{
    CWTKMenuGlyphs::Draw(pDC, nGlyph, ptTopLeft);
}

void CWTKVisualManager::OnUpdateSystemColors() {}

void CWTKVisualManager::OnFillBarBackground(CDC* pDC, const CWTKBarInfo* pBar, CRect rectClient, CRect rectClip,
                                            BOOL /*bNCArea*/)
{
    if (const auto* pShortcutBar = dynamic_cast<const CWTKShortcutBarInfo*>(pBar)) {
        pShortcutBar->FillWorkArea(pDC, rectClient);
        return;
    }
    if (const auto* pCaptionBar = dynamic_cast<const CWTKCaptionBarInfo*>(pBar)) {
        const COLORREF clrBackground = pCaptionBar->GetBackgroundColor();
        pDC->FillSolidRect(rectClient, clrBackground == kWTKNoColor ? WTKGetGlobalData().clrBarShadow : clrBackground);
        return;
    }
    pDC->FillRect(rectClip.IsRectEmpty() ? rectClient : rectClip, &WTKGetGlobalData().brBarFace);
}

void CWTKVisualManager::OnDrawBarBorder(CDC* pDC, const CWTKBarInfo* pBar, CRect& rect)
{
    const DWORD dwStyle = pBar->GetBarStyle();
    if ((dwStyle & kBarStyleBorderAny) == 0)
        return;

    const WTKGlobalData& g = WTKGetGlobalData();
    const COLORREF clrOldBk = pDC->GetBkColor();
    const COLORREF clrLeftTop = (dwStyle & kBarStyleBorder3D) ? g.clrBarHilite : g.clrBarShadow;
    const int cx = rect.Width();
    const int cy = rect.Height();

    if (dwStyle & kBarStyleBorderLeft)
        pDC->FillSolidRect(rect.left, rect.top, 1, cy - 1, clrLeftTop);
    if (dwStyle & kBarStyleBorderTop)
        pDC->FillSolidRect(rect.left, rect.top, cx - 1, 1, clrLeftTop);
    if (dwStyle & kBarStyleBorderRight)
        pDC->FillSolidRect(rect.right - 1, rect.top, 1, cy, g.clrBarShadow);
    if (dwStyle & kBarStyleBorderBottom)
        pDC->FillSolidRect(rect.left, rect.bottom - 1, cx - 1, 1, g.clrBarShadow);

    if (!pBar->IsDockable()) {
        pDC->FillSolidRect(rect.left, rect.top, cx, 1, g.clrBarShadow);
        pDC->FillSolidRect(rect.left, rect.top + 1, cx, 1, g.clrBarHilite);
    }

    if (dwStyle & kBarStyleBorderLeft)
        ++rect.left;
    if (dwStyle & kBarStyleBorderTop)
        ++rect.top;
    if (dwStyle & kBarStyleBorderRight)
        --rect.right;
    if (dwStyle & kBarStyleBorderBottom)
        --rect.bottom;

    pDC->SetBkColor(clrOldBk);
}

void CWTKVisualManager::OnDrawMenuBorder(CDC* pDC, const CWTKPopupMenuInfo* /*pMenu*/, CRect rect)
{
    const WTKGlobalData& g = WTKGetGlobalData();
    pDC->Draw3dRect(rect, g.clrBarLight, g.clrBarDkShadow);
    rect.DeflateRect(1, 1);
    pDC->Draw3dRect(rect, g.clrBarHilite, g.clrBarShadow);
}

void CWTKVisualManager::OnDrawBarGripper(CDC* pDC, CRect rectGripper, BOOL bHorz, const CWTKBarInfo* /*pBar*/)
{
    const WTKGlobalData& g = WTKGetGlobalData();
    // The 2000 variant draws one strip, the base look two.
    const int n = m_bLook2000 ? 0 : 1;
    CRect rect = rectGripper;

    if (bHorz) {
        rect.DeflateRect(0, 3 - n);
        rect.left = (rect.left + rect.right) / 2 - n - 1;
        rect.right = rect.left + 3;
        for (int i = 0; i <= n; ++i) {
            pDC->Draw3dRect(rect, g.clrBarHilite, g.clrBarShadow);
            if (!m_bLook2000)
                pDC->SetPixel(rect.left, rect.bottom - 1, g.clrBarHilite);
            rect.OffsetRect(4, 0);
        }
    } else {
        rect.top += n;
        rect.DeflateRect(3 - n, 0);
        rect.top = (rect.top + rect.bottom) / 2 - n - 1;
        rect.bottom = rect.top + 3;
        for (int i = 0; i <= n; ++i) {
            pDC->Draw3dRect(rect, g.clrBarHilite, g.clrBarShadow);
            if (!m_bLook2000)
                pDC->SetPixel(rect.right - 1, rect.top, g.clrBarHilite);
            rect.OffsetRect(0, 4);
        }
    }
}

void CWTKVisualManager::OnDrawSeparator(CDC* pDC, const CWTKBarInfo* /*pBar*/, CRect rect, BOOL bHorz)
{
    const WTKGlobalData& g = WTKGetGlobalData();
    if (bHorz) {
        const int x = rect.left + rect.Width() / 2 - 1;
        pDC->Draw3dRect(x, rect.top, 2, rect.Height(), g.clrBarShadow, g.clrBarHilite);
    } else {
        const int y = rect.top + rect.Height() / 2 - 1;
        pDC->Draw3dRect(rect.left, y, rect.Width(), 2, g.clrBarShadow, g.clrBarHilite);
    }
}

void CWTKVisualManager::OnDrawCaptionButton(CDC* pDC, const CWTKCaptionButtonInfo* pButton, BOOL bHorz, BOOL bExpanded,
                                            BOOL bDisabled)
{
    const WTKGlobalData& g = WTKGetGlobalData();
    int nGlyph = 0;
    if (pButton->GetHitCode() == kCaptionButtonHide)
        nGlyph = CWTKMenuGlyphs::kCloseSmall;
    else if (bHorz)
        nGlyph = bExpanded ? CWTKMenuGlyphs::kArrowRight
                           : (bDisabled ? CWTKMenuGlyphs::kArrowRightDisabled : CWTKMenuGlyphs::kArrowLeft);
    else
        nGlyph = bExpanded ? CWTKMenuGlyphs::kArrowDown
                           : (bDisabled ? CWTKMenuGlyphs::kArrowUpDisabled : CWTKMenuGlyphs::kArrowUp);

    const CSize size = pButton->IsGlyphSized() ? GetGlyphSize() : GetCaptionButtonSize();
    CRect rect(pButton->GetPosition(), size);
    const BOOL bPushed = pButton->IsPushed();
    const BOOL bHighlighted = pButton->IsHighlighted();
    const BOOL bPushedHot = bPushed && bHighlighted;

    const int nOffset = bPushedHot ? 3 : 2;
    DrawGlyph(pDC, nGlyph, CPoint(rect.left + nOffset, rect.top + nOffset));

    if (bPushedHot) {
        pDC->Draw3dRect(rect, g.clrBarDkShadow, g.clrBarLight);
        rect.DeflateRect(1, 1);
        pDC->Draw3dRect(rect, g.clrBarDkShadow, g.clrBarHilite);
    } else if (!m_bLook2000) {
        pDC->Draw3dRect(rect, g.clrBarLight, g.clrBarDkShadow);
        rect.DeflateRect(1, 1);
        pDC->Draw3dRect(rect, g.clrBarHilite, g.clrBarShadow);
    } else if ((bHighlighted || bPushed) && nGlyph != CWTKMenuGlyphs::kArrowUpDisabled &&
               nGlyph != CWTKMenuGlyphs::kArrowRightDisabled) {
        pDC->Draw3dRect(rect, g.clrBarHilite, g.clrBarShadow);
    }
}

void CWTKVisualManager::OnDrawMenuSystemButton(CDC* pDC, CRect rect, UINT uiSystemCommand, UINT nStyle,
                                               BOOL /*bHighlight*/)
{
    UINT uiState = 0;
    switch (uiSystemCommand) {
    case SC_CLOSE:
        uiState = DFCS_CAPTIONCLOSE;
        break;
    case SC_MINIMIZE:
        uiState = DFCS_CAPTIONMIN;
        break;
    case SC_RESTORE:
        uiState = DFCS_CAPTIONRESTORE;
        break;
    default:
        return;
    }
    if (nStyle & TBBS_PRESSED)
        uiState |= DFCS_PUSHED;
    if (nStyle & TBBS_DISABLED)
        uiState |= DFCS_INACTIVE;
    pDC->DrawFrameControl(rect, DFC_CAPTION, uiState);
}

void CWTKVisualManager::OnDrawStatusBarPaneBorder(CDC* pDC, const CWTKStatusBarInfo* /*pBar*/, CRect rectPane,
                                                  UINT /*uiID*/, UINT nStyle)
{
    if (nStyle & kPaneStyleNoBorders)
        return;
    const WTKGlobalData& g = WTKGetGlobalData();
    if (nStyle & kPaneStylePopOut)
        pDC->Draw3dRect(rectPane, g.clrBarHilite, g.clrBarShadow);
    else
        pDC->Draw3dRect(rectPane, g.clrBarShadow, g.clrBarHilite);
}

void CWTKVisualManager::OnDrawStatusBarProgress(CDC* pDC, const CWTKStatusBarInfo* /*pStatusBar*/, CRect rectProgress,
                                                int nProgressTotal, int nProgressCurr, COLORREF clrBar,
                                                COLORREF clrProgressBarDest, COLORREF clrProgressText,
                                                BOOL bProgressText)
{
    if (nProgressTotal <= 0)
        return;

    // The position is kept inside the range and the products are taken in 64 bits, so a
    // large range or a stray position never overflows or paints past the pane.
    const LONGLONG total = nProgressTotal;
    const LONGLONG position = std::clamp<LONGLONG>(nProgressCurr, 0, total);

    CRect rectFilled = rectProgress;
    rectFilled.right = rectFilled.left + static_cast<int>(rectProgress.Width() * position / total);

    if (clrProgressBarDest == kWTKNoColor) {
        pDC->FillSolidRect(rectFilled, clrBar);
    } else {
        CWTKPaintTools tools(pDC);
        tools.FillGradient(rectFilled, clrBar, clrProgressBarDest, FALSE);
    }

    if (!bProgressText)
        return;

    CString strText;
    strText.Format("%d%%", static_cast<int>(position * 100 / total));

    const COLORREF clrOldText = pDC->SetTextColor(WTKGetGlobalData().clrBtnText);
    const int nOldBkMode = pDC->SetBkMode(TRANSPARENT);
    CRect rectText = rectProgress;
    pDC->DrawText(strText, rectText, kProgressTextFormat);

    const int nSaved = pDC->SaveDC();
    pDC->IntersectClipRect(rectFilled);
    pDC->SetTextColor(clrProgressText == kWTKNoColor ? ::GetSysColor(COLOR_HIGHLIGHTTEXT) : clrProgressText);
    rectText = rectProgress;
    pDC->DrawText(strText, rectText, kProgressTextFormat);
    pDC->RestoreDC(nSaved);

    pDC->SetBkMode(nOldBkMode);
    pDC->SetTextColor(clrOldText);
}

void CWTKVisualManager::OnDrawStatusBarSizeBox(CDC* pDC, const CWTKStatusBarInfo* pStatBar, CRect rectSizeBox)
{
    WTKGlobalData& g = WTKGetGlobalData();
    CFont* pOldFont = pDC->SelectObject(&g.fontMarlett);
    const COLORREF clrOldText = pDC->SetTextColor(g.clrBtnShadow);
    const UINT nOldAlign = pDC->SetTextAlign(TA_RIGHT | TA_BOTTOM);
    const int nOldBkMode = pDC->SetBkMode(TRANSPARENT);

    // Marlett's size grip, mirrored for a right-to-left window.
    const char* pszGrip = pStatBar->IsLayoutRTL() ? "x" : "o";
    pDC->ExtTextOut(rectSizeBox.right, rectSizeBox.bottom, ETO_CLIPPED, rectSizeBox, pszGrip, 1, nullptr);

    pDC->SetBkMode(nOldBkMode);
    pDC->SetTextAlign(nOldAlign);
    pDC->SetTextColor(clrOldText);
    pDC->SelectObject(pOldFont);
}

void CWTKVisualManager::OnDrawComboDropButton(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsDropped,
                                              BOOL bIsHighlighted, const CWTKToolbarButtonInfo* /*pButton*/)
{
    const WTKGlobalData& g = WTKGetGlobalData();
    pDC->FillSolidRect(rect, g.clrBarFace);
    pDC->Draw3dRect(rect, g.clrBarHilite, g.clrBarHilite);

    if (bIsDropped) {
        rect.OffsetRect(1, 1);
        pDC->Draw3dRect(rect, g.clrBarShadow, g.clrBarHilite);
    } else if (bIsHighlighted) {
        pDC->Draw3dRect(rect, g.clrBarHilite, g.clrBarShadow);
    }

    const CSize sizeGlyph = GetGlyphSize();
    const CPoint pt(rect.left + (rect.Width() - sizeGlyph.cx) / 2 + 1,
                    rect.top + (rect.Height() - sizeGlyph.cy) / 2 + 1);
    DrawGlyph(pDC, bDisabled ? CWTKMenuGlyphs::kArrowDownDisabled : CWTKMenuGlyphs::kArrowDown, pt);
}

void CWTKVisualManager::OnDrawComboBorder(CDC* pDC, CRect rect, BOOL /*bDisabled*/, BOOL bIsDropped,
                                          BOOL bIsHighlighted, const CWTKToolbarButtonInfo* /*pButton*/)
{
    if (!bIsDropped && !bIsHighlighted)
        return;
    const WTKGlobalData& g = WTKGetGlobalData();
    if (m_bMenuFlatLook) {
        rect.DeflateRect(1, 1);
        pDC->Draw3dRect(rect, g.clrBarDkShadow, g.clrBarDkShadow);
    } else {
        pDC->Draw3dRect(rect, g.clrBarShadow, g.clrBarHilite);
    }
}

void CWTKVisualManager::OnDrawEditBorder(CDC* pDC, CRect rect, BOOL /*bDisabled*/, BOOL bIsHighlighted,
                                         const CWTKToolbarButtonInfo* /*pButton*/)
{
    if (bIsHighlighted)
        pDC->DrawEdge(rect, EDGE_SUNKEN, BF_RECT);
}

void CWTKVisualManager::OnDrawTearOffCaption(CDC* pDC, CRect rect, BOOL bIsActive)
{
    pDC->FillRect(rect, &WTKGetGlobalData().brBarFace);
    rect.DeflateRect(2, 1);
    pDC->FillSolidRect(rect, ::GetSysColor(bIsActive ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION));
}

void CWTKVisualManager::OnFillButtonInterior(CDC* pDC, const CWTKToolbarButtonInfo* pButton, CRect rect, int state)
{
    switch (pButton->GetKind()) {
    case CWTKToolbarButtonInfo::kindShowAllItems:
        if (state == kButtonStateHighlighted) {
            CWTKPaintTools tools(pDC);
            tools.HighlightRect(rect);
        }
        return;
    case CWTKToolbarButtonInfo::kindShortcut:
        return;
    case CWTKToolbarButtonInfo::kindPlain:
        break;
    }

    const CWTKToolBarInfo* pToolBar = pButton->GetParentToolBar();
    if (pToolBar != nullptr && pToolBar->IsCustomizing())
        return;
    if (state == kButtonStateHighlighted)
        return;
    if ((pButton->GetStyle() & (TBBS_CHECKED | TBBS_INDETERMINATE)) == 0)
        return;
    if (pToolBar != nullptr)
        rect.DeflateRect(pToolBar->GetButtonMargins());
    FillLightRect(pDC, rect);
}

void CWTKVisualManager::OnDrawButtonBorder(CDC* pDC, const CWTKToolbarButtonInfo* pButton, CRect rect, int state)
{
    const WTKGlobalData& g = WTKGetGlobalData();
    const COLORREF clrShadow =
        pButton->GetKind() == CWTKToolbarButtonInfo::kindShortcut ? g.clrBarDkShadow : g.clrBarShadow;
    // A pushed button is sunk into the bar, a highlighted one stands out of it.
    switch (state) {
    case kButtonStatePushed:
        pDC->Draw3dRect(rect, clrShadow, g.clrBarHilite);
        break;
    case kButtonStateHighlighted:
        pDC->Draw3dRect(rect, g.clrBarHilite, clrShadow);
        break;
    default:
        break;
    }
}

void CWTKVisualManager::OnDrawMenuButtonBorder(CDC* pDC, const CWTKMenuButtonInfo* pButton, CRect rect, int state,
                                               BOOL /*bHorz*/)
{
    if (m_bMenuFlatLook && pButton->DrawFlatBorder(pDC, rect, state))
        return;
    OnDrawButtonBorder(pDC, pButton, rect, state);
}

void CWTKVisualManager::OnHighlightMenuItem(CDC* pDC, const CWTKToolBarInfo* /*pBar*/,
                                            const CWTKToolbarButtonInfo* /*pButton*/, CRect rect, COLORREF& /*clrText*/)
{
    pDC->FillRect(rect, &WTKGetGlobalData().brHilite);
}

void CWTKVisualManager::OnHighlightRarelyUsedMenuItems(CDC* pDC, CRect rectRarelyUsed)
{
    {
        CWTKPaintTools tools(pDC);
        tools.HighlightRect(rectRarelyUsed);
    }
    pDC->Draw3dRect(rectRarelyUsed, WTKGetGlobalData().clrBarShadow, WTKGetGlobalData().clrBarHilite);
}

COLORREF CWTKVisualManager::GetToolbarButtonTextColor(const CWTKToolbarButtonInfo* pButton, int state)
{
    const WTKGlobalData& g = WTKGetGlobalData();
    const CWTKToolBarInfo* pToolBar = pButton->GetParentToolBar();
    const BOOL bCustomizing = pToolBar != nullptr && pToolBar->IsCustomizing();
    const BOOL bDisabledStyle = (pButton->GetStyle() & TBBS_DISABLED) != 0;
    const BOOL bDisabled = bCustomizing ? (!pButton->IsEnabledInCustomizeMode() || bDisabledStyle) : bDisabledStyle;

    if (pButton->GetKind() == CWTKToolbarButtonInfo::kindShortcut)
        return ::GetSysColor(bDisabled ? COLOR_BTNFACE : COLOR_WINDOW);
    if (bDisabled)
        return g.clrGrayedText;
    if (state == kButtonStateHighlighted && pToolBar != nullptr)
        return pToolBar->GetHighlightedTextColor();
    return g.clrBarText;
}

COLORREF CWTKVisualManager::GetCaptionBarTextColor(const CWTKCaptionBarInfo* /*pBar*/)
{
    return ::GetSysColor(COLOR_WINDOW);
}

BOOL CWTKVisualManager::OnFillOutlookPageButton(const CWTKShortcutPageButtonInfo* /*pButton*/, CDC* /*pDC*/,
                                                const CRect& /*rect*/, COLORREF& /*clrText*/)
{
    return FALSE;
}

BOOL CWTKVisualManager::OnDrawOutlookPageButtonBorder(const CWTKShortcutPageButtonInfo* /*pButton*/, CDC* /*pDC*/,
                                                      CRect& /*rect*/, int /*state*/)
{
    return FALSE;
}

void CWTKVisualManager::OnFillPushButtonBackground(CDC* pDC, const CRect& rectClient, CWTKPushButtonInfo* /*pButton*/)
{
    pDC->FillRect(rectClient, &WTKGetGlobalData().brBarFace);
}

void CWTKVisualManager::OnDrawPushButtonBorder(CDC* pDC, CRect& rectClient, CWTKPushButtonInfo* pButton, UINT uiState)
{
    pButton->OnDrawBorder(pDC, rectClient, uiState);
}

void CWTKVisualManager::OnEraseTabsArea(CDC* pDC, CRect rect, const CWTKTabWindowInfo* pTabWnd)
{
    pDC->FillRect(rect, &WTKGetGlobalData().brBarFace);
    if (!pTabWnd->IsSlantedStyle())
        return;
    const int iActive = pTabWnd->GetActiveTab();
    if (iActive < 0)
        return;
    const COLORREF clrActive = pTabWnd->GetTabBkColor(iActive);
    if (clrActive == kWTKNoColor)
        return;
    CRect rectStrip = rect;
    rectStrip.top = rectStrip.bottom - 2;
    pDC->FillSolidRect(rectStrip, clrActive);
}

COLORREF CWTKVisualManager::OnDrawTab(CDC* pDC, CRect rectTab, int iTab, BOOL bIsActive,
                                      const CWTKTabWindowInfo* pTabWnd)
{
    const WTKGlobalData& g = WTKGetGlobalData();
    const BOOL bTop = pTabWnd->IsTabsOnTop();
    const COLORREF clrTab = pTabWnd->GetTabBkColor(iTab);
    CRect rectContent = rectTab;

    if (pTabWnd->IsFlatStyle()) {
        const int m = pTabWnd->IsScrollButtonsNeeded() ? pTabWnd->GetButtonHeight() / 2 : 0;
        POINT pts[4];
        if (bTop) {
            ++rectTab.top;
            pts[0] = {rectTab.left + m, rectTab.top};
            pts[1] = {rectTab.left, rectTab.bottom};
            pts[2] = {rectTab.right, rectTab.bottom};
            pts[3] = {rectTab.right - m, rectTab.top};
        } else {
            --rectTab.bottom;
            pts[0] = {rectTab.left, rectTab.top};
            pts[1] = {rectTab.left + m, rectTab.bottom};
            pts[2] = {rectTab.right - m, rectTab.bottom};
            pts[3] = {rectTab.right, rectTab.top};
        }
        CBrush brTab;
        CBrush* pOldBrush = nullptr;
        if (!bIsActive && clrTab != kWTKNoColor && brTab.CreateSolidBrush(clrTab))
            pOldBrush = pDC->SelectObject(&brTab);
        pDC->Polygon(pts, 4);
        if (pOldBrush != nullptr)
            pDC->SelectObject(pOldBrush);
        rectContent = rectTab;
    } else {
        const BOOL bSlanted = pTabWnd->IsSlantedStyle();
        const int nClientRight = pTabWnd->GetClientRight();
        if (bSlanted) {
            const int nVisibleRight = std::min<int>(rectTab.right, nClientRight);
            const int nMinimum = kSlantedTabMinimum + (bIsActive ? 0 : rectTab.Height());
            if (nVisibleRight < rectTab.left + nMinimum || rectTab.left >= rectTab.right - kSlantedTabMinimum)
                return kWTKNoColor;
        } else if (!bIsActive) {
            if (bTop)
                rectTab.top += 2;
            else
                rectTab.bottom -= 2;
        }

        const int a = rectTab.left;
        const int b = rectTab.top;
        const int c = rectTab.right;
        const int d = rectTab.bottom;

        if (bSlanted) {
            POINT pts[8];
            BOOL bCut = FALSE;
            SlantedTabOutline(rectTab, nClientRight, bTop, pts, bCut);

            const int nSaved = pDC->SaveDC();
            CRgn rgnTab;
            rgnTab.CreatePolygonRgn(pts, 8, WINDING);
            pDC->SelectClipRgn(&rgnTab, RGN_AND);
            pDC->FillSolidRect(rectTab, clrTab == kWTKNoColor ? g.clrBtnFace : clrTab);
            pDC->RestoreDC(nSaved);

            // The outline must not cross the next tab, which overlaps this one's right end.
            const int nSavedOutline = pDC->SaveDC();
            CRect rectNext;
            if (pTabWnd->GetTabRect(iTab + 1, rectNext) && !rectNext.IsRectEmpty()) {
                POINT ptsNext[8];
                BOOL bNextCut = FALSE;
                SlantedTabOutline(rectNext, nClientRight, bTop, ptsNext, bNextCut);
                CRgn rgnNext;
                rgnNext.CreatePolygonRgn(ptsNext, 8, WINDING);
                CRgn rgnAll;
                rgnAll.CreateRectRgn(-0x7FFF, -0x7FFF, 0x7FFF, 0x7FFF);
                rgnAll.CombineRgn(&rgnAll, &rgnNext, RGN_DIFF);
                pDC->SelectClipRgn(&rgnAll, RGN_AND);
            }
            pDC->Polyline(pts, 8);

            CPen penHilite(PS_SOLID, 1, g.clrBarHilite);
            CPen penShadow(PS_SOLID, 1, g.clrBarShadow);
            // The light edge just inside the slant and the shadow just inside the right end.
            const int dy = bTop ? 1 : -1;
            CPen* pOldPen = pDC->SelectObject(&penHilite);
            pDC->MoveTo(pts[1].x + 1, pts[1].y);
            pDC->LineTo(pts[3].x + 1, pts[3].y);
            pDC->LineTo(pts[4].x, pts[4].y + dy);
            pDC->LineTo(pts[5].x, pts[5].y + dy);
            if (!bCut) {
                pDC->SelectObject(&penShadow);
                pDC->MoveTo(pts[6].x - 1, pts[6].y);
                pDC->LineTo(pts[7].x - 1, pts[7].y);
            }
            pDC->SelectObject(pOldPen);
            if (bCut) {
                pDC->MoveTo(nClientRight, b);
                pDC->LineTo(nClientRight, d);
            }
            pDC->RestoreDC(nSavedOutline);
        } else {
            if (!bIsActive && clrTab != kWTKNoColor) {
                CRect rectFill = rectTab;
                rectFill.DeflateRect(1, 1);
                pDC->FillSolidRect(rectFill, clrTab);
            }

            CPen penHilite(PS_SOLID, 1, g.clrBarHilite);
            CPen penShadow(PS_SOLID, 1, g.clrBarShadow);
            CGdiObject* pOldPen = pDC->SelectStockObject(BLACK_PEN);
            if (bTop) {
                pDC->MoveTo(c, bIsActive ? d : d - 1);
                pDC->LineTo(c, b + 2);
                pDC->LineTo(c - 2, b);
                pDC->SelectObject(&penHilite);
                pDC->LineTo(a + 2, b);
                pDC->LineTo(a, b + 2);
                pDC->LineTo(a, d);
                pDC->SelectObject(&penShadow);
                pDC->MoveTo(c - 1, bIsActive ? d : d - 1);
                pDC->LineTo(c - 1, b + 1);
            } else {
                pDC->SelectObject(&penHilite);
                pDC->MoveTo(a, b);
                pDC->LineTo(a, d - 2);
                pDC->SelectStockObject(BLACK_PEN);
                pDC->LineTo(a + 2, d);
                pDC->LineTo(c - 2, d);
                pDC->LineTo(c, d - 2);
                pDC->LineTo(c, b - 1);
                pDC->SelectObject(&penShadow);
                pDC->MoveTo(a + 3, d - 1);
                pDC->LineTo(c - 2, d - 1);
                pDC->LineTo(c - 1, d - 2);
                pDC->LineTo(c - 1, b - 1);
            }
            pDC->SelectObject(pOldPen != nullptr ? pOldPen->GetSafeHandle() : nullptr);
        }

        if (bIsActive) {
            // Joins the active tab to its page.
            CRect rectJoin = bTop ? CRect(a, d, c - 1, d + 3) : CRect(a, b - 3, c - 1, b);
            if (bSlanted)
                rectJoin.right = std::min<int>(rectJoin.right, nClientRight);
            if (bSlanted && clrTab != kWTKNoColor)
                pDC->FillSolidRect(rectJoin, clrTab);
            else
                pDC->FillRect(rectJoin, &WTKGetGlobalData().brBarFace);
        }

        rectContent = rectTab;
        if (bSlanted) {
            rectContent.right -= kTabImageMargin;
            rectContent.left += rectTab.Height();
        }
    }

    COLORREF clrPrevious = kWTKNoColor;
    const COLORREF clrText = pTabWnd->GetTabTextColor(iTab);
    if (!bIsActive && clrText != kWTKNoColor)
        clrPrevious = pDC->SetTextColor(clrText);
    OnDrawTabContent(pDC, rectContent, iTab, bIsActive, pTabWnd, kWTKNoColor);
    if (clrPrevious != kWTKNoColor)
        pDC->SetTextColor(clrPrevious);
    return clrPrevious;
}

void CWTKVisualManager::OnDrawTabContent(CDC* pDC, CRect rectTab, int iTab, BOOL bIsActive,
                                         const CWTKTabWindowInfo* pTabWnd, COLORREF clrText)
{
    CString strLabel;
    pTabWnd->GetTabLabel(iTab, strLabel);
    const UINT uiNoPrefix = pTabWnd->IsNoPrefix() ? DT_NOPREFIX : 0;
    const int nOldBkMode = pDC->SetBkMode(TRANSPARENT);

    if (pTabWnd->IsFlatStyle()) {
        pDC->DrawText(strLabel, rectTab, kTabFlatTextFormat | uiNoPrefix);
        pDC->SetBkMode(nOldBkMode);
        return;
    }

    const int iIcon = pTabWnd->GetTabIcon(iTab);
    const HIMAGELIST hImages = pTabWnd->GetImageList();
    const CSize sizeImage = pTabWnd->GetImageSize();
    if (iIcon >= 0 && hImages != nullptr && rectTab.Width() > kTabImageMargin + sizeImage.cx) {
        int y = rectTab.top + (rectTab.Height() - sizeImage.cy) / 2;
        if (bIsActive && !pTabWnd->IsTabsOnTop())
            --y;
        ImageList_Draw(hImages, iIcon, pDC->GetSafeHdc(), rectTab.left + kTabImageMargin, y, ILD_TRANSPARENT);
        rectTab.left += sizeImage.cx + kTabImageTextGap;
    }

    COLORREF clrOldText = kWTKNoColor;
    if (clrText != kWTKNoColor)
        clrOldText = pDC->SetTextColor(clrText);
    const UINT uiFormat = kTabTextFormat | uiNoPrefix | (pTabWnd->IsSlantedStyle() ? DT_CENTER : 0);
    pDC->DrawText(strLabel, rectTab, uiFormat);
    if (clrOldText != kWTKNoColor)
        pDC->SetTextColor(clrOldText);
    pDC->SetBkMode(nOldBkMode);
}

void CWTKVisualManager::OnFillTabButton(CDC* pDC, CRect rect, CWTKPushButtonInfo* /*pButton*/)
{
    pDC->FillRect(rect, &WTKGetGlobalData().brBarFace);
}

void CWTKVisualManager::OnDrawTabButtonBorder(CDC* pDC, CRect& rect, CWTKPushButtonInfo* pButton, UINT uiState)
{
    const WTKGlobalData& g = WTKGetGlobalData();
    if ((pButton->IsPushed() && pButton->IsHighlighted()) || (uiState & ODS_SELECTED)) {
        pDC->Draw3dRect(rect, g.clrBtnDkShadow, g.clrBtnHilite);
        rect.OffsetRect(2, 2);
    } else {
        pDC->Draw3dRect(rect, g.clrBtnHilite, g.clrBtnDkShadow);
    }
    rect.DeflateRect(2, 2);
}

void CWTKVisualManager::GetTabFrameColors(const CWTKTabWindowInfo* pTabWnd, COLORREF& clrDark, COLORREF& clrBlack,
                                          COLORREF& clrHighlight, COLORREF& clrFace, COLORREF& clrDarkShadow,
                                          COLORREF& clrLight, HBRUSH& hbrFace, HBRUSH& hbrBlack)
{
    WTKGlobalData& g = WTKGetGlobalData();
    clrDark = g.clrBarShadow;
    clrBlack = g.clrBarText;
    clrHighlight = g.clrBarHilite;
    clrFace = g.clrBarFace;
    if (pTabWnd->IsSlantedStyle() && pTabWnd->GetActiveTab() >= 0) {
        const COLORREF clrActive = pTabWnd->GetTabBkColor(pTabWnd->GetActiveTab());
        if (clrActive != kWTKNoColor)
            clrFace = clrActive;
    }
    clrDarkShadow = g.clrBarDkShadow;
    clrLight = g.clrBarLight;
    hbrFace = static_cast<HBRUSH>(g.brBarFace.GetSafeHandle());
    hbrBlack = static_cast<HBRUSH>(g.brBtnDkShadow.GetSafeHandle());
}

BOOL CWTKVisualManager::OnEraseTabsFrame(CDC* pDC, CRect rect, const CWTKTabWindowInfo* pTabWnd)
{
    if (!pTabWnd->IsSlantedStyle() || pTabWnd->GetActiveTab() < 0)
        return FALSE;
    const COLORREF clrActive = pTabWnd->GetTabBkColor(pTabWnd->GetActiveTab());
    if (clrActive == kWTKNoColor)
        return FALSE;
    pDC->FillSolidRect(rect, clrActive);
    return TRUE;
}

BOOL CWTKVisualManager::IsHighlightTabs() const
{
    return FALSE;
}

COLORREF CWTKVisualManager::OnFillCheckedImageBackground(CDC* pDC, CRect rect, BOOL bHighlighted)
{
    WTKGlobalData& g = WTKGetGlobalData();
    if (!bHighlighted) {
        pDC->FillRect(rect, &g.brBtnFace);
        return g.clrBarText;
    }
    pDC->FillRect(rect, &g.brHilite);
    rect.DeflateRect(1, 1);
    // A one-pixel frame inverted with the DC's brush, so it shows on any highlight colour.
    pDC->PatBlt(rect.left, rect.top, rect.Width(), 1, PATINVERT);
    pDC->PatBlt(rect.left, rect.bottom - 1, rect.Width(), 1, PATINVERT);
    pDC->PatBlt(rect.left, rect.top + 1, 1, rect.Height() - 2, PATINVERT);
    pDC->PatBlt(rect.right - 1, rect.top + 1, 1, rect.Height() - 2, PATINVERT);
    return g.clrTextHilite;
}

CSize CWTKVisualManager::GetButtonExtraBorder() const
{
    return CSize(0, 0);
}

void CWTKVisualManager::OnFillOutlookBarBackground(CDC* pDC, CRect rect, const CWTKShortcutBarInfo* pBar)
{
    WTKGlobalData& g = WTKGetGlobalData();
    pDC->FillRect(rect, pBar->UsesButtonColors() ? &g.brBtnFace : &g.brBarFace);
}

void CWTKVisualManager::OnDrawOutlookButtonBorder(const CWTKShortcutBarInfo* pBar, CDC* pDC, CRect& rectBtn,
                                                  BOOL bIsPressed, BOOL /*bIsHighlighted*/)
{
    const WTKGlobalData& g = WTKGetGlobalData();
    const BOOL bButtonColors = pBar->UsesButtonColors();
    if (bIsPressed) {
        const COLORREF clrShadow = bButtonColors ? g.clrBtnShadow : g.clrBarShadow;
        pDC->Draw3dRect(rectBtn, clrShadow, clrShadow);
        ++rectBtn.left;
        ++rectBtn.top;
    } else if (bButtonColors) {
        pDC->Draw3dRect(rectBtn, g.clrBtnHilite, g.clrBtnShadow);
    } else {
        pDC->Draw3dRect(rectBtn, g.clrBarHilite, g.clrBarShadow);
    }
}

void CWTKVisualManager::OnDrawOutlookScrollArrow(const CWTKShortcutBarInfo* pBar, CDC* pDC, CRect rect, BOOL bIsUp)
{
    const WTKGlobalData& g = WTKGetGlobalData();
    const BOOL bButtonColors = pBar->UsesButtonColors();
    CPen penHilite(PS_SOLID, 1, bButtonColors ? g.clrBtnHilite : g.clrBarHilite);
    CPen penDark(PS_SOLID, 1, bButtonColors ? g.clrBtnDkShadow : g.clrBarDkShadow);

    // An isosceles triangle as wide as the rectangle, its light sides towards the top left.
    const int cx = rect.left + rect.Width() / 2;
    const int nHalf = std::max(1, std::min(rect.Width(), rect.Height() * 2) / 2 - 1);
    const int nTop = rect.top + (rect.Height() - nHalf) / 2;
    const int nBottom = nTop + nHalf;
    CPen* pOldPen = pDC->SelectObject(&penHilite);
    if (bIsUp) {
        pDC->MoveTo(cx - nHalf, nBottom);
        pDC->LineTo(cx, nTop);
        pDC->SelectObject(&penDark);
        pDC->LineTo(cx + nHalf, nBottom);
        pDC->LineTo(cx - nHalf, nBottom);
    } else {
        pDC->MoveTo(cx + nHalf, nTop);
        pDC->LineTo(cx - nHalf, nTop);
        pDC->LineTo(cx, nBottom);
        pDC->SelectObject(&penDark);
        pDC->LineTo(cx + nHalf, nTop);
    }
    pDC->SelectObject(pOldPen);
}

void CWTKVisualManager::OnFillTasksPaneBackground(CDC* pDC, CRect rect)
{
    pDC->FillSolidRect(rect, ::GetSysColor(COLOR_WINDOW));
}

void CWTKVisualManager::OnDrawTasksGroupCaption(CDC* pDC, const CWTKTasksGroupInfo* pGroup, BOOL bIsHighlighted,
                                                BOOL /*bIsSelected*/, BOOL bCanCollapse)
{
    WTKGlobalData& g = WTKGetGlobalData();
    const CRect rectCaption = pGroup->GetCaptionRect();
    const BOOL bSpecial = pGroup->IsSpecial();
    pDC->FillSolidRect(rectCaption, bSpecial ? g.clrHilite : g.clrBtnFace);

    int nTextLeft = rectCaption.left + m_nGroupCaptionHorzOffset;
    const HICON hIcon = pGroup->GetIcon();
    const CSize sizeIcon = pGroup->GetIconSize();
    if (hIcon != nullptr && sizeIcon.cx < rectCaption.Width() - rectCaption.Height()) {
        pDC->DrawIcon(rectCaption.left + 1, rectCaption.bottom - sizeIcon.cy, hIcon);
        nTextLeft = rectCaption.left + 1 + sizeIcon.cx;
    }

    const CString strText = pGroup->GetCaptionText();
    CRect rectText(nTextLeft, rectCaption.top, std::max<int>(nTextLeft, rectCaption.right - rectCaption.Height()),
                   rectCaption.bottom);
    CFont* pOldFont = pDC->SelectObject(&g.fontBold);
    const COLORREF clrOldText = pDC->SetTextColor(::GetSysColor(bSpecial ? COLOR_WINDOW : COLOR_WINDOWTEXT));
    const int nOldBkMode = pDC->SetBkMode(TRANSPARENT);
    pDC->DrawText(strText, rectText, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
    pDC->SetBkMode(nOldBkMode);
    pDC->SetTextColor(clrOldText);
    pDC->SelectObject(pOldFont);

    if (!bCanCollapse || strText.IsEmpty())
        return;
    const CSize sizeGlyph = GetGlyphSize();
    const int h = (rectCaption.Height() + 1) / 2;
    const CPoint pt(std::max<int>(rectCaption.left, rectCaption.right - (sizeGlyph.cx + 1) / 2 - h),
                    std::max<int>(rectCaption.top, rectCaption.bottom - (sizeGlyph.cy + 1) / 2 - h));
    CRect rectBox(pt, sizeGlyph);
    if (rectBox.right > rectCaption.right || rectBox.bottom > rectCaption.bottom)
        return;
    CRect rectFrame = rectBox;
    rectFrame.InflateRect(2, 2);
    if (bIsHighlighted)
        pDC->Draw3dRect(rectFrame, g.clrBtnHilite, g.clrBtnShadow);
    else
        pDC->Draw3dRect(rectFrame, g.clrBtnShadow, g.clrBtnHilite);
    DrawGlyph(pDC, pGroup->IsCollapsed() ? CWTKMenuGlyphs::kArrowDown : CWTKMenuGlyphs::kArrowUp, pt);
}

void CWTKVisualManager::OnFillTasksGroupInterior(CDC* /*pDC*/, CRect /*rect*/) {}

void CWTKVisualManager::OnDrawTasksGroupAreaBorder(CDC* /*pDC*/, CRect /*rect*/, BOOL /*bSpecial*/) {}

void CWTKVisualManager::OnDrawTasksGroupFrame(CDC* pDC, CRect rect, BOOL bSpecial, BOOL /*bNoTitle*/)
{
    CPen pen(PS_SOLID, 1, bSpecial ? WTKGetGlobalData().clrHilite : WTKGetGlobalData().clrBtnFace);
    CPen* pOldPen = pDC->SelectObject(&pen);
    pDC->MoveTo(rect.left, rect.top);
    pDC->LineTo(rect.left, rect.bottom - 1);
    pDC->LineTo(rect.right - 1, rect.bottom - 1);
    pDC->LineTo(rect.right - 1, rect.top - 1);
    pDC->SelectObject(pOldPen);
}

void CWTKVisualManager::OnDrawTask(CDC* pDC, const CWTKTaskInfo* pTask, HIMAGELIST hIcons, BOOL bIsHighlighted)
{
    WTKGlobalData& g = WTKGetGlobalData();
    CRect rect = pTask->GetRect();
    if (pTask->IsSeparator()) {
        const int y = rect.top + rect.Height() / 2;
        pDC->FillSolidRect(rect.left, y, rect.Width(), 1, g.clrBarFace);
        return;
    }

    const int iIcon = pTask->GetIcon();
    if (hIcons != nullptr && iIcon >= 0) {
        int cx = 0;
        int cy = 0;
        ImageList_GetIconSize(hIcons, &cx, &cy);
        ImageList_Draw(hIcons, iIcon, pDC->GetSafeHdc(), rect.left, rect.top + (rect.Height() - cy) / 2,
                       ILD_TRANSPARENT);
        rect.left += cx + m_nTasksIconHorzOffset;
    }

    CFont* pOldFont = pDC->SelectObject(bIsHighlighted ? &g.fontUnderline : &g.fontRegular);
    const COLORREF clrOldText =
        pDC->SetTextColor(pTask->IsEnabled() ? ::GetSysColor(COLOR_WINDOWTEXT) : g.clrGrayedText);
    const int nOldBkMode = pDC->SetBkMode(TRANSPARENT);
    pDC->DrawText(pTask->GetText(), rect, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
    pDC->SetBkMode(nOldBkMode);
    pDC->SetTextColor(clrOldText);
    pDC->SelectObject(pOldFont);
}

void CWTKVisualManager::OnDrawScrollButton(CDC* pDC, CRect rect, int nExtraTop, int nGlyph, BOOL bHighlighted)
{
    const WTKGlobalData& g = WTKGetGlobalData();
    CRect rectFill = rect;
    rectFill.top -= nExtraTop;
    pDC->FillRect(rectFill, &WTKGetGlobalData().brBarFace);
    if (bHighlighted) {
        {
            CWTKPaintTools tools(pDC);
            tools.HighlightRect(rect);
        }
        pDC->Draw3dRect(rect, g.clrBarHilite, g.clrBarDkShadow);
    }
    const CSize sizeGlyph = GetGlyphSize();
    DrawGlyph(pDC, nGlyph,
              CPoint(rect.left + (rect.Width() - sizeGlyph.cx) / 2, rect.top + (rect.Height() - sizeGlyph.cy) / 2));
}

void CWTKVisualManager::OnDrawExpandingBox(CDC* pDC, CRect rect, BOOL bIsOpened, COLORREF colorBox)
{
    pDC->Draw3dRect(rect, colorBox, colorBox);
    rect.DeflateRect(2, 2);
    const CPoint ptCenter = rect.CenterPoint();
    CPen pen(PS_SOLID, 1, WTKGetGlobalData().clrBtnText);
    CPen* pOldPen = pDC->SelectObject(&pen);
    pDC->MoveTo(rect.left, ptCenter.y);
    pDC->LineTo(rect.right, ptCenter.y);
    if (!bIsOpened) {
        pDC->MoveTo(ptCenter.x, rect.top);
        pDC->LineTo(ptCenter.x, rect.bottom);
    }
    pDC->SelectObject(pOldPen);
}

int CWTKVisualManager::GetShowAllMenuItemsHeight(CDC* /*pDC*/, const CSize& /*sizeDefault*/)
{
    return GetGlyphSize().cy + 6;
}

void CWTKVisualManager::OnDrawShowAllMenuItems(CDC* pDC, CRect rect, int /*state*/)
{
    const CSize sizeGlyph = GetGlyphSize();
    DrawGlyph(pDC, CWTKMenuGlyphs::kChevronDown,
              CPoint(rect.left + (rect.Width() - sizeGlyph.cx) / 2, rect.top + (rect.Height() - sizeGlyph.cy) / 2));
}

void CWTKVisualManager::OnDrawControlBorder(CWnd* pWndCtrl)
{
    if (pWndCtrl == nullptr || pWndCtrl->GetSafeHwnd() == nullptr)
        return;
    CWindowDC dc(pWndCtrl);
    CRect rect;
    ::GetWindowRect(pWndCtrl->GetSafeHwnd(), rect);
    rect.OffsetRect(-rect.left, -rect.top);
    dc.Draw3dRect(rect, WTKGetGlobalData().clrBarDkShadow, WTKGetGlobalData().clrBarHilite);
}

int CWTKVisualManager::GetMenuImageMargin() const
{
    return 2;
}

BOOL CWTKVisualManager::IsBaseLook() const
{
    return TRUE;
}

int CWTKVisualManager::GetPushButtonMargin() const
{
    return 2;
}

BOOL CWTKVisualManager::IsOffsetPressedButton() const
{
    return TRUE;
}

int CWTKVisualManager::GetMetricA() const
{
    return m_nMetricA;
}

int CWTKVisualManager::GetMetricB() const
{
    return m_nMetricB;
}
