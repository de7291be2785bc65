#include "attachments/list_document.h"
#include "attachments/attachment_list.h"
#include "test_support.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <chrono>
#include <gtest/gtest.h>
#include <random>
#include <thread>

using namespace mf;

namespace {

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList entries(const QString& dir) {
    QStringList names = QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    names.sort();
    return names;
}

// The version (1 or 2) of which the package folder is a complete package, else a description
// of what is wrong with it. withUserFiles: it also holds the user's notes.txt and
// 营业执照/草稿.doc.
QString packageVersion(const QString& F, bool withUserFiles = false) {
    QStringList top{"VOREL.xck", "材料清单.txt", "采矿权申请登记书.txt", "营业执照"};
    if (withUserFiles) {
        top << "notes.txt";
        if (bytesOf(F + "/notes.txt") != "mine" || bytesOf(F + "/营业执照/草稿.doc") != "draft") return "user files";
    }
    top.sort();
    if (entries(F) != top) return "entries: " + entries(F).join(',');
    const QByteArray copy = bytesOf(F + "/采矿权申请登记书.txt");
    if (copy != "version 1" && copy != "version 2") return "copy: " + QString::fromUtf8(copy);
    const char v = copy.back();
    QStringList expected;
    for (int i = 1; i <= 20; ++i) expected << QStringLiteral("文件%1.jpg").arg(i);
    if (withUserFiles) expected << "草稿.doc";
    expected.sort();
    if (entries(F + "/营业执照") != expected) return "documents: " + entries(F + "/营业执照").join(',');
    for (int i = 1; i <= 20; ++i) {
        const QByteArray doc = bytesOf(F + QStringLiteral("/营业执照/文件%1.jpg").arg(i));
        if (!doc.startsWith(QByteArray("v") + v + "-doc-" + QByteArray::number(i) + ";")) return "mixed document " + QString::number(i);
    }
    ListDocument list;
    if (!list.load(F + "/VOREL.xck")) return "list unreadable";
    const pugi::xml_node m = list.materials().first().node();
    if (nodeText(m, ".//dzjs") != "20") return "dzjs " + nodeText(m, ".//dzjs");
    int i = 0;
    for (const pugi::xpath_node& f : fileEntries(m))
        if (nodeText(f.node(), ".//fileUrl") != QStringLiteral("Local:\\\\文件%1.jpg").arg(++i)) return "list entry";
    if (bytesOf(F + "/材料清单.txt").count("\r\n") != 21) return "material list";
    return QString(QChar(v));
}

void makeDocuments(const QString& root) {
    for (int v = 1; v <= 2; ++v) {
        QDir().mkpath(root + QStringLiteral("/s%1").arg(v));
        for (int i = 1; i <= 20; ++i) {
            QFile f(root + QStringLiteral("/s%1/d%2.jpg").arg(v).arg(i));
            if (!f.open(QIODevice::WriteOnly)) return;
            QByteArray doc = "v" + QByteArray::number(v) + "-doc-" + QByteArray::number(i) + ";";
            doc.append(QByteArray(32 * 1024, char('a' + i)));
            f.write(doc);
        }
    }
}

bool putFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace

// On a file system that refuses the flags of renameat2 (NTFS or exFAT through FUSE), the
// package goes into place by plain renames. A save killed after any step of that, replacing
// version 1 by version 2 in a folder that also holds the user's files, is put right by the
// next open or save: the newest whole package in place, the user's files in it, nothing
// hidden left.
TEST(PackageKillTest, APackageSwappedByPlainRenamesIsWholeAfterAKillAtAnyStep) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString root = dir.path();
    makeDocuments(root);
    const QString helper = QStringLiteral(MF_PACKAGE_BUILD_HELPER);
    const QString F = root + "/a/x";
    int step = 1;
    for (;; ++step) {
        SCOPED_TRACE(step);
        QDir(root + "/a").removeRecursively();
        ASSERT_EQ(QProcess::execute(helper, {root, "plain-once"}), 0);
        ASSERT_TRUE(putFile(F + "/notes.txt", "mine") && putFile(F + "/营业执照/草稿.doc", "draft"));
        QProcess p;
        p.start(helper, {root, "plain-die", QString::number(step)});
        ASSERT_TRUE(p.waitForFinished());
        if (p.exitStatus() == QProcess::NormalExit) {
            ASSERT_EQ(p.exitCode(), 0);
            break;  // every step has been killed once
        }
        // The next open puts version 2 in place; the next save builds version 1 again.
        const bool open = step % 2 == 0;
        ASSERT_EQ(QProcess::execute(helper, {root, open ? "plain-open" : "plain-once"}), 0);
        EXPECT_EQ(packageVersion(F, true), open ? "2" : "1");
        for (const QString& e : entries(root + "/a"))
            EXPECT_FALSE(e.startsWith(".x.") && !e.startsWith(".x.txt.")) << e.toStdString();
    }
    EXPECT_GT(step, 25);  // the swap, the user's files and the old package's removal
    EXPECT_EQ(packageVersion(F, true), "2");
}

// A save killed at any moment leaves the old or the new package, complete, with no
// temporary file in it; the next save clears what the killed one left beside it.
TEST(PackageKillTest, AKilledSaveLeavesTheOldOrTheNewPackageWhole) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString root = dir.path();
    makeDocuments(root);
    const QString helper = QStringLiteral(MF_PACKAGE_BUILD_HELPER);
    const QString F = root + "/a/x";
    QElapsedTimer once;
    once.start();
    ASSERT_EQ(QProcess::execute(helper, {root, "once"}), 0);
    const qint64 onceUs = qMax<qint64>(1000, once.nsecsElapsed() / 1000);
    ASSERT_EQ(packageVersion(F), "1");

    std::mt19937 rng(20261209);
    std::uniform_int_distribution<qint64> delay(0, 3 * onceUs / 2);
    for (int kill = 0; kill < 50; ++kill) {
        QProcess p;
        p.start(helper, {root, "loop"});
        ASSERT_TRUE(p.waitForStarted());
        std::this_thread::sleep_for(std::chrono::microseconds(delay(rng)));
        p.kill();
        p.waitForFinished();
        const QString v = packageVersion(F);
        EXPECT_TRUE(v == "1" || v == "2") << "after kill " << kill << ": " << v.toStdString();
    }
    ASSERT_EQ(QProcess::execute(helper, {root, "once"}), 0);
    // Neither the package's nor x.txt's own temporary files are left.
    for (const QString& e : entries(root + "/a")) EXPECT_FALSE(e.startsWith(".x.")) << e.toStdString();
}
