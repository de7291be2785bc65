#include "commands_fixture.h"
#include "attachments/submission_save.h"
#include "core/dictionary.h"
#include "core/text_submission.h"
#include "platform/text_file.h"

#include "platform/ui/qt_dialogs.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <QDir>
#include <QMdiArea>

using namespace mf;
using namespace mf::test;

namespace {

const QString kReadError = QStringLiteral("文件格式不正确,提取数据不完整...");

class OpenTest : public CommandsTest {
protected:
    // Saves an application of the kind whose applicant is the given text, then closes it.
    QString savedFile(int kind, const QString& name, const QString& applicant) {
        EditorWindow* e = open(kind);
        e->setText(ControlArray::ChTXT, 0, applicant);
        const bool xml = name.endsWith(".xml");
        dialogs_.chooseFile(path(name));
        main_->Toolbar_ButtonMenuClick(xml ? "SAVEXML" : "SAVETXT");
        EXPECT_EQ(dialogs_.lastMessage().text, "报盘文件保存成功...");
        closeEditor(kind);
        dialogs_.clear();
        return path(name);
    }
    QString applicant(int kind) const { return main_->editor(kind)->text(ControlArray::ChTXT, 0); }
};

} // namespace

TEST_F(OpenTest, UnsupportedFilesAreRefusedWithTheMessage) {
    QDir(dir_.path()).mkpath("a.b");
    for (const QString& f : {path("x.doc"), path("README"), path("a.b/x"), path("x.")}) {
        writeBytes(f, "[登记项目]\r\n");
        dialogs_.clear();
        commands::OpenSubmissionFile(main_.get(), f);
        ASSERT_EQ(dialogs_.messages().size(), 1) << f.toStdString();
        EXPECT_EQ(dialogs_.messages()[0].text, "系统不支持该类型文件，请重新选择！");
        EXPECT_EQ(dialogs_.messages()[0].title, "岩契录件");
        EXPECT_EQ(dialogs_.messages()[0].icon, MsgIcon::None);
    }
    for (int k = 1; k <= kKindCount; ++k) EXPECT_FALSE(state().KindOpen[k]);
}

TEST_F(OpenTest, TheOpenButtonUsesThePathAsChosen) {
    QDir(dir_.path()).mkpath("Mixed Case");
    const QString file = savedFile(3, "Mixed Case/Antrag.TXT", "申请人甲");
    dialogs_.chooseFile(file).answer(MsgAnswer::Yes);
    main_->Toolbar_ButtonClick("OPEN");
    ASSERT_TRUE(main_->editor(3));
    EXPECT_EQ(state().KindFilePath[3], file);
    EXPECT_EQ(main_->fileText(), file);
    EXPECT_EQ(applicant(3), "申请人甲");
    EXPECT_EQ(dialogs_.messages()[0].text, kindConfirmation(3));
    // The dialog offers the three kinds of file and starts with the previous name.
    ASSERT_EQ(dialogs_.fileDialogs().size(), 1);
    EXPECT_EQ(dialogs_.fileDialogs()[0].request.filters.size(), 3);
    dialogs_.clear();
    dialogs_.cancelFile();
    main_->Toolbar_ButtonClick("OPEN");
    EXPECT_EQ(dialogs_.fileDialogs()[0].request.fileName, file);
    EXPECT_TRUE(dialogs_.messages().isEmpty());
}

TEST_F(OpenTest, DecliningTheKindLoadsNothingAndWritesNothing) {
    const QString file = savedFile(5, "area.xml", "矿区甲");
    const QByteArray bytes = fileBytes(file);
    dialogs_.answer(MsgAnswer::No);
    commands::OpenSubmissionFile(main_.get(), file);
    EXPECT_EQ(dialogs_.messageTexts(), QStringList{kindConfirmation(5)});
    EXPECT_FALSE(state().KindOpen[5]);
    EXPECT_FALSE(main_->editor(5));
    EXPECT_TRUE(state().PendingFile.isEmpty());
    EXPECT_EQ(fileBytes(file), bytes);

    // Declined for an open editor with changes: no question, the changes stay.
    EditorWindow* e = open(5);
    e->setText(ControlArray::ChTXT, 0, "未保存");
    dialogs_.clear();
    dialogs_.answer(MsgAnswer::No);
    commands::OpenSubmissionFile(main_.get(), file);
    EXPECT_EQ(dialogs_.messageTexts(), QStringList{kindConfirmation(5)});
    EXPECT_EQ(applicant(5), "未保存");
    EXPECT_TRUE(state().KindChanged[5]);
}

