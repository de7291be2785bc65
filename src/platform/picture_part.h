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
// plug-in is loaded to recognise the file: only the format's own reader is used.
QImage readPicture(const QString& path, const char* format);

struct PicturePart {
    QImage image;        // null when the file is missing or cannot be read
    bool whole = false;  // the part is the whole picture: nothing is left to decode
};

// Decodes the part of the JPEG picture within `want` from its top left corner, at least `have`
// (a part decoded before, which a tiled background shows beyond the area).
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
