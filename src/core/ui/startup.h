#pragma once
// The start procedure, after the application object and the dialogs exist.
#include <QString>
#include <memory>

namespace mf {
class TabMain;

// Records the program folders, opens the dictionary, resets the per-kind state, counts
// the printers and loads the main window (not shown). Null when the program must end:
// the dictionary could not be opened ("缺少系统运行所必须的数据词典...") or the work area
// could not be created; the message has been shown.
std::unique_ptr<TabMain> Main(const QString& appPath, const QString& dataPath);

// The folder that holds DICT and xmlmb: beside the executable, or the installed share folder.
QString findDataPath(const QString& exeDir);
} // namespace mf
