#include "core/exchange_xml.h"

#include "core/app_state.h"
#include "core/boundary_walkers.h"
#include "core/dictionary.h"
#include "core/field_access.h"
#include "core/text_submission.h"
#include "platform/dialogs.h"
#include "platform/fs.h"
#include "platform/text_file.h"
#include "platform/vb.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <algorithm>
#include <string>

namespace mf {

namespace {

const char kDeclaration[] = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n";
const QString kCrLf = QStringLiteral("\r\n");

std::string utf8(const QString& s) { return s.toStdString(); }

// Characters XML 1.0 cannot hold (C0 controls other than TAB, CR and LF, lone surrogates,
// U+FFFE and U+FFFF) and the other noncharacters are dropped, so every strict reader takes
// the file. Line breaks are written as CR LF.
QString xmlText(const QString& text) {
    const QString s = storableText(text);
    QString r;
    r.reserve(s.size());
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s.at(i);
        if (c == u'\r') {
            r += kCrLf;
            if (i + 1 < s.size() && s.at(i + 1) == u'\n')
                ++i;
        } else if (c == u'\n') {
            r += kCrLf;
        } else {
            r += c;
        }
    }
    return r;
}

// A comment may not hold "--" nor end with "-".
QString commentText(const QString& s) {
    QString r = xmlText(s);
    while (r.contains(QStringLiteral("--")))
        r.replace(QStringLiteral("--"), QStringLiteral("- -"));
    if (r.endsWith(u'-'))
        r += u' ';
    return r;
}

// The text of a node as one string: every text and CDATA node below it, in order.
QString nodeText(const pugi::xml_node& node) {
    struct Collector : pugi::xml_tree_walker {
        std::string text;
        bool for_each(pugi::xml_node& n) override {
            if (n.type() == pugi::node_pcdata || n.type() == pugi::node_cdata)
                text += n.value();
            return true;
        }
    } collector;
    if (node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata)
        return QString::fromUtf8(node.value());
    pugi::xml_node handle = node;
    handle.traverse(collector);
    return QString::fromUtf8(collector.text);
}

// The document as UTF-8, decoded by its byte-order mark or its declared encoding (UTF-8,
// GBK, GB2312, GB18030 or UTF-16), as other writers of the format produce it. Bytes that
// make no character in that encoding and characters no stored file may hold are dropped;
// *dropped says whether any were.
QByteArray utf8Document(const QByteArray& bytes, bool* dropped) {
    auto decode = [dropped](const QByteArray& b, QStringConverter::Encoding e) {
        // Bytes that make no character come out as NUL, which storableText() drops.
        QStringDecoder d(e, QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInvalidToNull);
        bool removed = false;
        const QString text = storableText(d.decode(b), &removed);
        *dropped = removed || d.hasError();
        return text.toUtf8();
    };
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith(QByteArray("<\0?\0", 4)))
        return decode(bytes, QStringConverter::Utf16LE);
    if (bytes.startsWith("\xFE\xFF") || bytes.startsWith(QByteArray("\0<\0?", 4)))
        return decode(bytes, QStringConverter::Utf16BE);
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return decode(bytes.mid(3), QStringConverter::Utf8);
    // The declaration is ASCII in every one of these encodings.
    static const QRegularExpression decl(QStringLiteral("^\\s*<\\?xml[^>]*encoding\\s*=\\s*[\"']([A-Za-z0-9_.-]+)[\"']"));
    const QRegularExpressionMatch m = decl.match(QString::fromLatin1(bytes.left(200)));
    const QString enc = m.hasMatch() ? m.captured(1).toUpper() : QString();
    if (enc == QLatin1String("GBK") || enc == QLatin1String("GB2312") || enc == QLatin1String("GB18030") ||
        enc == QLatin1String("CP936") || enc == QLatin1String("WINDOWS-936"))
        return decodeGb18030Storable(bytes, dropped).toUtf8();
    return decode(bytes, QStringConverter::Utf8);
}

// A character XML 1.0 allows (Char of the XML grammar).
bool xmlChar(quint32 c) {
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
           (c >= 0x10000 && c <= 0x10FFFF);
}

