#include "gridgraph/ui/grid_graph.h"

#include "gridgraph/block_ops.h"
#include "gridgraph/cell_edit.h"
#include "gridgraph/messages.h"
#include "gridgraph/ui/coord_table.h"
#include "platform/dialogs.h"
#include "platform/twips.h"
#include "platform/vb.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCursor>
#include <QGroupBox>
#include <QHeaderView>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QStackedLayout>
#include <QTableWidget>
#include <QVBoxLayout>

namespace mf {

using namespace gridmsg;

namespace {

// Grids above this many rows show the wait cursor while their regions are built.
constexpr int kWaitCursorRows = 3000;

// The wait cursor while rows move.
struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

} // namespace

// ---- DegreeMaskEdit ----

DegreeMaskEdit::DegreeMaskEdit(QWidget* parent) : QLineEdit(parent) { setColumn(2); }

void DegreeMaskEdit::setColumn(int col) {
    setInputMask(col == 2 ? QStringLiteral("000°00′00.00″; ") : QStringLiteral("00°00′00.00″; "));
}

void DegreeMaskEdit::fieldKey(QChar key) {
    ++separators_;
    if (const auto j = celledit::maskFieldJump(displayText(), cursorPosition(), key)) {
        setText(j->first);
        setCursorPosition(j->second);
    }
}

void DegreeMaskEdit::keyPressEvent(QKeyEvent* e) {
    if (e->text().size() == 1 && celledit::isFieldKey(e->text().at(0))) {
        fieldKey(e->text().at(0));
        return;
    }
    QLineEdit::keyPressEvent(e);
}

// A Chinese input method hands "。", "．" or the ideographic space over as committed text.
void DegreeMaskEdit::inputMethodEvent(QInputMethodEvent* e) {
    const QString s = e->commitString();
    if (e->preeditString().isEmpty() && s.size() == 1 && celledit::isFieldKey(s.at(0))) {
        fieldKey(s.at(0));
        e->accept();
        return;
    }
    QLineEdit::inputMethodEvent(e);
}

// ---- GridGraph ----

GridGraph::~GridGraph() {
    // QWidget deletes its children only after the members of this class are gone; the
    // table and the plot would then ask the destroyed grid for their texts.
    destroying_ = true;
    while (!children().isEmpty()) delete children().constFirst();
}

GridGraph::GridGraph(QWidget* parent) : GridGraphWidget(parent) {
    stack_ = new QStackedLayout(this);
    stack_->setContentsMargins(toPixels(Twips(90)), toPixels(Twips(90)), 0, 0);
    buildTableFrame();
    buildPlotFrame();
    stack_->addWidget(txtFrame_);
    stack_->addWidget(picFrame_);
    stack_->setCurrentWidget(txtFrame_);
    wireCore();
}

void GridGraph::buildTableFrame() {
    txtFrame_ = new QGroupBox(QStringLiteral(" 坐 标 "), this);
    auto* lay = new QVBoxLayout(txtFrame_);
    lay->setContentsMargins(4, 4, 4, 4);
    view_ = new CoordTableView(txtFrame_);
    model_ = new CoordGridModel(core_.grid(), view_);
    view_->setModel(model_);
    lay->addWidget(view_);
    view_->verticalHeader()->setFixedWidth(toPixels(Twips(580)));
    // Column 0's header "序号" sits in the corner above the row numbers.
    view_->setCornerButtonEnabled(false);
    auto* corner = new QLabel(kHeadNo, view_);
    corner->setAlignment(Qt::AlignCenter);
    corner->setGeometry(view_->frameWidth(), view_->frameWidth(), toPixels(Twips(580)), 20);
    const int widths[] = {800, 1400, 1400, 1600, 650};
    for (int c = 0; c < 5; ++c)
        view_->setColumnWidth(c, toPixels(Twips(widths[c])));

    txtEdit_ = new QLineEdit(view_->viewport());
    txtEdit_->hide();
    maskEdit_ = new DegreeMaskEdit(view_->viewport());
    maskEdit_->setFrame(false);
    maskEdit_->hide();
    active_ = txtEdit_;
    for (QLineEdit* ed : {txtEdit_, static_cast<QLineEdit*>(maskEdit_)})
        ed->installEventFilter(this);

    view_->onKey = [this](QKeyEvent* e) { return Area_Flex_KeyDown(e->key(), e->modifiers()); };
    view_->onText = [this](const QString& t) { openEditorWithKey(t); };
    view_->onDoubleClick = [this] { Area_Flex_DblClick(); };
    // The grid's focus handler commits; after Tab or Enter in the editor it also moves on.
    view_->onFocusIn = [this] { commitEditor(advanceOnCommit_); };
    view_->onRightClick = [this] {
        syncSelectionFromView();
        const MenuState s = menuState();
        QMenu menu(QStringLiteral("菜单"), this);
        const QString captions[] = {QStringLiteral("剪切(&T)"), QStringLiteral("复制(&C)"), QStringLiteral("粘贴(&P)"),
                                    QString(), QStringLiteral("删除(&D)")};
        const bool enabled[] = {s.cut, s.copy, s.paste, true, s.del};
        for (int i = 0; i < 5; ++i) {
            if (i == 3) {
                menu.addSeparator();
                continue;
            }
            QAction* a = menu.addAction(captions[i]);
            a->setEnabled(enabled[i]);
            connect(a, &QAction::triggered, this, [this, i] { runMenuItem(i); });
        }
        menu.exec(QCursor::pos());
    };
    // A scroll hides the editor without committing it.
    auto hide = [this] {
        if (editorVisible()) {
            active_->hide();
            view_->setFocus();
        }
    };
    connect(view_->verticalScrollBar(), &QScrollBar::valueChanged, this, hide);
    connect(view_->horizontalScrollBar(), &QScrollBar::valueChanged, this, hide);
    connect(view_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { syncSelectionFromView(); });
    connect(view_->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] { syncSelectionFromView(); });
    connect(model_, &QAbstractItemModel::modelReset, this, [this] {
        // The model was rebuilt: its selection model is the same, connections stay.
        syncViewFromGrid();
    });
}

