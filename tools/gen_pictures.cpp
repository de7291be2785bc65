// Draws the main window's background pictures ckq-1.jpg to ckq-4.jpg (one per screen
// width class) into the given folder: a soft gradient with contour lines, and the toolbar
// icons side by side as icons/toolbar.png there, so the program need not draw them at each
// start. Each comes with its decoded copy (.pix), which the start-up maps instead of
// decoding the picture; so do the program's icons. With a second folder it also draws the program's icon there, one
// <size>/mining-filer.png per size.
#include "core/ui/toolbar_icons.h"
#include "platform/picture_part.h"

#include <QColor>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <cstdio>

static bool drawPicture(const QString& path, int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, w, h);
    g.setColorAt(0, QColor(236, 242, 236));
    g.setColorAt(1, QColor(205, 221, 212));
    p.fillRect(img.rect(), g);
    // Contour lines of an imagined hill.
    const double cx = w * 0.68, cy = h * 0.58;
    for (int ring = 1; ring <= 14; ++ring) {
        QPainterPath path;
        const double r = ring * std::min(w, h) * 0.045;
        for (int i = 0; i <= 180; ++i) {
            const double a = i * 2 * M_PI / 180;
            const double wobble = 1 + 0.12 * std::sin(3 * a + ring * 0.7) + 0.06 * std::cos(5 * a - ring);
            const QPointF pt(cx + r * 1.35 * wobble * std::cos(a), cy + r * wobble * std::sin(a));
            if (i == 0) path.moveTo(pt); else path.lineTo(pt);
        }
        p.setPen(QPen(QColor(120, 150, 130, ring % 5 == 0 ? 120 : 60), ring % 5 == 0 ? 2.0 : 1.0));
        p.drawPath(path);
    }
    p.end();
    // The decoded copy holds the pixels the JPEG gives back, so the window shows the same
    // picture whichever of the two it reads.
    return img.save(path, "JPG", 85) &&
           mf::writeDecodedPicture(mf::decodedPicturePath(path), QImage(path, "JPEG").convertToFormat(QImage::Format_RGB32));
}

// The program's icon: white mountains on a green tile, a gold line as the boundary.
static bool drawIcon(const QString& path, int size) {
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    QLinearGradient g(0, 0, 0, s);
    g.setColorAt(0, QColor(46, 125, 50));
    g.setColorAt(1, QColor(27, 94, 32));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(QRectF(s * 0.04, s * 0.04, s * 0.92, s * 0.92), s * 0.18, s * 0.18);
    const QPointF peaks[] = {{s * 0.14, s * 0.74}, {s * 0.40, s * 0.28}, {s * 0.55, s * 0.50},
                             {s * 0.66, s * 0.38}, {s * 0.86, s * 0.74}};
    p.setBrush(QColor(255, 255, 255));
    p.drawPolygon(peaks, 5);
    p.setBrush(QColor(255, 193, 7));
    p.drawRect(QRectF(s * 0.14, s * 0.78, s * 0.72, std::max(1.0, s * 0.06)));
    p.end();
    return img.save(path);
}

// An icon's decoded copy in the format Qt's pixmaps use on screen, as Qt converts it: a
// pixmap made of it at start-up shares its pixels instead of converting them.
static QImage forPixmaps(const QImage& image) { return image.convertToFormat(QImage::Format_ARGB32_Premultiplied); }

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: gen_pictures <folder>\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    const int widths[] = {1000, 1200, 1400, 1920};
    for (int i = 0; i < 4; ++i) {
        const int w = widths[i];
        if (!drawPicture(QStringLiteral("%1/ckq-%2.jpg").arg(dir).arg(i + 1), w, w * 3 / 4)) {
            std::fprintf(stderr, "gen_pictures: cannot write ckq-%d.jpg\n", i + 1);
            return 1;
        }
    }
    QDir(dir).mkpath(QStringLiteral("icons"));
    const QString strip = QStringLiteral("%1/icons/%2").arg(dir, mf::toolbarStripName());
    if (!mf::drawToolbarStrip().save(strip) ||
        !mf::writeDecodedPicture(mf::decodedPicturePath(strip), forPixmaps(QImage(strip, "PNG")))) {
        std::fprintf(stderr, "gen_pictures: cannot write the toolbar icons\n");
        return 1;
    }
    if (argc > 2) {
        const QString icons = QString::fromLocal8Bit(argv[2]);
        for (int size : {16, 32, 48, 64, 128, 256}) {
            const QString folder = QStringLiteral("%1/%2").arg(icons).arg(size);
            const QString png = folder + QStringLiteral("/mining-filer.png");
            if (!QDir().mkpath(folder) || !drawIcon(png, size) ||
                !mf::writeDecodedPicture(mf::decodedPicturePath(png), forPixmaps(QImage(png, "PNG")))) {
                std::fprintf(stderr, "gen_pictures: cannot write the %d-pixel icon\n", size);
                return 1;
            }
        }
    }
    return 0;
}
