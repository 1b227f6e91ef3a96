// The HTML view: the largest help page parsed, laid out and painted into a memory DC, against
// drawing its bytes as plain wrapped text; and a tour of all the help pages through the view,
// against rendering the same pages in memory.
#pragma once

class CResultTable;

class CHtmlBench {
public:
    static void Run(CResultTable& table);
};
