// The coordinate grid at size: paste, load and check of N rows against N/16 rows (linear
// growth is a ratio of 1), the 1,000-row paste against 10 ms, 计算 of 32,000 points against
// loading them, and reopening a kind-1 file of 999 corner points with every field filled in
// the shown main window against 5 ms.
#include "bench.h"

#include "core/app_state.h"
#include "core/dictionary.h"
#include "core/field_access.h"
#include "core/text_submission.h"
#include "core/ui/commands.h"
#include "core/ui/main_window.h"
#include "core/ui/startup.h"
#include "forms/ui/editor_window.h"
#include "gridgraph/ui/grid_graph.h"
#include "platform/scripted_dialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QTemporaryDir>
#include <cmath>

namespace {

// Grid lines as the clipboard holds them: plane corner points, a region end after every
// 200 points and at the end (at most 255 regions), every point apart from the one before.
QString pasteText(int rows) {
    QString t;
    int p = 0;
    for (int r = 0; r < rows; ++r) {
        if (r % 201 == 200 || r == rows - 1) {
            t += QStringLiteral("*,500,200,矿体,1\r\n");
            p = 0;
            continue;
        }
        ++p;
        t += QStringLiteral("J%1,%2,%3\r\n").arg(p).arg(3800000.0 + p * 3.5, 0, 'f', 2).arg(38500000.0 + (p % 9) * 2.25, 0, 'f', 2);
    }
    return t;
}

struct GridTimes {
    double paste, load, check;
};

mf::ScriptedDialogs* gDialogs = nullptr;

GridTimes TimeGrid(mf::GridGraph& g, int rows, int reps) {
    const QString clip = pasteText(rows);
    std::vector<double> paste, load, check;
    QString zb;
    for (int i = 0; i < reps; ++i) {
        g.setZB_String(QString());
        g.init_grid_graph();
        QGuiApplication::clipboard()->setText(clip);
        paste.push_back(mfbench::TimeOnce([&] { g.runMenuItem(2); }));
        zb = g.ZB_String();
        load.push_back(mfbench::TimeOnce([&] {
            g.setZB_String(zb);
            g.init_grid_graph();
        }));
        check.push_back(mfbench::TimeOnce([&] { g.Check_ZB(1); }));
        if (!g.CheckZB()) {
            std::fprintf(stderr, "bench_grid: the %d pasted rows do not pass the check: %s\n", rows,
                         qPrintable(gDialogs->messageTexts().join(QStringLiteral("; "))));
            std::exit(2);
        }
    }
    return {mfbench::Median(paste), mfbench::Median(load), mfbench::Median(check)};
}

// The grid as the editors hold it, shown at a usual size.
void GridGoals() {
    mf::GridGraph g;
    g.resize(900, 600);
    g.show();
    QCoreApplication::processEvents();
    constexpr int kBig = 32000, kSmall = kBig / 16;
    const GridTimes one = TimeGrid(g, 1000, 9);
    // Small and big alternate, so a change of the machine's load touches both alike.
    std::vector<double> sp, sl, sc, bp, bl, bc;
    for (int r = 0; r < 7; ++r) {
        const GridTimes s = TimeGrid(g, kSmall, 1), b = TimeGrid(g, kBig, 1);
        sp.push_back(s.paste), sl.push_back(s.load), sc.push_back(s.check);
        bp.push_back(b.paste), bl.push_back(b.load), bc.push_back(b.check);
    }
    using mfbench::Median;
    const GridTimes small{Median(sp), Median(sl), Median(sc)}, big{Median(bp), Median(bl), Median(bc)};
    mfbench::Goal("paste-1000-rows", one.paste * 1e3, 10, "ms", 1.0);
    mfbench::Goal("paste-32000-rows-linear", big.paste * 1e3, 16 * small.paste * 1e3, "ms", 1.5);
    mfbench::Goal("load-32000-rows-linear", big.load * 1e3, 16 * small.load * 1e3, "ms", 1.5);
    mfbench::Goal("check-32000-rows-linear", big.check * 1e3, 16 * small.check * 1e3, "ms", 1.5);
}

// 计算 of one region of 32,000 corner points (check, crossing test and area) against
// loading the same boundary into the grid.
void AreaGoal() {
    mf::GridGraph g;
    g.resize(900, 600);
    g.show();
    QCoreApplication::processEvents();
    constexpr int kPoints = 32000;
    QString zb = QStringLiteral("1,%1,").arg(kPoints);
    for (int i = 0; i < kPoints; ++i) {
        // A wavy circle of 5 km: a simple ring with corners about a metre apart.
        const double a = 2 * M_PI * i / kPoints, r = 5000 + 40 * std::sin(300 * a);
        zb += QStringLiteral("J%1,%2,%3,").arg(i + 1).arg(3800000 + r * std::cos(a), 0, 'f', 2).arg(38500000 + r * std::sin(a), 0, 'f', 2);
    }
    zb += QStringLiteral("500,200,矿体,1,");
    std::vector<double> load, calc;
    for (int i = 0; i < 7; ++i) {
        load.push_back(mfbench::TimeOnce([&] {
            g.setZB_String(zb);
            g.init_grid_graph();
        }));
        calc.push_back(mfbench::TimeOnce([&] { g.Area_Calc(); }));
        if (!g.AreaCalcPassed()) {
            std::fprintf(stderr, "bench_grid: 计算 refused the 32,000-point ring: %s\n",
                         qPrintable(gDialogs->messageTexts().join(QStringLiteral("; "))));
            std::exit(2);
        }
    }
    mfbench::Goal("check-area-32000-points", mfbench::Median(calc) * 1e3, mfbench::Median(load) * 1e3, "ms", 2.0);
}

// Reopening a saved kind-1 application of 999 corner points in its open editor.
void ReopenGoal(mf::ScriptedDialogs& dialogs) {
    const QString exeDir = QCoreApplication::applicationDirPath();
    std::unique_ptr<mf::TabMain> main = mf::Main(exeDir, mf::findDataPath(exeDir));
    if (!main) std::exit(2);
    main->resize(1366, 740);
    main->show();
    main->Toolbar_ButtonClick(QStringLiteral("NEW"));
    mf::EditorWindow* editor = main->editor(1);
    QTemporaryDir dir;
    const QString file = dir.path() + QStringLiteral("/999.txt");
    mf::FormValues values = mf::collectFormValues(*editor);
    // Every field filled, as a finished application holds them: dates, a region code and
    // text in the rest, so loading runs every field's rules.
    for (int i = 0; i < values.fields.size(); ++i) {
        mf::FieldValue& f = values.fields[i];
        if (f.fieldName.contains(QStringLiteral("时间")) || f.fieldName.contains(QStringLiteral("期")))
            f.value = QStringLiteral("2024-05-%1").arg(1 + i % 28);
        else if (f.fieldName.contains(QStringLiteral("行政区")))
            f.value = QStringLiteral("110101");
        else if (f.array == mf::ControlArray::ChMEMO)
            f.value = QStringLiteral("第一行说明%1\n第二行说明").arg(i);
        else
            f.value = QStringLiteral("内容%1").arg(i);
    }
    values.checkTogether = true;
    mf::GridGraph probe;
    probe.setZB_String(QString());
    probe.init_grid_graph();
    QGuiApplication::clipboard()->setText(pasteText(999 + 999 / 200));
    probe.runMenuItem(2);
    values.boundary = probe.ZB_String();
    if (!mf::WriteTextSubmission(file, values, mf::dictionary().textKeyMap(1))) std::exit(2);
    dialogs.setDefaultAnswer(mf::MsgAnswer::Yes);
    auto reopen = [&] {
        mf::commands::OpenSubmissionFile(main.get(), file);
        mf::state().KindChanged[1] = false;
    };
    reopen();
    QCoreApplication::processEvents();
    const double t = mfbench::MedianSeconds(15, reopen);
    if (mf::state().KindFilePath[1] != file) {
        std::fprintf(stderr, "bench_grid: the 999-point file did not open\n");
        std::exit(2);
    }
    mfbench::Goal("reopen-999-points-kind1", t * 1e3, 5, "ms", 1.0);
    for (int k = 1; k <= mf::kKindCount; ++k) mf::state().KindChanged[k] = false;
    main->close();
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    mf::ScriptedDialogs dialogs;
    dialogs.install();
    gDialogs = &dialogs;
    GridGoals();
    AreaGoal();
    ReopenGoal(dialogs);
    return mfbench::Finish();
}
