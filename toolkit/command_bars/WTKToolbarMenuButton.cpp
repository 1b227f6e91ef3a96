#include "command_bars/WTKToolbarMenuButton.h"

#include "command_bars/WTKCommandManager.h"
#include "command_bars/WTKPopupMenu.h"
#include "command_bars/WTKPopupMenuBar.h"
#include "command_bars/WTKPopupMenuHost.h"
#include "command_bars/WTKToolBar.h"

#include "foundation/WTKGlobalData.h"
#include "foundation/WTKImageStrip.h"
#include "foundation/WTKKeyboardManager.h"
#include "foundation/WTKMenuGlyphs.h"
#include "foundation/WTKUserToolsManagerBase.h"
#include "foundation/WTKVisualManager.h"
#include "foundation/WTKWorkspace.h"

#include "core/Archive.h"
#include "docview/FrameWnd.h"
#include "gdi/DC.h"
#include "win/CmdUI.h"
#include "win/Wnd.h"

#include <algorithm>
#include <memory>

IMPLEMENT_SERIAL(CWTKToolbarMenuButton, CWTKToolbarButton, VERSIONABLE_SCHEMA | 1)

namespace {

constexpr char kEllipsis[] = "...";
constexpr int kMenuTextIndent = 3;     // text starts this far right of its column
constexpr int kAcceleratorMargin = 3;  // beyond the glyph width, before the right edge
constexpr int kMenuItemImageExtra = 6;
// The oldest workspace version whose archives carry the tear-off id is 4.71.
constexpr int kTearOffMajor = 4;
constexpr int kTearOffMinor = 70;
constexpr char kSubMenuArrow[] = "4";     // Marlett: right-pointing triangle
constexpr char kSubMenuArrowRtl[] = "3";  // Marlett: left-pointing triangle

int GlyphWidth()
{
    CWTKMenuGlyphs::Initialize();
    return CWTKMenuGlyphs::GetSize().cx;
}

// Destroys a menu being built unless it was handed on.
struct MenuGuard {
    HMENU h;
    ~MenuGuard()
    {
        if (h)
            ::DestroyMenu(h);
    }
    HMENU Release()
    {
        HMENU hResult = h;
        h = nullptr;
        return hResult;
    }
};

}  // namespace

CWTKToolbarMenuButton::CWTKToolbarMenuButton() = default;

CWTKToolbarMenuButton::CWTKToolbarMenuButton(UINT uiID, HMENU hMenu, int iImage, LPCSTR lpszText, BOOL bUserButton)
{
    m_bUserButton = bUserButton;
    m_nID = uiID;
    SetImage(iImage);
    m_strText = lpszText ? lpszText : "";
    CreateFromMenu(hMenu);
}

CWTKToolbarMenuButton::~CWTKToolbarMenuButton()
{
    if (m_pPopupMenu != nullptr)
        m_pPopupMenu->SetParentButton(nullptr);
    RemoveAllSubItems();
}

void CWTKToolbarMenuButton::RemoveAllSubItems()
{
    m_listCommands.RemoveAll();
}

void CWTKToolbarMenuButton::AddSubItem(const CWTKToolbarButton& item)
{
    CRuntimeClass* pClass = item.GetRuntimeClass();
    std::unique_ptr<CObject> pObject(pClass ? pClass->CreateObject() : nullptr);
    auto* pCopy = dynamic_cast<CWTKToolbarButton*>(pObject.get());
    if (pCopy == nullptr)
        return;
    pObject.release();
    pCopy->CopyFrom(item);
    m_listCommands.AddTail(std::unique_ptr<CWTKToolbarButton>(pCopy));
}

BOOL CWTKToolbarMenuButton::HasMenu() const
{
    return !m_listCommands.IsEmpty() || m_nID == 0 || m_nID == kSubMenuId || m_bMenuOnly;
}

BOOL CWTKToolbarMenuButton::IsSplit() const
{
    return m_bDrawDownArrow && m_nID != 0 && m_nID != kSubMenuId && !m_bMenuOnly;
}

BOOL CWTKToolbarMenuButton::IsTearOffFieldStored()
{
    // Tear-off ids belong to a workspace's bars: without one the field is not stored.
    return WTKGetWorkspace() != nullptr && WTKIsSavedDataNewerThan(kTearOffMajor, kTearOffMinor);
}

