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
    // The sans font that stands in for 黑体 reads best in menus and dialogs.
    return fontSubstitutes(QStringLiteral("黑体")).value(0);
}

} // namespace mf
