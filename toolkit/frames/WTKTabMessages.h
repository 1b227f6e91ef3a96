// Window messages a tab window sends to its parent, registered by name at start-up (before
// main) so that any window of the process can handle them without shared numbers.
#pragma once
#include <windows.h>

// wParam: the new active tab; lParam: the previous one.
extern const UINT WTKM_ONCHANGE_ACTIVE_TAB;
// wParam: the scroll code (low word) and position (high word); lParam: 0.
extern const UINT WTKM_ON_HSCROLL;
// wParam: the tab; lParam: the new label (LPCSTR). A nonzero result refuses the rename.
extern const UINT WTKM_ON_RENAME_TAB;
// wParam: the dragged tab; lParam: its new position. A nonzero result refuses the move.
extern const UINT WTKM_ON_BEFOREMOVE_TAB;
// wParam: the dragged tab; lParam: its new position.
extern const UINT WTKM_ON_MOVE_TAB;
