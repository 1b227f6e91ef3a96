// CWTKColorBar: a palette of colour cells laid out like a toolbar. It stands in a colour popup
// (the drop-down of a colour menu button, of a colour button or of a property list's colour
// property), floats or docks as a torn-off toolbar, or sits in a dialog as a control over a
// placeholder. Choosing a cell sends the colour to the popup's colour menu button, to the owning
// colour button or property list, or, for a free bar, to every colour menu button of its
// command and as WM_COMMAND to its owner.
//
// Sources: WTKColorBar.cpp (creation, cells, archive, commands), WTKColorBarLayout.cpp (sizes,
// fitting, placement), WTKColorBarInput.cpp (keys, mouse, the other-colours dialog, painting).
#pragma once
#include "command_bars/WTKPopupMenuBar.h"

#include "core/Array.h"
#include "core/List.h"
#include "gdi/GdiObject.h"

class CColorButton;
class CColorPopup;
class CWTKColorBarOwner;
class CWTKColorButton;
class CWTKColorMenuButton;

using CWTKColorArray = CArray<COLORREF, COLORREF>;
using CWTKColorList = CList<COLORREF, COLORREF>;

// Everything a colour bar is built from; the colour menu button, the colour button and the
// property list fill one to open a popup.
struct WTKColorBarSettings {
    CWTKColorArray colors;                                // the palette, in order
    COLORREF colorCurrent = static_cast<COLORREF>(-1);    // -1: automatic
    COLORREF colorAutomatic = static_cast<COLORREF>(-1);  // what "automatic" stands for
    CString strAutoColor;                                 // empty: no automatic cell
    CString strOtherColor;                                // empty: no other-colours cell
    CString strDocColors;                                 // empty: no document colours
    CWTKColorList lstDocColors;
    int nColumns = -1;
    int nHorzDockRows = -1;
    int nVertDockColumns = -1;
    UINT uiCommandID = 0;
    BOOL bStdColorDlg = FALSE;  // the other-colours cell opens the platform's chooser

    WTKColorBarSettings() = default;
    WTKColorBarSettings(const WTKColorBarSettings& src) { *this = src; }
    WTKColorBarSettings& operator=(const WTKColorBarSettings& src);
};

class CWTKColorBar : public CWTKPopupMenuBar {
    DECLARE_SERIAL(CWTKColorBar)

public:
    static constexpr int kMarginX = 4;  // on each side
    static constexpr int kMarginY = 4;
    static constexpr int kSeparatorHeight = 2;
    static constexpr int kSeparatorGap = 4;         // y moves down by this after a separator
    static constexpr int kMaxPaletteEntries = 100;  // entries of the bar's own palette
    static constexpr WORD kPaletteVersion = 0x300;
    static constexpr int kPaletteBitsPerPixel = 8;  // the bar draws through a palette at exactly this depth
    // Who reports the chosen colour.
    enum OwnerKind { kOwnerNone = 0, kOwnerMenuButton = 1, kOwnerColorButton = 2, kOwnerPropList = 3 };

    // An empty bar (for loading, or to be filled by Create).
    CWTKColorBar();
    // A bar built from settings, for a popup or a tear-off.
    explicit CWTKColorBar(const WTKColorBarSettings& settings);
    // A copy of another bar's colours, texts and layout (a tear-off of a popup's bar).
    CWTKColorBar(const CWTKColorBar& src, UINT uiCommandID);
    ~CWTKColorBar() override;

