#include "platform/text_file.h"
#include "test_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace mf;

namespace {
QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
void writeRaw(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
} // namespace

TEST(Gb18030, GbkCharactersKeepTheirGbkBytes) {
    // 采 = B2 C9, 矿 = BF F3; € is 0x80 in GBK but A2 E3 in GB18030.
    EXPECT_EQ(encodeGb18030(QStringLiteral("采矿A")), QByteArray("\xB2\xC9\xBF\xF3" "A"));
    EXPECT_EQ(decodeGb18030(QByteArray("\xB2\xC9\xBF\xF3")), QStringLiteral("采矿"));
}

TEST(Gb18030, CharactersOutsideGbkRoundTrip) {
    const QString text = QStringLiteral("𠀀㐀€•🙂 and ASCII");
    const QByteArray bytes = encodeGb18030(text);
    EXPECT_FALSE(bytes.contains('?'));
    bool ok = false;
    EXPECT_EQ(decodeGb18030(bytes, &ok), text);
    EXPECT_TRUE(ok);
    EXPECT_EQ(encodeGb18030(QStringLiteral("𠀀")), QByteArray("\x95\x32\x82\x36"));
}

TEST(Gb18030, ALoneByte80IsTheWindowsEuro) {
    const struct {
        QByteArray bytes;
        QString text;
    } cases[] = {
        {"\x80", QStringLiteral("€")},
        {"\xB2\xC9\x80" "5", QStringLiteral("采€5")},
        {"\x81\x80", decodeGb18030("\x81\x80")},   // 0x80 as a trail byte stays one character
        {"\x81\x30\x81\x30\x80", QStringLiteral("\u0080€")},
    };
    for (const auto& c : cases) {
        bool ok = false;
        EXPECT_EQ(decodeGb18030(c.bytes, &ok), c.text);
        EXPECT_TRUE(ok);
    }
    EXPECT_EQ(decodeGb18030("\x81\x80").size(), 1);
    EXPECT_FALSE(decodeGb18030("\x81\x80").contains(u'€'));
}

TEST(Gb18030, WhatAGbkReaderCanRead) {
    for (const char* s : {"", "ASCII 1,2", "采矿权人 甲", "，。（）"})
        EXPECT_TRUE(readableAsGbk(QString::fromUtf8(s))) << s;
    // Outside GBK, or written in other bytes than GBK's (€ is 0x80 there).
    for (const char* s : {"𠀀", "䶮", "€", "🙂", "甲•乙"})
        EXPECT_FALSE(readableAsGbk(QString::fromUtf8(s))) << s;
}

TEST(Gb18030, InvalidBytesAreReported) {
    bool ok = true;
    const QString text = decodeGb18030(QByteArray("A\xFF" "B"), &ok);
    EXPECT_FALSE(ok);
    EXPECT_TRUE(text.startsWith(u'A'));
}

TEST(SplitLines, AcceptsEveryLineEnd) {
    EXPECT_EQ(splitLines(QStringLiteral("a\r\nb\nc\rd")),
              (QStringList{"a", "b", "c", "d"}));
    EXPECT_EQ(splitLines(QStringLiteral("a\r\n")), QStringList{"a"});
    EXPECT_EQ(splitLines(QStringLiteral("a\r\n\r\n")), (QStringList{"a", ""}));
    EXPECT_EQ(splitLines(QStringLiteral("\n\nx")), (QStringList{"", "", "x"}));
    EXPECT_EQ(splitLines(QStringLiteral("a\n\rb")), (QStringList{"a", "", "b"}));   // LF then lone CR
    EXPECT_TRUE(splitLines(QString()).isEmpty());
    EXPECT_EQ(splitLines(QStringLiteral("no end")), QStringList{"no end"});
}

TEST(TextFile, WritesGb18030WithCrLfAndReadsItBack) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("申请.txt"));
    const QStringList lines{QStringLiteral("[KVD]"), QStringLiteral("矿区名称=𠀀山矿"), QString(),
                            QStringLiteral("面积=1.234")};
    QString error;
    ASSERT_TRUE(writeTextLines(path, lines, &error)) << error.toStdString();
    const QByteArray bytes = readAll(path);
    EXPECT_TRUE(bytes.startsWith("[KVD]\r\n"));
    EXPECT_TRUE(bytes.endsWith("\r\n\r\n\xC3\xE6\xBB\xFD=1.234\r\n"));   // 面积 in GBK
    EXPECT_EQ(bytes.count('\n'), 4);
    EXPECT_EQ(bytes.count('\r'), 4);

    const TextReadResult read = readTextLines(path);
    ASSERT_TRUE(read.ok);
    EXPECT_FALSE(read.droppedCharacters);
    EXPECT_EQ(read.lines, lines);
}

