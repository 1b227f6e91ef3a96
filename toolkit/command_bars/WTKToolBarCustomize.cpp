// CWTKToolBar: customise mode. A click selects a button instead of running it and drags it as
// OLE data to another place, another bar, or off the bars to delete it; the bar under the drag
// shows where the button would land; a button with a control can be widened by its right edge;
// a right click opens the button context menu, whose commands act on the selected button.
#include "command_bars/WTKToolBar.h"

#include "command_bars/WTKButtonDragSource.h"
#include "command_bars/WTKCommandManager.h"
#include "command_bars/WTKCustomizeLink.h"
#include "command_bars/WTKToolbarMenuButton.h"
#include "command_bars/res/WTKCommandBarsRes.h"

#include "foundation/WTKGlobalData.h"
#include "foundation/WTKUserSignals.h"
#include "foundation/WTKUserToolsManagerBase.h"

#include "gdi/DC.h"
#include "ole/OleDataObject.h"
#include "ole/OleDataSource.h"
#include "win/ClientDC.h"
#include "win/Menu.h"
#include "win/WaitCursor.h"
#include "win/WndLifeGuard.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {
constexpr int kGroupBreakMove = 6;   // a drop on its own place this far along the bar moves the group break
constexpr int kStretchGrip = 6;      // a press this near a stretchable button's right edge resizes it
constexpr int kMinStretchWidth = 4;  // a resized button stays wider than this
constexpr int kMarkerMargin = 2;     // repainted round the marker
constexpr int kTrackFrame = 2;       // frame width of the resize rectangle
constexpr int kSelectionFrame = 2;   // frame width round the selected button
constexpr int kControlTrackMargin = 2;
constexpr int kKeyboardMenuOffset = 5;
constexpr int kSerifs = 2;  // lines at each end of the drop marker
constexpr UINT kCustomizeBeep = static_cast<UINT>(-1);

// Set when the drag last left a bar (or was dropped), cleared when it entered one: a drag that
// never left its bar was a plain click.
BOOL g_bDragLeftBar = FALSE;

DROPEFFECT RunSystemDrag(COleDataSource& source, const CRect& rectStartScreen)
{
    return source.DoDragDrop(DROPEFFECT_COPY | DROPEFFECT_MOVE, rectStartScreen, &WTKGetButtonDragSource());
}

CWTKToolBar::ButtonDragFn g_pfnButtonDrag = &RunSystemDrag;

// Moves rect inside bounds, keeping its size.
void KeepInside(CRect& rect, const CRect& bounds)
{
    if (rect.left < bounds.left)
        rect.OffsetRect(bounds.left - rect.left, 0);
    if (rect.right > bounds.right)
        rect.OffsetRect(bounds.right - rect.right, 0);
    if (rect.top < bounds.top)
        rect.OffsetRect(0, bounds.top - rect.top);
    if (rect.bottom > bounds.bottom)
        rect.OffsetRect(0, bounds.bottom - rect.bottom);
}
}  // namespace

CWTKToolBar::ButtonDragFn CWTKToolBar::SetButtonDragFunction(ButtonDragFn pfn)
{
    ButtonDragFn pfnOld = g_pfnButtonDrag;
    g_pfnButtonDrag = pfn != nullptr ? pfn : &RunSystemDrag;
    return pfnOld;
}

void CWTKToolBar::OnCustomizeMode(BOOL bSet)
{
    if (IsStretching())
        EndStretch(CPoint(0, 0), FALSE);
    m_iButtonCapture = -1;
    m_iHighlighted = -1;
    m_iSelected = -1;
    m_iDragIndex = -1;
    m_rectDrag.SetRectEmpty();
    // By index: a button's popup closing may reach this bar.
    for (int i = 0; i < GetCount(); i++) {
        CWTKToolbarButton* pButton = m_Buttons.GetAt(i);
        pButton->OnCancelMode();
        // The controls stop taking the mouse, so that the bar can select, drag and resize their
        // buttons; a disabled command keeps its control disabled when the mode ends.
        if (!m_bLocked && !(pButton->m_nStyle & TBBS_DISABLED))
            pButton->EnableWindow(!bSet);
    }
}

