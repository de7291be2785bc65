#include "platform/save_lock.h"

namespace mf {

namespace {
int waitMs = 5000;
} // namespace

int saveLockWait() { return waitMs; }
void setSaveLockWait(int milliseconds) { waitMs = milliseconds; }

SaveLock::SaveLock(const QString& target) : lock_(target + QStringLiteral(".lock")) {
    // A save takes seconds at most; a lock older than a minute belongs to no save.
    lock_.setStaleLockTime(60 * 1000);
    acquired_ = lock_.tryLock(waitMs) || lock_.error() != QLockFile::LockFailedError;
}

} // namespace mf