TEST(TextFile, ReadsLfOnlyAndLoneCrFiles) {
    QTemporaryDir dir;
    const QString lf = dir.filePath(QStringLiteral("lf.txt"));
    const QString cr = dir.filePath(QStringLiteral("cr.txt"));
    writeRaw(lf, QByteArray("\xB2\xC9\xBF\xF3\nb\n"));
    writeRaw(cr, QByteArray("a\r\xB2\xC9\xBF\xF3\rc"));
    EXPECT_EQ(readTextLines(lf).lines, (QStringList{QStringLiteral("采矿"), "b"}));
    EXPECT_EQ(readTextLines(cr).lines, (QStringList{"a", QStringLiteral("采矿"), "c"}));
}

TEST(TextFile, EmptyFileHasNoLines) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("empty.txt"));
    ASSERT_TRUE(writeTextLines(path, {}));
    EXPECT_EQ(QFileInfo(path).size(), 0);
    const TextReadResult read = readTextLines(path);
    EXPECT_TRUE(read.ok);
    EXPECT_TRUE(read.lines.isEmpty());
}

TEST(TextFile, MissingFileIsAnErrorWithReason) {
    QTemporaryDir dir;
    const TextReadResult read = readTextLines(dir.filePath(QStringLiteral("missing.txt")));
    EXPECT_FALSE(read.ok);
    EXPECT_FALSE(read.error.isEmpty());
    EXPECT_FALSE(readTextLines(QString()).ok);
    EXPECT_FALSE(readTextLines(dir.path()).ok);   // a folder
}

TEST(AtomicWrite, ReplacesTheWholeFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.txt"));
    ASSERT_TRUE(writeFileAtomic(path, QByteArray("a much longer old content")));
    ASSERT_TRUE(writeFileAtomic(path, QByteArray("new")));
    EXPECT_EQ(readAll(path), QByteArray("new"));
    // No temporary file is left behind.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"a.txt"});
}

