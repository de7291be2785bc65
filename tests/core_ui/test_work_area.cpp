// The work area of a run as the program itself makes and removes it: ended runs' folders
// go at the next start, live ones stay, and a terminating signal removes the run's own.
#include "platform/quit_signals.h"
#include "platform/work_area.h"
#include "test_support.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>
#include <sys/file.h>
#include <unistd.h>

using namespace mf;

namespace {

// The program under the offscreen platform with its runtime location in `runtime`.
class ProgramRun {
public:
    // refuseThreads: pthread_create fails at once when "", else once that file exists.
    explicit ProgramRun(const QString& runtime, const QString* refuseThreads = nullptr) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_RUNTIME_DIR", runtime);
        env.insert("TMPDIR", runtime + "/missing");
        if (refuseThreads) {
            env.insert("LD_PRELOAD", MF_REFUSE_THREADS_LIBRARY);
            env.insert("MF_REFUSE_THREADS", *refuseThreads);
            // A sanitized program wants its runtime loaded first; the preload comes before.
            env.insert("ASAN_OPTIONS", env.value("ASAN_OPTIONS") + ":verify_asan_link_order=0");
        }
        p.setProcessEnvironment(env);
        p.setProcessChannelMode(refuseThreads ? QProcess::SeparateChannels : QProcess::ForwardedErrorChannel);
        p.start(test::binDir() + "/mining-filer", {});
    }
    ~ProgramRun() {
        if (p.state() != QProcess::NotRunning) {
            p.kill();
            p.waitForFinished();
        }
    }
    QProcess p;
};

QStringList workFolders(const QString& base) {
    return QDir(base).entryList({"mining-filer-*"}, QDir::Dirs | QDir::NoDotAndDotDot);
}

// Waits until a work folder that is not in `known` is complete (its last kind folder made).
QString waitForNewWorkFolder(const QString& base, const QStringList& known) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 30000) {
        for (const QString& f : workFolders(base))
            if (!known.contains(f) && QFileInfo(base + "/" + f + "/tempZip/VORELNJ").isDir()) return f;
        QThread::msleep(50);
    }
    return QString();
}

} // namespace

TEST(WorkArea, EndedRunsAreClearedAtStartLiveOnesKeptAndATerminatingSignalRemovesTheRunsOwn) {
    QTemporaryDir runtime;
    ASSERT_TRUE(runtime.isValid());
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString base = runtime.path();

    // A run that is killed leaves its folder with a lock nobody holds.
    QString dead;
    {
        ProgramRun killed(base);
        dead = waitForNewWorkFolder(base, {});
        ASSERT_FALSE(dead.isEmpty());
        killed.p.kill();
        ASSERT_TRUE(killed.p.waitForFinished());
    }
    ASSERT_TRUE(QFileInfo(base + "/" + dead).isDir());
    // A folder of a run still going: its lock is held (here by the test).
    ASSERT_TRUE(QDir(base).mkpath("mining-filer-live01/tempZip"));
    const QByteArray lock = QFile::encodeName(base + "/mining-filer-live01/" + workAreaLockName());
    const int fd = ::open(lock.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX | LOCK_NB), 0);

    ProgramRun run(base);
    const QString own = waitForNewWorkFolder(base, {dead, "mining-filer-live01"});
    ASSERT_FALSE(own.isEmpty());
    EXPECT_FALSE(QFileInfo(base + "/" + dead).exists());
    EXPECT_TRUE(QFileInfo(base + "/mining-filer-live01").isDir());

    ::kill(pid_t(run.p.processId()), SIGTERM);
    ASSERT_TRUE(run.p.waitForFinished(30000));
    EXPECT_EQ(run.p.exitStatus(), QProcess::NormalExit);  // through the event loop, not killed
    EXPECT_FALSE(QFileInfo(base + "/" + own).exists());
    EXPECT_TRUE(QFileInfo(base + "/mining-filer-live01").isDir());
    ::close(fd);
}

TEST(WorkArea, BasesAreAbsoluteUsableFoldersNeverTheRoot) {
    const QByteArray saved = qgetenv("TMPDIR");
    for (const char* tmpdir : {"/nonexistent-folder", "/", "relative/dir", ""}) {
        qputenv("TMPDIR", tmpdir);
        const QStringList bases = WorkArea::candidateBases();
        ASSERT_FALSE(bases.isEmpty()) << tmpdir;
        EXPECT_TRUE(bases.contains("/tmp")) << tmpdir;
        for (const QString& b : bases) {
            EXPECT_NE(b, "/") << tmpdir;
            EXPECT_TRUE(QDir::isAbsolutePath(b)) << tmpdir;
        }
    }
    qputenv("TMPDIR", saved);
}

TEST(WorkArea, WithoutThreadsTheStartEndsWithAMessageAndATerminatingSignalStillEndsTheRun) {
    QTemporaryDir runtime;
    ASSERT_TRUE(runtime.isValid());
    const QString base = runtime.path();
    // No thread at all: a plain failure with the reason, never an abort, and no work area.
    const QString always;
    ProgramRun start(base, &always);
    ASSERT_TRUE(start.p.waitForFinished(30000));
    EXPECT_EQ(std::pair(start.p.exitStatus(), start.p.exitCode()), std::pair(QProcess::NormalExit, 1));
    EXPECT_TRUE(QString::fromLocal8Bit(start.p.readAllStandardError()).contains("系统无法为程序创建线程"));
    EXPECT_TRUE(workFolders(base).isEmpty());

    // Threads refused once the run is going: SIGTERM ends it and removes its folder.
    const QString trigger = base + "/refuse";
    ProgramRun run(base, &trigger);
    const QString own = waitForNewWorkFolder(base, {});
    ASSERT_FALSE(own.isEmpty());
    QFile(trigger).open(QIODevice::WriteOnly);
    QThread::msleep(300);
    ::kill(pid_t(run.p.processId()), SIGTERM);
    ASSERT_TRUE(run.p.waitForFinished(30000));
    EXPECT_EQ(std::pair(run.p.exitStatus(), run.p.exitCode()), std::pair(QProcess::NormalExit, 128 + SIGTERM));
    EXPECT_FALSE(QFileInfo(base + "/" + own).exists());
}

TEST(WorkArea, ATerminatingSignalEndsARunWhoseWindowThreadIsStuck) {
    QTemporaryDir runtime;
    ASSERT_TRUE(runtime.isValid());
    const QString base = runtime.path();
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // A run whose window thread never returns to its event loop.
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(base));
        WorkArea area;
        if (!area.create() || !QDir(area.path()).mkpath("tempZip/VORELNJ") ||
            !installQuitSignals([](int sig) { QCoreApplication::exit(128 + sig); }))
            ::_exit(2);
        for (;;) ::pause();
    }
    const QString own = waitForNewWorkFolder(base, {});
    ASSERT_FALSE(own.isEmpty());
    QFile(base + "/" + own + "/tempZip/VORELNJ/a.xml").open(QIODevice::WriteOnly);
    ::kill(child, SIGTERM);
    int status = 0;
    for (int waited = 0; ::waitpid(child, &status, WNOHANG) == 0; waited += 50)
        waited < (kQuitGraceSeconds + 20) * 1000 ? QThread::msleep(50) : void(::kill(child, SIGKILL));
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 128 + SIGTERM);
    EXPECT_FALSE(QFileInfo(base + "/" + own).exists());
}