void CWTKToolbarMenuButton::Serialize(CArchive& ar)
{
    CWTKToolbarButton::Serialize(ar);
    // One rule both ways, so an archive reads back with the layout it was written in.
    const BOOL bTearOff = IsTearOffFieldStored();
    if (ar.IsLoading()) {
        RemoveAllSubItems();
        UINT uiTearOff = 0;
        if (bTearOff)
            ar >> uiTearOff;
        m_uiTearOffBarID = uiTearOff;
        m_listCommands.Serialize(ar, RUNTIME_CLASS(CWTKToolbarButton), CWTKToolBar::kMaxStoredButtons);
        // A damaged archive may name null items: they hold nothing, and every walk of the
        // items expects a button.
        for (int iNull = m_listCommands.Find(nullptr); iNull >= 0; iNull = m_listCommands.Find(nullptr))
            m_listCommands.RemoveAt(iNull);
    } else {
        if (bTearOff)
            ar << m_uiTearOffBarID;
        m_listCommands.Serialize(ar, RUNTIME_CLASS(CWTKToolbarButton));
    }
}

void CWTKToolbarMenuButton::CopyFrom(const CWTKToolbarButton& src)
{
    CWTKToolbarButton::CopyFrom(src);
    const auto* pOther = dynamic_cast<const CWTKToolbarMenuButton*>(&src);
    if (pOther == nullptr)
        return;
    m_bDefault = pOther->m_bDefault;
    m_bMenuOnly = pOther->m_bMenuOnly;
    m_bImageRefresh = pOther->m_bImageRefresh;
    SetTearOff(pOther->m_uiTearOffBarID);
    if (pOther == this)
        return;
    RemoveAllSubItems();
    for (const CWTKToolbarButton* pItem : pOther->m_listCommands)
        AddSubItem(*pItem);
}

void CWTKToolbarMenuButton::SetTearOff(UINT uiBarID)
{
    m_uiTearOffBarID = uiBarID;
}

void CWTKToolbarMenuButton::CreateFromMenu(HMENU hMenu)
{
    RemoveAllSubItems();
    if (hMenu == nullptr || !::IsMenu(hMenu))
        return;
    const UINT uiDefault = ::GetMenuDefaultItem(hMenu, FALSE, GMDI_USEDISABLED);
    const int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; i++) {
        const UINT uiID = ::GetMenuItemID(hMenu, i);  // -1 for a sub-menu
        const int nLength = ::GetMenuStringA(hMenu, i, nullptr, 0, MF_BYPOSITION);
        CString strText;
        if (nLength > 0) {
            const int nBuffer = nLength * 2 + 2;
            ::GetMenuStringA(hMenu, i, strText.GetBuffer(nBuffer), nBuffer, MF_BYPOSITION);
            strText.ReleaseBuffer();
        }
        HMENU hSub = uiID == kSubMenuId ? ::GetSubMenu(hMenu, i) : nullptr;
        auto pItem = std::make_unique<CWTKToolbarMenuButton>(uiID, hSub, -1, strText);
        if (uiID != kSubMenuId && uiID == uiDefault)
            pItem->m_bDefault = TRUE;
        if (::GetMenuState(hMenu, i, MF_BYPOSITION) & kMenuBreakFlag)
            pItem->m_nStyle |= kMenuItemStyleColumnBreak;
        if (uiID == 0)
            pItem->m_nStyle |= TBBS_SEPARATOR;
        m_listCommands.AddTail(std::move(pItem));
    }
}

HMENU CWTKToolbarMenuButton::CreateMenu() const
{
    if (!HasMenu())
        return nullptr;
    MenuGuard menu {::CreatePopupMenu()};
    if (menu.h == nullptr)
        return nullptr;
    UINT uiDefault = 0;
    BOOL bHasDefault = FALSE;
    for (const CWTKToolbarButton* pItem : m_listCommands) {
        const auto* pMenuItem = dynamic_cast<const CWTKToolbarMenuButton*>(pItem);
        UINT uiFlags = MF_STRING;
        UINT_PTR uiIDNew = pItem->m_nID;
        MenuGuard sub {nullptr};
        if (pItem->m_nID == 0 || pItem->IsSeparator()) {
            uiFlags = MF_SEPARATOR;
            uiIDNew = 0;
        } else if (pItem->m_nID == kSubMenuId) {
            sub.h = pMenuItem ? pMenuItem->CreateMenu() : nullptr;
            if (sub.h == nullptr)
                return nullptr;  // the guard destroys what was built (its sub-menus with it)
            uiFlags = MF_POPUP;
            uiIDNew = reinterpret_cast<UINT_PTR>(sub.h);
        }
        if (pItem->m_nStyle & kMenuItemStyleColumnBreak)
            uiFlags |= kMenuBreakFlag;
        if (pMenuItem != nullptr && pMenuItem->m_uiTearOffBarID != 0)
            uiFlags |= kMenuBarBreakFlag;
        const LPCSTR lpszText = uiFlags & MF_SEPARATOR ? nullptr : static_cast<LPCSTR>(pItem->m_strText);
        if (!::AppendMenuA(menu.h, uiFlags, uiIDNew, lpszText))
            return nullptr;
        sub.Release();  // the menu owns the sub-menu now
        if (pMenuItem != nullptr && pMenuItem->m_bDefault) {
            uiDefault = pItem->m_nID;
            bHasDefault = TRUE;
        }
    }
    if (bHasDefault)
        ::SetMenuDefaultItem(menu.h, uiDefault, FALSE);
    return menu.Release();
}

