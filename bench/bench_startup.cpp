// Start-up: time from starting the program to its shown and painted main window, the CPU
// time of that run (all threads) and its peak memory, against a bare Qt program showing an
// MDI main window with one Chinese line. Both run with the start-up probe linked in,
// alternately; each goal is the median of the rounds' ratios. The program also runs with the authority's
// dictionary (the shipped data as an Access file) in its user data folder, which it
// imports at start-up.
#include "bench.h"

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Run {
    double seconds = 0;      // start to shown window
    double cpuSeconds = 0;   // user and system time of all threads until the window was shown
    double peakMiB = 0;      // peak resident memory
};

std::string ExeDir() {
    char buf[4096];
    const ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return ".";
    std::string p(buf, size_t(n));
    return p.substr(0, p.rfind('/'));
}

std::string ReadAll(int fd) {
    std::string text;
    char buf[256];
    ssize_t n;
    while ((n = read(fd, buf, sizeof buf)) > 0) text.append(buf, size_t(n));
    close(fd);
    return text;
}

// One run; env null: this environment. Its standard error must name the dictionary file
// expected (when given).
Run Start(const std::string& exe, char** env = nullptr, const std::string& dictionary = {}) {
    int out[2], err[2];
    if (pipe(out) != 0 || pipe(err) != 0) std::exit(2);
    posix_spawn_file_actions_t fa;
    posix_spawn_file_actions_init(&fa);
    posix_spawn_file_actions_adddup2(&fa, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&fa, err[1], STDERR_FILENO);
    posix_spawn_file_actions_addclose(&fa, out[0]);
    posix_spawn_file_actions_addclose(&fa, err[0]);
    char* argv[] = {const_cast<char*>(exe.c_str()), nullptr};
    pid_t pid = 0;
    const double t0 = mfbench::Now();
    if (posix_spawn(&pid, exe.c_str(), &fa, nullptr, argv, env ? env : environ) != 0) {
        std::fprintf(stderr, "bench_startup: cannot start %s\n", exe.c_str());
        std::exit(2);
    }
    posix_spawn_file_actions_destroy(&fa);
    close(out[1]);
    close(err[1]);
    const std::string text = ReadAll(out[0]);
    const std::string errors = ReadAll(err[0]);
    int status = 0;
    rusage ru{};
    wait4(pid, &status, 0, &ru);
    const size_t at = text.find("shown ");
    if (at == std::string::npos || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "bench_startup: %s did not show its window\n%s", exe.c_str(), errors.c_str());
        std::exit(2);
    }
    if (!dictionary.empty() && errors.find("词典：" + dictionary + "\n") == std::string::npos) {
        std::fprintf(stderr, "bench_startup: %s did not open %s\n%s", exe.c_str(), dictionary.c_str(), errors.c_str());
        std::exit(2);
    }
    // The CPU time the program had used when its window was shown, as it reports it.
    const size_t cpuAt = text.find(" cpu ", at);
    const double cpu = cpuAt == std::string::npos ? 0 : std::strtod(text.c_str() + cpuAt + 5, nullptr);
    return Run{std::strtod(text.c_str() + at + 6, nullptr) - t0, cpu, ru.ru_maxrss / 1024.0};
}

// This environment with XDG_DATA_HOME set to a folder holding the Access dictionary.
struct MdbEnvironment {
    std::string home, mdb;
    std::vector<std::string> vars;
    std::vector<char*> env;
    MdbEnvironment() {
        char tmpl[] = "/tmp/bench-startup-XXXXXX";
        if (!mkdtemp(tmpl)) std::exit(2);
        home = tmpl;
        const std::filesystem::path dict = std::filesystem::path(home) / "mining-filer" / "DICT";
        std::filesystem::create_directories(dict);
        mdb = (dict / "系统词典.mdb").string();
        std::filesystem::copy_file(MF_SOURCE_DIR "/tests/fixtures/dict/shipped-v2000.mdb", mdb);
        for (char** e = environ; *e; ++e)
            if (std::strncmp(*e, "XDG_DATA_HOME=", 14) != 0) vars.emplace_back(*e);
        vars.push_back("XDG_DATA_HOME=" + home);
        for (std::string& v : vars) env.push_back(v.data());
        env.push_back(nullptr);
    }
    ~MdbEnvironment() { std::filesystem::remove_all(home); }
};

} // namespace

int main() {
    const std::string dir = ExeDir();
    const std::string project = dir + "/mining-filer-probe";
    const std::string anchor = dir + "/bench_bare_mdi";
    MdbEnvironment mdb;
    Start(project, nullptr, dir + "/DICT/系统词典.db");   // warms the caches of all three
    Start(project, mdb.env.data(), mdb.mdb);
    Start(anchor);
    std::vector<double> pt, pc, pm, at, ac, am, mt;
    for (int i = 0; i < 31; ++i) {
        const Run p = Start(project);
        const Run a = Start(anchor);
        mt.push_back(Start(project, mdb.env.data()).seconds);
        pt.push_back(p.seconds);
        pc.push_back(p.cpuSeconds);
        pm.push_back(p.peakMiB);
        at.push_back(a.seconds);
        ac.push_back(a.cpuSeconds);
        am.push_back(a.peakMiB);
    }
    using mfbench::FromRounds;
    using mfbench::Scaled;
    mfbench::Goal("startup-time", Scaled(FromRounds(pt, at), 1e3), "ms", 1.2);
    mfbench::Goal("startup-time-mdb", Scaled(FromRounds(mt, at), 1e3), "ms", 1.3);
    // The program starts and keeps the threads its drawing needs before the window shows (so
    // that no paint ever waits for a thread the system may refuse); the bare program starts none.
    mfbench::Goal("startup-cpu", Scaled(FromRounds(pc, ac), 1e3), "ms", 1.3);
    mfbench::Goal("startup-memory", FromRounds(pm, am), "MiB", 1.5);
    return mfbench::Finish();
}
