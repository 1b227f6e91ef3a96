// Refreshing the shared bar colours and the current look's colours together. A look may recolour
// the shared bar colours (the Office 2003 look does), so refreshing those alone would undo it:
// every path that re-reads the system colours for drawing comes through here.
#pragma once

// Re-reads the system colours into the shared drawing data, then lets the current look (when
// there is one) rebuild its colours from them.
void WTKRefreshLookColors();

// The handler of WM_SYSCOLORCHANGE for every toolkit window: the first window that hears of a
// change refreshes; the others, told of the same change, find the colours current and do nothing.
void WTKOnSysColorChange();
