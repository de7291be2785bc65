#pragma once
// Rules of the in-place cell editor: which cells open, which editor, the degree mask
// texts, the commit and the input order of a row.
#include "gridgraph/coord_grid.h"

#include <QString>
#include <optional>
#include <utility>

namespace mf::celledit {

// Longitude mask (column 2) and latitude mask (column 3) as shown when empty.
QString emptyMask(int col);
bool isEmptyMask(const QString& s);

// Columns 1..3 of every row; 4 and 5 only on a row whose column 1 is exactly "*".
bool isEditable(const CoordGrid& g, int r, int c);
// Column 2 or 3 of a row whose column 1 is not exactly "*", in a geographic grid.
bool isGeoPointCell(const CoordGrid& g, int r, int c, int coordType);

// CellToMaskText: the cell value in the degree mask of the column. Empty optional when
// the mask cannot show the value (text that is no number, a negative value, or more degree
// digits than the mask has), so the caller edits it as plain text instead.
std::optional<QString> CellToMaskText(const QString& value, int col);

// ztrim: the editor text as the cell will hold it; a degree mask becomes DDD.MMSS. Its
// minutes and seconds are read by position (a blank position is a 0: "3 " is 30, as "98.3"
// in a file), or with fieldsAsTyped each as its own digits ("3 " is 03); hundredths are a
// fraction of the second, read by position.
QString ztrim(const QString& text, bool geoCell, int col, bool fieldsAsTyped = false);

// The text of a typed character put into the empty mask of the column: the character
// takes the first position; empty optional when it is not a digit.
std::optional<QString> maskWithFirstChar(QChar c, int col);

// A "." or blank typed in the mask (isFieldKey): ends the field the caret is in. Its
// digits typed so far are right-aligned (minutes and seconds zero-padded) and the caret goes
// to the next field; only a "." ends the seconds (the hundredths follow). Returns the new
// text and caret, or nothing when the key changes nothing (it is swallowed all the same).
std::optional<std::pair<QString, int>> maskFieldJump(const QString& text, int caret, QChar key);
bool isFieldKey(QChar key);

// The cell after a Tab or Enter in the input order of a row.
std::pair<int, int> nextCell(const CoordGrid& g, int r, int c);

struct CommitResult {
    bool changed = false;    // ZBChanged to raise
    bool rowAdded = false;
    QString error;           // the entry row refused: the grid holds all the rows it can
};
// EDIT_FLEX_GRID's effect on the grid: writes s (already through ztrim) into (r, c).
CommitResult commitCell(CoordGrid& g, int r, int c, const QString& s);

} // namespace mf::celledit
