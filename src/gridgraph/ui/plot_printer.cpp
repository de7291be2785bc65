#include "gridgraph/ui/plot_printer.h"

#include "gridgraph/messages.h"
#include "platform/dialogs.h"
#include "platform/pdf_file.h"
#include "platform/ui/program_printer.h"

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
    return p.end();
}

void PrintAreaPlot(GridGraphCore& core, const QPrinter& choices) {
    if (!printable(core))
        return;
    // A printer of this run's own: a failed file leaves nothing behind for the next run.
    const std::unique_ptr<QPrinter> printer = runPrinter(choices);
    std::unique_ptr<PdfFile> file;
    if (printer->outputFormat() == QPrinter::PdfFormat) {
        const QString path = askPdfPath(QStringLiteral("矿区图.pdf"));
        if (path.isEmpty())
            return;
        file = std::make_unique<PdfFile>(path);
        if (!file->open()) {
            dialogs().error(file->message());
            return;
        }
        printer->setOutputFileName(file->temporaryPath());
    }
    // A document that could not be begun is a failure, not a completed printout.
    if (!paintAreaPlot(core, *printer)) {
        dialogs().message(gridmsg::kTitleHint, gridmsg::kPrintFailed, MsgIcon::Exclamation, MsgButtons::Ok);
        return;
    }
    if (file && !file->commit()) {
        dialogs().error(file->message());
        return;
    }
    dialogs().message(gridmsg::kTitleInfo, gridmsg::kPrintDone, MsgIcon::Information, MsgButtons::Ok);
}

} // namespace mf
