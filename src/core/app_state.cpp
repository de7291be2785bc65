#include "core/app_state.h"

#include <cmath>
#include <limits>

namespace mf {

namespace {
struct KindFacts {
    const char* marker;
    const char* key;
    const char* form;
    const char* packageText;
};
// Indexed by kind; entry 0 is unused.
const KindFacts kFacts[] = {
    {"", "", "", ""},
    {"VORELXL", "NEW", "NewTab", "采矿权申请登记书.txt"},
    {"VORELBG", "CHANGE", "ChangTab", "采矿权变更申请登记书.txt"},
    {"VORELYX", "CONT", "ContTab", "采矿权延续申请登记书.txt"},
    {"VORELZX", "DEL", "DelTab", "采矿权注销申请登记书.txt"},
    {"VORELFW", "DING", "DrawArea", "划定矿区范围申请登记书.txt"},
    {"VORELZR", "Cession", "CessionTab", "采矿权转让申请书.txt"},
    {"VORELNJ", "CHECK", "CheckTab", "矿产资源开发利用情况年度报告书.txt"},
};

const KindFacts& facts(int kind) { return kFacts[isKind(kind) ? kind : 0]; }
} // namespace

QString kindMarker(int kind) { return QString::fromUtf8(facts(kind).marker); }
QString kindToolbarKey(int kind) { return QString::fromUtf8(facts(kind).key); }
QString kindFormName(int kind) { return QString::fromUtf8(facts(kind).form); }
QString kindPackageTextName(int kind) { return QString::fromUtf8(facts(kind).packageText); }
bool kindHasMiningArea(int kind) { return kind == 1 || kind == 2 || kind == 5; }

void AppState::reset() { *this = AppState(); }

AppState& state() {
    static AppState s;
    return s;
}

int CountOtherOpenForms() {
    int n = 0;
    for (int k = 1; k <= kKindCount; ++k)
        if (state().KindOpen[k]) ++n;
    return n - 1;
}

double RoundUpToHalf(double x) {
    // Values beyond the whole-number range cannot carry a meaningful half; keep them.
    if (!std::isfinite(x) || std::fabs(x) >= double(std::numeric_limits<qint32>::max()))
        return x;
    const double i = std::trunc(x);
    const double f = x - i;
    if (f >= 0.5) return i + 1;
    if (f == 0) return i;
    return i + 0.5;
}

} // namespace mf