std::unique_ptr<CWTKPopupMenu> CWTKToolbarMenuButton::CreatePopupMenu()
{
    return std::make_unique<CWTKPopupMenu>();
}

void CWTKToolbarMenuButton::OnChangeParentWnd(CWnd* pWndParent)
{
    CWTKToolbarButton::OnChangeParentWnd(pWndParent);
    const BOOL bHasSubItems = !m_listCommands.IsEmpty();
    if (pWndParent != nullptr && dynamic_cast<CWTKPopupMenuBar*>(pWndParent) != nullptr) {
        m_bMenuMode = TRUE;
        m_bText = TRUE;
        m_bImage = FALSE;
        m_bDrawDownArrow = m_nID == 0 || bHasSubItems;
    } else if (auto* pBar = dynamic_cast<CWTKToolBar*>(pWndParent); pBar != nullptr && pBar->IsMenuMode()) {
        // A menu bar title.
        m_bMenuMode = FALSE;
        m_bText = TRUE;
        m_bImage = FALSE;
        m_bDrawDownArrow = m_nID != 0 && bHasSubItems;
    } else {
        m_bMenuMode = FALSE;
        m_bDrawDownArrow = m_nID == 0 || bHasSubItems;
    }
    m_pWndParent = pWndParent;
}

int CWTKToolbarMenuButton::ArrowExtent(BOOL bHorz) const
{
    CWTKMenuGlyphs::Initialize();
    const CSize sizeGlyph = CWTKMenuGlyphs::GetSize();
    int n = bHorz ? sizeGlyph.cx : sizeGlyph.cy;
    if (CWTKToolBar::IsLargeIcons())
        n *= 2;
    return n - 1;
}

void CWTKToolbarMenuButton::UpdateAcceleratorText()
{
    if (WTKGetKeyboardManager() == nullptr || FwIsSystemCommand(m_nID))
        return;
    const int iTab = m_strText.Find('\t');
    if (iTab >= 0)
        m_strText = m_strText.Left(iTab);
    // The keys as the user has bound them now, from the frame's table (else the active frame's).
    CString strKeys;
    CFrameWnd* pTop = m_pWndParent != nullptr ? m_pWndParent->GetTopLevelFrame() : nullptr;
    if (!CWTKKeyboardManager::FindDefaultAccelerator(m_nID, strKeys, pTop, TRUE)) {
        auto* pActive = dynamic_cast<CFrameWnd*>(CWnd::GetActiveWindow());
        CWTKKeyboardManager::FindDefaultAccelerator(m_nID, strKeys, pActive, FALSE);
    }
    if (!strKeys.IsEmpty())
        m_strText += '\t' + strKeys;
}

CSize CWTKToolbarMenuButton::OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz)
{
    m_bHorz = bHorz;
    const int nArrow = (m_bDrawDownArrow || m_bMenuMode) ? ArrowExtent(bHorz) : 0;
    if (m_bMenuMode)
        UpdateAcceleratorText();
    CSize size = CWTKToolbarButton::OnCalculateSize(pDC, sizeDefault, bHorz);
    if (bHorz)
        size.cx += nArrow;
    if (m_bMenuMode) {
        size.cx += CWTKToolBar::GetMenuImageSize().cx + kMenuItemImageExtra;
        if (auto* pBar = dynamic_cast<CWTKToolBar*>(m_pWndParent))
            size.cy = pBar->GetRowHeight();
    } else {
        if (!bHorz)
            size.cy += nArrow;
        const int nMargin = CWTKVisualManager::GetInstance()->GetMetricA();
        if (bHorz)
            size.cx += 2 * nMargin;
        else
            size.cy += 2 * nMargin;
    }
    return size;
}

