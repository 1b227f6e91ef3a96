// The entry of a DLL built on the framework (linked only into DLLs that do not
// bring their own DllMain): runs the DLL's application object.
#include "win/WinApp.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    return FwDllMain(hInstance, dwReason);
}
