// The print dialog of the HTML view, replaceable so that tests do not block on it.
#pragma once
#include <windows.h>

// Returns the chosen printer's device context, which the caller deletes, or
// null when the user cancels or no printer exists.
typedef HDC (*FwHtmlPrintDialogFn)(HWND hWndOwner);

HDC FwHtmlPrintDialog(HWND hWndOwner);
// Replaces the dialog; null restores the system's. Returns the previous one.
FwHtmlPrintDialogFn FwSetHtmlPrintDialog(FwHtmlPrintDialogFn pfn);
