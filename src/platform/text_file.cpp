#include "platform/text_file.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace mf {

namespace {
constexpr const char* kCodec = "GB18030";

QString describe(const QString& path, const QString& reason) {
    return path + QStringLiteral(": ") + reason;
}
} // namespace

QByteArray encodeGb18030(const QString& text) {
    QStringEncoder encoder(kCodec);
    Q_ASSERT(encoder.isValid());
    QByteArray bytes = encoder.encode(text);
    return bytes;
}

QString decodeGb18030(const QByteArray& bytes, bool* ok) {
    QStringDecoder decoder(kCodec);
    Q_ASSERT(decoder.isValid());
    QString text = decoder.decode(bytes);
    if (ok)
        *ok = !decoder.hasError();
    return text;
}

QStringList splitLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < n && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(text.mid(start));
    return lines;
}

TextReadResult readTextLines(const QString& path) {
    TextReadResult result;
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        result.error = describe(path, path.isEmpty() ? QStringLiteral("empty path") : file.errorString());
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.error = describe(path, file.errorString());
        return result;
    }
    bool valid = true;
    result.lines = splitLines(decodeGb18030(bytes, &valid));
    result.validEncoding = valid;
    result.ok = true;
    return result;
}

bool writeTextLines(const QString& path, const QStringList& lines, QString* error) {
    QString text;
    for (const QString& line : lines) {
        text += line;
        text += QStringLiteral("\r\n");
    }
    return writeFileAtomic(path, encodeGb18030(text), error);
}

bool writeFileAtomic(const QString& path, const QByteArray& bytes, QString* error) {
    auto fail = [&](const QString& reason) {
        if (error)
            *error = describe(path, reason);
        return false;
    };
    if (path.isEmpty())
        return fail(QStringLiteral("empty path"));
    // QSaveFile writes a temporary file beside the target and renames it on commit; it
    // never falls back to writing the target directly.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return fail(reason);
    }
    if (!file.commit())
        return fail(file.errorString());
    return true;
}

} // namespace mf
