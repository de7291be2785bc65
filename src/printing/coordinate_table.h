#pragma once
// The coordinate table of the mining area, composed from the boundary string: three column
// groups of 40 rows on framed, titled and numbered A4 pages, one print job per page.
#include <QString>

namespace mf {

class PrintTarget;

// A DDD.MMSS value as degrees, minutes and seconds: "112°30′45″"; "   °  ′  ″" for 0 or
// an empty value. Minutes and seconds come from the first four decimals; a value written
// with more decimals prints its hundredths of a second, rounded: "25°05′09.99″".
QString FormatDegMinSec(const QString& value);

// The printable lines of a boundary string: the count N, CR LF, then per block its ore-body
// id, one "point,X,Y" line per point, "标高: 从…米至…米" and an empty line, each ending in
// CR LF. Empty when the string is malformed.
QString FormatCoordinateList(const QString& boundary);

// Prints the table; title by kind ("划定矿区范围坐标表" for kind 5). An empty or malformed
// boundary, or one without any line, gives "坐标不完成,无法打印区域坐标表..." and prints
// nothing.
void PrintCoordinateTable(PrintTarget& target, const QString& boundary, const QString& mineName, int kind);

} // namespace mf
