#pragma once

// Resource ids of the toolkit's command bars. A program includes res/WTKCommandBars.rc in its
// own resource script (a static library's resources are not linked).

// --- Toolbar button, registered messages, button drag and drop ---


// --- Toolbar, its layout and its state in the registry ---


// --- Command manager, menu sounds, usage counter, snapshots ---

