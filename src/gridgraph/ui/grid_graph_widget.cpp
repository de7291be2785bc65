#include "gridgraph/ui/grid_graph_widget.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace mf {

SimpleGridGraph::SimpleGridGraph(QWidget* parent) : GridGraphWidget(parent) {
    auto* lay = new QVBoxLayout(this);
    lay->setContentsMargins(0, 0, 0, 0);
    view_ = new QPlainTextEdit(this);
    view_->setReadOnly(true);
    lay->addWidget(view_);
}

void SimpleGridGraph::setZB_String(const QString& s) { zb_ = s.contains(QLatin1Char(',')) ? s : QString(); }

void SimpleGridGraph::init_grid_graph() {
    // One field per line, so the stored corner points can at least be read.
    view_->setPlainText(QString(zb_).replace(QLatin1Char(','), QLatin1Char('\n')));
}

} // namespace mf
