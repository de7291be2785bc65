// Reserve units and reserve scale.
#include "core/reserve_scale.h"

#include "platform/vb.h"

namespace mf {

QStringList FillReserveUnitList(const QString& code, const Dictionary& dict) {
    QStringList items;
    if (vb::trim(code).isEmpty())
        return items;
    DictQuery q(dict, "select 储量单位,说明 from 储量规模词表 where 矿产代码=?1 order by rowid");
    if (!q.bindNumber(1, code))
        return items;
    while (q.next())
        items.append(q.text(0) + QLatin1Char(' ') + q.text(1));
    return items;
}

QString SplitReserveUnitItem(const QString& item, bool afterBlank) {
    const qsizetype blank = item.indexOf(QLatin1Char(' '));
    if (blank < 0)
        return {};
    return afterBlank ? item.mid(blank + 1) : item.left(blank);
}

QString ClassifyReserveScale(const QString& code, const QString& amount, const QString& note,
                             const Dictionary& dict) {
    const double v = vb::val(amount);
    if (vb::trim(code).isEmpty() || v == 0)
        return {};
    DictQuery q(dict, "select SST,SSX from 储量规模词表 where 矿产代码=?1 and 说明=?2 order by rowid limit 1");
    if (!q.bindNumber(1, code))
        return {};
    q.bind(2, note);
    if (!q.next() || q.isNull(0))
        return {};
    const float value = float(v);
    const float large = float(q.real(0));
    if (value >= large)
        return QStringLiteral("大型");
    if (q.isNull(1))
        return QStringLiteral("中型");
    return value < float(q.real(1)) ? QStringLiteral("小型") : QStringLiteral("中型");
}

} // namespace mf
