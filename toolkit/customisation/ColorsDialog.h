// CColorsDialog: the toolkit's "Colors" dialog. A "Standard" page with a honeycomb of colours
// and a row of greys, a "Custom" page with the hue and saturation field, the luminance bar and
// the red, green, blue, hue, saturation and luminance edits, and a preview of the new colour
// above the current one. On screens of 7 bits per pixel or fewer it runs the platform's colour
// chooser instead.
#pragma once
#include "customisation/ColorPage1.h"
#include "customisation/ColorPage2.h"
#include "customisation/ColorPickerCtrl.h"
#include "customisation/PropertySheetCtrl.h"

#include "gdi/GdiObject.h"
#include "win/Dialog.h"

#include <memory>

class CColorsDialog : public CDialog {
    DECLARE_DYNAMIC(CColorsDialog)

public:
    static constexpr int kLowColorBits = 7;  // at or below: the platform's chooser
    static constexpr int kSystemPaletteEntries = 256;

    // clrInit: the current colour; pPalette: the palette to draw with (built from the system
    // palette when null).
    explicit CColorsDialog(COLORREF clrInit = 0, CPalette* pPalette = nullptr, CWnd* pParentWnd = nullptr);
    ~CColorsDialog() override;

    INT_PTR DoModal() override;
    BOOL OnInitDialog() override;

    // The new colour (the result on OK).
    COLORREF GetColor() const { return m_NewColor; }
    COLORREF GetCurrentColor() const { return m_CurrentColor; }
    // From a page: stored and shown in the preview.
    void SetNewColor(COLORREF rgb);
    // Both pages take the colour (the page that set it included).
    void SetPageOne(BYTE R, BYTE G, BYTE B);
    void SetPageTwo(BYTE R, BYTE G, BYTE B);
    CPalette* GetPalette() const { return m_pPalette; }

    CColorPage1& GetPage1() { return m_wndPage1; }
    CColorPage2& GetPage2() { return m_wndPage2; }
    CPropertySheetCtrl* GetSheet() { return m_pPropSheet.get(); }
    CColorPickerCtrl& GetPreview() { return m_wndColors; }

protected:
    void OnSysColorChange();
    DECLARE_MESSAGE_MAP()

    void RebuildPalette();
    // The platform's chooser with the current colour; the dialog's result and colour follow it.
    INT_PTR RunPlatformChooser();

    COLORREF m_CurrentColor;
    COLORREF m_NewColor;
    CPalette* m_pPalette = nullptr;
    CPalette m_OwnPalette;
    BOOL m_bIsMyPalette = FALSE;
    CColorPickerCtrl m_wndColors;  // the preview
    CColorPage1 m_wndPage1;
    CColorPage2 m_wndPage2;
    std::unique_ptr<CPropertySheetCtrl> m_pPropSheet;
};