// ---- Selecting, dragging, resizing ----

void CWTKToolBar::MakeCustomizeTarget()
{
    if (s_pSelToolbar == this)
        return;
    CWTKToolBar* pOld = s_pSelToolbar;
    s_pSelToolbar = this;
    if (pOld != nullptr && ::IsWindow(pOld->GetSafeHwnd()))
        pOld->SetCustomizeSelection(-1);
}

void CWTKToolBar::SetCustomizeSelection(int iButton)
{
    const int iOld = m_iSelected;
    m_iSelected = GetButton(iButton) != nullptr ? iButton : -1;
    InvalidateButton(iOld);
    InvalidateButton(m_iSelected);
}

void CWTKToolBar::OnCustomizeLButtonDown(UINT nFlags, CPoint point)
{
    MakeCustomizeTarget();
    const int iButton = HitTest(point);
    if (iButton < 0) {
        SetCustomizeSelection(-1);
        OnChangeHot(-1);
        CControlBar::OnLButtonDown(nFlags, point);
        return;
    }
    SetCustomizeSelection(iButton);
    CWTKToolbarButton* pButton = GetButton(iButton);
    if (pButton->CanBeStretched() && pButton->GetRect().right - point.x <= kStretchGrip) {
        StartStretch(pButton);
        return;
    }
    if (pButton->CanBeStored() && pButton->CanBeDragged())
        DragButton(iButton, point);
}

void CWTKToolBar::DragButton(int iButton, CPoint point)
{
    CWTKToolbarButton* pButton = GetButton(iButton);
    COleDataSource source;
    // The drop side tells a button from a bar by this flag; the button itself never keeps it.
    pButton->m_bDragFromCollection = TRUE;
    const BOOL bPrepared = pButton->PrepareDrag(source);
    pButton->m_bDragFromCollection = FALSE;
    if (!bPrepared)
        return;
    ShowCommandPrompt(pButton->m_nID);

    const CRect rectButton = pButton->GetRect();
    CRect rectStart = rectButton;
    ClientToScreen(&rectStart);
    m_ptStartDrag = point;
    m_pDragButton = pButton;
    m_bDropPlacedHere = FALSE;
    g_bDragLeftBar = FALSE;
    CWTKButtonDragSource& dragSource = WTKGetButtonDragSource();
    dragSource.m_bEscapePressed = FALSE;

    const CWndLifeGuard self(this);
    const DROPEFFECT dropEffect = g_pfnButtonDrag(source, rectStart);
    if (!self.IsAlive())
        return;

    // A move on this same bar has deleted the dragged button (m_pDragButton is null then):
    // from here on it is reached only by looking it up again.
    CWTKToolbarButton* pStill = m_pDragButton;
    m_pDragButton = nullptr;
    m_ptStartDrag = CPoint(-1, -1);
    const BOOL bPlacedHere = m_bDropPlacedHere;
    m_bDropPlacedHere = FALSE;
    const int iNow = pStill != nullptr ? ButtonToIndex(pStill) : -1;

    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    ScreenToClient(&ptCursor);
    if (!g_bDragLeftBar || dragSource.m_bEscapePressed || rectButton.PtInRect(ptCursor)) {
        // A click, a cancelled drag or one that came back: the button stays.
        const int iOldHot = m_iHighlighted;
        m_iHighlighted = iNow;
        InvalidateButton(iOldHot);
        InvalidateButton(iNow);
        return;
    }
    if (dropEffect == DROPEFFECT_COPY || bPlacedHere) {
        InvalidateButton(iNow);
        return;
    }
    // Moved to another bar or dropped off the bars: it leaves this one.
    if (iNow >= 0 && RemoveButton(iNow)) {
        AdjustLayout();
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    }
}

// The bars' resize cursor (30980) is the one OnCreate keeps in s_hcurDelete.
void CWTKToolBar::StartStretch(CWTKToolbarButton* pButton)
{
    m_pWndStretch = pButton;
    m_rectTrack = pButton->GetRect();
    if (pButton->GetHwnd() != nullptr)
        m_rectTrack.InflateRect(kControlTrackMargin, kControlTrackMargin);
    m_bTrackShown = FALSE;
    SetCapture();
    ::SetCursor(s_hcurDelete);
}

