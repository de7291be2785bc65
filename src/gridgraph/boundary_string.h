#pragma once
// The boundary string ZB_String (a flat list of fields, each followed by ",") and its
// line form BoundaryLineText, to and from the grid.
#include "gridgraph/coord_grid.h"

#include <QString>
#include <optional>

namespace mf {

// GridToZBString: "" without data rows. An empty nature cell of a region-end row is set to
// "1" on the way. Every field has "," replaced by "，" and CR/LF dropped, so no cell text
// can shift the fields. An open last region gets four empty trailer fields.
QString GridToZBString(CoordGrid& grid);

// Get_XY_Area: boundary string to BoundaryLineText ("" for a malformed string, also one
// whose point count is 0 or negative). A point count beyond 16 bits, or more lines than the
// grid has data rows, fills *error with the message text and gives "". A last region
// whose four trailer fields are all empty is an open region: it gets no end line.
QString Get_XY_Area(const QString& s, QString* error = nullptr);

// LoadGridFromZBString: fills the grid (already reset) from BoundaryLineText and returns
// the coordinate type detected from the first point row with numeric coordinates (0 plane,
// 1 geographic; plane without one); nothing when the text holds no line feed (nothing
// loaded). Every field is kept as stored (trimmed): a number as written, text that is no
// number and empty cells as they are.
std::optional<int> LoadGridFromLineText(CoordGrid& grid, const QString& lineText);

} // namespace mf
