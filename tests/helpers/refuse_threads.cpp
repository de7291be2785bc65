#include "refuse_threads.h"

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <dlfcn.h>
#include <pthread.h>
#include <unistd.h>

namespace {

std::atomic<bool> refuseAll{false};
std::atomic<int> refused{0};

bool refuseNow() {
    if (refuseAll) return true;
    const char* trigger = std::getenv("MF_REFUSE_THREADS");
    return trigger && (*trigger == 0 || ::access(trigger, F_OK) == 0);
}

} // namespace

namespace mf::test {

void setRefuseThreads(bool refuse) { refuseAll = refuse; }
int refusedThreads() { return refused; }

} // namespace mf::test

extern "C" int pthread_create(pthread_t* thread, const pthread_attr_t* attr, void* (*run)(void*), void* arg) {
    using Create = int (*)(pthread_t*, const pthread_attr_t*, void* (*)(void*), void*);
    static const Create real = reinterpret_cast<Create>(::dlsym(RTLD_NEXT, "pthread_create"));
    if (refuseNow() || !real) {
        ++refused;
        return EAGAIN;
    }
    return real(thread, attr, run, arg);
}
