#pragma once
// The corner-point grid `Area_Flex` as data: row 0 the header, rows 1 .. Rows-2 data
// rows, the last row the empty entry row; six columns (0 row number, 1 point number or
// "*", 2 and 3 coordinates or elevations, 4 ore-body id, 5 nature). Cells are addressed
// as the grid addresses them, row and column from 0 with the fixed row and column.
#include <QString>

#include <array>
#include <vector>

namespace mf {

class CoordGrid {
public:
    static constexpr int kCols = 6;
    // The grid holds at most 32767 rows (16-bit row numbers): header, data rows, entry row.
    static constexpr int kMaxRows = 32767;
    static constexpr int kMaxDataRows = kMaxRows - 2;
    using Row = std::array<QString, kCols>;

    CoordGrid();

    // Header and one empty entry row (Rows := 1, then 2); the header texts stay.
    void reset();
    int rows() const { return int(rows_.size()); }
    // Rows := n (at least 1): rows beyond n are dropped, new rows are empty.
    void setRows(int n);
    int lastDataRow() const { return rows() - 2; }
    int entryRow() const { return rows() - 1; }

    QString cell(int r, int c) const;
    void setCell(int r, int c, const QString& text);
    const Row& row(int r) const { return rows_.at(size_t(r)); }

    // Column 1 trimmed is "*".
    bool isEndRow(int r) const;

    // Inserts n empty rows before row r (the rows from r on move down; column 0 stays with
    // its position and is renumbered afterwards by the caller).
    void insertRows(int r, int n);
    // Removes rows r .. r+n-1: the rows below move up (columns 1..5); Rows shrinks by n
    // and the new last row is emptied. Column 0 stays with its position.
    void removeRows(int r, int n);
    // Column 0 of rows 1 .. Rows-2 := their numbers.
    void renumber();

    // Selection: (row, col) is the anchor, (rowSel, colSel) the moving corner.
    int row_ = 1, col_ = 1, rowSel_ = 1, colSel_ = 1;
    int top() const { return std::min(row_, rowSel_); }
    int bottom() const { return std::max(row_, rowSel_); }
    int left() const { return std::min(col_, colSel_); }
    int right() const { return std::max(col_, colSel_); }
    void setCurrent(int r, int c) { row_ = rowSel_ = r; col_ = colSel_ = c; }
    void select(int r, int c, int rSel, int cSel) { row_ = r; col_ = c; rowSel_ = rSel; colSel_ = cSel; }
    void clampSelection();

private:
    std::vector<Row> rows_;
};

} // namespace mf
