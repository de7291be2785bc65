// pthread_create refused with EAGAIN: in a test program after setRefuseThreads(true); preloaded
// into the program, by MF_REFUSE_THREADS: empty, always; a path, once that file exists.
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <dlfcn.h>
#include <pthread.h>
#include <unistd.h>

static std::atomic<bool> refuseAll{false};

namespace mf::test {
void setRefuseThreads(bool refuse) { refuseAll = refuse; }
} // namespace mf::test

extern "C" int pthread_create(pthread_t* thread, const pthread_attr_t* attr, void* (*run)(void*), void* arg) {
    using Create = int (*)(pthread_t*, const pthread_attr_t*, void* (*)(void*), void*);
    static const Create real = reinterpret_cast<Create>(::dlsym(RTLD_NEXT, "pthread_create"));
    const char* trigger = std::getenv("MF_REFUSE_THREADS");
    const bool refuse = refuseAll || (trigger && (*trigger == 0 || ::access(trigger, F_OK) == 0));
    return refuse || !real ? EAGAIN : real(thread, attr, run, arg);
}
