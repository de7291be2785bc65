#include "platform/quit_signals.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace mf {

namespace {

int signalPipe[2] = {-1, -1};

extern "C" void onQuitSignal(int sig) {
    const int saved = errno;
    const unsigned char byte = static_cast<unsigned char>(sig);
    // Only async-signal-safe calls here: the number goes to the event loop.
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[0], &byte, 1);
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
    return ok;
}

} // namespace mf
