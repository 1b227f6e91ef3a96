// Per-thread state of the window layer in this binary: the handle maps, the
// message being dispatched, the window being created.
#pragma once
#include <windows.h>
#include <unordered_map>
#include <vector>

class CWnd;
class CWinThread;

struct FwThreadState {
    CWinThread* pThread = nullptr;   // the thread object running this thread, if any
    MSG msgCur = {};                 // the message the pump is handling
    MSG lastSentMsg = {};            // the message WindowProc is handling (Default, GetCurrentMessage)
    CWnd* pWndInit = nullptr;        // attached by the creation hook to the next window created
    HHOOK hHookCbt = nullptr;
    int nHookUsers = 0;
    int nDispatchDepth = 0;           // window procedures of this binary on the stack
    std::unordered_map<HWND, CWnd*> permanentMap;
    std::unordered_map<HWND, CWnd*> temporaryMap;
    std::vector<CWnd**> dispatchGuards;
    POINT ptCursorLast = { -1, -1 };   // mouse moves to the same place are not activity
    UINT nMsgLast = 0;   // objects inside a dispatch; nulled when destroyed
};

FwThreadState* FwGetThreadState();

// Frees this thread's temporary wrappers of windows, menus and GDI objects.
void FwDeleteTempMaps();
