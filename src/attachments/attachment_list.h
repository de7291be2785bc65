#pragma once
// The working attachment list of the current kind (CurrentKind): materials the applicant
// hands in and the documents attached to each. Every operation loads the working copy
// afresh; every writing operation saves it at once, marks the kind changed and shows
// "SAVE" available. A list that cannot be loaded shows "XML文件不存在".
#include <QList>
#include <QString>

namespace mf {

struct AttachmentMaterial {
    QString fjid;   // key
    QString fjxh;   // number as shown
    QString fjmc;   // name; folder name inside a package
    QString dzjs;   // number of documents with a file
    QString fjms;   // description
};

struct AttachmentFile {
    QString fileXh;
    QString fileName;
    QString fileTitle;
    QString fileUrl;
};

// The prefix of a document stored inside a package: "Local:" and two backslashes.
inline const QString kLocalPrefix = QStringLiteral("Local:\\\\");
// The material whose documents the user adds and deletes, and the name of an added one.
inline const QString kOtherMaterial = QStringLiteral("其他材料");
inline const QString kAddedDocumentName = QStringLiteral("其他新增材料");

// The kind's template beside the program and its working copy in the work area.
QString templatePath(int kind);
QString workListPath(int kind);

// Creates the work folder and copies the template to the working copy when it is missing.
// An existing working copy is never overwritten. False when no working copy exists after,
// with the reason ("<file>：<why>") in *error.
bool EnsureWorkXml(QString* error = nullptr);
// Starts the kind's working list afresh from its template, for a file without a package.
// When the template cannot be copied no working list is left, so nothing of the former list
// is ever packaged with the new file; false then.
bool RestartWorkXml(int kind);

// The materials in document order (LoadAttachmentGrid). False after "XML文件不存在", or
// after "文件保存失败：" and the reason when the working copy cannot be made (a full or
// read-only work area).
bool loadMaterials(QList<AttachmentMaterial>* out);
// The description of a material; false when the list or the material is missing.
bool ShowAttachmentDescription(const QString& fjid, QString* description);
// The entries of a material in document order (LoadFileGrid).
bool loadFileEntries(const QString& fjid, QList<AttachmentFile>* out);
// The path of an entry; false when the entry is missing.
bool GetFileUrlByXh(const QString& fjid, const QString& fileXh, QString* url);

int RecountElectronicFiles(const QString& fjid);
bool HasElectronicFiles();
// True when the working copy took the path.
bool SetFileUrl(const QString& fjid, const QString& fileXh, const QString& path);
void SetFileTitle(const QString& fjid, const QString& fileXh, const QString& title);
// Appends entry n with the names the window gave its new row, and an empty path.
void AppendFileEntry(const QString& fjid, const QString& n, const QString& fileName, const QString& fileTitle);
// Removes entry `number` of the material and renumbers the rest 1 to m, each renamed
// "其他新增材料" followed by its new number.
void RemoveFileEntry(const QString& fjid, const QString& number);

} // namespace mf
