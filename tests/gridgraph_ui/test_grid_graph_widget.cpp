// The coordinate control as a user drives it: keys, the degree mask, block commands,
// the menu, the plot view and the printed plot.
#include "gridgraph/ui/coord_table.h"
#include "gridgraph/ui/grid_graph.h"
#include "gridgraph/ui/plot_printer.h"
#include "platform/scripted_dialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPdfWriter>
#include <QPrinter>
#include <QProcess>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>

using namespace mf;

namespace {

const QString kSquare = "1,4,1,3000000.00,40000000.00,2,3001000.00,40000000.00,3,3001000.00,40001000.00,"
                        "4,3000000.00,40001000.00,100,50,A1,1,";

class GridGraphTest : public ::testing::Test {
protected:
    void SetUp() override {
        dialogs.install();
        g.resize(470, 392);
        g.show();
        connect();
        g.setZB_Type(0);
        g.setZB_String("");
        g.init_grid_graph();
        events.clear();
    }
    void connect() {
        QObject::connect(&g, &GridGraphWidget::ZBChanged, [this] { events << "ZBChanged"; });
        QObject::connect(&g, &GridGraphWidget::EnableStatus, [this](bool f) { events << QString("EnableStatus(%1)").arg(f); });
        QObject::connect(&g, &GridGraphWidget::SetZBType, [this](int t) { events << QString("SetZBType(%1)").arg(t); });
        QObject::connect(&g, &GridGraphWidget::FrameZB, [this] { events << "FrameZB"; });
    }
    void key(QWidget* w, int k, Qt::KeyboardModifiers m = Qt::NoModifier, const QString& text = {}) {
        QKeyEvent e(QEvent::KeyPress, k, m, text);
        QApplication::sendEvent(w, &e);
    }
    void typeOnGrid(const QString& t) {
        for (QChar c : t)
            key(g.table(), c.unicode(), Qt::NoModifier, QString(c));
    }
    void typeInEditor(const QString& t) {
        for (QChar c : t)
            key(g.activeEditor(), c.unicode(), Qt::NoModifier, QString(c));
    }
    void enterInEditor() { key(g.activeEditor(), Qt::Key_Return); }
    void select(int r, int c, int rSel, int cSel) {
        g.core().grid().select(r, c, rSel, cSel);
        g.core().hooks().gridReset();
    }
    ScriptedDialogs dialogs;
    GridGraph g;
    QStringList events;
};

} // namespace

TEST_F(GridGraphTest, TypingAPointNumberOnTheEntryRowAddsARowAndMovesOn) {
    typeOnGrid("A");
    ASSERT_TRUE(g.editorVisible());
    EXPECT_EQ(events, QStringList{"EnableStatus(0)"});
    typeInEditor("1");
    enterInEditor();
    EXPECT_EQ(g.core().grid().cell(1, 1), "A1");
    EXPECT_EQ(g.core().grid().rows(), 3);
    EXPECT_EQ(events.count("ZBChanged"), 1);
    // The editor reopened on column 2 of the same row.
    EXPECT_TRUE(g.editorVisible());
    EXPECT_EQ(g.core().grid().col_, 2);
    // Enter on an empty entry cell writes nothing.
    key(g.activeEditor(), Qt::Key_Escape);
    g.core().grid().setCurrent(2, 1);
    g.core().hooks().gridReset();
    key(g.table(), Qt::Key_Return);
    enterInEditor();
    EXPECT_EQ(g.core().grid().rows(), 3);
}

TEST_F(GridGraphTest, TabAndEnterMoveOnWhenTheWindowIsActive) {
    // In an active window the grid's focus handler does the commit; it must move on too.
    QApplication::setActiveWindow(&g);
    QApplication::processEvents();
    ASSERT_TRUE(g.isActiveWindow());
    g.table()->setFocus();
    typeOnGrid("A");
    ASSERT_TRUE(g.editorVisible());
    key(g.activeEditor(), Qt::Key_Return);
    EXPECT_EQ(g.core().grid().cell(1, 1), "A");
    ASSERT_TRUE(g.editorVisible());
    EXPECT_EQ(g.core().grid().col_, 2);
    typeInEditor("3000000");
    key(g.activeEditor(), Qt::Key_Tab);
    EXPECT_EQ(g.core().grid().cell(1, 2), "3000000");
    ASSERT_TRUE(g.editorVisible());
    EXPECT_EQ(g.core().grid().col_, 3);
    // Up commits without moving on and leaves the editor closed.
    typeInEditor("40000000");
    key(g.activeEditor(), Qt::Key_Up);
    EXPECT_EQ(g.core().grid().cell(1, 3), "40000000");
    EXPECT_FALSE(g.editorVisible());
    EXPECT_EQ(events.count("ZBChanged"), 3);
}

