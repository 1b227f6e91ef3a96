// Times a cheap operation by repeating it in a batch long enough for the clock.
#pragma once

#include "BenchConstants.h"
#include "Stopwatch.h"

class CBatchTimer {
public:
    // The number of repetitions whose batch lasts at least the minimum batch time.
    template <class TOperation>
    static int Calibrate(TOperation&& operation)
    {
        int count = 1;
        while (count < (1 << 24)) {
            if (SecondsPerRun(operation, count) * count >= Bench::kMinBatchSeconds)
                break;
            count *= 2;
        }
        return count;
    }

    template <class TOperation>
    static double SecondsPerRun(TOperation&& operation, int count)
    {
        const double start = CStopwatch::Now();
        for (int i = 0; i < count; ++i)
            operation();
        return (CStopwatch::Now() - start) / count;
    }
};
