// A shell launcher that records each request and answers from a list of results (the last
// one repeats); installed for the test's lifetime.
#pragma once

#include "win/ShellLauncher.h"

#include <string>
#include <utility>
#include <vector>

class RecordingLauncher {
public:
    struct Call {
        std::string operation;
        std::string file;
        std::string parameters;
        std::string directory;
        int show;
    };

    explicit RecordingLauncher(std::vector<INT_PTR> results = {42}) : m_results(std::move(results))
    {
        s_current = this;
        m_previous = FwSetShellLauncher(&RecordingLauncher::Launch);
    }
    ~RecordingLauncher()
    {
        FwSetShellLauncher(m_previous);
        s_current = nullptr;
    }
    RecordingLauncher(const RecordingLauncher&) = delete;
    RecordingLauncher& operator=(const RecordingLauncher&) = delete;

    std::vector<Call> calls;

private:
    static std::string Text(LPCSTR text) { return text != nullptr ? text : ""; }

    static HINSTANCE Launch(HWND, LPCSTR operation, LPCSTR file, LPCSTR parameters, LPCSTR directory, int show)
    {
        RecordingLauncher& self = *s_current;
        self.calls.push_back({Text(operation), Text(file), Text(parameters), Text(directory), show});
        const size_t index = self.calls.size() - 1;
        const INT_PTR result = self.m_results[index < self.m_results.size() ? index : self.m_results.size() - 1];
        return reinterpret_cast<HINSTANCE>(result);
    }

    static inline RecordingLauncher* s_current = nullptr;
    std::vector<INT_PTR> m_results;
    FwShellExecuteFn m_previous = nullptr;
};
