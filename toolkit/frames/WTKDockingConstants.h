// Values shared by the toolkit frame, its helper and the docking classes.
#pragma once
#include <windows.h>

// Bar style of the user-defined and torn-off toolbars: WS_CHILD | WS_VISIBLE | CBRS_TOP |
// CBRS_GRIPPER | CBRS_HIDE_INPLACE.
constexpr DWORD kWTKUserToolbarStyle = 0x50402808;
// CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC, added once such a toolbar exists.
constexpr DWORD kWTKUserToolbarBarStyle = 0x34;
// Window style of a tool dock bar (with the side's CBRS_ALIGN_* bit).
constexpr DWORD kWTKToolDockBarStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
// WM_MENUCHAR answer when a bar took the mnemonic (MNC_CLOSE in the high word, item 2).
constexpr LRESULT kWTKMenuCharTaken = static_cast<LRESULT>(static_cast<LONG>(0xFFFF0002));
// Accelerator notification code of WM_COMMAND.
constexpr int kWTKAcceleratorNotify = 1;
// Roll-up modes of a floating sizing bar.
enum WTKRollUpMode {
    kWTKRollUpNone = 0,
    kWTKRollUpManual = 1,
    kWTKRollUpAuto = 2,
    kWTKRollUpAutoPaused = 3,
    kWTKRollUpAutoNarrow = 4,
    kWTKRollUpAutoNarrowPaused = 5,
};
// The floating frame's roll-up timer and its countdown (6 x 250 ms).
constexpr UINT kWTKRollUpTimerMs = 250;
constexpr int kWTKRollUpCountdown = 6;
// Menu glyphs of the roll-up button.
constexpr int kWTKGlyphRollAuto = 19;
constexpr int kWTKGlyphRollUp = 16;
constexpr int kWTKGlyphRollDown = 0;
// Rebar band records as saved: the structure size and the fields kept.
constexpr UINT kWTKRebarBandInfoSize = 80;
