#include "win/ThreadState.h"
#include "win/Wnd.h"

FwThreadState* FwGetThreadState()
{
    // A plain pointer per thread: the state lives as long as the thread's windows.
    static thread_local FwThreadState* t_pState = nullptr;
    if (!t_pState)
        t_pState = new FwThreadState;
    return t_pState;
}

void FwThreadState::ForgetWindow(CWnd* pWnd)
{
    pWnd->m_hWnd = nullptr;
}
