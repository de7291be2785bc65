#pragma once
// Text files in the local code page of the forms' users: GB18030 bytes, CR LF lines.
// Every write goes through AtomicFileWriter, so a failed write leaves the previous file
// intact.
#include "platform/atomic_file.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace mf {

QByteArray encodeGb18030(const QString& text);
// Decodes GB18030 (a lone 0x80 is the Windows code page's "€"); invalid bytes, and a
// character cut at the end, become U+FFFD and set *ok to false when given.
QString decodeGb18030(const QByteArray& bytes, bool* ok = nullptr);

// The text without the characters no file of the program may hold: C0 controls other than
// TAB, CR and LF, lone surrogates and the noncharacters (U+FDD0 to U+FDEF and the last two
// code points of every plane, U+FFFE and U+FFFF among them). XML 1.0 cannot hold most of
// them and strict readers of either format refuse them. *dropped tells whether any was there.
QString storableText(const QString& text, bool* dropped = nullptr);

// Decodes a stored GB18030 file for reading: bytes that make no character (a character cut
// at the end too) and the characters storableText() removes are dropped, and *dropped says
// whether anything was.
QString decodeGb18030Storable(const QByteArray& bytes, bool* dropped);

// Whether a reader of the GBK code page (CP936) gets the text back from the GB18030 bytes
// written for it: false for characters outside GBK (𠀀, 䶮, emoji) and for "€", which GBK
// writes as 0x80 and GB18030 as A2 E3.
bool readableAsGbk(const QString& text);

// Splits text at CR LF, LF or a lone CR. A final line break does not add an empty line.
QStringList splitLines(const QString& text);

struct TextReadResult {
    bool ok = false;          // the file could be opened and read
    bool droppedCharacters = false; // bytes or characters were dropped (decodeGb18030Storable)
    QStringList lines;
    QString error;            // reason when !ok
};
TextReadResult readTextLines(const QString& path);

// Writes the lines, each followed by CR LF, as GB18030, atomically.
// Returns false with a reason (in *error) when the file could not be written.
bool writeTextLines(const QString& path, const QStringList& lines, QString* error = nullptr);

} // namespace mf
