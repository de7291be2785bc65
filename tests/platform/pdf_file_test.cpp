// The PDF file of a printout: the proposed name fits the file system, 否 to replacing a file
// goes back to the file dialog, and the dialog opens where the last PDF went.
#include "platform/pdf_file.h"
#include "platform/scripted_dialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace mf;

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

TEST(PdfFileName, FitsTheFileSystemsNameLimitAtACharacter) {
    const QString stem = QStringLiteral("采矿权申请登记书");
    struct Case {
        QString detail;
        QString expected;   // empty: cut to fit
    };
    const Case cases[] = {
        {QStringLiteral("某某铁矿"), QStringLiteral("采矿权申请登记书-某某铁矿.pdf")},
        {QStringLiteral(" a/b:c*? "), QStringLiteral("采矿权申请登记书-abc.pdf")},
        {QString(), QStringLiteral("采矿权申请登记书.pdf")},
        {QStringLiteral("铁").repeated(200), QString()},
        {QStringLiteral("x") + QStringLiteral("\U00020000").repeated(100), QString()},   // four bytes each
    };
    QTemporaryDir dir;
    for (const Case& c : cases) {
        const QString name = pdfFileName(stem, c.detail);
        if (!c.expected.isEmpty()) {
            EXPECT_EQ(name, c.expected);
            continue;
        }
        const QByteArray bytes = QFile::encodeName(name);
        EXPECT_LE(bytes.size(), 255) << name.toStdString();
        EXPECT_GT(bytes.size(), 250) << name.toStdString();   // cut, not emptied
        EXPECT_EQ(QFile::decodeName(bytes), name);             // no character split
        EXPECT_TRUE(name.endsWith(QStringLiteral(".pdf")));
        EXPECT_TRUE((stem + u'-' + c.detail).startsWith(name.chopped(4)));
        // The file system takes it, through the temporary file beside it.
        PdfFile file(dir.filePath(name));
        ASSERT_TRUE(file.open()) << file.message().toStdString();
        writeFile(file.temporaryPath(), "%PDF-1.4\n%%EOF\n");
        EXPECT_TRUE(file.commit()) << file.message().toStdString();
        EXPECT_TRUE(QFile::exists(dir.filePath(name)));
    }
}

TEST(AskPdfPath, NoToReplacingGoesBackToTheDialogWhichOpensWhereTheLastPdfWent) {
    ScriptedDialogs d;
    d.install();
    QTemporaryDir dir;
    const QString old = dir.filePath(QStringLiteral("旧.pdf"));
    writeFile(old, "%PDF-1.4\n%%EOF\n");

    d.chooseFile(old).answer(MsgAnswer::No).chooseFile(dir.filePath(QStringLiteral("新")));
    const QString path = askPdfPath(QStringLiteral("矿区图.pdf"));
    EXPECT_EQ(path, dir.filePath(QStringLiteral("新.pdf")));
    EXPECT_EQ(d.messageTexts(), QStringList{QStringLiteral("文件已经存在,是否覆盖?")});
    ASSERT_EQ(d.fileDialogs().size(), 2);
    EXPECT_EQ(d.fileDialogs().at(0).request.title, QStringLiteral("打印到文件"));
    EXPECT_EQ(d.fileDialogs().at(1).request.fileName, old);   // back where the user was
    EXPECT_TRUE(d.scriptDone());

    // Written there, the next printout's dialog opens in that folder with its own name.
    PdfFile file(path);
    ASSERT_TRUE(file.open());
    writeFile(file.temporaryPath(), "%PDF-1.4\n%%EOF\n");
    ASSERT_TRUE(file.commit());
    d.clear();
    d.cancelFile();
    EXPECT_TRUE(askPdfPath(QStringLiteral("采矿权新立申请材料清单.pdf")).isEmpty());
    EXPECT_EQ(d.fileDialogs().at(0).request.fileName,
              QDir(QFileInfo(path).absolutePath()).filePath(QStringLiteral("采矿权新立申请材料清单.pdf")));
    EXPECT_EQ(d.fileDialogs().at(0).request.title, QStringLiteral("打印到文件"));
}

// Any name typed gives a name ending in ".pdf"; replacing defaults to 否; a name too long is named.
TEST(AskPdfPath, ThePdfAlwaysEndsInPdfAndReplacingOneDefaultsToNo) {
    const struct { QString typed, written; bool exists; } cases[] = {
        {"k2", "k2.pdf", false}, {"k2.xml", "k2.xml.pdf", false}, {"X.txt", "X.txt.pdf", true},
        {"VOREL.xck", "VOREL.xck.pdf", false}, {"a.PDF", "a.PDF", true}, {"a.pdf.pdf", "a.pdf.pdf", true},
        {QString(252, u'x'), "", false}};
    QTemporaryDir dir;
    PdfFile last(dir.filePath("gone/上次.pdf"));   // its folder goes: the dialog opens in the nearest one left
    ASSERT_TRUE(QDir(dir.path()).mkdir("gone") && last.open());
    writeFile(last.temporaryPath(), "%PDF-1.4\n%%EOF\n");
    ASSERT_TRUE(last.commit() && QDir(dir.filePath("gone")).removeRecursively());
    for (const auto& c : cases) {
        ScriptedDialogs d;
        d.install().chooseFile(dir.filePath(c.typed)).answer(MsgAnswer::Yes).cancelFile();
        writeFile(dir.filePath(c.typed), "the user's file");
        if (c.exists) writeFile(dir.filePath(c.written), "%PDF-1.4\n%%EOF\n");
        EXPECT_EQ(askPdfPath("矿区图.pdf"), c.written.isEmpty() ? QString() : dir.filePath(c.written)) << c.typed.size();
        EXPECT_EQ(d.messageTexts().join(""), c.written.isEmpty() ? "文件名过长" : c.exists ? "文件已经存在,是否覆盖?" : "");
        EXPECT_EQ(d.lastMessage().buttons, c.exists ? MsgButtons::YesNoDefaultNo : MsgButtons::Ok);
        const FileDialogRequest first = d.fileDialogs().first().request;
        EXPECT_EQ(QStringList({first.directory, first.fileName}), QStringList({dir.path(), dir.filePath("矿区图.pdf")}));
        EXPECT_EQ(d.fileDialogs().last().request.fileName == dir.filePath(c.typed), c.written.isEmpty());
    }
}
