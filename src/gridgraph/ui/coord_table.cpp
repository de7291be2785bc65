#include "gridgraph/ui/coord_table.h"

#include <QHeaderView>
#include <QInputMethodEvent>
#include <QKeyEvent>

namespace mf {

QVariant CoordGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const int r = index.row() + 1, c = index.column() + 1;
    if (role == Qt::DisplayRole)
        return g_.cell(r, c);
    if (role == Qt::TextAlignmentRole)
        return int((c == 2 || c == 3 ? Qt::AlignRight : Qt::AlignHCenter) | Qt::AlignVCenter);
    return {};
}

QVariant CoordGridModel::headerData(int section, Qt::Orientation o, int role) const {
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    if (role != Qt::DisplayRole)
        return {};
    if (o == Qt::Horizontal)
        return g_.cell(0, section + 1);
    return g_.cell(section + 1, 0);
}

void CoordGridModel::refresh() {
    if (shownRows_ != g_.rows()) {
        beginResetModel();
        shownRows_ = g_.rows();
        endResetModel();
        return;
    }
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
}

CoordTableView::CoordTableView(QWidget* parent) : QTableView(parent) {
    setEditTriggers(NoEditTriggers);
    setAttribute(Qt::WA_InputMethodEnabled, true);
    setSelectionMode(ContiguousSelection);
    setTabKeyNavigation(false);
    verticalHeader()->setDefaultSectionSize(20);   // 300 twips
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(20);
    horizontalHeader()->setFixedHeight(20);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
}

void CoordTableView::keyPressEvent(QKeyEvent* e) {
    if (onKey && onKey(e))
        return;
    const QString t = e->text();
    const bool ctrl = e->modifiers() & Qt::ControlModifier;
    if (!ctrl && (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)) {
        if (onText)
            onText(QStringLiteral("\r"));
        return;
    }
    if (!ctrl && !t.isEmpty() && t.at(0).unicode() > 32 && t.at(0).unicode() != 127) {
        if (onText)
            onText(t);
        return;
    }
    // Only navigation reaches the view; no keyboard search, no built-in copy.
    switch (e->key()) {
    case Qt::Key_Up: case Qt::Key_Down: case Qt::Key_Left: case Qt::Key_Right:
    case Qt::Key_PageUp: case Qt::Key_PageDown: case Qt::Key_Home: case Qt::Key_End:
        QTableView::keyPressEvent(e);
        break;
    default:
        e->ignore();
    }
}

void CoordTableView::mouseDoubleClickEvent(QMouseEvent* e) {
    QTableView::mousePressEvent(e);
    if (onDoubleClick)
        onDoubleClick();
}

void CoordTableView::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::RightButton) {
        if (onRightClick)
            onRightClick();
        return;
    }
    QTableView::mousePressEvent(e);
}

void CoordTableView::focusInEvent(QFocusEvent* e) {
    QTableView::focusInEvent(e);
    if (onFocusIn)
        onFocusIn();
}

void CoordTableView::inputMethodEvent(QInputMethodEvent* e) {
    if (!e->commitString().isEmpty() && onText)
        onText(e->commitString());
    e->accept();
}

} // namespace mf
