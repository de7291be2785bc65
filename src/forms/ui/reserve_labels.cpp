#include "forms/ui/reserve_labels.h"

#include "core/dictionary.h"
#include "core/reserve_scale.h"
#include "forms/field_rules.h"
#include "forms/ui/field_widgets.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace mf {

ReserveLabels::ReserveLabels(const ReserveSpec& table, Controls controls, QObject* parent)
    : QObject(parent), table_(table), c_(std::move(controls)) {
    connect(c_.button, &QPushButton::clicked, this, [this] { CommandCL_Click(); });
    c_.list->onClick = [this] { ListCL_Click(); };
    c_.list->onDblClick = [this] { ListCL_DblClick(); };
    onLostFocus(c_.list, [this] { ListCL_LostFocus(); });
    // From the keyboard: Enter takes the current unit, Escape closes; either way the focus
    // goes back to "▼".
    onKeyPress(c_.list, [this](QKeyEvent* e) {
        if (!isEnterKey(e) && e->key() != Qt::Key_Escape) return false;
        if (isEnterKey(e) && c_.list->currentRow() >= 0) ListCL_Click();
        closeList();
        return true;
    });
}

void ReserveLabels::closeList() {
    const bool focused = c_.list->hasFocus();
    c_.list->setVisible(false);
    if (focused) c_.button->setFocus(Qt::OtherFocusReason);
}

void ReserveLabels::CommandCL_Click() {
    if (!c_.list->isHidden()) {
        c_.list->setVisible(false);
        return;
    }
    const TwipsRect r = reserveListRect(c_.buttonRect, c_.listRect.width, c_.listRect.height);
    c_.list->setGeometry(r.toPixels());
    c_.list->raise();
    c_.list->setVisible(true);
    c_.list->setFocus(Qt::OtherFocusReason);
}

void ReserveLabels::ListCL_Click() {
    const QString item = c_.list->selectedText();
    c_.reserveUnit->setText(item);
    // Each write runs the field's change handling; an unchanged field is left alone.
    c_.unit->setText(SplitReserveUnitItem(item, false));
    c_.oreType->setText(SplitReserveUnitItem(item, true));
    classify();
    if (table_.listHidesOnClick) closeList();
}

void ReserveLabels::ListCL_DblClick() { c_.list->setVisible(false); }

void ReserveLabels::ListCL_LostFocus() { c_.list->setVisible(false); }

void ReserveLabels::UpdateMineralScaleLabels(bool afterLoad) {
    const QString text = c_.mineralText();
    if (text.isEmpty() || text == QLatin1String("0")) return;
    const QString code = mineralCodeOf(text);
    c_.designUnit->setText(dictionary().GetMineralDesignScale(code));
    c_.list->setFieldItems(FillReserveUnitList(code));
    if (afterLoad) unitMineral_ = code;
    if (!afterLoad) {
        // The unit and ore type of another mineral do not count for this one (亿吨 of iron
        // ore is no unit of gold).
        if (code != unitMineral_) {
            c_.unit->setText(QString());
            c_.oreType->setText(QString());
            unitMineral_ = code;
        }
        c_.reserveUnit->setText(c_.list->selectedText());
    } else if (!c_.unit->text().isEmpty()) {
        QString label = c_.unit->text();
        if (!c_.oreType->text().isEmpty()) label += QLatin1Char(' ') + c_.oreType->text();
        c_.reserveUnit->setText(label);
    }
    classify();
}

void ReserveLabels::forgetMineral() {
    unitMineral_.clear();
    c_.list->setFieldItems({});
}

void ReserveLabels::classify() {
    c_.scale->setText(ClassifyReserveScale(mineralCodeOf(c_.mineralText()), c_.total->text(), c_.oreType->text()));
}

} // namespace mf
