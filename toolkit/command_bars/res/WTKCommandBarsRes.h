#pragma once

// Resource ids of the toolkit's command bars. A program includes res/WTKCommandBars.rc in its
// own resource script (a static library's resources are not linked).

// --- Toolbar button, registered messages, button drag and drop ---
// Cursors of a button drag: dropped nowhere (deleted), moved, copied.
#define IDC_WTK_DRAG_DELETE 16133
#define IDC_WTK_DRAG_MOVE 16146
#define IDC_WTK_DRAG_COPY 16004


// --- Toolbar, its layout and its state in the registry ---


// --- Command manager, menu sounds, usage counter, snapshots ---

