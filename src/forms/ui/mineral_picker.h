#pragma once
// The pickers of the main-mineral combo 开采主矿种: the mineral tree shown in place of the
// combo's own drop-down, and the list of minerals whose names contain the typed text.
#include "forms/ui/tree_widget_sink.h"

#include <QObject>
#include <functional>

class QTreeWidget;
class QTreeWidgetItem;

namespace mf {

class FieldCombo;
class FieldList;

class MineralPicker : public QObject {
    Q_OBJECT
public:
    struct Host {
        std::function<void()> markChanged;
        // The combo's click handler with index 2 (labels of the chosen mineral).
        std::function<void()> comboClick;
    };
    MineralPicker(FieldCombo* combo, QTreeWidget* tree, FieldList* list, bool* loaded, Host host,
                  QObject* parent = nullptr);

    QTreeWidget* tree() const { return tree_; }
    FieldList* list() const { return list_; }
    TreeWidgetSink& nodes() { return sink_; }

    // Handlers.
    void ChCBO_DropDown();
    void TreeView2_NodeClick(QTreeWidgetItem* node);
    // The combo's change with index 2, after the change mark: the name search.
    void ChCBO_Change();
    void List1_Click();
    void TreeView2_LostFocus();
    void List1_LostFocus();

private:
    // Hides the tree and gives the combo the focus.
    void closeTree();

    FieldCombo* combo_;
    QTreeWidget* tree_;
    FieldList* list_;
    bool* loaded_;
    Host host_;
    TreeWidgetSink sink_;
};

} // namespace mf
