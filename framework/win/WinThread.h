// CWinThread: a user-interface thread with its message pump and idle processing.
#pragma once
#include "win/CmdTarget.h"

class CWnd;

class CWinThread : public CCmdTarget {
    DECLARE_DYNAMIC(CWinThread)
public:
    CWinThread() = default;

    CWnd* m_pMainWnd = nullptr;  // the window whose closing ends the thread
    CWnd* m_pActiveWnd = nullptr;
    BOOL m_bAutoDelete = TRUE;
    HANDLE m_hThread = nullptr;
    DWORD m_nThreadID = 0;
    MSG m_msgCur = {};

    virtual BOOL InitInstance() { return FALSE; }
    virtual int ExitInstance();
    virtual int Run();
    // The target window's object, then each parent up to the main window.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual BOOL PumpMessage();
    // lCount counts the idle calls since the last message; FALSE when there is no more idle work.
    virtual BOOL OnIdle(LONG lCount);
    virtual BOOL IsIdleMessage(MSG* pMsg);
    virtual CWnd* GetMainWnd();
};

// The thread object of the calling thread in this binary (the application on its thread), or null.
CWinThread* FwGetThread();
// One message of the calling thread through the thread object's pump (or the default one);
// FALSE on WM_QUIT.
BOOL FwPumpMessage();
BOOL FwPreTranslateMessage(MSG* pMsg);
BOOL FwIsIdleMessage(MSG* pMsg);
// Sends WM_IDLEUPDATECMDUI to the thread's visible frame windows and their descendants.
void FwIdleUpdateFrames();