void CWTKToolBar::InvertTrackRect()
{
    CClientDC dc(this);
    const CRect& r = m_rectTrack;
    const int nInner = r.Height() - 2 * kTrackFrame;
    dc.PatBlt(r.left, r.top, r.Width(), kTrackFrame, DSTINVERT);
    dc.PatBlt(r.left, r.bottom - kTrackFrame, r.Width(), kTrackFrame, DSTINVERT);
    if (nInner > 0) {
        dc.PatBlt(r.left, r.top + kTrackFrame, kTrackFrame, nInner, DSTINVERT);
        dc.PatBlt(r.right - kTrackFrame, r.top + kTrackFrame, kTrackFrame, nInner, DSTINVERT);
    }
}

void CWTKToolBar::TrackStretch(CPoint point)
{
    ::SetCursor(s_hcurDelete);
    if (m_pWndStretch == nullptr || point.x - m_pWndStretch->GetRect().left <= kMinStretchWidth)
        return;
    if (m_bTrackShown)
        InvertTrackRect();
    m_rectTrack.right = point.x;
    InvertTrackRect();
    m_bTrackShown = TRUE;
}

void CWTKToolBar::EndStretch(CPoint point, BOOL bApply)
{
    if (m_bTrackShown)
        InvertTrackRect();
    m_bTrackShown = FALSE;
    CWTKToolbarButton* pButton = m_pWndStretch;
    m_pWndStretch = nullptr;
    if (GetCapture() == this)
        ::ReleaseCapture();
    if (bApply && pButton != nullptr && ButtonToIndex(pButton) >= 0) {
        const CRect rect = pButton->GetRect();
        if (point.x - rect.left > kMinStretchWidth && std::abs(point.x - rect.right) > kStretchGrip) {
            pButton->OnSize(point.x - rect.left);
            AdjustLayout();
        }
    }
    m_rectTrack.SetRectEmpty();
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

BOOL CWTKToolBar::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (IsCustomizeMode() && !m_bLocked && s_hcurDelete != nullptr) {
        if (IsStretching()) {
            ::SetCursor(s_hcurDelete);
            return TRUE;
        }
        const CWTKToolbarButton* pSelected = GetButton(m_iSelected);
        if (pSelected != nullptr && pSelected->CanBeStretched()) {
            CPoint point;
            ::GetCursorPos(&point);
            ScreenToClient(&point);
            const CRect rect = pSelected->GetRect();
            if (rect.PtInRect(point) && rect.right - point.x <= kStretchGrip) {
                ::SetCursor(s_hcurDelete);
                return TRUE;
            }
        }
    }
    return CControlBar::OnSetCursor(pWnd, nHitTest, message);
}

// ---- Drop target ----

DROPEFFECT CWTKToolBar::OnDragEnter(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
    m_iDragIndex = -1;
    g_bDragLeftBar = FALSE;
    return OnDragOver(pDataObject, dwKeyState, point);
}

void CWTKToolBar::OnDragLeave()
{
    const CRect rectOld = m_rectDrag;
    m_rectDrag.SetRectEmpty();
    m_iDragIndex = -1;
    g_bDragLeftBar = TRUE;
    RedrawMarkerArea(rectOld);
}

