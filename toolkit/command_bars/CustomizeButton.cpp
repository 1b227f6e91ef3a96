#include "command_bars/CustomizeButton.h"

#include "command_bars/WTKPopupMenu.h"
#include "command_bars/WTKToolBar.h"
#include "command_bars/res/WTKCommandBarsRes.h"

#include "foundation/WTKMenuGlyphs.h"
#include "foundation/WTKVisualManager.h"

#include "core/Archive.h"
#include "core/ResourceHandle.h"

#include <vector>

IMPLEMENT_SERIAL(CCustomizeButton, CWTKToolbarMenuButton, kToolbarButtonSchema)

namespace {
// The tooltip part (after the first newline) of a command's string resource.
CString CommandShortText(UINT uiID)
{
    CString strPrompt;
    if (!strPrompt.LoadString(uiID))
        return CString();
    const int iNewLine = strPrompt.Find('\n');
    return iNewLine >= 0 ? strPrompt.Mid(iNewLine + 1) : CString();
}

// The part of rect at its start or end, across the bar.
CRect GlyphPart(const CRect& rect, BOOL bHorz, BOOL bEnd, int nPart)
{
    CRect part = rect;
    if (bHorz) {
        if (bEnd)
            part.top = part.bottom - nPart;
        else
            part.bottom = part.top + nPart;
    } else {
        if (bEnd)
            part.left = part.right - nPart;
        else
            part.right = part.left + nPart;
    }
    return part;
}

void DrawGlyphCentred(CDC* pDC, int nGlyph, const CRect& rect)
{
    const CSize size = CWTKMenuGlyphs::GetSize();
    CWTKMenuGlyphs::Draw(pDC, nGlyph,
                         CPoint(rect.left + (rect.Width() - size.cx) / 2, rect.top + (rect.Height() - size.cy) / 2));
}
}  // namespace

CCustomizeButton::CCustomizeButton() = default;

CCustomizeButton::CCustomizeButton(UINT uiCustomizeCmdId, const CString& strCustomizeText)
    : m_iCustomizeCmdId(uiCustomizeCmdId), m_strCustomizeText(strCustomizeText)
{}

CCustomizeButton::~CCustomizeButton() = default;

void CCustomizeButton::CopyFrom(const CWTKToolbarButton& src)
{
    CWTKToolbarMenuButton::CopyFrom(src);
    if (const auto* pSrc = dynamic_cast<const CCustomizeButton*>(&src)) {
        m_iCustomizeCmdId = pSrc->m_iCustomizeCmdId;
        m_strCustomizeText = pSrc->m_strCustomizeText;
        m_bIsEmpty = pSrc->m_bIsEmpty;
    }
}

void CCustomizeButton::OnChangeParentWnd(CWnd* pWndParent)
{
    CWTKToolbarMenuButton::OnChangeParentWnd(pWndParent);
    m_pWndParentToolbar = dynamic_cast<CWTKToolBar*>(pWndParent);
    m_strText.Empty();
    m_bText = FALSE;
    m_bIsEmpty = FALSE;
}

void CCustomizeButton::ResetHiddenButtons()
{
    m_lstInvisibleButtons.RemoveAll();
}

void CCustomizeButton::AddHiddenButton(CWTKToolbarButton* pButton)
{
    if (pButton != nullptr && pButton != this)
        m_lstInvisibleButtons.AddTail(pButton);
}

CSize CCustomizeButton::OnCalculateSize(CDC* /*pDC*/, const CSize& sizeDefault, BOOL bHorz)
{
    m_bHorz = bHorz;
    if (m_bIsEmpty)
        return CSize(0, 0);
    if (m_strText.IsEmpty())
        m_strText.LoadString(IDS_WTK_MORE_BUTTONS);
    if (m_pWndParentToolbar != nullptr && m_pWndParentToolbar->IsFloating())
        return CSize(0, 0);
    const int nMargin = CWTKVisualManager::GetInstance()->GetMenuImageMargin();
    const CSize sizeGlyph = CWTKMenuGlyphs::GetSize();
    if (bHorz)
        return CSize(sizeGlyph.cx + 2 * nMargin, sizeDefault.cy);
    return CSize(sizeDefault.cx, sizeGlyph.cy + 2 * nMargin);
}