// The document without its character references to characters XML forbids ("&#0;",
// "&#x1;", "&#xD800;"): the parser would put a NUL into the value, which ends it there, or
// bytes that make no character. Each such reference is dropped alone and *dropped set.
// Comments, CDATA sections and processing instructions hold no references and are kept.
QByteArray withoutForbiddenReferences(const QByteArray& doc, bool* dropped) {
    if (!doc.contains("&#"))
        return doc;
    QByteArray out;
    out.reserve(doc.size());
    const qsizetype n = doc.size();
    qsizetype i = 0;
    auto copyThrough = [&](const char* end) {
        const qsizetype e = doc.indexOf(end, i);
        const qsizetype stop = e < 0 ? n : e + qsizetype(qstrlen(end));
        out.append(doc.constData() + i, stop - i);
        i = stop;
    };
    while (i < n) {
        const char c = doc.at(i);
        if (c == '<' && doc.mid(i, 4) == "<!--") {
            copyThrough("-->");
        } else if (c == '<' && doc.mid(i, 9) == "<![CDATA[") {
            copyThrough("]]>");
        } else if (c == '<' && doc.mid(i, 2) == "<?") {
            copyThrough("?>");
        } else if (c == '&' && i + 1 < n && doc.at(i + 1) == '#') {
            const bool hex = i + 2 < n && doc.at(i + 2) == 'x';
            qsizetype j = i + (hex ? 3 : 2);
            quint64 code = 0;
            const qsizetype digits = j;
            for (; j < n; ++j) {
                const char d = doc.at(j);
                const int v = d >= '0' && d <= '9' ? d - '0'
                              : hex && d >= 'a' && d <= 'f' ? d - 'a' + 10
                              : hex && d >= 'A' && d <= 'F' ? d - 'A' + 10
                                                            : -1;
                if (v < 0)
                    break;
                // Beyond the last character a number stays beyond it.
                code = std::min<quint64>(code * (hex ? 16 : 10) + quint64(v), 0x110000);
            }
            if (j > digits && j < n && doc.at(j) == ';' && !xmlChar(quint32(code))) {
                *dropped = true;
                i = j + 1;
            } else {
                out.append(c);
                ++i;
            }
        } else {
            out.append(c);
            ++i;
        }
    }
    return out;
}

bool parseBytes(const QByteArray& raw, pugi::xml_document* doc, QString* error,
                bool* dropped = nullptr) {
    bool removed = false;
    const QByteArray bytes = withoutForbiddenReferences(utf8Document(raw, &removed), &removed);
    if (dropped)
        *dropped = removed;
    const pugi::xml_parse_result r =
        doc->load_buffer(bytes.constData(), size_t(bytes.size()), pugi::parse_default,
                         pugi::encoding_utf8);
    if (!r || !doc->document_element()) {
        if (error)
            *error = QStringLiteral("not a well-formed XML document: %1 at offset %2")
                         .arg(QString::fromUtf8(r.description()))
                         .arg(qint64(r.offset));
        doc->reset();
        return false;
    }
    return true;
}

bool readBytes(const QString& path, QByteArray* bytes, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = path + QStringLiteral(": ") + file.errorString();
        return false;
    }
    *bytes = file.readAll();
    return true;
}

} // namespace

QString xmlAppType(int kind) {
    switch (kind) {
    case 1: return QStringLiteral("采矿权新立");
    case 2: return QStringLiteral("采矿权变更");
    case 3: return QStringLiteral("采矿权延续");
    case 4: return QStringLiteral("采矿权注销");
    case 5: return QStringLiteral("划定矿区范围");
    case 6: return QStringLiteral("采矿权转让");
    case 7: return QStringLiteral("采矿权年检");
    default: return {};
    }
}

pugi::xml_node AddXmlChild(pugi::xml_node parent, const QString& name, const QString& text,
                           const QString& comment, int level) {
    const std::string indent(size_t(4 * level), ' ');
    parent.append_child(pugi::node_pcdata).set_value(indent.c_str());
    parent.append_child(pugi::node_comment).set_value(utf8(commentText(comment)).c_str());
    parent.append_child(pugi::node_pcdata).set_value(("\r\n" + indent).c_str());
    pugi::xml_node element = parent.append_child(utf8(name).c_str());
    if (!text.isEmpty())
        element.append_child(pugi::node_pcdata).set_value(utf8(xmlText(text)).c_str());
    parent.append_child(pugi::node_pcdata).set_value("\r\n");
    return element;
}

