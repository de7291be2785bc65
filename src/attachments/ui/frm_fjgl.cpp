#include "attachments/ui/frm_fjgl.h"

#include "attachments/attachment_list.h"
#include "attachments/submission_save.h"
#include "attachments/ui/frm_browse_fj.h"
#include "core/app_state.h"
#include "platform/dialogs.h"
#include "platform/twips.h"
#include "platform/vb.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <cmath>
#include <optional>

namespace mf {

namespace {

const QColor kFilledShade(204, 204, 255);
const QColor kChosenShade(234, 234, 255);
const QString kTitleHint =
    QStringLiteral("可修改报件名称。修改完成后，点击回车键（Enter）确定！或按取消键（Esc）取消！");

int px(int twips) { return twips / kTwipsPerPixel; }

// The width the columns share, in twips: the grid without its frame and vertical scroll bar.
int innerWidthTw(const QTableWidget* g) {
    const int bar = g->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, g);
    return (g->width() - 2 * g->frameWidth() - bar) * kTwipsPerPixel;
}
int roundEven(double x) { return int(std::nearbyint(x)); }

QTableWidget* makeGrid(QWidget* parent, const QStringList& headings) {
    auto* g = new QTableWidget(0, int(headings.size()), parent);
    g->setHorizontalHeaderLabels(headings);
    g->verticalHeader()->hide();
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    g->setSelectionBehavior(QAbstractItemView::SelectItems);
    g->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    g->horizontalHeader()->setHighlightSections(false);
    // Rows as high as their (wrapped) text, so every material shows and the list scrolls.
    g->setWordWrap(true);
    g->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    g->horizontalHeader()->setFixedHeight(roundEven(g->horizontalHeader()->sizeHint().height() * 1.2));
    return g;
}

void setCell(QTableWidget* g, int row, int col, const QString& text, bool centred = false) {
    QTableWidgetItem* it = g->item(row, col);
    if (!it) {
        it = new QTableWidgetItem;
        g->setItem(row, col, it);
    }
    it->setText(text);
    if (centred) it->setTextAlignment(Qt::AlignCenter);
}

QString cell(const QTableWidget* g, int row, int col) {
    const QTableWidgetItem* it = g->item(row, col);
    return it ? it->text() : QString();
}

} // namespace

