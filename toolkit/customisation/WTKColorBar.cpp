#include "customisation/WTKColorBar.h"

#include "customisation/ColorButton.h"
#include "customisation/WTKColorBarOwner.h"
#include "customisation/WTKColorButton.h"
#include "customisation/WTKColorDialogSeam.h"
#include "customisation/WTKColorMenuButton.h"

#include "command_bars/WTKPopupMenu.h"
#include "foundation/WTKGlobalData.h"

#include "core/Archive.h"
#include "win/CmdUI.h"
#include "win/WndLifeGuard.h"

#include <algorithm>
#include <memory>
#include <vector>

IMPLEMENT_SERIAL(CWTKColorBar, CWTKPopupMenuBar, 1)

namespace {

constexpr int kMaxPaletteColors = 256;

void CopyColorList(const CWTKColorList& src, CWTKColorList& dst)
{
    dst.RemoveAll();
    dst.AddTail(&src);
}

}  // namespace

WTKColorBarSettings& WTKColorBarSettings::operator=(const WTKColorBarSettings& src)
{
    if (this == &src)
        return *this;
    colors.Copy(src.colors);
    colorCurrent = src.colorCurrent;
    colorAutomatic = src.colorAutomatic;
    strAutoColor = src.strAutoColor;
    strOtherColor = src.strOtherColor;
    strDocColors = src.strDocColors;
    CopyColorList(src.lstDocColors, lstDocColors);
    nColumns = src.nColumns;
    nHorzDockRows = src.nHorzDockRows;
    nVertDockColumns = src.nVertDockColumns;
    uiCommandID = src.uiCommandID;
    bStdColorDlg = src.bStdColorDlg;
    return *this;
}

// ---- Construction ----

CWTKColorBar::CWTKColorBar()
{
    // An empty bar takes its layout values from Create or its archive: none until then.
    m_settings.nColumns = 0;
    m_settings.nHorzDockRows = 0;
    m_settings.nVertDockColumns = 0;
}

CWTKColorBar::CWTKColorBar(const WTKColorBarSettings& settings)
{
    ApplySettings(settings);
    // A bar made for a popup shows its document colours.
    m_bIsTearOff = FALSE;
    m_bShowDocColorsWhenDocked = TRUE;
}

CWTKColorBar::CWTKColorBar(const CWTKColorBar& src, UINT uiCommandID)
{
    WTKColorBarSettings settings;
    src.GetSettings(settings);
    ApplySettings(settings);
    m_settings.uiCommandID = uiCommandID;
    m_bIsTearOff = TRUE;
    m_bShowDocColorsWhenDocked = FALSE;
}

void CWTKColorBar::ApplySettings(const WTKColorBarSettings& settings)
{
    m_settings = settings;
}

CWTKColorBar::~CWTKColorBar() = default;

void CWTKColorBar::GetSettings(WTKColorBarSettings& settings) const
{
    settings = m_settings;
}

void CWTKColorBar::ColorsFromPalette(CPalette* pPalette, CWTKColorArray& colors)
{
    colors.RemoveAll();
    HPALETTE hPalette = pPalette != nullptr ? static_cast<HPALETTE>(pPalette->GetSafeHandle()) : nullptr;
    if (hPalette == nullptr)
        hPalette = static_cast<HPALETTE>(::GetStockObject(DEFAULT_PALETTE));
    const UINT nEntries = std::min<UINT>(::GetPaletteEntries(hPalette, 0, 0, nullptr), kMaxPaletteColors);
    if (nEntries == 0)
        return;
    std::vector<PALETTEENTRY> entries(nEntries);
    const UINT nRead = ::GetPaletteEntries(hPalette, 0, nEntries, entries.data());
    for (UINT i = 0; i < nRead && i < nEntries; i++)
        colors.Add(RGB(entries[i].peRed, entries[i].peGreen, entries[i].peBlue));
}

BOOL CWTKColorBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID, CPalette* pPalette, int nColumns,
                          int nRowsDockHorz, int nColDockVert)
{
    if (m_settings.colors.GetSize() == 0) {
        m_settings.nColumns = nColumns;
        m_settings.nHorzDockRows = nRowsDockHorz;
        m_settings.nVertDockColumns = nColDockVert;
        ColorsFromPalette(pPalette, m_settings.colors);
    }
    return CWTKPopupMenuBar::Create(pParentWnd, dwStyle, nID);
}

BOOL CWTKColorBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    return CWTKPopupMenuBar::Create(pParentWnd, dwStyle, nID);
}

