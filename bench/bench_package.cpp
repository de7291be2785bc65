// Submission packages at size: building a package of 200 MB in 50 documents against `cp -r`
// of the same files with an fsync of each, the memory the build takes on top of what the
// program held, the zip of a package against `zip -r -6` and a sync of the zip (time and
// size), and a package of 10,000 small documents against 5 s and its zip against `zip -r -6`.
#include "bench.h"

#include "attachments/attachment_list.h"
#include "attachments/package_builder.h"
#include "attachments/package_zip.h"
#include "core/app_state.h"
#include "platform/atomic_file.h"
#include "platform/fs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdlib>
#include <fstream>

using namespace mf;

namespace {

// Document bytes that compress about as office documents and scans do: lines of text with
// numbers in them, written a piece at a time.
void writeDocument(const QString& path, qint64 size, quint32 seed) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly)) std::abort();
    QByteArray piece;
    quint32 x = seed * 2654435761u + 1;
    while (f.size() < size) {
        piece.clear();
        while (piece.size() < (1 << 16)) {
            x = x * 1664525u + 1013904223u;
            piece += "采矿权申请 坐标 " + QByteArray::number(x % 100000) + ' ' + QByteArray::number(x >> 7, 36) + '\n';
        }
        f.write(piece.left(qMin<qint64>(piece.size(), size - f.size())));
    }
}

// A working list of `materials` materials with `perMaterial` documents each, chosen from dir.
QByteArray listOf(const QString& dir, int materials, int perMaterial) {
    QString xml = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                 "<offer type=\"VORELXL\" name=\"采矿权申请登记书\"><attachments>");
    for (int m = 1; m <= materials; ++m) {
        xml += QStringLiteral("<attachment fjid=\"A%1\"><fjxh>%1</fjxh><fjmc>材料%1</fjmc><dzjs>%2</dzjs><fjms/><fileList>")
                   .arg(m)
                   .arg(perMaterial);
        for (int i = 1; i <= perMaterial; ++i)
            xml += QStringLiteral("<file><fileXh>%1</fileXh><fileName>文件%1</fileName><fileTitle>文件%1</fileTitle>"
                                  "<fileUrl>%2/d%3_%1.dat</fileUrl></file>")
                       .arg(i)
                       .arg(dir)
                       .arg(m);
        xml += QStringLiteral("</fileList></attachment>");
    }
    return (xml + QStringLiteral("</attachments></offer>\n")).toUtf8();
}

void makeDocuments(const QString& dir, int materials, int perMaterial, qint64 size) {
    QDir().mkpath(dir);
    for (int m = 1; m <= materials; ++m)
        for (int i = 1; i <= perMaterial; ++i)
            writeDocument(dir + QStringLiteral("/d%1_%2.dat").arg(m).arg(i), size, quint32(m * 1000 + i));
}

// Builds the package of root/a/x.txt from the working list; aborts unless it was built.
void build(const QString& root) {
    const QString saved = root + QStringLiteral("/a/x.txt");
    if (BuildPackage(saved, saved).outcome != PackageReport::Outcome::Built) std::abort();
}

void prepare(const QString& root, const QByteArray& list) {
    state().KindTempDir[1] = root + QStringLiteral("/tempZip/") + kindMarker(1) + u'/';
    fs::makeDirPath(state().KindTempDir[1]);
    fs::makeDirPath(root + QStringLiteral("/a"));
    if (!writeFileAtomic(workListPath(1), list) || !writeFileAtomic(root + QStringLiteral("/a/x.txt"), "application"))
        std::abort();
}

int run(const QString& command) { return std::system(command.toLocal8Bit().constData()); }
QString quoted(const QString& p) { return u'\'' + p + u'\''; }