void CWTKToolBar::RedrawMarkerArea(const CRect& rectMarker)
{
    if (rectMarker.IsRectEmpty() || !::IsWindow(GetSafeHwnd()))
        return;
    CRect rect = rectMarker;
    rect.InflateRect(kMarkerMargin, kMarkerMargin);
    RedrawWindow(rect, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

DROPEFFECT CWTKToolBar::OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
    if (m_bLocked)
        return DROPEFFECT_NONE;
    const std::unique_ptr<CWTKToolbarButton> pButton = CWTKToolbarButton::CreateFromOleData(pDataObject);
    if (pButton == nullptr || !pButton->CanBeDropped(this))
        return DROPEFFECT_NONE;
    if (m_pDragButton == nullptr && m_iSelected >= 0)
        SetCustomizeSelection(-1);

    CRect rectDrag;
    const int iIndex = FindDropIndex(point, rectDrag);
    m_iDragIndex = iIndex;
    if (rectDrag != m_rectDrag) {
        const CRect rectOld = m_rectDrag;
        m_rectDrag = rectDrag;
        RedrawMarkerArea(rectOld);
        RedrawMarkerArea(rectDrag);
    }
    const int iHot = HitTest(point);
    if (iHot != m_iHighlighted) {
        m_iHighlighted = iHot;
        OnChangeHot(iHot);
    }
    if (iIndex < 0)
        return DROPEFFECT_NONE;
    return (dwKeyState & MK_CONTROL) != 0 ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
}

int CWTKToolBar::FindDropIndex(CPoint point, CRect& rectDrag) const
{
    CRect rectClient;
    GetClientRect(rectClient);
    rectDrag.SetRectEmpty();
    const int nCount = GetCount();
    if (nCount == 0 || (nCount == 1 && m_pCustomizeBtn != nullptr)) {
        rectDrag = rectClient;
        return 0;
    }

    // The buttons that show, in order, with their indexes.
    struct Shown {
        int iIndex;
        CRect rect;
    };
    std::vector<Shown> shown;
    for (int i = 0; i < m_Buttons.GetCount(); i++) {
        const CWTKToolbarButton* pButton = m_Buttons.GetAt(i);
        if (pButton != m_pCustomizeBtn && !pButton->IsHidden())
            shown.push_back(Shown {i, pButton->GetRect()});
    }

    const BOOL bHorz = IsBarHorizontal();
    int iIndex = nCount;
    CRect rectEdgeOf = shown.empty() ? rectClient : shown.back().rect;  // the button whose edge marks
    int nEdge = bHorz ? rectEdgeOf.right : rectEdgeOf.bottom;
    if (bHorz) {
        // Rows are one row height apart plus the gap between the first two rows.
        const int nRowHeight = std::max<int>(1, GetRowHeight());
        int nGap = 0;
        if (!shown.empty()) {
            for (const Shown& s : shown) {
                if (s.rect.top > shown.front().rect.top) {
                    nGap = std::max<int>(0, s.rect.top - shown.front().rect.top - nRowHeight);
                    break;
                }
            }
        }
        const int nPitch = nRowHeight + nGap;
        const int nRow = std::max<int>(0, point.y - rectClient.top) / nPitch;
        const Shown* pLastInRow = nullptr;
        BOOL bFound = FALSE;
        for (const Shown& s : shown) {
            if ((s.rect.top - rectClient.top) / nPitch != nRow)
                continue;
            if (point.x < s.rect.right) {
                const BOOL bLeftHalf = point.x < s.rect.left || point.x - s.rect.left < s.rect.right - point.x;
                iIndex = bLeftHalf ? s.iIndex : s.iIndex + 1;
                nEdge = bLeftHalf ? s.rect.left : s.rect.right;
                rectEdgeOf = s.rect;
                bFound = TRUE;
                break;
            }
            pLastInRow = &s;
        }
        if (!bFound && pLastInRow != nullptr) {
            iIndex = pLastInRow->iIndex + 1;
            nEdge = pLastInRow->rect.right;
            rectEdgeOf = pLastInRow->rect;
        }
        // A point below the last row lands after the last button.
        rectDrag = CRect(nEdge - kDropMarkerHalf, rectEdgeOf.top, nEdge + kDropMarkerHalf, rectEdgeOf.bottom);
    } else {
        for (const Shown& s : shown) {
            if (s.rect.bottom < point.y)
                continue;
            const BOOL bUpperHalf = point.y < s.rect.top + s.rect.Height() / 2;
            iIndex = bUpperHalf ? s.iIndex : s.iIndex + 1;
            nEdge = bUpperHalf ? s.rect.top : s.rect.bottom;
            rectEdgeOf = s.rect;
            break;
        }
        rectDrag = CRect(rectEdgeOf.left, nEdge - kDropMarkerHalf, rectEdgeOf.right, nEdge + kDropMarkerHalf);
    }
    KeepInside(rectDrag, rectClient);

    // Nothing lands after the overflow button.
    if (m_pCustomizeBtn != nullptr && iIndex >= nCount)
        iIndex = std::max<int>(0, nCount - 1);
    return iIndex;
}

std::unique_ptr<CWTKToolbarButton> CWTKToolBar::CreateDroppedButton(COleDataObject* pDataObject)
{
    std::unique_ptr<CWTKToolbarButton> pButton = CWTKToolbarButton::CreateFromOleData(pDataObject);
    if (pButton == nullptr)
        return nullptr;
    const int nTab = pButton->m_strText.Find('\t');
    if (nTab >= 0)
        pButton->m_strText = pButton->m_strText.Left(nTab);
    if (!pButton->m_bDragFromCollection) {
        // From the commands list: the image alone.
        pButton->m_bText = FALSE;
        pButton->m_bImage = TRUE;
    } else if (pButton->GetImage() < 0 && pButton->m_strText.IsEmpty() && !EditButtonAppearance(pButton.get())) {
        return nullptr;
    }
    if (pButton->GetImage() < 0) {
        pButton->m_bImage = FALSE;
        pButton->m_bText = TRUE;
        if (pButton->m_strText.IsEmpty())
            GetButtonTooltip(pButton.get());
    }
    return pButton;
}

BOOL CWTKToolBar::OnDrop(COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point)
{
    if (m_iDragIndex < 0)
        return FALSE;
    int iDrop = m_iDragIndex;
    CWTKToolbarButton* pSource = m_pDragButton;  // this bar's own button, while it is dragged
    OnDragLeave();

    std::unique_ptr<CWTKToolbarButton> pButton = CreateDroppedButton(pDataObject);
    if (pButton == nullptr)
        return FALSE;
    pButton->m_bDragFromCollection = FALSE;

    const int iSource = pSource != nullptr ? ButtonToIndex(pSource) : -1;
    if (iSource >= 0 && dropEffect == DROPEFFECT_MOVE) {
        if (iDrop == iSource || iDrop == iSource + 1) {
            // Dropped on its own place.
            AdjustGroupBreak(iSource, point);
            m_bDropPlacedHere = TRUE;
            return TRUE;
        }
        // The removal may take separators with it: the drop lands before the first of the
        // buttons that followed the drop point and are still there.
        std::vector<const CWTKToolbarButton*> following;
        for (int i = iDrop; i < GetCount(); i++) {
            if (GetButton(i) != pSource)
                following.push_back(GetButton(i));
        }
        RemoveButton(iSource);
        m_pDragButton = nullptr;
        iDrop = -1;
        for (const CWTKToolbarButton* pFollowing : following) {
            iDrop = ButtonToIndex(pFollowing);
            if (iDrop >= 0)
                break;
        }
        if (iDrop < 0 || iDrop > GetCount())
            iDrop = GetCount();
    }

    iDrop = std::min<int>(iDrop, GetCount());
    if (InsertButtonObject(std::move(pButton), iDrop) < 0) {
        AdjustLayout();
        return FALSE;
    }
    if (pSource != nullptr)
        m_bDropPlacedHere = TRUE;
    m_iSelected = -1;
    AdjustLayout();
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    return TRUE;
}

void CWTKToolBar::AdjustGroupBreak(int iButton, CPoint point)
{
    if (iButton <= 0)
        return;
    const int nMove = IsBarHorizontal() ? point.x - m_ptStartDrag.x : point.y - m_ptStartDrag.y;
    if (std::abs(nMove) < kGroupBreakMove)
        return;
    const BOOL bSeparatorBefore = GetButton(iButton - 1)->IsSeparator();
    if (nMove > 0 && !bSeparatorBefore)
        InsertSeparator(iButton);
    else if (nMove < 0 && bSeparatorBefore)
        RemoveButton(iButton - 1);
    else
        return;
    AdjustLayout();
}

// ---- Painting ----

void CWTKToolBar::DrawCustomizeMarks(CDC* pDC)
{
    if (const CWTKToolbarButton* pSelected = GetButton(m_iSelected)) {
        if (s_pSelToolbar == this && !pSelected->IsHidden()) {
            CRect rect = pSelected->GetRect();
            CBrush brush(WTKGetGlobalData().clrBarText);
            for (int i = 0; i < kSelectionFrame; i++) {
                pDC->FrameRect(rect, &brush);
                rect.DeflateRect(1, 1);
            }
        }
    }
    if (m_iDragIndex >= 0 && !m_rectDrag.IsRectEmpty())
        DrawDragMarker(pDC);
}

void CWTKToolBar::DrawDragMarker(CDC* pDC)
{
    DrawMarkerShape(pDC, m_rectDrag, IsBarHorizontal());
}

void CWTKToolBar::DrawMarkerShape(CDC* pDC, const CRect& rect, BOOL bVerticalStrokes)
{
    // Drawn along the strokes and across them; the turned marker swaps the two axes.
    const int nAlongFirst = bVerticalStrokes ? rect.top : rect.left;
    const int nAlongEnd = bVerticalStrokes ? rect.bottom : rect.right;
    const int nAcrossFirst = bVerticalStrokes ? rect.left : rect.top;
    const int nAcrossEnd = bVerticalStrokes ? rect.right : rect.bottom;
    auto line = [pDC, bVerticalStrokes](int nAcross0, int nAlong0, int nAcross1, int nAlong1) {
        pDC->MoveTo(bVerticalStrokes ? CPoint(nAcross0, nAlong0) : CPoint(nAlong0, nAcross0));
        pDC->LineTo(bVerticalStrokes ? CPoint(nAcross1, nAlong1) : CPoint(nAlong1, nAcross1));
    };
    CPen* pOldPen = pDC->SelectObject(&m_penSeparator);
    const int nMiddle = nAcrossFirst + (nAcrossEnd - nAcrossFirst) / 2;
    for (int d = -1; d <= 0; d++)
        line(nMiddle + d, nAlongFirst, nMiddle + d, nAlongEnd);
    for (int i = 0; i < kSerifs; i++) {
        line(nAcrossFirst + i, nAlongFirst + i, nAcrossEnd - i, nAlongFirst + i);
        line(nAcrossFirst + i, nAlongEnd - 1 - i, nAcrossEnd - i, nAlongEnd - 1 - i);
    }
    pDC->SelectObject(pOldPen);
}

// ---- Window messages of customise mode ----

void CWTKToolBar::OnWindowPosChanged(WINDOWPOS* lpwndpos)
{
    CControlBar::OnWindowPosChanged(lpwndpos);
    if (!IsCustomizeMode() || lpwndpos == nullptr || !AllowShowOnList())
        return;
    CWTKCustomizeLink* pLink = WTKGetCustomizeLink();
    if (lpwndpos->flags & SWP_HIDEWINDOW) {
        if (pLink != nullptr)
            pLink->ShowToolBar(this, FALSE);
        if (s_pSelToolbar == this) {
            SetCustomizeSelection(-1);
            s_pSelToolbar = nullptr;
        }
    } else if ((lpwndpos->flags & SWP_SHOWWINDOW) && pLink != nullptr) {
        pLink->ShowToolBar(this, TRUE);
    }
}

HBRUSH CWTKToolBar::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    // The disabled controls of customise mode keep their buttons' colours.
    if (IsCustomizeMode() && pWnd != nullptr) {
        for (CWTKToolbarButton* pButton : m_Buttons) {
            if (!pButton->IsOwnerOf(pWnd->GetSafeHwnd()))
                continue;
            if (HBRUSH hBrush = pButton->OnCtlColor(pDC, nCtlColor))
                return hBrush;
            break;
        }
    }
    return CControlBar::OnCtlColor(pDC, pWnd, nCtlColor);
}

