#include "platform/ui/qt_setup.h"

#include "platform/fonts.h"
#include "platform/picture_part.h"

#include <QApplication>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QIconEngine>
#include <QLibraryInfo>
#include <QLocale>
#include <QPainter>
#include <QPixmap>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTranslator>

namespace mf {

namespace {

// Pictures read when the icon is first drawn or measured. The toolbar asks for the arrow of
// its extension button when it is made, but shows it only when its buttons do not fit.
class DeferredPictures : public QIconEngine {
public:
    explicit DeferredPictures(QStringList paths) : paths_(std::move(paths)) {}
    QIconEngine* clone() const override { return new DeferredPictures(*this); }
    bool isNull() override { return false; }   // the files were found when it was made
    void paint(QPainter* p, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        icon().paint(p, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
        return icon().pixmap(size / scale, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override { return icon().availableSizes(mode, state); }

private:
    const QIcon& icon() {
        if (!read_) {
            read_ = true;
            for (const QString& path : std::as_const(paths_)) {
                const QImage picture = readPicture(path, "png");
                if (!picture.isNull()) icon_.addPixmap(QPixmap::fromImage(picture));
            }
        }
        return icon_;
    }

    QStringList paths_;
    QIcon icon_;
    bool read_ = false;
};

// Qt's styles read the arrow of a toolbar's extension button from PNG files, leaving the
// format to be recognised, which loads every picture plug-in at start-up for one small
// arrow. This style reads the same files as PNG, when the arrow is shown; should they be
// missing (another Qt), the application's style gives the arrow.
class ProgramStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap sp, const QStyleOption* option, const QWidget* widget) const override {
        const bool rtl = option ? option->direction == Qt::RightToLeft : QGuiApplication::isRightToLeft();
        QIcon icon;
        if (sp == SP_ToolBarHorizontalExtensionButton)
            icon = arrow(rtl ? "h-rtl" : "h", {8, 16, 32});
        else if (sp == SP_ToolBarVerticalExtensionButton)
            icon = arrow("v", {5, 10, 20});
        return icon.isNull() ? QProxyStyle::standardIcon(sp, option, widget) : icon;
    }

    // Qt's raster engine hands a line made of more than about a hundred pixels to a pool of
    // threads; the full-width lines of the toolbar's background would start that pool at
    // every start-up. Painted in strips, each piece of line stays below that size.
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        if (element != CE_ToolBar || !option || !painter) return QProxyStyle::drawControl(element, option, painter, widget);
        constexpr int kStrip = 64;
        const QRect r = option->rect;
        for (int x = r.left(); x <= r.right(); x += kStrip) {
            painter->save();
            painter->setClipRect(QRect(x, r.top(), kStrip, r.height()), Qt::IntersectClip);
            QProxyStyle::drawControl(element, option, painter, widget);
            painter->restore();
        }
    }

private:
    static QIcon arrow(const char* name, std::initializer_list<int> sizes) {
        QStringList paths;
        for (int size : sizes) {
            paths << QStringLiteral(":/qt-project.org/styles/commonstyle/images/toolbar-ext-%1-%2.png")
                         .arg(QLatin1String(name))
                         .arg(size);
            if (!QFile::exists(paths.last())) return QIcon();
        }
        return QIcon(new DeferredPictures(paths));
    }
};

// Texts of Qt's file dialogs that Qt's own Chinese catalogue lacks (the type column).
class FileDialogTexts : public QTranslator {
public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* = nullptr, int = -1) const override {
        if (qstrcmp(context, "QAbstractFileIconProvider") != 0 && qstrcmp(context, "QFileIconProvider") != 0)
            return QString();
        static const char* const texts[][2] = {
            {"Folder", "文件夹"}, {"File Folder", "文件夹"}, {"File", "文件"},     {"Drive", "驱动器"},
            {"Shortcut", "快捷方式"}, {"Alias", "替身"},     {"Unknown", "未知"},
        };
        for (const auto& t : texts)
            if (qstrcmp(source, t[0]) == 0) return QString::fromUtf8(t[1]);
        return QString();
    }
};

} // namespace

void installProgramStyle() {
    // Over a second instance of the style the application chose; should that one not be
    // made again by its name, the application keeps its own.
    if (QStyle* base = QStyleFactory::create(QApplication::style()->name()))
        QApplication::setStyle(new ProgramStyle(base));
}

bool installTranslations(QApplication& app) {
    const QString dir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    auto* translator = new QTranslator(&app);
    if (!translator->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                          QStringLiteral("_"), dir) &&
        !translator->load(QStringLiteral("qtbase_zh_CN"), dir)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(new FileDialogTexts(&app));
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
