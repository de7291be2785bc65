// Coordinates: projection and area of 10,000 geographic corner points as the area
// calculation takes them from the grid, against `cs2cs` projecting the same points (text in,
// text out), its process start taken off by a run with one point.
#include "bench.h"

#include "gridgraph/coord_grid.h"
#include "gridgraph/regions.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <cmath>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace {

constexpr int kRegions = 50, kPointsPerRegion = 200;

struct Points {
    mf::CoordGrid grid;   // DDD.MMSS texts, as typed
    QByteArray lonLat;    // "lon lat" in decimal degrees, one point a line
};

// Rings of points around centres in one 6-degree zone, with whole seconds so that the
// packed text and the decimal degrees are the same point.
Points MakePoints() {
    Points p;
    p.grid.setRows(kRegions * (kPointsPerRegion + 1) + 2);
    int row = 1;
    for (int r = 0; r < kRegions; ++r) {
        const int lon0 = 115 * 3600 + 20 * 60 + r * 90, lat0 = 39 * 3600 + 40 * 60 + (r % 7) * 120;
        for (int i = 0; i < kPointsPerRegion; ++i) {
            const double a = 2 * M_PI * i / kPointsPerRegion;
            const int lon = lon0 + int(std::lround(30 * std::cos(a))), lat = lat0 + int(std::lround(30 * std::sin(a)));
            auto packed = [](int s) {
                return QString::asprintf("%d.%02d%02d", s / 3600, s / 60 % 60, s % 60);
            };
            p.grid.setCell(row, 0, QString::number(row));
            p.grid.setCell(row, 1, QString::number(i + 1));
            p.grid.setCell(row, 2, packed(lon));
            p.grid.setCell(row, 3, packed(lat));
            p.lonLat += QByteArray::number(lon / 3600.0, 'f', 8) + ' ' + QByteArray::number(lat / 3600.0, 'f', 8) + '\n';
            ++row;
        }
        p.grid.setCell(row, 0, QString::number(row));
        for (int c = 1; c < mf::CoordGrid::kCols; ++c)
            p.grid.setCell(row, c, QStringList{"*", "500", "200", "矿体", "1"}[c - 1]);
        ++row;
    }
    return p;
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

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    Points p = MakePoints();
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

    std::vector<double> anchor;
    for (int i = 0; i < 9; ++i) anchor.push_back(Cs2cs(all, out) - Cs2cs(one, out));

    QString text;
    const double project = mfbench::MedianSeconds(9, [&] {
        const std::vector<mf::Region> regions = mf::BuildRegions(p.grid, 1);
        text = mf::areaText(regions);
    });
    if (text.trimmed().isEmpty()) return 2;
    char name[64];
    std::snprintf(name, sizeof name, "coords-%d-points", kRegions * kPointsPerRegion);
    mfbench::Goal(name, project * 1e3, mfbench::Median(anchor) * 1e3, "ms", 1.2);
    return mfbench::Finish();
}
