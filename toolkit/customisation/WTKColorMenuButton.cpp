#include "customisation/WTKColorMenuButton.h"

#include "customisation/ColorPopup.h"
#include "customisation/WTKColorDialogSeam.h"

#include "command_bars/WTKToolBar.h"
#include "command_bars/WTKToolbarMessages.h"
#include "foundation/WTKGlobalData.h"
#include "foundation/WTKVisualManager.h"
#include "foundation/WTKWorkspace.h"

#include "core/Archive.h"
#include "core/Map.h"
#include "docview/FrameWnd.h"
#include "gdi/DC.h"

IMPLEMENT_SERIAL(CWTKColorMenuButton, CWTKToolbarMenuButton, VERSIONABLE_SCHEMA | 1)

namespace {

constexpr int kMenuStripeDrop = 1;  // in menus the stripe sits one pixel lower

CMap<UINT, UINT, COLORREF, COLORREF>& ColorsByCommand()
{
    static CMap<UINT, UINT, COLORREF, COLORREF> colors;
    return colors;
}

}  // namespace

CWTKColorMenuButton::CWTKColorMenuButton() = default;

CWTKColorMenuButton::CWTKColorMenuButton(UINT uiCmdID, LPCSTR lpszText, CPalette* pPalette)
    : CWTKToolbarMenuButton(uiCmdID, nullptr, CWTKToolBar::GetDefaultImage(uiCmdID), lpszText)
{
    CWTKColorBar::ColorsFromPalette(pPalette, m_Colors);
    m_Color = GetColorByCmdID(uiCmdID);
}

CWTKColorMenuButton::~CWTKColorMenuButton() = default;

// ---- The process-wide colour of each command ----

void CWTKColorMenuButton::SetColorByCmdID(UINT uiCmdID, COLORREF color)
{
    ColorsByCommand().SetAt(uiCmdID, color);
}

COLORREF CWTKColorMenuButton::GetColorByCmdID(UINT uiCmdID)
{
    COLORREF color = static_cast<COLORREF>(-1);
    ColorsByCommand().Lookup(uiCmdID, color);
    return color;
}

void CWTKColorMenuButton::ClearColorsByCmdID()
{
    ColorsByCommand().RemoveAll();
}

void CWTKColorMenuButton::SetColorOfCommandButtons(UINT uiCmdID, COLORREF color, const CWTKColorMenuButton* pExcept)
{
    CObList buttons;
    CWTKToolBar::GetCommandButtons(uiCmdID, buttons);
    for (POSITION pos = buttons.GetHeadPosition(); pos != nullptr;) {
        auto* pButton = dynamic_cast<CWTKColorMenuButton*>(buttons.GetNext(pos));
        if (pButton != nullptr && pButton != pExcept)
            pButton->SetColor(color, FALSE);
    }
}

void CWTKColorMenuButton::SetColorOfCommandBars(UINT uiCmdID, COLORREF color)
{
    for (POSITION pos = WTKAllToolbars().GetHeadPosition(); pos != nullptr;) {
        auto* pBar = dynamic_cast<CWTKColorBar*>(WTKAllToolbars().GetNext(pos));
        if (pBar != nullptr && ::IsWindow(pBar->GetSafeHwnd()) && pBar->GetCommandID() == uiCmdID)
            pBar->SetColor(color);
    }
}

// ---- Colour ----

void CWTKColorMenuButton::SetColor(COLORREF clr, BOOL bNotify)
{
    m_Color = clr;
    SetColorByCmdID(m_nID, clr);
    if (m_pWndParent != nullptr && m_pWndParent->GetSafeHwnd() != nullptr)
        m_pWndParent->InvalidateRect(m_rect);
    if (!bNotify)
        return;
    SetColorOfCommandButtons(m_nID, clr, this);
    SetColorOfCommandBars(m_nID, clr);
}

BOOL CWTKColorMenuButton::OpenColorDialog(COLORREF colorDefault, COLORREF& colorRes)
{
    CPalette* pPalette = m_Palette.GetSafeHandle() ? &m_Palette : nullptr;
    return WTKOpenColorDialog(m_pWndParent, m_bStdColorDlg, colorDefault, pPalette, colorRes);
}

// ---- Options ----

void CWTKColorMenuButton::SetColors(const CWTKColorArray& colors)
{
    m_Colors.Copy(colors);
}

void CWTKColorMenuButton::EnableAutomaticButton(LPCSTR lpszLabel, COLORREF colorAutomatic, BOOL bEnable)
{
    m_bIsAutomaticButton = bEnable;
    m_strAutomaticButtonLabel = lpszLabel ? lpszLabel : "";
    m_colorAutomatic = colorAutomatic;
}

