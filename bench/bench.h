#pragma once
// Shared pieces of the benchmarks: timing, the program folder and the goal line.
//
// A benchmark is an executable that measures the project's figure and its anchor's figure in
// the same run and reports each goal with Goal(); its exit code is the number of failed
// goals. bench/run.sh runs every benchmark registered with mf_bench() in bench/CMakeLists.txt.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace mfbench {

inline double Now() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// Seconds of one call of f.
template <class F>
double TimeOnce(F&& f) {
    const double t0 = Now();
    f();
    return Now() - t0;
}

// The median of some figures (at least one).
inline double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// The median of reps timings of f, in seconds (reps >= 1).
template <class F>
double MedianSeconds(int reps, F&& f) {
    std::vector<double> t;
    for (int i = 0; i < reps; ++i) t.push_back(TimeOnce(f));
    return Median(std::move(t));
}

// Medians of rounds in which the project and its anchor run one after the other, so a change
// of the machine's load during the run touches both alike. Returns {project, anchor} seconds.
template <class P, class A>
std::pair<double, double> AlternatingMedians(int rounds, P&& project, A&& anchor) {
    std::vector<double> p, a;
    for (int i = 0; i < rounds; ++i) {
        p.push_back(TimeOnce(project));
        a.push_back(TimeOnce(anchor));
    }
    return {Median(std::move(p)), Median(std::move(a))};
}

// The machine's load average over the last minute, or -1 when unknown.
inline double LoadAverage() {
    double load[1];
    return getloadavg(load, 1) == 1 ? load[0] : -1;
}

inline int& FailedGoals() {
    static int failed = 0;
    return failed;
}

// Prints the goal line "goal <name>: project <p> <unit>, anchor <a> <unit>, ratio <r>
// (goal <= <g>) PASS|FAIL, load <l>" and counts a failure; the load is the machine's load
// average, to tell a busy machine's figures. A goal with a fixed limit passes the limit as
// its anchor.
inline bool Goal(const char* name, double project, double anchor, const char* unit, double maxRatio) {
    const double ratio = anchor > 0 ? project / anchor : 1e9;
    const bool pass = ratio <= maxRatio;
    std::printf("goal %s: project %.4g %s, anchor %.4g %s, ratio %.2f (goal <= %.4g) %s, load %.2f\n", name,
                project, unit, anchor, unit, ratio, maxRatio, pass ? "PASS" : "FAIL", LoadAverage());
    std::fflush(stdout);
    if (!pass) ++FailedGoals();
    return pass;
}

// Exit code of a benchmark's main: the number of failed goals.
inline int Finish() { return FailedGoals(); }

} // namespace mfbench
