#pragma once
// A save holds "<file>.lock" beside its target for as long as it writes the file and its
// package, so two programs saving the same file never mix their writes. A lock left by a
// program that has ended, or a file there that is no lock at all, is taken over.
#include <QLockFile>
#include <QString>

namespace mf {

inline const QString kSaveLockedMessage = QStringLiteral("文件正由其他程序保存，请稍后再试。");

class SaveLock {
public:
    // Waits up to the lock wait for another program's save of target to end (with the wait
    // cursor; the window keeps painting, user input waits), then removes the temporary files
    // a killed save of target left beside it.
    explicit SaveLock(const QString& target);
    // False when another program is saving the same file, or a folder or a link stands
    // where the lock file belongs. A folder that takes no lock file does not stop the save:
    // its write then fails with its own reason.
    bool acquired() const { return acquired_; }
    // What the user is told when the lock was not acquired.
    QString message() const { return message_; }

private:
    QLockFile lock_;
    bool acquired_ = false;
    QString message_ = kSaveLockedMessage;
};

// How long a save waits for another program's save (a few seconds).
int saveLockWait();
void setSaveLockWait(int milliseconds);

} // namespace mf