// A file that holds a field twice loads with the last value, says so once, and counts as
// changed: saving it again is the user's choice.
TEST_F(OpenTest, AFileWithARepeatedFieldSaysSoOnceAndCountsAsChanged) {
    for (const char* name : {"dup.txt", "dup.xml"}) {
        SCOPED_TRACE(name);
        const QString file = savedFile(3, name, "甲");
        open(3);
        const QString field = main_->editor(3)->fieldName(ControlArray::ChTXT, 0);
        closeEditor(3);
        QByteArray bytes = fileBytes(file);
        if (QString(name).endsWith(".txt")) {
            bytes += encodeGb18030(dictionary().textKeyMap(3).byFieldName(field)->Value + "=乙\r\n");
        } else {
            const QByteArray element = dictionary().xmlNameMap(3).byFieldName(field)->Value.toUtf8();
            bytes.replace("</DATA>", "<" + element + ">乙</" + element + "></DATA>");
        }
        ASSERT_TRUE(writeBytes(file, bytes));
        dialogs_.clear();
        openConfirmed(file);
        EXPECT_EQ(dialogs_.messageTexts(),
                  (QStringList{kindConfirmation(3), "文件中以下字段重复出现，已取最后一个：" + field}));
        EXPECT_EQ(applicant(3), "乙");
        EXPECT_EQ(state().KindFilePath[3], file);
        EXPECT_TRUE(state().KindChanged[3]);
        EXPECT_TRUE(main_->toolbarButtonAvailable("SAVE"));
        EXPECT_EQ(fileBytes(file), bytes);
        dialogs_.clear();
        dialogs_.answer(MsgAnswer::No);   // the question before closing a changed form
        ASSERT_TRUE(closeEditor(3));
    }
}

