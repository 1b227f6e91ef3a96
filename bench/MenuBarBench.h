// CPU time from a click on a menu bar title to its popup painted, against the system's own
// popup menu (TrackPopupMenu) of the same menu, timed until its menu loop first goes idle.
#pragma once

class CResultTable;

class CMenuBarBench {
public:
    static void Run(CResultTable& table);
};
