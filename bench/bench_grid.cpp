// The coordinate grid at size: paste, load and check of N rows against N/16 rows (linear
// growth is a ratio of 1), the 1,000-row paste against a bare Qt table taking the same
// clipboard text, 计算 of 32,000 points against loading them, and reopening a kind-1 file
// of 999 corner points with every field filled in the shown main window against bare Qt
// widgets taking the same file. Each goal is the median of the ratios of alternating rounds.
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

#include <QAbstractTableModel>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QGridLayout>
#include <QHash>
#include <QLineEdit>
#include <QStringDecoder>
#include <QTableView>
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

// A table of text cells, rows of comma-separated fields, as a bare Qt program holds one.
class BareTable : public QAbstractTableModel {
public:
    int rowCount(const QModelIndex& = {}) const override { return int(rows_.size()); }
    int columnCount(const QModelIndex& = {}) const override { return 7; }
    QVariant data(const QModelIndex& i, int role) const override {
        if (role != Qt::DisplayRole) return {};
        const QStringList& r = rows_[size_t(i.row())];
        return i.column() < r.size() ? r[i.column()] : QString();
    }
    void setRows(std::vector<QStringList> rows) {
        beginResetModel();
        rows_ = std::move(rows);
        endResetModel();
    }

private:
    std::vector<QStringList> rows_;
};

// The anchor of the paste: the clipboard's lines split into the cells of a bare table
// model shown in a table view; seconds per paste.
double BarePaste(QTableView& view, BareTable& model) {
    return mfbench::PerCall(mfbench::kRoundSeconds, [&] {
        const QStringList lines = QGuiApplication::clipboard()->text().split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        std::vector<QStringList> rows;
        rows.reserve(size_t(lines.size()));
        for (const QString& line : lines) rows.push_back(line.split(u','));
        model.setRows(std::move(rows));
        view.viewport()->update();
    });
}

struct GridTimes {
    double paste, load, check;
};

mf::ScriptedDialogs* gDialogs = nullptr;

// Seconds per paste, load and check of the rows: repeated until each has taken a round's
// time.
GridTimes TimeGrid(mf::GridGraph& g, int rows) {
    const QString clip = pasteText(rows);
    GridTimes total{0, 0, 0};
    int calls = 0;
    QString zb;
    while (total.paste < mfbench::kRoundSeconds || total.load < mfbench::kRoundSeconds ||
           total.check < mfbench::kRoundSeconds) {
        g.setZB_String(QString());
        g.init_grid_graph();
        QGuiApplication::clipboard()->setText(clip);
        total.paste += mfbench::TimeOnce([&] { g.runMenuItem(2); });
        zb = g.ZB_String();
        total.load += mfbench::TimeOnce([&] {
            g.setZB_String(zb);
            g.init_grid_graph();
        });
        total.check += mfbench::TimeOnce([&] { g.Check_ZB(1); });
        ++calls;
        if (!g.CheckZB()) {
            std::fprintf(stderr, "bench_grid: the %d pasted rows do not pass the check: %s\n", rows,
                         qPrintable(gDialogs->messageTexts().join(QStringLiteral("; "))));
            std::exit(2);
        }
    }
    return {total.paste / calls, total.load / calls, total.check / calls};
}

