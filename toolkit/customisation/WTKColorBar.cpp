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

#include <algorithm>
#include <vector>

IMPLEMENT_SERIAL(CWTKColorBar, CWTKPopupMenuBar, 1)

namespace {

constexpr int kPaletteBits = 8;
constexpr int kMaxPaletteColors = 256;

void CopyColorList(const CWTKColorList& src, CWTKColorList& dst)
{
    dst.RemoveAll();
    for (POSITION pos = src.GetHeadPosition(); pos != nullptr;)
        dst.AddTail(src.GetNext(pos));
}

}  // namespace

WTKColorBarSettings& WTKColorBarSettings::operator=(const WTKColorBarSettings& src)
{
    if (this == &src)
        return *this;
    colors.RemoveAll();
    for (INT_PTR i = 0; i < src.colors.GetSize(); i++)
        colors.Add(src.colors[i]);
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

CWTKColorBar::CWTKColorBar() = default;

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
    m_nCommandID = uiCommandID;
    m_bIsTearOff = TRUE;
    m_bShowDocColorsWhenDocked = FALSE;
}

void CWTKColorBar::ApplySettings(const WTKColorBarSettings& settings)
{
    for (INT_PTR i = 0; i < settings.colors.GetSize(); i++)
        m_colors.Add(settings.colors[i]);
    m_ColorSelected = settings.colorCurrent;
    m_ColorAutomatic = settings.colorAutomatic;
    m_strAutoColor = settings.strAutoColor;
    m_strOtherColor = settings.strOtherColor;
    m_strDocColors = settings.strDocColors;
    CopyColorList(settings.lstDocColors, m_lstDocColors);
    m_nNumColumns = settings.nColumns;
    m_nNumRowsHorz = settings.nHorzDockRows;
    m_nNumColumnsVert = settings.nVertDockColumns;
    m_nCommandID = settings.uiCommandID;
    m_bStdColorDlg = settings.bStdColorDlg;
}

CWTKColorBar::~CWTKColorBar() = default;

