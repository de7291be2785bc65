#include "platform/fs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace mf;

namespace {
void touch(const QString& path, const QByteArray& bytes = "x") {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    f.write(bytes);
}
QByteArray nativePath(const QString& p) { return QFile::encodeName(p); }
} // namespace

TEST(FileExists, OnlyReadableRegularFiles) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("a.txt"));
    touch(file);
    EXPECT_TRUE(fs::fileExists(file));
    EXPECT_FALSE(fs::fileExists(QString()));
    EXPECT_FALSE(fs::fileExists(dir.path()));
    EXPECT_FALSE(fs::fileExists(dir.filePath(QStringLiteral("missing.txt"))));

    // A FIFO would block an open for reading; it is not a file here.
    const QString fifo = dir.filePath(QStringLiteral("fifo"));
    ASSERT_EQ(::mkfifo(nativePath(fifo).constData(), 0644), 0);
    EXPECT_FALSE(fs::fileExists(fifo));

    // A link to a file counts as the file; a dangling link does not.
    const QString link = dir.filePath(QStringLiteral("link"));
    ASSERT_TRUE(QFile::link(file, link));
    EXPECT_TRUE(fs::fileExists(link));
    QFile::remove(file);
    EXPECT_FALSE(fs::fileExists(link));
}

TEST(MakeDirPath, CreatesEveryLevelAndIsIdempotent) {
    QTemporaryDir dir;
    const QString deep = dir.filePath(QStringLiteral("a/b/c/"));
    EXPECT_TRUE(fs::makeDirPath(deep));
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("a/b/c"))).isDir());
    EXPECT_TRUE(fs::makeDirPath(deep));
    EXPECT_FALSE(fs::makeDirPath(QString()));

    // A file in the way is reported, not replaced.
    touch(dir.filePath(QStringLiteral("f")));
    EXPECT_FALSE(fs::makeDirPath(dir.filePath(QStringLiteral("f/g"))));
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("f"))).isFile());
}

TEST(DeleteDirTree, RemovesReadOnlyHiddenAndNestedEntries) {
    QTemporaryDir dir;
    const QString root = dir.filePath(QStringLiteral("包"));
    ASSERT_TRUE(QDir().mkpath(root + QStringLiteral("/材料/sub/.hidden-dir")));
    touch(root + QStringLiteral("/VOREL.xck"));
    touch(root + QStringLiteral("/.hidden"));
    touch(root + QStringLiteral("/材料/sub/.hidden-dir/x"));
    const QString readOnly = root + QStringLiteral("/材料/readonly.txt");
    touch(readOnly);
    ASSERT_EQ(::chmod(nativePath(readOnly).constData(), 0444), 0);
    // A folder without any permission bits, with something inside.
    const QString locked = root + QStringLiteral("/locked");
    ASSERT_TRUE(QDir().mkpath(locked));
    touch(locked + QStringLiteral("/inside"));
    ASSERT_EQ(::chmod(nativePath(locked).constData(), 0), 0);

    QString error;
    EXPECT_TRUE(fs::deleteDirTree(root, &error)) << error.toStdString();
    EXPECT_FALSE(QFileInfo::exists(root));
    EXPECT_TRUE(QFileInfo(dir.path()).isDir());
}

TEST(DeleteDirTree, NeverFollowsLinks) {
    QTemporaryDir dir;
    const QString outside = dir.filePath(QStringLiteral("outside"));
    ASSERT_TRUE(QDir().mkpath(outside));
    touch(outside + QStringLiteral("/precious.txt"));
    const QString outsideFile = dir.filePath(QStringLiteral("file.txt"));
    touch(outsideFile);

    const QString root = dir.filePath(QStringLiteral("tree"));
    ASSERT_TRUE(QDir().mkpath(root + QStringLiteral("/sub")));
    ASSERT_TRUE(QFile::link(outside, root + QStringLiteral("/sub/to-folder")));
    ASSERT_TRUE(QFile::link(outsideFile, root + QStringLiteral("/to-file")));

    EXPECT_TRUE(fs::deleteDirTree(root));
    EXPECT_FALSE(QFileInfo::exists(root));
    EXPECT_TRUE(QFileInfo(outside + QStringLiteral("/precious.txt")).isFile());
    EXPECT_TRUE(QFileInfo(outsideFile).isFile());

    // The folder given is itself a link: only the link goes.
    const QString linkRoot = dir.filePath(QStringLiteral("link-root"));
    ASSERT_TRUE(QFile::link(outside, linkRoot));
    EXPECT_TRUE(fs::deleteDirTree(linkRoot));
    EXPECT_FALSE(QFileInfo(linkRoot).isSymLink());
    EXPECT_TRUE(QFileInfo(outside + QStringLiteral("/precious.txt")).isFile());
}