// ---- The button context menu ----

void CWTKToolBar::OnCustomizeContextMenu(CPoint point)
{
    if (m_bLocked) {
        WTKBeep(kCustomizeBeep);
        return;
    }
    SetFocus();
    MakeCustomizeTarget();
    int iButton = -1;
    if (point.x == -1 && point.y == -1) {
        // From the keyboard: the selected button, the menu at the bar's corner.
        iButton = m_iSelected;
        CRect rectClient;
        GetClientRect(rectClient);
        point = rectClient.TopLeft() + CPoint(kKeyboardMenuOffset, kKeyboardMenuOffset);
        ClientToScreen(&point);
    } else {
        CPoint ptClient = point;
        ScreenToClient(&ptClient);
        iButton = HitTest(ptClient);
    }
    CWTKToolbarButton* pButton = GetButton(iButton);
    if (pButton == nullptr)
        return;
    SetCustomizeSelection(iButton);
    if (!pButton->IsCustomizable()) {
        SetCustomizeSelection(-1);
        return;
    }
    if (!pButton->CanBeStored())
        return;

    CMenu menu;
    if (!menu.LoadMenu(IDR_WTK_BUTTON_MENU))
        return;
    CMenu* pPopup = menu.GetSubMenu(0);
    if (pPopup == nullptr)
        return;
    if (pButton->IsLocked())
        pPopup->EnableMenuItem(ID_WTK_BUTTON_RESET, MF_BYCOMMAND | MF_GRAYED);
    OnCustomizeMenuInit(pPopup, iButton);
    pPopup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, this);
}

