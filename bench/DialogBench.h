// LoadDialog from the call to the dialog's first paint, against a bare dialog made from the
// same template with no code of ours.
#pragma once

class CResultTable;

class CDialogBench {
public:
    static void Run(CResultTable& table);
};
