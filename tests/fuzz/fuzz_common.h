#pragma once
// Shared pieces of the reader fuzz targets: silent dialogs and a field map of a change
// application.
#include "core/dictionary.h"
#include "core/form_access.h"
#include "platform/vb.h"
#include "platform/dialogs.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
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

// A folder of this process, in /dev/shm where there is one (the writers sync each file);
// first the folders of ended processes go, since libFuzzer often exits without destructors.
inline QString makeScratchFolder(const char* prefix) {
    const QString base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp", start = prefix;
    for (const QString& name : QDir(base).entryList({start + u'*'}, QDir::Dirs))
        if (const long pid = name.mid(start.size()).section(u'_', 0, 0).toLong(); pid > 0 && kill(pid, 0) != 0 && errno == ESRCH)
            QDir(base + u'/' + name).removeRecursively();
    QByteArray tmpl = (base + u'/' + start + QString::number(getpid()) + "_XXXXXX").toLocal8Bit();
    if (!mkdtemp(tmpl.data())) fail("no temporary folder");
    return QString::fromLocal8Bit(tmpl);
}

// A path in a folder of this process removed at exit: the readers get the input as a file.
inline QString inputPath(const char* name) {
    static const struct Folder { QString path = makeScratchFolder("fuzz_input_"); ~Folder() { QDir(path).removeRecursively(); } } folder;
    return folder.path + u'/' + QString::fromUtf8(name);
}

inline QString writeInput(const char* name, const uint8_t* data, size_t size) {
    const QString path = inputPath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
        fail("cannot write the input file");
    return path;
}

// The change types as a save writes them after loading: one "1"/"0" per check box.
inline std::optional<QString> formChangeTypes(const std::optional<QString>& read) {
    QString boxes;
    for (int i = 0; read && i < 5; ++i) boxes += vb::val(read->mid(i, 1)) == 1 ? u'1' : u'0';
    return read ? std::optional(boxes) : read;
}

inline bool sameFields(const QList<FieldValue>& a, const QList<FieldValue>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const FieldValue& x, const FieldValue& y) { return x.fieldName == y.fieldName && x.value == y.value; });
}

} // namespace mf::fuzz
