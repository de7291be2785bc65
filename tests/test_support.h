#pragma once
// Small helpers shared by the tests.
#include <QProcess>
#include <QString>
#include <QStringList>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace mf::test {

inline QString sourceDir() { return QString::fromUtf8(MF_SOURCE_DIR); }
inline QString binDir() { return QString::fromUtf8(MF_BIN_DIR); }
// The dictionary database the build generated.
inline QString shippedDictionary() { return binDir() + QStringLiteral("/DICT/系统词典.db"); }

// What a poppler tool prints for a file ("pdfinfo", "pdftotext"); empty when it fails.
inline QString runPdfTool(const QString& tool, const QStringList& args) {
    QProcess p;
    p.start(tool, args);
    if (!p.waitForFinished()) return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}
inline QString pdfInfo(const QString& pdf) { return runPdfTool(QStringLiteral("pdfinfo"), {pdf}); }
inline QString pdfText(const QString& pdf) {
    return runPdfTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
}

// While alive, no file of the process may grow beyond `bytes`: a write past it fails as on
// a full disk (SIGXFSZ is ignored, so the write returns an error instead of killing us).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &old_);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit old_{};
    void (*oldHandler_)(int) = SIG_DFL;
};

// Root writes into read-only folders; tests of a refused folder skip then.
inline bool runningAsRoot() { return ::geteuid() == 0; }

// While alive, the folder refuses new entries.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString& folder) : folder_(folder.toLocal8Bit()) {
        ::chmod(folder_.constData(), 0555);
    }
    ~ReadOnlyFolder() { ::chmod(folder_.constData(), 0755); }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

private:
    QByteArray folder_;
};

} // namespace mf::test