void CWTKToolBar::OnCustomizeMenuInit(CMenu* pMenu, int iButton)
{
    CWTKToolbarButton* pButton = GetButton(iButton);
    if (pMenu == nullptr || pButton == nullptr || pButton->OnCustomizeMenu(pMenu))
        return;
    auto gray = [pMenu](UINT nID) {
        pMenu->EnableMenuItem(nID, MF_BYCOMMAND | MF_GRAYED);
    };
    auto check = [pMenu](UINT nID) {
        pMenu->CheckMenuItem(nID, MF_BYCOMMAND | MF_CHECKED);
    };

    if (!pButton->m_bImage || pButton->GetImage() < 0)
        gray(ID_WTK_BUTTON_COPY_IMAGE);
    if (pButton->m_nID == 0 || pButton->m_nID == static_cast<UINT>(-1))
        gray(ID_WTK_BUTTON_RESET);

    const BOOL bLabel = pButton->m_bTextBelow && IsBarHorizontal();
    if (pButton->m_bText || bLabel)
        check(pButton->m_bImage ? ID_WTK_BUTTON_IMAGE_AND_TEXT : ID_WTK_BUTTON_TEXT);
    else
        check(ID_WTK_BUTTON_IMAGE);
    if (bLabel)
        gray(ID_WTK_BUTTON_IMAGE);
    if (IsMenuMode()) {
        // A menu item always shows its text.
        gray(ID_WTK_BUTTON_IMAGE);
        gray(ID_WTK_BUTTON_TEXT);
        gray(ID_WTK_BUTTON_IMAGE_AND_TEXT);
        pButton->m_bText = TRUE;
    }

    if (iButton == 0)
        gray(ID_WTK_BUTTON_START_GROUP);
    else if (GetButton(iButton - 1)->IsSeparator())
        check(ID_WTK_BUTTON_START_GROUP);
}