int CWTKColorBar::FindControlColumns(int nEntries, const CSize& sizeArea)
{
    for (int nColumns = nEntries; nColumns >= 1; nColumns--) {
        const int nCell = sizeArea.cx / nColumns;
        const int nRows = nEntries / nColumns;
        if (nCell * nRows > sizeArea.cy)
            return nColumns + 1;
    }
    return -1;  // every count fits (or no entries): the square-root rule applies
}

BOOL CWTKColorBar::CreateControl(CWnd* pParentWnd, const CRect& rect, UINT nID, int nColumns, CPalette* pPalette)
{
    if (nColumns <= 0) {
        CWTKColorArray colors;
        ColorsFromPalette(pPalette, colors);
        const int nEntries = m_settings.colors.GetSize() > 0 ? static_cast<int>(m_settings.colors.GetSize())
                                                             : static_cast<int>(colors.GetSize());
        CRect rectArea = rect;
        rectArea.DeflateRect(kMarginX, kMarginY);
        nColumns = FindControlColumns(nEntries, rectArea.Size());
    }
    if (!Create(pParentWnd, WS_CHILD | WS_VISIBLE | CBRS_TOP, nID, pPalette, nColumns))
        return FALSE;
    if (m_settings.nColumns <= 0 && nColumns > 0)
        m_settings.nColumns = nColumns;  // colours given before creation keep the columns found
    SetBarStyle(GetBarStyle() & ~(CBRS_BORDER_ANY | CBRS_GRIPPER));
    MoveWindow(rect);
    ContextToSize(TRUE, TRUE);
    ::SetWindowPos(m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetOwner(pParentWnd);
    m_settings.uiCommandID = nID;
    return TRUE;
}

int CWTKColorBar::OnCreate(LPCREATESTRUCTA lpcs)
{
    if (CWTKPopupMenuBar::OnCreate(lpcs) == -1)
        return -1;
    const CSize sizeImage = GetMenuImageSize();
    SetBoxSize(sizeImage.cx + 1, sizeImage.cy + 1);
    Rebuild();
    if (m_pOwnerReceiver != nullptr)
        SetCapture();
    return 0;
}

void CWTKColorBar::OnDestroy()
{
    CWTKColorBarOwner* pOwner = m_pOwnerReceiver;
    m_pOwnerReceiver = nullptr;
    CWTKPopupMenuBar::OnDestroy();
    if (pOwner != nullptr)
        pOwner->OnColorBarClosed();
}

// ---- Owners ----

void CWTKColorBar::SetOwnerColorButton(CWTKColorButton* pButton)
{
    m_pOwnerReceiver = pButton;
}

void CWTKColorBar::SetOwnerPropList(CWTKColorBarOwner* pOwner)
{
    m_pOwnerReceiver = pOwner;
}

CWTKColorBar::OwnerKind CWTKColorBar::GetOwnerKind() const
{
    if (m_pParentBtn != nullptr)
        return kOwnerMenuButton;
    if (dynamic_cast<CWTKColorButton*>(m_pOwnerReceiver) != nullptr)
        return kOwnerColorButton;
    if (m_pOwnerReceiver != nullptr)
        return kOwnerPropList;
    return kOwnerNone;
}

// ---- Colours and cells ----

void CWTKColorBar::SetColors(const CWTKColorArray& colors)
{
    m_settings.colors.Copy(colors);
    Rebuild();
}

void CWTKColorBar::SetDocumentColors(LPCSTR lpszCaption, const CWTKColorList& lstDocColors, BOOL bShowWhenDocked)
{
    m_settings.strDocColors = lpszCaption ? lpszCaption : "";
    CopyColorList(lstDocColors, m_settings.lstDocColors);
    m_bShowDocColorsWhenDocked = bShowWhenDocked;
    Rebuild();
}

void CWTKColorBar::EnableAutomaticButton(LPCSTR lpszLabel, COLORREF colorAutomatic, BOOL bEnable)
{
    m_settings.colorAutomatic = colorAutomatic;
    m_settings.strAutoColor = (bEnable && lpszLabel != nullptr) ? lpszLabel : "";
    Rebuild();
}

void CWTKColorBar::EnableOtherButton(LPCSTR lpszLabel, BOOL bAltColorDlg, BOOL bEnable)
{
    m_settings.bStdColorDlg = !bAltColorDlg;
    m_settings.strOtherColor = (bEnable && lpszLabel != nullptr) ? lpszLabel : "";
    Rebuild();
}

void CWTKColorBar::SetVertDockColumns(int nColumns)
{
    m_settings.nVertDockColumns = nColumns;
}

void CWTKColorBar::SetHorzDockRows(int nRows)
{
    m_settings.nHorzDockRows = nRows;
}

void CWTKColorBar::SetColumns(int nColumns)
{
    m_settings.nColumns = nColumns;
}

CColorButton* CWTKColorBar::GetColorButton(int nIndex) const
{
    return dynamic_cast<CColorButton*>(GetButton(nIndex));
}

void CWTKColorBar::Rebuild()
{
    if (GetSafeHwnd() == nullptr)
        return;
    BuildCells();
    AdjustLocations();
    Invalidate();
}

void CWTKColorBar::BuildCells()
{
    RemoveAllButtons();
    BOOL bHighlighted = FALSE;
    auto add = [this](std::unique_ptr<CColorButton> pCell) {
        pCell->m_pParentBar = this;
        if (m_bIsEnabled == FALSE)
            pCell->m_nStyle |= TBBS_DISABLED;
        InsertButtonObject(std::move(pCell), -1);
    };
    if (!m_settings.strAutoColor.IsEmpty()) {
        bHighlighted = m_settings.colorCurrent == static_cast<COLORREF>(-1);
        add(std::make_unique<CColorButton>(m_settings.colorAutomatic, TRUE, FALSE, m_settings.strAutoColor,
                                           bHighlighted));
    }
    for (INT_PTR i = 0; i < m_settings.colors.GetSize(); i++) {
        const BOOL bThis = !bHighlighted && m_settings.colors[i] == m_settings.colorCurrent;
        bHighlighted = bHighlighted || bThis;
        add(std::make_unique<CColorButton>(m_settings.colors[i], FALSE, FALSE, nullptr, bThis));
    }
    if (!m_settings.strDocColors.IsEmpty() && m_settings.lstDocColors.GetCount() > 0) {
        InsertSeparator();
        auto pCaption = std::make_unique<CColorButton>(static_cast<COLORREF>(-1), FALSE, FALSE, m_settings.strDocColors,
                                                       FALSE, TRUE);
        pCaption->m_bIsLabel = TRUE;
        add(std::move(pCaption));
        for (POSITION pos = m_settings.lstDocColors.GetHeadPosition(); pos != nullptr;) {
            const COLORREF color = m_settings.lstDocColors.GetNext(pos);
            const BOOL bThis = !bHighlighted && color == m_settings.colorCurrent;
            bHighlighted = bHighlighted || bThis;
            add(std::make_unique<CColorButton>(color, FALSE, FALSE, nullptr, bThis, TRUE));
        }
    }
    if (!m_settings.strOtherColor.IsEmpty()) {
        InsertSeparator();
        add(std::make_unique<CColorButton>(static_cast<COLORREF>(-1), FALSE, TRUE, m_settings.strOtherColor));
        const BOOL bThis = !bHighlighted && m_settings.colorCurrent != static_cast<COLORREF>(-1);
        add(std::make_unique<CColorButton>(m_settings.colorCurrent, FALSE, FALSE, nullptr, bThis, FALSE, TRUE));
    }
}

BOOL CWTKColorBar::IsCurrentColorShown() const
{
    // "Automatic" needs no cell of its own: the automatic cell or nothing stands for it.
    if (m_settings.colorCurrent == static_cast<COLORREF>(-1))
        return TRUE;
    for (INT_PTR i = 0; i < m_settings.colors.GetSize(); i++) {
        if (m_settings.colors[i] == m_settings.colorCurrent)
            return TRUE;
    }
    if (!m_settings.strDocColors.IsEmpty()) {
        for (POSITION pos = m_settings.lstDocColors.GetHeadPosition(); pos != nullptr;) {
            if (m_settings.lstDocColors.GetNext(pos) == m_settings.colorCurrent)
                return TRUE;
        }
    }
    return FALSE;
}

void CWTKColorBar::SetColor(COLORREF color)
{
    if (color == m_settings.colorCurrent)
        return;
    const BOOL bWasShown = IsCurrentColorShown();
    m_settings.colorCurrent = color;
    BOOL bHighlighted = FALSE;
    for (int i = 0; i < GetCount(); i++) {
        CColorButton* pCell = GetColorButton(i);
        if (pCell == nullptr || pCell->m_bIsLabel || pCell->m_bIsOther)
            continue;
        if (pCell->m_bIsOtherColor) {
            pCell->m_Color = color;
            pCell->m_bHighlight = !bHighlighted && color != static_cast<COLORREF>(-1);
            continue;
        }
        const BOOL bThis = !bHighlighted &&
            (pCell->m_bIsAutomatic ? color == static_cast<COLORREF>(-1)
                                   : color != static_cast<COLORREF>(-1) && pCell->m_Color == color);
        pCell->m_bHighlight = bThis;
        bHighlighted = bHighlighted || bThis;
    }
    if (GetSafeHwnd() == nullptr)
        return;
    if (bWasShown != IsCurrentColorShown())
        AdjustLocations();
    Invalidate();
}

// ---- Archive ----

void CWTKColorBar::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << static_cast<DWORD>(m_settings.nColumns) << static_cast<DWORD>(m_settings.nHorzDockRows)
           << static_cast<DWORD>(m_settings.nVertDockColumns) << static_cast<DWORD>(m_settings.colorAutomatic);
        ar << m_settings.strAutoColor << m_settings.strOtherColor << m_settings.strDocColors;
        ar << static_cast<DWORD>(m_bIsTearOff) << static_cast<DWORD>(m_settings.uiCommandID)
           << static_cast<DWORD>(m_settings.bStdColorDlg);
        ar << static_cast<DWORD>(m_settings.colors.GetSize());
        for (INT_PTR i = 0; i < m_settings.colors.GetSize(); i++)
            ar << static_cast<DWORD>(m_settings.colors[i]);
        return;
    }
    // Read into locals: a damaged archive leaves the bar as it was.
    DWORD dwColumns = 0, dwRowsHorz = 0, dwColumnsVert = 0, dwAutomatic = 0;
    ar >> dwColumns >> dwRowsHorz >> dwColumnsVert >> dwAutomatic;
    CString strAuto, strOther, strDoc;
    ar >> strAuto >> strOther >> strDoc;
    DWORD dwTearOff = 0, dwCommand = 0, dwStdDlg = 0, dwCount = 0;
    ar >> dwTearOff >> dwCommand >> dwStdDlg >> dwCount;
    ar.CheckCount(dwCount, sizeof(DWORD));
    CWTKColorArray colors;
    for (DWORD i = 0; i < dwCount; i++) {
        DWORD dwColor = 0;
        ar >> dwColor;
        colors.Add(dwColor);
    }
    m_settings.nColumns = static_cast<int>(dwColumns);
    m_settings.nHorzDockRows = static_cast<int>(dwRowsHorz);
    m_settings.nVertDockColumns = static_cast<int>(dwColumnsVert);
    m_settings.colorAutomatic = dwAutomatic;
    m_settings.strAutoColor = strAuto;
    m_settings.strOtherColor = strOther;
    m_settings.strDocColors = strDoc;
    m_bIsTearOff = dwTearOff != 0;
    m_settings.uiCommandID = dwCommand;
    m_settings.bStdColorDlg = dwStdDlg != 0;
    SetColors(colors);
}