void CCustomizeButton::OnDraw(CDC* pDC, const CRect& rect, CWTKImageStrip* /*pImages*/, BOOL bHorz, BOOL bCustomizeMode,
                              BOOL bHighlight, BOOL /*bDrawBorder*/, BOOL /*bGrayDisabledButtons*/)
{
    m_bHorz = bHorz;
    if (m_bDisableFill)
        return;
    const BOOL bOpen = m_pPopupMenu != nullptr;
    DrawFrame(pDC, rect, bHighlight || bOpen);

    const int nPart = CWTKMenuGlyphs::GetSize().cx + 2 * CWTKVisualManager::GetInstance()->GetMenuImageMargin();
    if (m_iCustomizeCmdId != 0)
        DrawGlyphCentred(pDC, bHorz ? CWTKMenuGlyphs::kCustomizeArrowHorz : CWTKMenuGlyphs::kCustomizeArrowVert,
                         GlyphPart(rect, bHorz, TRUE, nPart));
    if (HasHiddenButtons())
        DrawGlyphCentred(pDC, bHorz ? CWTKMenuGlyphs::kChevronHorz : CWTKMenuGlyphs::kChevronVert,
                         GlyphPart(rect, bHorz, FALSE, nPart));
    if (bCustomizeMode)
        return;
    int state = -1;
    if ((m_nStyle & kButtonStylePushed) || bOpen)
        state = kButtonStatePushed;
    else if (bHighlight && !(m_nStyle & (TBBS_CHECKED | TBBS_DISABLED | TBBS_INDETERMINATE)))
        state = kButtonStateHighlighted;
    if (state >= 0)
        CWTKVisualManager::GetInstance()->OnDrawButtonBorder(pDC, this, rect, state);
}

void CCustomizeButton::OnCancelMode()
{
    const BOOL bRepaint = m_pPopupMenu != nullptr || (m_nStyle & TBBS_PRESSED) != 0 || m_bPressed || m_bOpened;
    CWTKToolbarMenuButton::OnCancelMode();
    m_bPressed = FALSE;
    m_bOpened = FALSE;
    if (bRepaint && m_pWndParentToolbar != nullptr && ::IsWindow(m_pWndParentToolbar->GetSafeHwnd()))
        m_pWndParentToolbar->InvalidateButton(m_pWndParentToolbar->ButtonToIndex(this));
}

std::unique_ptr<CWTKPopupMenu> CCustomizeButton::CreatePopupMenu()
{
    auto pPopup = std::make_unique<CWTKPopupMenu>();
    const BOOL bNoImages = m_pWndParentToolbar == nullptr || m_pWndParentToolbar->IsLocked();

    // The items first, so that separators can be trimmed before anything is inserted.
    std::vector<const CWTKToolbarButton*> items;
    for (POSITION pos = m_lstInvisibleButtons.GetHeadPosition(); pos != nullptr;) {
        const auto* pButton = static_cast<const CWTKToolbarButton*>(m_lstInvisibleButtons.GetNext(pos));
        const BOOL bSeparator = pButton->IsSeparator() || pButton->m_nID == 0;
        if (bSeparator && (items.empty() || items.back() == nullptr))
            continue;
        items.push_back(bSeparator ? nullptr : pButton);
    }
    // A separator never ends the list: the customise part brings its own.
    while (!items.empty() && items.back() == nullptr)
        items.pop_back();

    for (const CWTKToolbarButton* pButton : items) {
        if (pButton == nullptr) {
            pPopup->InsertSeparator();
            continue;
        }
        if (const auto* pMenuButton = dynamic_cast<const CWTKToolbarMenuButton*>(pButton)) {
            pPopup->InsertItem(*pMenuButton);
            continue;
        }
        CWTKToolbarMenuButton item(pButton->m_nID, nullptr, bNoImages ? -1 : pButton->GetImage(), pButton->m_strText,
                                   pButton->m_bUserButton);
        if (item.m_strText.IsEmpty() || pButton->m_bTextBelow)
            item.m_strText = CommandShortText(pButton->m_nID);
        item.m_bText = TRUE;
        pPopup->InsertItem(item);
    }
    if (m_iCustomizeCmdId != 0) {
        if (!items.empty())
            pPopup->InsertSeparator();
        CWTKToolbarMenuButton item(m_iCustomizeCmdId, nullptr, -1, m_strCustomizeText);
        item.m_bText = TRUE;
        pPopup->InsertItem(item);
    }
    if (m_pWndParentToolbar != nullptr) {
        CWnd* pOwner = m_pWndParentToolbar->GetOwner();
        pPopup->SetMessageWnd(pOwner != nullptr ? pOwner : m_pWndParentToolbar->GetParent());
    }
    m_bOpened = TRUE;
    return pPopup;
}