BOOL CWTKToolbarMenuButton::OnClick(CWnd* pWnd, BOOL bDelay)
{
    m_bClickedOnMenu = FALSE;
    CWTKVisualManager* pLook = CWTKVisualManager::GetInstance();
    const BOOL bRealCommand = m_nID != 0 && m_nID != kSubMenuId;
    if (m_bDrawDownArrow && bRealCommand && !m_bMenuMode && !bDelay) {
        int nZone = GlyphWidth();
        if (CWTKToolBar::IsLargeIcons())
            nZone *= 2;
        nZone += pLook->GetButtonExtraBorder().cx + 2;
        CRect rectArrow = m_rect;
        if (m_bHorz)
            rectArrow.left = rectArrow.right - nZone;
        else
            rectArrow.top = rectArrow.bottom - nZone;
        CPoint ptCursor(0, 0);
        ::GetCursorPos(&ptCursor);
        if (pWnd != nullptr && pWnd->GetSafeHwnd() != nullptr)
            ::ScreenToClient(pWnd->GetSafeHwnd(), &ptCursor);
        m_bClickedOnMenu = rectArrow.PtInRect(ptCursor);
        if (!m_bClickedOnMenu)
            return FALSE;  // the image part: the toolbar sends the command
    } else {
        m_bClickedOnMenu = TRUE;
    }
    if (bRealCommand && !m_bDrawDownArrow && !m_bMenuOnly)
        return FALSE;

    auto* pToolBar = dynamic_cast<CWTKToolBar*>(m_pWndParent);
    auto* pPopupBar = dynamic_cast<CWTKPopupMenuBar*>(m_pWndParent);
    if (m_pPopupMenu != nullptr) {
        CWTKPopupMenu* pPopup = m_pPopupMenu;
        m_pPopupMenu = nullptr;
        pPopup->SetCloseParent(FALSE);
        pPopup->SetParentButton(nullptr);
        if (pPopup->GetSafeHwnd() != nullptr)
            pPopup->DestroyWindow();
    } else if (pPopupBar != nullptr && bDelay && !CWTKToolBar::IsCustomizeMode()) {
        pPopupBar->StartPopupTimer(this, 1);
    } else {
        if (pToolBar != nullptr && pPopupBar == nullptr) {
            CWTKToolbarButton* pDropped = pToolBar->GetDroppedDownMenu();
            if (pDropped != nullptr && pDropped != this)
                pDropped->OnCancelMode();
        }
        if (!OpenPopupMenu(pWnd))
            return FALSE;
    }
    RedrawWithShadow();
    return TRUE;
}

void CWTKToolbarMenuButton::RedrawWithShadow()
{
    if (m_pWndParent == nullptr || m_pWndParent->GetSafeHwnd() == nullptr)
        return;
    CRect rect = m_rect;
    const int nShadow = CWTKVisualManager::GetInstance()->m_nMenuShadowDepth;
    rect.InflateRect(nShadow, nShadow);
    ::RedrawWindow(m_pWndParent->GetSafeHwnd(), rect, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE);
}

BOOL CWTKToolbarMenuButton::OpenPopupMenu(CWnd* pWnd)
{
    if (m_pPopupMenu != nullptr)
        return FALSE;
    if (pWnd == nullptr)
        pWnd = m_pWndParent;

    HMENU hMenu = CreateMenu();
    if (hMenu == nullptr && !IsEmptyMenuAllowed())
        return FALSE;
    std::unique_ptr<CWTKPopupMenu> pPopup = CreatePopupMenu();
    if (pPopup == nullptr) {
        if (hMenu != nullptr)
            ::DestroyMenu(hMenu);
        return FALSE;
    }
    if (pPopup->GetMenuBar() != nullptr && pPopup->GetMenuBar()->GetCount() > 0 && hMenu != nullptr) {
        ::DestroyMenu(hMenu);
        hMenu = nullptr;
    }

    CRect rectScreen = m_rect;
    HWND hWndParent = m_pWndParent ? m_pWndParent->GetSafeHwnd() : nullptr;
    if (hWndParent != nullptr)
        ::MapWindowPoints(hWndParent, nullptr, reinterpret_cast<POINT*>(&rectScreen), 2);

    int x = rectScreen.left;
    int y = rectScreen.bottom - 1;
    int nDirection = CWTKPopupMenu::kDropBelow;
    auto* pPopupBar = dynamic_cast<CWTKPopupMenuBar*>(m_pWndParent);
    auto* pBar = dynamic_cast<CWTKToolBar*>(m_pWndParent);
    if (pPopupBar != nullptr) {
        CWTKPopupMenu* pParentPopup = pPopupBar->GetParentPopupMenu();
        CRect rectParent = rectScreen;
        if (pParentPopup != nullptr && pParentPopup->GetSafeHwnd() != nullptr)
            ::GetWindowRect(pParentPopup->GetSafeHwnd(), rectParent);
        y = rectScreen.top - 2;
        const BOOL bRtl = hWndParent && (::GetWindowLongA(hWndParent, GWL_EXSTYLE) & WS_EX_LAYOUTRTL);
        if (bRtl) {
            x = rectParent.left - 1;
            nDirection = CWTKPopupMenu::kDropLeft;
        } else {
            x = rectParent.right + 1;
            nDirection = CWTKPopupMenu::kDropRight;
        }
    } else if (pBar != nullptr && pBar->IsMenuMode() && (pBar->GetBarStyle() & CBRS_ORIENT_VERT) != 0 &&
               (pBar->GetBarStyle() & CBRS_ORIENT_HORZ) == 0) {
        x = rectScreen.right;
        y = rectScreen.top;
        nDirection = CWTKPopupMenu::kDropRight;
    }

    pPopup->SetParentButton(this);
    pPopup->SetDropDirection(nDirection);
    // The popup's creation asks its parent button for the open popup.
    m_pPopupMenu = pPopup.get();
    m_pPopupMenu = CWTKPopupMenu::Open(std::move(pPopup), pWnd, x, y, hMenu, FALSE, FALSE);
    if (m_pPopupMenu == nullptr)
        return FALSE;
    if (pPopupBar != nullptr) {
        if (CWTKPopupMenu* pParentPopup = pPopupBar->GetParentPopupMenu())
            if (m_pPopupMenu != nullptr)
                m_pPopupMenu->SetMessageWnd(pParentPopup->GetMessageWnd());
    }
    return m_pPopupMenu != nullptr;
}

