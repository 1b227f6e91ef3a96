// The COM encoder's VantrixExt as a macro calls it, against the cheapest call through the same
// dispatch; and the Full ASCII conversion in process, against a plain table-lookup reference.
#pragma once

class CResultTable;

class CEncoderBench {
public:
    static void RunDispatch(CResultTable& table);
    static void RunInProcess(CResultTable& table);
};
