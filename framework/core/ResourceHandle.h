// The modules whose resources this binary loads. Each binary that links the
// framework has its own: the instance handle is the binary itself (the DLL for a
// DLL, the program for a program); the resource handle is the module selected for
// resources, by default the binary itself.
// Every loader of the framework (strings, icons, cursors, bitmaps, menus, image
// lists, accelerators, dialog templates) follows one rule: the resource module
// first, then the binary's own resources.
#pragma once
#include <windows.h>

HINSTANCE FwGetInstanceHandle();
HINSTANCE FwGetResourceHandle();
// Replaces the module used from now on; null goes back to the default.
void FwSetResourceHandle(HINSTANCE hResource);

// The module that has the resource by the rule above, or null.
HINSTANCE FwFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType);
