#include "gridgraph/ui/plot_printer.h"

#include "gridgraph/messages.h"
#include "platform/dialogs.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

namespace mf {

namespace {

class PainterMeasurer : public plot::TextMeasurer {
public:
    explicit PainterMeasurer(const QFont& f, QPaintDevice* d) : fm_(f, d) {}
    QSizeF size(const QString& t) const override { return {fm_.horizontalAdvance(t), fm_.height()}; }

private:
    QFontMetricsF fm_;
};

bool printable(const GridGraphCore& core) {
    return core.RegionCount != 0 && core.RegionCount == core.list.listRows() - 1 &&
           int(core.Regions.size()) == core.RegionCount;
}

} // namespace

bool paintAreaPlot(GridGraphCore& core, QPaintDevice& device) {
    if (!printable(core))
        return false;
    QPainter p;
    if (!p.begin(&device))
        return false;
    const PainterMeasurer m(p.font(), &device);
    plot::Options opt = core.plotOptions;
    // No text on the printed block view.
    plot::Surface s{double(device.width()), double(device.height()), true};
    auto scene = plot::buildScene(core.Regions, core.RegionCount, core.list, opt, s, m, core.surfaceState, core.members);
    if (scene) {
        if (!opt.planView)
            std::erase_if(scene->items, [](const plot::Item& i) { return i.kind == plot::Item::Text; });
        plot::paintScene(p, *scene);
    }
    p.end();
    return true;
}

void PrintAreaPlot(GridGraphCore& core, QPrinter& printer) {
    if (!printable(core))
        return;
    bool printed = false;
    if (printer.outputFormat() == QPrinter::PdfFormat && printer.outputFileName().isEmpty()) {
        FileDialogRequest req;
        req.title = QStringLiteral("PDF 文件");
        req.fileName = QStringLiteral("矿区图.pdf");
        req.filters << QStringLiteral("PDF 文件(*.pdf)");
        const FileDialogResult r = dialogs().saveFile(req);
        if (!r.accepted)
            return;
        printer.setOutputFileName(r.path);
        printed = paintAreaPlot(core, printer);
        printer.setOutputFileName(QString());
    } else {
        printed = paintAreaPlot(core, printer);
    }
    // A document that could not be begun is a failure, not a completed printout.
    if (!printed) {
        dialogs().message(gridmsg::kTitleHint, gridmsg::kPrintFailed, MsgIcon::Exclamation, MsgButtons::Ok);
        return;
    }
    dialogs().message(gridmsg::kTitleInfo, gridmsg::kPrintDone, MsgIcon::Information, MsgButtons::Ok);
}

} // namespace mf
