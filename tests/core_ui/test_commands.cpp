#include "commands_fixture.h"

#include "platform/atomic_file.h"
#include "platform/save_lock.h"
#include "platform/text_file.h"
#include "strict_xml.h"

#include <QDir>
#include <QLockFile>
#include <QProcess>
#include <QRegularExpression>

using namespace mf;
using namespace mf::test;

TEST_F(CommandsTest, TextRoundTripBringsEveryFieldBackOnAllKinds) {
    for (int kind = 1; kind <= kKindCount; ++kind) {
        EditorWindow* e = open(kind);
        ASSERT_TRUE(e) << kind;
        typeInto(e);
        EXPECT_TRUE(state().KindChanged[kind]);
        EXPECT_TRUE(main_->toolbarButtonAvailable("SAVE"));
        const QStringList typed = snapshot(e);

        const QString file = path(QStringLiteral("kind%1").arg(kind));
        saveAs("SAVETXT", file);
        EXPECT_EQ(dialogs_.lastMessage().text, "报盘文件保存成功...") << dialogs_.messageTexts().join("; ").toStdString();
        EXPECT_EQ(state().KindFilePath[kind], file + ".txt");
        ASSERT_TRUE(closeEditor(kind));
        EXPECT_FALSE(main_->editor(kind));

        openConfirmed(file + ".txt");
        e = main_->editor(kind);
        ASSERT_TRUE(e) << kind;
        const QStringList loaded = snapshot(e);
        for (int i = 0; i < qMin(typed.size(), loaded.size()); ++i)
            EXPECT_EQ(loaded[i], typed[i]) << kind;
        EXPECT_EQ(loaded.size(), typed.size());
        EXPECT_FALSE(state().KindChanged[kind]);
        EXPECT_EQ(state().KindFilePath[kind], file + ".txt");
        ASSERT_TRUE(closeEditor(kind));
    }
}

TEST_F(CommandsTest, XmlRoundTripBringsEveryFieldBackOnAllKinds) {
    for (int kind = 1; kind <= kKindCount; ++kind) {
        EditorWindow* e = open(kind);
        ASSERT_TRUE(e) << kind;
        typeInto(e);
        const QStringList typed = snapshot(e);
        const QString file = path(QStringLiteral("kind%1.XML").arg(kind));  // any case counts
        saveAs("SAVEXML", file);
        EXPECT_EQ(dialogs_.lastMessage().text, "报盘文件保存成功...");
        EXPECT_EQ(strictXmlError(fileBytes(file)), "") << kind;
        EXPECT_EQ(state().KindFilePath[kind], file);
        EXPECT_FALSE(main_->toolbarButtonAvailable("SAVE"));
        ASSERT_TRUE(closeEditor(kind));

        openConfirmed(file);
        e = main_->editor(kind);
        ASSERT_TRUE(e) << kind;
        EXPECT_EQ(snapshot(e), typed) << kind;
        EXPECT_EQ(state().CurrentKind, kind);
        EXPECT_EQ(main_->fileText(), file);
        EXPECT_FALSE(main_->toolbarButtonAvailable("SAVE"));
        ASSERT_TRUE(closeEditor(kind));
    }
    EXPECT_TRUE(dialogs_.scriptDone());
}

TEST_F(CommandsTest, SaveShowsTheWorkingTextWhileTheDialogIsOpenAndRestoresIt) {
    EditorWindow* e = open(3);
    e->setText(ControlArray::ChTXT, 0, "申请人甲");
    const QString before = main_->activityText();
    saveAs("SAVETXT", path("a.txt"));
    ASSERT_EQ(dialogs_.activityDuringSave, QStringList{"形成岩勘录件文件..."});
    EXPECT_EQ(main_->activityText(), before);
    ASSERT_EQ(dialogs_.fileDialogs().size(), 1);
    EXPECT_EQ(dialogs_.fileDialogs()[0].kind, FileDialogKind::Save);
    EXPECT_EQ(dialogs_.fileDialogs()[0].request.filters, QStringList{"报盘文本文件(*.txt)"});
    const ShownMessage ok = dialogs_.lastMessage();
    EXPECT_EQ(ok.title, "提示");
    EXPECT_EQ(ok.icon, MsgIcon::Information);
    EXPECT_EQ(main_->fileText(), path("a.txt"));
    EXPECT_TRUE(state().PendingFile.isEmpty());
}

