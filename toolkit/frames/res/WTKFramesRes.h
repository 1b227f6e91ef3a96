#pragma once

// Resource ids of the toolkit's frames. A program includes res/WTKFrames.rc in its own
// resource script (a static library's resources are not linked).

// --- Owner-drawn button and tab window ---


// --- Caption bar ---


// --- Sizing control bar ---
// Tooltips of the caption buttons.
#define IDS_WTK_HIDE_DOCKED_WINDOW 16011
#define IDS_WTK_EXPAND_DOCKED_WINDOW 16012
#define IDS_WTK_CONTRACT_DOCKED_WINDOW 16013


// --- Frame window, frame helper and docking ---
#define IDS_WTK_CANT_CREATE_USER_TOOLBAR 16243
