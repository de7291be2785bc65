#include "platform/fonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QHash>
#include <QList>
#include <fontconfig/fontconfig.h>

namespace mf {

namespace {

// Family names compare as fontconfig compares them: regardless of case and blanks.
QString familyKey(const QString& name) {
    QString k = name.toCaseFolded();
    k.remove(QLatin1Char(' '));
    return k;
}

// The family names (all languages) of each installed font, with their keys, from one
// listing of fontconfig taken on first use: resolving every design font's candidates from
// it spares the start-up a listing per candidate, and each name is made a key once.
struct FontNames {
    QStringList names;
    QStringList keys;
};

const QList<FontNames>& installedFontNames() {
    static const QList<FontNames> fonts = [] {
        QList<FontNames> out;
        if (!FcInit()) return out;
        FcPattern* pattern = FcPatternCreate();
        FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, nullptr);
        if (FcFontSet* set = FcFontList(nullptr, pattern, objects)) {
            for (int i = 0; i < set->nfont; ++i) {
                FontNames font;
                FcChar8* s = nullptr;
                for (int k = 0; FcPatternGetString(set->fonts[i], FC_FAMILY, k, &s) == FcResultMatch; ++k) {
                    font.names << QString::fromUtf8(reinterpret_cast<const char*>(s));
                    font.keys << familyKey(font.names.last());
                }
                if (!font.names.isEmpty()) out << font;
            }
            FcFontSetDestroy(set);
        }
        FcObjectSetDestroy(objects);
        FcPatternDestroy(pattern);
        return out;
    }();
    return fonts;
}

// Every family name (all languages) of the fonts that carry name among theirs.
QStringList fontconfigNames(const QString& name) {
    QStringList out;
    const QString key = familyKey(name);
    for (const FontNames& font : installedFontNames()) {
        if (!font.keys.contains(key)) continue;
        for (const QString& n : font.names)
            if (!out.contains(n)) out << n;
    }
    return out;
}

struct Candidates {
    const char* design;
    std::initializer_list<const char*> families;
};

// Serif for 宋体, sans for 黑体, the brush fonts for 仿宋 and 楷体; the last entries stand
// in when the better ones are missing.
const Candidates kMap[] = {
    {"宋体", {"AR PL UMing CN", "Noto Serif CJK SC", "WenQuanYi Zen Hei"}},
    {"黑体", {"WenQuanYi Zen Hei", "Noto Sans CJK SC", "AR PL UMing CN"}},
    {"仿宋_GB2312", {"AR PL UKai CN", "AR PL UMing CN", "WenQuanYi Zen Hei"}},
    {"楷体_GB2312", {"AR PL UKai CN", "AR PL UMing CN", "WenQuanYi Zen Hei"}},
};

// The family among those Qt lists that has family among its names.
QString familyIn(const QStringList& installed, const QString& family) {
    auto listed = [&](const QString& n) -> QString {
        for (const QString& f : installed)
            if (f.compare(n, Qt::CaseInsensitive) == 0) return f;
        return QString();
    };
    if (const QString f = listed(family); !f.isEmpty()) return f;
    for (const QString& n : fontconfigNames(family))
        if (const QString f = listed(n); !f.isEmpty()) return f;
    return QString();
}

} // namespace

QString installedFamily(const QString& family) { return familyIn(QFontDatabase::families(), family); }

QStringList fontSubstitutes(const QString& designFont) {
    static const QHash<QString, QStringList> resolved = [] {
        QHash<QString, QStringList> h;
        const QStringList installed = QFontDatabase::families();   // listed once for all candidates
        for (const Candidates& c : kMap) {
            QStringList out;
            for (const char* n : c.families) {
                const QString f = familyIn(installed, QString::fromUtf8(n));
                if (!f.isEmpty() && !out.contains(f)) out << f;
            }
            h.insert(QString::fromUtf8(c.design), out);
        }
        return h;
    }();
    return resolved.value(designFont);
}

void installFontSubstitutions() {
    static const bool done = [] {
        for (const Candidates& c : kMap) {
            const QString design = QString::fromUtf8(c.design);
            QFont::insertSubstitutions(design, fontSubstitutes(design));
        }
        return true;
    }();
    (void)done;
}

} // namespace mf