void GridGraph::wireCore() {
    auto& h = core_.hooks();
    h.ZBChanged = [this] { emit ZBChanged(); };
    h.EnableStatus = [this](bool f) { emit EnableStatus(f); };
    h.SetZBType = [this](int& t) { emit SetZBType(t); };
    h.FrameZB = [this] { emit FrameZB(); };
    h.commitEditor = [this] { commitEditor(false); };
    h.gridReset = [this] { refreshGrid(); };
    h.showPlot = [this](bool on) { stack_->setCurrentWidget(on ? picFrame_ : static_cast<QWidget*>(txtFrame_)); };
    h.resetView = [this] {
        const QSignalBlocker b1(hsZoom_), b2(vsZoom_);
        hsZoom_->setValue(0);
        vsZoom_->setValue(5);
        zframe4_->move(zframe4_->x(), zframe1_->y());
    };
    h.listRebuilt = [this] { fillRegionList(); };
    h.redraw = [this] { redrawPlot(); };
    // Regions of a few thousand corner points take a noticeable moment to build and test.
    h.busy = [this](bool on) {
        if (core_.grid().rows() <= kWaitCursorRows)
            return;
        if (on)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    };
    h.initControls = [this] {
        {
            const QSignalBlocker b(scaleCom_);
            scaleCom_->clear();
            scaleCom_->addItems(zoom::zoomItems());
            scaleCom_->setCurrentIndex(0);
        }
        bglist_->setRowCount(0);
        txtEdit_->hide();
        maskEdit_->hide();
        active_ = txtEdit_;
        applyZoom();
        core_.grid().setCurrent(1, 1);
    };
}

bool GridGraph::plotShown() const { return stack_->currentWidget() == picFrame_; }

void GridGraph::Flex_Enabled(bool on) { view_->setEnabled(on); }

void GridGraph::refreshGrid() {
    syncing_ = true;
    model_->refresh();
    syncing_ = false;
    syncViewFromGrid();
}

