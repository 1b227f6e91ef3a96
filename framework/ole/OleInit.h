// OLE on the calling thread. Drag and drop works only on a thread that initialised OLE
// (a single-threaded apartment): call FwOleInit on each thread that registers a drop
// target or starts a drag, and FwOleTerm on that thread before it ends.
#pragma once
#include <windows.h>

// TRUE when OLE is usable on this thread. Initialises OLE at most once per thread; a
// thread that already joined the multithreaded apartment cannot have OLE (FALSE).
BOOL FwOleInit();
// Undoes this thread's successful FwOleInit; nothing when there was none.
void FwOleTerm();
// TRUE between a successful FwOleInit and FwOleTerm on this thread.
BOOL FwOleIsInitialized();
