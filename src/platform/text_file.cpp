#include "platform/text_file.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace mf {

namespace {
constexpr const char* kCodec = "GB18030";
} // namespace

QByteArray encodeGb18030(const QString& text) {
    QStringEncoder encoder(kCodec);
    Q_ASSERT(encoder.isValid());
    QByteArray bytes = encoder.encode(text);
    return bytes;
}

namespace {
// GB18030 without the Windows code page's one single-byte addition: 0x80 standing alone
// is "€" there (written by programs of that code page), which GB18030 spells A2 E3.
QByteArray withWindowsEuro(const QByteArray& bytes) {
    if (!bytes.contains('\x80'))
        return bytes;
    QByteArray out;
    out.reserve(bytes.size() + 8);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = uchar(bytes.at(i));
        if (b == 0x80) {
            out += "\xA2\xE3";
            continue;
        }
        out += char(b);
        if (b < 0x81 || b == 0xFF || i + 1 >= bytes.size())
            continue;
        // A lead byte: its trail byte (or the three of a four-byte sequence) goes along.
        const auto t = uchar(bytes.at(i + 1));
        const qsizetype len = t >= 0x30 && t <= 0x39 ? 3 : 1;
        out += bytes.mid(i + 1, len);
        i += len;
    }
    return out;
}
} // namespace

QString decodeGb18030(const QByteArray& bytes, bool* ok) {
    // Stateless: a character cut at the end is an error, not state kept for more bytes.
    QStringDecoder decoder(kCodec, QStringConverter::Flag::Stateless);
    Q_ASSERT(decoder.isValid());
    QString text = decoder.decode(withWindowsEuro(bytes));
    if (ok)
        *ok = !decoder.hasError();
    return text;
}

namespace {
bool storable(char32_t u) {
    if (u < 0x20)
        return u == u'\t' || u == u'\n' || u == u'\r';
    if (u >= 0xFDD0 && u <= 0xFDEF)
        return false;
    return (u & 0xFFFE) != 0xFFFE;
}
} // namespace

QString storableText(const QString& text, bool* dropped) {
    QString out;
    bool any = false;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        qsizetype len = 1;
        bool keep;
        if (c.isHighSurrogate() && i + 1 < n && text.at(i + 1).isLowSurrogate()) {
            keep = storable(QChar::surrogateToUcs4(c, text.at(i + 1)));
            len = 2;
        } else {
            keep = !c.isSurrogate() && storable(c.unicode());
        }
        if (!keep && !any) {
            any = true;
            out = text.left(i);
            out.reserve(n);
        }
        if (keep && any)
            out += QStringView(text).mid(i, len);
        i += len - 1;
    }
    if (dropped)
        *dropped = any;
    return any ? out : text;
}

QString decodeGb18030Storable(const QByteArray& bytes, bool* dropped) {
    // Bytes that make no character come out as NUL, which storableText() drops with the rest.
    QStringDecoder decoder(kCodec, QStringConverter::Flag::Stateless |
                                      QStringConverter::Flag::ConvertInvalidToNull);
    Q_ASSERT(decoder.isValid());
    const QString text = decoder.decode(withWindowsEuro(bytes));
    bool removed = false;
    QString result = storableText(text, &removed);
    *dropped = removed || decoder.hasError();
    return result;
}

bool readableAsGbk(const QString& text) {
    bool ascii = true;
    for (QChar c : text)
        ascii = ascii && c.unicode() < 0x80;
    if (ascii)
        return true;
    QStringEncoder gbk("GBK");
    Q_ASSERT(gbk.isValid());
    const QByteArray bytes = gbk.encode(text);
    return !gbk.hasError() && bytes == encodeGb18030(text);
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
    QByteArray bytes;
    if (!readFileBytes(path, &bytes, &result.error))
        return result;
    result.lines = splitLines(decodeGb18030Storable(bytes, &result.droppedCharacters));
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

} // namespace mf
