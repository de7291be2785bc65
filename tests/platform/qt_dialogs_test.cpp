#include "platform/ui/qt_dialogs.h"
#include "platform/fonts.h"
#include "platform/scripted_dialogs.h"
#include "platform/ui/qt_setup.h"

#include <QAbstractButton>
#include <QAbstractFileIconProvider>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QFileInfo>
#include <QHeaderView>
#include <QLocale>
#include <QTreeView>
#include <QApplication>
#include <QFileDialog>
#include <QFont>
#include <QFontInfo>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QProxyStyle>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

using namespace mf;

TEST(QtDialogs, MessageBoxHasTitleTextIconAndButtons) {
    auto box = QtDialogs::makeMessageBox(nullptr, QStringLiteral("提示"), QStringLiteral("保存吗?<b>"),
                                         MsgIcon::Question, MsgButtons::YesNo);
    EXPECT_EQ(box->windowTitle(), QStringLiteral("提示"));
    EXPECT_EQ(box->text(), QStringLiteral("保存吗?<b>"));
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    EXPECT_EQ(box->icon(), QMessageBox::Question);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::Yes));

    auto warn = QtDialogs::makeMessageBox(nullptr, QString(), QStringLiteral("x"), MsgIcon::Exclamation,
                                          MsgButtons::Ok);
    EXPECT_EQ(warn->windowTitle(), QString());
    EXPECT_EQ(warn->icon(), QMessageBox::Warning);
    EXPECT_EQ(warn->standardButtons(), QMessageBox::Ok);
    EXPECT_EQ(QtDialogs::makeMessageBox(nullptr, {}, {}, MsgIcon::Critical, MsgButtons::Ok)->icon(),
              QMessageBox::Critical);
    EXPECT_EQ(QtDialogs::makeMessageBox(nullptr, {}, {}, MsgIcon::None, MsgButtons::Ok)->icon(),
              QMessageBox::NoIcon);
}

// Each kind of question: its default button, and what Escape and then the window's close box
// answer. A question that must be answered stays open until a button is clicked.
TEST(QtDialogs, EscapeAndTheCloseBoxAnswerNoUnlessTheQuestionMustBeAnswered) {
    struct Row {
        MsgButtons buttons;
        QMessageBox::StandardButton defaultButton;
        bool staysOpen;
    };
    for (const Row& row : {Row{MsgButtons::YesNo, QMessageBox::Yes, false},
                           Row{MsgButtons::YesNoDefaultNo, QMessageBox::No, false},
                           Row{MsgButtons::YesNoRequired, QMessageBox::Yes, true}}) {
        QtDialogs d;
        bool stayedOpen = false;
        QMessageBox::StandardButton shownDefault = QMessageBox::NoButton;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            shownDefault = box->standardButton(box->defaultButton());
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(box, &escape);
            if (box->isVisible()) box->close();
            stayedOpen = box->isVisible();
            if (stayedOpen) box->button(QMessageBox::Yes)->click();
        });
        const MsgAnswer a = d.message(QStringLiteral("提示"), QStringLiteral("保存吗?"), MsgIcon::Question, row.buttons);
        EXPECT_EQ(shownDefault, row.defaultButton) << int(row.buttons);
        EXPECT_EQ(stayedOpen, row.staysOpen) << int(row.buttons);
        EXPECT_EQ(a, row.staysOpen ? MsgAnswer::Yes : MsgAnswer::No) << int(row.buttons);
    }
}

