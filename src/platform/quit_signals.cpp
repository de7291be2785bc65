#include "platform/quit_signals.h"

#include <QCoreApplication>
#include <QFile>
#include <QSocketNotifier>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace mf {

namespace {

int signalPipe[2] = {-1, -1};
std::atomic<int> firstSignal{0};
// Written before a run's folder exists and cleared before it goes; read by the handler.
char quitFolder[4096];

bool isDotEntry(const char* name) {
    return name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0));
}

// Removes name (below the folder open as parent) with everything in it, with system calls
// only, as a signal handler may. Symbolic links are removed, never followed.
void removeTreeAt(int parent, const char* name, int depth) {
    if (::unlinkat(parent, name, 0) == 0 || depth > 64) return;
    const int fd = ::openat(parent, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return;
    alignas(dirent64) char buf[4096];
    for (int pass = 0; pass < 2; ++pass) {   // a second pass for entries a removal moved
        ::lseek(fd, 0, SEEK_SET);
        for (long n; (n = ::syscall(SYS_getdents64, fd, buf, sizeof buf)) > 0;) {
            for (long off = 0; off < n;) {
                const auto* e = reinterpret_cast<const dirent64*>(buf + off);
                off += e->d_reclen;
                if (!isDotEntry(e->d_name)) removeTreeAt(fd, e->d_name, depth + 1);
            }
        }
    }
    ::close(fd);
    ::unlinkat(parent, name, AT_REMOVEDIR);
}

extern "C" void onQuitTimeout(int) {
    if (quitFolder[0]) removeTreeAt(AT_FDCWD, quitFolder, 0);
    ::_exit(128 + firstSignal.load());
}

extern "C" void onQuitSignal(int sig) {
    const int saved = errno;
    const unsigned char byte = static_cast<unsigned char>(sig);
    // Only async-signal-safe calls here: the number goes to the event loop, and the clock
    // starts after which the run ends without it.
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[0], &byte, 1);
    int none = 0;
    if (firstSignal.compare_exchange_strong(none, sig)) ::alarm(kQuitGraceSeconds);
    errno = saved;
}

} // namespace

bool installQuitSignals(std::function<void(int)> onSignal) {
    if (signalPipe[0] >= 0) return false;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalPipe) != 0) return false;
    auto* notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [onSignal = std::move(onSignal)] {
        unsigned char byte = 0;
        while (::read(signalPipe[1], &byte, 1) == 1)
            if (onSignal) onSignal(int(byte));
    });
    struct sigaction sa = {};
    sa.sa_handler = onQuitSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    bool ok = true;
    for (int sig : {SIGINT, SIGTERM, SIGHUP}) ok = ::sigaction(sig, &sa, nullptr) == 0 && ok;
    struct sigaction timeout = {};
    timeout.sa_handler = onQuitTimeout;
    sigemptyset(&timeout.sa_mask);
    ok = ::sigaction(SIGALRM, &timeout, nullptr) == 0 && ok;
    return ok;
}

void setQuitSignalFolder(const QString& path) {
    const QByteArray native = QFile::encodeName(path);
    quitFolder[0] = 0;
    if (native.isEmpty() || native.size() >= qsizetype(sizeof quitFolder) || native.contains('\0')) return;
    // The first byte last, so that a handler never reads a path half written.
    std::memcpy(quitFolder + 1, native.constData() + 1, size_t(native.size()));   // with its NUL
    quitFolder[0] = native[0];
}

} // namespace mf
