#include "platform/save_lock.h"

#include "platform/atomic_file.h"

namespace mf {

namespace {
int waitMs = 5000;
} // namespace

int saveLockWait() { return waitMs; }
void setSaveLockWait(int milliseconds) { waitMs = milliseconds; }

SaveLock::SaveLock(const QString& target) : lock_(target + QStringLiteral(".lock")) {
    // A save takes seconds at most; a lock older than a minute belongs to no save.
    lock_.setStaleLockTime(60 * 1000);
    const bool locked = lock_.tryLock(waitMs);
    acquired_ = locked || lock_.error() != QLockFile::LockFailedError;
    // With the lock held no other save writes the target: temporaries of it are left by a
    // save that was killed.
    if (locked)
        removeLeftoverTemporaries(target);
}

} // namespace mf
