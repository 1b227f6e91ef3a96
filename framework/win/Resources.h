// Resources of this binary: the resource module first (FwGetResourceHandle),
// then the binary itself.
#pragma once
#include <windows.h>

// The module that has the resource, or null.
HINSTANCE FwFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType);
// The dialog template in memory (resources stay mapped while the module is loaded).
LPCDLGTEMPLATEA FwLoadDialogTemplate(LPCSTR lpszTemplateName, HINSTANCE* phInst = nullptr);
HICON FwLoadIcon(LPCSTR lpszName);
inline HICON FwLoadIcon(UINT nID) { return FwLoadIcon(MAKEINTRESOURCEA(nID)); }
// Small or large icons of a given size (cx, cy 0: the system's default size).
HICON FwLoadIcon(UINT nID, int cx, int cy);
HCURSOR FwLoadCursor(LPCSTR lpszName);
inline HCURSOR FwLoadCursor(UINT nID) { return FwLoadCursor(MAKEINTRESOURCEA(nID)); }
HBITMAP FwLoadBitmap(LPCSTR lpszName);
inline HBITMAP FwLoadBitmap(UINT nID) { return FwLoadBitmap(MAKEINTRESOURCEA(nID)); }
HMENU FwLoadMenu(LPCSTR lpszName);
inline HMENU FwLoadMenu(UINT nID) { return FwLoadMenu(MAKEINTRESOURCEA(nID)); }
HACCEL FwLoadAccelerators(LPCSTR lpszName);
inline HACCEL FwLoadAccelerators(UINT nID) { return FwLoadAccelerators(MAKEINTRESOURCEA(nID)); }