    // ---- Creation ----
    // A docking or floating bar. With no colours yet the bar first takes the layout values and
    // the palette's colours (the system default palette when pPalette is null).
    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID, CPalette* pPalette, int nColumns = 0,
                        int nRowsDockHorz = 0, int nColDockVert = 0);
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP, UINT nID = kDefaultBarId) override;
    // A control over a dialog placeholder: fitted square and centred into rect, owned by the
    // parent, sending WM_COMMAND nID. nColumns 0 or less: found from the palette and the rect.
    virtual BOOL CreateControl(CWnd* pParentWnd, const CRect& rect, UINT nID, int nColumns = -1,
                               CPalette* pPalette = nullptr);

    // ---- Colours and cells ----
    void SetColor(COLORREF color);
    COLORREF GetColor() const { return m_settings.colorCurrent; }
    // Replaces the palette (cells rebuilt when the window exists).
    void SetColors(const CWTKColorArray& colors);
    const CWTKColorArray& GetColors() const { return m_settings.colors; }
    void SetDocumentColors(LPCSTR lpszCaption, const CWTKColorList& lstDocColors, BOOL bShowWhenDocked = FALSE);
    void EnableAutomaticButton(LPCSTR lpszLabel, COLORREF colorAutomatic, BOOL bEnable = TRUE);
    void EnableOtherButton(LPCSTR lpszLabel, BOOL bAltColorDlg = TRUE, BOOL bEnable = TRUE);
    COLORREF GetAutomaticColor() const { return m_settings.colorAutomatic; }
    void SetVertDockColumns(int nColumns);
    void SetHorzDockRows(int nRows);
    void SetColumns(int nColumns);
    int GetColumns() const { return m_settings.nColumns; }
    UINT GetCommandID() const { return m_settings.uiCommandID; }
    void SetCommandID(UINT uiCommandID) { m_settings.uiCommandID = uiCommandID; }
    BOOL IsTearOff() const { return m_bIsTearOff; }
    // The settings the bar was built from (its current state), e.g. to copy it.
    void GetSettings(WTKColorBarSettings& settings) const;
    // Takes the palette, texts, layout values, command and dialog choice of a bar description.
    void ApplySettings(const WTKColorBarSettings& settings);
    // Drops every cell and builds them again from the colours and texts, then lays them out.
    virtual void Rebuild();
    // The cell size fitted to the window: square cells and centring optional.
    void ContextToSize(BOOL bSquareButtons = TRUE, BOOL bCenterButtons = TRUE);
    CSize GetCellSize() const { return CSize(m_BoxSize.cx, m_BoxSize.cy); }
    // The height of the full-width cells, kept in step with the cell height.
    int GetTextRowHeight() const { return m_BoxSize.cy * 3 / 2; }
    // Columns and rows in effect for the way the bar is shown (docked horizontally or
    // vertically, floating, in a popup).
    void GetColumnsAndRows(BOOL bVertDock, int& nColumns, int& nRows) const;
    CPalette* GetPalette() { return m_Palette.GetSafeHandle() ? &m_Palette : nullptr; }
    // The cell of the index, or null when it is no colour cell.
    CColorButton* GetColorButton(int nIndex) const;
    BOOL IsDialogBusy() const { return m_bInternal; }

    // ---- Owners ----
    void SetOwnerMenuButton(CWTKColorMenuButton* pButton) { m_pParentBtn = pButton; }
    CWTKColorMenuButton* GetOwnerMenuButton() const { return m_pParentBtn; }
    void SetOwnerColorButton(CWTKColorButton* pButton);
    void SetOwnerPropList(CWTKColorBarOwner* pOwner);
    CWTKColorBarOwner* GetOwnerReceiver() const { return m_pOwnerReceiver; }
    OwnerKind GetOwnerKind() const;
    BOOL IsOwnedByDropDown() const { return m_pOwnerReceiver != nullptr; }

    // ---- Overrides ----
    void Serialize(CArchive& ar) override;
    CSize CalcSize(BOOL bVertDock) override;
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    CSize CalcDynamicLayout(int nLength, DWORD nMode) override;
    void AdjustLocations() override;
    BOOL OnKey(UINT nChar) override;
    BOOL OnSendCommand(const CWTKToolbarButton* pButton) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    void ShowCommandPrompt(UINT nID) override;
    void DoPaint(CDC* pDC) override;
    void DrawSeparator(CDC* pDC, const CRect& rect, BOOL bHorz) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    INT_PTR OnToolHitTest(CPoint point, TTTOOLINFOA* pTI) const override;
    BOOL AllowShowOnList() const override { return m_bIsTearOff; }
    BOOL AllowChangeTextLabels() const override { return FALSE; }
    BOOL IsLookExtraSizeAvailable() const override { return FALSE; }

    // Opens the other-colours dialog (a popup of a colour menu button lets the button open
    // it); TRUE with the chosen colour on OK.
    virtual BOOL OpenColorDialog(COLORREF colorDefault, COLORREF& colorRes);
    // Sends the colour to whoever takes it (menu button, owner, or the bar's command).
    virtual void OnColorChosen(COLORREF color);

    // The system default palette's colours (20 entries), or the entries of pPalette.
    static void ColorsFromPalette(CPalette* pPalette, CWTKColorArray& colors);
    // The column count found for a control: see CreateControl; -1 when none fits.
    static int FindControlColumns(int nEntries, const CSize& sizeArea);

