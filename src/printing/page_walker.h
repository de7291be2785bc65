#pragma once
// Prints one page of an editor form as an enlarged replica, following the print
// directives of its controls, and ends it as a print job of its own.
#include <QString>

namespace mf {

class PrintTarget;
class PrintableForm;
struct BoundarySketch;
struct DesignControl;

// Prints the controls lying directly on page pageIndex of the container array containerName
// ("picture1", any letter case): pass 1 the text-bearing controls with a Tag that are visible
// on their page or carry "[V]", pass 2 every line and shape; then the sketch when one is
// given; then ends the document. Without a printer ("未安装打印机！") nothing is printed.
void PrintContainerPage(PrintTarget& target, PrintableForm& form, const QString& containerName, int pageIndex,
                        BoundarySketch* sketch);

} // namespace mf
