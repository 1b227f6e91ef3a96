// Drop effects: what a drag does with its data (DROPEFFECT_COPY, _MOVE, _LINK, with
// DROPEFFECT_SCROLL added while the target scrolls), as the system's drag and drop uses them.
#pragma once
#include <windows.h>
#include <ole2.h>

typedef DWORD DROPEFFECT;
