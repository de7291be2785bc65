#pragma once
// The program's message boxes and file dialogs, shown with Qt widgets.
#include "platform/dialogs.h"

#include <QPointer>
#include <memory>

class QFileDialog;
class QMessageBox;
class QWidget;

namespace mf {

class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    // The window the boxes are centred on and modal to (may be null).
    void setParent(QWidget* parent) { parent_ = parent; }
    QWidget* parent() const { return parent_; }

    MsgAnswer message(const QString& title, const QString& text, MsgIcon icon,
                      MsgButtons buttons = MsgButtons::Ok) override;
    FileDialogResult openFile(const FileDialogRequest& request) override;
    FileDialogResult saveFile(const FileDialogRequest& request) override;

    // The box and dialogs as they are shown, built but not executed.
    static std::unique_ptr<QMessageBox> makeMessageBox(QWidget* parent, const QString& title,
                                                       const QString& text, MsgIcon icon,
                                                       MsgButtons buttons);
    static std::unique_ptr<QFileDialog> makeFileDialog(QWidget* parent, const FileDialogRequest& request,
                                                       bool save);
    // The answer read back from an accepted or rejected file dialog.
    static FileDialogResult resultOf(const QFileDialog& dialog, const FileDialogRequest& request,
                                     bool accepted);

private:
    FileDialogResult runFileDialog(const FileDialogRequest& request, bool save);
    QPointer<QWidget> parent_;
};

} // namespace mf
