#pragma once
// Every message box and file dialog of the program goes through this interface, so that
// each command can be driven in tests with scripted answers.
#include <QString>
#include <QStringList>

namespace mf {

enum class MsgIcon { None, Information, Question, Exclamation, Critical };
enum class MsgButtons {
    Ok,
    YesNo,          // 是 is the default; Escape and the close box answer 否
    YesNoDefaultNo, // 否 is the default; Escape and the close box answer 否
    YesNoRequired,  // 是 is the default; only 是 or 否 leaves the box (Escape and the close box do nothing)
};
// True for the boxes that ask a question (是 and 否).
inline bool isQuestion(MsgButtons buttons) { return buttons != MsgButtons::Ok; }
enum class MsgAnswer { Ok, Yes, No };

struct FileDialogRequest {
    QString title;
    QString directory;       // folder the dialog opens in; may be empty
    QString fileName;        // suggested file name; may be empty
    QStringList filters;     // Qt filter strings such as "报盘文本文件(*.txt)"
    int filterIndex = 0;     // filter selected when the dialog opens
};

struct FileDialogResult {
    bool accepted = false;   // false: the user cancelled
    QString path;            // chosen path, as the user chose it
    int filterIndex = 0;     // filter that was selected when the user accepted
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual MsgAnswer message(const QString& title, const QString& text, MsgIcon icon,
                              MsgButtons buttons = MsgButtons::Ok) = 0;
    virtual FileDialogResult openFile(const FileDialogRequest& request) = 0;
    // The save dialog never asks about overwriting; the caller asks itself.
    virtual FileDialogResult saveFile(const FileDialogRequest& request) = 0;

    // Shorthands for the common boxes.
    void error(const QString& text, const QString& title = QStringLiteral("错误")) {
        message(title, text, MsgIcon::Critical, MsgButtons::Ok);
    }
    void info(const QString& text, const QString& title = QStringLiteral("提示")) {
        message(title, text, MsgIcon::Information, MsgButtons::Ok);
    }
    bool askYesNo(const QString& text, const QString& title = QStringLiteral("提示")) {
        return message(title, text, MsgIcon::Question, MsgButtons::YesNo) == MsgAnswer::Yes;
    }
    // A question whose 是 would replace something the user may still want.
    bool askYesNoDefaultNo(const QString& text, const QString& title = QStringLiteral("提示")) {
        return message(title, text, MsgIcon::Question, MsgButtons::YesNoDefaultNo) == MsgAnswer::Yes;
    }
    // A question that decides whether typed work is kept: it has to be answered.
    bool askYesNoRequired(const QString& text, const QString& title = QStringLiteral("提示")) {
        return message(title, text, MsgIcon::Question, MsgButtons::YesNoRequired) == MsgAnswer::Yes;
    }
};

// The dialogs the program uses; set once at start-up (the Qt implementation) or by a test
// (a scripted fake). Until one is set (or after setDialogs(nullptr)) a stand-in logs every
// box, answers questions No and cancels file dialogs.
Dialogs& dialogs();
void setDialogs(Dialogs* d);
// The dialogs set by setDialogs, or nullptr.
Dialogs* installedDialogs();

} // namespace mf
