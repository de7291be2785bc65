#pragma once
// The start procedure, after the application object exists.
#include "platform/picture_part.h"

#include <QString>
#include <QStringList>
#include <future>
#include <memory>

namespace mf {
class TabMain;

// The start procedure in two steps. The constructor records the program folders and starts
// what needs no window on worker threads: opening the dictionary and decoding the main
// window's background picture, so that they run while the caller sets up translations,
// fonts and dialogs. finish() (once the dialogs exist) waits for the dictionary, resets the
// per-kind state, counts the printers and loads the main window (not shown). Null when the
// program must end: the dictionary could not be opened ("缺少系统运行所必须的数据词典..." with
// the file and the reason below it) or the work area could not be created; the message has
// been shown. Fields of the dictionary and of the forms that differ are named on standard
// error, one "词典：" line per kind and sort.
class Startup {
public:
    Startup(const QString& appPath, const QString& dataPath);
    Startup(const Startup&) = delete;
    Startup& operator=(const Startup&) = delete;
    std::unique_ptr<TabMain> finish();

private:
    std::future<bool> dictionary_;
    QString reason_;
    QString dictionaryFile_;
    QStringList fieldMismatches_;   // "词典：" lines: fields of the dictionary and the forms that differ
    PictureDecoding background_;
};

// Both steps at once.
std::unique_ptr<TabMain> Main(const QString& appPath, const QString& dataPath);

// The folder that holds DICT and xmlmb: beside the executable, or the installed share folder.
QString findDataPath(const QString& exeDir);
} // namespace mf