void CWTKToolbarMenuButton::SelectFirstPopupItem() const
{
    if (m_pPopupMenu != nullptr && ::IsWindow(m_pPopupMenu->GetSafeHwnd()))
        m_pPopupMenu->SendMessage(WM_KEYDOWN, VK_HOME);
}

void CWTKToolbarMenuButton::OnCancelMode()
{
    if (m_pPopupMenu != nullptr && m_pPopupMenu->GetSafeHwnd() != nullptr) {
        CWTKPopupMenuBar* pItems = m_pPopupMenu->GetMenuBar();
        if (pItems != nullptr && pItems->IsCommandSent())
            return;
        if (pItems != nullptr) {
            for (int i = 0; i < pItems->GetCount(); i++)
                if (CWTKToolbarButton* pItem = pItems->GetButton(i))
                    pItem->OnCancelMode();
        }
        if (CWTKToolBar::IsCustomizeMode())
            m_pPopupMenu->SaveItemsToParentButton();
        m_pPopupMenu->SetCloseParent(FALSE);
        m_pPopupMenu->CloseMenu(FALSE);
    }
    m_pPopupMenu = nullptr;
    RedrawWithShadow();
    m_bToBeClosed = FALSE;
}

void CWTKToolbarMenuButton::CloseAllPopups()
{
    // The root popup of the chain saves its items and closes the rest with it.
    if (m_pPopupMenu != nullptr)
        m_pPopupMenu->GetRootPopupMenu()->CloseMenu(FALSE);
}

void CWTKToolbarMenuButton::ResetImageToDefault()
{
    CWTKToolbarButton::ResetImageToDefault();
    for (CWTKToolbarButton* pItem : m_listCommands)
        pItem->ResetImageToDefault();
}

BOOL CWTKToolbarMenuButton::CompareWith(const CWTKToolbarButton& other) const
{
    if (m_nID != other.m_nID)
        return FALSE;
    const auto* pOther = dynamic_cast<const CWTKToolbarMenuButton*>(&other);
    if (pOther == nullptr)
        return m_listCommands.IsEmpty();
    if (m_listCommands.GetCount() != pOther->m_listCommands.GetCount())
        return FALSE;
    for (int i = 0; i < m_listCommands.GetCount(); i++) {
        if (!m_listCommands.GetAt(i)->CompareWith(*pOther->m_listCommands.GetAt(i)))
            return FALSE;
    }
    return TRUE;
}

void CWTKToolbarMenuButton::OnPopupClosed()
{
    m_bImageRefresh = TRUE;
    RedrawWithShadow();
}

CString CWTKToolbarMenuButton::CutTextToWidth(CDC* pDC, const CString& strText, int cxMax)
{
    CString str = strText;
    if (pDC->GetTextExtent(str).cx <= cxMax)
        return str;
    // Characters go from the end until the text plus "..." fits; the loop ends at the empty text.
    while (!str.IsEmpty()) {
        str = str.Left(str.GetLength() - 1);
        if (pDC->GetTextExtent(str + kEllipsis).cx <= cxMax)
            return str + kEllipsis;
    }
    return pDC->GetTextExtent(kEllipsis).cx <= cxMax ? CString(kEllipsis) : CString();
}

