#pragma once
// Printing the mining-area plot: the plot built for the page (plan view north up and to
// scale, centred on the printable area; block view in the device's pixels) and painted on the device.
#include "gridgraph/grid_graph_core.h"

class QPaintDevice;
class QPrinter;

namespace mf {

// Paints the plot on any paint device (a printer page, a PDF, an image). False when there
// is nothing to print (no regions, or a region list out of step) or the device could not
// be begun.
bool paintAreaPlot(GridGraphCore& core, QPaintDevice& device);

// PrintAreaPlot on a fresh printer set up from the user's choices: one document, then
// "打印完成！". The PDF printer asks for its file name first; a cancel prints nothing. A
// printer that cannot begin the document gives "打印错误，请检查打印机安装是否正确！", a PDF
// file that could not be written completely "无法写入文件：" with the file and the reason,
// instead of the completion message.
void PrintAreaPlot(GridGraphCore& core, const QPrinter& choices);

} // namespace mf
