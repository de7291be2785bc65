#include "platform/ui/readable_combo.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>

namespace mf {

namespace {

class WheelOnlyWithFocus : public QObject {
public:
    using QObject::QObject;
    // The wheel over the edit field reaches the combo too: the field passes it on.
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() != QEvent::Wheel) return false;
        auto* combo = static_cast<QComboBox*>(parent());
        if (combo->hasFocus()) return false;
        // Ignored and filtered: Qt hands the wheel on to the parents (the scrolled page).
        e->ignore();
        return true;
    }
};

void fitListToItems(QComboBox* combo) {
    QAbstractItemView* view = combo->view();
    const QFontMetrics fm(view->font());
    int widest = 0;
    for (int i = 0; i < combo->count(); ++i) widest = std::max(widest, fm.horizontalAdvance(combo->itemText(i)));
    const int margins = 4 * view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 2 * view->frameWidth() + 16;
    const int scrollBar = combo->count() > combo->maxVisibleItems()
                              ? view->style()->pixelMetric(QStyle::PM_ScrollBarExtent)
                              : 0;
    view->setMinimumWidth(widest + margins + scrollBar);
}

} // namespace

void makeComboReadable(QComboBox* combo) {
    combo->view()->setTextElideMode(Qt::ElideNone);
    combo->setFocusPolicy(Qt::StrongFocus);
    auto* filter = new WheelOnlyWithFocus(combo);
    combo->installEventFilter(filter);
    QAbstractItemModel* model = combo->model();
    auto fit = [combo] { fitListToItems(combo); };
    QObject::connect(model, &QAbstractItemModel::rowsInserted, combo, fit);
    QObject::connect(model, &QAbstractItemModel::rowsRemoved, combo, fit);
    QObject::connect(model, &QAbstractItemModel::modelReset, combo, fit);
    QObject::connect(model, &QAbstractItemModel::dataChanged, combo, fit);
    fit();
}

void showComboTextStart(QComboBox* combo) {
    if (QLineEdit* edit = combo->lineEdit()) edit->setCursorPosition(0);
}

} // namespace mf
