// A toolkit toolbar's full layout and paint of 50 buttons, against a bare common-control
// toolbar of the same buttons and images.
#pragma once

class CResultTable;

class CToolBarBench {
public:
    static void Run(CResultTable& table);
};
