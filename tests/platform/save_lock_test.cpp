#include "platform/save_lock.h"

#include <QCursor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLockFile>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <optional>

#include <sys/wait.h>
#include <unistd.h>

using namespace mf;

// Only another program's lock means another save; a folder or a link where the lock file
// belongs is named as what stops the save and left as it is; a file that is no lock is taken
// over, and so is the lock of an ended program beside the empty ".rmlock" that Qt leaves when
// a program is killed while it takes over a stale lock.
TEST(SaveLock, OnlyAnotherProgramsLockIsReportedAsAnotherSave) {
    setSaveLockWait(100);
    enum class At { Folder, Link, Garbage, HeldLock, EndedWithRmlock };
    struct Case {
        At at;
        bool acquired;
        const char* reason;  // after "无法创建锁文件：<lock>："; nullptr: the message for another save
    };
    for (const Case& c : {Case{At::Folder, false, "同名的文件夹已经存在"}, Case{At::Link, false, "同名的符号链接已经存在"},
                          Case{At::Garbage, true, nullptr}, Case{At::HeldLock, false, nullptr},
                          Case{At::EndedWithRmlock, true, nullptr}}) {
        SCOPED_TRACE(int(c.at));
        QTemporaryDir dir;
        const QString target = dir.filePath("申请.txt"), lockPath = target + ".lock", victim = dir.filePath("victim");
        QFile v(victim);
        ASSERT_TRUE(v.open(QIODevice::WriteOnly) && v.write("the user's") == 10);
        v.close();
        QLockFile other(lockPath);
        if (c.at == At::Folder) ASSERT_TRUE(QDir().mkdir(lockPath));
        if (c.at == At::Link) ASSERT_TRUE(QFile::link(victim, lockPath));
        if (c.at == At::Garbage) ASSERT_TRUE(QFile::copy(victim, lockPath));
        if (c.at == At::HeldLock) ASSERT_TRUE(other.lock());
        if (c.at == At::EndedWithRmlock) {
            const pid_t child = ::fork();
            if (child == 0) {   // a save that ends without letting go of its lock
                QLockFile ended(lockPath);
                ::_exit(ended.tryLock(0) ? 0 : 1);
            }
            int status = 0;
            ASSERT_EQ(::waitpid(child, &status, 0), child);
            ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
            QFile rm(lockPath + ".rmlock");
            ASSERT_TRUE(rm.open(QIODevice::WriteOnly));
        }
        {
            const SaveLock lock(target);
            EXPECT_EQ(lock.acquired(), c.acquired);
            if (!c.acquired)
                EXPECT_EQ(lock.message(), c.reason ? "无法创建锁文件：" + lockPath + "：" + c.reason : kSaveLockedMessage);
        }
        EXPECT_EQ(QFileInfo(lockPath).isDir(), c.at == At::Folder);
        EXPECT_EQ(QFileInfo(lockPath).isSymLink(), c.at == At::Link);
        QFile check(victim);
        ASSERT_TRUE(check.open(QIODevice::ReadOnly));
        EXPECT_EQ(check.readAll(), "the user's");
    }
    setSaveLockWait(5000);
}

// While a save waits for another program's save, the window thread goes on (the window keeps
// painting) under the wait cursor: here a timer that fires meanwhile ends the other save, and
// the waiting save takes the lock.
TEST(SaveLock, TheWaitLetsTheWindowThreadRunUnderTheWaitCursor) {
    QTemporaryDir dir;
    const QString target = dir.filePath("申请.txt");
    QLockFile other(target + ".lock");
    ASSERT_TRUE(other.lock());
    std::optional<Qt::CursorShape> shownWhileWaiting;
    QTimer::singleShot(50, [&] {
        if (const QCursor* c = QGuiApplication::overrideCursor()) shownWhileWaiting = c->shape();
        other.unlock();
    });
    const SaveLock lock(target);
    EXPECT_TRUE(lock.acquired());
    EXPECT_EQ(shownWhileWaiting, Qt::WaitCursor);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}