void CWTKColorMenuButton::EnableOtherButton(LPCSTR lpszLabel, BOOL bAltColorDlg, BOOL bEnable)
{
    m_bIsOtherButton = bEnable;
    m_strOtherButtonLabel = lpszLabel ? lpszLabel : "";
    m_bStdColorDlg = !bAltColorDlg;
}

void CWTKColorMenuButton::EnableDocumentColors(LPCSTR lpszLabel, BOOL bEnable)
{
    m_bIsDocumentColors = bEnable;
    m_strDocumentColorsLabel = lpszLabel ? lpszLabel : "";
}

void CWTKColorMenuButton::EnableTearOff(UINT uiID, int nVertDockColumns, int nHorzDockRows)
{
    SetTearOff(uiID);
    m_nVertDockColumns = nVertDockColumns;
    m_nHorzDockRows = nHorzDockRows;
}

void CWTKColorMenuButton::GetSettings(WTKColorBarSettings& settings) const
{
    settings.colors.Copy(m_Colors);
    settings.colorCurrent = m_Color;
    settings.colorAutomatic = m_colorAutomatic;
    settings.strAutoColor = m_bIsAutomaticButton ? m_strAutomaticButtonLabel : CString();
    settings.strOtherColor = m_bIsOtherButton ? m_strOtherButtonLabel : CString();
    settings.strDocColors = m_bIsDocumentColors ? m_strDocumentColorsLabel : CString();
    settings.lstDocColors.RemoveAll();
    settings.nColumns = m_nColumns;
    settings.nHorzDockRows = m_nHorzDockRows;
    settings.nVertDockColumns = m_nVertDockColumns;
    settings.uiCommandID = m_nID;
    settings.bStdColorDlg = m_bStdColorDlg;
}

std::unique_ptr<CWTKPopupMenu> CWTKColorMenuButton::CreatePopupMenu()
{
    WTKColorBarSettings settings;
    GetSettings(settings);
    if (m_bIsDocumentColors && m_pWndParent != nullptr && m_pWndParent->GetSafeHwnd() != nullptr) {
        if (CFrameWnd* pTopFrame = m_pWndParent->GetTopLevelFrame())
            pTopFrame->SendMessage(WTK_TOOLBAR_GETDOCUMENTCOLORS, m_nID,
                                   reinterpret_cast<LPARAM>(&settings.lstDocColors));
    }
    return std::make_unique<CColorPopup>(this, settings);
}

void CWTKColorMenuButton::OnChangeParentWnd(CWnd* pWndParent)
{
    CWTKToolbarMenuButton::OnChangeParentWnd(pWndParent);
    // A colour button is a drop-down, never a plain menu title.
    m_bDrawDownArrow = TRUE;
}

void CWTKColorMenuButton::CopyFrom(const CWTKToolbarButton& src)
{
    CWTKToolbarMenuButton::CopyFrom(src);
    const auto* pOther = dynamic_cast<const CWTKColorMenuButton*>(&src);
    if (pOther == nullptr || pOther == this)
        return;
    m_Color = pOther->m_Color;
    m_colorAutomatic = pOther->m_colorAutomatic;
    SetColors(pOther->m_Colors);
    m_nColumns = pOther->m_nColumns;
    m_nVertDockColumns = pOther->m_nVertDockColumns;
    m_nHorzDockRows = pOther->m_nHorzDockRows;
    m_bIsAutomaticButton = pOther->m_bIsAutomaticButton;
    m_bIsOtherButton = pOther->m_bIsOtherButton;
    m_bIsDocumentColors = pOther->m_bIsDocumentColors;
    m_strAutomaticButtonLabel = pOther->m_strAutomaticButtonLabel;
    m_strOtherButtonLabel = pOther->m_strOtherButtonLabel;
    m_strDocumentColorsLabel = pOther->m_strDocumentColorsLabel;
    m_bStdColorDlg = pOther->m_bStdColorDlg;
}

// ---- Archive ----

BOOL CWTKColorMenuButton::IsLayoutStored()
{
    return WTKIsSavedDataNewerThan(kLayoutValuesMajor, kLayoutValuesMinor);
}

