#pragma once
// A strict XML 1.0 parser (expat) for checking saved files: pugixml, which the program
// reads with, accepts characters that other readers of the files refuse.
#include <QByteArray>
#include <QString>
#include <expat.h>

namespace mf::test {

// "" when the bytes are a well-formed XML document; else expat's reason and line.
inline QString strictXmlError(const QByteArray& bytes) {
    XML_Parser parser = XML_ParserCreate(nullptr);
    QString error;
    if (XML_Parse(parser, bytes.constData(), int(bytes.size()), 1) == XML_STATUS_ERROR)
        error = QStringLiteral("%1 at line %2")
                    .arg(QString::fromUtf8(XML_ErrorString(XML_GetErrorCode(parser))))
                    .arg(qulonglong(XML_GetCurrentLineNumber(parser)));
    XML_ParserFree(parser);
    return error;
}

} // namespace mf::test
