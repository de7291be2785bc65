// Builds the package of <root>/a/x.txt from 20 documents, alternating between two versions
// of them (version 1 once; 2, 1, 2, ... in a loop) until it is killed. Each round holds the
// save lock of x.txt, as a save does. The package kill test runs it and kills it at random
// moments. On a file system without flagged renames (simulated): "plain-once" builds
// version 1, "plain-die N" builds version 2 and kills itself after the Nth step of putting
// it in place (ends normally when there are fewer), "plain-open" does what opening x.txt
// does to its package. Usage: package_build_helper <root> once|loop|plain-once|plain-die N|plain-open
#include "attachments/package_builder.h"
#include "attachments/attachment_list.h"
#include "core/app_state.h"
#include "platform/atomic_file.h"
#include "platform/fs.h"
#include "platform/save_lock.h"

#include <QCoreApplication>
#include <csignal>
#include <cstdlib>

using namespace mf;

namespace {

QByteArray listOf(const QString& root, int version) {
    QString files;
    for (int i = 1; i <= 20; ++i)
        files += QStringLiteral("<file><fileXh>%1</fileXh><fileName>文件%1</fileName><fileTitle>文件%1</fileTitle>"
                                "<fileUrl>%2/s%3/d%1.jpg</fileUrl></file>")
                     .arg(i)
                     .arg(root.toHtmlEscaped())
                     .arg(version);
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<offer type=\"VORELXL\" name=\"采矿权申请登记书\"><attachments>"
                          "<attachment fjid=\"A1\"><fjxh>1</fjxh><fjmc>营业执照</fjmc><dzjs>20</dzjs><fjms/>"
                          "<fileList>%1</fileList></attachment></attachments></offer>\n")
        .arg(files)
        .toUtf8();
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 3) return 2;
    const QString root = QString::fromLocal8Bit(argv[1]);
    const QByteArray mode = argv[2];
    const bool loop = mode == "loop";
    const bool plain = mode.startsWith("plain-");
    failFlaggedRenamesForTesting(plain);
    int steps = 0;
    if (mode == "plain-die") {
        if (argc < 4) return 2;
        const int dieAt = std::atoi(argv[3]);
        setPackageStepHookForTesting([&steps, dieAt] {
            if (++steps == dieAt) std::raise(SIGKILL);
        });
    }
    AppState& st = state();
    st.CurrentKind = 1;
    st.KindMarker[1] = kindMarker(1);
    st.KindTempDir[1] = root + QStringLiteral("/tempZip/") + kindMarker(1) + u'/';
    fs::makeDirPath(st.KindTempDir[1]);
    fs::makeDirPath(root + QStringLiteral("/a"));
    const QString saved = root + QStringLiteral("/a/x.txt");
    if (mode == "plain-open") {
        const SaveLock lock(saved);
        if (!lock.acquired()) return 1;
        RecoverPackage(saved);
        return 0;
    }
    for (int round = 0;; ++round) {
        const int version = loop ? 2 - round % 2 : mode == "plain-die" ? 2 : 1;
        const SaveLock lock(saved);
        if (!lock.acquired()) return 1;
        if (!writeFileAtomic(workListPath(1), listOf(root, version)) ||
            !writeFileAtomic(saved, QByteArray("version ") + QByteArray::number(version)))
            return 1;
        if (BuildPackage(saved, saved).outcome != PackageReport::Outcome::Built) return 1;
        if (!loop) return 0;
    }
}