// ---- Commands ----

BOOL CWTKColorBar::IsCommandEnabled(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    CCmdUIStateRecorder state;
    state.m_nID = m_settings.uiCommandID;
    const BOOL bHandled = state.DoUpdate(pTarget, FALSE);
    if (state.m_bEnableChanged)
        return state.m_bEnabled;
    if (bHandled)
        return TRUE;  // a handler that doesn't say leaves the command enabled
    if (!bDisableIfNoHndler)
        return FALSE;
    FwCmdHandlerInfo info = {nullptr, nullptr};
    return pTarget->OnCmdMsg(m_settings.uiCommandID, CN_COMMAND, &state, &info);
}

void CWTKColorBar::EnableCells(BOOL bEnable)
{
    m_bIsEnabled = bEnable;
    for (int i = 0; i < GetCount(); i++) {
        if (CColorButton* pCell = GetColorButton(i)) {
            if (bEnable)
                pCell->m_nStyle &= ~TBBS_DISABLED;
            else
                pCell->m_nStyle |= TBBS_DISABLED;
        }
    }
    Invalidate();
}

void CWTKColorBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    if (pTarget != nullptr && m_settings.uiCommandID != 0 && m_settings.uiCommandID != static_cast<UINT>(-1)) {
        const BOOL bEnabled = IsCommandEnabled(pTarget, bDisableIfNoHndler);
        if (bEnabled != m_bIsEnabled)
            EnableCells(bEnabled);
    }
    CWTKPopupMenuBar::OnUpdateCmdUI(pTarget, bDisableIfNoHndler);
}

