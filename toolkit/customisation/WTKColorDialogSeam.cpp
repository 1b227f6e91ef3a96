#include "customisation/WTKColorDialogSeam.h"

#include "customisation/ColorsDialog.h"

#include "win/ColorDialog.h"

namespace {

BOOL OpenRealColorDialog(CWnd* pParentWnd, BOOL bStandardDialog, COLORREF colorInit, CPalette* pPalette,
                         COLORREF& colorResult)
{
    if (bStandardDialog) {
        CColorDialog dlg(colorInit, CC_FULLOPEN | CC_ANYCOLOR, pParentWnd);
        if (dlg.DoModal() != IDOK)
            return FALSE;
        colorResult = dlg.GetColor();
        return TRUE;
    }
    CColorsDialog dlg(colorInit, pPalette, pParentWnd);
    if (dlg.DoModal() != IDOK)
        return FALSE;
    colorResult = dlg.GetColor();
    return TRUE;
}

WTKColorDialogFn& ColorDialogSlot()
{
    static WTKColorDialogFn pfn = OpenRealColorDialog;
    return pfn;
}

}  // namespace

BOOL WTKOpenColorDialog(CWnd* pParentWnd, BOOL bStandardDialog, COLORREF colorInit, CPalette* pPalette,
                        COLORREF& colorResult)
{
    return ColorDialogSlot()(pParentWnd, bStandardDialog, colorInit, pPalette, colorResult);
}

WTKColorDialogFn WTKSetColorDialogFunction(WTKColorDialogFn pfn)
{
    const WTKColorDialogFn pfnOld = ColorDialogSlot();
    ColorDialogSlot() = pfn ? pfn : OpenRealColorDialog;
    return pfnOld;
}