// The grid as the editors hold it, shown at a usual size.
void GridGoals() {
    mf::GridGraph g;
    g.resize(900, 600);
    g.show();
    QCoreApplication::processEvents();
    constexpr int kBig = 32000, kSmall = kBig / 16;
    {
        // The 1,000-row paste alternating with the bare table taking the same text.
        QTableView view;
        BareTable model;
        view.setModel(&model);
        view.resize(900, 600);
        view.show();
        QCoreApplication::processEvents();
        QGuiApplication::clipboard()->setText(pasteText(1000));
        BarePaste(view, model);
        std::vector<double> ours, bare;
        for (int r = 0; r < 9; ++r) {
            ours.push_back(TimeGrid(g, 1000).paste);
            QCoreApplication::processEvents();
            bare.push_back(BarePaste(view, model));
            QCoreApplication::processEvents();
        }
        mfbench::Goal("paste-1000-rows", mfbench::Scaled(mfbench::FromRounds(ours, bare), 1e3), "ms", 4.5);
    }
    // Small and big alternate, so a change of the machine's load touches both alike; each
    // round's ratio is the big figure against 16 times the small one.
    std::vector<double> sp, sl, sc, bp, bl, bc;
    for (int r = 0; r < 7; ++r) {
        const GridTimes s = TimeGrid(g, kSmall), b = TimeGrid(g, kBig);
        sp.push_back(16 * s.paste), sl.push_back(16 * s.load), sc.push_back(16 * s.check);
        bp.push_back(b.paste), bl.push_back(b.load), bc.push_back(b.check);
    }
    using mfbench::FromRounds;
    using mfbench::Scaled;
    mfbench::Goal("paste-32000-rows-linear", Scaled(FromRounds(bp, sp), 1e3), "ms", 1.5);
    mfbench::Goal("load-32000-rows-linear", Scaled(FromRounds(bl, sl), 1e3), "ms", 1.5);
    mfbench::Goal("check-32000-rows-linear", Scaled(FromRounds(bc, sc), 1e3), "ms", 1.5);
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
        auto loadBoundary = [&] {
            g.setZB_String(zb);
            g.init_grid_graph();
        };
        load.push_back(mfbench::PerCall(mfbench::kRoundSeconds, loadBoundary));
        calc.push_back(mfbench::PerCall(mfbench::kRoundSeconds, loadBoundary, [&] { g.Area_Calc(); }));
        if (!g.AreaCalcPassed()) {
            std::fprintf(stderr, "bench_grid: 计算 refused the 32,000-point ring: %s\n",
                         qPrintable(gDialogs->messageTexts().join(QStringLiteral("; "))));
            std::exit(2);
        }
    }
    mfbench::Goal("check-area-32000-points", mfbench::Scaled(mfbench::FromRounds(calc, load), 1e3), "ms", 2.0);
}

// The anchor of reopening: the same file taken into bare Qt widgets with the plainest plan:
// read and decoded, each "key=value" line's value put into a line edit made beforehand for
// its key (a "***" line continuing the value before it), and each corner-point line split
// into the cells of a row of a table model.
class BareReopen {
public:
    explicit BareReopen(const QString& file) : file_(file) {
        auto* layout = new QGridLayout(&window_);
        int n = 0;
        for (const QString& line : lines()) {
            const qsizetype eq = line.indexOf(u'=');
            if (eq <= 0 || line.startsWith(QLatin1String("XY")) || edits_.contains(line.left(eq))) continue;
            auto* edit = new QLineEdit(&window_);
            layout->addWidget(edit, n / 6, n % 6);
            ++n;
            edits_.insert(line.left(eq), edit);
        }
        layout->addWidget(&view_, n / 6 + 1, 0, 1, 6);
        view_.setModel(&model_);
        window_.resize(1366, 740);
        window_.show();
        QCoreApplication::processEvents();
    }
    // Seconds per reading of the file.
    double round() {
        return mfbench::PerCall(mfbench::kRoundSeconds, [&] {
            std::vector<QStringList> rows;
            QLineEdit* last = nullptr;
            for (const QString& line : lines()) {
                if (line.startsWith(QLatin1String("***"))) {
                    if (last) last->setText(last->text() + u'\n' + line.mid(3));
                    continue;
                }
                const qsizetype eq = line.indexOf(u'=');
                if (eq <= 0) continue;
                if (line.startsWith(QLatin1String("XY"))) {
                    rows.push_back(line.mid(eq + 1).split(u','));
                } else if ((last = edits_.value(line.left(eq)))) {
                    last->setText(line.mid(eq + 1));
                }
            }
            model_.setRows(std::move(rows));
        });
    }

private:
    QStringList lines() const {
        QFile f(file_);
        if (!f.open(QIODevice::ReadOnly)) std::exit(2);
        QStringDecoder gb18030("GB18030");
        if (!gb18030.isValid()) std::exit(2);
        return QString(gb18030(f.readAll())).split(QStringLiteral("\r\n"));
    }
    QString file_;
    QWidget window_;
    QTableView view_{&window_};
    BareTable model_;
    QHash<QString, QLineEdit*> edits_;
};

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
    BareReopen bare(file);
    bare.round();
    // Each side's widgets are shown; the events of a round are handled before the next.
    const mfbench::Rounds r = mfbench::Alternate(
        11,
        [&] {
            const double t = mfbench::PerCall(mfbench::kRoundSeconds, reopen);
            QCoreApplication::processEvents();
            return t;
        },
        [&] {
            const double t = bare.round();
            QCoreApplication::processEvents();
            return t;
        });
    if (mf::state().KindFilePath[1] != file) {
        std::fprintf(stderr, "bench_grid: the 999-point file did not open\n");
        std::exit(2);
    }
    mfbench::Goal("reopen-999-points-kind1", mfbench::Scaled(r, 1e3), "ms", 7.5);
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
