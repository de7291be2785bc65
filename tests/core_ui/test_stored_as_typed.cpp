// What the user typed is what is saved: a boundary typed from the keyboard, and every
// kind saved, reopened and saved again to the same bytes.
#include "commands_fixture.h"

#include "core/dictionary.h"
#include "core/exchange_xml.h"
#include "core/text_submission.h"
#include "gridgraph/ui/coord_table.h"
#include "gridgraph/ui/grid_graph.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>

using namespace mf;
using namespace mf::test;

namespace {

void press(QWidget* w, int key, const QString& text = {}) {
    QKeyEvent e(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &e);
}

QWidget* target(GridGraph* g) {
    return g->editorVisible() ? static_cast<QWidget*>(g->activeEditor()) : static_cast<QWidget*>(g->table());
}

} // namespace

TEST_F(CommandsTest, AGeographicBoundaryTypedWithTabAndEnterIsSavedAsTyped) {
    EditorWindow* e = open(1);
    ASSERT_TRUE(e);
    typeInto(e);
    auto* g = qobject_cast<GridGraph*>(e->gridGraphWidget());
    ASSERT_TRUE(g);
    g->setZB_String(QString());
    g->init_grid_graph();
    auto* areaCom = qobject_cast<QComboBox*>(e->control("AREACOM"));
    areaCom->setCurrentIndex(1);
    emit areaCom->activated(1);
    ASSERT_EQ(g->ZB_Type(), 1);

    // Each cell as typed, then Tab or Enter; "." ends the degrees or the seconds.
    const QStringList keys = {"1", "116304512", "39304500", "2", "1163100", "39.3045",  "3",
                              "116.31",   "39.31",  "*", "1200",    "1100",    "A1", "1"};
    for (int i = 0; i < keys.size(); ++i) {
        for (QChar c : keys[i]) press(target(g), c.unicode(), QString(c));
        press(target(g), i % 2 ? Qt::Key_Tab : Qt::Key_Return);
    }
    ASSERT_TRUE(g->editorVisible());   // open on the entry row
    press(g->activeEditor(), Qt::Key_Escape);
    const QString typed = "1,3,1,116.304512,39.304500,2,116.3100,39.3045,3,116.3100,39.3100,1200,1100,A1,1,";
    EXPECT_EQ(g->ZB_String(), typed);

    // A filled cell opens with its value selected: digits typed replace it.
    g->core().grid().setCurrent(3, 3);
    g->core().hooks().gridReset();
    g->Area_Flex_DblClick();
    for (QChar c : QString("3931")) press(g->activeEditor(), c.unicode(), QString(c));
    press(g->activeEditor(), Qt::Key_Up);
    EXPECT_EQ(g->core().grid().cell(3, 3), "39.3100");
    EXPECT_EQ(g->core().grid().row_, 2);

    const QString file = path("typed");
    saveAs("SAVETXT", file);
    EXPECT_EQ(dialogs_.lastMessage().text, "报盘文件保存成功...");
    const QString saved = QString::fromLatin1(fileBytes(file + ".txt"));
    EXPECT_TRUE(saved.contains("XY001=1,116.304512,39.304500\r\n"));
    ASSERT_TRUE(closeEditor(1));
    openConfirmed(file + ".txt");
    auto* h = qobject_cast<GridGraph*>(main_->editor(1)->gridGraphWidget());
    EXPECT_EQ(h->ZB_String(), typed);
}

