#pragma once
// Shared pieces of the benchmarks: timing, the program folder and the goal line.
//
// A benchmark is an executable that measures the project's figure and its anchor's figure in
// alternating rounds of the same run and reports each goal with Goal(); its exit code is the
// number of failed goals. bench/run.sh runs every benchmark registered with mf_bench() in bench/CMakeLists.txt.
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

// Seconds per call of op, called until the calls have taken minSeconds in all (at least once),
// with setup (not timed) before each call. A round of a millisecond is decided by whether
// the scheduler of a busy machine happens to stop the process during it; over a tenth of a
// second its stops fall on both sides alike.
template <class S, class F>
double PerCall(double minSeconds, S&& setup, F&& op) {
    double total = 0;
    int calls = 0;
    do {
        setup();
        total += TimeOnce(op);
        ++calls;
    } while (total < minSeconds);
    return total / calls;
}

template <class F>
double PerCall(double minSeconds, F&& op) {
    return PerCall(minSeconds, [] {}, op);
}

// The same for a call f that times the part of its work that counts and returns its seconds.
template <class F>
double PerTimedCall(double minSeconds, F&& f) {
    double total = 0;
    int calls = 0;
    do {
        total += f();
        ++calls;
    } while (total < minSeconds);
    return total / calls;
}

// The time a round of a quick operation takes at the least.
constexpr double kRoundSeconds = 0.1;

// The median of some figures (at least one).
inline double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Rounds in which the project and its anchor run one after the other (project, anchor,
// project, anchor, ...), so a change of the machine's load during the run touches both
// alike. Each round gives one ratio; the goal's figure is the median of those ratios, and
// the printed figures of each side are medians too.
struct Rounds {
    double project = 0, anchor = 0, ratio = 0;   // medians
    int count = 0;
    std::vector<double> projects, anchors;       // each round's figures
};

// The rounds' figures of each side, the i-th of each from the same round.
inline Rounds FromRounds(const std::vector<double>& p, const std::vector<double>& a) {
    std::vector<double> r;
    for (std::size_t i = 0; i < p.size() && i < a.size(); ++i) r.push_back(a[i] > 0 ? p[i] / a[i] : 1e9);
    return {Median(p), Median(a), Median(r), int(r.size()), p, a};
}

// At least five rounds; project() and anchor() each return their figure of one round (seconds
// of a call made with TimeOnce, a peak in MiB, ...).
template <class P, class A>
Rounds Alternate(int rounds, P&& project, A&& anchor) {
    std::vector<double> p, a;
    for (int i = 0; i < std::max(rounds, 5); ++i) {
        p.push_back(project());
        a.push_back(anchor());
    }
    return FromRounds(p, a);
}

// The rounds with both figures multiplied (seconds to milliseconds: 1e3).
inline Rounds Scaled(Rounds r, double factor) {
    r.project *= factor;
    r.anchor *= factor;
    for (double& f : r.projects) f *= factor;
    for (double& f : r.anchors) f *= factor;
    return r;
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

inline bool Report(const char* name, const char* line, bool pass) {
    std::printf("goal %s: %s %s, load %.2f\n", name, line, pass ? "PASS" : "FAIL", LoadAverage());
    std::fflush(stdout);
    if (!pass) ++FailedGoals();
    return pass;
}

// Prints the goal line "goal <name>: project <p> <unit>, anchor <a> <unit>, ratio <r> of <n>
// rounds (goal <= <g>) PASS|FAIL, load <l>" and counts a failure: p and a are the medians
// of each side, r the median of the rounds' ratios; the load is the machine's load average,
// to tell a busy machine's figures.
inline bool Goal(const char* name, const Rounds& r, const char* unit, double maxRatio) {
    char line[512];
    std::snprintf(line, sizeof line, "project %.4g %s, anchor %.4g %s, ratio %.2f of %d rounds (goal <= %.4g)",
                  r.project, unit, r.anchor, unit, r.ratio, r.count, maxRatio);
    const bool pass = Report(name, line, r.ratio <= maxRatio);
    // MF_BENCH_ROUNDS=1: each round's figures too, project/anchor.
    if (const char* v = std::getenv("MF_BENCH_ROUNDS"); v && *v && *v != '0') {
        std::printf("  rounds of %s (%s):", name, unit);
        for (std::size_t i = 0; i < r.projects.size() && i < r.anchors.size(); ++i)
            std::printf(" %.4g/%.4g", r.projects[i], r.anchors[i]);
        std::printf("\n");
        std::fflush(stdout);
    }
    return pass;
}

// A goal measured once against the anchor's figure of the same run (a size, a deterministic
// figure): "project <p> <unit>, anchor <a> <unit>, ratio <r> (goal <= <g>)".
inline bool Goal(const char* name, double project, double anchor, const char* unit, double maxRatio) {
    const double ratio = anchor > 0 ? project / anchor : 1e9;
    char line[512];
    std::snprintf(line, sizeof line, "project %.4g %s, anchor %.4g %s, ratio %.2f (goal <= %.4g)", project, unit,
                  anchor, unit, ratio, maxRatio);
    return Report(name, line, ratio <= maxRatio);
}

// Exit code of a benchmark's main: the number of failed goals.
inline int Finish() { return FailedGoals(); }

} // namespace mfbench