FrmFjgl::FrmFjgl(FormAccess* form, QWidget* parent) : QDialog(parent), form_(form) {
    setWindowTitle(QStringLiteral("申报材料管理"));
    setObjectName(QStringLiteral("FrmFjgl"));
    setModal(true);

    auto* frame2 = new QGroupBox(QStringLiteral("申报材料列表："), this);
    MSFlexGrid1 = makeGrid(frame2, {QStringLiteral("序号"), QStringLiteral("材料名称"), QStringLiteral("报件数"),
                                    QStringLiteral("ID")});
    MSFlexGrid1->setObjectName(QStringLiteral("MSFlexGrid1"));
    (new QVBoxLayout(frame2))->addWidget(MSFlexGrid1);

    auto* frame3 = new QGroupBox(QStringLiteral("电子报件列表："), this);
    MSFlexGrid2 = makeGrid(frame3, {QStringLiteral("序号"), QStringLiteral("报件名称"), QStringLiteral("报件名称"),
                                    QStringLiteral("报件路径"), QString()});
    MSFlexGrid2->setObjectName(QStringLiteral("MSFlexGrid2"));
    (new QVBoxLayout(frame3))->addWidget(MSFlexGrid2);

    auto* frame1 = new QGroupBox(QStringLiteral("说明："), this);
    tips = new QPlainTextEdit(frame1);
    tips->setObjectName(QStringLiteral("tips"));
    tips->setReadOnly(true);
    tips->setFixedHeight(100);
    (new QVBoxLayout(frame1))->addWidget(tips);

    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->hide();
    Text1->installEventFilter(this);
    fileUrl = new QLineEdit(this);
    fileUrl->setObjectName(QStringLiteral("fileUrl"));
    fileUrl->setReadOnly(true);
    fileUrl->hide();
    fileUrl->installEventFilter(this);

    auto* buttons = new QHBoxLayout;
    auto button = [this, buttons](const QString& caption, const char* name, int width = 86) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setMinimumSize(width, 32);
        b->setAutoDefault(false);
        buttons->addWidget(b);
        return b;
    };
    chooseBut = button(QStringLiteral("..."), "chooseBut", 40);
    addBut = button(QStringLiteral("增加文件"), "addBut");
    delBut = button(QStringLiteral("删除文件"), "delBut");
    CmdRemoveFJ = button(QStringLiteral("清除附件"), "CmdRemoveFJ");
    buttons->addSpacing(16);
    browseBut = button(QStringLiteral("打印清单"), "browseBut");
    CmdSave = button(QStringLiteral("保存"), "CmdSave");
    CmdSaveToZip = button(QStringLiteral("打包"), "CmdSaveToZip");
    buttons->addStretch(1);
    colseBut = button(QStringLiteral("关闭"), "colseBut");

    auto* grids = new QHBoxLayout;
    grids->addWidget(frame2, 360);
    grids->addWidget(frame3, 436);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grids, 1);
    layout->addWidget(frame1);
    layout->addLayout(buttons);

    // Resizable, at the designed size where the screen has room for it.
    setMinimumSize(640, 420);
    QSize size(820, 560);
    if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() - QSize(40, 60));
    resize(size.expandedTo(minimumSize()));
    // Laid out now, so the columns get their widths before the window is first shown.
    layout->activate();
    for (QGroupBox* f : {frame1, frame2, frame3}) f->layout()->activate();

    // The in-place editors lie over a cell; moving the cells away ends the editing.
    for (QTableWidget* g : {MSFlexGrid1, MSFlexGrid2}) {
        connect(g->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { hideCellEditors(); });
        connect(g->horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { hideCellEditors(); });
    }
    connect(MSFlexGrid2, &QTableWidget::itemSelectionChanged, this, [this] { updateChooseButton(); });

    connect(MSFlexGrid1, &QTableWidget::cellClicked, this, [this] { MSFlexGrid1_Click(); });
    connect(MSFlexGrid2, &QTableWidget::cellClicked, this, [this] { MSFlexGrid2_Click(); });
    connect(MSFlexGrid2, &QTableWidget::cellDoubleClicked, this, [this] { MSFlexGrid2_DblClick(); });
    MSFlexGrid2->installEventFilter(this);
    connect(chooseBut, &QPushButton::clicked, this, [this] { chooseBut_Click(); });
    connect(addBut, &QPushButton::clicked, this, [this] { addBut_Click(); });
    connect(delBut, &QPushButton::clicked, this, [this] { delBut_Click(); });
    connect(CmdRemoveFJ, &QPushButton::clicked, this, [this] { CmdRemoveFJ_Click(); });
    connect(browseBut, &QPushButton::clicked, this, [this] { browseBut_Click(); });
    connect(CmdSave, &QPushButton::clicked, this, [this] { CmdSave_Click(); });
    connect(CmdSaveToZip, &QPushButton::clicked, this, [this] { CmdSaveToZip_Click(); });
    connect(colseBut, &QPushButton::clicked, this, &QDialog::close);

    Form_Load();
}

int FrmFjgl::materialRows() const { return MSFlexGrid1->rowCount() + 1; }
int FrmFjgl::documentRows() const { return MSFlexGrid2->rowCount() + 1; }

QString FrmFjgl::materialCell(int row, int col) const {
    if (row == 0) return MSFlexGrid1->horizontalHeaderItem(col)->text();
    return cell(MSFlexGrid1, row - 1, col);
}

QString FrmFjgl::documentCell(int row, int col) const {
    if (row == 0) return MSFlexGrid2->horizontalHeaderItem(col)->text();
    return cell(MSFlexGrid2, row - 1, col);
}

QColor FrmFjgl::materialBackground(int row, int col) const {
    const QTableWidgetItem* it = MSFlexGrid1->item(row - 1, col);
    if (!it || it->background().style() == Qt::NoBrush) return MSFlexGrid1->palette().color(QPalette::Base);
    return it->background().color();
}

int FrmFjgl::documentColumnWidthTw(int col) const {
    return MSFlexGrid2->isColumnHidden(col) ? 0 : MSFlexGrid2->columnWidth(col) * kTwipsPerPixel;
}

