#pragma once
// The ">>" region picker of a region field: a tree of the provinces and cities, filled on
// its first opening, whose cities load their counties on their first expansion. A click on
// a node writes its code into the field.
#include "forms/field_tables.h"
#include "forms/ui/tree_widget_sink.h"

#include <QObject>
#include <functional>

class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace mf {

class RegionPicker : public QObject {
    Q_OBJECT
public:
    struct Host {
        std::function<void(const QString&)> writeTarget;   // the field's text (runs its change)
        std::function<void()> focusTarget;
        std::function<void()> markChanged;
    };
    // loaded: the form's flag of this tree (RegionTreeLoaded or AuthorityTreeLoaded).
    RegionPicker(const RegionPickerSpec& table, QPushButton* button, QTreeWidget* tree, bool* loaded,
                 Host host, QObject* parent = nullptr);

    const RegionPickerSpec& table() const { return table_; }
    // The target field: Alt+Down or F4 there opens the tree.
    void watchField(QWidget* field);
    QTreeWidget* tree() const { return tree_; }
    QPushButton* button() const { return button_; }
    TreeWidgetSink& nodes() { return sink_; }

    // Handlers.
    void CommandXZQ_Click();
    void TreeView_Expand(const QString& key);
    void TreeView_NodeClick(const QString& key);
    void TreeView_DblClick();
    void TreeView_LostFocus();

private:
    RegionPickerSpec table_;
    QPushButton* button_;
    QTreeWidget* tree_;
    bool* loaded_;
    Host host_;
    TreeWidgetSink sink_;
    bool filling_ = false;
};

} // namespace mf
