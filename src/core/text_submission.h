#pragma once
// The submission text file: "[登记项目]", the kind's title line, an empty line, one
// key=value line per filled field (keys from the kind's text-key map), and for kinds 1, 2
// and 5 the corner-point block. GB18030 with CR LF line ends.
#include "core/form_access.h"

#include <QStringList>

namespace mf {

struct KindFieldMap;

// Literal keys and lines of the format.
inline const QString kTextHeaderLine = QStringLiteral("[登记项目]");
inline const QString kCoordinateCountKey = QStringLiteral("矿区范围拐点坐标与标高的总行数");
inline const QString kCoordinateNoteLine = QStringLiteral("矿区范围拐点坐标总数应小于1000个");
inline const QString kTogetherField = QStringLiteral("共伴生类型");
inline const QString kChangeTypeField = QStringLiteral("变更类型");

// The title line of a kind ("***采矿登记项目内容***" ...); "" for a kind outside 1 to 7.
QString textKindTitle(int kind);

// The lines of the file, without line ends.
QStringList textSubmissionLines(const FormValues& values, const KindFieldMap& textKeyMap);

// Writes the file atomically. False with a reason when it could not be written.
bool WriteTextSubmission(const QString& path, const FormValues& values,
                         const KindFieldMap& textKeyMap, QString* error = nullptr);

// The kind named by the file's first two lines, confirmed by the user ("选择"); 0 when the
// file is missing, not a submission text file ("该文件非系统认定文件...", PendingFile
// emptied) or the user declines.
int ReadTextFileKind(const QString& path);
// The kind named by the file's first two lines, without asking; 0 when there is none.
int textFileKind(const QString& path);

// Reads the lines of a file into values (fields by the map's field names, in file order).
// False after the message of the format error found, with nothing to load.
bool parseTextSubmission(const QStringList& lines, const KindFieldMap& textKeyMap,
                         FormValues* values);

// Reads the file. False when it cannot be read (reason in *error) or is malformed.
bool ReadTextSubmission(const QString& path, const KindFieldMap& textKeyMap,
                        FormValues* values, QString* error = nullptr);

// The line "key=value" and its continuation lines: each line break of the value starts a
// new line beginning with "***".
QStringList keyValueLines(const QString& key, const QString& value);

// The corner-point block of a boundary string: the note line, the count line and the XY
// lines. A malformed boundary ends the block at the last complete line; the count always
// equals the XY lines written.
QStringList coordinateBlockLines(const QString& boundary);

// Turns count XY lines into a boundary string; false ("坐标数据格式错!" shown) when a line
// is malformed, a block is cut short or the lines run out.
bool readCoordinateLines(const QStringList& lines, int first, int count, QString* boundary);

// "坐标数据格式错!": a stored boundary that cannot be read whole; a detail, when given,
// follows on its own line.
void coordinateError(const QString& detail = QString());

} // namespace mf

namespace mf {

// Asks the user to confirm that a file holds an application of the kind ("选择", Yes/No).
bool confirmFileKind(int kind);

} // namespace mf