void FrmFjgl::selectMaterial(int row) {
    if (row < 1 || row >= materialRows()) return;
    MSFlexGrid1->setCurrentCell(row - 1, 1);
    MSFlexGrid1_Click();
}

void FrmFjgl::selectDocument(int row, int col) {
    if (row < 1 || row >= documentRows()) return;
    MSFlexGrid2->setCurrentCell(row - 1, col);
}

int FrmFjgl::currentMaterialRow() const {
    const int r = MSFlexGrid1->currentRow();
    return r < 0 ? 0 : r + 1;
}

int FrmFjgl::currentDocumentRow() const {
    const int r = MSFlexGrid2->currentRow();
    return r < 0 ? 0 : r + 1;
}

QString FrmFjgl::selectedFjid() const {
    const int r = currentMaterialRow();
    return r ? materialCell(r, 3) : QString();
}

void FrmFjgl::layoutColumns() {
    const int gridTw = innerWidthTw(MSFlexGrid1);
    MSFlexGrid1->setColumnWidth(0, px(500));
    MSFlexGrid1->setColumnWidth(1, px(gridTw - 1300));
    MSFlexGrid1->setColumnWidth(2, px(800));
    MSFlexGrid1->setColumnHidden(3, true);
    MSFlexGrid2->setColumnWidth(0, px(500));
    MSFlexGrid2->setColumnHidden(1, true);
    MSFlexGrid2->setColumnWidth(4, px(450));
    applyWidthRule();
}

void FrmFjgl::resizeEvent(QResizeEvent* e) {
    QDialog::resizeEvent(e);
    hideCellEditors();
    layoutColumns();
}

void FrmFjgl::hideCellEditors() {
    Text1->hide();
    fileUrl->hide();
}

void FrmFjgl::updateChooseButton() {
    // "..." chooses the file of the selected document; without one it is disabled and
    // says why.
    const bool selected = currentDocumentRow() > 0 && !MSFlexGrid2->selectedItems().isEmpty();
    chooseBut->setEnabled(selected);
    chooseBut->setToolTip(selected ? QStringLiteral("为选中的电子报件选择文件")
                                   : QStringLiteral("请先在电子报件列表中选择一个报件"));
}

void FrmFjgl::Form_Load() {
    layoutColumns();
    loadMaterialGrid();
    if (materialRows() > 1) {
        MSFlexGrid1->setCurrentCell(0, 1);
        MSFlexGrid1->setRangeSelected(QTableWidgetSelectionRange(0, 1, 0, 2), true);
        MSFlexGrid1_Click();
    } else {
        updateChooseButton();
        addBut->setEnabled(false);
        delBut->setEnabled(false);
    }
}

void FrmFjgl::loadMaterialGrid() {
    QList<AttachmentMaterial> materials;
    if (!loadMaterials(&materials)) return;
    MSFlexGrid1->setRowCount(int(materials.size()));
    for (int i = 0; i < materials.size(); ++i) {
        const AttachmentMaterial& m = materials[i];
        setCell(MSFlexGrid1, i, 0, m.fjxh, true);
        setCell(MSFlexGrid1, i, 1, m.fjmc);
        setCell(MSFlexGrid1, i, 2, m.dzjs, true);
        setCell(MSFlexGrid1, i, 3, m.fjid);
    }
    // ShadeFilledMaterialRows: the materials that have documents.
    for (int r = 1; r < materialRows(); ++r)
        if (vb::val(materialCell(r, 2)) > 0) setMaterialShade(r, kFilledShade, 3);
}

void FrmFjgl::setMaterialShade(int row, const QColor& color, int lastCol) {
    for (int c = 1; c <= lastCol; ++c) {
        if (!MSFlexGrid1->item(row - 1, c)) setCell(MSFlexGrid1, row - 1, c, QString());
        MSFlexGrid1->item(row - 1, c)->setBackground(color.isValid() ? QBrush(color) : QBrush());
    }
}

void FrmFjgl::applyWidthRule() {
    const int docTw = innerWidthTw(MSFlexGrid2);
    const int w = roundEven((docTw - (documentRows() > 20 ? 1200 : 950)) / 2.0);
    MSFlexGrid2->setColumnWidth(2, px(w));
    MSFlexGrid2->setColumnWidth(3, px(w));
}

