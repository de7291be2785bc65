#include "core/text_submission.h"

#include "core/app_state.h"
#include "core/boundary_walkers.h"
#include "core/dictionary.h"
#include "core/exchange_xml.h"
#include "core/field_access.h"
#include "platform/dialogs.h"
#include "platform/fs.h"
#include "platform/text_file.h"
#include "platform/vb.h"

#include <QFile>
#include <QStringDecoder>

namespace mf {

namespace {

const QString kCoordinateError = QStringLiteral("坐标数据格式错!");
const QString kNotOurFile = QStringLiteral("该文件格式不符合岩契录件文件!");
const QString kNotOurFormat = QStringLiteral("该文件格式不符合岩契录件文件格式!");
const QString kNotRecognised = QStringLiteral("该文件非系统认定文件...");
const QString kNotGb18030 = QStringLiteral("该文件不是GB18030/GBK编码的报盘文本文件");

// The kind check reads no more than this from the start of a file, so a large binary
// file chosen by mistake is not read whole.
constexpr qint64 kKindSniffBytes = 64 * 1024;


// Whether the bytes begin as a submission text file in another encoding: UTF-8 with or
// without its byte-order mark, or UTF-16 with its mark.
bool otherEncodingSubmission(const QByteArray& bytes) {
    const auto encoding = QStringConverter::encodingForData(bytes);
    QStringDecoder decoder(encoding.value_or(QStringConverter::Utf8));
    const QStringList lines = splitLines(decoder.decode(bytes.left(4096)));
    return !lines.isEmpty() && lines.first().contains(kTextHeaderLine);
}

int titleKind(const QString& trimmedLine) {
    for (int k = 1; k <= kKindCount; ++k)
        if (trimmedLine == textKindTitle(k))
            return k;
    return 0;
}

// Takes the next n comma-terminated fields from pos (1-based) as one text without the
// last comma; -1 when the n-th comma is missing.
int takeCommaFields(const QString& s, int pos, QString* fields, int n) {
    if (pos < 1 || pos > s.size())
        return -1;
    qsizetype at = pos - 1;
    for (int i = 0; i < n; ++i) {
        const qsizetype c = s.indexOf(u',', at);
        if (c < 0) {
            fields->clear();
            return -1;
        }
        at = c + 1;
    }
    *fields = s.mid(pos - 1, at - 1 - (pos - 1));
    return int(at) + 1;
}

} // namespace

QString textKindTitle(int kind) {
    switch (kind) {
    case 1: return QStringLiteral("***采矿登记项目内容***");
    case 2: return QStringLiteral("***采矿变更登记项目内容***");
    case 3: return QStringLiteral("***采矿延续登记项目内容***");
    case 4: return QStringLiteral("***采矿注销登记项目内容***");
    case 5: return QStringLiteral("***采矿划定矿区范围登记内容***");
    case 6: return QStringLiteral("***采矿转让登记项目内容***");
    case 7: return QStringLiteral("***采矿年检项目内容***");
    default: return {};
    }
}

bool confirmFileKind(int kind) {
    static const char* const names[] = {"", "采矿新立", "采矿变更", "采矿延续", "采矿注销",
                                        "划定矿区范围", "采矿转让", "采矿年检"};
    if (!isKind(kind))
        return false;
    const QString text = QStringLiteral("此文件为【") + QString::fromUtf8(names[kind]) +
                         QStringLiteral("】申请内容,确认吗?");
    return dialogs().message(QStringLiteral("选择"), text, MsgIcon::Question,
                             MsgButtons::YesNo) == MsgAnswer::Yes;
}

QStringList keyValueLines(const QString& key, const QString& value) {
    // Each line break (CR LF, LF or a lone CR) starts a continuation line "***...".
    QStringList parts = splitLines(value);
    if (value.endsWith(u'\n') || value.endsWith(u'\r'))
        parts.append(QString());
    if (parts.isEmpty())
        parts.append(QString());
    QStringList lines;
    lines.append(key + u'=' + parts.first());
    for (int i = 1; i < parts.size(); ++i)
        lines.append(QStringLiteral("***") + parts.at(i));
    return lines;
}

QStringList coordinateBlockLines(const QString& boundaryIn) {
    const QString s = StripCrLf(boundaryIn);
    QStringList lines{kCoordinateNoteLine};
    if (vb::trim(s).isEmpty()) {
        lines.append(kCoordinateCountKey + QStringLiteral("= 0"));
        return lines;
    }
    QStringList xy;
    QString field;
    int pos = NextCsvField(s, 1, field);
    const int blocks = pos < 0 ? 0 : vb::toInt16(vb::val(field)).value_or(0);
    for (int b = 0; b < blocks && pos > 0; ++b) {
        QString nField;
        pos = NextCsvField(s, pos, nField);
        if (pos < 0)
            break;
        const int n = vb::toInt16(vb::val(nField)).value_or(-1);
        if (n < 0)
            break;
        // A block is written only when all its lines are there, so the file reads back.
        QStringList block;
        int k = int(xy.size());
        for (int p = 0; p < n && pos > 0; ++p) {
            QString point;
            pos = takeCommaFields(s, pos, &point, 3);
            if (pos > 0)
                block.append(QStringLiteral("XY%1=").arg(++k, 3, 10, QChar(u'0')) + point);
        }
        QString trailer;
        if (pos > 0)
            pos = takeCommaFields(s, pos, &trailer, 4);
        if (pos < 0)
            break;
        block.append(QStringLiteral("XY%1=标高,").arg(++k, 3, 10, QChar(u'0')) + trailer);
        xy += block;
    }
    lines.append(kCoordinateCountKey + QStringLiteral("= ") + QString::number(xy.size()));
    lines += xy;
    return lines;
}

QStringList textSubmissionLines(const FormValues& values, const KindFieldMap& map) {
    const int kind = values.kind;
    QStringList lines{kTextHeaderLine, textKindTitle(kind), QString()};
    for (const FieldValue& f : values.fields) {
        if (f.array == ControlArray::ExistTXT || f.array == ControlArray::LabelXZQName)
            continue;
        // Characters no stored file may hold are dropped (the user was asked before saving).
        const QString text = storableText(f.value);
        if (text.isEmpty())
            continue;
        const FieldPair* pair = map.byFieldName(f.fieldName);
        if (!pair)
            continue;
        const QString value = f.array == ControlArray::ChCBO
                                  ? storedComboValue(f.fieldName, text, StoreFormat::Text)
                                  : text;
        lines += keyValueLines(pair->Value, value);
    }
    const bool miningArea = kind == 1 || kind == 2 || kind == 5;
    if (miningArea) {
        if (const FieldPair* pair = map.byFieldName(kTogetherField))
            lines.append(pair->Value + u'=' +
                         (values.checkTogether.value_or(false) ? u'2' : u'1'));
    }
    if (kind == 2) {
        if (const FieldPair* pair = map.byFieldName(kChangeTypeField)) {
            QString types = values.changeTypes.value_or(QString()).left(5);
            while (types.size() < 5)
                types += u'0';
            lines.append(pair->Value + u'=' + types);
        }
    }
    if (miningArea)
        lines += coordinateBlockLines(storableText(values.boundary.value_or(QString())));
    return lines;
}

bool WriteTextSubmission(const QString& path, const FormValues& values,
                         const KindFieldMap& map, QString* error) {
    if (!isKind(values.kind)) {
        if (error)
            *error = QStringLiteral("no application kind");
        return false;
    }
    return writeTextLines(path, textSubmissionLines(values, map), error);
}

namespace {

// The kind named by the first two lines of a file's head; 0 when there is none.
int kindOfHead(const QByteArray& bytes) {
    const QStringList lines = splitLines(decodeGb18030(bytes));
    if (lines.size() < 2 || !lines.at(0).contains(kTextHeaderLine))
        return 0;
    int kind = 0;
    for (int k = 1; k <= kKindCount; ++k)
        if (lines.at(1).contains(textKindTitle(k)))
            kind = k;
    return kind;
}

// Where the key of a corner-point line ("XY...=") ends, or -1 when the line is none.
qsizetype coordinateKeyEnd(const QString& trimmedLine) {
    const qsizetype p = trimmedLine.indexOf(u'=');
    return p >= 0 && vb::trim(trimmedLine.left(p)).startsWith(QStringLiteral("XY")) ? p : -1;
}

// The corner-point lines that follow one another from line first on.
int coordinateLinesFrom(const QStringList& lines, int first) {
    int n = 0;
    while (first + n < lines.size() && coordinateKeyEnd(vb::trim(lines.at(first + n))) >= 0)
        ++n;
    return n;
}

} // namespace

int textFileKind(const QString& path) {
    QFile file(path);
    if (!fs::fileExists(path) || !file.open(QIODevice::ReadOnly))
        return 0;
    return kindOfHead(file.read(kKindSniffBytes));
}

int ReadTextFileKind(const QString& path) {
    if (!fs::fileExists(path))
        return 0;
    QByteArray bytes;
    auto reject = [&bytes] {
        // A submission text file saved in another encoding is named as such, so the user
        // knows what to change.
        dialogs().error(otherEncodingSubmission(bytes) ? kNotRecognised + u'\n' + kNotGb18030
                                                       : kNotRecognised);
        state().PendingFile.clear();
        return 0;
    };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return reject();
    bytes = file.read(kKindSniffBytes);
    const int kind = kindOfHead(bytes);
    if (kind == 0)
        return reject();
    return confirmFileKind(kind) ? kind : 0;
}

void coordinateError(const QString& detail) {
    dialogs().message(QStringLiteral("提示"), detail.isEmpty() ? kCoordinateError : kCoordinateError + u'\n' + detail,
                      MsgIcon::Exclamation);
}

bool readCoordinateLines(const QStringList& lines, int first, int count, QString* boundary) {
    boundary->clear();
    if (first < 0 || count < 0 || qsizetype(first) + count > lines.size()) {
        coordinateError();
        return false;
    }
    int points = 0;
    int blocks = 0;
    QString pending;
    QString body;
    for (int j = first; j < first + count; ++j) {
        const QString line = vb::trim(lines.at(j));
        const qsizetype p = coordinateKeyEnd(line);
        if (p < 0) {
            coordinateError();
            return false;
        }
        const qsizetype q = line.indexOf(u',', p + 1);
        if (q < 0) {
            coordinateError();
            return false;
        }
        const QString firstField = vb::trim(line.mid(p + 1, q - p - 1));
        if (firstField != QStringLiteral("标高")) {
            const QString point = vb::trim(line.mid(p + 1));
            if (point.count(u',') != 2) {
                coordinateError();
                return false;
            }
            pending += u',' + point;
            ++points;
            continue;
        }
        if (points == 0) {   // a block without points: the boundary would be lost on loading
            coordinateError();
            return false;
        }
        ++blocks;
        QString trailer = vb::trim(line.mid(q + 1));
        const qsizetype c = trailer.count(u',');
        if (c > 3) {
            coordinateError();
            return false;
        }
        trailer += QString(3 - c, u',');
        body += QString::number(points) + pending + u',' + trailer + u',';
        points = 0;
        pending.clear();
    }
    if (points > 0) {   // a block without its 标高 line
        coordinateError();
        return false;
    }
    *boundary = QString::number(blocks) + u',' + body;
    return true;
}

bool parseTextSubmission(const QStringList& lines, const KindFieldMap& map, FormValues* values) {
    *values = FormValues{};
    if (lines.isEmpty() || vb::trim(lines.at(0)) != kTextHeaderLine) {
        dialogs().message(QString(), kNotOurFile, MsgIcon::Exclamation);
        return false;
    }
    const int kind = lines.size() < 2 ? 0 : titleKind(vb::trim(lines.at(1)));
    if (kind == 0) {
        dialogs().message(QString(), kNotOurFormat, MsgIcon::Exclamation);
        return false;
    }
    values->kind = kind;
    bool continuing = false;
    int current = -1;   // the field that continuation lines extend; -1 none
    for (int i = 2; i < lines.size(); ++i) {
        const QString line = vb::trim(lines.at(i));
        // A "***" line after a field line continues it, even when it holds "=".
        if (continuing && line.startsWith(QStringLiteral("***"))) {
            if (current >= 0)
                values->fields[current].value += u'\n' + line.mid(3);
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (eq < 0)
            continue;
        const QString key = vb::trim(line.left(eq));
        const QString value = line.mid(eq + 1);
        continuing = false;
        current = -1;
        // The boundary's count line, 共伴生类型 and 变更类型 go by the keys the map gives
        // those field names and by their literal keys, so a file reads back under any map.
        const FieldPair* pair = map.byValue(key);
        const bool countLine = key == kCoordinateCountKey || (pair && pair->FieldName == kBoundaryField);
        QString boundary;
        if (countLine) {
            const auto count = vb::isNumeric(value) ? vb::toInt32(vb::val(value)) : std::nullopt;
            // A count that is no number or disagrees with the corner-point lines names its line.
            const int found = coordinateLinesFrom(lines, i + 1);
            if (count.value_or(-1) != found) {
                coordinateError(QStringLiteral("第%1行：总行数为%2，实有坐标行%3")
                                    .arg(QString::number(i + 1), vb::trim(value), QString::number(found)));
                return false;
            }
            if (!readCoordinateLines(lines, i + 1, found, &boundary))
                return false;
            i += found;
            if (!pair)
                pair = map.byFieldName(kBoundaryField);
        } else if (!pair && (key == kTogetherField || key == kChangeTypeField)) {
            pair = map.byFieldName(key);
        }
        if (!pair) {
            if (!value.isEmpty() && !values->unknownKeys.contains(key))
                values->unknownKeys.append(key);
            // Its continuation lines belong to it, also those holding "=".
            continuing = true;
            continue;
        }
        ++values->knownKeys;
        if (countLine) {
            values->noteRepeated(values->boundary, boundary, pair->FieldName);
            values->boundary = boundary;
        } else if (pair->FieldName == kChangeTypeField) {
            values->noteRepeated(values->changeTypes, value, pair->FieldName);
            values->changeTypes = value;
        } else if (pair->FieldName == kTogetherField) {
            values->noteRepeated(values->checkTogether, vb::val(value) == 2, pair->FieldName);
            values->checkTogether = vb::val(value) == 2;
        } else {
            values->fields.append(FieldValue{pair->FieldName, value});
            current = int(values->fields.size()) - 1;
        }
        continuing = true;
    }
    noteRepeatedFields(values);
    return true;
}

bool ReadTextSubmission(const QString& path, const KindFieldMap& map, FormValues* values,
                        QString* error) {
    const TextReadResult r = readTextLines(path);
    if (!r.ok) {
        if (error)
            *error = r.error;
        return false;
    }
    if (!parseTextSubmission(r.lines, map, values)) {
        if (error)
            *error = path + QStringLiteral(": malformed submission text file");
        return false;
    }
    values->droppedCharacters = r.droppedCharacters;
    return true;
}

} // namespace mf
