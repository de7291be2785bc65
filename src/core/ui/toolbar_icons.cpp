#include "core/ui/toolbar_icons.h"

#include "platform/picture_part.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStringList>

namespace mf {

namespace {
struct IconDef {
    const char* key;
    const char* glyph;
    QRgb colour;
};
constexpr int kIconSize = 64;
constexpr int kToolbarSize = 32;   // the toolbar's icon size

const IconDef kIcons[] = {
    {"NEW", "新", 0x2e7d32},   {"CHANGE", "变", 0x1565c0}, {"CONT", "延", 0x00838f},
    {"Cession", "转", 0x6a1b9a}, {"DEL", "注", 0xc62828},  {"DING", "划", 0xef6c00},
    {"CHECK", "检", 0x4e342e}, {"OPEN", "开", 0x546e7a},  {"SAVE", "存", 0x283593},
    {"annex", "附", 0x00695c}, {"PSET", "设", 0x5d4037},  {"PRINT", "印", 0x37474f},
    {"WIN", "窗", 0x0277bd},   {"EXIT", "退", 0xb71c1c},  {"HELP", "?", 0x1b5e20},
};
} // namespace

QImage drawToolbarIcon(const QString& key) {
    QRgb colour = 0x455a64;
    QString glyph = key.left(1);
    for (const IconDef& d : kIcons) {
        if (key == QLatin1String(d.key)) {
            colour = d.colour;
            glyph = QString::fromUtf8(d.glyph);
        }
    }
    QImage img(kIconSize, kIconSize, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.addRoundedRect(QRectF(4, 4, 56, 56), 12, 12);
    p.fillPath(path, QColor(colour));
    p.setPen(Qt::white);
    QFont f(QStringLiteral("WenQuanYi Zen Hei"));
    f.setPixelSize(36);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRect(0, 0, kIconSize, kIconSize), Qt::AlignCenter, glyph);
    p.end();
    return img;
}

QStringList toolbarIconKeys() {
    QStringList keys;
    for (const IconDef& d : kIcons) keys << QString::fromLatin1(d.key);
    return keys;
}

QImage drawToolbarStrip() {
    const QStringList keys = toolbarIconKeys();
    QImage strip(kIconSize * int(keys.size()), kIconSize + kToolbarSize, QImage::Format_ARGB32_Premultiplied);
    strip.fill(Qt::transparent);
    QPainter p(&strip);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    for (int i = 0; i < keys.size(); ++i) {
        const QImage icon = drawToolbarIcon(keys[i]);
        p.drawImage(i * kIconSize, 0, icon);
        // The size the toolbar shows, scaled as Qt scales an icon for it.
        p.drawImage(i * kIconSize, kIconSize,
                    icon.scaled(kToolbarSize, kToolbarSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    return strip;
}

QString toolbarStripName() { return QStringLiteral("toolbar.png"); }

namespace {
// A square of the strip as an image on the strip's own pixels, which it keeps while in use.
// The strip's decoded copy is stored in the format Qt's pixmaps use, so a pixmap made of it
// shares those pixels too: no icon is copied at start-up.
QImage stripPart(const QImage& strip, int x, int y, int size) {
    if (strip.depth() != 32) return strip.copy(x, y, size, size);
    auto* keep = new QImage(strip);
    return QImage(keep->constBits() + qsizetype(y) * keep->bytesPerLine() + x * 4, size, size, keep->bytesPerLine(),
                  keep->format(), [](void* kept) { delete static_cast<QImage*>(kept); }, keep);
}
} // namespace

QIcon toolbarIcon(const QString& key, const QString& iconDir) {
    // Drawing needs the glyph font at its large size; the strip drawn at build time spares
    // the start-up loading it.
    static QString stripDir;
    static QImage strip;
    if (stripDir != iconDir) {
        stripDir = iconDir;
        strip = readPicture(iconDir + QLatin1Char('/') + toolbarStripName(), "png");
    }
    const int at = int(toolbarIconKeys().indexOf(key));
    if (at >= 0 && strip.height() == kIconSize + kToolbarSize && strip.width() >= (at + 1) * kIconSize) {
        QIcon icon(QPixmap::fromImage(stripPart(strip, at * kIconSize, 0, kIconSize)));
        icon.addPixmap(QPixmap::fromImage(stripPart(strip, at * kIconSize, kIconSize, kToolbarSize)));
        return icon;
    }
    return QIcon(QPixmap::fromImage(drawToolbarIcon(key)));
}

} // namespace mf
