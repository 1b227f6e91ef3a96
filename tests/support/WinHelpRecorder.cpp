#include "WinHelpRecorder.h"

std::vector<WinHelpRecorder::Call> WinHelpRecorder::s_calls;

WinHelpRecorder::WinHelpRecorder()
{
    s_calls.clear();
    m_pfnOld = FwSetWinHelpFunction(&Record);
}

WinHelpRecorder::~WinHelpRecorder()
{
    FwSetWinHelpFunction(m_pfnOld);
}

std::vector<ULONG_PTR> WinHelpRecorder::ContextIds() const
{
    std::vector<ULONG_PTR> ids;
    for (const Call& call : s_calls)
        ids.push_back(call.nCmd == HELP_CONTEXT ? call.dwData : 0);
    return ids;
}

BOOL WinHelpRecorder::Record(HWND, LPCSTR, UINT nCmd, ULONG_PTR dwData)
{
    s_calls.push_back({nCmd, dwData});
    return TRUE;
}