void GridGraph::syncSelectionFromView() {
    if (syncing_)
        return;
    CoordGrid& g = core_.grid();
    const QModelIndex cur = view_->currentIndex();
    if (!cur.isValid())
        return;
    const int rs = cur.row() + 1, cs = cur.column() + 1;
    int r = rs, c = cs;
    const QItemSelection sel = view_->selectionModel()->selection();
    if (!sel.isEmpty()) {
        const QItemSelectionRange& range = sel.first();
        r = range.top() + 1 == rs ? range.bottom() + 1 : range.top() + 1;
        c = range.left() + 1 == cs ? range.right() + 1 : range.left() + 1;
        if (!range.contains(cur)) {
            r = rs;
            c = cs;
        }
    }
    g.select(r, c, rs, cs);
    g.clampSelection();
}

void GridGraph::syncViewFromGrid() {
    CoordGrid& g = core_.grid();
    g.clampSelection();
    syncing_ = true;
    const QModelIndex anchor = model_->index(g.row_ - 1, g.col_ - 1);
    const QModelIndex moving = model_->index(g.rowSel_ - 1, g.colSel_ - 1);
    view_->selectionModel()->setCurrentIndex(moving, QItemSelectionModel::NoUpdate);
    view_->selectionModel()->select(QItemSelection(anchor, moving), QItemSelectionModel::ClearAndSelect);
    syncing_ = false;
}

bool GridGraph::editorVisible() const { return active_ && !active_->isHidden(); }

void GridGraph::placeEditor(QLineEdit* ed, int r, int c) {
    const QRect cell = view_->visualRect(model_->index(r - 1, c - 1));
    ed->setGeometry(cell);
}

void GridGraph::Area_Flex_DblClick() { openEditorWithKey(QString()); }

void GridGraph::openEditorWithKey(const QString& key) {
    syncSelectionFromView();
    advanceOnCommit_ = false;
    CoordGrid& g = core_.grid();
    const int r = g.row_, c = g.col_;
    if (!celledit::isEditable(g, r, c))
        return;
    // SET_EDIT_CONTROL: the mask for a geographic point cell; when the cell's content is to
    // be edited, only if the mask can show it. A typed character starts afresh in the mask.
    const bool geo = celledit::isGeoPointCell(g, r, c, core_.CoordType);
    const bool loadsCell = key.isEmpty() || key == QLatin1String("\r");
    std::optional<QString> masked = geo ? celledit::CellToMaskText(g.cell(r, c), c) : std::nullopt;
    if (geo && (masked || !loadsCell)) {
        maskEdit_->setColumn(c);
        active_ = maskEdit_;
    } else {
        active_ = txtEdit_;
    }
    txtEdit_->hide();
    maskEdit_->hide();
    placeEditor(active_, r, c);
    maskEdit_->startEntry();
    editRow_ = r;
    editCol_ = c;
    // ShowActiveEditor: Enter or a double-click edits the content; a character starts afresh.
    if (loadsCell) {
        if (active_ == maskEdit_) {
            // Ready for digits: the caret on the first degree position of an empty mask, the
            // whole value selected otherwise, so what is typed replaces it.
            maskEdit_->setText(*masked);
            if (celledit::isEmptyMask(*masked))
                maskEdit_->setCursorPosition(0);
            else
                maskEdit_->selectAll();
        } else {
            txtEdit_->setText(g.cell(r, c));
            txtEdit_->setCursorPosition(int(txtEdit_->text().size()));
        }
    } else if (active_ == maskEdit_) {
        if (const auto t = celledit::maskWithFirstChar(key.at(0), c)) {
            maskEdit_->setText(*t);
            maskEdit_->setCursorPosition(1);
        } else {
            maskEdit_->setText(celledit::emptyMask(c));
            maskEdit_->setCursorPosition(0);
        }
    } else {
        txtEdit_->setText(key);
        txtEdit_->setCursorPosition(int(key.size()));
    }
    active_->show();
    active_->raise();
    active_->setFocus();
    core_.RaiseEnableStatus();
}

