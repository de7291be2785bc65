// Coordinates. 计算 end to end (the check, the regions with their projection and crossing
// test, the areas) of 10,000 geographic corner points, against `cs2cs` projecting the same
// points (text in, text out; its process start taken off by a run with one point). And the
// projection and areas of 1,000,000 points as 计算 takes them from the grid, against
// pyproj's vectorised transform of the same points plus a numpy shoelace per region (when
// python3-pyproj is installed). Project and anchor run alternately; each goal is the
// median of the rounds' ratios.
#include "bench.h"

#include "gridgraph/coord_check.h"
#include "gridgraph/coord_grid.h"
#include "gridgraph/regions.h"
#include "platform/scripted_dialogs.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cmath>
#include <optional>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace {

constexpr int kPointsPerRegion = 200;

struct Points {
    std::vector<mf::CoordGrid> grids;   // DDD.MMSSss texts, as typed
    QByteArray lonLat;                  // "lon lat" in decimal degrees, one point a line
    std::vector<double> lonLatBinary;   // the same as pairs of doubles
};

// Grids of `regions` rings of points each around centres in one 6-degree zone, at
// hundredths of a second, so that the packed text and the decimal degrees are the same
// point.
Points MakePoints(int grids, int regions) {
    Points p;
    int region = 0;
    for (int g = 0; g < grids; ++g) {
        mf::CoordGrid grid;
        grid.setRows(regions * (kPointsPerRegion + 1) + 2);
        int row = 1;
        for (int r = 0; r < regions; ++r, ++region) {
            const qint64 lon0 = (115 * 3600 + 20 * 60 + (region % 50) * 90) * 100LL;
            const qint64 lat0 = (39 * 3600 + 40 * 60 + (region / 50 % 100) * 70) * 100LL;
            for (int i = 0; i < kPointsPerRegion; ++i) {
                const double a = 2 * M_PI * i / kPointsPerRegion;
                const qint64 lon = lon0 + std::llround(3000 * std::cos(a)), lat = lat0 + std::llround(3000 * std::sin(a));
                auto packed = [](qint64 h) {
                    const qint64 s = h / 100;
                    return QString::asprintf("%lld.%02lld%02lld%02lld", s / 3600, s / 60 % 60, s % 60, h % 100);
                };
                grid.setCell(row, 0, QString::number(row));
                grid.setCell(row, 1, QString::number(i + 1));
                grid.setCell(row, 2, packed(lon));
                grid.setCell(row, 3, packed(lat));
                p.lonLat += QByteArray::number(lon / 360000.0, 'f', 10) + ' ' + QByteArray::number(lat / 360000.0, 'f', 10) + '\n';
                p.lonLatBinary.push_back(lon / 360000.0);
                p.lonLatBinary.push_back(lat / 360000.0);
                ++row;
            }
            grid.setCell(row, 0, QString::number(row));
            for (int c = 1; c < mf::CoordGrid::kCols; ++c)
                grid.setCell(row, c, QStringList{"*", "500", "200", "矿体", "1"}[c - 1]);
            ++row;
        }
        p.grids.push_back(std::move(grid));
    }
    return p;
}

// What 计算 does with a grid: the check, the regions (projected, each tested for crossing
// itself) and the total area; exits when the grid is refused.
QString Calculate(mf::CoordGrid& grid, mf::Dialogs& dialogs) {
    if (!mf::CheckCoordGrid(grid, 1, 1, dialogs).ok) {
        std::fprintf(stderr, "bench_coords: the check refused the grid\n");
        std::exit(2);
    }
    const std::vector<mf::Region> regions = mf::BuildRegions(grid, 1);
    for (const mf::Region& r : regions)
        if (r.SelfCrossing) {
            std::fprintf(stderr, "bench_coords: a ring crosses itself\n");
            std::exit(2);
        }
    return mf::areaText(regions);
}

