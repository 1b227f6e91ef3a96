// A tick clock that moves only when the test says so; installed for the test's lifetime.
#pragma once

#include "win/TickClock.h"

class TestClock {
public:
    TestClock() { m_previous = FwSetTickClock(&TestClock::Now); }
    ~TestClock() { FwSetTickClock(m_previous); }
    TestClock(const TestClock&) = delete;
    TestClock& operator=(const TestClock&) = delete;

    void Set(DWORD ticks) { s_ticks = ticks; }
    void Advance(DWORD ms) { s_ticks += ms; }

private:
    static DWORD Now() { return s_ticks; }

    static inline DWORD s_ticks = 0;
    FwTickCountFn m_previous = nullptr;
};