void CWTKColorBar::GetSettings(WTKColorBarSettings& settings) const
{
    settings.colors.RemoveAll();
    for (INT_PTR i = 0; i < m_colors.GetSize(); i++)
        settings.colors.Add(m_colors[i]);
    settings.colorCurrent = m_ColorSelected;
    settings.colorAutomatic = m_ColorAutomatic;
    settings.strAutoColor = m_strAutoColor;
    settings.strOtherColor = m_strOtherColor;
    settings.strDocColors = m_strDocColors;
    CopyColorList(m_lstDocColors, settings.lstDocColors);
    settings.nColumns = m_nNumColumns;
    settings.nHorzDockRows = m_nNumRowsHorz;
    settings.nVertDockColumns = m_nNumColumnsVert;
    settings.uiCommandID = m_nCommandID;
    settings.bStdColorDlg = m_bStdColorDlg;
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
    if (m_colors.GetSize() == 0) {
        m_nNumColumns = nColumns;
        m_nNumRowsHorz = nRowsDockHorz;
        m_nNumColumnsVert = nColDockVert;
        ColorsFromPalette(pPalette, m_colors);
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
        const int nEntries =
            m_colors.GetSize() > 0 ? static_cast<int>(m_colors.GetSize()) : static_cast<int>(colors.GetSize());
        CRect rectArea = rect;
        rectArea.DeflateRect(kMarginX, kMarginY);
        nColumns = FindControlColumns(nEntries, rectArea.Size());
    }
    if (!Create(pParentWnd, WS_CHILD | WS_VISIBLE | CBRS_TOP, nID, pPalette, nColumns))
        return FALSE;
    if (m_nNumColumns <= 0 && nColumns > 0)
        m_nNumColumns = nColumns;  // colours given before creation keep the columns found
    SetBarStyle(GetBarStyle() & ~(CBRS_BORDER_ANY | CBRS_GRIPPER));
    MoveWindow(rect);
    ContextToSize(TRUE, TRUE);
    ::SetWindowPos(m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetOwner(pParentWnd);
    m_nCommandID = nID;
    return TRUE;
}

int CWTKColorBar::OnCreate(LPCREATESTRUCTA lpcs)
{
    if (CWTKPopupMenuBar::OnCreate(lpcs) == -1)
        return -1;
    const CSize sizeImage = GetMenuImageSize();
    SetBoxSize(sizeImage.cx + 1, sizeImage.cy + 1);
    m_nRowHeight = (sizeImage.cy + 1) * 3 / 2;
    Rebuild();
    if (m_pOwnerReceiver != nullptr)
        SetCapture();
    return 0;
}

void CWTKColorBar::OnDestroy()
{
    CWTKColorBarOwner* pOwner = m_pOwnerReceiver;
    m_pOwnerReceiver = nullptr;
    m_pWndOwnerButton = nullptr;
    CWTKPopupMenuBar::OnDestroy();
    if (pOwner != nullptr)
        pOwner->OnColorBarClosed();
}

// ---- Owners ----

void CWTKColorBar::SetOwnerColorButton(CWTKColorButton* pButton)
{
    m_pWndOwnerButton = pButton;
    m_pOwnerReceiver = pButton;
}

void CWTKColorBar::SetOwnerPropList(CWTKColorBarOwner* pOwner)
{
    m_pWndOwnerButton = nullptr;
    m_pOwnerReceiver = pOwner;
}

CWTKColorBar::OwnerKind CWTKColorBar::GetOwnerKind() const
{
    if (m_pParentBtn != nullptr)
        return kOwnerMenuButton;
    if (m_pWndOwnerButton != nullptr)
        return kOwnerColorButton;
    if (m_pOwnerReceiver != nullptr)
        return kOwnerPropList;
    return kOwnerNone;
}

// ---- Colours and cells ----

void CWTKColorBar::SetColors(const CWTKColorArray& colors)
{
    m_colors.RemoveAll();
    for (INT_PTR i = 0; i < colors.GetSize(); i++)
        m_colors.Add(colors[i]);
    Rebuild();
}

void CWTKColorBar::SetDocumentColors(LPCSTR lpszCaption, const CWTKColorList& lstDocColors, BOOL bShowWhenDocked)
{
    m_strDocColors = lpszCaption ? lpszCaption : "";
    CopyColorList(lstDocColors, m_lstDocColors);
    m_bShowDocColorsWhenDocked = bShowWhenDocked;
    Rebuild();
}

void CWTKColorBar::EnableAutomaticButton(LPCSTR lpszLabel, COLORREF colorAutomatic, BOOL bEnable)
{
    m_ColorAutomatic = colorAutomatic;
    m_strAutoColor = (bEnable && lpszLabel != nullptr) ? lpszLabel : "";
    Rebuild();
}

void CWTKColorBar::EnableOtherButton(LPCSTR lpszLabel, BOOL bAltColorDlg, BOOL bEnable)
{
    m_bStdColorDlg = !bAltColorDlg;
    m_strOtherColor = (bEnable && lpszLabel != nullptr) ? lpszLabel : "";
    Rebuild();
}

void CWTKColorBar::SetVertDockColumns(int nColumns)
{
    m_nNumColumnsVert = nColumns;
}

void CWTKColorBar::SetHorzDockRows(int nRows)
{
    m_nNumRowsHorz = nRows;
}

void CWTKColorBar::SetColumns(int nColumns)
{
    m_nNumColumns = nColumns;
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
    auto add = [this](CColorButton* pCell) {
        pCell->m_pParentBar = this;
        if (m_bIsEnabled == FALSE)
            pCell->m_nStyle |= TBBS_DISABLED;
        if (InsertButtonObject(pCell, -1) < 0)
            delete pCell;
    };
    if (!m_strAutoColor.IsEmpty()) {
        bHighlighted = m_ColorSelected == static_cast<COLORREF>(-1);
        add(new CColorButton(m_ColorAutomatic, TRUE, FALSE, m_strAutoColor, bHighlighted));
    }
    for (INT_PTR i = 0; i < m_colors.GetSize(); i++) {
        const BOOL bThis = !bHighlighted && m_colors[i] == m_ColorSelected;
        bHighlighted = bHighlighted || bThis;
        add(new CColorButton(m_colors[i], FALSE, FALSE, nullptr, bThis));
    }
    if (!m_strDocColors.IsEmpty() && m_lstDocColors.GetCount() > 0) {
        InsertSeparator();
        auto* pCaption = new CColorButton(static_cast<COLORREF>(-1), FALSE, FALSE, m_strDocColors, FALSE, TRUE);
        pCaption->m_bIsLabel = TRUE;
        add(pCaption);
        for (POSITION pos = m_lstDocColors.GetHeadPosition(); pos != nullptr;) {
            const COLORREF color = m_lstDocColors.GetNext(pos);
            const BOOL bThis = !bHighlighted && color == m_ColorSelected;
            bHighlighted = bHighlighted || bThis;
            add(new CColorButton(color, FALSE, FALSE, nullptr, bThis, TRUE));
        }
    }
    if (!m_strOtherColor.IsEmpty()) {
        InsertSeparator();
        add(new CColorButton(static_cast<COLORREF>(-1), FALSE, TRUE, m_strOtherColor));
        const BOOL bThis = !bHighlighted && m_ColorSelected != static_cast<COLORREF>(-1);
        add(new CColorButton(m_ColorSelected, FALSE, FALSE, nullptr, bThis, FALSE, TRUE));
    }
}

BOOL CWTKColorBar::IsCurrentColorShown() const
{
    // "Automatic" needs no cell of its own: the automatic cell or nothing stands for it.
    if (m_ColorSelected == static_cast<COLORREF>(-1))
        return TRUE;
    for (INT_PTR i = 0; i < m_colors.GetSize(); i++) {
        if (m_colors[i] == m_ColorSelected)
            return TRUE;
    }
    if (!m_strDocColors.IsEmpty()) {
        for (POSITION pos = m_lstDocColors.GetHeadPosition(); pos != nullptr;) {
            if (m_lstDocColors.GetNext(pos) == m_ColorSelected)
                return TRUE;
        }
    }
    return FALSE;
}

void CWTKColorBar::SetColor(COLORREF color)
{
    if (color == m_ColorSelected)
        return;
    const BOOL bWasShown = IsCurrentColorShown();
    m_ColorSelected = color;
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
        ar << static_cast<DWORD>(m_nNumColumns) << static_cast<DWORD>(m_nNumRowsHorz)
           << static_cast<DWORD>(m_nNumColumnsVert) << static_cast<DWORD>(m_ColorAutomatic);
        ar << m_strAutoColor << m_strOtherColor << m_strDocColors;
        ar << static_cast<DWORD>(m_bIsTearOff) << static_cast<DWORD>(m_nCommandID)
           << static_cast<DWORD>(m_bStdColorDlg);
        ar << static_cast<DWORD>(m_colors.GetSize());
        for (INT_PTR i = 0; i < m_colors.GetSize(); i++)
            ar << static_cast<DWORD>(m_colors[i]);
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
    m_nNumColumns = static_cast<int>(dwColumns);
    m_nNumRowsHorz = static_cast<int>(dwRowsHorz);
    m_nNumColumnsVert = static_cast<int>(dwColumnsVert);
    m_ColorAutomatic = dwAutomatic;
    m_strAutoColor = strAuto;
    m_strOtherColor = strOther;
    m_strDocColors = strDoc;
    m_bIsTearOff = dwTearOff != 0;
    m_nCommandID = dwCommand;
    m_bStdColorDlg = dwStdDlg != 0;
    SetColors(colors);
}

// ---- Commands ----

void CWTKColorBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    if (pTarget != nullptr && m_nCommandID != 0 && m_nCommandID != static_cast<UINT>(-1)) {
        CTestCmdUI state;
        state.m_nID = m_nCommandID;
        const BOOL bHandled = state.DoUpdate(pTarget, FALSE);
        BOOL bEnabled = FALSE;
        if (state.m_bEnableChanged) {
            bEnabled = state.m_bEnabled;
        } else if (bHandled) {
            bEnabled = TRUE;  // a handler that doesn't say leaves the command enabled
        } else if (bDisableIfNoHndler) {
            FwCmdHandlerInfo info = {nullptr, nullptr};
            bEnabled = pTarget->OnCmdMsg(m_nCommandID, CN_COMMAND, &state, &info);
        }
        if (bEnabled != m_bIsEnabled) {
            m_bIsEnabled = bEnabled;
            for (int i = 0; i < GetCount(); i++) {
                if (CColorButton* pCell = GetColorButton(i)) {
                    if (bEnabled)
                        pCell->m_nStyle &= ~TBBS_DISABLED;
                    else
                        pCell->m_nStyle |= TBBS_DISABLED;
                }
            }
            Invalidate();
        }
    }
    CWTKPopupMenuBar::OnUpdateCmdUI(pTarget, bDisableIfNoHndler);
}

