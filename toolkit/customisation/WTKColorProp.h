// A property holding a colour: a swatch and the colour's hexadecimal red, green and blue
// ("RRGGBB", typed or shown), with a button that drops down a colour bar owned by the list.
#pragma once

#include "customisation/WTKColorBar.h"
#include "customisation/WTKColorBarOwner.h"
#include "customisation/WTKProp.h"

class CColorPopup;

class CWTKColorProp : public CWTKProp, public CWTKColorBarOwner {
    DECLARE_DYNAMIC(CWTKColorProp)

public:
    // The bar offers the palette's colours (the system default palette when null).
    CWTKColorProp(const CString& strName, COLORREF color, CPalette* pPalette = nullptr, LPCSTR lpszDescr = nullptr,
                  DWORD_PTR dwData = 0);
    ~CWTKColorProp() override;

    COLORREF GetColor() const;
    void SetColor(COLORREF color);
    // An automatic cell (-1 stands for colorAutomatic) and an other-colours cell in the bar.
    void EnableAutomaticButton(LPCSTR lpszLabel, COLORREF colorAutomatic, BOOL bEnable = TRUE);
    void EnableOtherButton(LPCSTR lpszLabel, BOOL bAltColorDlg = TRUE, BOOL bEnable = TRUE);
    void SetColumnsNumber(int nColumns) { m_nColumns = nColumns; }
    CColorPopup* GetPopup() const { return m_pPopup; }

    BOOL HasButton() const override { return TRUE; }
    void OnClickButton(CPoint point) override;
    CString FormatProperty() override;
    BOOL OnUpdateValue() override;
    BOOL OnEndEdit() override;
    void OnDrawValue(CDC* pDC, CRect rect) override;
    // While the colour bar is open the editing goes on.
    BOOL OnKillFocus(CWnd*) override { return m_pPopup == nullptr; }

    // The colour bar's reports.
    void OnColorBarColor(COLORREF color) override;
    void OnColorBarClosed() override;
    CWnd* GetColorBarOwnerWnd() override;

protected:
    CWnd* CreateInPlaceEdit(CRect rectEdit, BOOL& bDefaultFormat) override;

private:
    void ClosePopup();
    // The colour drawn for the value (the automatic colour for -1).
    COLORREF GetShownColor() const;
    // The swatch's square at the left of the value area.
    CRect SwatchRect(const CRect& rectValue) const;

    CWTKColorArray m_colors;
    COLORREF m_colorAutomatic = 0;
    CString m_strAutoColor;
    CString m_strOtherColor;
    BOOL m_bStdColorDlg = FALSE;
    int m_nColumns = -1;
    CColorPopup* m_pPopup = nullptr;  // deletes itself when its window goes
};
