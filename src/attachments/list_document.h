#pragma once
// An attachment list file (offer / attachments / attachment / fileList / file) loaded as
// an XML tree. Lists written by the Windows program declare GB2312 or GBK; they are read
// through GB18030 and saved back in the encoding they declared. Saves are atomic.
#include <QString>
#include <pugixml.hpp>

namespace mf {

class ListDocument {
public:
    // False when the file is missing or has no document element (not well formed).
    bool load(const QString& path);
    bool loadBytes(const QByteArray& bytes);
    bool save(const QString& path, QString* error = nullptr) const;
    QByteArray bytes() const;

    pugi::xml_node offer() const;
    // The materials in document order.
    pugi::xpath_node_set materials() const;

    pugi::xml_document& doc() { return doc_; }

private:
    pugi::xml_document doc_;
    bool legacyEncoding_ = false;  // declared GB2312/GBK/GB18030
    QString declaredEncoding_;
};

// The text of the first node the path selects below node ("" when none).
QString nodeText(pugi::xml_node node, const char* path);
// Sets the text of the first node the path selects; false when there is none.
bool setNodeText(pugi::xml_node node, const char* path, const QString& text);
// The entries ".//fileList//file" of a material.
pugi::xpath_node_set fileEntries(pugi::xml_node material);
// The first material carrying the id, or an empty node.
pugi::xml_node findMaterial(const ListDocument& doc, const QString& fjid);
// The first entry of the material whose number text equals the given one.
pugi::xml_node findEntry(pugi::xml_node material, const QString& fileXh);

} // namespace mf
