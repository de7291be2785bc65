#include "attachments/list_document.h"

#include "platform/text_file.h"

#include <QFile>
#include <QRegularExpression>
#include <sstream>

namespace mf {

namespace {

// Only the XML declaration that opens the file says how it is encoded; the same words
// anywhere else (a processing instruction, a comment, a description) say nothing.
const QRegularExpression& legacyDeclaration() {
    static const QRegularExpression re(
        QStringLiteral("^<\\?xml[ \\t\\r\\n][^>]*?\\bencoding\\s*=\\s*[\"'](gb2312|gbk|gb18030)[\"']"),
        QRegularExpression::CaseInsensitiveOption);
    return re;
}

struct StringWriter : pugi::xml_writer {
    std::string out;
    void write(const void* data, size_t size) override { out.append(static_cast<const char*>(data), size); }
};

} // namespace

bool ListDocument::load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        doc_.reset();
        return false;
    }
    return loadBytes(file.readAll());
}

bool ListDocument::loadBytes(const QByteArray& raw) {
    doc_.reset();
    legacyEncoding_ = false;
    declaredEncoding_.clear();
    QByteArray bytes = raw;
    const QString head = QString::fromLatin1(raw.left(200));
    const QRegularExpressionMatch m = legacyDeclaration().match(head);
    if (m.hasMatch()) {
        legacyEncoding_ = true;
        declaredEncoding_ = m.captured(1);
        bytes = decodeGb18030(raw).toUtf8();
    }
    const pugi::xml_parse_result ok =
        doc_.load_buffer(bytes.constData(), size_t(bytes.size()), pugi::parse_default | pugi::parse_declaration,
                         pugi::encoding_utf8);
    if (!ok || !doc_.document_element()) {
        doc_.reset();
        return false;
    }
    return true;
}

QByteArray ListDocument::bytes() const {
    StringWriter w;
    doc_.save(w, "  ", pugi::format_default, pugi::encoding_utf8);
    QByteArray out = QByteArray::fromStdString(w.out);
    if (legacyEncoding_) out = encodeGb18030(QString::fromUtf8(out));
    return out;
}

bool ListDocument::save(const QString& path, QString* error) const {
    return writeFileAtomic(path, bytes(), error);
}

pugi::xml_node ListDocument::offer() const { return doc_.select_node("offer").node(); }

pugi::xpath_node_set ListDocument::materials() const {
    const pugi::xml_node o = offer();
    if (!o) return {};
    return o.select_nodes(".//attachments//attachment");
}

QString nodeText(pugi::xml_node node, const char* path) {
    if (!node) return QString();
    const pugi::xml_node n = node.select_node(path).node();
    return n ? QString::fromUtf8(n.text().get()) : QString();
}

bool setNodeText(pugi::xml_node node, const char* path, const QString& text) {
    if (!node) return false;
    pugi::xml_node n = node.select_node(path).node();
    if (!n) return false;
    const QByteArray utf8 = text.toUtf8();
    // The old text goes and the new text follows whatever else the node holds, so a node
    // holding nothing but text gets exactly the new text. Elements inside it stay: callers
    // may be walking node sets that reach into them.
    for (pugi::xml_node c = n.first_child(); c;) {
        const pugi::xml_node next = c.next_sibling();
        if (c.type() == pugi::node_pcdata || c.type() == pugi::node_cdata) n.remove_child(c);
        c = next;
    }
    if (!utf8.isEmpty()) n.append_child(pugi::node_pcdata).set_value(utf8.constData());
    return true;
}

pugi::xpath_node_set fileEntries(pugi::xml_node material) {
    if (!material) return {};
    return material.select_nodes(".//fileList//file");
}

pugi::xml_node findMaterial(const ListDocument& doc, const QString& fjid) {
    const QByteArray id = fjid.toUtf8();
    for (const pugi::xpath_node& m : doc.materials())
        if (id == m.node().attribute("fjid").value()) return m.node();
    return {};
}

pugi::xml_node findEntry(pugi::xml_node material, const QString& fileXh) {
    for (const pugi::xpath_node& f : fileEntries(material))
        if (nodeText(f.node(), ".//fileXh") == fileXh) return f.node();
    return {};
}

} // namespace mf