TEST_F(CommandsTest, CancelInTheSaveDialogEndsSilentlyAndChangesNothing) {
    EditorWindow* e = open(4);
    e->setText(ControlArray::ChTXT, 0, "申请人乙");
    const QString before = main_->activityText();
    dialogs_.cancelFile();
    main_->Toolbar_ButtonMenuClick("SAVEXML");
    EXPECT_TRUE(dialogs_.messages().isEmpty());
    EXPECT_TRUE(state().KindChanged[4]);
    EXPECT_TRUE(state().KindFilePath[4].isEmpty());
    EXPECT_TRUE(state().PendingFile.isEmpty());
    EXPECT_TRUE(main_->toolbarButtonAvailable("SAVE"));
    EXPECT_EQ(main_->activityText(), before);
    EXPECT_TRUE(QDir(dir_.path()).isEmpty());
}

TEST_F(CommandsTest, OverwriteQuestionYesRewritesTheCurrentFileNoAsksForANewOne) {
    EditorWindow* e = open(1);
    e->setText(ControlArray::ChTXT, 0, "第一版");
    saveAs("SAVETXT", path("x.txt"));
    dialogs_.clear();

    // Yes: no dialog, the current file is rewritten.
    e->setText(ControlArray::ChTXT, 0, "第二版");
    dialogs_.answer(MsgAnswer::Yes);
    main_->Toolbar_ButtonMenuClick("SAVETXT");
    ASSERT_EQ(dialogs_.messages().size(), 2);
    EXPECT_EQ(dialogs_.messages()[0].text, "是否覆盖当前文件内容?");
    EXPECT_EQ(dialogs_.messages()[0].icon, MsgIcon::Question);
    EXPECT_EQ(dialogs_.messages()[1].text, "报盘文件保存成功...");
    EXPECT_TRUE(dialogs_.fileDialogs().isEmpty());
    EXPECT_TRUE(decodeGb18030(fileBytes(path("x.txt"))).contains("第二版"));
    EXPECT_FALSE(state().KindChanged[1]);

    // No: the dialog; the new file becomes the kind's file.
    dialogs_.clear();
    e->setText(ControlArray::ChTXT, 0, "第三版");
    dialogs_.answer(MsgAnswer::No).chooseFile(path("y.txt"));
    main_->Toolbar_ButtonMenuClick("SAVETXT");
    EXPECT_EQ(dialogs_.fileDialogs().size(), 1);
    EXPECT_EQ(state().KindFilePath[1], path("y.txt"));
    EXPECT_EQ(main_->fileText(), path("y.txt"));
    EXPECT_TRUE(QFileInfo::exists(path("x.txt")));
    EXPECT_TRUE(dialogs_.scriptDone());

    // Two saves in a row without a change both write.
    dialogs_.clear();
    dialogs_.answer(MsgAnswer::Yes);
    EXPECT_TRUE(commands::SaveText(main_.get()));
    EXPECT_EQ(dialogs_.lastMessage().text, "报盘文件保存成功...");
}

TEST_F(CommandsTest, TheOverwriteOfferNeedsAnExistingFileOfTheCommandsType) {
    EditorWindow* e = open(2);
    e->setText(ControlArray::ChTXT, 0, "申请人");
    saveAs("SAVEXML", path("c.xml"));
    dialogs_.clear();
    // Current file is XML: "SAVETXT" opens the dialog at once.
    e->setText(ControlArray::ChTXT, 0, "申请人丙");
    saveAs("SAVETXT", path("c.txt"));
    EXPECT_EQ(dialogs_.messageTexts(), QStringList{"报盘文件保存成功..."});
    EXPECT_EQ(state().KindFilePath[2], path("c.txt"));
    // The current text file deleted meanwhile: the dialog again.
    QFile::remove(path("c.txt"));
    dialogs_.clear();
    e->setText(ControlArray::ChTXT, 0, "申请人丁");
    saveAs("SAVETXT", path("d.txt"));
    EXPECT_EQ(dialogs_.messageTexts(), QStringList{"报盘文件保存成功..."});
    EXPECT_EQ(state().KindFilePath[2], path("d.txt"));
}

