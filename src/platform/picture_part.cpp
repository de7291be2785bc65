#include "platform/picture_part.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <system_error>

namespace mf {

namespace {

// Layout of a decoded copy: this header, then the lines, bytesPerLine apart. 32 bytes keep
// the lines aligned as QImage wants them.
struct DecodedHeader {
    char magic[8];
    std::uint32_t width, height, format, bytesPerLine;
    std::uint32_t reserved[2];
};
static_assert(sizeof(DecodedHeader) == 32);
constexpr char kDecodedMagic[8] = {'M', 'F', 'P', 'I', 'X', '1', '\0', '\0'};

struct Mapping {
    void* at;
    size_t size;
};

void unmap(void* info) {
    auto* m = static_cast<Mapping*>(info);
    munmap(m->at, m->size);
    delete m;
}

} // namespace

QString decodedPicturePath(const QString& picturePath) {
    const int dot = int(picturePath.lastIndexOf(QLatin1Char('.')));
    const int slash = int(picturePath.lastIndexOf(QLatin1Char('/')));
    return (dot > slash ? picturePath.left(dot) : picturePath) + QStringLiteral(".pix");
}

bool writeDecodedPicture(const QString& path, const QImage& image) {
    if (image.isNull()) return false;
    DecodedHeader h{};
    std::memcpy(h.magic, kDecodedMagic, sizeof h.magic);
    h.width = std::uint32_t(image.width());
    h.height = std::uint32_t(image.height());
    h.format = std::uint32_t(image.format());
    h.bytesPerLine = std::uint32_t(image.bytesPerLine());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    bool ok = f.write(reinterpret_cast<const char*>(&h), sizeof h) == qint64(sizeof h);
    for (int y = 0; ok && y < image.height(); ++y)
        ok = f.write(reinterpret_cast<const char*>(image.constScanLine(y)), image.bytesPerLine()) == image.bytesPerLine();
    return ok && f.flush();
}

QImage mapDecodedPicture(const QString& path) {
    const int fd = open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return QImage();
    struct stat st{};
    DecodedHeader h{};
    void* at = MAP_FAILED;
    if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > off_t(sizeof h) &&
        pread(fd, &h, sizeof h, 0) == ssize_t(sizeof h) && std::memcmp(h.magic, kDecodedMagic, sizeof h.magic) == 0 &&
        h.format > QImage::Format_Invalid && h.format < QImage::NImageFormats && h.width > 0 && h.width <= 16384 &&
        h.height > 0 && h.height <= 16384 && h.bytesPerLine % 4 == 0 &&
        std::uint64_t(h.bytesPerLine) * 8 >= std::uint64_t(h.width) * QImage::toPixelFormat(QImage::Format(h.format)).bitsPerPixel() &&
        std::uint64_t(st.st_size) == sizeof h + std::uint64_t(h.bytesPerLine) * h.height)
        at = mmap(nullptr, size_t(st.st_size), PROT_READ, MAP_PRIVATE, fd, 0);
    close(fd);
    if (at == MAP_FAILED) return QImage();
    auto* m = new Mapping{at, size_t(st.st_size)};
    // Read-only pixels: a change to the image copies them first.
    return QImage(static_cast<const uchar*>(at) + sizeof h, int(h.width), int(h.height), qsizetype(h.bytesPerLine),
                  QImage::Format(h.format), unmap, m);
}

QImage readPicture(const QString& path, const char* format) {
    QImage mapped = mapDecodedPicture(decodedPicturePath(path));
    if (!mapped.isNull()) return mapped;
    if (!QFileInfo(path).isFile()) return QImage();   // the reader would warn about it
    QImageReader reader(path, format);
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

PicturePart decodePicturePart(const QString& path, const QSize& want, const QSize& have) {
    QImage mapped = mapDecodedPicture(decodedPicturePath(path));
    if (!mapped.isNull()) return PicturePart{std::move(mapped), true};
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
    // A decoded copy is mapped at once: a thread would cost more than the mapping.
    QImage mapped = mapDecodedPicture(decodedPicturePath(path));
    if (!mapped.isNull()) {
        std::promise<PicturePart> ready;
        ready.set_value(PicturePart{std::move(mapped), true});
        result_ = ready.get_future();
        return;
    }
    auto decode = [path, want] { return decodePicturePart(path, want); };
    try {
        result_ = std::async(std::launch::async, decode);
    } catch (const std::system_error&) {
        result_ = std::async(std::launch::deferred, decode);   // no thread: decoded when taken
    }
}

PicturePart PictureDecoding::take() { return result_.valid() ? result_.get() : PicturePart{}; }

} // namespace mf
