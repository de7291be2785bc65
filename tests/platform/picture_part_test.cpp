#include "platform/picture_part.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace mf;

TEST(PicturePart, DecodesTheTopLeftPartAtThreeBytesAPixel) {
    QTemporaryDir dir;
    const QString jpg = dir.filePath(QStringLiteral("p.jpg"));
    QImage source(300, 200, QImage::Format_RGB32);
    source.fill(QColor(10, 120, 40));
    ASSERT_TRUE(source.save(jpg, "JPEG"));

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
