// CWTKColorButton: a push button that shows its colour and drops down a colour bar under
// itself (a click, Space or Down). Choosing a colour stores it, repaints and sends the parent
// WM_COMMAND with the button's id.
#pragma once
#include "customisation/WTKColorBar.h"
#include "customisation/WTKColorBarOwner.h"

#include "frames/WTKButton.h"

class CColorPopup;

class CWTKColorButton : public CWTKButton, public CWTKColorBarOwner {
    DECLARE_DYNCREATE(CWTKColorButton)

public:
    CWTKColorButton();
    ~CWTKColorButton() override;

    COLORREF GetColor() const { return m_Color; }
    void SetColor(COLORREF color);
    COLORREF GetAutomaticColor() const { return m_ColorAutomatic; }
    void SetPalette(CPalette* pPalette);
    CPalette* GetPalette() { return m_Palette.GetSafeHandle() ? &m_Palette : nullptr; }
    void SetColors(const CWTKColorArray& colors);
    void SetColumnsNumber(int nColumns) { m_nColumns = nColumns; }
    void EnableAutomaticButton(LPCSTR lpszLabel, COLORREF colorAutomatic, BOOL bEnable = TRUE);
    void EnableOtherButton(LPCSTR lpszLabel, BOOL bAltColorDlg = TRUE, BOOL bEnable = TRUE);
    void SetDocumentColors(LPCSTR lpszLabel, const CWTKColorList& lstColors);
    // The open drop-down, or null.
    CColorPopup* GetPopup() const { return m_pPopup; }
    // Opens the drop-down under the button; FALSE when it did not open.
    virtual BOOL OpenPopup();
    // The other-colours dialog; TRUE with the chosen colour on OK.
    virtual BOOL OpenColorDialog(COLORREF colorDefault, COLORREF& colorRes);

    // CWTKColorBarOwner
    void OnColorBarColor(COLORREF color) override;
    void OnColorBarClosed() override;
    CWnd* GetColorBarOwnerWnd() override { return this; }
    CPalette* GetColorBarPalette() override { return GetPalette(); }

    void OnDraw(CDC* pDC, const CRect& rect, UINT uiState) override;

protected:
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    UINT OnGetDlgCode();
    DECLARE_MESSAGE_MAP()

    void BuildSettings(WTKColorBarSettings& settings) const;

    COLORREF m_Color = static_cast<COLORREF>(-1);
    COLORREF m_ColorAutomatic = 0;
    CWTKColorArray m_Colors;
    int m_nColumns = -1;
    CString m_strAutoColorText;
    CString m_strOtherText;
    CString m_strDocColorsText;
    CWTKColorList m_lstDocColors;
    BOOL m_bAltColorDlg = TRUE;
    CPalette m_Palette;
    CColorPopup* m_pPopup = nullptr;
};
