// The entry of a program built on the framework (linked only when the program
// brings no WinMain of its own): runs the program's application object.
#include "win/WinApp.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow)
{
    return FwWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
}
