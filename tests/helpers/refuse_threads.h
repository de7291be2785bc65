#pragma once
// pthread_create refused, for the tests of a program that cannot start threads.
//
// In a test executable that compiles refuse_threads.cpp, setRefuseThreads(true) makes every
// pthread_create of the process (Qt's included) fail with EAGAIN until it is set false again.
// Loaded with LD_PRELOAD into another program (the library mf_refuse_threads), the
// environment variable MF_REFUSE_THREADS decides: empty, every thread is refused; a path,
// threads are refused once that file exists.

namespace mf::test {

void setRefuseThreads(bool refuse);
// Threads refused so far.
int refusedThreads();

} // namespace mf::test