TEST_F(CommandsTest, TheCommandsExtensionIsAppendedBeforeTheOverwriteQuestion) {
    EditorWindow* e = open(6);
    e->setText(ControlArray::ChTXT, 0, "转让人");
    ASSERT_TRUE(writeBytes(path("old.txt"), "previous"));
    // "old" becomes old.txt, which exists: the question, No keeps it.
    dialogs_.chooseFile(path("old")).answer(MsgAnswer::No);
    main_->Toolbar_ButtonMenuClick("SAVETXT");
    EXPECT_EQ(dialogs_.messageTexts(), QStringList{"文件已经存在,是否覆盖?"});
    EXPECT_EQ(fileBytes(path("old.txt")), "previous");
    EXPECT_TRUE(state().KindFilePath[6].isEmpty());
    EXPECT_TRUE(state().KindChanged[6]);
    EXPECT_FALSE(QFileInfo::exists(path("old")));
    // Yes overwrites.
    dialogs_.clear();
    dialogs_.chooseFile(path("old")).answer(MsgAnswer::Yes);
    main_->Toolbar_ButtonMenuClick("SAVETXT");
    EXPECT_NE(fileBytes(path("old.txt")), "previous");
    EXPECT_EQ(state().KindFilePath[6], path("old.txt"));
    // Another extension gets the command's appended; an upper-case one is kept.
    e->setText(ControlArray::ChTXT, 0, "转让人二");
    saveAs("SAVEXML", path("n.dat"));
    EXPECT_EQ(state().KindFilePath[6], path("n.dat.xml"));
    e->setText(ControlArray::ChTXT, 0, "转让人三");
    saveAs("SAVETXT", path("UP.TXT"));
    EXPECT_EQ(state().KindFilePath[6], path("UP.TXT"));
    EXPECT_TRUE(dialogs_.scriptDone());
}

TEST_F(CommandsTest, AFailedWriteSaysWhyAndChangesNothing) {
    EditorWindow* e = open(7);
    e->setText(ControlArray::ChTXT, 0, "采矿权人");
    QDir(dir_.path()).mkdir("folder.txt");
    QDir(dir_.path()).mkdir("locked");
    ASSERT_TRUE(writeBytes(path("locked/x.txt"), "writable file"));
    struct Case {
        QString target;
        QString message;  // "" when only a reason is expected
    };
    QList<Case> cases = {
        {path("missing/sub/x.txt"), ""},  // a folder that does not exist
        // A folder, not a file: refused before any question about overwriting it.
        {path("folder.txt"), "文件保存失败：" + path("folder.txt") + "：同名的文件夹已经存在"},
        {QStringLiteral("/proc/mf-save-test.txt"), ""},  // a place nobody may write, root included
    };
    if (!runningAsRoot())  // a writable file in a folder that takes no new file
        cases.append({path("locked/x.txt"),
                      "文件保存失败：" + path("locked/x.txt") + "：文件夹没有写入权限：" + path("locked")});
    for (const Case& c : cases) {
        dialogs_.clear();
        dialogs_.chooseFile(c.target);
        if (c.target.endsWith("locked/x.txt")) dialogs_.answer(MsgAnswer::Yes);
        {
            std::unique_ptr<ReadOnlyFolder> readOnly;
            if (c.target.endsWith("locked/x.txt")) readOnly = std::make_unique<ReadOnlyFolder>(path("locked"));
            main_->Toolbar_ButtonMenuClick("SAVETXT");
        }
        const ShownMessage m = dialogs_.lastMessage();
        EXPECT_TRUE(m.text.startsWith("文件保存失败：")) << m.text.toStdString();
        EXPECT_GT(m.text.size(), QStringLiteral("文件保存失败：").size());
        if (!c.message.isEmpty()) {
            EXPECT_EQ(dialogs_.messageTexts(), QStringList{c.message});
        }
        EXPECT_EQ(m.title, "错误");
        EXPECT_EQ(m.icon, MsgIcon::Critical);
        EXPECT_TRUE(state().KindFilePath[7].isEmpty());
        EXPECT_TRUE(state().KindChanged[7]);
        EXPECT_TRUE(state().PendingFile.isEmpty());
        EXPECT_TRUE(main_->toolbarButtonAvailable("SAVE"));
        EXPECT_TRUE(dialogs_.scriptDone());
    }
    EXPECT_TRUE(QFileInfo(path("folder.txt")).isDir());
    EXPECT_FALSE(QFileInfo::exists(path("missing")));
}

