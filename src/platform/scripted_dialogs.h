#pragma once
// Dialogs driven by a script, for tests: answers are queued beforehand, every box and file
// dialog shown is recorded, and a call the script did not foresee gets a default answer and
// is marked as such.
//
//   ScriptedDialogs d;
//   d.answer(MsgAnswer::Yes).chooseFile("/tmp/x.txt");
//   setDialogs(&d);
//   ... run the command ...
//   EXPECT_EQ(d.messages().at(0).text, "是否覆盖当前文件内容?");
//   EXPECT_FALSE(d.ranOut());
//
// Boxes with only an OK button are answered Ok without taking a queued answer, so a script
// lists only the answers to questions (Yes/No boxes).
#include "platform/dialogs.h"

#include <QList>
#include <deque>

namespace mf {

struct ShownMessage {
    QString title;
    QString text;
    MsgIcon icon = MsgIcon::None;
    MsgButtons buttons = MsgButtons::Ok;
    MsgAnswer answer = MsgAnswer::Ok;   // what the script answered
    bool scripted = true;               // false: the script had run out (default answer)
};

enum class FileDialogKind { Open, Save };

struct ShownFileDialog {
    FileDialogKind kind = FileDialogKind::Open;
    FileDialogRequest request;
    FileDialogResult result;   // what the script answered
    bool scripted = true;      // false: the script had run out (cancelled)
};

class ScriptedDialogs : public Dialogs {
public:
    ScriptedDialogs() = default;
    // Uninstalls itself when it is still the program's dialogs.
    ~ScriptedDialogs() override;
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

    // Installs these dialogs as the program's (setDialogs(this)).
    ScriptedDialogs& install();

    // Queues the answer to the next Yes/No box.
    ScriptedDialogs& answer(MsgAnswer a);
    // Queues the result of the next file dialog (open or save): the user accepts the path.
    // filterIndex -1 keeps the filter the dialog opened with.
    ScriptedDialogs& chooseFile(const QString& path, int filterIndex = -1);
    // Queues a cancelled file dialog.
    ScriptedDialogs& cancelFile();

    // The answer to a Yes/No box when no answer is queued (No unless set).
    void setDefaultAnswer(MsgAnswer a) { defaultAnswer_ = a; }

    // Everything shown, in order.
    const QList<ShownMessage>& messages() const { return messages_; }
    const QList<ShownFileDialog>& fileDialogs() const { return fileDialogs_; }
    QStringList messageTexts() const;
    // The last box shown; an empty record when none was shown.
    ShownMessage lastMessage() const { return messages_.isEmpty() ? ShownMessage{} : messages_.last(); }

    // True when some box or file dialog found no queued answer.
    bool ranOut() const { return ranOut_; }
    // Queued answers and file results not used yet.
    int pendingAnswers() const { return int(answers_.size()); }
    int pendingFiles() const { return int(files_.size()); }
    // True when every queued answer was used and nothing ran out.
    bool scriptDone() const { return !ranOut_ && answers_.empty() && files_.empty(); }

    // Forgets the records and the queues; the default answer stays.
    void clear();

    MsgAnswer message(const QString& title, const QString& text, MsgIcon icon,
                      MsgButtons buttons = MsgButtons::Ok) override;
    FileDialogResult openFile(const FileDialogRequest& request) override;
    FileDialogResult saveFile(const FileDialogRequest& request) override;

private:
    struct QueuedFile {
        bool accepted = false;
        QString path;
        int filterIndex = -1;
    };
    FileDialogResult nextFile(FileDialogKind kind, const FileDialogRequest& request);

    std::deque<MsgAnswer> answers_;
    std::deque<QueuedFile> files_;
    MsgAnswer defaultAnswer_ = MsgAnswer::No;
    QList<ShownMessage> messages_;
    QList<ShownFileDialog> fileDialogs_;
    bool ranOut_ = false;
};

} // namespace mf