TEST_F(CommandsTest, SaveReopenSaveWritesTheSameBytesOnEveryKindInBothFormats) {
    const QString boundary = "2,3,1,116.304512,39.3,2,116.3100,39.304500,3,116.31,39.31,1200.00,1100,A1,1,"
                             "3,a,116.32,39.32,b,116.3300,39.32,c,116.33,39.330001,900,800,B,-1,";
    int file = 0;
    for (int kind = 1; kind <= kKindCount; ++kind) {
        for (const char* command : {"SAVETXT", "SAVEXML"}) {
            EditorWindow* e = open(kind);
            ASSERT_TRUE(e) << kind;
            typeInto(e);
            if (GridGraphAccess* g = e->gridGraph()) {
                g->setZB_String(boundary);
                g->init_grid_graph();
            }
            // A region code whose name the user completed, as the forms invite.
            const QList<std::pair<int, int>> regionFields = kind == 6   ? QList<std::pair<int, int>>{{37, 36}}
                                                            : kind == 7 ? QList<std::pair<int, int>>{{42, 43}, {8, 9}}
                                                                        : QList<std::pair<int, int>>{};
            for (const auto& [code, name] : regionFields) {
                e->setText(ControlArray::ChTXT, code, "130227");
                e->setText(ControlArray::ChTXT, name, "河北省唐山市迁西县城关镇北");
            }
            const bool xml = QString(command) == "SAVEXML";
            const QString first = path(QStringLiteral("first%1.%2").arg(++file).arg(xml ? "xml" : "txt"));
            const QString second = path(QStringLiteral("second%1.%2").arg(file).arg(xml ? "xml" : "txt"));
            saveAs(command, first);
            ASSERT_EQ(dialogs_.lastMessage().text, "报盘文件保存成功...") << kind << command;
            ASSERT_TRUE(closeEditor(kind));
            openConfirmed(first);
            e = main_->editor(kind);
            ASSERT_TRUE(e) << kind;
            for (const auto& [code, name] : regionFields)
                EXPECT_EQ(e->text(ControlArray::ChTXT, name), "河北省唐山市迁西县城关镇北") << kind << command;
            // Not over the file just opened, but into a second one.
            dialogs_.answer(MsgAnswer::No).chooseFile(second);
            ASSERT_TRUE(xml ? commands::SaveXmlFile(main_.get()) : commands::SaveText(main_.get())) << kind;
            const QByteArray bytes = fileBytes(first);
            EXPECT_FALSE(bytes.isEmpty());
            EXPECT_EQ(fileBytes(second), bytes) << kind << " " << command;
            ASSERT_TRUE(closeEditor(kind));
        }
    }
}

TEST_F(CommandsTest, ASaveStopsAtAMineralNotFromTheListAndAsksAboutTextOutsideGbk) {
    EditorWindow* e = open(1);
    ASSERT_TRUE(e);
    typeInto(e);
    e->selectTab(4);
    const QString file = path("checked.txt");
    const struct {
        const char* mineral;
        const char* applicant;
        MsgAnswer answer;
        const char* message;   // the first message; "" none before the success
        bool saved;
        int page;   // the page shown afterwards: the field named, or where the user was
    } cases[] = {
        {"不存在的矿", "甲公司", MsgAnswer::Yes, "开采主矿种必须从矿种列表中选择...", false, 2},
        {"42201 金", "甲公司", MsgAnswer::Yes, "开采主矿种必须从矿种列表中选择...", false, 2},
        {"42201 金矿", "𠀀矿业€", MsgAnswer::No, "以下内容含有GBK字符集以外的字符，接收方可能无法识别，是否继续保存？\n申请人", false, 0},
        {"42201 金矿", "䶮矿业", MsgAnswer::Yes, "以下内容含有GBK字符集以外的字符，接收方可能无法识别，是否继续保存？\n申请人", true, 4},
        // A noncharacter or a control character is dropped on saving: the question says so.
        {"42201 金矿", "甲\uFFFF公司", MsgAnswer::Yes,
         "以下内容含有GBK字符集以外的字符，接收方可能无法识别，是否继续保存？\n申请人（含有无法保存的字符，保存时将删除）", true, 4},
        {"42201 金矿", "甲\x01公司", MsgAnswer::No,
         "以下内容含有GBK字符集以外的字符，接收方可能无法识别，是否继续保存？\n申请人（含有无法保存的字符，保存时将删除）", false, 0},
        {"42201", "甲公司", MsgAnswer::Yes, "", true, 4},
    };
    for (const auto& c : cases) {
        QFile::remove(file);
        dialogs_.clear();
        e->setText(ControlArray::ChCBO, 2, c.mineral);
        e->setText(ControlArray::ChTXT, 0, c.applicant);
        dialogs_.answer(c.answer);
        if (c.saved) dialogs_.chooseFile(file);
        commands::SaveText(main_.get());
        const QStringList shown = dialogs_.messageTexts();
        ASSERT_FALSE(shown.isEmpty()) << c.mineral;
        EXPECT_EQ(shown.first(), QString(c.message).isEmpty() ? shown.first() : QString(c.message)) << c.mineral;
        EXPECT_EQ(QFile::exists(file), c.saved) << c.mineral << " " << c.applicant;
        EXPECT_EQ(e->CurrentPage(), c.page) << c.mineral;
        e->selectTab(4);
    }
}

