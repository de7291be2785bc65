#include "platform/fonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

namespace mf {

void installFontSubstitutions() {
    static const bool done = [] {
        const QStringList families = QFontDatabase::families();
        auto pick = [&](std::initializer_list<const char*> names) {
            QStringList out;
            for (const char* n : names) {
                const QString f = QString::fromUtf8(n);
                if (families.contains(f)) out << f;
            }
            return out;
        };
        const QStringList serif = pick({"AR PL UMing CN", "Noto Serif CJK SC", "WenQuanYi Zen Hei"});
        const QStringList sans = pick({"WenQuanYi Zen Hei", "Noto Sans CJK SC", "AR PL UMing CN"});
        const QStringList kai = pick({"AR PL UKai CN", "AR PL UMing CN", "WenQuanYi Zen Hei"});
        QFont::insertSubstitutions(QStringLiteral("宋体"), serif);
        QFont::insertSubstitutions(QStringLiteral("黑体"), sans);
        QFont::insertSubstitutions(QStringLiteral("仿宋_GB2312"), kai);
        QFont::insertSubstitutions(QStringLiteral("楷体_GB2312"), kai);
        return true;
    }();
    (void)done;
}

} // namespace mf
