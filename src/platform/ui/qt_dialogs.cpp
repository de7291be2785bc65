#include "platform/ui/qt_dialogs.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLocale>
#include <QTreeView>
#include <algorithm>
#include <QMessageBox>

namespace mf {

namespace {
QMessageBox::Icon toQt(MsgIcon icon) {
    switch (icon) {
    case MsgIcon::Information: return QMessageBox::Information;
    case MsgIcon::Question: return QMessageBox::Question;
    case MsgIcon::Exclamation: return QMessageBox::Warning;
    case MsgIcon::Critical: return QMessageBox::Critical;
    case MsgIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

// A question that only 是 or 否 answers: Escape and the window's close box do nothing, as
// a Yes/No box of the forms' original platform cannot be dismissed without an answer.
class AnswerRequiredBox final : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void keyPressEvent(QKeyEvent* e) override {
        if (e->matches(QKeySequence::Cancel)) {
            e->accept();
            return;
        }
        QMessageBox::keyPressEvent(e);
    }
    void closeEvent(QCloseEvent* e) override { e->ignore(); }
};

// The longest file name the file systems take, in bytes.
constexpr qsizetype kNameMaxBytes = 255;

// A save dialog that says when the typed name is longer than a file name may be: Qt's own
// greys the save button for such a name (or lets it through when its characters are fewer
// than its bytes), and Enter then does nothing, without a word.
class SaveFileDialog final : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    // After the accept mode is set, which makes the save button.
    void keepSaveButtonForLongNames() {
        if (auto* box = findChild<QDialogButtonBox*>(QStringLiteral("buttonBox")))
            saveButton_ = box->button(QDialogButtonBox::Save);
        if (!saveButton_) return;
        // Qt greys the button as the name changes (after this connection's slot is made) and
        // on other occasions (seen as the button's change of state).
        saveButton_->installEventFilter(this);
        if (auto* edit = findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
            connect(edit, &QLineEdit::textChanged, this, [this] { keepEnabledForLongName(); });
    }

    void accept() override {
        if (typedNameTooLong()) {
            dialogs().message(QStringLiteral("提示"), QStringLiteral("文件名过长"), MsgIcon::Exclamation);
            return;
        }
        QFileDialog::accept();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == saveButton_ && event->type() == QEvent::EnabledChange) keepEnabledForLongName();
        return QFileDialog::eventFilter(watched, event);
    }

private:
    void keepEnabledForLongName() {
        if (saveButton_ && !saveButton_->isEnabled() && typedNameTooLong()) saveButton_->setEnabled(true);
    }

    bool typedNameTooLong() const {
        const auto* edit = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        return edit && QFile::encodeName(edit->text().section(u'/', -1)).size() > kNameMaxBytes;
    }

    QPointer<QPushButton> saveButton_;
};
} // namespace

std::unique_ptr<QMessageBox> QtDialogs::makeMessageBox(QWidget* parent, const QString& title,
                                                       const QString& text, MsgIcon icon,
                                                       MsgButtons buttons) {
    const auto qtButtons = isQuestion(buttons) ? (QMessageBox::Yes | QMessageBox::No)
                                               : QMessageBox::StandardButtons(QMessageBox::Ok);
    std::unique_ptr<QMessageBox> box;
    if (buttons == MsgButtons::YesNoRequired)
        box = std::make_unique<AnswerRequiredBox>(toQt(icon), title, text, qtButtons, parent);
    else
        box = std::make_unique<QMessageBox>(toQt(icon), title, text, qtButtons, parent);
    // The texts are shown as written, never as rich text.
    box->setTextFormat(Qt::PlainText);
    // The first button is the default, as in the boxes of the forms' original run time,
    // unless the question asks for 否 as the default.
    if (!isQuestion(buttons))
        box->setDefaultButton(QMessageBox::Ok);
    else
        box->setDefaultButton(buttons == MsgButtons::YesNoDefaultNo ? QMessageBox::No : QMessageBox::Yes);
    if (buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoDefaultNo)
        box->setEscapeButton(QMessageBox::No);
    // A short text must not leave the title elided: the box is at least as wide as its
    // title in a (bold, larger) title-bar font plus the title bar's icon and close box.
    QFont titleFont = box->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.2);
    const int titleWidth = QFontMetrics(titleFont).horizontalAdvance(title) + 120;
    if (auto* grid = qobject_cast<QGridLayout*>(box->layout()))
        grid->addItem(new QSpacerItem(titleWidth, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(),
                      0, 1, grid->columnCount());
    return box;
}

MsgAnswer QtDialogs::message(const QString& title, const QString& text, MsgIcon icon,
                             MsgButtons buttons) {
    auto box = makeMessageBox(parent_, title, text, icon, buttons);
    const int result = box->exec();
    if (isQuestion(buttons))
        return result == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
    return MsgAnswer::Ok;
}

std::unique_ptr<QFileDialog> QtDialogs::makeFileDialog(QWidget* parent, const FileDialogRequest& request,
                                                       bool save) {
    std::unique_ptr<QFileDialog> dialog;
    if (save) {
        auto saveDialog = std::make_unique<SaveFileDialog>(parent, request.title, request.directory);
        saveDialog->setOption(QFileDialog::DontUseNativeDialog, true);
        saveDialog->setAcceptMode(QFileDialog::AcceptSave);
        saveDialog->setFileMode(QFileDialog::AnyFile);
        // The caller asks about overwriting itself.
        saveDialog->setOption(QFileDialog::DontConfirmOverwrite, true);
        saveDialog->keepSaveButtonForLongNames();
        dialog = std::move(saveDialog);
    } else {
        dialog = std::make_unique<QFileDialog>(parent, request.title, request.directory);
        dialog->setOption(QFileDialog::DontUseNativeDialog, true);
        dialog->setAcceptMode(QFileDialog::AcceptOpen);
        dialog->setFileMode(QFileDialog::ExistingFile);
    }
    if (!request.filters.isEmpty()) {
        dialog->setNameFilters(request.filters);
        if (request.filterIndex >= 0 && request.filterIndex < request.filters.size())
            dialog->selectNameFilter(request.filters.at(request.filterIndex));
    }
    if (!request.fileName.isEmpty())
        dialog->selectFile(request.fileName);
    // Qt sizes the date column for a two-digit year; a date of this locale is longer. The
    // name column, sized for 26 wide letters, gives the room, so the columns still fit.
    if (auto* tree = dialog->findChild<QTreeView*>(QStringLiteral("treeView")); tree && tree->header()->count() > 3) {
        QHeaderView* header = tree->header();
        const QFontMetrics fm(dialog->font());
        const QString date =
            QLocale::system().toString(QDateTime(QDate(2000, 12, 28), QTime(23, 58)), QLocale::ShortFormat);
        const int dateWidth = fm.horizontalAdvance(date) + fm.averageCharWidth() * 2;
        if (header->sectionSize(3) < dateWidth) header->resizeSection(3, dateWidth);
        const int nameWidth = fm.horizontalAdvance(QString(26, u'w'));
        const int room = nameWidth + fm.horizontalAdvance(QStringLiteral("128.88 GB")) +
                         fm.horizontalAdvance(QStringLiteral("mp3Folder")) +
                         fm.horizontalAdvance(QStringLiteral("10/29/81 02:02PM")) - header->sectionSize(1) -
                         header->sectionSize(2) - header->sectionSize(3);
        if (header->sectionSize(0) > room) header->resizeSection(0, std::max(room, nameWidth / 2));
    }
    return dialog;
}

FileDialogResult QtDialogs::resultOf(const QFileDialog& dialog, const FileDialogRequest& request,
                                     bool accepted) {
    FileDialogResult result;
    result.filterIndex = request.filterIndex;
    const int filter = request.filters.indexOf(dialog.selectedNameFilter());
    if (filter >= 0)
        result.filterIndex = filter;
    const QStringList files = dialog.selectedFiles();
    if (accepted && !files.isEmpty() && !files.first().isEmpty()) {
        result.accepted = true;
        result.path = QDir::fromNativeSeparators(files.first());
    }
    return result;
}

FileDialogResult QtDialogs::runFileDialog(const FileDialogRequest& request, bool save) {
    auto dialog = makeFileDialog(parent_, request, save);
    const bool accepted = dialog->exec() == QDialog::Accepted;
    return resultOf(*dialog, request, accepted);
}

FileDialogResult QtDialogs::openFile(const FileDialogRequest& request) { return runFileDialog(request, false); }

FileDialogResult QtDialogs::saveFile(const FileDialogRequest& request) { return runFileDialog(request, true); }

} // namespace mf