TEST_F(CommandsTest, AFailedOverwriteKeepsTheCurrentFileAndState) {
    EditorWindow* e = open(3);
    e->setText(ControlArray::ChTXT, 0, "原申请人");
    for (const char* command : {"SAVETXT", "SAVEXML"}) {
        SCOPED_TRACE(command);
        const QString name = QString::fromLatin1(command) == "SAVETXT" ? "申请.txt" : "申请.xml";
        const QByteArray saved = "[登记项目]\r\n";
        ASSERT_TRUE(writeBytes(path(name), saved));
        state().KindFilePath[3] = path(name);
        main_->setFileText(path(name));
        e->setText(ControlArray::ChTXT, 0, "新申请人");
        dialogs_.clear();
        dialogs_.answer(MsgAnswer::Yes);
        {
            // The disk takes no more than a few bytes of any file.
            FileSizeLimit limit(8);
            main_->Toolbar_ButtonMenuClick(command);
        }
        EXPECT_EQ(dialogs_.messages()[0].text, "是否覆盖当前文件内容?");
        const QString shown = dialogs_.lastMessage().text;
        EXPECT_TRUE(shown.startsWith("文件保存失败：" + path(name))) << shown.toStdString();
        EXPECT_TRUE(shown.contains("文件超过了允许的大小")) << shown.toStdString();
        EXPECT_EQ(state().KindFilePath[3], path(name));
        EXPECT_EQ(main_->fileText(), path(name));
        EXPECT_TRUE(state().KindChanged[3]);
        EXPECT_TRUE(main_->toolbarButtonAvailable("SAVE"));
        EXPECT_EQ(fileBytes(path(name)), saved);
        EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden).filter(".tmp"), QStringList());
    }
}

TEST_F(CommandsTest, ValidationFailureShowsItsMessageAndNoDialog) {
    EditorWindow* e = open(3);
    e->setText(ControlArray::ChTXT, 4, "2010-2-30");
    main_->Toolbar_ButtonMenuClick("SAVETXT");
    ASSERT_EQ(dialogs_.messages().size(), 1);
    EXPECT_EQ(dialogs_.messages()[0].text, e->fieldName(ControlArray::ChTXT, 4) + "应填写日期型数据...");
    EXPECT_TRUE(dialogs_.fileDialogs().isEmpty());
    EXPECT_TRUE(state().KindChanged[3]);
}

TEST_F(CommandsTest, SavesNeedAnActiveForm) {
    EXPECT_FALSE(commands::SaveText(main_.get()));
    EXPECT_FALSE(commands::SaveXmlFile(main_.get()));
    EXPECT_FALSE(commands::SaveForClose(main_.get(), 0));
    EXPECT_FALSE(commands::SaveText(nullptr));
    EXPECT_TRUE(dialogs_.messages().isEmpty());
    EXPECT_TRUE(dialogs_.fileDialogs().isEmpty());
}

TEST_F(CommandsTest, ValidatedFieldsCarryTheirNamesOnEveryForm) {
    for (int kind = 1; kind <= kKindCount; ++kind) {
        EditorWindow* e = open(kind);
        ASSERT_TRUE(e);
        const QList<int> present = e->indexes(ControlArray::ChTXT);
        for (const auto* list : {&validatedDateFields(kind), &validatedNumberFields(kind)})
            for (const CheckedField& f : *list) {
                ASSERT_TRUE(present.contains(f.index)) << kind << " " << f.index;
                EXPECT_EQ(e->fieldName(ControlArray::ChTXT, f.index), QString::fromUtf8(f.fieldName))
                    << kind << " " << f.index;
            }
    }
}

