// A resource-only module: the pages, style sheet and picture that the HTML
// view's tests read through "res:" addresses.
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID)
{
    return TRUE;
}