void CWTKColorBar::ShowCommandPrompt(UINT /*nID*/)
{
    CWnd* pOwner = m_pOwnerReceiver != nullptr ? m_pOwnerReceiver->GetColorBarOwnerWnd() : GetOwner();
    if (pOwner == nullptr)
        pOwner = GetParent();
    if (pOwner == nullptr)
        return;
    const WPARAM wParam = m_nCommandID == static_cast<UINT>(-1) ? FW_IDS_IDLEMESSAGE : m_nCommandID;
    pOwner->SendMessage(WM_SETMESSAGESTRING, wParam);
}

void CWTKColorBar::SetIdlePrompt()
{
    CWnd* pOwner = m_pOwnerReceiver != nullptr ? m_pOwnerReceiver->GetColorBarOwnerWnd() : GetOwner();
    if (pOwner == nullptr)
        pOwner = GetParent();
    if (pOwner != nullptr)
        pOwner->SendMessage(WM_SETMESSAGESTRING, FW_IDS_IDLEMESSAGE);
}

BOOL CWTKColorBar::OpenColorDialog(COLORREF colorDefault, COLORREF& colorRes)
{
    if (m_pParentBtn != nullptr)
        return m_pParentBtn->OpenColorDialog(colorDefault, colorRes);
    CWnd* pParent = m_pOwnerReceiver != nullptr ? m_pOwnerReceiver->GetColorBarOwnerWnd() : GetOwner();
    CPalette* pPalette = m_pOwnerReceiver != nullptr ? m_pOwnerReceiver->GetColorBarPalette() : nullptr;
    if (pPalette == nullptr)
        pPalette = GetPalette();
    return WTKOpenColorDialog(pParent, m_bStdColorDlg, colorDefault, pPalette, colorRes);
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
        InvokeMenuCommand(m_nCommandID, pButton);
        return;
    }
    if (m_pOwnerReceiver != nullptr) {
        m_pOwnerReceiver->OnColorBarColor(color);
        CloseOwnerPopup();
        return;
    }
    SetColor(color);
    CWTKColorMenuButton::SetColorOfCommandButtons(m_nCommandID, color);
    CWTKColorMenuButton::SetColorByCmdID(m_nCommandID, color);
    CWnd* pOwner = GetOwner();
    if (pOwner == nullptr)
        pOwner = GetParent();
    if (pOwner != nullptr)
        pOwner->SendMessage(WM_COMMAND, m_nCommandID, 0);
}

BOOL CWTKColorBar::RunOtherColorsDialog(CColorButton* pCell, COLORREF& colorChosen)
{
    m_bInternal = TRUE;
    // The popup may destroy itself (and this bar) while the dialog runs: after it, only locals
    // are used until the window is known to be there.
    const HWND hWndSelf = GetSafeHwnd();
    const BOOL bInPopup = !m_bIsTearOff && GetParent() != nullptr;
    if (bInPopup)
        GetParent()->ShowWindow(SW_HIDE);
    InvalidateRect(pCell->m_rect);
    UpdateWindow();
    const COLORREF colorInit = m_ColorSelected == static_cast<COLORREF>(-1) ? m_ColorAutomatic : m_ColorSelected;
    COLORREF colorResult = colorInit;
    const BOOL bOK = OpenColorDialog(colorInit, colorResult);
    if (!::IsWindow(hWndSelf))
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
