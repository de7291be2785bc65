#include "platform/scripted_dialogs.h"

namespace mf {

ScriptedDialogs::~ScriptedDialogs() {
    if (installedDialogs() == this)
        setDialogs(nullptr);
}

ScriptedDialogs& ScriptedDialogs::install() {
    setDialogs(this);
    return *this;
}

ScriptedDialogs& ScriptedDialogs::answer(MsgAnswer a) {
    answers_.push_back(a);
    return *this;
}

ScriptedDialogs& ScriptedDialogs::chooseFile(const QString& path, int filterIndex) {
    files_.push_back({true, path, filterIndex});
    return *this;
}

ScriptedDialogs& ScriptedDialogs::cancelFile() {
    files_.push_back({false, QString(), -1});
    return *this;
}

QStringList ScriptedDialogs::messageTexts() const {
    QStringList texts;
    for (const ShownMessage& m : messages_)
        texts << m.text;
    return texts;
}

void ScriptedDialogs::clear() {
    answers_.clear();
    files_.clear();
    messages_.clear();
    fileDialogs_.clear();
    ranOut_ = false;
}

MsgAnswer ScriptedDialogs::message(const QString& title, const QString& text, MsgIcon icon,
                                   MsgButtons buttons) {
    ShownMessage shown{title, text, icon, buttons, MsgAnswer::Ok, true};
    if (isQuestion(buttons)) {
        if (!answers_.empty()) {
            shown.answer = answers_.front();
            answers_.pop_front();
        } else {
            shown.answer = defaultAnswer_;
            shown.scripted = false;
            ranOut_ = true;
        }
    }
    messages_.append(shown);
    return shown.answer;
}

FileDialogResult ScriptedDialogs::nextFile(FileDialogKind kind, const FileDialogRequest& request) {
    ShownFileDialog shown{kind, request, {}, true};
    shown.result.filterIndex = request.filterIndex;
    if (!files_.empty()) {
        const QueuedFile q = files_.front();
        files_.pop_front();
        shown.result.accepted = q.accepted;
        if (q.accepted) {
            shown.result.path = q.path;
            if (q.filterIndex >= 0)
                shown.result.filterIndex = q.filterIndex;
        }
    } else {
        shown.scripted = false;
        ranOut_ = true;
    }
    fileDialogs_.append(shown);
    return shown.result;
}

FileDialogResult ScriptedDialogs::openFile(const FileDialogRequest& request) {
    return nextFile(FileDialogKind::Open, request);
}

FileDialogResult ScriptedDialogs::saveFile(const FileDialogRequest& request) {
    return nextFile(FileDialogKind::Save, request);
}

} // namespace mf
