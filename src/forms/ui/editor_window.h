#pragma once
// One editor window for the seven application kinds, driven by the kind's profile and
// form design. It reaches the core through FormAccess and the shell.
#include "core/form_access.h"
#include "forms/field_tables.h"
#include "forms/form_design.h"
#include "forms/kind_profile.h"

#include <QHash>
#include <QMdiSubWindow>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class QLabel;
class QTabBar;

namespace mf {

class CheckField;
class EditorPage;
class FieldCombo;
class GridGraphWidget;
class MineralPicker;
class MiningAreaPage;
class RegionPicker;
class ReserveLabels;
class TabIntoMemo;
class TextField;

class EditorWindow : public QWidget, public FormAccess {
    Q_OBJECT
public:
    explicit EditorWindow(int kind, QWidget* parent = nullptr);
    ~EditorWindow() override;

    const KindProfile& profile() const { return profile_; }
    const FormDesign& design() const { return design_; }
    QString caption() const { return profile_.caption; }
    QMdiSubWindow* subWindow() const { return sub_; }
    void attachSubWindow(QMdiSubWindow* sub);
    // The designed client area of the kind.
    QSize sizeHint() const override;
    bool isClosing() const { return closing_; }
    // Shrinks the window to what the main window's work area leaves below and right of
    // its place; the page then scrolls.
    void fitIntoWorkArea();

    // The window's load: marks the kind open and current, clears the fields, sets them up
    // and places the window by the number of other open editors.
    void Form_Load();
    // Activation: the kind becomes current; a pending file is loaded; toolbar and status
    // bar follow the kind. Returns true when a pending file was loaded successfully.
    bool Form_Activate();
    // Closing: the save question first, then the working attachment list is dropped and
    // the kind released. False when a Yes-save did not complete: the close is cancelled.
    bool Form_Unload();
    // The save question ("[…]已经发生改变,保存吗?", answered only by 是 or 否) when the kind
    // has unsaved changes. True when the caller may go on: nothing was changed, the changes
    // were saved, or 否 gave them up (the kind then counts as unchanged). False when a 是's
    // save did not complete.
    bool settleChanges();

    // Pages and tabs.
    int CurrentPage() const { return currentPage_; }
    void TabStrip1_Click(const QString& key);
    void selectTab(int page);
    QTabBar* tabStrip() const { return tabs_; }
    EditorPage* page(int index) const;

    // Controls by name: "ChTXT(18)", "CheckTogether", "CommandXZQ".
    QWidget* control(const QString& displayName) const { return named_.value(displayName); }
    TextField* textField(ControlArray array, int index) const;
    FieldCombo* combo(int index) const;
    CheckField* checkTogetherBox() const { return checkTogether_; }
    GridGraphWidget* gridGraphWidget() const { return grid_; }

    // Marks the kind changed and shows "SAVE" available.
    void markChanged();

    // What the kind does with its fields, and the parts that serve them.
    const KindFieldTable& fieldTable() const { return table_; }
    const std::vector<std::unique_ptr<RegionPicker>>& regionPickers() const { return regionPickers_; }
    MineralPicker* mineralPicker() const { return mineralPicker_.get(); }
    ReserveLabels* reserveLabels() const { return reserve_.get(); }
    MiningAreaPage* miningArea() const { return area_.get(); }
    // The combo's click handler (ChCBO_Click), as the pickers and loads raise it.
    void ChCBO_Click(int index);

    // The coordinate control the editors create on their mining-area page; tests and the
    // real control replace the plain one through this.
    using GridGraphFactory = std::function<GridGraphWidget*(QWidget* parent)>;
    static void setGridGraphFactory(GridGraphFactory factory);

    // FormAccess
    int kind() const override { return kind_; }
    QList<int> indexes(ControlArray array) const override;
    QString fieldName(ControlArray array, int index) const override;
    QString text(ControlArray array, int index) const override;
    void setText(ControlArray array, int index, const QString& value) override;
    QStringList comboItems(int index) const override;
    void setComboItems(int index, const QStringList& items) override;
    int comboCurrentIndex(int index) const override;
    void setComboCurrentIndex(int index, int item) override;
    bool comboIsCodeList(int index) const override;
    bool hasCheckTogether() const override { return checkTogether_ != nullptr; }
    bool checkTogether() const override;
    void setCheckTogether(bool ticked) override;
    int changeTypeCount() const override { return int(cbChk_.size()); }
    bool changeType(int index) const override;
    void setChangeType(int index, bool ticked) override;
    GridGraphAccess* gridGraph() override;
    void focusField(ControlArray array, int index) override;

signals:
    // A data field's handler ran (array, index); for the field rules and tests.
    void fieldEdited(int array, int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildPages();
    QWidget* createControl(const DesignControl& c, QWidget* parent);
    void registerData(const DesignControl& c, QWidget* w);
    void ShowCurrentPage();
    void wireFieldParts();
    void SetupFieldControls();
    void placeHidden(const QString& name, const TwipsRect& r);
    TwipsRect designRect(const QString& name) const;
    bool handleFieldKey(QObject* watched, QKeyEvent* e);
    void paintSketch(QPainter& p);
    // The handlers of the data fields.
    void fieldChanged(ControlArray array, int index);
    void textChanged(int index);
    void comboChanged(int index);
    void checkTogetherClicked();
    void otherMineralFollowsBox();
    void changeTypeClicked(int index);
    // Before a load: the labels that show data back to their design captions, the cover's
    // unsaved 审批通知书文号 emptied.
    void resetDataLabels();

    int kind_;
    const KindProfile& profile_;
    FormDesign design_;
    bool closing_ = false;
    // A file is being read into the fields: the rules that fill one data field from another
    // stand aside, so the file's own values stay.
    bool loading_ = false;
    QPointer<QMdiSubWindow> sub_;
    QPointer<QObject> subObject_;   // the same window, for comparing without a downcast
    TabIntoMemo* tabIntoMemo_ = nullptr;

    QWidget* body_ = nullptr;  // the tab strip and the page frame, scrolled when larger
    QSize bodySize_;
    QTabBar* tabs_ = nullptr;
    QWidget* pic1_ = nullptr;
    std::vector<EditorPage*> pages_;
    int currentPage_ = 0;

    QHash<QString, QWidget*> named_;
    std::map<int, TextField*> chTxt_, chMemo_, existTxt_;
    std::map<int, FieldCombo*> chCbo_;
    std::map<int, CheckField*> cbChk_;
    std::map<std::pair<int, int>, QString> fieldNames_;
    QLabel* labelXzq_ = nullptr;
    CheckField* checkTogether_ = nullptr;
    GridGraphWidget* grid_ = nullptr;

    const KindFieldTable& table_;
    std::vector<std::unique_ptr<RegionPicker>> regionPickers_;
    std::unique_ptr<MineralPicker> mineralPicker_;
    std::unique_ptr<ReserveLabels> reserve_;
    std::unique_ptr<MiningAreaPage> area_;

public:
    // Picker state of the form, reset by every load.
    bool RegionTreeLoaded = false;
    bool MineralTreeLoaded = false;
    bool AuthorityTreeLoaded = false;
};

} // namespace mf
