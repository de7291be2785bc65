#include "printing/print_run.h"

#include "platform/dialogs.h"
#include "platform/print_target.h"
#include "printing/boundary_sketch.h"
#include "printing/coordinate_table.h"
#include "printing/page_walker.h"
#include "printing/printable_form.h"

namespace mf {

PageSelection& PrintPageSelected() {
    static PageSelection selected{};
    return selected;
}

void PrintSelectedPages(PrintTarget& target, PrintableForm& form, const PageSelection& selected) {
    const double minWidth = 1440 / 25.4 * 209, minHeight = 1440 / 25.4 * 296;
    if (target.pageWidth() < minWidth || target.pageHeight() < minHeight) {
        dialogs().message(QStringLiteral("错误"), QStringLiteral("打印机页面设置不正确(应设置为A4[纵向]大小)..."),
                          MsgIcon::Exclamation);
        return;
    }
    const int kind = form.kind();
    const bool area = kind == 1 || kind == 2 || kind == 5;
    const int lastPage = (kind == 3 || kind == 4) ? 2 : 3;
    for (int i = 0; i <= lastPage; ++i) {
        if (!selected[i]) continue;
        BoundarySketch sketch;
        bool withSketch = false;
        if (i == 3 && area) {
            const DesignPage* page = form.design().page(3);
            withSketch = MapPointListToPaper(form.boundary(), page ? page->tag : QString(), sketch);
        }
        PrintContainerPage(target, form, QStringLiteral("picture1"), i, withSketch ? &sketch : nullptr);
    }
    if (area && selected[4]) PrintCoordinateTable(target, form.boundary(), form.mineName(), kind);
    // Done only once the documents are ended and a file is complete; a run that reached no
    // page made no document and no file.
    target.endRun();
    if (target.printedAny())
        dialogs().message(QStringLiteral("提示"), QStringLiteral("输出完毕!"), MsgIcon::Information);
    else
        dialogs().message(QStringLiteral("提示"), QStringLiteral("没有可打印的内容，未输出任何页面。"), MsgIcon::Information);
}

} // namespace mf
