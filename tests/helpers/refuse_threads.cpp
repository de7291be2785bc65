// pthread_create refused, for tests of a run that cannot start threads. Linked into a test
// program, setRefuseThreads(true) makes every thread start of the process (Qt's included)
// fail with EAGAIN; preloaded into the program (LD_PRELOAD), MF_REFUSE_THREADS decides:
// empty, every start fails; a path, starts fail once that file exists.
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <dlfcn.h>
#include <pthread.h>
#include <unistd.h>

namespace {

std::atomic<bool> refuseAll{false};

bool refuseNow() {
    if (refuseAll) return true;
    const char* trigger = std::getenv("MF_REFUSE_THREADS");
    return trigger && (*trigger == 0 || ::access(trigger, F_OK) == 0);
}

} // namespace

namespace mf::test {
void setRefuseThreads(bool refuse) { refuseAll = refuse; }
} // namespace mf::test

extern "C" int pthread_create(pthread_t* thread, const pthread_attr_t* attr, void* (*run)(void*), void* arg) {
    using Create = int (*)(pthread_t*, const pthread_attr_t*, void* (*)(void*), void*);
    static const Create real = reinterpret_cast<Create>(::dlsym(RTLD_NEXT, "pthread_create"));
    return refuseNow() || !real ? EAGAIN : real(thread, attr, run, arg);
}
