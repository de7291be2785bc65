#include "printing/ui/editor_printable_form.h"

#include "core/grid_graph_access.h"
#include "forms/ui/editor_page.h"
#include "forms/ui/editor_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace mf {

int EditorPrintableForm::kind() const { return editor_.kind(); }
const FormDesign& EditorPrintableForm::design() const { return editor_.design(); }

LiveControl EditorPrintableForm::live(const DesignControl& c) const {
    LiveControl l;
    l.text = c.caption;
    l.visible = c.visible;
    QWidget* w = editor_.control(c.displayName());
    if (!w) return l;
    if (QWidget* page = editor_.page(c.page)) l.visible = w->isVisibleTo(page);
    if (auto* line = qobject_cast<QLineEdit*>(w)) {
        l.text = line->text();
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(w)) {
        l.text = memo->toPlainText();
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        l.text = combo->currentText();
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
        l.text = label->text();
    } else if (auto* check = qobject_cast<QCheckBox*>(w)) {
        l.text = check->text();
        l.value = check->checkState() == Qt::Checked ? 1 : check->checkState() == Qt::PartiallyChecked ? 2 : 0;
    } else if (auto* option = qobject_cast<QRadioButton*>(w)) {
        l.text = option->text();
        l.value = option->isChecked() ? 1 : 0;
    }
    return l;
}

QString EditorPrintableForm::boundary() {
    GridGraphAccess* grid = editor_.gridGraph();
    return grid ? grid->ZB_String() : QString();
}

QString EditorPrintableForm::mineName() const { return editor_.text(ControlArray::ChTXT, 1); }

} // namespace mf
