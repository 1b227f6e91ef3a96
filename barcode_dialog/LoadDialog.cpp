// The module's entry: its application object and the export that runs the barcode dialog.
#include "BarcodeDlg.h"
#include "BarcodeDlgApp.h"
#include "InsertBarcodeData.h"

#include "core/ExceptionReport.h"

CBarcodeDlgApp theApp;

// Runs the barcode dialog modally: 1 with the record filled, 2 after the close box, -1 when the
// dialog cannot be created (or there is no record to fill).
extern "C" int WINAPI LoadDialog(InsertBarcodeData* data)
{
    if (data == nullptr)
        return kLoadDialogFailed;
    try {
        CBarcodeDlg dialog(data);
        const INT_PTR result = dialog.DoModal();
        return result == -1 ? kLoadDialogFailed : static_cast<int>(result);
    } catch (...) {
        FwReportCurrentException("LoadDialog");
        return kLoadDialogFailed;
    }
}
