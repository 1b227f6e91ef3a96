// Loaders of resources that have no wrapper class, by the rule of every loader
// (core/ResourceHandle.h): the resource module first, then the binary itself.
#pragma once
#include "core/ResourceHandle.h"

// The dialog template in memory (resources stay mapped while the module is loaded).
LPCDLGTEMPLATEA FwLoadDialogTemplate(LPCSTR lpszTemplateName, HINSTANCE* phInst = nullptr);
HACCEL FwLoadAccelerators(LPCSTR lpszName);
inline HACCEL FwLoadAccelerators(UINT nID)
{
    return FwLoadAccelerators(MAKEINTRESOURCEA(nID));
}
