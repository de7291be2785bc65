#pragma once
// Block operations on the grid: the clipboard block (copy and paste), inserting and
// deleting rows. Each returns what happened; the caller shows the message and raises the
// events.
#include "gridgraph/coord_grid.h"

#include <QString>
#include <optional>

namespace mf::blockops {

struct CopyResult {
    QString error;   // message text when refused ("" otherwise)
    QString block;   // the ClipboardBlock
};
// "STACOL=l;ENDCOL=r;ROWS=n" CRLF and one line per row; an empty cell is " "; a "," in a
// cell is copied as "，" so the block pastes back field for field.
CopyResult copyBlock(const CoordGrid& g);

struct PasteResult {
    QString error;          // message text when refused
    QString notice;         // after a paste that ended before the clipboard text did
    bool exclamation = false;   // the message's icon is the exclamation mark (else stop)
    bool changed = false;   // rows were written: renumbered, ZBChanged, type detection
    std::optional<int> detectedType;   // SetZBType to raise with it
};
// Pastes clipboard text at the current selection. A column block overwrites in place from
// the current cell; whole rows (or text without a header) are inserted above the current
// row, replacing the selected rows when several cells are selected. Nothing changes
// unless something is written. A paste that ends before the last line holding anything
// names that line and why: as the refusal when nothing was written, else as the notice.
PasteResult paste(CoordGrid& g, const QString& clipboard);

// Ctrl+N: an empty row at the current row; returns the refusal text or "".
QString insertRow(CoordGrid& g);

struct DeletePlan {
    QString error;        // refusal text
    bool silent = false;  // Del without whole rows: nothing happens
    int top = 0, count = 0;
    QString question;     // the 警告 question
};
// Works out what Ctrl+Y (del = false) or Del (del = true) would delete.
DeletePlan planDelete(const CoordGrid& g, bool del);
// Deletes the rows of the plan and sets the current cell.
void deleteRows(CoordGrid& g, const DeletePlan& plan);

// The coordinate type of the first of rows first..last that is a point row with numeric
// coordinates: 0 plane when 1e6 < X < 1e7 and 1e7 < Y < 1e8, else 1. Nothing when no row
// there is one (a header row or region-end rows decide nothing).
std::optional<int> detectType(const CoordGrid& g, int first, int last);

} // namespace mf::blockops
