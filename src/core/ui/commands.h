#pragma once
// The toolbar's commands that act on the current kind's editor.
#include <QString>

class QWidget;

namespace mf {
class TabMain;
namespace commands {

enum class SaveFormat { Text, Xml };

// "SAVETXT" and "SAVEXML" for the editor of CurrentKind: validate, choose the file, write,
// package, report. True when the file was written.
bool SaveText(TabMain* main);
bool SaveXmlFile(TabMain* main);
// The save road for the editor of a kind in one format.
bool saveKind(TabMain* main, int kind, SaveFormat format);
// The save asked for by "保存吗?": the exchange XML when the kind's file ends in .xml,
// the submission text file otherwise. True when the file was written.
bool SaveForClose(TabMain* main, int kind);

// Opens a chosen file (text, package list or XML) into the editor of its kind. The path
// is used as the user chose it. The kind's working attachment list then belongs to the
// loaded file: the list of its package, or the kind's template when it has none.
void OpenSubmissionFile(TabMain* main, const QString& path);
// Checks the file's kind with the user and has the editor of that kind load it. Returns
// the kind loaded; 0 when the file was refused, the kind declined or the load did not
// complete.
int LoadFileIntoForm(TabMain* main, const QString& path);

void showAttachments(QWidget* parent);
void printerSetup(QWidget* parent);
// The PDF file a printout of the kind proposes: the stem of the kind's package text file,
// then "-" and the mine name when it is filled ("采矿权申请登记书-某某铁矿.pdf").
QString proposedPdfName(int kind, const QString& mineName);
void showPrintDialog(QWidget* parent);

} // namespace commands
} // namespace mf
