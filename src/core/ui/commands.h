#pragma once
// The toolbar's commands that act on the current kind's editor.
#include <QString>

class QWidget;

namespace mf {
class TabMain;
namespace commands {

// "SAVETXT" and "SAVEXML": validate, choose the file, write, package, report.
// True when the file was written.
bool SaveText();
bool SaveXmlFile();
// The save asked for by "保存吗?": the exchange XML when the kind's file ends in .xml,
// the submission text file otherwise.
bool SaveForClose(int kind);

// Opens a chosen file (text, package or XML) into the editor of its kind.
void OpenSubmissionFile(TabMain* main, const QString& path);

void showAttachments(QWidget* parent);
void printerSetup(QWidget* parent);
void showPrintDialog(QWidget* parent);

} // namespace commands
} // namespace mf