BOOL CWTKToolBar::EditButtonAppearance(CWTKToolbarButton* pButton)
{
    CWTKCustomizeLink* pLink = WTKGetCustomizeLink();
    if (pLink == nullptr || pButton == nullptr)
        return FALSE;
    return pLink->EditButtonAppearance(pButton, s_pUserImages, this, 0, IsMenuMode());
}

void CWTKToolBar::OnButtonReset()
{
    CWTKToolbarButton* pButton = GetButton(m_iSelected);
    if (pButton == nullptr || pButton->IsLocked() || pButton->m_nID == 0 || pButton->m_nID == static_cast<UINT>(-1))
        return;
    // A user tool's button draws the tool's icon: there is no default image to go back to.
    if (WTKIsUserToolCmd(pButton->m_nID))
        return;
    WTKGetCmdMgr()->ClearCmdImage(pButton->m_nID);
    pButton->m_bUserButton = FALSE;
    pButton->SetImage(GetDefaultImage(pButton->m_nID));
    const BOOL bHasImage = pButton->GetImage() >= 0;
    pButton->m_bImage = bHasImage;
    pButton->m_bText = IsMenuMode() || !bHasImage;
    GetButtonTooltip(pButton);
    AdjustLayout();
}

void CWTKToolBar::OnButtonCopyImage()
{
    const CWTKToolbarButton* pButton = GetButton(m_iSelected);
    if (pButton == nullptr)
        return;
    if (WTKIsUserToolCmd(pButton->m_nID)) {
        WTKGetUserToolsManager()->CopyToolIconToClipboard(pButton->m_nID);
        return;
    }
    if (pButton->GetImage() < 0)
        return;
    CWaitCursor wait;
    CWTKImageStrip* pImages = pButton->m_bUserButton ? s_pUserImages : (m_bLocked ? &m_ImagesLocked : &s_Images);
    if (pImages != nullptr)
        pImages->CopyImageToClipboard(pButton->GetImage());
}

