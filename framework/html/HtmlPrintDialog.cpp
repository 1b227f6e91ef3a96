#include "html/HtmlPrintDialog.h"

#include <commdlg.h>

namespace {

HDC SystemPrintDialog(HWND hWndOwner)
{
    PRINTDLGA pd {};
    pd.lStructSize = sizeof(pd);
    pd.hwndOwner = hWndOwner;
    pd.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION | PD_USEDEVMODECOPIESANDCOLLATE;
    if (!PrintDlgA(&pd))
        return nullptr;
    if (pd.hDevMode)
        GlobalFree(pd.hDevMode);
    if (pd.hDevNames)
        GlobalFree(pd.hDevNames);
    return pd.hDC;
}

FwHtmlPrintDialogFn g_printDialog = &SystemPrintDialog;

}  // namespace

HDC FwHtmlPrintDialog(HWND hWndOwner)
{
    return g_printDialog(hWndOwner);
}

FwHtmlPrintDialogFn FwSetHtmlPrintDialog(FwHtmlPrintDialogFn pfn)
{
    FwHtmlPrintDialogFn previous = g_printDialog;
    g_printDialog = pfn ? pfn : &SystemPrintDialog;
    return previous;
}
