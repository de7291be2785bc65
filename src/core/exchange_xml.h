#pragma once
// The exchange XML file: a UTF-8 document <APP> with a <HEADER> that describes the
// application and the sending program and a <DATA> part with one element per mapped
// field, each preceded by a comment holding the field name.
#include "core/form_access.h"

#include <QByteArray>
#include <pugixml.hpp>

namespace mf {

struct KindFieldMap;

inline const QString kBoundaryField = QStringLiteral("区域坐标");

// APP_TYPE of a kind ("采矿权新立" ...); "" outside 1 to 7.
QString xmlAppType(int kind);

// Appends to parent: an indent of 4 × level blanks, a comment (also an empty one), CR LF
// and the indent, the new element (with text only when text is not empty) and CR LF.
pugi::xml_node AddXmlChild(pugi::xml_node parent, const QString& name, const QString& text,
                           const QString& comment, int level);

// The bytes of the document for the values. False with a reason when an element name of
// the map is not a valid XML name.
bool exchangeXmlBytes(const FormValues& values, const KindFieldMap& xmlNameMap,
                      QByteArray* bytes, QString* error = nullptr);

// Writes the document atomically; false with a reason on failure.
bool WriteExchangeXml(const QString& path, const FormValues& values,
                      const KindFieldMap& xmlNameMap, QString* error = nullptr);

// The text of the last element of that name anywhere in the document; "" when none.
QString GetXmlElementText(const pugi::xml_document& doc, const QString& name);

// The kind named by the file's APP_TYPE, confirmed by the user ("选择"); 0 when the file
// is missing, holds no known APP_TYPE ("该文件非系统认定报盘文件...", PendingFile
// emptied) or the user declines.
int GetXmlFileKind(const QString& path);

// Reads the children of every DATA element of the document into values (fields by the
// map's field names, in document order). False, with nothing read, when the bytes are not
// a well-formed document.
bool parseExchangeXml(const QByteArray& bytes, const KindFieldMap& xmlNameMap,
                      FormValues* values, QString* error = nullptr);

// Reads the file; false when it cannot be read or is not well-formed.
bool ReadExchangeXml(const QString& path, const KindFieldMap& xmlNameMap, FormValues* values,
                     QString* error = nullptr);

} // namespace mf
