// Starts the program as a user would, opens an editor on a page and saves a picture of the
// main window, for checking the screens by eye:
//   ui_snapshot <out.png> [kind 1-7] [page] [action] [plot.pdf]
// action: "region" opens the region tree with the first city expanded; "mineral:<text>"
// types the text into the main-mineral combo; "minerals" drops the mineral tree down;
// "grid" fills the coordinate grid with sample corner points, "plot" also shows their plan,
// "block" their block view; "geoedit" loads geographic corner points and opens the degree
// mask on the first longitude; "print", "pset" and "pdffile" show the print dialog, the
// printer set-up and the file dialog of a PDF printout over the editor.
#include "core/app_state.h"
#include "core/ui/main_window.h"
#include "core/ui/startup.h"
#include "forms/ui/editor_window.h"
#include "forms/ui/field_widgets.h"
#include "forms/ui/region_picker.h"
#include "gridgraph/ui/grid_graph.h"
#include "gridgraph/ui/plot_printer.h"
#include "platform/dialogs.h"
#include "platform/pdf_file.h"
#include "platform/ui/qt_dialogs.h"
#include "platform/ui/qt_setup.h"

#include "tool_app.h"

#include <QApplication>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QTabBar>
#include <QTreeWidget>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: ui_snapshot <out.png> [kind] [page]\n");
        return 2;
    }
    mf::QtDialogs dialogs;
    auto main = startProgramForTool(app, dialogs);
    if (!main) return 1;
    const int kind = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 0;
    const int page = argc > 3 ? QString::fromLocal8Bit(argv[3]).toInt() : 0;
    if (kind) {
        mf::EditorWindow* e = main->showEditor(kind);
        if (e) e->selectTab(page);
        const QString action = argc > 4 ? QString::fromLocal8Bit(argv[4]) : QString();
        if (e && action == QLatin1String("region") && !e->regionPickers().empty()) {
            mf::RegionPicker& p = *e->regionPickers().front();
            p.CommandXZQ_Click();
            if (QTreeWidgetItem* root = p.nodes().item(QStringLiteral("root"))) root->setExpanded(true);
            if (QTreeWidgetItem* prov = p.nodes().item(QStringLiteral("A11"))) prov->setExpanded(true);
            if (QTreeWidgetItem* city = p.nodes().item(QStringLiteral("B1101"))) city->setExpanded(true);
        } else if (e && action.startsWith(QLatin1String("mineral:")) && e->combo(2)) {
            const QString text = action.mid(8);
            e->combo(2)->setFocus();
            e->combo(2)->lineEdit()->setText(text);
            emit e->combo(2)->lineEdit()->textEdited(text);
        } else if (e && (action == QLatin1String("grid") || action == QLatin1String("plot") ||
                         action == QLatin1String("block")) && e->gridGraphWidget()) {
            auto* g = qobject_cast<mf::GridGraph*>(e->gridGraphWidget());
            if (g) {
                g->setZB_String(QStringLiteral(
                    "2,5,1,3850120.25,38512300.50,2,3850480.00,38512650.75,3,3850210.40,38513120.00,"
                    "4,3849800.00,38512900.10,5,3849760.30,38512420.00,1200,850,Ⅰ号矿体,1,"
                    "4,A1,3850050.00,38512600.00,A2,3850200.00,38512700.00,A3,3850100.00,38512880.00,"
                    "A4,3849950.00,38512750.00,1000,700,Ⅱ号矿体,-1,"));
                g->init_grid_graph();
                // The compute button, as a user would press it.
                if (auto* calc = qobject_cast<QPushButton*>(e->control(QStringLiteral("CALCOM")))) calc->click();
                if (action != QLatin1String("grid")) {
                    if (auto* b = qobject_cast<QPushButton*>(e->control(QStringLiteral("GRPHCOM"))))
                        b->click();
                    else
                        g->Graph_Draw(0);
                    if (action == QLatin1String("block"))
                        g->setBlockView(true);
                    // A further argument prints the plot to that PDF file.
                    if (argc > 5) {
                        QPrinter printer(QPrinter::HighResolution);
                        printer.setOutputFormat(QPrinter::PdfFormat);
                        printer.setOutputFileName(QString::fromLocal8Bit(argv[5]));
                        mf::paintAreaPlot(g->core(), printer);
                    }
                }
            }
        } else if (e && action == QLatin1String("geoedit") && e->gridGraphWidget()) {
            if (auto* g = qobject_cast<mf::GridGraph*>(e->gridGraphWidget())) {
                g->setZB_String(QStringLiteral("1,3,1,116.304512,39.304500,2,116.3100,39.3045,3,116.3100,39.3100,"
                                               "1200,1100,A1,1,"));
                g->init_grid_graph();
                g->core().grid().setCurrent(1, 2);
                g->core().hooks().gridReset();
                g->Area_Flex_DblClick();
            }
        } else if (e && action == QLatin1String("codes")) {
            // "codes": every code-list combo on its last item, the others on their second.
            for (int i : e->indexes(mf::ControlArray::ChCBO))
                if (mf::FieldCombo* c = e->combo(i); c && c->count() > 0)
                    c->setListIndex(e->comboIsCodeList(i) ? c->count() - 1 : std::min(1, c->count() - 1));
        } else if (e && action == QLatin1String("popup") && !e->fieldTable().codeCombos.empty()) {
            // "popup": the list of the first code-list combo, dropped down.
            if (mf::FieldCombo* c = e->combo(e->fieldTable().codeCombos.front().combo)) c->showPopup();
        } else if (e && action == QLatin1String("minerals") && e->combo(2)) {
            e->combo(2)->showPopup();
        }
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    // Whatever the action changed is not to be saved: close without the question.
    const auto quitWithoutSaving = [&] {
        for (int k = 1; k <= mf::kKindCount; ++k) mf::state().KindChanged[k] = false;
        main->close();
        app.quit();
    };
    const QString modal = argc > 4 ? QString::fromLocal8Bit(argv[4]) : QString();
    if (modal == QLatin1String("pset") || modal == QLatin1String("pdffile")) {
        // "pset": the printer set-up dialog; "pdffile": the file dialog of a PDF printout.
        QTimer::singleShot(300, [&] {
            QTimer::singleShot(800, [&] {
                QGuiApplication::primaryScreen()->grabWindow(0).save(out);
                if (QWidget* dlg = QApplication::activeModalWidget()) dlg->close();
            });
            if (modal == QLatin1String("pset"))
                main->Toolbar_ButtonClick(QStringLiteral("PSET"));
            else
                mf::askPdfPath(mf::pdfFileName(QStringLiteral("采矿权申请登记书"), QStringLiteral("某某铁矿")));
            quitWithoutSaving();
        });
    } else if (modal == QLatin1String("print")) {
        // "print": the print dialog over the editor; its window-manager hints go to stdout.
        QTimer::singleShot(300, [&] {
            QTimer::singleShot(500, [&] {
                QGuiApplication::primaryScreen()->grabWindow(0).save(out);
                if (QWidget* dlg = QApplication::activeModalWidget()) {
                    QProcess::execute(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(dlg->winId()),
                                                                QStringLiteral("_MOTIF_WM_HINTS"),
                                                                QStringLiteral("WM_NORMAL_HINTS"),
                                                                QStringLiteral("_NET_WM_WINDOW_TYPE")});
                    dlg->close();
                }
            });
            main->Toolbar_ButtonClick(QStringLiteral("PRINT"));
            std::printf("WIN available after the print dialog: %d\n",
                        int(main->toolbarButtonAvailable(QStringLiteral("WIN"))));
            quitWithoutSaving();
        });
    } else {
        QTimer::singleShot(400, [&] {
            // The whole screen, so the window's place on it shows too.
            QGuiApplication::primaryScreen()->grabWindow(0).save(out);
            quitWithoutSaving();
        });
    }
    const int rc = app.exec();
    mf::setDialogs(nullptr);
    return rc;
}