protected:
    int OnCreate(LPCREATESTRUCTA lpcs);
    void OnDestroy();
    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    void OnNcPaint();
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnMouseLeave();
    void OnRButtonDown(UINT nFlags, CPoint point);
    void OnMButtonDown(UINT nFlags, CPoint point);
    void OnContextMenu(CWnd* pWnd, CPoint point);
    void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    LRESULT OnQueryNewPalette(WPARAM wParam, LPARAM lParam);
    LRESULT OnPaletteChanged(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    // A press outside the bar closes an owner's popup; TRUE when it did.
    BOOL ClosesOnPressAt(CPoint point);
    // Closes the popup of an owner's drop-down unless the colours dialog is busy; TRUE when it did.
    BOOL CloseDropDown();
    // Cells, in the documented order.
    void BuildCells();
    // The other-colours cell's work: busy mark, dialog, result. FALSE on Cancel or when the
    // bar went away meanwhile (then nothing of it may be touched).
    BOOL RunOtherColorsDialog(CColorButton* pCell, COLORREF& colorChosen);
    // The height added to the cell rows by the full-width cells and the document colours.
    int ExtraHeight(int nColumns) const;
    CSize SizeFor(int nColumns, int nRows) const;
    BOOL AreDocColorsShown() const;
    BOOL IsCurrentColorShown() const;
    BOOL IsDocked() const;
    void CreatePaletteIfNeeded();
    void SelectPalette(CDC* pDC, CPalette*& pOldPalette);
    // Closes the popup window the bar stands in (a drop-down of an owner).
    void CloseOwnerPopup();
    void SetIdlePrompt();
    // The status prompt of the command (or the idle prompt) to the window that shows prompts.
    void SendPrompt(WPARAM wParam);
    // The command's state from its update handler (see OnUpdateCmdUI).
    BOOL IsCommandEnabled(CFrameWnd* pTarget, BOOL bDisableIfNoHndler);
    void EnableCells(BOOL bEnable);
    void SetBoxSize(int cx, int cy);

    // ---- Members ----
    // The palette, texts, layout values, current and automatic colour, document colours,
    // command and dialog choice: what the bar is built from and what it hands on.
    WTKColorBarSettings m_settings;
    CSize m_BoxSize = CSize(0, 0);
    BOOL m_bIsEnabled = TRUE;
    BOOL m_bIsTearOff = TRUE;
    BOOL m_bShowDocColorsWhenDocked = FALSE;
    CWTKColorMenuButton* m_pParentBtn = nullptr;
    CWTKColorBarOwner* m_pOwnerReceiver = nullptr;  // the colour button or the property list
    CPalette m_Palette;
    BOOL m_bInternal = FALSE;  // busy with the colours dialog
    int m_nHorzOffset = 0;     // centring offsets
    int m_nVertOffset = 0;
};
