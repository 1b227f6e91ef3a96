// Style bits and window ids of control bars. The frame's docking calls take them, so they
// live below the bars themselves.
#pragma once

// ---- Bar style (CControlBar::m_dwStyle); the window style carries none of CBRS_ALL ----
#define CBRS_FLOATING 0x0001L      // the bar sits in a floating frame
#define CBRS_SIZE_FIXED 0x0002L    // the layout never wraps
#define CBRS_SIZE_DYNAMIC 0x0004L  // the bar answers CalcDynamicLayout
#define CBRS_HIDE_INPLACE 0x0008L
#define CBRS_TOOLTIPS 0x0010L  // tooltips through OnToolHitTest
#define CBRS_FLYBY 0x0020L     // command prompts while the mouse moves over tools
#define CBRS_FLOAT_MULTI 0x0040L
#define CBRS_BORDER_3D 0x0080L
#define CBRS_BORDER_LEFT 0x0100L
#define CBRS_BORDER_TOP 0x0200L
#define CBRS_BORDER_RIGHT 0x0400L
#define CBRS_BORDER_BOTTOM 0x0800L
#define CBRS_BORDER_ANY 0x0F00L
#define CBRS_ALIGN_LEFT 0x1000L
#define CBRS_ALIGN_TOP 0x2000L
#define CBRS_ALIGN_RIGHT 0x4000L
#define CBRS_ALIGN_BOTTOM 0x8000L
#define CBRS_ALIGN_ANY 0xF000L
#define CBRS_GRIPPER 0x00400000L
#define CBRS_ALL 0x0040FFFFL  // every bit above
#define CBRS_NOALIGN 0x0000L
#define CBRS_ORIENT_HORZ (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)
#define CBRS_ORIENT_VERT (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)
#define CBRS_ORIENT_ANY (CBRS_ORIENT_HORZ | CBRS_ORIENT_VERT)
#define CBRS_LEFT (CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT)
#define CBRS_TOP (CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM)
#define CBRS_RIGHT (CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT)
#define CBRS_BOTTOM (CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP)

// ---- Dock bars: children of the frame, and the one inside each floating frame ----
#define FW_IDW_DOCKBAR_TOP 0xE81B     // 59419
#define FW_IDW_DOCKBAR_LEFT 0xE81C    // 59420
#define FW_IDW_DOCKBAR_RIGHT 0xE81D   // 59421
#define FW_IDW_DOCKBAR_BOTTOM 0xE81E  // 59422
#define FW_IDW_DOCKBAR_FLOAT 0xE81F   // 59423

// ---- Toolbar button styles, shared by buttons, toolbars and menus ----
#define TBBS_BUTTON 0x0000u
#define TBBS_SEPARATOR 0x0001u
#define TBBS_CHECKBOX 0x0002u
#define TBBS_CHECKED 0x00010000u
#define TBBS_PRESSED 0x00020000u
#define TBBS_DISABLED 0x00040000u
#define TBBS_INDETERMINATE 0x00100000u