void FrmFjgl::setDocumentCell(int row, int col, const QString& text) {
    setCell(MSFlexGrid2, row - 1, col, text, col == 0 || col == 4);
}

void FrmFjgl::MSFlexGrid1_Click() {
    hideCellEditors();
    MSFlexGrid2->setRowCount(0);
    fileUrl->clear();
    tips->clear();
    const QString fjid = selectedFjid();
    QList<AttachmentFile> files;
    if (loadFileEntries(fjid, &files)) {
        MSFlexGrid2->setRowCount(int(files.size()));
        for (int j = 0; j < files.size(); ++j) {
            setDocumentCell(j + 1, 0, files[j].fileXh);
            setDocumentCell(j + 1, 1, files[j].fileName);
            setDocumentCell(j + 1, 2, files[j].fileTitle);
            setDocumentCell(j + 1, 3, files[j].fileUrl);
            setDocumentCell(j + 1, 4, QStringLiteral("..."));
        }
    }
    QString description;
    if (ShowAttachmentDescription(fjid, &description)) tips->setPlainText(description);
    if (documentRows() > 1) MSFlexGrid2->setCurrentCell(0, 0);
    MSFlexGrid2_Click();
    const bool other = materialCell(currentMaterialRow(), 1) == kOtherMaterial;
    addBut->setEnabled(other);
    delBut->setEnabled(other);
    applyWidthRule();
    updateChooseButton();
}

void FrmFjgl::MSFlexGrid2_Click() {
    const int r = currentDocumentRow();
    if (!r) return;
    QString url;
    if (GetFileUrlByXh(selectedFjid(), documentCell(r, 0), &url)) fileUrl->setText(url);
    if (MSFlexGrid2->currentColumn() == 4) {
        MSFlexGrid2->setCurrentCell(r - 1, 0);
        chooseBut_Click();
    }
}

void FrmFjgl::MSFlexGrid2_DblClick() {
    const int r = currentDocumentRow();
    if (!r) return;
    auto place = [this, r](QWidget* w, int col) {
        const QRect cellRect = MSFlexGrid2->visualRect(MSFlexGrid2->model()->index(r - 1, col));
        const QPoint topLeft = MSFlexGrid2->viewport()->mapTo(this, cellRect.topLeft());
        w->setGeometry(QRect(topLeft, cellRect.size() - QSize(1, 1)));
        w->raise();
    };
    place(Text1, 2);
    place(fileUrl, 3);
    Text1->setText(documentCell(r, 2));
    const int col = MSFlexGrid2->currentColumn();
    if (col == 2) {
        Text1->show();
        Text1->setFocus();
        fileUrl->hide();
        tips->setPlainText(kTitleHint);
    } else if (col == 3) {
        Text1->hide();
        fileUrl->show();
        fileUrl->setFocus();
    }
}

void FrmFjgl::Text1_KeyPress(int key) {
    if (key == 27) {
        Text1->hide();
        MSFlexGrid2->setFocus();
    } else if (key == 13) {
        const int r = currentDocumentRow();
        if (!r) return;
        setDocumentCell(r, 2, Text1->text());
        Text1->hide();
        MSFlexGrid2->setFocus();
        SetFileTitle(selectedFjid(), documentCell(r, 0), Text1->text());
    }
}