bool exchangeXmlBytes(const FormValues& values, const KindFieldMap& map, QByteArray* bytes,
                      QString* error) {
    const int kind = values.kind;
    if (!isKind(kind)) {
        if (error)
            *error = QStringLiteral("no application kind");
        return false;
    }
    // The data elements: (element name, value, field name) in writing order.
    struct Item {
        QString name, value, fieldName;
    };
    QList<Item> items;
    QString appName;
    for (const FieldValue& f : values.fields) {
        if (f.array == ControlArray::ChTXT && f.index == 1)
            appName = f.value;
        if (f.array == ControlArray::ExistTXT || f.array == ControlArray::LabelXZQName)
            continue;
        const FieldPair* pair = map.byFieldName(f.fieldName);
        if (!pair)
            continue;
        const QString value = f.array == ControlArray::ChCBO
                                  ? storedComboValue(f.fieldName, f.value, StoreFormat::Xml)
                                  : f.value;
        items.append({pair->Value, value, f.fieldName});
    }
    const bool miningArea = kind == 1 || kind == 2 || kind == 5;
    if (miningArea)
        if (const FieldPair* p = map.byFieldName(kTogetherField))
            items.append({p->Value,
                          values.checkTogether.value_or(false) ? QStringLiteral("2")
                                                               : QStringLiteral("1"),
                          p->FieldName});
    if (kind == 2)
        if (const FieldPair* p = map.byFieldName(kChangeTypeField)) {
            QString types = values.changeTypes.value_or(QString()).left(5);
            while (types.size() < 5)
                types += u'0';
            items.append({p->Value, types, p->FieldName});
        }
    if (miningArea)
        if (const FieldPair* p = map.byFieldName(kBoundaryField))
            items.append({p->Value, values.boundary.value_or(QString()), p->FieldName});
    for (const Item& item : items)
        if (!isXmlName(item.name)) {
            if (error)
                *error = QStringLiteral("invalid XML element name \"%1\" for the field %2")
                             .arg(item.name, item.fieldName);
            return false;
        }

    pugi::xml_document doc;
    pugi::xml_node app = doc.append_child("APP");
    app.append_child(pugi::node_pcdata).set_value("\r\n");
    pugi::xml_node header = AddXmlChild(app, QStringLiteral("HEADER"), kCrLf, {}, 1);
    AddXmlChild(header, QStringLiteral("APP_NAME"), appName, {}, 2);
    AddXmlChild(header, QStringLiteral("APP_CATEGORY"),
                kind == 5 ? QStringLiteral("划定矿区范围") : QStringLiteral("采矿权"), {}, 2);
    AddXmlChild(header, QStringLiteral("APP_TYPE"), xmlAppType(kind), {}, 2);
    AddXmlChild(header, QStringLiteral("APP_DESC"), {}, {}, 2);
    pugi::xml_node client = AddXmlChild(header, QStringLiteral("CLIENT"), kCrLf, {}, 2);
    AddXmlChild(client, QStringLiteral("CLIENT_GOV_CODE"), {}, {}, 3);
    AddXmlChild(client, QStringLiteral("CLIENT_VENDOR"), QStringLiteral("澄岭署数据所"), {}, 3);
    AddXmlChild(client, QStringLiteral("CLIENT_ID"), QStringLiteral("HN00001"), {}, 3);
    AddXmlChild(client, QStringLiteral("CLIENT_VERSION"), QStringLiteral("4.0"), {}, 3);
    AddXmlChild(client, QStringLiteral("CLIENT_TITLE"), QStringLiteral("璞岩核准台"), {}, 3);
    AddXmlChild(client, QStringLiteral("CLIENT_IP"), {}, {}, 3);
    pugi::xml_node data = AddXmlChild(app, QStringLiteral("DATA"), kCrLf, QStringLiteral("数据区"), 1);
    for (const Item& item : items)
        AddXmlChild(data, item.name, item.value, item.fieldName, 2);

    struct Writer : pugi::xml_writer {
        QByteArray out;
        void write(const void* d, size_t size) override {
            out.append(static_cast<const char*>(d), qsizetype(size));
        }
    } writer;
    writer.out = kDeclaration;
    doc.save(writer, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
    writer.out += "\r\n";
    *bytes = std::move(writer.out);
    return true;
}

bool WriteExchangeXml(const QString& path, const FormValues& values, const KindFieldMap& map,
                      QString* error) {
    QByteArray bytes;
    if (!exchangeXmlBytes(values, map, &bytes, error))
        return false;
    return writeFileAtomic(path, bytes, error);
}

QString GetXmlElementText(const pugi::xml_document& doc, const QString& name) {
    struct Finder : pugi::xml_tree_walker {
        std::string name;
        pugi::xml_node last;
        bool for_each(pugi::xml_node& n) override {
            if (n.type() == pugi::node_element && name == n.name())
                last = n;
            return true;
        }
    } finder;
    finder.name = utf8(name);
    pugi::xml_node root = doc;
    root.traverse(finder);
    return finder.last ? nodeText(finder.last).trimmed() : QString();
}

int GetXmlFileKind(const QString& path) {
    if (!fs::fileExists(path))
        return 0;
    QByteArray bytes;
    pugi::xml_document doc;
    int kind = 0;
    if (readBytes(path, &bytes, nullptr) && parseBytes(bytes, &doc, nullptr)) {
        const QString type = GetXmlElementText(doc, QStringLiteral("APP_TYPE"));
        for (int k = 1; k <= kKindCount; ++k)
            if (type == xmlAppType(k))
                kind = k;
    }
    if (kind == 0) {
        dialogs().error(QStringLiteral("该文件非系统认定报盘文件..."));
        state().PendingFile.clear();
        return 0;
    }
    return confirmFileKind(kind) ? kind : 0;
}

bool parseExchangeXml(const QByteArray& bytes, const KindFieldMap& map, FormValues* values,
                      QString* error) {
    *values = FormValues{};
    pugi::xml_document doc;
    bool dropped = false;
    if (!parseBytes(bytes, &doc, error, &dropped))
        return false;
    const QString type = GetXmlElementText(doc, QStringLiteral("APP_TYPE"));
    for (int k = 1; k <= kKindCount; ++k)
        if (type == xmlAppType(k))
            values->kind = k;
    for (pugi::xml_node data : doc.document_element().children("DATA")) {
        for (pugi::xml_node node : data.children()) {
            if (node.type() != pugi::node_element)
                continue;
            // Character references can spell what the document itself may not hold.
            bool removed = false;
            const QString value = storableText(nodeText(node), &removed);
            if (vb::trim(value).isEmpty())
                continue;
            const FieldPair* pair = map.byValue(QString::fromUtf8(node.name()));
            if (!pair) {
                const QString name = QString::fromUtf8(node.name());
                if (!values->unknownKeys.contains(name))
                    values->unknownKeys.append(name);
                continue;
            }
            ++values->knownKeys;
            dropped = dropped || removed;
            if (pair->FieldName == kBoundaryField) {
                if (!boundaryStringWellFormed(value)) {
                    coordinateError();
                    if (error)
                        *error = QStringLiteral("malformed boundary");
                    return false;
                }
                values->noteRepeated(values->boundary, value, pair->FieldName);
                values->boundary = value;
            } else if (pair->FieldName == kChangeTypeField) {
                values->noteRepeated(values->changeTypes, value, pair->FieldName);
                values->changeTypes = value;
            } else if (pair->FieldName == kTogetherField) {
                values->noteRepeated(values->checkTogether, vb::val(value) == 2, pair->FieldName);
                values->checkTogether = vb::val(value) == 2;
            } else {
                values->fields.append(FieldValue{pair->FieldName, value});
            }
        }
    }
    noteRepeatedFields(values);
    values->droppedCharacters = dropped;
    return true;
}

bool ReadExchangeXml(const QString& path, const KindFieldMap& map, FormValues* values,
                     QString* error) {
    QByteArray bytes;
    if (!readBytes(path, &bytes, error))
        return false;
    if (!parseExchangeXml(bytes, map, values, error)) {
        if (error)
            *error = path + QStringLiteral(": ") + *error;
        return false;
    }
    return true;
}

} // namespace mf