// Seconds of one cs2cs run reading `input` and writing `output`.
double Cs2cs(const QString& input, const QString& output) {
    static const char* args[] = {"cs2cs", "-f", "%.4f", "+proj=longlat", "+ellps=krass", "+no_defs", "+to",
                                 "+proj=tmerc", "+lat_0=0", "+lon_0=117", "+k=1", "+x_0=20500000", "+y_0=0",
                                 "+ellps=krass", "+units=m", "+no_defs", nullptr};
    posix_spawn_file_actions_t fa;
    posix_spawn_file_actions_init(&fa);
    posix_spawn_file_actions_addopen(&fa, 0, input.toLocal8Bit().constData(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&fa, 1, output.toLocal8Bit().constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid = 0;
    const double t0 = mfbench::Now();
    if (posix_spawnp(&pid, "cs2cs", &fa, nullptr, const_cast<char**>(args), environ) != 0) {
        std::fprintf(stderr, "bench_coords: cs2cs is missing (proj-bin)\n");
        std::exit(2);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    const double t = mfbench::Now() - t0;
    posix_spawn_file_actions_destroy(&fa);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "bench_coords: cs2cs failed\n");
        std::exit(2);
    }
    return t;
}

// Seconds pyproj and numpy take for the points of `file`; empty when python3-pyproj is not
// installed.
std::optional<double> Pyproj(const QString& file) {
    // Debian's python3-pyproj belongs to the system's interpreter.
    const QString python = QFile::exists(QStringLiteral("/usr/bin/python3")) ? QStringLiteral("/usr/bin/python3") : QStringLiteral("python3");
    QProcess py;
    py.start(python, {QCoreApplication::applicationDirPath() + QStringLiteral("/pyproj_anchor.py"), file,
                                         QString::number(kPointsPerRegion), QStringLiteral("117")});
    if (!py.waitForFinished(120000) || py.exitStatus() != QProcess::NormalExit) return std::nullopt;
    if (py.exitCode() == 3) return std::nullopt;
    bool ok = false;
    const double t = QString::fromLatin1(py.readAllStandardOutput()).section(u' ', 0, 0).toDouble(&ok);
    if (py.exitCode() != 0 || !ok) {
        std::fprintf(stderr, "bench_coords: the pyproj anchor failed: %s\n", py.readAllStandardError().constData());
        std::exit(2);
    }
    return t;
}

void TenThousandPoints(mf::Dialogs& dialogs) {
    Points p = MakePoints(1, 50);
    QTemporaryDir dir;
    const QString all = dir.filePath("all.txt"), one = dir.filePath("one.txt"), out = dir.filePath("out.txt");
    QFile f(all);
    f.open(QIODevice::WriteOnly);
    f.write(p.lonLat);
    f.close();
    QFile g(one);
    g.open(QIODevice::WriteOnly);
    g.write(p.lonLat.left(p.lonLat.indexOf('\n') + 1));
    g.close();

    std::vector<double> anchor, start, project;
    QString text;
    for (int i = 0; i < 11; ++i) {
        anchor.push_back(Cs2cs(all, out));
        start.push_back(Cs2cs(one, out));
        project.push_back(mfbench::TimeOnce([&] { text = Calculate(p.grids[0], dialogs); }));
    }
    // cs2cs's start, the median of its one-point runs, taken off each round's run.
    const double started = mfbench::Median(start);
    for (double& a : anchor) a -= started;
    if (text.trimmed().isEmpty()) std::exit(2);
    mfbench::Goal("coords-10000-points", mfbench::Scaled(mfbench::FromRounds(project, anchor), 1e3), "ms", 1.2);
}

void MillionPoints() {
    constexpr int kGrids = 40, kRegions = 125;   // 40 grids of 25,000 points
    Points p = MakePoints(kGrids, kRegions);
    QTemporaryDir dir;
    const QString file = dir.filePath("points.bin");
    QFile f(file);
    f.open(QIODevice::WriteOnly);
    f.write(reinterpret_cast<const char*>(p.lonLatBinary.data()), qint64(p.lonLatBinary.size() * sizeof(double)));
    f.close();

    std::vector<double> anchor, project;
    for (int i = 0; i < 7; ++i) {
        const std::optional<double> a = Pyproj(file);
        if (!a) {
            std::printf("goal coords-1m-points-vs-pyproj: skipped (python3-pyproj is not installed)\n");
            return;
        }
        anchor.push_back(*a);
        project.push_back(mfbench::TimeOnce([&] {
            for (mf::CoordGrid& g : p.grids)
                if (mf::areaText(mf::BuildRegions(g, 1)).trimmed().isEmpty()) std::exit(2);
        }));
    }
    mfbench::Goal("coords-1m-points-vs-pyproj", mfbench::Scaled(mfbench::FromRounds(project, anchor), 1e3), "ms", 3.0);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    mf::ScriptedDialogs dialogs;
    dialogs.install();
    TenThousandPoints(dialogs);
    MillionPoints();
    return mfbench::Finish();
}
