#include "forms/field_rules.h"

#include "core/app_state.h"
#include "platform/vb.h"

namespace mf {

QString regionNameForField(const QString& text, const Dictionary& dict) {
    if (text.size() != 6) return {};
    for (QChar c : text)
        if (c < u'0' || c > u'9') return {};
    return dict.GetRegionFullName(text);
}

std::optional<QString> chosenMineralCode(const QString& comboText) {
    const QString code = vb::formatGeneral(vb::val(comboText));
    if (code.size() != 5) return std::nullopt;
    return code;
}

QString mineralCodeOf(const QString& comboText) { return comboText.left(5); }

bool qualifiesForMineralSearch(const QString& text) {
    return vb::val(text) == 0 && !vb::trim(text).isEmpty();
}

namespace {
// 黏 is the standard character of 黏土 since 2013; the mineral names keep the older 粘 of
// the classification. Both spellings must find the same clays.
QString foldClaySpelling(QString s) { return s.replace(QChar(0x9ECF), QChar(0x7C98)); }   // 黏 -> 粘
} // namespace

QStringList mineralMatches(const QString& text, const QList<MineralRow>& minerals) {
    const QString typed = foldClaySpelling(text);
    QStringList out;
    for (const MineralRow& m : minerals)
        if (foldClaySpelling(m.Name).contains(typed, Qt::CaseSensitive))
            out << QString::number(m.Code) + QLatin1Char(' ') + m.Name;
    return out;
}

QString formatHalf(double x) {
    QString s = vb::formatFixed(x, 1);
    if (s.endsWith(QLatin1String(".0"))) s.chop(2);
    return s == QLatin1String("-0") ? QStringLiteral("0") : s;
}

QString usageFeeText(const QString& areaText) { return formatHalf(RoundUpToHalf(vb::val(areaText))); }

QString elevationText(float elevation) { return vb::formatGeneralSingle(elevation); }

TwipsRect regionTreeRect(const TwipsRect& label, const TwipsRect& button, bool opensUp) {
    TwipsRect r;
    r.left = label.left;
    r.width = Twips(std::max(button.left.value - label.left.value, kTwipsPerPixel));
    r.height = kRegionTreeHeight;
    r.top = opensUp ? Twips(std::max(button.top.value - kRegionTreeHeight.value, 0))
                    : button.top + button.height + Twips(20);
    return r;
}

TwipsRect mineralTreeRect(const TwipsRect& combo) {
    return TwipsRect{combo.left, combo.top + combo.height, Twips(2500), Twips(2500)};
}

TwipsRect mineralListRect(const TwipsRect& combo) {
    return TwipsRect{combo.left, combo.top + combo.height, Twips(2500), Twips(2000)};
}

TwipsRect reserveListRect(const TwipsRect& button, Twips listWidth, Twips listHeight) {
    return TwipsRect{button.left + button.width - listWidth + Twips(50), button.top + button.height,
                     listWidth, listHeight};
}

} // namespace mf
