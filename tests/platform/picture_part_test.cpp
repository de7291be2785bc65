#include "platform/picture_part.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace mf;

namespace {

// A plain green 300x200 picture, saved as p.jpg in the folder.
QImage savePicture(const QTemporaryDir& dir, QImage::Format format) {
    QImage source(300, 200, format);
    source.fill(QColor(10, 120, 40));
    EXPECT_TRUE(source.save(dir.filePath(QStringLiteral("p.jpg")), "JPEG"));
    return source;
}

} // namespace

TEST(PicturePart, DecodesTheTopLeftPartAtThreeBytesAPixel) {
    QTemporaryDir dir;
    const QString jpg = dir.filePath(QStringLiteral("p.jpg"));
    savePicture(dir, QImage::Format_RGB32);

    struct Case {
        QSize want, have, got;
        bool whole;
    };
    const Case cases[] = {
        {{100, 50}, {}, {100, 50}, false},
        {{100, 50}, {120, 30}, {120, 50}, false},   // never less than what was decoded before
        {{400, 100}, {}, {300, 100}, false},
        {{400, 400}, {}, {300, 200}, true},
    };
    for (const Case& c : cases) {
        const PicturePart part = decodePicturePart(jpg, c.want, c.have);
        EXPECT_EQ(part.image.size(), c.got) << c.want.width() << "x" << c.want.height();
        EXPECT_EQ(part.image.format(), QImage::Format_RGB888);
        EXPECT_EQ(part.whole, c.whole);
    }
    const PicturePart missing = decodePicturePart(dir.filePath(QStringLiteral("none.jpg")), {100, 100});
    EXPECT_TRUE(missing.image.isNull());
    EXPECT_TRUE(missing.whole);   // nothing more to decode: the window stays plain

    // On a worker: the same part, taken once.
    PictureDecoding decoding;
    EXPECT_TRUE(decoding.take().image.isNull());
    decoding.start(jpg, {100, 50});
    EXPECT_EQ(decoding.take().image, decodePicturePart(jpg, {100, 50}).image);
    EXPECT_FALSE(decoding.started());
}

TEST(PicturePart, MapsTheDecodedCopyAndFallsBackWhenItIsDamaged) {
    QTemporaryDir dir;
    const QString jpg = dir.filePath(QStringLiteral("p.jpg"));
    const QImage source = savePicture(dir, QImage::Format_RGB888);
    const QString pix = decodedPicturePath(jpg);
    EXPECT_EQ(pix, dir.filePath(QStringLiteral("p.pix")));
    QImage marked = source;
    marked.setPixelColor(0, 0, QColor(255, 0, 0));   // tells the copy from the JPEG
    ASSERT_TRUE(writeDecodedPicture(pix, marked));

    const PicturePart part = decodePicturePart(jpg, {100, 50});
    EXPECT_EQ(part.image, marked);
    EXPECT_TRUE(part.whole);
    EXPECT_EQ(readPicture(jpg, "jpeg"), marked);

    // Cut short: the JPEG is decoded as before.
    QFile f(pix);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.resize(f.size() - 1));
    f.close();
    EXPECT_TRUE(mapDecodedPicture(pix).isNull());
    EXPECT_EQ(decodePicturePart(jpg, {100, 50}).image.size(), QSize(100, 50));
}
