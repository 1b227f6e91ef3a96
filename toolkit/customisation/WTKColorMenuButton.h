// CWTKColorMenuButton: a toolbar or menu button that shows the chosen colour as a stripe under
// its image and drops down a colour popup. All buttons of one command show the same colour
// (a process-wide map from command to colour). It archives its palette and options after the
// menu button's own record.
#pragma once
#include "customisation/WTKColorBar.h"

#include "command_bars/WTKToolbarMenuButton.h"

class CWTKColorMenuButton : public CWTKToolbarMenuButton {
    DECLARE_SERIAL(CWTKColorMenuButton)

public:
    static constexpr int kStripeHeight = 5;
    static constexpr int kStripeInset = 4;
    // Workspaces up to this version wrote no docked layout values.
    static constexpr int kLayoutValuesMajor = 4;
    static constexpr int kLayoutValuesMinor = 70;

    CWTKColorMenuButton();
    // A button of the command; the palette's colours (the system default palette when null).
    CWTKColorMenuButton(UINT uiCmdID, LPCSTR lpszText, CPalette* pPalette = nullptr);
    ~CWTKColorMenuButton() override;

    // ---- The button's operations ----
    void Serialize(CArchive& ar) override;
    void CopyFrom(const CWTKToolbarButton& src) override;
    void OnDraw(CDC* pDC, const CRect& rect, CWTKImageStrip* pImages, BOOL bHorz = TRUE, BOOL bCustomizeMode = FALSE,
                BOOL bHighlight = FALSE, BOOL bDrawBorder = TRUE, BOOL bGrayDisabledButtons = TRUE) override;
    std::unique_ptr<CWTKPopupMenu> CreatePopupMenu() override;
    BOOL IsEmptyMenuAllowed() const override { return TRUE; }
    BOOL OnBeforeDrag() const override { return TRUE; }
    void OnChangeParentWnd(CWnd* pWndParent) override;

    // ---- Colour ----
    // Stores the colour for the button and its command; with bNotify every other button of the
    // command and every colour bar of it follow.
    virtual void SetColor(COLORREF clr, BOOL bNotify = TRUE);
    COLORREF GetColor() const { return m_Color; }
    COLORREF GetAutomaticColor() const { return m_colorAutomatic; }
    // The other-colours dialog; TRUE with the chosen colour on OK.
    virtual BOOL OpenColorDialog(COLORREF colorDefault, COLORREF& colorRes);

    // ---- Options ----
    void SetColors(const CWTKColorArray& colors);
    const CWTKColorArray& GetColors() const { return m_Colors; }
    void SetColumnsNumber(int nColumns) { m_nColumns = nColumns; }
    void EnableAutomaticButton(LPCSTR lpszLabel, COLORREF colorAutomatic, BOOL bEnable = TRUE);
    void EnableOtherButton(LPCSTR lpszLabel, BOOL bAltColorDlg = TRUE, BOOL bEnable = TRUE);
    void EnableDocumentColors(LPCSTR lpszLabel, BOOL bEnable = TRUE);
    // The popup can be torn off as bar uiID, with its docked layout values.
    void EnableTearOff(UINT uiID, int nVertDockColumns = -1, int nHorzDockRows = -1);
    int GetColumns() const { return m_nColumns; }
    int GetVertDockColumns() const { return m_nVertDockColumns; }
    int GetHorzDockRows() const { return m_nHorzDockRows; }
    // The settings a popup of the button is built from (document colours not included).
    void GetSettings(WTKColorBarSettings& settings) const;

    // ---- The process-wide colour of each command ----
    static void SetColorByCmdID(UINT uiCmdID, COLORREF color);
    // -1 when the command has none.
    static COLORREF GetColorByCmdID(UINT uiCmdID);
    static void ClearColorsByCmdID();
    // Every colour menu button of the command on any toolbar takes the colour (without notify).
    static void SetColorOfCommandButtons(UINT uiCmdID, COLORREF color, const CWTKColorMenuButton* pExcept = nullptr);
    // Every colour bar of the command shows the colour.
    static void SetColorOfCommandBars(UINT uiCmdID, COLORREF color);

    // The layout values are in an archive read under the workspace's saved version.
    static BOOL IsLayoutStored();

protected:
    void DrawStripe(CDC* pDC, const CRect& rectStripe) const;

    COLORREF m_Color = static_cast<COLORREF>(-1);
    COLORREF m_colorAutomatic = 0;
    CWTKColorArray m_Colors;
    int m_nColumns = -1;
    int m_nVertDockColumns = -1;
    int m_nHorzDockRows = -1;
    BOOL m_bIsAutomaticButton = FALSE;
    BOOL m_bIsOtherButton = FALSE;
    BOOL m_bIsDocumentColors = FALSE;
    CString m_strAutomaticButtonLabel;
    CString m_strOtherButtonLabel;
    CString m_strDocumentColorsLabel;
    BOOL m_bStdColorDlg = FALSE;
    CPalette m_Palette;
};