void CWTKColorBar::SendPrompt(WPARAM wParam)
{
    CWnd* pOwner = m_pOwnerReceiver != nullptr ? m_pOwnerReceiver->GetColorBarOwnerWnd() : GetOwner();
    if (pOwner == nullptr)
        pOwner = GetParent();
    if (pOwner != nullptr)
        pOwner->SendMessage(WM_SETMESSAGESTRING, wParam);
}

void CWTKColorBar::ShowCommandPrompt(UINT /*nID*/)
{
    const UINT uiCommand = m_settings.uiCommandID;
    SendPrompt(uiCommand == static_cast<UINT>(-1) ? FW_IDS_IDLEMESSAGE : uiCommand);
}

void CWTKColorBar::SetIdlePrompt()
{
    SendPrompt(FW_IDS_IDLEMESSAGE);
}

BOOL CWTKColorBar::OpenColorDialog(COLORREF colorDefault, COLORREF& colorRes)
{
    if (m_pParentBtn != nullptr)
        return m_pParentBtn->OpenColorDialog(colorDefault, colorRes);
    CWnd* pParent = m_pOwnerReceiver != nullptr ? m_pOwnerReceiver->GetColorBarOwnerWnd() : GetOwner();
    CPalette* pPalette = m_pOwnerReceiver != nullptr ? m_pOwnerReceiver->GetColorBarPalette() : nullptr;
    if (pPalette == nullptr)
        pPalette = GetPalette();
    return WTKOpenColorDialog(pParent, m_settings.bStdColorDlg, colorDefault, pPalette, colorRes);
}