long statusKiB(const char* key) {
    std::ifstream in("/proc/self/status");
    std::string k;
    long v = 0;
    while (in >> k) {
        if (k == key) {
            in >> v;
            return v;
        }
        in.ignore(1 << 12, '\n');
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    state().CurrentKind = 1;
    state().KindMarker[1] = kindMarker(1);
    QTemporaryDir tmp(QDir::currentPath() + QStringLiteral("/.bench-package-XXXXXX"));
    if (!tmp.isValid()) return 1;
    const QString root = tmp.path();

    // 200 MB in 50 documents.
    const QString docs = root + QStringLiteral("/docs");
    makeDocuments(docs, 5, 10, 4'000'000);
    prepare(root, listOf(docs, 5, 10));
    build(root);  // the first build also warms the page cache for both sides
    const QString copy = root + QStringLiteral("/copy");
    const QString anchorCmd = QStringLiteral("rm -rf %1 && cp -r %2 %1 && sync %1/*").arg(quoted(copy), quoted(docs));
    std::vector<double> project, anchor;
    const QString F200 = root + QStringLiteral("/a/x");
    for (int i = 0; i < 3; ++i) {
        // A first build each time: every document is copied.
        QDir(F200).removeRecursively();
        project.push_back(mfbench::TimeOnce([&] { build(root); }));
        anchor.push_back(mfbench::TimeOnce([&] {
            if (run(anchorCmd) != 0) std::abort();
        }));
    }
    std::sort(project.begin(), project.end());
    std::sort(anchor.begin(), anchor.end());
    mfbench::Goal("package_build_200mb_50_files", project[1], anchor[1], "s", 1.3);

    // The same package saved again with no document changed: each is linked from the old
    // package, nothing copied. Goal: under 0.1 s, or a tenth of the first build.
    {
        std::vector<double> resave;
        for (int i = 0; i < 5; ++i) resave.push_back(mfbench::TimeOnce([&] { build(root); }));
        mfbench::Goal("package-resave-200mb-unchanged", mfbench::Median(resave), std::max(0.1, 0.1 * project[1]), "s",
                      1.0);
    }

    // Memory: the peak resident size while building, above what was resident before.
    {
        std::ofstream("/proc/self/clear_refs") << "5";
        const long before = statusKiB("VmRSS:");
        build(root);
        const double grown = double(statusKiB("VmHWM:") - before) / 1024.0;
        mfbench::Goal("package_build_peak_memory", grown, 20.0, "MiB", 1.0);
    }

    // The zip of a 50 MB package.
    const QString small = root + QStringLiteral("/small");
    QDir(docs).removeRecursively();
    QDir(root + QStringLiteral("/a/x")).removeRecursively();
    makeDocuments(docs, 5, 10, 1'000'000);
    prepare(root, listOf(docs, 5, 10));
    build(root);
    const QString F = root + QStringLiteral("/a/x");
    const QString ours = root + QStringLiteral("/ours.zip"), theirs = root + QStringLiteral("/theirs.zip");
    // The zip is synced to the disk as every file the program writes; so is the anchor's.
    const QString zipCmd = QStringLiteral("cd %1 && rm -f %2 && zip -q -r -6 %2 . && sync %2").arg(quoted(F), quoted(theirs));
    // Five alternating runs each: the medians are steadier on a shared machine.
    auto zipTimes = [&] {
        return mfbench::AlternatingMedians(
            5, [&] { if (!zipFolder(F, ours)) std::abort(); }, [&] { if (run(zipCmd) != 0) std::abort(); });
    };
    const auto [zip50, zip50Anchor] = zipTimes();
    mfbench::Goal("package_zip_50mb_time", zip50, zip50Anchor, "s", 1.1);
    mfbench::Goal("package_zip_50mb_size", double(QFileInfo(ours).size()) / 1e6, double(QFileInfo(theirs).size()) / 1e6,
                  "MB", 1.0);

    // 10,000 small documents in 100 materials.
    QDir(docs).removeRecursively();
    QDir(F).removeRecursively();
    makeDocuments(docs, 100, 100, 2'000);
    prepare(root, listOf(docs, 100, 100));
    const double many = mfbench::TimeOnce([&] { build(root); });
    mfbench::Goal("package_build_10000_documents", many, 5.0, "s", 1.0);
    const auto [zipMany, zipManyAnchor] = zipTimes();
    mfbench::Goal("zip-10000-documents", zipMany, zipManyAnchor, "s", 1.5);
    return mfbench::Finish();
}