// Keys of a file that the form does not get (the dictionary in use does not know them, or
// names fields the form does not carry) are named once after loading, and fields of the form
// that the dictionary gives no key once on opening. A save by either road asks before
// dropping or leaving out any of them: 否 leaves the file as it is and the form changed,
// 是 saves, and the file reopens with what was saved.
TEST_F(OpenTest, UnknownKeysAreNamedAndASaveOverTheirFileAsksFirst) {
    const QString formless = "文件中以下键所属的字段不在当前表单上，", noKey = "当前数据词典中没有以下字段的键，保存时不能写入文件：申请人";
    const struct {
        const char* dict;        // under tests/fixtures/dict; "": the shipped one
        int kind;
        QString txtKey, xmlKey, field;   // %1 of the messages: the key and the field the dictionary gives it
        bool added;                      // a value under the key is added to the saved file
        QStringList named, asked, reopened;
    } cases[] = {
        {"", 3, "XL_旧键", "EL_OLD", "", true, {"文件中以下字段不在当前数据词典中，未读入：%1"},
         {"文件中以下字段不在当前数据词典中，保存后将从文件中删除：%1\n是否仍然保存?"}, {}},
        {"kind2-extra-field.mdb", 2, "B_统一社会信用代码", "E_TYSHXYDM", "统一社会信用代码", true, {formless + "未读入：%1"},
         {formless + "保存后将从文件中删除：%1\n是否仍然保存?"}, {}},
        {"kind2-reworded-field.mdb", 2, "申请人", "SQR", "申请人名称", false, {noKey, formless + "未读入：%1"},
         {formless + "保存后将从文件中删除：%1\n是否仍然保存?", noKey + "\n是否仍然保存?"}, {noKey}},
    };
    int saved = 0;
    for (const auto& c : cases)
        for (const QString road : {"txt", "xml", "attachment window"}) {
            SCOPED_TRACE((c.dict + (" " + road)).toStdString());
            const bool txt = road != "xml";
            const QString file = savedFile(c.kind, QString::number(++saved) + (txt ? ".txt" : ".xml"), "甲");
            const QString key = txt ? c.txtKey : c.xmlKey, named = key + (c.field.isEmpty() ? "" : "（" + c.field + "）");
            QByteArray bytes = fileBytes(file);
            if (c.added)
                bytes = txt ? bytes + encodeGb18030(key + "=旧值\r\n")
                            : bytes.replace("</DATA>", ("<" + key + ">旧值</" + key + "></DATA>").toUtf8());
            ASSERT_TRUE(writeBytes(file, bytes));
            if (*c.dict) ASSERT_TRUE(dictionary().open(test::sourceDir() + "/tests/fixtures/dict/" + c.dict));
            dialogs_.clear();
            openConfirmed(file);
            EXPECT_EQ(dialogs_.messageTexts(), QStringList{kindConfirmation(c.kind)} + QStringList(c.named).replaceInStrings("%1", named));
            EXPECT_FALSE(state().KindChanged[c.kind]);
            main_->editor(c.kind)->setText(ControlArray::ChTXT, 0, "乙");
            for (const bool agree : {false, true}) {   // 否 to the last question, then 是 to all
                dialogs_.clear();
                dialogs_.answer(MsgAnswer::Yes);
                for (int i = 0; i < c.asked.size(); ++i) dialogs_.answer(agree || i + 1 < c.asked.size() ? MsgAnswer::Yes : MsgAnswer::No);
                if (road == "attachment window") SaveSubmission(main_->editor(c.kind), 0);
                else main_->Toolbar_ButtonMenuClick(txt ? "SAVETXT" : "SAVEXML");
                EXPECT_EQ(dialogs_.messageTexts().mid(1, c.asked.size()), QStringList(c.asked).replaceInStrings("%1", named));
                EXPECT_EQ(dialogs_.messages().value(int(c.asked.size())).buttons, MsgButtons::YesNoDefaultNo);
                EXPECT_EQ(fileBytes(file) == bytes, !agree);
                EXPECT_EQ(state().KindChanged[c.kind], !agree);
            }
            ASSERT_TRUE(closeEditor(c.kind));
            dialogs_.clear();
            openConfirmed(file);
            EXPECT_EQ(dialogs_.messageTexts(), QStringList{kindConfirmation(c.kind)} + c.reopened);
            EXPECT_EQ(applicant(c.kind), c.added ? "乙" : "");
            ASSERT_TRUE(closeEditor(c.kind));
            ASSERT_TRUE(dictionary().open(test::shippedDictionary()));
        }
}

TEST_F(OpenTest, FilesThatAreGoneOrNoFilesSaySoAndLoadNothing) {
    const QString gone = savedFile(4, "gone.txt", "甲");
    QFile::remove(gone);  // deleted between the dialog and the open
    QDir(dir_.path()).mkdir("folder.txt");
    for (const QString& f : {gone, path("folder.txt"), path("nothing.xml")}) {
        dialogs_.clear();
        commands::OpenSubmissionFile(main_.get(), f);
        EXPECT_EQ(dialogs_.messageTexts(), QStringList{kReadError}) << f.toStdString();
        EXPECT_EQ(dialogs_.lastMessage().title, "错误");
    }
    for (int k = 1; k <= kKindCount; ++k) EXPECT_FALSE(state().KindOpen[k]);
    EXPECT_TRUE(state().PendingFile.isEmpty());
}

TEST_F(OpenTest, ForeignFilesAreRejectedByTheKindCheck) {
    writeBytes(path("plain.txt"), "just some notes\r\nnothing else\r\n");
    writeBytes(path("other.xml"), "<?xml version=\"1.0\"?><APP><HEADER><APP_TYPE>x</APP_TYPE></HEADER></APP>");
    writeBytes(path("broken.xml"), "<APP><HEADER>");
    for (const char* f : {"plain.txt", "other.xml", "broken.xml"}) {
        dialogs_.clear();
        commands::OpenSubmissionFile(main_.get(), path(f));
        ASSERT_EQ(dialogs_.messages().size(), 1) << f;
        EXPECT_EQ(dialogs_.messages()[0].title, "错误") << f;
        EXPECT_TRUE(state().PendingFile.isEmpty());
    }
    for (int k = 1; k <= kKindCount; ++k) EXPECT_FALSE(state().KindOpen[k]);
}

