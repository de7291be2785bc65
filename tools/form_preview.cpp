// form_preview <outdir> [pixels-per-twip-divisor]
// Renders every page of every form design to PNG (newtab-p0.png ...), with the control
// names written into empty boxes, so a design can be checked by eye.
#include "forms/design_renderer.h"
#include "forms/form_design.h"
#include "forms/kind_profile.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: form_preview <outdir> [twips-per-pixel, default 10]\n");
        return 2;
    }
    const QString outDir = args[1];
    double twipsPerPixel = 10;
    if (args.size() > 2)
        twipsPerPixel = args[2].toDouble();
    if (twipsPerPixel <= 0) {
        std::fprintf(stderr, "bad scale\n");
        return 2;
    }
    if (!QDir().mkpath(outDir)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(outDir));
        return 1;
    }
    mf::RenderOptions options;
    options.pixelsPerTwip = 1.0 / twipsPerPixel;
    options.showNames = true;
    int failures = 0;
    for (int kind = 1; kind <= 7; ++kind) {
        const mf::KindProfile& profile = mf::kindProfile(kind);
        QString error;
        const mf::FormDesign design = mf::loadFormDesign(profile.designResource(), &error);
        if (!design.isValid()) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            ++failures;
            continue;
        }
        const QString base = QFileInfo(profile.designFile).completeBaseName();
        for (int page = 0; page < design.pageCount(); ++page) {
            const QString file = QDir(outDir).filePath(QStringLiteral("%1-p%2.png").arg(base).arg(page));
            if (!mf::renderDesignPageImage(design, page, options).save(file)) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
                ++failures;
            } else {
                std::printf("%s\n", qPrintable(file));
            }
        }
    }
    return failures ? 1 : 0;
}