void CWTKColorBar::CloseOwnerPopup()
{
    if (CWnd* pParent = GetParent())
        pParent->PostMessage(WM_CLOSE);
}

void CWTKColorBar::OnColorChosen(COLORREF color)
{
    if (m_pParentBtn != nullptr) {
        CWTKColorMenuButton* pButton = m_pParentBtn;
        pButton->SetColor(color, TRUE);
        InvokeMenuCommand(m_settings.uiCommandID, pButton);
        return;
    }
    if (m_pOwnerReceiver != nullptr) {
        m_pOwnerReceiver->OnColorBarColor(color);
        CloseOwnerPopup();
        return;
    }
    SetColor(color);
    CWTKColorMenuButton::SetColorOfCommandButtons(m_settings.uiCommandID, color);
    CWTKColorMenuButton::SetColorByCmdID(m_settings.uiCommandID, color);
    CWnd* pOwner = GetOwner();
    if (pOwner == nullptr)
        pOwner = GetParent();
    if (pOwner != nullptr)
        pOwner->SendMessage(WM_COMMAND, m_settings.uiCommandID, 0);
}

BOOL CWTKColorBar::RunOtherColorsDialog(CColorButton* pCell, COLORREF& colorChosen)
{
    m_bInternal = TRUE;
    // The popup may destroy itself (and this bar) while the dialog runs: after it, only locals
    // are used until the bar is known to be alive.
    const CWndLifeGuard self(this);
    const BOOL bInPopup = !m_bIsTearOff && GetParent() != nullptr;
    if (bInPopup)
        GetParent()->ShowWindow(SW_HIDE);
    InvalidateRect(pCell->m_rect);
    UpdateWindow();
    const COLORREF colorInit =
        m_settings.colorCurrent == static_cast<COLORREF>(-1) ? m_settings.colorAutomatic : m_settings.colorCurrent;
    COLORREF colorResult = colorInit;
    const BOOL bOK = OpenColorDialog(colorInit, colorResult);
    if (!self.IsAlive())
        return FALSE;
    m_bInternal = FALSE;
    if (!bOK) {
        if (bInPopup || m_pOwnerReceiver != nullptr)
            CloseOwnerPopup();
        return FALSE;
    }
    colorChosen = colorResult;
    return TRUE;
}

BOOL CWTKColorBar::OnSendCommand(const CWTKToolbarButton* pButton)
{
    auto* pCell = dynamic_cast<CColorButton*>(const_cast<CWTKToolbarButton*>(pButton));
    if (pCell == nullptr || pCell->m_bIsLabel || (pCell->m_nStyle & TBBS_DISABLED))
        return TRUE;
    if (m_pOwnerReceiver != nullptr && GetCapture() == this)
        ::ReleaseCapture();
    COLORREF color = pCell->m_bIsAutomatic ? static_cast<COLORREF>(-1) : pCell->m_Color;
    if (pCell->m_bIsOther && !RunOtherColorsDialog(pCell, color))
        return TRUE;  // cancelled, or the bar is gone
    OnColorChosen(color);
    return TRUE;
}
