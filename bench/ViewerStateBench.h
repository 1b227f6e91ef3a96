// The help viewer's start with the largest stored state its bounds allow (the main toolbar
// and the menu bar full to their stored-button bounds), against its start with no stored
// state at all. Both are read from outside, from the screen, as the viewer's start is.
#pragma once

class CResultTable;

class CViewerStateBench {
public:
    static void Run(CResultTable& table);
};
