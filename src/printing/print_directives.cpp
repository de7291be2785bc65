#include "printing/print_directives.h"

#include "platform/vb.h"

#include <QStringList>
#include <cmath>

namespace mf {

namespace {
bool startsNoCase(const QString& item, const char* prefix) {
    return item.startsWith(QLatin1String(prefix), Qt::CaseInsensitive);
}
int amount(const QString& item) { return int(std::nearbyint(vb::val(item.mid(2)))); }
} // namespace

PrintDirectives parsePrintDirectives(const QString& tag) {
    PrintDirectives d;
    d.printHidden = tag.contains(QLatin1String("[V]"));
    if (tag.isEmpty()) return d;
    for (const QString& item : tag.split(QLatin1Char(','))) {
        if (item.isEmpty()) continue;
        if (item == QLatin1String("X")) {
            d.lineX = true;
        } else if (item == QLatin1String("XL")) {
            d.lineXL = true;
        } else if (startsNoCase(item, "ZN")) {
            d.hasFontName = true;
            d.fontName = item.mid(2);
        } else if (startsNoCase(item, "ZS")) {
            d.hasFontSize = true;
            d.fontSize = vb::val(item.mid(2));
        } else if (startsNoCase(item, "ZB")) {
            d.hasBold = true;
        } else if (startsNoCase(item, "MT")) {
            d.hasTop = true;
            d.top = amount(item);
        } else if (startsNoCase(item, "MB")) {
            d.hasBottom = true;
            d.bottom = amount(item);
        } else if (startsNoCase(item, "ML")) {
            d.hasLeft = true;
            d.left = amount(item);
        } else if (startsNoCase(item, "MR")) {
            d.hasRight = true;
            d.right = amount(item);
        } else {
            switch (item.at(0).toUpper().unicode()) {
            case 'D': d.date = true; break;
            case 'F': d.spaced = true; break;
            case 'P': d.blank = true; break;
            case 'Y': d.afterBlank = true; break;
            default: break;   // Q and anything else: no effect
            }
        }
    }
    return d;
}

} // namespace mf
