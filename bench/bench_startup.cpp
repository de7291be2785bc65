// Start-up: time from starting the program to its shown and painted main window, the CPU
// time of that run (all threads) and its peak memory, against a bare Qt program showing an
// MDI main window with one Chinese line. Both run with the start-up probe linked in,
// alternately, and the medians are compared.
#include "bench.h"

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>

extern char** environ;

namespace {

struct Run {
    double seconds = 0;      // start to shown window
    double cpuSeconds = 0;   // user and system time of the whole run
    double peakMiB = 0;      // peak resident memory
};

std::string ExeDir() {
    char buf[4096];
    const ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return ".";
    std::string p(buf, size_t(n));
    return p.substr(0, p.rfind('/'));
}

Run Start(const std::string& exe) {
    int out[2];
    if (pipe(out) != 0) std::exit(2);
    posix_spawn_file_actions_t fa;
    posix_spawn_file_actions_init(&fa);
    posix_spawn_file_actions_adddup2(&fa, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&fa, out[0]);
    char* argv[] = {const_cast<char*>(exe.c_str()), nullptr};
    pid_t pid = 0;
    const double t0 = mfbench::Now();
    if (posix_spawn(&pid, exe.c_str(), &fa, nullptr, argv, environ) != 0) {
        std::fprintf(stderr, "bench_startup: cannot start %s\n", exe.c_str());
        std::exit(2);
    }
    posix_spawn_file_actions_destroy(&fa);
    close(out[1]);
    std::string text;
    char buf[256];
    ssize_t n;
    while ((n = read(out[0], buf, sizeof buf)) > 0) text.append(buf, size_t(n));
    close(out[0]);
    int status = 0;
    rusage ru{};
    wait4(pid, &status, 0, &ru);
    const size_t at = text.find("shown ");
    if (at == std::string::npos || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "bench_startup: %s did not show its window\n", exe.c_str());
        std::exit(2);
    }
    const double cpu = double(ru.ru_utime.tv_sec + ru.ru_stime.tv_sec) +
                       double(ru.ru_utime.tv_usec + ru.ru_stime.tv_usec) * 1e-6;
    return Run{std::strtod(text.c_str() + at + 6, nullptr) - t0, cpu, ru.ru_maxrss / 1024.0};
}

} // namespace

int main() {
    const std::string dir = ExeDir();
    const std::string project = dir + "/mining-filer-probe";
    const std::string anchor = dir + "/bench_bare_mdi";
    Start(project);   // warms the caches of both
    Start(anchor);
    std::vector<double> pt, pc, pm, at, ac, am;
    for (int i = 0; i < 31; ++i) {
        const Run p = Start(project);
        const Run a = Start(anchor);
        pt.push_back(p.seconds);
        pc.push_back(p.cpuSeconds);
        pm.push_back(p.peakMiB);
        at.push_back(a.seconds);
        ac.push_back(a.cpuSeconds);
        am.push_back(a.peakMiB);
    }
    using mfbench::Median;
    mfbench::Goal("startup-time", Median(pt) * 1e3, Median(at) * 1e3, "ms", 1.2);
    mfbench::Goal("startup-cpu", Median(pc) * 1e3, Median(ac) * 1e3, "ms", 1.2);
    mfbench::Goal("startup-memory", Median(pm), Median(am), "MiB", 1.5);
    return mfbench::Finish();
}