TEST_F(OpenTest, AFailedReadForgetsTheFormerFileSoTheNextSaveAsksForAName) {
    const QString good = savedFile(1, "good.txt", "甲公司");
    openConfirmed(good);
    ASSERT_EQ(state().KindFilePath[1], good);
    // A kind-1 file whose corner-point block is cut short.
    const QStringList lines = {kTextHeaderLine, textKindTitle(1), QString(), "申请人=乙公司",
                               kCoordinateNoteLine, kCoordinateCountKey + "=5", "XY1=1,3800000,38500000"};
    ASSERT_TRUE(writeTextLines(path("bad.txt"), lines));
    dialogs_.clear();
    openConfirmed(path("bad.txt"));
    EXPECT_TRUE(dialogs_.messageTexts().contains(kReadError)) << dialogs_.messageTexts().join("; ").toStdString();
    EXPECT_TRUE(state().KindFilePath[1].isEmpty());
    EXPECT_TRUE(main_->fileText().isEmpty());
    EXPECT_FALSE(state().KindChanged[1]);
    EXPECT_FALSE(main_->toolbarButtonAvailable("SAVE"));
    EXPECT_TRUE(state().PendingFile.isEmpty());

    dialogs_.clear();
    main_->editor(1)->setText(ControlArray::ChTXT, 0, "丙公司");
    dialogs_.cancelFile();
    main_->Toolbar_ButtonMenuClick("SAVETXT");
    EXPECT_TRUE(dialogs_.messages().isEmpty());  // no overwrite offer for good.txt
    EXPECT_EQ(dialogs_.fileDialogs().size(), 1);
    EXPECT_TRUE(decodeGb18030(fileBytes(good)).contains("甲公司"));
}

TEST_F(OpenTest, OpeningIntoAnEditorWithUnsavedChangesAsksFirst) {
    const QString a = savedFile(4, "a.txt", "甲");
    const QString b = savedFile(4, "b.txt", "丁");
    openConfirmed(a);
    EditorWindow* e = main_->editor(4);
    ASSERT_TRUE(e);
    const QString question = "[采矿权注销申请表]已经发生改变,保存吗?";

    // No: the file is loaded again and the changes are gone.
    e->setText(ControlArray::ChTXT, 0, "乙");
    dialogs_.clear();
    dialogs_.answer(MsgAnswer::Yes).answer(MsgAnswer::No);
    commands::OpenSubmissionFile(main_.get(), a);
    EXPECT_EQ(dialogs_.messageTexts(), (QStringList{kindConfirmation(4), question}));
    EXPECT_EQ(applicant(4), "甲");
    EXPECT_FALSE(state().KindChanged[4]);
    EXPECT_EQ(main_->editor(4), e);

    // Yes: the changes go to the current file first, then the other file is loaded.
    e->setText(ControlArray::ChTXT, 0, "丙");
    dialogs_.clear();
    dialogs_.answer(MsgAnswer::Yes).answer(MsgAnswer::Yes).answer(MsgAnswer::Yes);
    commands::OpenSubmissionFile(main_.get(), b);
    EXPECT_EQ(dialogs_.messageTexts(),
              (QStringList{kindConfirmation(4), question, "是否覆盖当前文件内容?", "报盘文件保存成功..."}));
    EXPECT_TRUE(decodeGb18030(fileBytes(a)).contains("丙"));
    EXPECT_EQ(applicant(4), "丁");
    EXPECT_EQ(state().KindFilePath[4], b);
    EXPECT_EQ(main_->fileText(), b);

    // Yes, but the save is cancelled: nothing is loaded and the changes stay unsaved.
    e->setText(ControlArray::ChTXT, 0, "戊");
    dialogs_.clear();
    dialogs_.answer(MsgAnswer::Yes).answer(MsgAnswer::Yes).answer(MsgAnswer::No).cancelFile();
    commands::OpenSubmissionFile(main_.get(), a);
    EXPECT_EQ(applicant(4), "戊");
    EXPECT_EQ(state().KindFilePath[4], b);
    EXPECT_TRUE(state().PendingFile.isEmpty());
    EXPECT_TRUE(dialogs_.scriptDone());
}