TEST(QtDialogs, SaveDialogDoesNotAskAboutOverwriting) {
    QTemporaryDir dir;
    FileDialogRequest req;
    req.title = QStringLiteral("保存报盘文件");
    req.directory = dir.path();
    req.fileName = QStringLiteral("申请.txt");
    req.filters = {QStringLiteral("报盘文本文件(*.txt)"), QStringLiteral("交换标准文件(*.xml)")};
    req.filterIndex = 1;
    auto save = QtDialogs::makeFileDialog(nullptr, req, true);
    EXPECT_EQ(save->windowTitle(), req.title);
    EXPECT_EQ(save->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_TRUE(save->testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_TRUE(save->testOption(QFileDialog::DontUseNativeDialog));
    EXPECT_EQ(save->nameFilters(), req.filters);
    EXPECT_EQ(save->selectedNameFilter(), req.filters.at(1));
    EXPECT_EQ(QtDialogs::resultOf(*save, req, false).accepted, false);
    const FileDialogResult r = QtDialogs::resultOf(*save, req, true);
    EXPECT_TRUE(r.accepted);
    EXPECT_EQ(r.path, dir.filePath(QStringLiteral("申请.txt")));
    EXPECT_EQ(r.filterIndex, 1);

    auto open = QtDialogs::makeFileDialog(nullptr, req, false);
    EXPECT_EQ(open->acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(open->fileMode(), QFileDialog::ExistingFile);
}

// A name longer than a file name may be keeps 保存(S) usable and is named when pressed.
TEST(QtDialogs, SaveDialogNamesANameTooLong) {
    ScriptedDialogs shown;
    for (const auto& [name, refused] : {std::pair{QString(255, u'x'), false}, {QString(256, u'x'), true}, {QString(86, u'矿'), true}}) {
        shown.install().clear();
        auto dialog = QtDialogs::makeFileDialog(nullptr, {}, true);
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText(name);
        QPushButton* save = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save);
        EXPECT_TRUE(save->isEnabled()) << name.size();
        save->click();
        EXPECT_EQ(dialog->result() == QDialog::Accepted, !refused) << name.size();
        EXPECT_EQ(shown.messageTexts(), refused ? QStringList{"文件名过长"} : QStringList()) << name.size();
    }
}

TEST(QtSetup, ButtonsAndFileDialogsReadChinese) {
    ASSERT_TRUE(installTranslations(*qApp));
    QMessageBox box(QMessageBox::Question, QStringLiteral("提示"), QStringLiteral("x"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Ok);
    EXPECT_TRUE(box.button(QMessageBox::Yes)->text().contains(QStringLiteral("是")));
    EXPECT_TRUE(box.button(QMessageBox::No)->text().contains(QStringLiteral("否")));
    EXPECT_TRUE(box.button(QMessageBox::Ok)->text().contains(QStringLiteral("确定")));

    // The file dialogs' type column, which Qt's own catalogue leaves in English, and a date
    // column that takes a whole date.
    QTemporaryDir dir;
    EXPECT_EQ(QAbstractFileIconProvider().type(QFileInfo(dir.path())), QStringLiteral("文件夹"));
    auto dialog = QtDialogs::makeFileDialog(nullptr, FileDialogRequest{}, true);
    auto* tree = dialog->findChild<QTreeView*>(QStringLiteral("treeView"));
    ASSERT_NE(tree, nullptr);
    const QString date = QLocale::system().toString(QDateTime(QDate(2026, 12, 28), QTime(23, 58)), QLocale::ShortFormat);
    EXPECT_GT(tree->header()->sectionSize(3), tree->fontMetrics().horizontalAdvance(date) + 8);
}

TEST(QtSetup, WindowsFontNamesMapToInstalledChineseFonts) {
    installApplicationFonts();
    // Qt names a font by its localized family under a Chinese desktop ("文泉驿正黑").
    auto installed = [](const char* family) { return installedFamily(QString::fromUtf8(family)); };
    auto resolved = [](const char* family) { return QFontInfo(QFont(QString::fromUtf8(family))).family(); };
    EXPECT_FALSE(installed("WenQuanYi Zen Hei").isEmpty());
    EXPECT_EQ(resolved("宋体"), installed("AR PL UMing CN"));
    EXPECT_EQ(resolved("黑体"), installed("WenQuanYi Zen Hei"));
    EXPECT_EQ(resolved("仿宋_GB2312"), installed("AR PL UKai CN"));
    EXPECT_EQ(resolved("楷体_GB2312"), installed("AR PL UKai CN"));

    const QString family = chineseUiFontFamily();
    ASSERT_FALSE(family.isEmpty()) << "no Chinese font installed";
    EXPECT_TRUE(QApplication::font().families().contains(family));
}

TEST(ProgramStyle, KeepsTheApplicationsStyleAndItsExtensionArrow) {
    QApplication::setStyle(QStringLiteral("windows"));   // as chosen with -style
    const QString before = QApplication::style()->name();
    const QList<QSize> arrow =
        QApplication::style()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton).availableSizes();
    installProgramStyle();
    auto* proxy = qobject_cast<QProxyStyle*>(QApplication::style());
    ASSERT_NE(proxy, nullptr);
    EXPECT_EQ(proxy->baseStyle()->name(), before);
    EXPECT_EQ(QApplication::style()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton).availableSizes(), arrow);
}
