#pragma once
// Small helpers shared by the tests.
#include <QProcess>
#include <QString>
#include <QStringList>

namespace mf::test {

inline QString sourceDir() { return QString::fromUtf8(MF_SOURCE_DIR); }
inline QString binDir() { return QString::fromUtf8(MF_BIN_DIR); }
// The dictionary database the build generated.
inline QString shippedDictionary() { return binDir() + QStringLiteral("/DICT/系统词典.db"); }

// What a poppler tool prints for a file ("pdfinfo", "pdftotext"); empty when it fails.
inline QString runPdfTool(const QString& tool, const QStringList& args) {
    QProcess p;
    p.start(tool, args);
    if (!p.waitForFinished()) return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}
inline QString pdfInfo(const QString& pdf) { return runPdfTool(QStringLiteral("pdfinfo"), {pdf}); }
inline QString pdfText(const QString& pdf) {
    return runPdfTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
}

} // namespace mf::test
