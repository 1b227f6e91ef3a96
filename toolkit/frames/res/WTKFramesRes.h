#pragma once

// Resource ids of the toolkit's frames. A program includes res/WTKFrames.rc in its own
// resource script (a static library's resources are not linked).

// --- Owner-drawn button and tab window ---


// --- Caption bar ---


// --- Sizing control bar ---


// --- Frame window, frame helper and docking ---
#define IDS_WTK_CANT_CREATE_USER_TOOLBAR 16243
