// The plot view of the coordinate control: its option frames, the drawing surface with
// its pan bars, the zoom choice, the region list and the print button.
#include "gridgraph/ui/grid_graph.h"

#include "gridgraph/messages.h"
#include "gridgraph/ui/plot_printer.h"
#include "platform/dialogs.h"
#include "platform/twips.h"
#include "platform/ui/program_printer.h"
#include "platform/ui/readable_combo.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>

namespace mf {

using namespace gridmsg;

namespace {

QRect tw(int l, int t, int w, int h) { return TwipsRect{Twips(l), Twips(t), Twips(w), Twips(h)}.toPixels(); }

class WidgetMeasurer : public plot::TextMeasurer {
public:
    explicit WidgetMeasurer(const QFont& f) : fm_(f) {}
    QSizeF size(const QString& t) const override { return {fm_.horizontalAdvance(t), fm_.height()}; }

private:
    QFontMetricsF fm_;
};

} // namespace

// ---- PlotSurface ----

PlotSurface::PlotSurface(GridGraphCore& core, QWidget* parent) : QWidget(parent), core_(core) {
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
}

void PlotSurface::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const WidgetMeasurer m(font());
    const auto& scene = core_.drawRegionPlot({double(width()), double(height()), false}, m);
    if (scene)
        plot::paintScene(p, *scene);
}

// ---- GridGraph ----