// Enabled once the editor's activation leaves the changed flag alone when it abandons a load.
TEST_F(OpenTest, AnAbandonedLoadKeepsTheChangesMarked) {
    const QString a = savedFile(4, "a.txt", "甲");
    openConfirmed(a);
    main_->editor(4)->setText(ControlArray::ChTXT, 0, "乙");
    dialogs_.clear();
    dialogs_.answer(MsgAnswer::Yes).answer(MsgAnswer::Yes).answer(MsgAnswer::No).cancelFile();
    commands::OpenSubmissionFile(main_.get(), a);
    EXPECT_EQ(applicant(4), "乙");
    EXPECT_TRUE(state().KindChanged[4]);
    EXPECT_TRUE(main_->toolbarButtonAvailable("SAVE"));
}

TEST_F(OpenTest, SwitchingBetweenTwoFormsKeepsToolbarAndStatusRight) {
    const QString a = savedFile(1, "new.txt", "新立人");
    const QString b = savedFile(3, "cont.xml", "延续人");
    openConfirmed(a);
    openConfirmed(b);
    main_->editor(3)->setText(ControlArray::ChTXT, 0, "延续人改");
    EXPECT_TRUE(main_->toolbarButtonAvailable("SAVE"));

    main_->Toolbar_ButtonClick("NEW");
    EXPECT_EQ(state().CurrentKind, 1);
    EXPECT_EQ(main_->fileText(), a);
    EXPECT_EQ(main_->activityText(), "编辑采矿权申请登记书...");
    EXPECT_FALSE(main_->toolbarButtonAvailable("SAVE"));
    EXPECT_TRUE(main_->action("NEW")->isChecked());
    EXPECT_TRUE(main_->toolbarButtonAvailable("PRINT"));

    main_->Toolbar_ButtonClick("CONT");
    EXPECT_EQ(state().CurrentKind, 3);
    EXPECT_EQ(main_->fileText(), b);
    EXPECT_EQ(main_->activityText(), "编辑采矿权延续申请登记书...");
    EXPECT_TRUE(main_->toolbarButtonAvailable("SAVE"));
    EXPECT_TRUE(main_->action("CONT")->isChecked());

    // A save acts on the active form only.
    dialogs_.clear();
    dialogs_.answer(MsgAnswer::Yes);
    main_->Toolbar_ButtonMenuClick("SAVEXML");
    EXPECT_EQ(dialogs_.messageTexts(), (QStringList{"是否覆盖当前文件内容?", "报盘文件保存成功..."}));
    EXPECT_TRUE(QString::fromUtf8(fileBytes(b)).contains("延续人改"));
    EXPECT_FALSE(state().KindChanged[3]);
    EXPECT_EQ(state().KindFilePath[1], a);
    EXPECT_TRUE(dialogs_.messages().size() == 2 && dialogs_.fileDialogs().isEmpty());
}

TEST_F(OpenTest, ClosingAChangedFormAsksAndYesSavesInTheFormatOfItsFile) {
    const QString xml = savedFile(5, "area.xml", "矿区甲");
    openConfirmed(xml);
    main_->editor(5)->setText(ControlArray::ChTXT, 0, "矿区乙");
    dialogs_.clear();
    dialogs_.answer(MsgAnswer::Yes).answer(MsgAnswer::Yes);
    EXPECT_TRUE(closeEditor(5));
    EXPECT_EQ(dialogs_.messageTexts(), (QStringList{"[划定矿区范围表]已经发生改变,保存吗?", "是否覆盖当前文件内容?",
                                                    "报盘文件保存成功..."}));
    EXPECT_TRUE(QString::fromUtf8(fileBytes(xml)).contains("矿区乙"));  // still an XML file
    EXPECT_FALSE(state().KindOpen[5]);

    // No current file: the text file's dialog.
    open(6)->setText(ControlArray::ChTXT, 0, "转让人");
    dialogs_.clear();
    dialogs_.answer(MsgAnswer::Yes).chooseFile(path("cession"));
    EXPECT_TRUE(closeEditor(6));
    EXPECT_EQ(dialogs_.fileDialogs()[0].request.filters, QStringList{"报盘文本文件(*.txt)"});
    EXPECT_TRUE(decodeGb18030(fileBytes(path("cession.txt"))).contains("转让人"));
    EXPECT_FALSE(state().KindOpen[6]);

    // No: it closes and nothing is written.
    open(7)->setText(ControlArray::ChTXT, 0, "年检人");
    dialogs_.clear();
    dialogs_.answer(MsgAnswer::No);
    EXPECT_TRUE(closeEditor(7));
    EXPECT_TRUE(dialogs_.fileDialogs().isEmpty());
    EXPECT_FALSE(state().KindOpen[7]);
}

