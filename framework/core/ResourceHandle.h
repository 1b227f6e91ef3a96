// The module whose resources the framework loads by default (strings, dialogs...).
// Each binary that links the framework has its own: by default the module that
// contains the calling code (the DLL for a DLL, the program for a program).
#pragma once
#include <windows.h>

HINSTANCE FwGetResourceHandle();
// Replaces the module used from now on; null goes back to the default.
void FwSetResourceHandle(HINSTANCE hResource);