bool FrmFjgl::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Text1 || watched == fileUrl) {
        if (event->type() == QEvent::FocusOut) {
            // An uncommitted title is dropped.
            static_cast<QWidget*>(watched)->hide();
            return false;
        }
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (watched == fileUrl) return key != Qt::Key_Tab;
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                Text1_KeyPress(13);
                return true;
            }
            if (key == Qt::Key_Escape) {
                Text1_KeyPress(27);
                return true;
            }
        }
    } else if (watched == MSFlexGrid2 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            MSFlexGrid2_DblClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FrmFjgl::updateMaterialCount(bool shadeWhenFilled) {
    const int m = currentMaterialRow();
    if (!m) return;
    const int count = RecountElectronicFiles(selectedFjid());
    setCell(MSFlexGrid1, m - 1, 2, QString::number(count), true);
    if (shadeWhenFilled && vb::val(materialCell(m, 2)) > 0) {
        setMaterialShade(m, kChosenShade, 3);
        MSFlexGrid1->setRangeSelected(QTableWidgetSelectionRange(m - 1, 1, m - 1, 3), true);
    } else if (!shadeWhenFilled && materialCell(m, 2) == QLatin1String("0")) {
        setMaterialShade(m, QColor(), 2);
        MSFlexGrid1->setRangeSelected(QTableWidgetSelectionRange(m - 1, 1, m - 1, 3), true);
    }
}

void FrmFjgl::chooseBut_Click() {
    const int r = currentDocumentRow();
    if (!r || MSFlexGrid2->selectedItems().isEmpty()) return;
    FileDialogRequest req;
    req.title = QStringLiteral("打开");
    req.filters = {QStringLiteral("申报材料(*.doc,*.tiff,*.jpeg) (*.doc *.tif *.tiff *.jpg *.jpeg *.DOC *.TIF *.TIFF *.JPG *.JPEG)"),
                   QStringLiteral("所有文件(*.*) (*)")};
    const FileDialogResult chosen = dialogs().openFile(req);
    if (!chosen.accepted || chosen.path.isEmpty()) return;
    // A document the working list could not take is not shown as attached.
    if (!SetFileUrl(selectedFjid(), documentCell(r, 0), chosen.path)) return;
    fileUrl->setText(chosen.path);
    setDocumentCell(r, 3, chosen.path);
    updateMaterialCount(true);
}

void FrmFjgl::CmdRemoveFJ_Click() {
    const int r = currentDocumentRow();
    if (!r) return;
    if (!dialogs().askYesNo(QStringLiteral("是否清除附件？"))) return;
    setDocumentCell(r, 3, QString());
    SetFileUrl(selectedFjid(), documentCell(r, 0), QString());
    updateMaterialCount(false);
}

void FrmFjgl::addBut_Click() {
    if (!currentMaterialRow()) return;
    MSFlexGrid2->setRowCount(MSFlexGrid2->rowCount() + 1);
    const int n = documentRows() - 1;
    const QString number = QString::number(n);
    const QString name = kAddedDocumentName + number;
    setDocumentCell(n, 0, number);
    setDocumentCell(n, 1, name);
    setDocumentCell(n, 2, name);
    setDocumentCell(n, 3, QString());
    setDocumentCell(n, 4, QStringLiteral("..."));
    AppendFileEntry(selectedFjid(), number, documentCell(n, 1), documentCell(n, 2));
    // The new row is the selected document, so "..." and "清除附件" act on it.
    selectDocument(n, 0);
    MSFlexGrid2_Click();
    applyWidthRule();
    updateChooseButton();
}

void FrmFjgl::delBut_Click() {
    const int r = currentDocumentRow();
    if (!r || !currentMaterialRow()) return;
    const QString fjid = selectedFjid();
    if (dialogs().askYesNo(QStringLiteral("是否确定删除？删除后无法恢复！"))) {
        const QString number = documentCell(r, 0);
        if (documentRows() > 2) {
            MSFlexGrid2->removeRow(r - 1);
            for (int row = r; row < documentRows(); ++row) {
                const std::optional<qint32> v = vb::toInt32(vb::val(documentCell(row, 0)) - 1);
                const QString renumbered = v ? QString::number(*v) : documentCell(row, 0);
                setDocumentCell(row, 0, renumbered);
                setDocumentCell(row, 1, kAddedDocumentName + renumbered);
                setDocumentCell(row, 2, kAddedDocumentName + renumbered);
            }
        } else {
            MSFlexGrid2->setRowCount(0);
        }
        RemoveFileEntry(fjid, number);
    }
    applyWidthRule();
    updateChooseButton();
    // The current row's path is written back, also after No.
    const int cur = currentDocumentRow();
    SetFileUrl(fjid, documentCell(cur, 0), documentCell(cur, 3));
    updateMaterialCount(false);
}

void FrmFjgl::browseBut_Click() {
    frmBrowseFJ view(form_, this);
    view.exec();
}

void FrmFjgl::CmdSave_Click() { SaveSubmission(form_, 0); }

void FrmFjgl::CmdSaveToZip_Click() { PackSubmission(form_); }

} // namespace mf
