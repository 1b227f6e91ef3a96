// The one way the colour bar's other-colours cell, the colour menu button and the colour button
// open a colour chooser: the platform's chooser (full open, any colour) or the toolkit's
// "Colors" dialog. A program or a test replaces the function to answer without a modal loop.
#pragma once
#include <windows.h>

class CPalette;
class CWnd;

// TRUE with the chosen colour in colorResult on OK; FALSE on Cancel (colorResult untouched).
typedef BOOL (*WTKColorDialogFn)(CWnd* pParentWnd, BOOL bStandardDialog, COLORREF colorInit, CPalette* pPalette,
                                 COLORREF& colorResult);

BOOL WTKOpenColorDialog(CWnd* pParentWnd, BOOL bStandardDialog, COLORREF colorInit, CPalette* pPalette,
                        COLORREF& colorResult);
// Null goes back to the real choosers; returns the previous function.
WTKColorDialogFn WTKSetColorDialogFunction(WTKColorDialogFn pfn);
