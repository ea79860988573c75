#pragma once

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <sys/resource.h>
#include <vector>

// The median time of work over several runs, in milliseconds; after() runs between the runs
// and is not timed.
inline double MedianMs(const std::function<void()> &work, int runs = 7,
                       const std::function<void()> &after = {}) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(timer.nsecsElapsed() / 1e6);
        if (after)
            after();
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// One figure, as every benchmark prints it.
inline void Report(const char *name, double ms, double goal) {
    std::printf("%s: %.1f ms (goal < %.0f)\n", name, ms, goal);
}

// A time against another measured in the same run, which holds where absolute times do not.
inline void ReportRatio(const char *name, double ratio, double goal) {
    std::printf("%s: %.2f (goal < %.2f)\n", name, ratio, goal);
}

// The most memory the process has held so far, in megabytes.
inline double PeakMemoryMb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}