TEST(DeleteDirTree, GuardRefusesDangerousFolders) {
    QString error;
    EXPECT_FALSE(fs::deleteDirTree(QString(), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(fs::deleteDirTree(QStringLiteral("   ")));
    EXPECT_FALSE(fs::deleteDirTree(QStringLiteral("/")));
    EXPECT_FALSE(fs::deleteDirTree(QStringLiteral("//")));
    EXPECT_FALSE(fs::deleteDirTree(QDir::homePath()));
    EXPECT_FALSE(fs::deleteDirTree(QDir::homePath() + QStringLiteral("/")));
    EXPECT_FALSE(fs::deleteDirTree(QDir::homePath() + QStringLiteral("/x/..")));
    EXPECT_TRUE(QFileInfo(QDir::homePath()).isDir());

    // A protected folder, anything above it, and a link leading to it are refused;
    // a folder beside it is not.
    QTemporaryDir dir;
    const QString data = dir.filePath(QStringLiteral("program/DICT"));
    ASSERT_TRUE(QDir().mkpath(data));
    touch(data + QStringLiteral("/系统词典.db"));
    fs::addProtectedDir(data);
    EXPECT_FALSE(fs::deleteDirTree(data, &error));
    EXPECT_FALSE(fs::deleteDirTree(dir.filePath(QStringLiteral("program"))));
    EXPECT_FALSE(fs::deleteDirTree(dir.path()));
    const QString link = dir.filePath(QStringLiteral("data-link"));
    ASSERT_TRUE(QFile::link(data, link));
    EXPECT_FALSE(fs::deleteDirTree(link));
    EXPECT_TRUE(QFileInfo(data + QStringLiteral("/系统词典.db")).isFile());

    const QString beside = dir.filePath(QStringLiteral("program/tempZip"));
    ASSERT_TRUE(QDir().mkpath(beside));
    EXPECT_TRUE(fs::deleteDirTree(beside));
}

TEST(DeleteDirTree, MissingFolderOrFileIsReported) {
    QTemporaryDir dir;
    QString error;
    EXPECT_FALSE(fs::deleteDirTree(dir.filePath(QStringLiteral("missing")), &error));
    EXPECT_FALSE(error.isEmpty());
    const QString file = dir.filePath(QStringLiteral("plain.txt"));
    touch(file);
    EXPECT_FALSE(fs::deleteDirTree(file));
    EXPECT_TRUE(QFileInfo(file).isFile());
}

TEST(FindInDir, ExactSpellingFirstThenTheOneCaseInsensitiveMatch) {
    QTemporaryDir dir;
    touch(dir.filePath(QStringLiteral("VOREL.XCK")));
    EXPECT_EQ(fs::findInDir(dir.path(), QStringLiteral("VOREL.xck")), dir.filePath(QStringLiteral("VOREL.XCK")));
    EXPECT_EQ(fs::findInDir(dir.path(), QStringLiteral("vorel.xck")), dir.filePath(QStringLiteral("VOREL.XCK")));

    // With the exact spelling present, it wins.
    touch(dir.filePath(QStringLiteral("VOREL.xck")));
    EXPECT_EQ(fs::findInDir(dir.path(), QStringLiteral("VOREL.xck")), dir.filePath(QStringLiteral("VOREL.xck")));
    EXPECT_EQ(fs::findInDir(dir.path(), QStringLiteral("VOREL.XCK")), dir.filePath(QStringLiteral("VOREL.XCK")));
    // Two entries differ only in case and neither is exact: no guess.
    EXPECT_EQ(fs::findInDir(dir.path(), QStringLiteral("Vorel.Xck")), QString());

    // Folders are found too; Chinese names have no case.
    ASSERT_TRUE(QDir().mkpath(dir.filePath(QStringLiteral("材料A"))));
    EXPECT_EQ(fs::findInDir(dir.path(), QStringLiteral("材料a")), dir.filePath(QStringLiteral("材料A")));
    EXPECT_EQ(fs::findInDir(dir.path(), QStringLiteral("材料清单.txt")), QString());

    // Only single names are looked up.
    EXPECT_EQ(fs::findInDir(dir.path(), QString()), QString());
    EXPECT_EQ(fs::findInDir(dir.path(), QStringLiteral("..")), QString());
    EXPECT_EQ(fs::findInDir(dir.path(), QStringLiteral("../x")), QString());
    EXPECT_EQ(fs::findInDir(dir.filePath(QStringLiteral("missing")), QStringLiteral("x")), QString());
}

TEST(Extension, TextAfterTheLastPointOfTheFileName) {
    EXPECT_EQ(fs::extension(QStringLiteral("/a/x.txt")), QStringLiteral("txt"));
    EXPECT_EQ(fs::extension(QStringLiteral("/a/X.TXT")), QStringLiteral("TXT"));
    EXPECT_EQ(fs::extension(QStringLiteral("/a/x.tar.gz")), QStringLiteral("gz"));
    EXPECT_EQ(fs::extension(QStringLiteral("/a.b/x")), QString());
    EXPECT_EQ(fs::extension(QStringLiteral("/a/x.")), QString());
    EXPECT_EQ(fs::extension(QStringLiteral("/a/README")), QString());
    EXPECT_EQ(fs::extension(QStringLiteral("申请.xml")), QStringLiteral("xml"));
    EXPECT_TRUE(fs::sameName(QStringLiteral("XML"), QStringLiteral("xml")));
    EXPECT_TRUE(fs::sameName(QStringLiteral("VOREL.xck"), QStringLiteral("VOREL.XCK")));
    EXPECT_FALSE(fs::sameName(QStringLiteral("txt"), QStringLiteral("xml")));
}