void GridGraph::buildPlotFrame() {
    picFrame_ = new QWidget(this);
    auto* zframe3 = new QGroupBox(picFrame_);
    zframe3->setGeometry(tw(210, 180, 3705, 585));
    planOpt_ = new QRadioButton(QStringLiteral("水平投影图"), zframe3);
    planOpt_->setGeometry(tw(240, 210, 1395, 315));
    blockOpt_ = new QRadioButton(QStringLiteral("垂直投影图"), zframe3);
    blockOpt_->setGeometry(tw(1980, 210, 1395, 315));
    planOpt_->setChecked(true);
    auto* group = new QButtonGroup(this);
    group->addButton(planOpt_, 0);
    group->addButton(blockOpt_, 1);
    connect(group, &QButtonGroup::idClicked, this, [this](int id) { setBlockView(id == 1); });

    zframe1_ = new QGroupBox(picFrame_);
    zframe1_->setGeometry(tw(4350, 90, 2475, 1215));
    const char* const checks[] = {"绘制矿体标识", "绘制拐点号", "标注区域标高值"};
    for (int i = 0; i < 3; ++i) {
        zchk1_[i] = new QCheckBox(QString::fromUtf8(checks[i]), zframe1_);
        zchk1_[i]->setGeometry(tw(150, 150 + 330 * i, i == 2 ? 1635 : 1485, 315));
        zchk1_[i]->setChecked(true);
        connect(zchk1_[i], &QCheckBox::clicked, this, [this, i] {
            core_.plotOptions.drawIds = zchk1_[0]->isChecked();
            core_.plotOptions.drawPoints = zchk1_[1]->isChecked();
            if (i < 2)
                redrawPlot();
            bglist_->setVisible(zchk1_[2]->isChecked());
        });
    }
    zframe4_ = new QGroupBox(picFrame_);
    zframe4_->setGeometry(tw(4344, 96, 2475, 1215));
    zframe4_->hide();
    zchk2_ = new QCheckBox(QStringLiteral("透明显示"), zframe4_);
    zchk2_->setGeometry(tw(150, 750, 1035, 285));
    zchk2_->setChecked(true);
    connect(zchk2_, &QCheckBox::clicked, this, [this](bool on) {
        core_.plotOptions.transparent = on;
        redrawPlot();
    });
    auto* zlab5 = new QLabel(QStringLiteral("旋转:"), zframe4_);
    zlab5->setGeometry(tw(750, 270, 555, 255));
    auto* rotPic = new QWidget(zframe4_);
    rotPic->setGeometry(tw(1380, 240, 800, 800));
    rotPic->setAutoFillBackground(true);
    QPalette grey = rotPic->palette();
    grey.setColor(QPalette::Window, QColor(224, 224, 224));
    rotPic->setPalette(grey);
    hsZoom_ = new QScrollBar(Qt::Horizontal, rotPic);
    hsZoom_->setGeometry(tw(0, 240, 750, 250));
    hsZoom_->setRange(-20, 20);
    hsZoom_->setTracking(false);
    vsZoom_ = new QScrollBar(Qt::Vertical, rotPic);
    vsZoom_->setGeometry(tw(240, 0, 255, 750));
    vsZoom_->setRange(0, 50);
    vsZoom_->setValue(5);
    vsZoom_->setTracking(false);
    auto* cross = new QWidget(rotPic);
    cross->setGeometry(tw(240, 240, 250, 250));
    cross->setAutoFillBackground(true);
    QPalette white = cross->palette();
    white.setColor(QPalette::Window, Qt::white);
    cross->setPalette(white);
    connect(hsZoom_, &QScrollBar::valueChanged, this, [this](int v) {
        core_.plotOptions.rotation = -v;
        redrawPlot();
    });
    connect(vsZoom_, &QScrollBar::valueChanged, this, [this](int v) {
        core_.plotOptions.tilt = v;
        redrawPlot();
    });

    backPic_ = new QWidget(picFrame_);
    backPic_->setGeometry(tw(180, 840, 3800, 3800));
    backPic_->setAutoFillBackground(true);
    minePic_ = new PlotSurface(core_, backPic_);
    minePic_->setGeometry(QRect(QPoint(0, 0), backPic_->size()));
    mhs_ = new QScrollBar(Qt::Horizontal, picFrame_);
    mhs_->setGeometry(tw(180, 4620, 3795, 280));
    mvs_ = new QScrollBar(Qt::Vertical, picFrame_);
    mvs_->setGeometry(tw(3960, 840, 280, 3795));
    for (QScrollBar* b : {mhs_, mvs_})
        b->setRange(1, 1);
    connect(mhs_, &QScrollBar::valueChanged, this, [this](int v) { minePic_->move(-toPixels(Twips(v)), minePic_->y()); });
    connect(mvs_, &QScrollBar::valueChanged, this, [this](int v) { minePic_->move(minePic_->x(), -toPixels(Twips(v))); });

    bglist_ = new QTableWidget(0, 5, picFrame_);
    bglist_->setGeometry(tw(4350, 1890, 2475, 2595));
    bglist_->setHorizontalHeaderLabels({QString(), QStringLiteral("标 高"), QStringLiteral("面积"), QStringLiteral("颜色"), QString()});
    bglist_->verticalHeader()->hide();
    bglist_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The current cell is tracked, but not highlighted: the colour cell must show its colour.
    bglist_->setSelectionMode(QAbstractItemView::NoSelection);
    const int bw[] = {250, 1000, 650, 450};
    for (int c = 0; c < 4; ++c)
        bglist_->setColumnWidth(c, toPixels(Twips(bw[c])));
    bglist_->setColumnHidden(4, true);
    bglist_->verticalHeader()->setDefaultSectionSize(18);
    bglist_->viewport()->installEventFilter(this);

    auto* zlab7 = new QLabel(QStringLiteral("显示比例:"), picFrame_);
    zlab7->setGeometry(tw(4350, 4560, 1000, 300));
    scaleCom_ = new QComboBox(picFrame_);
    makeComboReadable(scaleCom_);
    scaleCom_->setGeometry(tw(5350, 4530, 1100, 330));
    connect(scaleCom_, qOverload<int>(&QComboBox::activated), this, [this](int) { applyZoom(); });
    printCom_ = new QPushButton(QStringLiteral("打 印"), picFrame_);
    printCom_->setGeometry(tw(4350, 4950, 1100, 360));
    connect(printCom_, &QPushButton::clicked, this, [this] { PrintCom_Click(); });
    coorCom_ = new QPushButton(QStringLiteral("坐 标"), picFrame_);
    coorCom_->setGeometry(tw(5640, 4950, 1100, 360));
    connect(coorCom_, &QPushButton::clicked, this, [this] { core_.COORCOM(); });
}

// ---- plot view ----

void GridGraph::redrawPlot() { minePic_->update(); }