TEST_F(GridGraphTest, OtherCtrlKeysOnlyRaiseEnableStatusAndStillMoveTheGrid) {
    g.setZB_String(kSquare);
    g.init_grid_graph();
    g.core().grid().setCurrent(4, 3);
    g.core().hooks().gridReset();
    events.clear();
    key(g.table(), Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(events, QStringList{"EnableStatus(1)"});
    EXPECT_EQ(g.core().grid().row_, 1);
    EXPECT_EQ(g.core().grid().col_, 1);
}

TEST_F(GridGraphTest, ReadingTheStringCommitsTheOpenEditor) {
    typeOnGrid("P");
    ASSERT_TRUE(g.editorVisible());
    EXPECT_EQ(g.ZB_String(), "1,1,P,,,,,,,");
    EXPECT_FALSE(g.editorVisible());
}

TEST_F(GridGraphTest, DegreeMaskOnGeographicCells) {
    g.setZB_String("1,3,1,116.3045,39.5,2,116.31,39.5,3,116.31,39.51,1200,1100,,1,");
    g.init_grid_graph();
    g.core().grid().setCurrent(1, 2);
    g.core().hooks().gridReset();
    typeOnGrid("5");
    auto* mask = qobject_cast<DegreeMaskEdit*>(g.activeEditor());
    ASSERT_NE(mask, nullptr);
    EXPECT_EQ(mask->maskText(), "5  °  ′  .  ″");
    EXPECT_EQ(mask->cursorPosition(), 1);
    key(mask, Qt::Key_Escape);
    typeOnGrid("a");
    EXPECT_EQ(mask->maskText(), "   °  ′  .  ″");
    EXPECT_EQ(mask->cursorPosition(), 0);
    key(mask, Qt::Key_Escape);
    EXPECT_EQ(g.core().grid().cell(1, 2), "116.3045");

    // 39.5 opens as 39°50′00″; committed unchanged it keeps its own form and changes nothing.
    g.core().grid().setCell(1, 3, "39.5");
    g.core().grid().setCurrent(1, 3);
    g.core().hooks().gridReset();
    events.clear();
    g.Area_Flex_DblClick();
    EXPECT_EQ(mask->maskText(), "39°50′00.  ″");
    key(mask, Qt::Key_Escape);
    g.Area_Flex_DblClick();
    g.commitEditor(false);
    EXPECT_EQ(g.core().grid().cell(1, 3), "39.5");
    EXPECT_EQ(events.count("ZBChanged"), 0);

    // "98." right-aligns the degrees.
    g.core().grid().setCurrent(2, 2);
    g.core().hooks().gridReset();
    typeOnGrid("9");
    typeInEditor("8.");
    EXPECT_EQ(mask->maskText(), " 98°  ′  .  ″");
    EXPECT_EQ(mask->cursorPosition(), 4);
    // A cell the mask cannot show is edited as text; a digit typed on it starts a fresh mask.
    key(mask, Qt::Key_Escape);
    g.core().grid().setCell(2, 3, "abc");
    g.core().grid().setCurrent(2, 3);
    g.core().hooks().gridReset();
    g.Area_Flex_DblClick();
    EXPECT_EQ(qobject_cast<DegreeMaskEdit*>(g.activeEditor()), nullptr);
    EXPECT_EQ(g.activeEditor()->text(), "abc");
    key(g.activeEditor(), Qt::Key_Escape);
    typeOnGrid("4");
    ASSERT_EQ(g.activeEditor(), mask);
    EXPECT_EQ(mask->maskText(), "4 °  ′  .  ″");
    // Region-end rows use the text editor.
    key(mask, Qt::Key_Escape);
    g.core().grid().setCurrent(4, 2);
    g.core().hooks().gridReset();
    g.Area_Flex_DblClick();
    EXPECT_EQ(qobject_cast<DegreeMaskEdit*>(g.activeEditor()), nullptr);
}

// Degrees, minutes and seconds typed with "." or blanks between them are stored as meant;
// one separator reads as in a file ("98.3" is 98°30′), two as fields ("116.30.5" is 116°30′05″).
TEST_F(GridGraphTest, DegreeEntriesTypedWithSeparators) {
    const struct {
        int col;
        const char* typed;
        const char* cell;
        const char* reopened;   // the mask when the cell opens again
        bool ime = false;       // separators from an input method
    } cases[] = {
        {2, "116.30.45", "116.3045", "116°30′45.  ″"},
        {3, "39.30.15", "39.3015", "39°30′15.  ″"},
        {2, "116 30 45", "116.3045", "116°30′45.  ″"},
        {3, "39 30 15", "39.3015", "39°30′15.  ″"},
        {2, "98.3", "98.3000", " 98°30′00.  ″"},
        {2, "116.5", "116.5000", "116°50′00.  ″"},
        {2, "98.3.5", "98.0305", " 98°03′05.  ″"},
        {2, "98.3.5.", "98.0305", " 98°03′05.  ″"},
        {2, "116.30.5", "116.3005", "116°30′05.  ″"},
        {2, "116.5.3", "116.0503", "116°05′03.  ″"},
        {2, "116 5 3", "116.0503", "116°05′03.  ″"},
        {3, "39.5.3.", "39.0503", "39°05′03.  ″"},
        {2, "116。30．5", "116.3005", "116°30′05.  ″"},
        {2, "116　5　3", "116.0503", "116°05′03.  ″", true},
        {2, "1163045", "116.3045", "116°30′45.  ″"},
        {2, "116.30.45.5", "116.304550", "116°30′45.50″"},
        {2, "116.30.4.5", "116.300450", "116°30′04.50″"},
        {3, "39.5.3.25", "39.050325", "39°05′03.25″"},
        {2, "116.3045", "116.3045", "116°30′45.  ″"},
        {3, "9.5", "9.5000", " 9°50′00.  ″"},
    };
    g.setZB_String("1,3,1,116.3045,39.5,2,116.31,39.5,3,116.31,39.51,1200,1100,,1,");
    g.init_grid_graph();
    for (const auto& c : cases) {
        g.core().grid().setCurrent(2, c.col);
        g.core().hooks().gridReset();
        const QString typed = QString::fromUtf8(c.typed);
        typeOnGrid(typed.left(1));
        auto* mask = qobject_cast<DegreeMaskEdit*>(g.activeEditor());
        ASSERT_TRUE(mask) << c.typed;
        for (QChar ch : typed.mid(1))
            if (QInputMethodEvent ime; c.ime && !ch.isDigit()) ime.setCommitString(ch), QApplication::sendEvent(mask, &ime);
            else typeInEditor(QString(ch));
        g.commitEditor(false);
        EXPECT_EQ(g.core().grid().cell(2, c.col), QString(c.cell)) << c.typed;
        EXPECT_EQ(g.table()->model()->index(1, c.col - 1).data().toString(), QString(c.cell)) << c.typed;
        g.Area_Flex_DblClick();
        EXPECT_EQ(mask->maskText(), QString(c.reopened)) << c.typed;
        key(mask, Qt::Key_Escape);
    }
}

TEST_F(GridGraphTest, CtrlDownInTheLastColumnReopensThere) {
    g.setZB_String(kSquare);
    g.init_grid_graph();
    g.core().grid().setCurrent(5, 5);
    g.core().hooks().gridReset();
    g.Area_Flex_DblClick();
    key(g.activeEditor(), Qt::Key_Down, Qt::ControlModifier);
    EXPECT_TRUE(g.editorVisible());
    EXPECT_EQ(g.core().grid().col_, 5);
    key(g.activeEditor(), Qt::Key_Escape);
    EXPECT_EQ(g.core().grid().cell(5, 5), "1");
    // The number pad's Ctrl+Up is Ctrl+Up too: one column back, editor open there.
    g.Area_Flex_DblClick();
    key(g.activeEditor(), Qt::Key_Up, Qt::ControlModifier | Qt::KeypadModifier);
    EXPECT_TRUE(g.editorVisible());
    EXPECT_EQ(g.core().grid().row_, 5);
    EXPECT_EQ(g.core().grid().col_, 4);
}

TEST_F(GridGraphTest, CopyAndPasteThroughTheClipboard) {
    g.setZB_String(kSquare);
    g.init_grid_graph();
    select(1, 1, 2, 5);
    key(g.table(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith("STACOL=1;ENDCOL=5;ROWS=2\r\n"));
    g.core().grid().setCurrent(g.core().grid().entryRow(), 1);
    g.core().hooks().gridReset();
    events.clear();
    key(g.table(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(g.core().grid().lastDataRow(), 7);
    EXPECT_EQ(events, QStringList({"ZBChanged", "SetZBType(0)", "EnableStatus(1)"}));
    // What a paste leaves out is named: all of a spreadsheet's copy, what follows a blank line.
    QGuiApplication::clipboard()->setText("1\t3000000\t40000000\r\n");
    key(g.table(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(dialogs.lastMessage().text, "第1行不是逗号分隔的坐标数据，其后内容未粘贴");
    EXPECT_EQ(g.core().grid().lastDataRow(), 7);
    QGuiApplication::clipboard()->setText("1,3000000,40000000\r\n\r\n2,3000100,40000000\r\n");
    key(g.table(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(g.core().grid().lastDataRow(), 8);
    EXPECT_EQ(dialogs.lastMessage().title, "提示");
    EXPECT_EQ(dialogs.lastMessage().text, "第2行不是逗号分隔的坐标数据，其后内容未粘贴");
    // Refused while the editor is open.
    g.Area_Flex_DblClick();
    key(g.table(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(dialogs.lastMessage().text, "编辑状态不能执行粘贴操作...");
}

TEST_F(GridGraphTest, MenuEnablementAndDelete) {
    g.setZB_String(kSquare);
    g.init_grid_graph();
    QGuiApplication::clipboard()->clear();
    select(2, 2, 2, 2);
    GridGraph::MenuState s = g.menuState();
    EXPECT_FALSE(s.cut);
    EXPECT_FALSE(s.copy);
    EXPECT_FALSE(s.del);
    EXPECT_FALSE(s.paste);
    select(1, 1, 3, 5);
    QGuiApplication::clipboard()->setText("x");
    s = g.menuState();
    EXPECT_TRUE(s.cut && s.copy && s.del && s.paste);
    dialogs.answer(MsgAnswer::Yes);
    g.runMenuItem(0);   // cut
    EXPECT_EQ(dialogs.lastMessage().text, "确认删除从当前记录行以下3行数据！");
    EXPECT_EQ(g.core().grid().lastDataRow(), 2);
    // A cut whose copy is refused deletes nothing (columns 4 and 5 alone).
    select(1, 4, 2, 5);
    g.runMenuItem(0);
    EXPECT_EQ(dialogs.lastMessage().text, "拷贝列超出范围...");
    EXPECT_EQ(g.core().grid().lastDataRow(), 2);
}

TEST_F(GridGraphTest, PlotViewDrawsAndReturnsToTheTable) {
    g.setZB_String(kSquare);
    g.init_grid_graph();
    events.clear();
    g.Graph_Draw(0);
    ASSERT_TRUE(g.plotShown());
    EXPECT_EQ(g.regionList()->rowCount(), 1);
    EXPECT_EQ(g.regionList()->item(0, 0)->text(), "√");
    EXPECT_EQ(g.regionList()->item(0, 2)->text(), "1.000");
    const QImage img = g.surface()->grab().toImage();
    int red = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            red += img.pixelColor(x, y) == QColor(255, 0, 0);
    EXPECT_GT(red, 100);
    g.setBlockView(true);
    EXPECT_FALSE(g.surface()->grab().toImage().isNull());
    g.COORCOM();
    EXPECT_FALSE(g.plotShown());
    EXPECT_EQ(events, QStringList{"FrameZB"});
}

TEST_F(GridGraphTest, ZoomSetsTheScrollBars) {
    g.setZB_String(kSquare);
    g.init_grid_graph();
    g.Graph_Draw(0);
    g.setZoomIndex(1);   // 150 %
    EXPECT_EQ(g.core().plotOptions.scalePercent, 150);
    EXPECT_EQ(g.horizontalPan()->maximum(), 1905);   // 253 px → 380 px: 127 px of 15 twips
    g.setZoomIndex(0);
    EXPECT_EQ(g.horizontalPan()->maximum(), 1);
    EXPECT_EQ(g.horizontalPan()->value(), 1);
}

TEST_F(GridGraphTest, RegionListTicksAskAboutAllRows) {
    g.setZB_String("2,3,1,3000000,40000000,2,3000100,40000000,3,3000100,40000100,100,50,A,1,"
                   "3,1,3000500,40000500,2,3000600,40000500,3,3000600,40000600,100,50,B,1,");
    g.init_grid_graph();
    g.Graph_Draw(0);
    dialogs.answer(MsgAnswer::No);
    g.BGlist_MouseDown(Qt::LeftButton, 0, 0);
    EXPECT_EQ(dialogs.lastMessage().text, "全部取消吗?");
    EXPECT_FALSE(g.core().list.row(0).ticked);
    EXPECT_TRUE(g.core().list.row(1).ticked);
    // Right click in the plan view does nothing; in the opaque block view it moves the row.
    g.BGlist_MouseDown(Qt::RightButton, 0, 3);
    EXPECT_EQ(g.core().list.row(0).index, 0);
    g.setBlockView(true);
    g.core().plotOptions.transparent = false;
    g.BGlist_MouseDown(Qt::RightButton, 0, 3);
    EXPECT_EQ(g.core().list.row(1).index, 0);
    EXPECT_EQ(g.regionList()->item(1, 4)->text(), "0");
}

TEST_F(GridGraphTest, PrintsOnePdfPageAndReportsCompletion) {
    g.setZB_String(kSquare);
    g.init_grid_graph();
    // Nothing plotted yet: no document, no message.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    g.PrintCom_Click();
    PrintAreaPlot(g.core(), printer);
    EXPECT_TRUE(dialogs.messages().isEmpty());

    g.Graph_Draw(0);
    QTemporaryDir dir;
    const QString pdf = dir.filePath("plot.pdf");
    dialogs.chooseFile(pdf);
    PrintAreaPlot(g.core(), printer);
    EXPECT_EQ(dialogs.lastMessage().text, "打印完成！");
    EXPECT_EQ(dialogs.lastMessage().title, "信息提示");
    ASSERT_TRUE(QFile::exists(pdf));
    QProcess info;
    info.start("pdfinfo", {pdf});
    if (info.waitForFinished(10000) && info.exitCode() == 0) {
        EXPECT_TRUE(QString::fromUtf8(info.readAllStandardOutput()).contains(QRegularExpression("Pages:\\s+1\\n")));
    }
    // Every stroke of the printout is at least half a point wide (a printer pixel is a hairline).
    const QString svg = dir.filePath("plot.svg");
    if (QProcess::execute("pdftocairo", {"-svg", pdf, svg}) == 0) {
        QFile f(svg);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(f.readAll());
        static const QRegularExpression stroke(
            R"(<path style="[^"]*stroke-width:([\d.]+);[^"]*"[^>]*transform="matrix\(([-\d.]+),([-\d.]+),([-\d.]+),([-\d.]+),)");
        int strokes = 0;
        for (auto it = stroke.globalMatch(text); it.hasNext(); ++strokes) {
            const auto m = it.next();
            const double scale = std::sqrt(std::abs(m.captured(2).toDouble() * m.captured(5).toDouble() -
                                                    m.captured(3).toDouble() * m.captured(4).toDouble()));
            EXPECT_GE(m.captured(1).toDouble() * scale, 0.499) << m.captured(0).toStdString();
        }
        EXPECT_GT(strokes, 0);
    }
}

TEST_F(GridGraphTest, APdfThatCannotBeWrittenIsNotReportedAsDone) {
    g.setZB_String(kSquare);
    g.init_grid_graph();
    g.Graph_Draw(0);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    QTemporaryDir dir;
    const QString pdf = dir.filePath("no/such/folder/plot.pdf");
    dialogs.chooseFile(pdf);
    PrintAreaPlot(g.core(), printer);
    EXPECT_EQ(dialogs.lastMessage().text, "无法写入文件：" + pdf + "：文件或文件夹不存在");
    EXPECT_EQ(dialogs.lastMessage().title, "错误");
    EXPECT_EQ(dialogs.messages().size(), 1);
}

TEST_F(GridGraphTest, PrintedPlanOnAnImageIsUpright) {
    g.setZB_String(kSquare);
    g.init_grid_graph();
    g.Graph_Draw(0);
    g.core().list.toggle(0);   // nothing ticked: still a (blank) document
    QImage page(400, 560, QImage::Format_RGB32);
    page.fill(Qt::white);
    EXPECT_TRUE(paintAreaPlot(g.core(), page));
    g.core().list.toggle(0);
    EXPECT_TRUE(paintAreaPlot(g.core(), page));
    // Point 1 (south-west) prints at the bottom left of the square box centred on the page.
    EXPECT_EQ(page.pixelColor(40, 80 + 360), QColor(255, 0, 0));
}
