// Per-thread state of the window layer in this binary: the handle maps, the
// message being dispatched, the window being created.
#pragma once
#include <windows.h>
#include "core/HandleMap.h"
#include <vector>

class CWnd;
class CWinThread;

struct FwThreadState {
    CWinThread* pThread = nullptr;  // the thread object running this thread, if any
    MSG msgCur = {};                // the message the pump is handling
    MSG lastSentMsg = {};           // the message WindowProc is handling (Default, GetCurrentMessage)
    CWnd* pWndInit = nullptr;       // attached by the creation hook to the next window created
    HHOOK hHookCbt = nullptr;
    int nHookUsers = 0;
    int nDispatchDepth = 0;  // window procedures of this binary on the stack
    // The thread's windows: a window's object belongs to the thread that runs it.
    CHandleMap<HWND, CWnd> windowMap {&ForgetWindow};
    std::vector<CWnd**> lifeGuards;  // objects watched by a CWndLifeGuard; nulled when destroyed
    POINT ptCursorLast = {-1, -1};   // mouse moves to the same place are not activity
    UINT nMsgLast = 0;

    // A temporary window object lets go of its handle before it is deleted.
    static void ForgetWindow(CWnd* pWnd);
};

FwThreadState* FwGetThreadState();

// Frees this thread's temporary wrappers of windows, menus and GDI objects.
void FwDeleteTempMaps();
