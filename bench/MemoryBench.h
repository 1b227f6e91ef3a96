// Peak working sets, each measured in a program of its own started from this one: the dialog
// module loaded and shown, the HTML view after visiting every help page once, and a bare
// dialog program beside them.
#pragma once

#include <string>

class CResultTable;

class CMemoryBench {
public:
    static void Run(CResultTable& table);
    // The child's side: does what mode names, prints its peak working set in bytes; the
    // program's exit code.
    static int RunChild(const std::string& mode);
};
