// CColorPage2: the "Colors" dialog's "Custom" page: the hue and saturation field, the
// luminance bar and the red, green, blue, hue, saturation and luminance edits with spins.
// Hue, saturation and luminance are shown as 0-255 and are the pickers' 0-1 values times 255.
#pragma once
#include "customisation/ColorPickerCtrl.h"

#include "win/PropertyPage.h"
#include "win/SpinButtonCtrl.h"

class CColorsDialog;

class CColorPage2 : public CPropertyPage {
    DECLARE_DYNAMIC(CColorPage2)

public:
    static constexpr int kLuminanceBarWidth = 14;
    static constexpr int kEditMax = 255;  // every edit and spin runs 0 to 255
    static constexpr double kHLSScale = 255.0;

    CColorPage2();

    void SetDialog(CColorsDialog* pDialog) { m_pDialog = pDialog; }
    // Shows the colour in the edits and the pickers without feeding back.
    void Setup(BYTE R, BYTE G, BYTE B);
    CColorPickerCtrl& GetHSPicker() { return m_wndHexColor; }
    CColorPickerCtrl& GetLumPicker() { return m_wndLum; }
    // TRUE while the page writes its own edits (their EN_CHANGE is ignored then).
    BOOL IsSettingEdits() const { return m_bIsReady == FALSE; }

    BOOL OnInitDialog() override;

protected:
    void OnRGBChanged();
    void OnHLSChanged();
    void OnHexColor();
    void OnLuminance();
    DECLARE_MESSAGE_MAP()

    // The edit's value clamped to 0-255 (the edit is corrected when it held more).
    int ReadEdit(UINT nID);
    void WriteEdits(BYTE R, BYTE G, BYTE B, double H, double L, double S);
    void TakeColor(COLORREF color, BOOL bUpdatePickers);
    // The pickers' hue, saturation (field) and luminance (bar) as the new colour.
    void TakePickersColor(BOOL bRedrawLuminance);

    CColorsDialog* m_pDialog = nullptr;
    CColorPickerCtrl m_wndHexColor;
    CColorPickerCtrl m_wndLum;
    CSpinButtonCtrl m_wndSpins[6];
    BOOL m_bIsReady = FALSE;  // FALSE while the page sets its own edits
};
