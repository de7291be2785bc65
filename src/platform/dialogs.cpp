#include "platform/dialogs.h"

#include <QDebug>

namespace mf {

namespace {

// Stands in until the program or a test installs its dialogs: every box is logged,
// questions are answered No and file dialogs are cancelled, so nothing is overwritten
// or deleted on an answer nobody gave.
class UnsetDialogs final : public Dialogs {
public:
    MsgAnswer message(const QString& title, const QString& text, MsgIcon, MsgButtons buttons) override {
        qWarning().noquote() << "message box without dialogs installed:" << title << text;
        return isQuestion(buttons) ? MsgAnswer::No : MsgAnswer::Ok;
    }
    FileDialogResult openFile(const FileDialogRequest& request) override {
        qWarning().noquote() << "open dialog without dialogs installed:" << request.title;
        return {};
    }
    FileDialogResult saveFile(const FileDialogRequest& request) override {
        qWarning().noquote() << "save dialog without dialogs installed:" << request.title;
        return {};
    }
};

UnsetDialogs unsetDialogs;
Dialogs* current = nullptr;

} // namespace

Dialogs& dialogs() { return current ? *current : unsetDialogs; }

void setDialogs(Dialogs* d) { current = d; }

Dialogs* installedDialogs() { return current; }

} // namespace mf