void CWTKToolBar::OnButtonDelete()
{
    if (GetButton(m_iSelected) == nullptr)
        return;
    RemoveButton(m_iSelected);
    m_iSelected = -1;
    AdjustLayout();
}

void CWTKToolBar::OnButtonAppearance()
{
    CWTKToolbarButton* pButton = GetButton(m_iSelected);
    if (pButton == nullptr)
        return;
    if (pButton->m_strText.IsEmpty())
        GetButtonTooltip(pButton);
    EditButtonAppearance(pButton);
    AdjustLayout();
}

void CWTKToolBar::SetSelectedDisplay(BOOL bImage, BOOL bText)
{
    CWTKToolbarButton* pButton = GetButton(m_iSelected);
    if (pButton == nullptr)
        return;
    const BOOL bOldImage = pButton->m_bImage;
    const BOOL bOldText = pButton->m_bText;
    auto restore = [&] {
        pButton->m_bImage = bOldImage;
        pButton->m_bText = bOldText;
    };
    pButton->m_bImage = bImage;
    pButton->m_bText = bText;
    if (bImage && pButton->GetImage() < 0 && !EditButtonAppearance(pButton)) {
        restore();
    } else {
        if (pButton->m_bText && pButton->m_strText.IsEmpty())
            GetButtonTooltip(pButton);
        if (pButton->m_bText && pButton->m_strText.IsEmpty()) {
            // Nothing to show as text.
            WTKBeep(kCustomizeBeep);
            pButton->m_bText = FALSE;
            pButton->m_bImage = TRUE;
            if (pButton->GetImage() < 0 && !EditButtonAppearance(pButton))
                restore();
        }
    }
    AdjustLayout();
}

void CWTKToolBar::OnButtonImage()
{
    SetSelectedDisplay(TRUE, FALSE);
}

void CWTKToolBar::OnButtonText()
{
    SetSelectedDisplay(FALSE, TRUE);
}

void CWTKToolBar::OnButtonImageAndText()
{
    SetSelectedDisplay(TRUE, TRUE);
}

void CWTKToolBar::OnButtonStartGroup()
{
    const int iButton = m_iSelected;
    if (iButton <= 0 || GetButton(iButton) == nullptr)
        return;
    if (GetButton(iButton - 1)->IsSeparator())
        RemoveButton(iButton - 1);  // the selection follows its button
    else if (InsertSeparator(iButton) >= 0)
        m_iSelected = iButton + 1;
    AdjustLayout();
}

void CWTKToolBar::OnButtonNewMenu()
{
    auto pMenuButton = std::make_unique<CWTKToolbarMenuButton>(0, nullptr, -1);
    pMenuButton->m_bText = TRUE;
    pMenuButton->m_bImage = FALSE;
    if (!EditButtonAppearance(pMenuButton.get()))
        return;
    CWTKToolbarMenuButton* pInserted = pMenuButton.get();
    const int iInserted = InsertButtonObject(std::move(pMenuButton), m_iSelected >= 0 ? m_iSelected : -1);
    if (iInserted < 0)
        return;
    m_iSelected = iInserted;
    AdjustLayout();
    pInserted->OnClick(this, FALSE);
}
