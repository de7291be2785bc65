#pragma once
// Shared pieces of the reader fuzz targets: silent dialogs and a field map of a change
// application.
#include "core/dictionary.h"
#include "platform/dialogs.h"

#include <cstdlib>

namespace mf::fuzz {

class SilentDialogs : public Dialogs {
public:
    MsgAnswer message(const QString&, const QString&, MsgIcon, MsgButtons) override {
        return MsgAnswer::No;
    }
    FileDialogResult openFile(const FileDialogRequest&) override { return {}; }
    FileDialogResult saveFile(const FileDialogRequest&) override { return {}; }
};

inline void installSilentDialogs() {
    static SilentDialogs d;
    setDialogs(&d);
}

inline KindFieldMap changeMap(bool xml) {
    KindFieldMap m;
    m.Kind = 2;
    const char* fields[][2] = {{"申请人", "SQR"},     {"矿山名称", "KSMC"}, {"申请原因", "SQYY"},
                               {"经济类型", "JJLX"},  {"开采主矿种", "KCZKZ"},
                               {"共伴生类型", "GBSLX"}, {"变更类型", "BGLX"}};
    for (auto& f : fields)
        m.Pairs.append({QString::fromUtf8(f[0]), xml ? QString::fromUtf8(f[1]) : QString::fromUtf8(f[0])});
    m.Pairs.append({QStringLiteral("区域坐标"),
                    xml ? QStringLiteral("QYZB") : QStringLiteral("矿区范围拐点坐标与标高的总行数")});
    return m;
}

[[noreturn]] inline void fail(const char* what) {
    fprintf(stderr, "property violated: %s\n", what);
    abort();
}

} // namespace mf::fuzz
