#include "core/packages.h"

#include "platform/dialogs.h"
#include "platform/text_file.h"
#include "platform/vb.h"

#include <QFile>
#include <QRegularExpression>
#include <pugixml.hpp>

namespace mf {

quint8 ApplyType = 0;

void BuildPackage(const QString&) {}

namespace {

// Lists written on Windows declare GB2312 or GBK; they are read through GB18030.
QByteArray asUtf8(const QByteArray& bytes) {
    static const QRegularExpression legacy(QStringLiteral("encoding\\s*=\\s*[\"'](gb2312|gbk|gb18030)[\"']"),
                                           QRegularExpression::CaseInsensitiveOption);
    const QString head = QString::fromLatin1(bytes.left(200));
    if (!legacy.match(head).hasMatch()) return bytes;
    QString text = decodeGb18030(bytes);
    text.replace(legacy, QStringLiteral("encoding=\"UTF-8\""));
    return text.toUtf8();
}

bool isPlainFileName(const QString& name) {
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(u'/') && !name.contains(u'\\') && !name.contains(QChar(0));
}

} // namespace

QString ResolvePackageXml(const QString& packageListPath, bool* listLoaded) {
    if (listLoaded) *listLoaded = false;
    QFile file(packageListPath);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly)) bytes = asUtf8(file.readAll());
    pugi::xml_document doc;
    const pugi::xml_parse_result ok =
        doc.load_buffer(bytes.constData(), size_t(bytes.size()), pugi::parse_default, pugi::encoding_utf8);
    if (!ok || !doc.document_element()) {
        dialogs().message(QStringLiteral("岩契录件"), QStringLiteral("XML文件不存在"), MsgIcon::None);
        return QString();
    }
    if (listLoaded) *listLoaded = true;
    pugi::xml_node offer = doc.document_element();
    if (QString::fromUtf8(offer.name()) != QLatin1String("offer")) offer = offer.child("offer");
    const pugi::xml_attribute second = offer.first_attribute().next_attribute();
    const QString name = QString::fromUtf8(second.value());
    return isPlainFileName(name) ? name : QString();
}

void ReadApplyType(const QString& textPath) {
    const TextReadResult r = readTextLines(textPath);
    if (!r.ok) return;
    for (const QString& line : r.lines) {
        if (!line.contains(QStringLiteral("申请类型"))) continue;
        const qsizetype eq = line.indexOf(u'=');
        if (eq < 0) return;
        const double v = vb::val(line.mid(eq + 1));
        if (v == 0 || v == 2)
            ApplyType = 2;
        else if (v == 3)
            ApplyType = 6;
        else if (v == 4)
            ApplyType = 5;
        return;
    }
}

QString DirOfPath(const QString& path) {
    const qsizetype slash = path.lastIndexOf(u'/');
    return slash < 0 ? QString() : path.left(slash + 1);
}

} // namespace mf