void CWTKToolbarMenuButton::OnDraw(CDC* pDC, const CRect& rect, CWTKImageStrip* pImages, BOOL bHorz,
                                   BOOL bCustomizeMode, BOOL bHighlight, BOOL bDrawBorder, BOOL bGrayDisabledButtons)
{
    if (m_bMenuMode) {
        DrawMenuItem(pDC, rect, pImages, bCustomizeMode, bHighlight, bGrayDisabledButtons);
        return;
    }
    CWTKVisualManager* pLook = CWTKVisualManager::GetInstance();
    const BOOL bOpen = m_pPopupMenu != nullptr;
    bHighlight = bHighlight || bOpen;
    const UINT nOldStyle = m_nStyle;
    if (pLook->m_bMenuFlatLook)
        m_nStyle &= ~kButtonStylePushed;
    if (bOpen && !(IsSplit() && m_bClickedOnMenu) && !pLook->m_bMenuFlatLook)
        m_nStyle |= TBBS_PRESSED;

    CRect rectWork = rect;
    const int nMargin = pLook->GetMetricA();
    if (bHorz)
        rectWork.DeflateRect(nMargin, 0);
    else
        rectWork.DeflateRect(0, nMargin);
    CRect rectArrow = rectWork;
    CRect rectParent = rectWork;
    int nZone = GlyphWidth();
    if (CWTKToolBar::IsLargeIcons())
        nZone *= 2;
    nZone += 2;
    if (m_bDrawDownArrow) {
        if (bHorz) {
            rectArrow.left = rectArrow.right - nZone;
            rectParent.right = rectArrow.left;
        } else {
            rectArrow.top = rectArrow.bottom - nZone;
            rectParent.bottom = rectArrow.top;
        }
    }
    if (IsSplit() && bOpen && m_bClickedOnMenu)
        m_nStyle &= ~TBBS_PRESSED;
    CWTKToolbarButton::OnDraw(pDC, m_bDrawDownArrow ? rectParent : rectWork, pImages, bHorz, bCustomizeMode, bHighlight,
                              FALSE, bGrayDisabledButtons);
    const BOOL bPushed = (m_nStyle & kButtonStylePushed) != 0 || bOpen;
    const BOOL bDisabled = (m_nStyle & TBBS_DISABLED) != 0;

    if (m_bDrawDownArrow) {
        if (IsSplit() && (bHighlight || bPushed) && !pLook->m_bMenuFlatLook) {
            // The split line between the command part and the arrow.
            const WTKGlobalData& g = WTKGetGlobalData();
            if (bHorz)
                pDC->Draw3dRect(CRect(rectArrow.left, rectArrow.top + 2, rectArrow.left + 2, rectArrow.bottom - 2),
                                g.clrBarShadow, g.clrBarHilite);
            else
                pDC->Draw3dRect(CRect(rectArrow.left + 2, rectArrow.top, rectArrow.right - 2, rectArrow.top + 2),
                                g.clrBarShadow, g.clrBarHilite);
        }
        int nGlyph = bDisabled ? CWTKMenuGlyphs::kArrowDownDisabled : CWTKMenuGlyphs::kArrowDown;
        if (!bHorz || m_bMenuOnly)
            nGlyph = bDisabled ? CWTKMenuGlyphs::kArrowRightDisabled : CWTKMenuGlyphs::kArrowRight;
        const CSize sizeGlyph = CWTKMenuGlyphs::GetSize();
        CPoint pt(rectArrow.left + (rectArrow.Width() - sizeGlyph.cx) / 2,
                  rectArrow.top + (rectArrow.Height() - sizeGlyph.cy) / 2);
        if (bPushed && pLook->IsOffsetPressedButton())
            pt.Offset(1, 1);
        CWTKMenuGlyphs::Draw(pDC, nGlyph, pt);
    }

    if (!bCustomizeMode && bDrawBorder) {
        if (IsSplit() && bOpen && m_bClickedOnMenu && !pLook->m_bMenuFlatLook) {
            pLook->OnDrawButtonBorder(pDC, this, rectParent, kButtonStateHighlighted);
            pLook->OnDrawButtonBorder(pDC, this, rectArrow, kButtonStatePushed);
        } else if (bPushed) {
            pLook->OnDrawButtonBorder(pDC, this, rect, kButtonStatePushed);
        } else if (bHighlight && (m_nStyle & (TBBS_DISABLED | TBBS_INDETERMINATE)) == 0) {
            pLook->OnDrawButtonBorder(pDC, this, rect, kButtonStateHighlighted);
        }
    }
    m_nStyle = nOldStyle;
}

