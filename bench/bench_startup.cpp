// Start-up: time from starting the program to its shown and painted main window, and the
// peak memory of that run, against a bare Qt program showing an MDI main window. Both run
// with the start-up probe linked in, alternately, and the medians are compared.
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
    double seconds = 0;   // start to shown window
    double peakMiB = 0;   // peak resident memory
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
    return Run{std::strtod(text.c_str() + at + 6, nullptr) - t0, ru.ru_maxrss / 1024.0};
}

} // namespace

int main() {
    const std::string dir = ExeDir();
    const std::string project = dir + "/mining-filer-probe";
    const std::string anchor = dir + "/bench_bare_mdi";
    Start(project);   // warms the caches of both
    Start(anchor);
    std::vector<double> pt, pm, at, am;
    for (int i = 0; i < 21; ++i) {
        const Run p = Start(project);
        const Run a = Start(anchor);
        pt.push_back(p.seconds);
        pm.push_back(p.peakMiB);
        at.push_back(a.seconds);
        am.push_back(a.peakMiB);
    }
    mfbench::Goal("startup-time", mfbench::Median(pt) * 1e3, mfbench::Median(at) * 1e3, "ms", 1.3);
    mfbench::Goal("startup-memory", mfbench::Median(pm), mfbench::Median(am), "MiB", 1.5);
    return mfbench::Finish();
}