TEST_F(OpenTest, AYesWhoseSaveDoesNotCompleteKeepsTheFormOpen) {
    open(2)->setText(ControlArray::ChTXT, 0, "变更人");
    dialogs_.answer(MsgAnswer::Yes).cancelFile();
    EXPECT_FALSE(main_->editor(2)->subWindow()->close());
    EXPECT_TRUE(state().KindOpen[2]);
    EXPECT_TRUE(state().KindChanged[2]);
    EXPECT_EQ(applicant(2), "变更人");

    // The main window's exit is cancelled as well.
    dialogs_.clear();
    dialogs_.answer(MsgAnswer::Yes).cancelFile();
    EXPECT_FALSE(main_->close());
    EXPECT_TRUE(state().KindOpen[2]);
    EXPECT_TRUE(QFileInfo(state().TempZip).isDir());
}

// Answers the boxes and dialogs the program shows with its own widgets, as a user would:
// at the save question it first presses Escape and tries the close box, then answers 是;
// it confirms a file's kind, answers 否 to every other question and cancels file dialogs.
class EscapingUser {
public:
    EscapingUser() {
        QObject::connect(&timer_, &QTimer::timeout, [this] { act(); });
        timer_.start(10);
    }
    QStringList seen;          // texts of the boxes, in order
    int questionsLeftOpen = 0; // save questions still open after Escape and the close box

private:
    void act() {
        QWidget* w = QApplication::activeModalWidget();
        if (!w || w == last_) return;
        last_ = w;
        if (auto* dialog = qobject_cast<QFileDialog*>(w)) {
            seen << QStringLiteral("<file dialog>");
            dialog->reject();
            return;
        }
        auto* box = qobject_cast<QMessageBox*>(w);
        if (!box) return;
        seen << box->text();
        if (box->text().endsWith(QStringLiteral("保存吗?"))) {
            QWidget* focus = QApplication::focusWidget();
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(focus && box->isAncestorOf(focus) ? focus : box, &escape);
            if (box->isVisible()) box->close();
            if (box->isVisible()) ++questionsLeftOpen;
            box->button(QMessageBox::Yes)->click();
        } else {
            box->button(box->text().contains(QStringLiteral("确认吗")) ? QMessageBox::Yes : QMessageBox::No)->click();
        }
    }
    QTimer timer_;
    QPointer<QWidget> last_;  // a box at the address of a deleted one is a new box
};