void CWTKToolbarMenuButton::DrawMenuItem(CDC* pDC, const CRect& rect, CWTKImageStrip* pImages, BOOL bCustomizeMode,
                                         BOOL bHighlight, BOOL bGrayDisabledButtons)
{
    CWTKVisualManager* pLook = CWTKVisualManager::GetInstance();
    WTKGlobalData& g = WTKGetGlobalData();
    const int nMargin = pLook->GetMenuImageMargin();
    const CSize sizeMenuImage = CWTKToolBar::GetMenuImageSize();
    const BOOL bDisabled = (m_nStyle & TBBS_DISABLED) != 0 && !bCustomizeMode;
    const BOOL bChecked = (m_nStyle & TBBS_CHECKED) != 0;
    auto* pPopupBar = dynamic_cast<CWTKPopupMenuBar*>(m_pWndParent);

    CRect rectImage(rect.left + nMargin, rect.top, rect.left + nMargin + sizeMenuImage.cx, rect.bottom);
    int xText = rectImage.right + 3 * nMargin - 4;

    CFont* pOldFont = nullptr;
    const BOOL bRealCommand = m_nID != 0 && m_nID != kSubMenuId;
    if (bRealCommand && !m_bMenuOnly && pPopupBar != nullptr && pPopupBar->GetDefaultMenuId() == m_nID &&
        g.fontBold.GetSafeHandle() != nullptr)
        pOldFont = pDC->SelectObject(&g.fontBold);

    // The image column.
    BOOL bImageDrawn = FALSE;
    const int iImage = GetImage();
    const BOOL bWithoutImage = WTKGetCmdMgr()->IsMenuItemWithoutImage(m_nID);
    if (!bWithoutImage && WTKDrawUserToolIcon(m_nID, pDC->GetSafeHdc(), rectImage)) {
        bImageDrawn = TRUE;
    } else if (pImages != nullptr && iImage >= 0 && !bWithoutImage) {
        const CSize sizeImage = pImages->GetImageSize(TRUE);
        if (bChecked) {
            pLook->OnFillCheckedImageBackground(pDC, rectImage, bHighlight);
            // A checked image sits pushed in, so the state shows whatever the look fills.
            CRect rectFrame = rectImage;
            rectFrame.DeflateRect(0, 1);
            pDC->Draw3dRect(rectFrame, g.clrBtnShadow, g.clrBtnHilite);
        }
        const int x = rectImage.left + (rectImage.Width() - sizeImage.cx) / 2;
        const int y = rectImage.top + (rectImage.Height() - sizeImage.cy) / 2;
        pImages->Draw(pDC, x, y, iImage, FALSE, bDisabled && bGrayDisabledButtons);
        bImageDrawn = TRUE;
    }
    if (!bImageDrawn && m_pWndParent != nullptr) {
        CWnd* pTop = m_pWndParent->GetTopLevelFrame();
        if (auto* pHost = dynamic_cast<CWTKPopupMenuHost*>(pTop))
            bImageDrawn = pHost->OnDrawMenuImage(pDC, this, rectImage);
    }
    BOOL bGlyph = FALSE;
    if (!bImageDrawn) {
        int nGlyph = -1;
        if (bChecked)
            nGlyph = bDisabled ? CWTKMenuGlyphs::kCheckDisabled : CWTKMenuGlyphs::kCheck;
        else if (m_nID == SC_MINIMIZE)
            nGlyph = CWTKMenuGlyphs::kMinimize + (bDisabled ? 1 : 0);
        else if (m_nID == SC_MAXIMIZE)
            nGlyph = CWTKMenuGlyphs::kMaximize + (bDisabled ? 1 : 0);
        else if (m_nID == SC_CLOSE)
            nGlyph = CWTKMenuGlyphs::kClose + (bDisabled ? 1 : 0);
        else if (m_nID == SC_RESTORE)
            nGlyph = CWTKMenuGlyphs::kRestore + (bDisabled ? 1 : 0);
        if (nGlyph >= 0) {
            if (bChecked)
                pLook->OnFillCheckedImageBackground(pDC, rectImage, bHighlight);
            CWTKMenuGlyphs::Initialize();
            const CSize sizeGlyph = CWTKMenuGlyphs::GetSize();
            CWTKMenuGlyphs::Draw(pDC, nGlyph,
                                 CPoint(rectImage.left + (rectImage.Width() - sizeGlyph.cx) / 2,
                                        rectImage.top + (rectImage.Height() - sizeGlyph.cy) / 2));
            bGlyph = TRUE;
        }
    }
    const BOOL bColumnUsed = bImageDrawn || bGlyph;
    if (bColumnUsed && bHighlight)
        xText--;

    // The highlight and the text colour.
    COLORREF clrText = bDisabled ? g.clrGrayedText : g.clrMenuText;
    if (bHighlight) {
        CRect rectHighlight = rect;
        rectHighlight.left = bColumnUsed ? xText : rect.left;
        rectHighlight.right--;
        clrText = g.clrTextHilite;
        pLook->OnHighlightMenuItem(pDC, m_pParentBar, this, rectHighlight, clrText);
        if (bDisabled)
            clrText = g.clrGrayedText;
    }

    // The text, before and after the tab.
    CString strText = m_strText;
    CString strAccel;
    const int iTab = strText.Find('\t');
    if (iTab >= 0) {
        strAccel = strText.Mid(iTab + 1);
        strText = strText.Left(iTab);
    }
    const int nGlyphWidth = GlyphWidth();
    CRect rectText = rect;
    rectText.left = xText + kMenuTextIndent;
    rectText.right -= nGlyphWidth + kAcceleratorMargin;
    if (!m_bWholeText) {
        const CString strPlain = RemoveMnemonicMarks(strText);
        const CString strCut = CutTextToWidth(pDC, strPlain, std::max<int>(0, rectText.Width()));
        if (strCut != strPlain)
            strText = strCut;  // the cut text shows without a mnemonic
    }
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const UINT nFormat = DT_SINGLELINE | DT_VCENTER;
    if (bDisabled && !bHighlight) {
        // Embossed: a highlight copy one pixel right and down first.
        CRect rectShadow = rectText;
        rectShadow.OffsetRect(1, 1);
        pDC->SetTextColor(g.clrBtnHilite);
        pDC->DrawText(strText, &rectShadow, nFormat);
        if (!strAccel.IsEmpty())
            pDC->DrawText(strAccel, &rectShadow, nFormat | DT_RIGHT);
    }
    pDC->SetTextColor(clrText);
    pDC->DrawText(strText, &rectText, nFormat);
    if (!strAccel.IsEmpty())
        pDC->DrawText(strAccel, &rectText, nFormat | DT_RIGHT);

    // The sub-menu arrow.
    if ((m_nID == kSubMenuId || m_bDrawDownArrow || m_bMenuOnly) && g.fontMarlett.GetSafeHandle() != nullptr) {
        CFont* pOld = pDC->SelectObject(&g.fontMarlett);
        CRect rectArrow = rect;
        rectArrow.right -= 2;
        const BOOL bRtl =
            m_pWndParent != nullptr && (::GetWindowLongA(m_pWndParent->GetSafeHwnd(), GWL_EXSTYLE) & WS_EX_LAYOUTRTL);
        pDC->DrawText(bRtl ? kSubMenuArrowRtl : kSubMenuArrow, &rectArrow, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
        pDC->SelectObject(pOld);
    }
    pDC->SetBkMode(nOldMode);
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
}

int CWTKToolbarMenuButton::DrawImage(CDC* pDC, CRect rectImage, BOOL bHighlight)
{
    const int nWidth = CWTKToolbarButton::DrawImage(pDC, rectImage, bHighlight);
    if (!HasMenu())
        return nWidth;
    CWTKMenuGlyphs::Initialize();
    const CSize sizeGlyph = CWTKMenuGlyphs::GetSize();
    const int x = rectImage.right - sizeGlyph.cx - 2;
    const int y = rectImage.top + (rectImage.Height() - sizeGlyph.cy) / 2;
    CWTKMenuGlyphs::Draw(pDC, bHighlight ? CWTKMenuGlyphs::kArrowDownPressed : CWTKMenuGlyphs::kArrowDown,
                         CPoint(x, y));
    const WTKGlobalData& g = WTKGetGlobalData();
    pDC->Draw3dRect(CRect(x - 4, rectImage.top + 2, x - 2, rectImage.bottom - 2), g.clrBtnShadow, g.clrBtnHilite);
    return rectImage.Width();
}

BOOL CWTKToolbarMenuButton::IsMenuOpenOnBar() const
{
    // A sub-menu item of another menu is not joined to its menu.
    const auto* pBar = dynamic_cast<const CWTKBarLookInfo*>(GetParentToolBar());
    return m_pPopupMenu != nullptr && pBar != nullptr && pBar->GetLookKind() != CWTKBarLookInfo::kindPopupMenuBar;
}
