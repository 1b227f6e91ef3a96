// Stands in for the system's help while it lives: the framework's calls to it are recorded in
// order and nothing is shown; the help function before is put back when it ends. One recorder
// at a time, as there is one help function.
#pragma once
#include "win/WinApp.h"

#include <windows.h>

#include <vector>

class WinHelpRecorder {
public:
    struct Call {
        UINT nCmd;
        ULONG_PTR dwData;
    };

    WinHelpRecorder();
    ~WinHelpRecorder();
    WinHelpRecorder(const WinHelpRecorder&) = delete;
    WinHelpRecorder& operator=(const WinHelpRecorder&) = delete;

    const std::vector<Call>& Calls() const { return s_calls; }
    void Clear() { s_calls.clear(); }
    // The context ids asked for, in order; 0 for a call that asked for no context.
    std::vector<ULONG_PTR> ContextIds() const;

private:
    static BOOL Record(HWND hWndMain, LPCSTR lpszHelpFile, UINT nCmd, ULONG_PTR dwData);

    static std::vector<Call> s_calls;
    FwWinHelpFn m_pfnOld = nullptr;
};
