#include "platform/ui/qt_setup.h"

#include "platform/fonts.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace mf {

bool installTranslations(QApplication& app) {
    const QString dir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    auto* translator = new QTranslator(&app);
    if (!translator->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                          QStringLiteral("_"), dir) &&
        !translator->load(QStringLiteral("qtbase_zh_CN"), dir)) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

void installApplicationFonts() {
    installFontSubstitutions();

    const QString family = chineseUiFontFamily();
    if (!family.isEmpty()) {
        QFont font = QGuiApplication::font();
        font.setFamilies({family});
        QGuiApplication::setFont(font);
    }
}

QString chineseUiFontFamily() {
    const QStringList installed = QFontDatabase::families();
    for (const char* family : {"WenQuanYi Zen Hei", "Noto Sans CJK SC", "AR PL UMing CN"}) {
        const QString f = QString::fromLatin1(family);
        if (installed.contains(f, Qt::CaseInsensitive))
            return f;
    }
    return QString();
}

} // namespace mf
