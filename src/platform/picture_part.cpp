#include "platform/picture_part.h"

#include <QFileInfo>
#include <QImageReader>

namespace mf {

QImage readPicture(const QString& path, const char* format) {
    if (!QFileInfo(path).isFile()) return QImage();   // the reader would warn about it
    QImageReader reader(path, format);
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

PicturePart decodePicturePart(const QString& path, const QSize& want, const QSize& have) {
    if (!QFileInfo(path).isFile()) return PicturePart{QImage(), true};
    QImageReader reader(path, "jpeg");
    reader.setAutoDetectImageFormat(false);
    const QSize full = reader.size();
    const QSize part = full.boundedTo(want.expandedTo(have));
    if (full.isValid()) reader.setClipRect(QRect(QPoint(0, 0), part));
    PicturePart out;
    out.image = reader.read();
    out.whole = out.image.isNull() || part == full;
    // Three bytes a pixel, as the picture is stored: a quarter less memory than RGB32.
    // Converted in place, so the decoded picture and its copy are never held side by side.
    out.image.convertTo(QImage::Format_RGB888);
    return out;
}

void PictureDecoding::start(const QString& path, const QSize& want) {
    result_ = std::async(std::launch::async, [path, want] { return decodePicturePart(path, want); });
}

PicturePart PictureDecoding::take() { return result_.valid() ? result_.get() : PicturePart{}; }

} // namespace mf