// Escape and the close box at each question that decides whether typed work is kept (closing
// an editor, 退出, opening a file over a changed editor) leave the question open; after 是
// and a cancelled save the editor, its changes and the files are as they were.
TEST_F(OpenTest, EscapeOrTheCloseBoxAtTheSaveQuestionKeepsTheEditorAndItsChanges) {
    const QString a = savedFile(4, "a.txt", "甲");
    const QString b = savedFile(4, "b.txt", "乙");
    const QByteArray aBytes = fileBytes(a), bBytes = fileBytes(b);
    const QString question = "[采矿权注销申请表]已经发生改变,保存吗?";
    struct Road {
        const char* name;
        std::function<void()> act;
        QStringList seen;
    };
    const Road roads[] = {
        {"close", [&] { main_->editor(4)->subWindow()->close(); }, {question, "是否覆盖当前文件内容?", "<file dialog>"}},
        {"exit", [&] { main_->close(); }, {question, "是否覆盖当前文件内容?", "<file dialog>"}},
        {"open", [&] { commands::OpenSubmissionFile(main_.get(), b); },
         {kindConfirmation(4), question, "是否覆盖当前文件内容?", "<file dialog>"}},
    };
    for (const Road& road : roads) {
        dialogs_.answer(MsgAnswer::Yes);
        commands::OpenSubmissionFile(main_.get(), a);
        ASSERT_EQ(applicant(4), "甲") << road.name;
        main_->editor(4)->setText(ControlArray::ChTXT, 0, "丙");
        {
            QtDialogs qt(main_.get());
            setDialogs(&qt);
            EscapingUser user;
            road.act();
            dialogs_.install();
            EXPECT_EQ(user.seen, road.seen) << road.name;
            EXPECT_EQ(user.questionsLeftOpen, 1) << road.name;
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ASSERT_TRUE(main_->editor(4)) << road.name;
        EXPECT_TRUE(state().KindOpen[4]) << road.name;
        EXPECT_TRUE(state().KindChanged[4]) << road.name;
        EXPECT_EQ(applicant(4), "丙") << road.name;
        EXPECT_EQ(state().KindFilePath[4], a) << road.name;
        EXPECT_EQ(fileBytes(a), aBytes) << road.name;
        EXPECT_EQ(fileBytes(b), bBytes) << road.name;
        EXPECT_TRUE(QFileInfo(state().TempZip).isDir()) << road.name;
        state().KindChanged[4] = false;
        closeEditor(4);
        dialogs_.clear();
    }
}

TEST_F(OpenTest, AFileForAnOpenButInactiveEditorIsLoadedOnce) {
    const QString a = savedFile(1, "one.txt", "新立甲");
    open(1);
    open(3);
    ASSERT_EQ(state().CurrentKind, 3);
    openConfirmed(a);
    EXPECT_EQ(dialogs_.messageTexts(), QStringList{kindConfirmation(1)});
    EXPECT_EQ(state().CurrentKind, 1);
    EXPECT_EQ(main_->mdiArea()->activeSubWindow(), main_->editor(1)->subWindow());
    EXPECT_EQ(applicant(1), "新立甲");
    EXPECT_EQ(main_->fileText(), a);
    EXPECT_TRUE(main_->action("NEW")->isChecked());
    EXPECT_TRUE(state().PendingFile.isEmpty());
}

namespace {

// A boundary of `regions` regions of `points` plane corner points each, written as the grid
// writes them, so that it comes back from the grid unchanged.
QString boundaryOf(int regions, int points) {
    QString s = QString::number(regions) + u',';
    for (int r = 0; r < regions; ++r) {
        s += QString::number(points) + u',';
        for (int p = 0; p < points; ++p)
            s += QStringLiteral("J%1,%2,%3,").arg(p + 1).arg(3800000.0 + r * 10 + (p % 7), 0, 'f', 2)
                     .arg(38500000.0 + p * 0.25, 0, 'f', 2);
        s += QStringLiteral("500,200,矿体%1,1,").arg(r + 1);
    }
    return s;
}

} // namespace

TEST_F(OpenTest, BoundariesUpToTheGridLimitOpenWholeLargerOnesAreRefusedWithTheLimit) {
    struct Case {
        int regions, points;
        bool opens;
    };
    // 25 x (799 + 1) = 20,000 grid lines; 50 x (700 + 1) = 35,050, over the 32,765 data rows.
    for (const Case c : {Case{25, 799, true}, Case{50, 700, false}}) {
        const QString file = path(QStringLiteral("b%1.txt").arg(c.regions));
        FormValues values = collectFormValues(*open(1));
        values.boundary = boundaryOf(c.regions, c.points);
        ASSERT_TRUE(WriteTextSubmission(file, values, dictionary().textKeyMap(1)));
        closeEditor(1);
        const QByteArray bytes = fileBytes(file);
        dialogs_.clear();
        openConfirmed(file);
        GridGraphAccess* grid = main_->editor(1)->gridGraph();
        if (c.opens) {
            EXPECT_EQ(dialogs_.messageTexts(), QStringList{kindConfirmation(1)});
            EXPECT_EQ(grid->ZB_String(), *values.boundary);
            EXPECT_EQ(state().KindFilePath[1], file);
        } else {
            EXPECT_EQ(dialogs_.messageTexts(),
                      (QStringList{kindConfirmation(1),
                                   "坐标数据共35050行,超过坐标表格最多32765行的限制,不能载入...", kReadError}));
            EXPECT_EQ(grid->ZB_String(), "");
            // The form does not hold the file, so no save can overwrite it with less.
            EXPECT_TRUE(state().KindFilePath[1].isEmpty());
        }
        EXPECT_EQ(fileBytes(file), bytes);
        closeEditor(1);
    }
}