TEST(AtomicWrite, FailureReportsAReasonAndKeepsTheOldFile) {
    QTemporaryDir dir;
    QString error;
    // A folder in the way: the write fails, the folder and its content stay.
    const QString folder = dir.filePath(QStringLiteral("folder.txt"));
    ASSERT_TRUE(QDir().mkpath(folder));
    writeRaw(folder + QStringLiteral("/inside"), QByteArray("keep"));
    EXPECT_FALSE(writeTextLines(folder, {QStringLiteral("x")}, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_EQ(readAll(folder + QStringLiteral("/inside")), QByteArray("keep"));

    // A folder on the way that does not exist.
    error.clear();
    EXPECT_FALSE(writeFileAtomic(dir.filePath(QStringLiteral("no/such/x.txt")), "x", &error));
    EXPECT_FALSE(error.isEmpty());

    // An empty path.
    EXPECT_FALSE(writeFileAtomic(QString(), "x", &error));
}

TEST(AtomicWrite, NewContentArrivesByRenameNotInPlace) {
    // A second name of the old file still sees the old bytes: the old file was never
    // truncated or rewritten, so an interrupted write could not have damaged it.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("申请.txt"));
    const QString second = dir.filePath(QStringLiteral("second-name"));
    ASSERT_TRUE(writeTextLines(path, {QStringLiteral("旧内容")}));
    ASSERT_EQ(::link(QFile::encodeName(path).constData(), QFile::encodeName(second).constData()), 0);
    ASSERT_TRUE(writeTextLines(path, {QStringLiteral("新内容")}));
    EXPECT_EQ(readTextLines(path).lines, QStringList{QStringLiteral("新内容")});
    EXPECT_EQ(readTextLines(second).lines, QStringList{QStringLiteral("旧内容")});
}

TEST(AtomicWrite, FailedWriteBelowAFileLeavesTheFileAlone) {
    QTemporaryDir dir;
    const QString old = dir.filePath(QStringLiteral("old.txt"));
    ASSERT_TRUE(writeTextLines(old, {QStringLiteral("旧内容")}));
    QString error;
    EXPECT_FALSE(writeTextLines(old + QStringLiteral("/child.txt"), {QStringLiteral("new")}, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(readTextLines(old).lines, QStringList{QStringLiteral("旧内容")});
}

namespace {
enum class Fault { SizeLimit, ReadOnlyFolder, DirectoryTarget, NameTooLong };
struct FaultCase {
    Fault fault;
    const char* reason;
};
} // namespace

// Every way a write can fail leaves the previous file byte-identical, leaves no temporary
// file and names the file and the cause in Chinese; both the in-memory and the streaming
// writer behave alike.
TEST(AtomicWrite, EveryFailureKeepsThePreviousFileAndSaysWhy) {
    const FaultCase cases[] = {
        {Fault::SizeLimit, "文件超过了允许的大小"},
        {Fault::ReadOnlyFolder, "没有写入权限"},
        {Fault::DirectoryTarget, "同名的文件夹已经存在"},
        {Fault::NameTooLong, "文件名过长"},
    };
    const QByteArray old("old content of the application");
    const QByteArray big(3 << 20, 'x');   // bigger than the copy's pieces
    for (const FaultCase& c : cases) {
        if (c.fault == Fault::ReadOnlyFolder && test::runningAsRoot())
            continue;
        for (bool streaming : {false, true}) {
            SCOPED_TRACE(std::string(c.reason) + (streaming ? " (copy)" : ""));
            QTemporaryDir dir;
            const QString source = dir.filePath(QStringLiteral("source.bin"));
            writeRaw(source, big);
            const QString folder = dir.filePath(QStringLiteral("out"));
            ASSERT_TRUE(QDir().mkpath(folder));
            QString path = folder + QStringLiteral("/申请.txt");
            if (c.fault == Fault::DirectoryTarget)
                ASSERT_TRUE(QDir().mkpath(path));
            else if (c.fault == Fault::NameTooLong)
                path = folder + u'/' + QString(200, QChar(u'矿')) + QStringLiteral(".txt");
            else
                writeRaw(path, old);

            QString error;
            bool ok = false;
            {
                std::unique_ptr<test::FileSizeLimit> limit;
                std::unique_ptr<test::ReadOnlyFolder> readOnly;
                if (c.fault == Fault::SizeLimit)
                    limit = std::make_unique<test::FileSizeLimit>(1024);
                if (c.fault == Fault::ReadOnlyFolder)
                    readOnly = std::make_unique<test::ReadOnlyFolder>(folder);
                ok = streaming ? copyFileAtomic(source, path, &error) : writeFileAtomic(path, big, &error);
            }
            EXPECT_FALSE(ok);
            EXPECT_TRUE(error.contains(path)) << error.toStdString();
            EXPECT_TRUE(error.contains(QString::fromUtf8(c.reason))) << error.toStdString();
            if (c.fault == Fault::DirectoryTarget) {
                EXPECT_TRUE(QFileInfo(path).isDir());
            } else if (c.fault != Fault::NameTooLong) {
                EXPECT_EQ(readAll(path), old);
            }
            const QStringList left = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
            EXPECT_LE(left.size(), 1) << left.join(u' ').toStdString();
        }
    }
}

// A writable file in a folder that takes no new file: the reason names the folder. The write
// runs as an ordinary user (a child process gives up root's rights, as root writes anywhere).
TEST(AtomicWrite, AFolderThatTakesNoNewFileIsNamedAsTheCause) {
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("只读文件夹"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString path = folder + QStringLiteral("/申请.txt");
    writeRaw(path, "old");
    ::chmod(QFile::encodeName(dir.path()).constData(), 0755);
    ::chmod(QFile::encodeName(path).constData(), 0666);
    ::chmod(QFile::encodeName(folder).constData(), 0555);
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(fds[0]);
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(2);
        QString error;
        const bool written = writeFileAtomic(path, "new", &error);
        const QByteArray reason = error.toUtf8();
        const bool sent = ::write(fds[1], reason.constData(), size_t(reason.size())) == reason.size();
        ::_exit(written || !sent ? 1 : 0);
    }
    ::close(fds[1]);
    QByteArray reason;
    char buffer[512];
    for (ssize_t n; (n = ::read(fds[0], buffer, sizeof buffer)) > 0;)
        reason.append(buffer, n);
    ::close(fds[0]);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ::chmod(QFile::encodeName(folder).constData(), 0755);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(QString::fromUtf8(reason), path + QStringLiteral("：文件夹没有写入权限：") + folder);
    EXPECT_EQ(readAll(path), "old");
}

TEST(AtomicWrite, ASymlinkAtTheTargetIsReplacedNotWrittenThrough) {
    QTemporaryDir dir;
    const QString elsewhere = dir.filePath(QStringLiteral("elsewhere.txt"));
    const QString link = dir.filePath(QStringLiteral("申请.txt"));
    writeRaw(elsewhere, "not mine to change");
    ASSERT_TRUE(QFile::link(elsewhere, link));
    for (bool streaming : {false, true}) {
        const QString source = dir.filePath(QStringLiteral("source.bin"));
        writeRaw(source, "new");
        ASSERT_TRUE(streaming ? copyFileAtomic(source, link) : writeFileAtomic(link, "new"));
        EXPECT_FALSE(QFileInfo(link).isSymLink());
        EXPECT_EQ(readAll(link), QByteArray("new"));
        EXPECT_EQ(readAll(elsewhere), QByteArray("not mine to change"));
        QFile::remove(link);
        ASSERT_TRUE(QFile::link(elsewhere, link));
    }
}

TEST(AtomicWrite, CopyStreamsALargeFileWhole) {
    QTemporaryDir dir;
    QByteArray big;
    for (int i = 0; i < 300000; ++i)
        big += QByteArray::number(i) + ',';
    const QString source = dir.filePath(QStringLiteral("图纸.pdf"));
    const QString target = dir.filePath(QStringLiteral("copy.pdf"));
    writeRaw(source, big);
    writeRaw(target, "old");
    QString error;
    ASSERT_TRUE(copyFileAtomic(source, target, &error)) << error.toStdString();
    EXPECT_EQ(readAll(target), big);
    EXPECT_FALSE(copyFileAtomic(dir.filePath(QStringLiteral("missing.pdf")), target, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("missing.pdf")));
    EXPECT_EQ(readAll(target), big);
}