void GridGraph::commitEditor(bool advance) {
    if (!editorVisible())
        return;
    advanceOnCommit_ = false;
    CoordGrid& g = core_.grid();
    const int r = editRow_, c = editCol_;
    const bool geo = active_ == maskEdit_;
    const QString text = geo ? maskEdit_->maskText() : active_->text();
    QString s = celledit::ztrim(text, geo, c, geo && maskEdit_->fieldsAsTyped());
    // An angle committed unchanged keeps the cell's own form (39.5 stays 39.5, not
    // 39.5000): moving through loaded cells with Tab changes nothing.
    if (geo && !s.isEmpty() && vb::isNumeric(g.cell(r, c)) && vb::val(s) == vb::val(g.cell(r, c)))
        s = g.cell(r, c);
    const celledit::CommitResult res = celledit::commitCell(g, r, c, s);
    active_->hide();
    if (!res.error.isEmpty()) {
        dialogs().message(kTitleError, res.error, MsgIcon::Critical, MsgButtons::Ok);
        view_->setFocus();
        return;
    }
    if (res.changed) {
        refreshGrid();
        core_.markGridChanged();
    }
    if (!advance || (!res.changed && r - 1 == g.lastDataRow()))
        return;
    const auto [nr, nc] = celledit::nextCell(g, r, c);
    g.setCurrent(std::min(nr, g.rows() - 1), nc);
    syncViewFromGrid();
    view_->scrollTo(view_->currentIndex());
    Area_Flex_DblClick();
    advanceOnCommit_ = false;
}

bool GridGraph::eventFilter(QObject* o, QEvent* e) {
    if (destroying_) return false;
    if ((o == txtEdit_ || o == maskEdit_) && e->type() == QEvent::KeyPress) {
        bool handled = false;
        editorKey(static_cast<QKeyEvent*>(e), handled);
        return handled;
    }
    if (o == bglist_->viewport() && e->type() == QEvent::MouseButtonPress) {
        auto* me = static_cast<QMouseEvent*>(e);
        const int row = bglist_->rowAt(int(me->position().y()));
        const int col = bglist_->columnAt(int(me->position().x()));
        BGlist_MouseDown(me->button(), row, col);
        return true;
    }
    return GridGraphWidget::eventFilter(o, e);
}

