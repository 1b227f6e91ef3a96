// CColorPage1: the "Colors" dialog's "Standard" page: the honeycomb and the row of greys.
#pragma once
#include "customisation/ColorPickerCtrl.h"

#include "win/PropertyPage.h"

class CColorsDialog;

class CColorPage1 : public CPropertyPage {
    DECLARE_DYNAMIC(CColorPage1)

public:
    CColorPage1();

    void SetDialog(CColorsDialog* pDialog) { m_pDialog = pDialog; }
    // Selects the cell of the colour in both pickers (none when no cell has it).
    void SetRGB(BYTE R, BYTE G, BYTE B);
    CColorPickerCtrl& GetHexPicker() { return m_hexpicker; }
    CColorPickerCtrl& GetGreyPicker() { return m_hexpicker_greyscale; }

    BOOL OnInitDialog() override;

protected:
    void OnHexPicker();
    void OnGreyPicker();
    void OnDoubleClicked();
    DECLARE_MESSAGE_MAP()

    void TakeColorFrom(CColorPickerCtrl& picker);

    CColorsDialog* m_pDialog = nullptr;
    CColorPickerCtrl m_hexpicker;
    CColorPickerCtrl m_hexpicker_greyscale;
};