// Coordinate text that is no number is never saved; in another program's file it comes
// back as it was stored and stays refused by 计算 and by the save; an empty coordinate or a point
// number the text file would misread is never saved.
TEST_F(CommandsTest, CoordinateTextReopensAsStoredAndStaysRefused) {
    const QString boundary = "1,6,1,abc,xyz,2,116.30.45,39.3000,3,116°30′45″,39.3015,4,１１６.３,39.31,"
                             "5,6.0E1,0x1A,6,inf,nan,1200,1100,,1,";
    int file = 0;
    for (const char* command : {"SAVETXT", "SAVEXML"}) {
        const bool xml = QString(command) == "SAVEXML";
        const QString ext = xml ? "xml" : "txt";
        EditorWindow* e = open(1);
        ASSERT_TRUE(e);
        typeInto(e);
        e->gridGraph()->setZB_String(boundary);
        e->gridGraph()->init_grid_graph();
        const QString first = path(QStringLiteral("text%1.%2").arg(++file).arg(ext));
        dialogs_.clear();
        saveAs(command, first);
        EXPECT_EQ(dialogs_.lastMessage().text, "第1行<坐标>列必须输入数据值...") << command;
        ASSERT_FALSE(QFile::exists(first));
        const FormValues values = collectFormValues(*e);
        ASSERT_TRUE(xml ? WriteExchangeXml(first, values, dictionary().xmlNameMap(1))
                        : WriteTextSubmission(first, values, dictionary().textKeyMap(1)));
        state().KindChanged[1] = false;
        ASSERT_TRUE(closeEditor(1));
        dialogs_.clear();
        openConfirmed(first);
        ASSERT_TRUE(main_->editor(1)) << dialogs_.messageTexts().join("; ").toStdString();
        auto* g = qobject_cast<GridGraph*>(main_->editor(1)->gridGraphWidget());
        ASSERT_TRUE(g);
        EXPECT_EQ(dialogs_.messageTexts(), QStringList{kindConfirmation(1)}) << command;
        EXPECT_EQ(g->ZB_String(), boundary) << command;
        g->Area_Calc();
        EXPECT_FALSE(g->core().AreaCalcPassed());
        EXPECT_EQ(dialogs_.lastMessage().text, "第1行<坐标>列必须输入数据值...") << command;
        const QString second = path(QStringLiteral("again%1.%2").arg(file).arg(ext));
        dialogs_.chooseFile(second);
        EXPECT_FALSE(xml ? commands::SaveXmlFile(main_.get()) : commands::SaveText(main_.get())) << command;
        EXPECT_EQ(dialogs_.lastMessage().text, "第1行<坐标>列必须输入数据值...") << command;
        EXPECT_FALSE(QFile::exists(second));

        // The same file with the first X empty (as another program may write it) reopens
        // with the cell empty, and is not saved again.
        QByteArray bytes = fileBytes(first);
        const QByteArray from = xml ? QByteArray("1,6,1,abc,") : QByteArray("=1,abc,");
        ASSERT_TRUE(bytes.contains(from));
        bytes.replace(from, xml ? QByteArray("1,6,1,,") : QByteArray("=1,,"));
        const QString emptyX = path(QStringLiteral("emptyx%1.%2").arg(file).arg(ext));
        ASSERT_TRUE(writeBytes(emptyX, bytes));
        ASSERT_TRUE(closeEditor(1));
        dialogs_.clear();
        openConfirmed(emptyX);
        g = qobject_cast<GridGraph*>(main_->editor(1)->gridGraphWidget());
        EXPECT_EQ(g->core().grid().cell(1, 2), "") << command;
        const QString third = path(QStringLiteral("third%1.%2").arg(file).arg(ext));
        dialogs_.clear();
        dialogs_.answer(MsgAnswer::No).chooseFile(third);
        EXPECT_FALSE(xml ? commands::SaveXmlFile(main_.get()) : commands::SaveText(main_.get()));
        EXPECT_TRUE(dialogs_.messageTexts().contains("第1行坐标不完整")) << command;
        EXPECT_FALSE(QFile::exists(third));
        ASSERT_TRUE(closeEditor(1));
    }
    // "标高" as a point number would end the region in the text file: refused by the check.
    EditorWindow* e = open(1);
    typeInto(e);
    e->gridGraph()->setZB_String("1,3,1,3800000,38500000,标高,3800100,38500000,3,3800100,38500100,100,50,A,1,");
    e->gridGraph()->init_grid_graph();
    const QString refused = path("refused.txt");
    saveAs("SAVETXT", refused);
    EXPECT_EQ(dialogs_.lastMessage().text, "第2行<拐点号>不能是“标高”，也不能含有逗号...");
    EXPECT_FALSE(QFile::exists(refused));
    // A corner 计算 would refuse is saved, as typed, only when the user says so (否 first).
    e->gridGraph()->setZB_String("1,3,1,275610.00,38500000,2,2756100,38500000,3,2756100,38500100,100,50,A,1,");
    e->gridGraph()->init_grid_graph();
    for (int i = 0; i < 4; ++i) {   // 否 on each format, then 是
        const bool yes = i >= 2;
        const QString file = path(i % 2 ? "asked.xml" : "asked.txt");
        dialogs_.clear();
        dialogs_.answer(yes ? MsgAnswer::Yes : MsgAnswer::No).chooseFile(file);
        i % 2 ? commands::SaveXmlFile(main_.get()) : commands::SaveText(main_.get());
        EXPECT_EQ(dialogs_.messages().value(0).text, "第1行<X_坐标>列数据超范围...\n是否仍然保存?");
        EXPECT_EQ(dialogs_.messages().value(0).buttons, MsgButtons::YesNoDefaultNo);
        EXPECT_EQ(fileBytes(file).contains("275610.00"), yes) << i;
        EXPECT_EQ(state().KindChanged[1], !yes) << i;
    }
}