void GridGraph::editorKey(QKeyEvent* e, bool& handled) {
    advanceOnCommit_ = false;
    // Keys of the number pad carry a modifier of their own, which is no shift state.
    const bool ctrlAlone = (e->modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier;
    CoordGrid& g = core_.grid();
    switch (e->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        advanceOnCommit_ = true;
        handled = true;
        view_->setFocus();
        // Without an active window no focus event arrives: commit here instead.
        if (advanceOnCommit_)
            commitEditor(true);
        return;
    case Qt::Key_Escape:
        handled = true;
        active_->hide();
        view_->setFocus();
        return;
    case Qt::Key_Up:
    case Qt::Key_Down: {
        handled = true;
        commitEditor(false);
        view_->setFocus();
        const bool up = e->key() == Qt::Key_Up;
        if (ctrlAlone) {
            int c = g.col_ + (up ? -1 : 1);
            g.setCurrent(g.row_, std::clamp(c, 1, CoordGrid::kCols - 1));
            syncViewFromGrid();
            Area_Flex_DblClick();
        } else {
            int r = g.row_ + (up ? -1 : 1);
            g.setCurrent(std::clamp(r, 1, g.rows() - 1), g.col_);
            syncViewFromGrid();
        }
        return;
    }
    default:
        return;
    }
}

bool GridGraph::refuseWhileEditing(const QString& text) {
    if (!editorVisible())
        return false;
    dialogs().message(kTitleError, text, MsgIcon::Critical, MsgButtons::Ok);
    active_->setFocus();
    return true;
}

bool GridGraph::Area_Flex_KeyDown(int key, Qt::KeyboardModifiers mods) {
    syncSelectionFromView();
    mods &= ~Qt::KeypadModifier;
    const bool ctrl = mods == Qt::ControlModifier;
    const bool shift = mods == Qt::ShiftModifier;
    bool copied = false;
    if ((ctrl && key == Qt::Key_C) || (ctrl && key == Qt::Key_Insert)) {
        copyCommand(copied);
    } else if ((ctrl && key == Qt::Key_V) || (shift && key == Qt::Key_Insert)) {
        pasteCommand();
    } else if (ctrl && key == Qt::Key_N) {
        insertCommand();
    } else if (ctrl && key == Qt::Key_Y) {
        deleteCommand(false);
    } else if (key == Qt::Key_Delete && !ctrl) {
        deleteCommand(true);
    } else if (ctrl && key == Qt::Key_A) {
        CoordGrid& g = core_.grid();
        g.setCurrent(g.lastDataRow() + 1, 1);
        syncViewFromGrid();
        openEditorWithKey(QString());
    } else if (ctrl && key != Qt::Key_Control) {
        // The grid still moves on its own keys (Ctrl+Home, Ctrl+End, ...).
        core_.RaiseEnableStatus();
        return false;
    } else {
        return false;
    }
    return true;
}

void GridGraph::copyCommand(bool& copied) {
    copied = false;
    if (refuseWhileEditing(kEditingNoCopy))
        return;
    const blockops::CopyResult r = blockops::copyBlock(core_.grid());
    if (!r.error.isEmpty()) {
        dialogs().message(kTitleError, r.error, MsgIcon::Critical, MsgButtons::Ok);
        return;
    }
    QGuiApplication::clipboard()->clear();
    QGuiApplication::clipboard()->setText(r.block);
    view_->setFocus();
    copied = true;
    core_.RaiseEnableStatus();
}

void GridGraph::pasteCommand() {
    if (refuseWhileEditing(kEditingNoPaste))
        return;
    blockops::PasteResult r;
    {
        const WaitCursor wait;
        r = blockops::paste(core_.grid(), QGuiApplication::clipboard()->text());
    }
    if (!r.error.isEmpty()) {
        dialogs().message(kTitleError, r.error, r.exclamation ? MsgIcon::Exclamation : MsgIcon::Critical, MsgButtons::Ok);
        return;
    }
    if (!r.changed)
        return;
    view_->setFocus();
    afterBlockChange(r.detectedType);
    if (!r.notice.isEmpty())
        dialogs().message(kTitleHint, r.notice, MsgIcon::Exclamation, MsgButtons::Ok);
}

void GridGraph::afterBlockChange(const std::optional<int>& detectedType) {
    refreshGrid();
    core_.markGridChanged();
    if (detectedType)
        core_.raiseSetZBType(*detectedType);
    core_.RaiseEnableStatus();
}

void GridGraph::insertCommand() {
    if (refuseWhileEditing(kEditingNoInsert))
        return;
    const QString err = blockops::insertRow(core_.grid());
    if (!err.isEmpty()) {
        dialogs().message(kTitleError, err, MsgIcon::Critical, MsgButtons::Ok);
        view_->setFocus();
        return;
    }
    afterBlockChange(std::nullopt);
}

void GridGraph::deleteCommand(bool del) {
    if (refuseWhileEditing(kEditingNoDelete))
        return;
    const blockops::DeletePlan p = blockops::planDelete(core_.grid(), del);
    if (!p.error.isEmpty()) {
        dialogs().message(kTitleError, p.error, MsgIcon::Critical, MsgButtons::Ok);
        view_->setFocus();
        return;
    }
    if (p.silent)
        return;
    if (dialogs().message(kTitleWarning, p.question, MsgIcon::Question, MsgButtons::YesNo) != MsgAnswer::Yes) {
        view_->setFocus();
        return;
    }
    {
        const WaitCursor wait;
        blockops::deleteRows(core_.grid(), p);
    }
    view_->setFocus();
    afterBlockChange(std::nullopt);
}

GridGraph::MenuState GridGraph::menuState() const {
    const CoordGrid& g = core_.grid();
    const bool single = g.col_ == g.colSel_ && g.row_ == g.rowSel_;
    const bool paste = !QGuiApplication::clipboard()->text().trimmed().isEmpty();
    return {!single, !single, paste, !single};
}

void GridGraph::runMenuItem(int index) {
    switch (index) {
    case 0: {
        // Cut deletes only what it could copy.
        bool copied = false;
        copyCommand(copied);
        if (copied)
            deleteCommand(false);
        break;
    }
    case 1: {
        bool copied = false;
        copyCommand(copied);
        break;
    }
    case 2:
        pasteCommand();
        break;
    case 4:
        deleteCommand(false);
        break;
    default:
        break;
    }
}

} // namespace mf
