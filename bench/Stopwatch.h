// The performance counter as seconds.
#pragma once

#include <windows.h>

class CStopwatch {
public:
    static double Now()
    {
        LARGE_INTEGER count;
        QueryPerformanceCounter(&count);
        return static_cast<double>(count.QuadPart) / Frequency();
    }

private:
    static double Frequency()
    {
        static const double frequency = [] {
            LARGE_INTEGER f;
            QueryPerformanceFrequency(&f);
            return static_cast<double>(f.QuadPart);
        }();
        return frequency;
    }
};