// A form saved before any corner point reopens in plane coordinates from either file,
// also into an editor showing geographic ones, and says nothing while it loads.
TEST_F(CommandsTest, AFormWithoutCornerPointsReopensInPlaneCoordinates) {
    EditorWindow* e = open(1);
    ASSERT_TRUE(e);
    typeInto(e);
    auto* g = qobject_cast<GridGraph*>(e->gridGraphWidget());
    auto* areaCom = qobject_cast<QComboBox*>(e->control("AREACOM"));
    const auto chooseGeographic = [&] {
        areaCom->setCurrentIndex(1);
        emit areaCom->activated(1);
        ASSERT_EQ(g->ZB_Type(), 1);
    };
    g->setZB_String(QString());
    g->init_grid_graph();
    chooseGeographic();
    const QString txt = path("nopoints-text.txt"), xml = path("nopoints-xml.xml");
    saveAs("SAVETXT", txt);
    ASSERT_EQ(dialogs_.lastMessage().text, "报盘文件保存成功...");
    dialogs_.clear();
    dialogs_.chooseFile(xml);
    commands::SaveXmlFile(main_.get());
    ASSERT_EQ(dialogs_.lastMessage().text, "报盘文件保存成功...") << dialogs_.messageTexts().join("; ").toStdString();
    ASSERT_TRUE(QFile::exists(xml));
    for (const QString& file : {txt, xml, txt}) {
        // The plot of an earlier boundary is on show when the file is opened.
        g->setZB_String(oneBlockBoundary());
        g->init_grid_graph();
        g->Graph_Draw(0);
        ASSERT_TRUE(g->core().plotVisible());
        g->setZB_String(QString());
        g->init_grid_graph();
        chooseGeographic();
        state().KindChanged[1] = false;
        dialogs_.clear();
        openConfirmed(file);
        EXPECT_EQ(dialogs_.messageTexts(), QStringList{kindConfirmation(1)}) << file.toStdString();
        EXPECT_EQ(g->ZB_Type(), 0) << file.toStdString();
        EXPECT_EQ(areaCom->currentIndex(), 0) << file.toStdString();
    }
}
