#pragma once
// Shared pieces of the reader fuzz targets: silent dialogs and a field map of a change
// application.
#include "core/dictionary.h"
#include "core/form_access.h"
#include "platform/vb.h"
#include "platform/dialogs.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace mf::fuzz {

class SilentDialogs : public Dialogs {
public:
    MsgAnswer message(const QString&, const QString&, MsgIcon, MsgButtons) override {
        return MsgAnswer::No;
    }
    FileDialogResult openFile(const FileDialogRequest&) override { return {}; }
    FileDialogResult saveFile(const FileDialogRequest&) override { return {}; }
};

inline void installSilentDialogs() {
    static SilentDialogs d;
    setDialogs(&d);
}

inline KindFieldMap changeMap(bool xml) {
    KindFieldMap m;
    m.Kind = 2;
    const char* fields[][2] = {{"申请人", "SQR"},     {"矿山名称", "KSMC"}, {"申请原因", "SQYY"},
                               {"经济类型", "JJLX"},  {"开采主矿种", "KCZKZ"},
                               {"共伴生类型", "GBSLX"}, {"变更类型", "BGLX"}};
    for (auto& f : fields)
        m.Pairs.append({QString::fromUtf8(f[0]), xml ? QString::fromUtf8(f[1]) : QString::fromUtf8(f[0])});
    m.Pairs.append({QStringLiteral("区域坐标"),
                    xml ? QStringLiteral("QYZB") : QStringLiteral("矿区范围拐点坐标与标高的总行数")});
    return m;
}

[[noreturn]] inline void fail(const char* what) {
    fprintf(stderr, "property violated: %s\n", what);
    abort();
}

// A new folder for this process, in memory where the system has /dev/shm: the writers sync
// every file they write, which on a disk would cost most of each run. libFuzzer often ends a
// process without running destructors, so the folders of ended processes go here first.
inline QString makeScratchFolder(const char* prefix) {
    const char* base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    const QString start = QString::fromLatin1(prefix);
    for (const QString& name : QDir(QString::fromLatin1(base)).entryList({start + u'*'}, QDir::Dirs)) {
        const pid_t pid = pid_t(name.mid(start.size()).section(u'_', 0, 0).toLongLong());
        if (pid > 0 && kill(pid, 0) != 0 && errno == ESRCH)
            QDir(QString::fromLatin1(base) + u'/' + name).removeRecursively();
    }
    std::string tmpl = std::string(base) + "/" + prefix + std::to_string(getpid()) + "_XXXXXX";
    if (!mkdtemp(tmpl.data()))
        fail("no temporary folder");
    return QString::fromLocal8Bit(tmpl.c_str());
}

// A path named name in a folder of this process; the folder is removed at exit. The
// targets hand the input to the program's readers as a file, as the program reads it.
inline QString inputPath(const char* name) {
    struct Folder {
        QString path = makeScratchFolder("fuzz_input_");
        ~Folder() { QDir(path).removeRecursively(); }
    };
    static const Folder folder;
    return folder.path + u'/' + QString::fromUtf8(name);
}

inline void writeInput(const QString& path, const uint8_t* data, size_t size) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        f.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
        fail("cannot write the input file");
}

// The change types as the form holds them after loading what was read, and so as a save
// writes them: a "1" or "0" per check box, set from the value's characters one by one.
inline std::optional<QString> formChangeTypes(const std::optional<QString>& read) {
    if (!read)
        return read;
    QString boxes;
    for (int i = 0; i < 5; ++i)
        boxes += vb::val(read->mid(i, 1)) == 1 ? u'1' : u'0';
    return boxes;
}

// The same fields with the same values, in the same order.
inline bool sameFields(const QList<FieldValue>& a, const QList<FieldValue>& b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (a[i].fieldName != b[i].fieldName || a[i].value != b[i].value)
            return false;
    return true;
}

} // namespace mf::fuzz
