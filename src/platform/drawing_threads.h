#pragma once
// Qt's raster painting and image routines split large jobs over Qt's global thread pool and
// wait for every part. When the pool has to start a thread and the system refuses one (the
// address space or the thread limit reached), that part never runs and the window's thread
// waits for good. The pool's threads are therefore started once, at start-up, and kept for
// the run with the pool held at their number: later work waits for one of them, never for a
// thread that has to be started.
#include <QString>

namespace mf {

// Whether a thread can be started now (one is started and joined).
bool canStartThread(QString* reason = nullptr);

// Starts and keeps the pool's threads (at most four). Returns how many run; 0 (with the
// system's reason) when none could be started, and the program cannot run.
int startDrawingThreads(QString* reason = nullptr);

// The threads of this process that run now (1 when only the calling one does).
int runningThreadCount();

} // namespace mf
