#include "core/app_state.h"
#include "core/ui/main_window.h"
#include "core/ui/startup.h"
#include "core/ui/toolbar_icons.h"
#include "forms/ui/editor_window.h"
#include "platform/drawing_threads.h"
#include "platform/scripted_dialogs.h"
#include "test_support.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QKeySequence>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <QThreadPool>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <thread>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

using namespace mf;

namespace mf::test {
void setRefuseThreads(bool refuse);   // helpers/refuse_threads.cpp
}

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        state().reset();
        dialogs_.install();
        main_ = Main(test::binDir(), test::binDir());
        ASSERT_TRUE(main_) << dialogs_.messageTexts().join("; ").toStdString();
    }
    void TearDown() override {
        if (main_) main_->close();
        main_.reset();
        state().reset();
    }
    ScriptedDialogs dialogs_;
    std::unique_ptr<TabMain> main_;
};

} // namespace

TEST(StartUp, MissingDictionaryEndsWithMessageAndNoWindow) {
    state().reset();
    ScriptedDialogs d;
    d.install();
    QTemporaryDir empty;
    auto main = Main(empty.path(), empty.path());
    EXPECT_FALSE(main);
    ASSERT_EQ(d.messages().size(), 1);
    EXPECT_EQ(d.messages()[0].title, "错误");
    EXPECT_EQ(d.messages()[0].text, "缺少系统运行所必须的数据词典...\n数据词典 " + empty.path() + "/DICT/系统词典.db：文件不存在");
    EXPECT_EQ(d.messages()[0].icon, MsgIcon::Critical);
    EXPECT_TRUE(state().TempZip.isEmpty());  // no work folder was made
}

TEST(StartUp, CorruptDictionaryEndsWithMessage) {
    state().reset();
    ScriptedDialogs d;
    d.install();
    QTemporaryDir dir;
    QDir(dir.path()).mkpath("DICT");
    QFile f(dir.path() + "/DICT/系统词典.db");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("this is not a database, just some bytes\x01\x02\x03");
    f.close();
    EXPECT_FALSE(Main(dir.path(), dir.path()));
    EXPECT_TRUE(d.lastMessage().text.startsWith("缺少系统运行所必须的数据词典...\n数据词典 " + dir.path() + "/DICT/系统词典.db："));
}

