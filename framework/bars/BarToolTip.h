// CBarToolTip: the one tooltip control of a thread that control bars share. A bar with
// CBRS_TOOLTIPS hands its mouse messages over; the tool under the mouse comes from the bar's
// OnToolHitTest. The tool text OnToolHitTest gives is LPSTR_TEXTCALLBACK, a resource id
// (MAKEINTRESOURCE), or text allocated with malloc, which the framework frees.
#pragma once
#include "core/Point.h"
#include <windows.h>
#include <commctrl.h>

class CControlBar;
class CToolTipCtrl;

class CBarToolTip {
public:
    // A mouse message of pBar (MSG as pumped): shows, moves or hides the tip.
    static void RelayEvent(CControlBar* pBar, const MSG* pMsg);
    // Hides the tip and forgets the tool under the mouse.
    static void Cancel();
    // Destroys this thread's tooltip control (it is made again when needed).
    static void Destroy();
    // This thread's tooltip control, or null when none exists yet.
    static CToolTipCtrl* GetToolTip();
    // Text for a TTTOOLINFO that the framework frees after use (a malloc copy).
    static LPSTR DuplicateText(LPCSTR lpszText);
    // Frees a tool text given by OnToolHitTest (nothing for callbacks and resource ids).
    static void FreeText(LPSTR lpszText);
};
