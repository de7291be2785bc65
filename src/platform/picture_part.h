#pragma once
// The top left part of a picture file, decoded as far as a window shows it, at three bytes a
// pixel. A window starts the decoding on a worker thread while it builds itself and takes the
// picture when it first needs it.
#include <QImage>
#include <QSize>
#include <QString>
#include <future>

namespace mf {

// Reads a picture file of the format named ("png", "jpeg"). Unlike QImage(path), no picture
// plug-in is loaded to recognise the file: only the format's own reader is used. A decoded
// copy made at build time beside it (see decodedPicturePath) is mapped instead, unread.
QImage readPicture(const QString& path, const char* format);

// The decoded copy of a picture file: the same name with the suffix ".pix". It holds the
// pixels as they are in memory, so the start-up maps it instead of decoding the picture.
QString decodedPicturePath(const QString& picturePath);
// Writes the decoded copy of an image (any format Qt can hold in memory).
bool writeDecodedPicture(const QString& path, const QImage& image);
// The decoded copy mapped read-only (pages are read as they are painted); a null image when
// the file is missing, damaged or of another size than it says.
QImage mapDecodedPicture(const QString& path);

struct PicturePart {
    QImage image;        // null when the file is missing or cannot be read
    bool whole = false;  // the part is the whole picture: nothing is left to decode
};

// Decodes the part of the JPEG picture within `want` from its top left corner, at least `have`
// (a part decoded before, which a tiled background shows beyond the area). Its decoded copy,
// when there is one, is mapped whole instead.
PicturePart decodePicturePart(const QString& path, const QSize& want, const QSize& have = QSize());

// A decoding of decodePicturePart() on a worker thread.
class PictureDecoding {
public:
    void start(const QString& path, const QSize& want);
    bool started() const { return result_.valid(); }
    // Waits for the picture; a null part when nothing was started.
    PicturePart take();

private:
    std::future<PicturePart> result_;
};

} // namespace mf