// A dictionary without field pairs would let every save write an empty application.
TEST(StartUp, AnEmptyFieldTableEndsWithTheDictionaryMessage) {
    state().reset();
    ScriptedDialogs d;
    d.install();
    QTemporaryDir dir;
    QDir(dir.path()).mkpath("DICT");
    const QString db = dir.path() + "/DICT/系统词典.db";
    ASSERT_TRUE(QFile::copy(test::shippedDictionary(), db));
    QFile::setPermissions(db, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    sqlite3* h = nullptr;
    ASSERT_EQ(sqlite3_open(db.toUtf8().constData(), &h), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(h, "DELETE FROM TRANCODE", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(h);
    EXPECT_FALSE(Main(dir.path(), dir.path()));
    ASSERT_EQ(d.messages().size(), 1);
    EXPECT_EQ(d.lastMessage().title, "错误");
    EXPECT_EQ(d.lastMessage().text, "缺少系统运行所必须的数据词典...\n数据词典 " + db + "：TRANCODE 中没有任何一类申请的字段");
    EXPECT_TRUE(state().TempZip.isEmpty());
}

TEST_F(MainWindowTest, LoadSetsUpWorkFoldersStatusAndAvailability) {
    EXPECT_EQ(main_->windowTitle(), "岩契录件主窗");
    for (int k = 1; k <= kKindCount; ++k) {
        EXPECT_EQ(state().KindMarker[k], kindMarker(k));
        EXPECT_TRUE(QFileInfo(state().KindTempDir[k]).isDir()) << k;
        EXPECT_TRUE(state().KindTempDir[k].endsWith("/" + kindMarker(k) + "/"));
    }
    for (const char* key : {"SAVE", "PRINT", "annex", "WIN"})
        EXPECT_FALSE(main_->toolbarButtonAvailable(key)) << key;
    for (const char* key : {"NEW", "CHANGE", "CONT", "Cession", "DEL", "DING", "CHECK", "OPEN", "PSET", "EXIT", "HELP"})
        EXPECT_TRUE(main_->toolbarButtonAvailable(key)) << key;
    EXPECT_EQ(main_->activityText(), "待命...");
    EXPECT_TRUE(main_->dateText().endsWith("日"));
    EXPECT_EQ(main_->action("NEW")->toolTip(), "采矿权申请登记书");
    EXPECT_EQ(main_->action("EXIT")->toolTip(), "退出璞石分台");
    EXPECT_EQ(main_->action("SAVETXT")->text(), "报盘文本文件(&T)");
    EXPECT_EQ(main_->action("SAVEXML")->text(), "交换标准文件(&X)");
    EXPECT_GE(state().PrinterCount, 1);  // printing to a PDF file is always offered
}

TEST_F(MainWindowTest, KindButtonsOpenOneEditorPerKindAndCloseResetsIdle) {
    main_->Toolbar_ButtonClick("CHECK");
    ASSERT_TRUE(main_->editor(7));
    EXPECT_TRUE(state().KindOpen[7]);
    EXPECT_EQ(state().CurrentKind, 7);
    EXPECT_TRUE(main_->toolbarButtonAvailable("PRINT"));
    EXPECT_TRUE(main_->toolbarButtonAvailable("annex"));
    EXPECT_FALSE(main_->toolbarButtonAvailable("SAVE"));

    main_->Toolbar_ButtonClick("Cession");
    EditorWindow* cession = main_->editor(6);
    ASSERT_TRUE(cession);
    // A newly opened editor lies 450/250 twips on per other open editor.
    EXPECT_EQ(cession->subWindow()->pos(), QPoint(30, 16));

    // Clicking an open kind again brings the same window back, minimised or not.
    cession->subWindow()->showMinimized();
    main_->Toolbar_ButtonClick("Cession");
    EXPECT_EQ(main_->editor(6), cession);
    EXPECT_FALSE(cession->subWindow()->isMinimized());
    EXPECT_EQ(main_->mdiArea()->subWindowList().size(), 2);

    main_->editor(7)->subWindow()->close();
    EXPECT_FALSE(state().KindOpen[7]);
    EXPECT_TRUE(main_->toolbarButtonAvailable("PRINT"));  // another form is still open
    cession->subWindow()->close();
    EXPECT_EQ(state().CurrentKind, 0);
    EXPECT_EQ(main_->activityText(), "待命...");
    for (const char* key : {"SAVE", "PRINT", "annex", "WIN"})
        EXPECT_FALSE(main_->toolbarButtonAvailable(key)) << key;
}

TEST_F(MainWindowTest, BackgroundCoversTheShownAreaAndIconsComeFromTheStrip) {
    main_->showOnScreen();
    QCoreApplication::processEvents();
    const QImage picture = main_->backgroundImage();
    const QSize area = main_->mdiArea()->viewport()->size();
    ASSERT_FALSE(picture.isNull());
    EXPECT_GE(picture.width(), std::min(area.width(), 1000));   // ckq-1.jpg is 1000x750
    EXPECT_GE(picture.height(), std::min(area.height(), 750));
    // What the area paints is the picture, tiled from its top left corner.
    const QImage shownArea = main_->mdiArea()->viewport()->grab().toImage();
    for (const QPoint at : {QPoint(3, 3), QPoint(area.width() - 3, area.height() - 3)})
        EXPECT_EQ(shownArea.pixelColor(at), picture.pixelColor(at.x() % picture.width(), at.y() % picture.height()));

    // Each button shows its own picture of the strip drawn at build time (each key has a
    // colour of its own), at full size.
    const QString iconDir = test::binDir() + QStringLiteral("/DICT/icons");
    for (const QString& key : {QStringLiteral("NEW"), QStringLiteral("PRINT"), QStringLiteral("HELP")}) {
        const QImage shown = toolbarIcon(key, iconDir).pixmap(64, 64).toImage();
        EXPECT_EQ(shown.size(), QSize(64, 64));
        EXPECT_EQ(shown.pixelColor(10, 32), drawToolbarIcon(key).pixelColor(10, 32)) << key.toStdString();
    }
}

TEST_F(MainWindowTest, UnavailableButtonsIgnoreClicks) {
    main_->Toolbar_ButtonClick("WIN");
    main_->Toolbar_ButtonMenuClick("SAVETXT");
    main_->Toolbar_ButtonClick("PRINT");
    EXPECT_TRUE(dialogs_.messages().isEmpty());
    EXPECT_TRUE(dialogs_.fileDialogs().isEmpty());
}

TEST_F(MainWindowTest, CascadePlacesFormsAndLeavesAnnualReport) {
    main_->Toolbar_ButtonClick("NEW");
    main_->Toolbar_ButtonClick("CHANGE");
    main_->Toolbar_ButtonClick("CHECK");
    QMdiSubWindow* check = main_->editor(7)->subWindow();
    check->move(123, 45);
    main_->Toolbar_ButtonClick("WIN");
    EXPECT_EQ(main_->editor(2)->subWindow()->pos(), QPoint(0, 0));
    EXPECT_EQ(main_->editor(1)->subWindow()->pos(), QPoint(400 / 15, 400 / 15));
    EXPECT_EQ(check->pos(), QPoint(123, 45));
    EXPECT_EQ(main_->mdiArea()->activeSubWindow(), main_->editor(1)->subWindow());
    EXPECT_EQ(state().CurrentKind, 1);
}

TEST_F(MainWindowTest, HelpWithoutHelpFileSaysSo) {
    state().HelpFilePath = "/nonexistent/璞川录联机帮助.chm";
    main_->Toolbar_ButtonClick("HELP");
    ASSERT_EQ(dialogs_.messages().size(), 1);
    EXPECT_EQ(dialogs_.messages()[0].text, "帮助文件不存在：/nonexistent/璞川录联机帮助.chm");
    EXPECT_EQ(dialogs_.messages()[0].title, "提示");
}

TEST_F(MainWindowTest, F1OpensHelpLikeTheHelpButton) {
    QAction* help = main_->action("HELP");
    ASSERT_TRUE(help);
    EXPECT_EQ(help->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_EQ(help->shortcutContext(), Qt::ApplicationShortcut);
    state().HelpFilePath = "/nonexistent/璞川录联机帮助.chm";
    help->trigger();
    ASSERT_EQ(dialogs_.messages().size(), 1);
    EXPECT_EQ(dialogs_.messages()[0].text, "帮助文件不存在：/nonexistent/璞川录联机帮助.chm");
}

TEST_F(MainWindowTest, ClosingRemovesTheWorkArea) {
    const QString work = state().TempZip;
    ASSERT_TRUE(QFileInfo(work).isDir());
    main_->Toolbar_ButtonClick("NEW");
    EXPECT_TRUE(main_->close());
    EXPECT_FALSE(state().KindOpen[1]);
    EXPECT_FALSE(QFileInfo(work).exists());
    main_.reset();
}

TEST(MainWindowLoad, NoPrinterDisablesPrinterSetupOnly) {
    state().reset();
    ScriptedDialogs d;
    d.install();
    state().DataPath = test::binDir();
    state().PrinterCount = 0;
    TabMain main;
    ASSERT_TRUE(main.MDIForm_Load());
    EXPECT_FALSE(main.toolbarButtonAvailable("PSET"));
    EXPECT_TRUE(main.toolbarButtonAvailable("OPEN"));
    main.close();
    state().reset();
}

#include "core/ui/commands.h"

#include <QApplication>
#include <QDialogButtonBox>
#include "platform/ui/printer_setup.h"
#include <QPushButton>
#include <QTimer>

TEST_F(MainWindowTest, PrinterSetupOffersThePrinterChoiceAndChangesNothingOnCancel) {
    QString title, ok;
    QTimer::singleShot(0, [&] {
        auto* dlg = dynamic_cast<PrinterSetupDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(dlg);
        title = dlg->windowTitle();
        if (auto* box = dlg->findChild<QDialogButtonBox*>())
            if (QPushButton* b = box->button(QDialogButtonBox::Ok)) ok = b->text();
        dlg->reject();
    });
    main_->Toolbar_ButtonClick("PSET");
    EXPECT_EQ(title, "打印机设置");
    EXPECT_EQ(ok, "确定");
    EXPECT_TRUE(dialogs_.messages().isEmpty());
}

TEST_F(MainWindowTest, AfterThePrintDialogCascadeShowsUnavailableAndSaveFollowsChanges) {
    main_->Toolbar_ButtonClick("NEW");
    state().KindChanged[1] = true;
    QTimer::singleShot(0, [] {
        if (QWidget* dlg = QApplication::activeModalWidget()) dlg->close();
    });
    main_->Toolbar_ButtonClick("PRINT");
    EXPECT_FALSE(main_->toolbarButtonAvailable("WIN"));
    EXPECT_TRUE(main_->toolbarButtonAvailable("SAVE"));
    EXPECT_EQ(main_->activityText(), "待命...");
    state().KindChanged[1] = false;
}

TEST_F(MainWindowTest, HelpFileThatTheDesktopCannotOpenIsNamed) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/璞川录联机帮助.chm";
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    state().HelpFilePath = path;
    main_->Toolbar_ButtonClick("HELP");  // the offscreen desktop opens no file
    ASSERT_EQ(dialogs_.messages().size(), 1);
    EXPECT_EQ(dialogs_.messages()[0].text, "无法打开帮助文件：" + path);
    EXPECT_EQ(dialogs_.messages()[0].title, "提示");
}

// Every start names its dictionary on standard error, and the fields of the dictionary and
// the forms that differ, kind by kind; a failure names the file and the reason there and in
// its box below the first line. An unusable Access dictionary is never replaced by the
// shipped one beside it.
TEST(StartUp, TheDictionaryFileAndAFailuresReasonAreNamed) {
    QString reworded;
    for (const char* kind : {"采矿新立", "采矿变更", "采矿延续", "采矿注销"})
        reworded += QString("词典：【%1】申请的表单中没有以下字段，文件中它们的值不读入：申请人名称\n"
                            "词典：【%1】申请的以下字段在数据词典中没有键，不能保存：申请人\n").arg(kind);
    const struct { const char* mdb; const char* reason; QString lines; } setups[] = {   // mdb "": the shipped one alone
        {nullptr, "文件不存在", {}}, {"fuzz-lost-page-map.mdb", "无法读取表 综合词表 的定义", {}},
        {"kind2-shared-key.mdb", "TRANCODE 第 2 行（字段 矿山名称，第 2 类申请）：第 1 行与第 2 行的文本键相同：申请人", {}},
        {"kind2-shared-element.mdb", "TRANCODE 第 2 行（字段 矿山名称，第 1 类申请）：第 1 行与第 2 行的英文名相同：SQR", {}},
        {"", nullptr, {}}, {"kind2-reworded-field.mdb", nullptr, reworded},
        {"kind2-extra-field.mdb", nullptr, "词典：【采矿变更】申请的表单中没有以下字段，文件中它们的值不读入：统一社会信用代码\n"}};
    for (const auto& s : setups) {
        SCOPED_TRACE(s.mdb ? s.mdb : "nothing");
        state().reset();
        ScriptedDialogs d;
        d.install();
        QTemporaryDir dir;
        QDir(dir.path()).mkpath("DICT");
        const QString data = s.mdb && !*s.mdb ? test::binDir() : dir.path();
        const QString used = data + (s.mdb && *s.mdb ? "/DICT/系统词典.mdb" : "/DICT/系统词典.db");
        if (s.mdb && *s.mdb)
            ASSERT_TRUE(QFile::copy(test::shippedDictionary(), data + "/DICT/系统词典.db") &&
                        QFile::copy(test::sourceDir() + "/tests/fixtures/dict/" + s.mdb, used));
        testing::internal::CaptureStderr();
        auto main = Main(data, data);
        const QString err = QString::fromLocal8Bit(testing::internal::GetCapturedStderr().c_str());
        if (!s.reason) {
            ASSERT_TRUE(main);
            EXPECT_EQ(err, "词典：" + used + "\n" + s.lines);
            EXPECT_TRUE(d.messages().isEmpty());
            main->close();
            main.reset();
            state().reset();
            continue;
        }
        EXPECT_FALSE(main);
        EXPECT_TRUE(err.startsWith("词典：" + used + "\n")) << err.toStdString();
        EXPECT_TRUE(err.contains(used + "：" + s.reason)) << err.toStdString();
        // What libmdb says about the damaged file is held back: only a count of its lines is told.
        if (QString(s.mdb).startsWith("fuzz"))
            EXPECT_TRUE(QRegularExpression("^词典：[^\n]*\n词典：读取时 Access 数据库库给出 [1-9][0-9]* 行警告（未显示）\nmining-filer: [^\n]*\n$")
                            .match(err).hasMatch()) << err.toStdString();
        ASSERT_EQ(d.messages().size(), 1);
        EXPECT_EQ(d.lastMessage().title, "错误");
        const QStringList box = d.lastMessage().text.split("\n");
        EXPECT_EQ(box.value(0), "缺少系统运行所必须的数据词典...");
        EXPECT_TRUE(err.endsWith("mining-filer: " + box.value(1) + "\n") && box.value(1).contains(s.reason)) << box.join("|").toStdString();
    }
}

TEST_F(MainWindowTest, LongWorkRunsOnAWorkerWhileTheWindowKeepsItsEventsAndRefusesClosing) {
    main_->show();
    std::atomic<bool> ticked{false};
    QTimer tick;   // fires only if the window thread keeps running its event loop
    QObject::connect(&tick, &QTimer::timeout, [&] {
        ticked = true;
        EXPECT_FALSE(main_->close());   // refused while the work runs
    });
    tick.start(10);
    std::thread::id workedOn;
    const bool result = main_->runBusy("正在打包：x.zip", [&](const std::function<void(int)>& progress) {
        workedOn = std::this_thread::get_id();
        progress(50);
        while (!ticked) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        return true;
    });
    tick.stop();
    QCoreApplication::processEvents();
    EXPECT_TRUE(result);
    EXPECT_NE(workedOn, std::this_thread::get_id());
    EXPECT_TRUE(main_->isVisible());
    EXPECT_FALSE(main_->isRunningBusyWork());
    const auto* bar = main_->findChild<QProgressBar*>("MBar");
    ASSERT_TRUE(bar);
    EXPECT_FALSE(bar->isVisible());
}

TEST_F(MainWindowTest, PaintsTheWindowAndAnOpenEditorWhenNoThreadCanStart) {
    ASSERT_GT(startDrawingThreads(), 0);   // as the program does when it starts
    main_->resize(1366, 768);
    main_->showOnScreen();
    main_->Toolbar_ButtonClick("NEW");
    ASSERT_TRUE(main_->editor(1));
    QCoreApplication::processEvents();
    // The user pauses: the pool's idle threads end. From here no thread starts; a paint that
    // waited for one would never return, and the alarm would end the test program.
    if (const int expiry = QThreadPool::globalInstance()->expiryTimeout(); expiry >= 0)
        QThread::msleep(expiry + 500);
    test::setRefuseThreads(true);
    ::alarm(60);
    for (QWidget* w : {static_cast<QWidget*>(main_->mdiArea()->viewport()), static_cast<QWidget*>(main_->editor(1))}) {
        // Two rectangles: painted through spans, the road that splits large areas over threads.
        w->repaint(QRegion(0, 0, w->width(), w->height() / 2 + 7) +
                   QRegion(w->width() / 3, w->height() / 2, w->width() / 2, w->height() / 2));
        EXPECT_FALSE(w->grab().isNull());
    }
    main_->resize(1000, 700);
    QCoreApplication::processEvents();
    ::alarm(0);
    test::setRefuseThreads(false);
}