void GridGraph::setBlockView(bool block) {
    blockOpt_->setChecked(block);
    planOpt_->setChecked(!block);
    core_.plotOptions.planView = !block;
    zframe1_->setVisible(!block);
    zframe4_->setVisible(block);
    redrawPlot();
}

void GridGraph::setZoomIndex(int index) {
    scaleCom_->setCurrentIndex(index);
    applyZoom();
}

void GridGraph::applyZoom() {
    core_.plotOptions.scalePercent = zoom::percentOf(scaleCom_->currentText());
    minePic_->hide();
    const int side = toPixels(Twips(int(core_.plotOptions.scalePercent / 100.0 * 3800)));
    minePic_->resize(side, side);
    // The overhang in twips, from the size the picture really got.
    const double d = fromPixels(minePic_->width()).value - fromPixels(backPic_->width()).value;
    for (QScrollBar* bar : {mvs_, mhs_}) {
        const zoom::ScrollBar old{bar->minimum(), bar->maximum(), bar->value(), bar->pageStep(), bar->singleStep()};
        const zoom::ScrollBar n = zoom::zoomScroll(old, d);
        const QSignalBlocker b(bar);
        bar->setRange(1, n.max);
        bar->setValue(n.value);
        bar->setPageStep(n.large);
        bar->setSingleStep(n.small);
    }
    minePic_->move(-toPixels(Twips(mhs_->value())), -toPixels(Twips(mvs_->value())));
    redrawPlot();
    minePic_->show();
}

void GridGraph::fillRegionList() {
    bglist_->setRowCount(core_.list.count());
    for (int i = 0; i < core_.list.count(); ++i) {
        const RegionListRow& row = core_.list.row(i);
        auto item = [](const QString& t) {
            auto* it = new QTableWidgetItem(t);
            it->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            return it;
        };
        bglist_->setItem(i, 0, item(row.ticked ? kTick : QString()));
        bglist_->setItem(i, 1, item(row.elevText));
        bglist_->setItem(i, 2, item(row.areaText));
        auto* colour = item(QString());
        colour->setBackground(row.color);
        bglist_->setItem(i, 3, colour);
        bglist_->setItem(i, 4, item(QString::number(row.index)));
    }
    if (core_.list.count() > 0)
        bglist_->setCurrentCell(core_.list.count() - 1, 3);
}

void GridGraph::BGlist_MouseDown(Qt::MouseButton button, int row, int col) {
    RegionListModel& list = core_.list;
    if (button == Qt::RightButton) {
        if (core_.plotOptions.planView || core_.plotOptions.transparent)
            return;
        if (row >= 0)
            bglist_->setCurrentCell(row, 0);
        col = 0;
        row = bglist_->currentRow();
    } else if (row >= 0 && col >= 0) {
        bglist_->setCurrentCell(row, col);
    }
    if (row < 0 || row >= list.count())
        return;
    if (col == 3) {
        const QColor c = QColorDialog::getColor(list.row(row).color, this);
        if (!c.isValid())
            return;
        list.row(row).color = c;
        const int idx = list.row(row).index;
        if (idx >= 0 && idx < int(core_.Regions.size()))
            core_.Regions[size_t(idx)].Color = c;
        fillRegionList();
        bglist_->setCurrentCell(row, 3);
        redrawPlot();
        return;
    }
    if (col != 0)
        return;
    if (button == Qt::LeftButton) {
        if (row == 0) {
            const bool ticked = list.row(0).ticked;
            if (dialogs().message(kTitleHint, ticked ? kAskUntickAll : kAskTickAll, MsgIcon::Question,
                                  MsgButtons::YesNo) == MsgAnswer::Yes) {
                list.setAllTicked(!ticked);
                fillRegionList();
                bglist_->setCurrentCell(0, 0);
                redrawPlot();
                return;
            }
        }
        list.toggle(row);
        fillRegionList();
        bglist_->setCurrentCell(row, 0);
        redrawPlot();
    } else if (button == Qt::RightButton) {
        if (row == list.count() - 1)
            return;
        list.moveToBottom(row);
        fillRegionList();
        bglist_->setCurrentCell(list.count() - 1, 0);
        redrawPlot();
    }
}

void GridGraph::PrintCom_Click() { PrintAreaPlot(core_, programPrinter()); }

} // namespace mf
