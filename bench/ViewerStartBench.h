// The help viewer's start: from the creation of its process to its first page painted, against
// a bare Win32 program from the creation of its process to its window painted. Both are read
// from outside the same way, from the screen.
#pragma once

class CResultTable;

class CViewerStartBench {
public:
    static void Run(CResultTable& table);
    // One start of the viewer on the benchmark's line: the seconds from its process's creation
    // to its page painted on the screen; 0 when it did not show. The viewer is closed after.
    static double TimeViewerStart();
};