void CWTKColorMenuButton::Serialize(CArchive& ar)
{
    CWTKToolbarMenuButton::Serialize(ar);
    if (ar.IsStoring()) {
        ar << static_cast<DWORD>(m_Colors.GetSize());
        for (INT_PTR i = 0; i < m_Colors.GetSize(); i++)
            ar << static_cast<DWORD>(m_Colors[i]);
        ar << static_cast<DWORD>(m_nColumns);
        // Always the current layout: the workspace writes its current version with it.
        ar << static_cast<DWORD>(m_nVertDockColumns) << static_cast<DWORD>(m_nHorzDockRows);
        ar << static_cast<DWORD>(m_bIsAutomaticButton) << static_cast<DWORD>(m_bIsOtherButton)
           << static_cast<DWORD>(m_bIsDocumentColors);
        ar << m_strAutomaticButtonLabel << m_strOtherButtonLabel << m_strDocumentColorsLabel;
        ar << static_cast<DWORD>(m_colorAutomatic) << static_cast<DWORD>(m_bStdColorDlg);
        return;
    }
    DWORD dwCount = 0;
    ar >> dwCount;
    ar.CheckCount(dwCount, sizeof(DWORD));
    CWTKColorArray colors;
    for (DWORD i = 0; i < dwCount; i++) {
        DWORD dwColor = 0;
        ar >> dwColor;
        colors.Add(dwColor);
    }
    DWORD dwColumns = 0;
    ar >> dwColumns;
    DWORD dwVertColumns = static_cast<DWORD>(-1);
    DWORD dwHorzRows = static_cast<DWORD>(-1);
    if (IsLayoutStored())
        ar >> dwVertColumns >> dwHorzRows;
    DWORD dwAuto = 0, dwOther = 0, dwDoc = 0;
    ar >> dwAuto >> dwOther >> dwDoc;
    CString strAuto, strOther, strDoc;
    ar >> strAuto >> strOther >> strDoc;
    DWORD dwAutomaticColor = 0, dwStdDlg = 0;
    ar >> dwAutomaticColor >> dwStdDlg;

    SetColors(colors);
    m_nColumns = static_cast<int>(dwColumns);
    m_nVertDockColumns = static_cast<int>(dwVertColumns);
    m_nHorzDockRows = static_cast<int>(dwHorzRows);
    m_bIsAutomaticButton = dwAuto != 0;
    m_bIsOtherButton = dwOther != 0;
    m_bIsDocumentColors = dwDoc != 0;
    m_strAutomaticButtonLabel = strAuto;
    m_strOtherButtonLabel = strOther;
    m_strDocumentColorsLabel = strDoc;
    m_colorAutomatic = dwAutomaticColor;
    m_bStdColorDlg = dwStdDlg != 0;
    // The command's colour, as the other buttons of the command show it.
    const COLORREF colorCommand = GetColorByCmdID(m_nID);
    if (colorCommand != static_cast<COLORREF>(-1))
        m_Color = colorCommand;
}

// ---- Drawing ----

void CWTKColorMenuButton::DrawStripe(CDC* pDC, const CRect& rectStripe) const
{
    const WTKGlobalData& g = WTKGetGlobalData();
    COLORREF color = m_Color == static_cast<COLORREF>(-1) ? m_colorAutomatic : m_Color;
    if (m_nStyle & TBBS_DISABLED)
        color = g.clrBtnShadow;
    pDC->FillSolidRect(rectStripe, color);
}

void CWTKColorMenuButton::OnDraw(CDC* pDC, const CRect& rect, CWTKImageStrip* pImages, BOOL bHorz, BOOL bCustomizeMode,
                                 BOOL bHighlight, BOOL bDrawBorder, BOOL bGrayDisabledButtons)
{
    CWTKToolbarMenuButton::OnDraw(pDC, rect, pImages, bHorz, bCustomizeMode, bHighlight, bDrawBorder,
                                  bGrayDisabledButtons);
    if (rect.IsRectEmpty())
        return;
    CRect rectStripe = rect;
    if (m_bMenuMode) {
        // Under the image column's text line.
        const CSize sizeImage = CWTKToolBar::GetMenuImageSize();
        rectStripe.right = rect.left + sizeImage.cx + 2 * kStripeInset;
        rectStripe.bottom = rect.bottom - kStripeInset + kMenuStripeDrop;
    } else {
        rectStripe.right -= ArrowExtent(bHorz);
        rectStripe.bottom -= kStripeInset;
    }
    rectStripe.left += kStripeInset;
    rectStripe.right -= kStripeInset;
    rectStripe.top = rectStripe.bottom - kStripeHeight;
    if (rectStripe.Width() > 0 && rectStripe.top >= rect.top)
        DrawStripe(pDC, rectStripe);
}
