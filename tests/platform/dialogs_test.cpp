#include "platform/dialogs.h"
#include "platform/scripted_dialogs.h"

#include <gtest/gtest.h>

using namespace mf;

namespace {
// A command as the program writes one: asks, then opens a save dialog.
QString saveCommand() {
    if (!dialogs().askYesNo(QStringLiteral("是否覆盖当前文件内容?")))
        return QStringLiteral("asked");
    FileDialogRequest req;
    req.title = QStringLiteral("保存");
    req.filters = {QStringLiteral("报盘文本文件(*.txt)"), QStringLiteral("交换标准文件(*.xml)")};
    req.filterIndex = 1;
    const FileDialogResult r = dialogs().saveFile(req);
    if (!r.accepted)
        return QStringLiteral("cancelled");
    dialogs().info(QStringLiteral("报盘文件保存成功..."));
    return r.path;
}
} // namespace

TEST(Dialogs, UnsetDialogsAnswerSafely) {
    setDialogs(nullptr);
    EXPECT_EQ(installedDialogs(), nullptr);
    EXPECT_EQ(dialogs().message(QStringLiteral("t"), QStringLiteral("x"), MsgIcon::Question, MsgButtons::YesNo),
              MsgAnswer::No);
    EXPECT_EQ(dialogs().message(QStringLiteral("t"), QStringLiteral("x"), MsgIcon::Information), MsgAnswer::Ok);
    EXPECT_FALSE(dialogs().openFile({}).accepted);
    EXPECT_FALSE(dialogs().saveFile({}).accepted);
}

TEST(ScriptedDialogs, AnswersInOrderAndRecordsEverything) {
    ScriptedDialogs d;
    d.answer(MsgAnswer::Yes).chooseFile(QStringLiteral("/tmp/申请.txt"));
    d.install();
    EXPECT_EQ(installedDialogs(), &d);

    EXPECT_EQ(saveCommand(), QStringLiteral("/tmp/申请.txt"));
    ASSERT_EQ(d.messages().size(), 2);
    const ShownMessage& ask = d.messages().at(0);
    EXPECT_EQ(ask.title, QStringLiteral("提示"));
    EXPECT_EQ(ask.text, QStringLiteral("是否覆盖当前文件内容?"));
    EXPECT_EQ(ask.icon, MsgIcon::Question);
    EXPECT_EQ(ask.buttons, MsgButtons::YesNo);
    EXPECT_EQ(ask.answer, MsgAnswer::Yes);
    EXPECT_EQ(d.lastMessage().text, QStringLiteral("报盘文件保存成功..."));
    EXPECT_EQ(d.lastMessage().icon, MsgIcon::Information);

    ASSERT_EQ(d.fileDialogs().size(), 1);
    const ShownFileDialog& f = d.fileDialogs().at(0);
    EXPECT_EQ(f.kind, FileDialogKind::Save);
    EXPECT_EQ(f.request.title, QStringLiteral("保存"));
    EXPECT_EQ(f.request.filters.size(), 2);
    EXPECT_EQ(f.result.filterIndex, 1);   // the filter the dialog opened with
    EXPECT_TRUE(d.scriptDone());
}

TEST(ScriptedDialogs, OkBoxesDoNotTakeQueuedAnswers) {
    ScriptedDialogs d;
    d.install();
    d.answer(MsgAnswer::No);
    dialogs().error(QStringLiteral("文件保存失败：x"));
    EXPECT_EQ(d.pendingAnswers(), 1);
    EXPECT_FALSE(dialogs().askYesNo(QStringLiteral("保存吗?")));
    EXPECT_EQ(d.messageTexts(), (QStringList{QStringLiteral("文件保存失败：x"), QStringLiteral("保存吗?")}));
    EXPECT_EQ(d.messages().at(0).icon, MsgIcon::Critical);
    EXPECT_EQ(d.messages().at(0).title, QStringLiteral("错误"));
    EXPECT_TRUE(d.scriptDone());
}

TEST(ScriptedDialogs, RunningOutGivesTheDefaultAndIsRecorded) {
    ScriptedDialogs d;
    d.install();
    EXPECT_EQ(saveCommand(), QStringLiteral("asked"));   // default No
    EXPECT_TRUE(d.ranOut());
    EXPECT_FALSE(d.messages().at(0).scripted);
    EXPECT_FALSE(d.scriptDone());

    d.clear();
    d.setDefaultAnswer(MsgAnswer::Yes);
    EXPECT_EQ(saveCommand(), QStringLiteral("cancelled"));   // file dialog ran out: cancelled
    EXPECT_TRUE(d.ranOut());
    ASSERT_EQ(d.fileDialogs().size(), 1);
    EXPECT_FALSE(d.fileDialogs().at(0).scripted);
    EXPECT_FALSE(d.fileDialogs().at(0).result.accepted);
}

TEST(ScriptedDialogs, CancelAndFilterChoice) {
    ScriptedDialogs d;
    d.install();
    d.answer(MsgAnswer::Yes).cancelFile();
    EXPECT_EQ(saveCommand(), QStringLiteral("cancelled"));
    EXPECT_TRUE(d.scriptDone());

    d.chooseFile(QStringLiteral("/x/a.xml"), 0);
    FileDialogRequest req;
    req.filterIndex = 2;
    const FileDialogResult r = dialogs().openFile(req);
    EXPECT_TRUE(r.accepted);
    EXPECT_EQ(r.path, QStringLiteral("/x/a.xml"));
    EXPECT_EQ(r.filterIndex, 0);
    EXPECT_EQ(d.fileDialogs().last().kind, FileDialogKind::Open);

    // Unused script entries are visible.
    d.answer(MsgAnswer::Yes).chooseFile(QStringLiteral("/y"));
    EXPECT_EQ(d.pendingAnswers(), 1);
    EXPECT_EQ(d.pendingFiles(), 1);
    EXPECT_FALSE(d.scriptDone());
}

TEST(ScriptedDialogs, UninstallsItselfWhenDestroyed) {
    {
        ScriptedDialogs d;
        d.install();
    }
    EXPECT_EQ(installedDialogs(), nullptr);
    // The stand-in answers again; nothing dangles.
    EXPECT_FALSE(dialogs().askYesNo(QStringLiteral("?")));

    ScriptedDialogs kept;
    kept.install();
    {
        ScriptedDialogs other;   // never installed: leaves the installed one alone
    }
    EXPECT_EQ(installedDialogs(), &kept);
}
