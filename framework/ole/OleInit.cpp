#include "ole/OleInit.h"
#include <ole2.h>

namespace {

// Set when this thread's OleInitialize succeeded, so that exactly one OleUninitialize follows.
thread_local bool t_bOleInitialized = false;

}  // namespace

BOOL FwOleInit()
{
    if (t_bOleInitialized)
        return TRUE;
    // S_FALSE (the thread's apartment or OLE was already set up by someone else) still
    // counts as one initialisation to balance. RPC_E_CHANGED_MODE (the thread is in the
    // multithreaded apartment) and other failures leave nothing to undo.
    if (FAILED(::OleInitialize(nullptr)))
        return FALSE;
    t_bOleInitialized = true;
    return TRUE;
}

void FwOleTerm()
{
    if (!t_bOleInitialized)
        return;
    t_bOleInitialized = false;
    ::OleUninitialize();
}

BOOL FwOleIsInitialized()
{
    return t_bOleInitialized ? TRUE : FALSE;
}