// Another program saving the same file keeps this save from writing anything; a lock left
// by a program that has ended does not.
TEST_F(CommandsTest, ASaveWaitsForAnotherProgramsSaveOfTheSameFileAndTakesOverAStaleLock) {
    setSaveLockWait(100);
    EditorWindow* e = open(3);
    const QByteArray saved = "[登记项目]\r\n";
    ASSERT_TRUE(writeBytes(path("申请.txt"), saved));
    state().KindFilePath[3] = path("申请.txt");
    e->setText(ControlArray::ChTXT, 0, "新申请人");
    {
        QLockFile other(path("申请.txt.lock"));
        ASSERT_TRUE(other.lock());
        dialogs_.answer(MsgAnswer::Yes);
        main_->Toolbar_ButtonMenuClick("SAVETXT");
        EXPECT_EQ(dialogs_.lastMessage().text, "文件正由其他程序保存，请稍后再试。");
        EXPECT_EQ(fileBytes(path("申请.txt")), saved);
        EXPECT_TRUE(state().KindChanged[3]);
        EXPECT_EQ(state().KindFilePath[3], path("申请.txt"));
    }
    // The lock of a program that has ended.
    QProcess ended;
    ended.start("sleep", {"0.1"});
    ASSERT_TRUE(ended.waitForStarted());
    const qint64 pid = ended.processId();
    ASSERT_TRUE(ended.waitForFinished());
    ASSERT_TRUE(writeBytes(path("申请.txt.lock"), QByteArray::number(pid) + "\nmining-filer\n\n"));
    dialogs_.clear();
    dialogs_.answer(MsgAnswer::Yes);
    main_->Toolbar_ButtonMenuClick("SAVETXT");
    EXPECT_EQ(dialogs_.lastMessage().text, "报盘文件保存成功...");
    EXPECT_NE(fileBytes(path("申请.txt")), saved);
    EXPECT_FALSE(QFileInfo::exists(path("申请.txt.lock")));
    setSaveLockWait(5000);
}

// A save killed while writing leaves its temporary file, named after its target; the next
// save of that file removes it and no file of anyone else.
TEST_F(CommandsTest, ASaveRemovesWhatAKilledSaveOfTheSameFileLeftAndNothingElse) {
    auto leftoverOf = [](const QString& target) {
        AtomicFileWriter w(target);
        EXPECT_TRUE(w.open());
        const QString temp = w.temporaryPath();
        w.cancel();
        EXPECT_TRUE(writeBytes(temp, "half"));
        return QFileInfo(temp).fileName();
    };
    EditorWindow* e = open(3);
    ASSERT_TRUE(writeBytes(path("申请.txt"), "[登记项目]\r\n"));
    state().KindFilePath[3] = path("申请.txt");
    e->setText(ControlArray::ChTXT, 0, "新申请人");
    const QString own = leftoverOf(path("申请.txt"));
    EXPECT_TRUE(QRegularExpression("^\\.申请\\.txt\\.[0-9a-f]{8}\\.tmp$").match(own).hasMatch()) << own.toStdString();
    // Names cut to fit the name limit still tell two targets apart.
    const QString longName = QString(80, u'矿');
    const QString longOwn = leftoverOf(path(longName + ".txt"));
    EXPECT_LE(QFile::encodeName(longOwn).size(), NAME_MAX);
    QStringList others = {leftoverOf(path("申请.txt.bak")), leftoverOf(path(longName + ".xml"))};
    for (const QString& name : {".申请.txt.tmp", ".申请.txt.0000000g.tmp", "申请.txt.12345678.tmp", ".mf12345678.tmp"}) {
        ASSERT_TRUE(writeBytes(path(name), "the user's"));
        others << name;
    }
    ASSERT_TRUE(QFile::link(path("申请.txt.bak"), path(".申请.txt.89abcdef.tmp")));
    others << ".申请.txt.89abcdef.tmp";

    dialogs_.answer(MsgAnswer::Yes);
    main_->Toolbar_ButtonMenuClick("SAVETXT");
    EXPECT_EQ(dialogs_.lastMessage().text, "报盘文件保存成功...");
    { const SaveLock lock(path(longName + ".txt")); }
    const QStringList left = QDir(dir_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    EXPECT_FALSE(left.contains(own));
    EXPECT_FALSE(left.contains(longOwn));
    for (const QString& name : others) EXPECT_TRUE(left.contains(name)) << name.toStdString();
}
